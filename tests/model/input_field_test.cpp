#include "model/input_field.h"

#include "support/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace karnoth {
namespace {

TEST(InputField, EachFieldTakesItsRangeAndNoMore)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        InputField field;
        double inside[3];
        double outside[3];
    } cases[] = {
        {InputField::adultSurvival, {0, 0.5, 0.999999}, {-0.01, 1, 1.5}},
        {InputField::streetJuvenileSurvival, {0, 0.1, 1}, {-1e-9, 1.000001, inf}},
        {InputField::probPregnant, {0, 0.75, 1}, {-0.5, 1.5, std::nan("")}},
        {InputField::femalePupsPerLitter, {0, 2, 1e6}, {-2, -inf, inf}},
        {InputField::ageAtFirstLitter, {0, 1, 9.5}, {-1, -0.1, inf}},
        {InputField::ageAtLastLitter, {0, 7, 40000}, {-1, -1e-12, std::nan("")}},
        {InputField::ownedSterilisedPercent, {0, 50, 100}, {-1, 100.5, 1e9}},
        {InputField::firstYearMultiplier, {0, 1, 20}, {-1, -0.001, inf}},
        {InputField::abandonedPerYear, {0, 4000, 30000}, {-1, -inf, inf}},
        {InputField::programmeRate, {0, 252.5, 1000}, {-1, 1000.01, inf}},
        {InputField::ownedShare, {0, 50, 100}, {-0.5, 101, std::nan("")}},
    };
    for (const auto& c : cases) {
        for (double v : c.inside) EXPECT_NO_THROW(requireInRange(c.field, v)) << fieldCaption(c.field) << " " << v;
        for (double v : c.outside) {
            try {
                requireInRange(c.field, v);
                ADD_FAILURE() << fieldCaption(c.field) << " took " << v;
            } catch (const Fault& fault) {
                EXPECT_EQ(fault.kind(), FaultKind::OutsideRange);
                EXPECT_EQ(fault.field(), fieldCaption(c.field)) << "the fault names its one field";
                EXPECT_EQ(std::string(fault.what()).rfind(std::string(fieldCaption(c.field)) + " ", 0), 0u)
                    << fault.what();
            }
        }
    }
    EXPECT_NO_THROW(requireInRange(InputField::programmeStart, -5)) << "years are checked where they are used";
}

TEST(InputField, MessagesGiveTheValueAndTheRange)
{
    const struct {
        InputField field;
        double value;
        const char* message;
    } cases[] = {
        {InputField::adultSurvival, 1.5, "adult survival 1.5 is outside its range: at least 0 and below 1"},
        {InputField::ownedSterilisedPercent, 120, "% owned dogs sterilised 120 is outside its range: 0 to 100"},
        {InputField::probPregnant, std::nan(""), "prob. pregnant NaN is outside its range: 0 to 1"},
    };
    for (const auto& c : cases) {
        try {
            requireInRange(c.field, c.value);
            ADD_FAILURE() << c.message;
        } catch (const Fault& fault) {
            EXPECT_STREQ(fault.what(), c.message);
        }
    }
    EXPECT_NO_THROW(requireLastLitterNotBeforeFirst(3, 3));
    try {
        requireLastLitterNotBeforeFirst(2.5, 3);
        ADD_FAILURE();
    } catch (const Fault& fault) {
        EXPECT_STREQ(fault.what(),
                     "age at last litter 2.5 is outside its range: not below the age at first litter (3)");
        EXPECT_EQ(fault.field(), "age at last litter");
    }
}

}  // namespace
}  // namespace karnoth
