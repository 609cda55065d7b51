#include "model/breeding.h"
#include "model/growth_rate.h"
#include "support/fault.h"

#include <gtest/gtest.h>

#include <cmath>

namespace karnoth {
namespace {

TEST(Breeding, DefaultsGiveTheReferenceFigures)
{
    const float years = breedingYears(0.9, 1, 7);
    EXPECT_FLOAT_EQ(years, static_cast<float>((1 - std::pow(0.9, 7)) / 0.1));
    const float pups = pupsFromBreedingYears(years, 0.75, 2);
    EXPECT_EQ(pups, 7.82554626f);
    EXPECT_EQ(firstYearSurvivalFor(pups), 0.425955355f);

    const double g = growthRateFor(0.9, 1, 7, 0.75, 2, firstYearSurvivalFor(pups));
    EXPECT_NEAR(g, 1.5228, 5e-5);
    EXPECT_NEAR(doublingTimeFor(g), 1.65, 5e-3);
}

TEST(Breeding, TheBracketIsStoredAsASingleBeforeTheProducts)
{
    // 0.1 has no exact single: the product must start from the stored single, not the double.
    const float years = breedingYears(0.5, 1, 1);
    EXPECT_EQ(years, 1.0f);
    EXPECT_EQ(pupsFromBreedingYears(0.1f, 3.0, 1.0), static_cast<float>(1.0 * (3.0 * double(0.1f))));
}

TEST(Breeding, FaultsNameTheirInputs)
{
    const struct {
        const char* name;
        double S, R, L;
        FaultKind kind;
    } cases[] = {
        {"adult survival 1", 1, 1, 7, FaultKind::DivisionByZero},
        {"negative survival, fractional age", -0.5, 1.5, 7, FaultKind::InvalidOperation},
        {"overflowing power", 10, 1, 400, FaultKind::Overflow},
        {"zero survival, age below one", 0, 0, 7, FaultKind::DivisionByZero},
    };
    for (const auto& c : cases) {
        try {
            breedingYears(c.S, c.R, c.L);
            ADD_FAILURE() << c.name << ": no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << c.name;
        }
    }
    try {
        breedingYears(1, 1, 7);
    } catch (const Fault& fault) {
        EXPECT_STREQ(fault.what(),
                     "adult survival must differ from 1: the breeding years divide by 1 - adult survival");
    }
    EXPECT_THROW(firstYearSurvivalFor(0), Fault);
}

TEST(GrowthRate, BelowOneGivesANegativeDoublingTime)
{
    EXPECT_LT(doublingTimeFor(0.8), 0);
    EXPECT_THROW(doublingTimeFor(1.0), Fault);
    EXPECT_THROW(doublingTimeFor(0.0), Fault);
    EXPECT_THROW(doublingTimeFor(-2.0), Fault);
}

TEST(GrowthRate, AdultSurvivalEqualToTheFactorDividesByZero)
{
    // S = 1 makes q = 1 in the very first step.
    EXPECT_THROW(growthRateFor(1.0, 1, 7, 0.75, 2, 0.4f), Fault);
}

}  // namespace
}  // namespace karnoth
