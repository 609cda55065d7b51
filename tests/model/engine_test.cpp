#include "model/engine.h"

#include "model/breeding.h"
#include "model/equilibrium.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace karnoth {
namespace {

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

ModelResult succeeded(const ModelInputs& inputs, const YearlySeries& killed = {})
{
    ModelOutcome outcome = runModel(inputs, killed);
    EXPECT_TRUE(outcome.ok()) << (outcome.ok() ? "" : outcome.fault().what());
    return outcome.ok() ? outcome.result() : ModelResult{};
}

Fault faulted(const ModelInputs& inputs, const YearlySeries& killed = {})
{
    ModelOutcome outcome = runModel(inputs, killed);
    EXPECT_FALSE(outcome.ok());
    return outcome.ok() ? Fault(FaultKind::File, "no fault") : outcome.fault();
}

// The defaults worked by hand. pupsPerYearling = 1.5 (1 - 0.9^7) / 0.1 = 7.8255 and
// firstYearSurvival = 1 / (0.3 pupsPerYearling): owners keep 2.5 G - G = 1.5 G yearlings and
// sterilise half, so 3,000 a year. Street pups G / (1 / pupsPerYearling - 0.1) = 143,950, yearlings
// 0.1 of them plus G, every older class 0.9 of the one below.
TEST(Engine, DefaultsGiveTheWorkedFigures)
{
    const ModelResult run = succeeded(ModelInputs{});
    EXPECT_EQ(run.pupsPerYearling, 7.82554626f);
    EXPECT_EQ(run.firstYearSurvival, 0.425955355f);
    // From firstYearSurvival as the stored single, so a little off the value in doubles.
    EXPECT_NEAR(run.growthRate, 1.5228425762, 1e-7);
    EXPECT_NEAR(run.doublingTime, 1.6480795948, 1e-7);
    EXPECT_NEAR(run.equilibrium.retainedYearlings, 6000, 0.01);
    EXPECT_NEAR(run.currentlySterilisedPerYear, 3000, 0.01);

    const double pups = 1.5 * (1 - std::pow(0.9, 7)) / 0.1;
    const double streetPups = 4000 / (1 / pups - 0.1);
    const double streetYearlings = 0.1 * streetPups + 4000;
    const double streetTotal = streetYearlings * (1 - std::pow(0.9, 10)) / 0.1;
    EXPECT_NEAR(run.equilibrium.streetFertile[0], streetPups, 1e-5 * streetPups);
    EXPECT_NEAR(run.series.streetTotal[1950], streetTotal, 1e-5 * streetTotal);
    EXPECT_NEAR(run.abandonedShare2005, 4000 / streetYearlings, 1e-5);
}

TEST(Engine, EquilibriumHoldsUntilTheProgrammeStarts)
{
    const ModelResult run = succeeded(ModelInputs{});
    const RunSeries& s = run.series;
    for (int year = 1951; year < 2005; ++year) {
        EXPECT_NEAR(s.streetTotal[year], s.streetTotal[1950], 1e-4 * s.streetTotal[1950]) << year;
        EXPECT_NEAR(s.ownedBreeders[year], s.ownedBreeders[1950], 1e-4 * s.ownedBreeders[1950]) << year;
        EXPECT_EQ(s.extraSterilisations[year], 0) << year;
    }
    EXPECT_LT(s.streetTotal[2050], s.streetTotal[2004]) << "the programme shrinks the street population";
}

TEST(Engine, TheProgrammesFirstYearSplitsBetweenOwnedAndStreet)
{
    const ModelResult run = succeeded(ModelInputs{});
    ASSERT_TRUE(run.firstYear);
    // 25.2 % of the 3,000 fertile owned yearlings, half of it aimed at owned dogs.
    EXPECT_NEAR(run.firstYear->owned, 0.252 * 3000 * 0.5, 0.01);
    // The other half of 25.2 % of every fertile street class, 119,813 females before it.
    EXPECT_NEAR(run.firstYear->street, 0.126 * run.series.streetTotal[2004], 0.5);
    EXPECT_FLOAT_EQ(run.firstYear->total, run.firstYear->owned + run.firstYear->street);
    for (int year = 2005; year <= 2050; ++year) {
        EXPECT_FLOAT_EQ(run.series.extraSterilisations[year], run.programmeOwned[year] + run.programmeStreet[year]);
        EXPECT_GT(run.programmeStreet[year], 0) << year;
    }
    EXPECT_EQ(run.programmeOwned[2004] + run.programmeStreet[2004], 0);
}

TEST(Engine, ProgrammeSettingsChangeWhatTheyShould)
{
    const ModelResult base = succeeded(ModelInputs{});
    ModelInputs owned, street, twice, yearlings, late;
    owned.ownedShare = 100;
    street.ownedShare = 0;
    twice.firstYearMultiplier = 2;
    yearlings.onlyYearlings = true;
    late.programmeStart = 2060;
    EXPECT_EQ(succeeded(owned).programmeStreet[2010], 0);
    EXPECT_EQ(succeeded(street).programmeOwned[2010], 0);
    const ModelResult doubled = succeeded(twice);
    EXPECT_NEAR(doubled.series.extraSterilisations[2005], 2 * base.series.extraSterilisations[2005],
                1e-5 * base.series.extraSterilisations[2005]);
    EXPECT_EQ(doubled.series.streetTotal[2004], base.series.streetTotal[2004]);
    EXPECT_LT(succeeded(yearlings).programmeStreet[2005], base.programmeStreet[2005]);
    const ModelResult never = succeeded(late);
    EXPECT_FALSE(never.firstYear);
    EXPECT_EQ(never.series.streetTotal[2050], never.series.streetTotal[1950]);
}

TEST(Engine, RealBarValuesAreTakenAsTheyAre)
{
    // The rate is a real number: 252.5 tenths of a per cent lies between 252 and 253.
    ModelInputs low, mid, high;
    low.programmeRate = 252;
    mid.programmeRate = 252.5;
    high.programmeRate = 253;
    const float atLow = succeeded(low).series.streetTotal[2030];
    const float atMid = succeeded(mid).series.streetTotal[2030];
    const float atHigh = succeeded(high).series.streetTotal[2030];
    EXPECT_LT(atMid, atLow);
    EXPECT_GT(atMid, atHigh);
}

TEST(Engine, CullingTakesLastYearsCountFromTheFertileStreetDogs)
{
    YearlySeries killed;
    killed[1995] = 1000;
    const ModelResult run = succeeded(ModelInputs{}, killed);
    EXPECT_EQ(run.series.streetTotal[1995], run.series.streetTotal[1950]) << "culled the year after";
    EXPECT_NEAR(run.series.streetTotal[1996], run.series.streetTotal[1950] - 1000, 0.1);

    ModelInputs outside;
    outside.cullTo = 1995;  // 1996 lies outside the culling years
    EXPECT_EQ(succeeded(outside, killed).series.streetTotal[1996], run.series.streetTotal[1950]);
}

TEST(Engine, AYearRepeatsTheOneBeforeOnlyWhenTheSameThingsHappen)
{
    // The equilibrium holds bit for bit, so quiet years repeat the year before; a cull whose count
    // differs from the year before's must still run.
    YearlySeries killed;
    killed[1995] = 0;
    killed[1996] = 500;
    killed[1997] = 500;
    const ModelResult run = succeeded(ModelInputs{}, killed);
    const float before = run.series.streetTotal[1950];
    EXPECT_EQ(run.series.streetTotal[1996], before);
    EXPECT_NEAR(run.series.streetTotal[1997], before - 500, 0.1) << "1996's count, culled in 1997";
    EXPECT_LT(run.series.streetTotal[1998], run.series.streetTotal[1997]) << "the same count again, on fewer dogs";
    // With the programme from 1960 the first year differs, and the later ones need not repeat.
    ModelInputs early;
    early.programmeStart = 1960;
    const ModelResult programme = succeeded(early);
    EXPECT_EQ(programme.series.streetTotal[1959], before);
    EXPECT_LT(programme.series.streetTotal[1961], programme.series.streetTotal[1960]);
    EXPECT_GT(programme.series.extraSterilisations[1961], 0);
}

struct FaultCase {
    const char* name;
    void (*change)(ModelInputs&, YearlySeries&);
    FaultKind kind;
    const char* message;  // a part of it
};

class EngineFaultTest : public ::testing::TestWithParam<FaultCase> { };

TEST_P(EngineFaultTest, IsReportedNotNegativeDogs)
{
    const FaultCase& c = GetParam();
    ModelInputs inputs;
    YearlySeries killed;
    c.change(inputs, killed);
    const Fault fault = faulted(inputs, killed);
    EXPECT_EQ(fault.kind(), c.kind) << fault.what();
    EXPECT_TRUE(contains(fault.what(), c.message)) << fault.what();
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EngineFaultTest,
    ::testing::Values(
        FaultCase{"adult survival above 1", [](ModelInputs& i, YearlySeries&) { i.adultSurvival = 1.5; },
                  FaultKind::OutsideRange, "adult survival 1.5 is outside its range: at least 0 and below 1"},
        FaultCase{"adult survival 1", [](ModelInputs& i, YearlySeries&) { i.adultSurvival = 1; },
                  FaultKind::OutsideRange, "adult survival 1 is outside"},
        FaultCase{"juvenile survival above 1", [](ModelInputs& i, YearlySeries&) { i.streetJuvenileSurvival = 1.5; },
                  FaultKind::OutsideRange, "juvenile survival 1.5 is outside its range: 0 to 1"},
        FaultCase{"prob. pregnant above 1", [](ModelInputs& i, YearlySeries&) { i.probPregnant = 1.5; },
                  FaultKind::OutsideRange, "prob. pregnant 1.5"},
        FaultCase{"negative litter", [](ModelInputs& i, YearlySeries&) { i.femalePupsPerLitter = -2; },
                  FaultKind::OutsideRange, "female pups per litter -2 is outside its range: at least 0"},
        FaultCase{"last litter before first",
                  [](ModelInputs& i, YearlySeries&) { i.ageAtFirstLitter = 3, i.ageAtLastLitter = 2; },
                  FaultKind::OutsideRange, "not below the age at first litter (3)"},
        FaultCase{"owned share above 100", [](ModelInputs& i, YearlySeries&) { i.ownedSterilisedPercent = 101; },
                  FaultKind::OutsideRange, "% owned dogs sterilised 101"},
        FaultCase{"negative multiplier", [](ModelInputs& i, YearlySeries&) { i.firstYearMultiplier = -1; },
                  FaultKind::OutsideRange, "times in first year -1"},
        FaultCase{"rate beyond 100 %", [](ModelInputs& i, YearlySeries&) { i.programmeRate = 1000.5; },
                  FaultKind::OutsideRange, "sterilisation rate (tenths of a %) 1000.5"},
        FaultCase{"not a number", [](ModelInputs& i, YearlySeries&) { i.probPregnant = std::nan(""); },
                  FaultKind::OutsideRange, "prob. pregnant NaN"},
        FaultCase{"owned dogs at 70 %", [](ModelInputs& i, YearlySeries&) { i.ownedSterilisedPercent = 70; },
                  FaultKind::ImpossibleState, "With 70% of owned yearlings"},
        FaultCase{"owned dogs at 75 %", [](ModelInputs& i, YearlySeries&) { i.ownedSterilisedPercent = 75; },
                  FaultKind::ImpossibleState, "no steady state to start from. Keep it below 70%."},
        FaultCase{"street pups at the threshold",
                  [](ModelInputs& i, YearlySeries&) { i.streetJuvenileSurvival = 0.128; }, FaultKind::ImpossibleState,
                  "juvenile survival 0.128 is at or above the threshold 1 / pups per yearling = 0.1278"},
        FaultCase{"first-year multiplier 20", [](ModelInputs& i, YearlySeries&) { i.firstYearMultiplier = 20; },
                  FaultKind::ImpossibleState,
                  "in 2005 the programme sterilises 7,560 owned yearlings, more than there are (3,000)"},
        FaultCase{"a cull of a million", [](ModelInputs&, YearlySeries& k) { k[1995] = 1000000; },
                  FaultKind::ImpossibleState,
                  "in 1996 the culling recorded for 1995 (1,000,000) removes more street females than there are ("},
        FaultCase{"a negative count", [](ModelInputs&, YearlySeries& k) { k[2001] = -5; }, FaultKind::OutsideRange,
                  "the dogs killed in 2001 (-5)"},
        FaultCase{"last litter beyond 10",
                  [](ModelInputs& i, YearlySeries&) { i.ageAtLastLitter = 11, i.streetJuvenileSurvival = 0.05; },
                  FaultKind::Subscript, "age at last litter 11 lies beyond the oldest age class 10"},
        FaultCase{"culling from 1950", [](ModelInputs& i, YearlySeries&) { i.cullFrom = 1950; }, FaultKind::Subscript,
                  "dogs killed from must be 1951 or later"},
        FaultCase{"no litters", [](ModelInputs& i, YearlySeries&) { i.femalePupsPerLitter = 0; },
                  FaultKind::DivisionByZero, "the pups per yearling are 0"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(Engine, SteadyStateLimitsLieWhereTheyShould)
{
    // Owned dogs replace themselves while fewer than 70 % of their yearlings are sterilised; street
    // pups while juvenile survival stays below 1 / pupsPerYearling.
    ModelInputs owned;
    owned.ownedSterilisedPercent = 69.9;
    EXPECT_TRUE(runModel(owned).ok());
    ModelInputs street;
    street.streetJuvenileSurvival = 0.1277;
    EXPECT_TRUE(runModel(street).ok());
    street.streetJuvenileSurvival = 0.12779;
    EXPECT_FALSE(runModel(street).ok());
}

TEST(Engine, RoundingBelowZeroIsKept)
{
    // Culling exactly what there is leaves classes at or a hair below 0, which is rounding.
    YearlySeries killed;
    ModelInputs inputs;
    const float total = succeeded(inputs).series.streetTotal[1950];
    killed[1995] = total;
    const ModelOutcome outcome = runModel(inputs, killed);
    ASSERT_TRUE(outcome.ok()) << outcome.fault().what();
    EXPECT_NEAR(outcome.result().series.streetTotal[1996], 0, 1);
}

// The fast projection checks once a year; the checked one at every store. Both give the same
// singles, and fault in the same cases.
TEST(Engine, FastAndCheckedProjectionsAgree)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 300; ++i) {
        ModelInputs inputs;
        inputs.adultSurvival = 0.5 + 0.49 * unit(random);
        inputs.probPregnant = 0.2 + 0.8 * unit(random);
        inputs.femalePupsPerLitter = 1 + 4 * unit(random);
        inputs.ageAtLastLitter = 2 + 8 * unit(random);
        inputs.programmeRate = 1000 * unit(random);
        inputs.ownedShare = 100 * unit(random);
        inputs.firstYearMultiplier = 4 * unit(random);
        inputs.programmeStart = 1950 + static_cast<int>(100 * unit(random));
        inputs.abandonedPerYear = 30000 * unit(random);
        ModelResult run;
        if (runModelInto(inputs, {}, run)) continue;  // the equilibrium faulted before any projection

        ProjectionSettings settings;
        settings.adultSurvival = inputs.adultSurvival;
        settings.streetJuvenileSurvival = inputs.streetJuvenileSurvival;
        settings.probPregnant = inputs.probPregnant;
        settings.femalePupsPerLitter = inputs.femalePupsPerLitter;
        settings.programmeRate = inputs.programmeRate;
        settings.ownedShare = inputs.ownedShare;
        settings.programmeStart = inputs.programmeStart;
        settings.firstYearMultiplier = inputs.firstYearMultiplier;
        settings.cullFrom = inputs.cullFrom;
        settings.cullTo = inputs.cullTo;
        settings.firstBreedingAge = static_cast<int>(std::nearbyint(inputs.ageAtFirstLitter));
        settings.lastBreedingAge = static_cast<int>(std::nearbyint(inputs.ageAtLastLitter));
        PopulationState fastState = run.equilibrium, checkedState = run.equilibrium;
        ProjectionRecord fast, checked;
        bool fastFaulted = false, checkedFaulted = false;
        try {
            project(fastState, settings, {}, fast);
        } catch (const Fault&) {
            fastFaulted = true;
        }
        try {
            projectCheckingEveryStore(checkedState, settings, {}, checked);
        } catch (const Fault&) {
            checkedFaulted = true;
        }
        ASSERT_EQ(fastFaulted, checkedFaulted) << i;
        EXPECT_EQ(fast.series.streetTotal.values(), checked.series.streetTotal.values()) << i;
        EXPECT_EQ(fast.series.extraSterilisations.values(), checked.series.extraSterilisations.values()) << i;
        EXPECT_EQ(fast.series.ownedBreeders.values(), checked.series.ownedBreeders.values()) << i;
    }
}

TEST(Engine, OverflowIsAFaultNotInfinity)
{
    ModelInputs inputs;
    inputs.abandonedPerYear = 1e38;
    const Fault fault = faulted(inputs);
    EXPECT_EQ(fault.kind(), FaultKind::Overflow) << fault.what();
}

TEST(Engine, ManyThreadsGetWhatOneDoes)
{
    std::vector<ModelInputs> inputs(64);
    for (std::size_t i = 0; i < inputs.size(); ++i) inputs[i].programmeRate = static_cast<double>(i * 15);
    std::vector<float> alone;
    for (const ModelInputs& in : inputs) alone.push_back(succeeded(in).series.streetTotal[2050]);

    std::vector<float> together(inputs.size());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int repeat = 0; repeat < 20; ++repeat)
                for (std::size_t i = t; i < inputs.size(); i += 4)
                    together[i] = runModel(inputs[i]).result().series.streetTotal[2050];
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(together, alone);
}

}  // namespace
}  // namespace karnoth
