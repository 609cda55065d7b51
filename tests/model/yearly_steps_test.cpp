// The field's mechanisms in the yearly steps, each on a case worked by hand, and what they leave
// alone: with every one of them neutral a run is the run it always was, bit for bit.

#include "model/engine.h"
#include "model/street_density.h"
#include "run_digest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace karnoth {
namespace {

ModelResult succeeded(const ModelInputs& inputs, const YearlySeries& killed = {})
{
    ModelResult result;
    const std::optional<Fault> fault = runModelInto(inputs, killed, result);
    EXPECT_FALSE(fault) << fault->what();
    return result;
}

double lifetimeYears(double S)
{
    double years = 0;
    for (int age = 0; age < 10; ++age) years += std::pow(S, age);
    return years;
}

// Street pups that would more than replace the street (0.3 x 7.83 pups), no culling, no programme.
ModelInputs crowdedStreet(double capacity, double compensation)
{
    ModelInputs in;
    in.streetJuvenileSurvival = 0.3;
    in.carryingCapacity = capacity;
    in.compensation = compensation;
    in.cullFrom = 2100;
    in.programmeStart = 2100;
    return in;
}

// Runs recorded before arrivals, capacity, a stop and operations existed, by their fingerprint.
TEST(YearlySteps, NeutralMechanismsLeaveEveryRunAsItWas)
{
    struct Case {
        const char* name;
        std::function<void(ModelInputs&)> change;
        std::uint64_t digest;
    };
    const Case cases[] = {
        {"defaults", [](ModelInputs&) {}, 0x4f60109ffd0d9b63ull},
        {"all street at 100 %", [](ModelInputs& in) { in.programmeRate = 1000, in.ownedShare = 0; },
         0x097db9483f7b0dfdull},
        {"all owned", [](ModelInputs& in) { in.programmeRate = 600, in.ownedShare = 100; }, 0x9a2fadc91f801055ull},
        {"only yearlings, twice in the first year",
         [](ModelInputs& in) { in.onlyYearlings = true, in.firstYearMultiplier = 2; }, 0xb753bf78caf87651ull},
        {"from 1950", [](ModelInputs& in) { in.programmeStart = 1950, in.cullFrom = 2100; }, 0xb06e2d620555d0ccull},
        {"never", [](ModelInputs& in) { in.programmeStart = 2060; }, 0xceece6c6c2dd7f76ull},
        {"a short-lived street",
         [](ModelInputs& in) {
             in.adultSurvival = 0.7, in.probPregnant = 0.475, in.streetJuvenileSurvival = 0.2;
             in.programmeStart = 1995, in.ownedShare = 0, in.programmeRate = 300;
         },
         0x77e80bfc27df6edeull},
        {"half-year ages",
         [](ModelInputs& in) {
             in.ageAtFirstLitter = 1.5, in.ageAtLastLitter = 6.5, in.ownedSterilisedPercent = 0;
             in.abandonedPerYear = 30000;
         },
         0xaecff1c260eee7c3ull},
        {"culling", [](ModelInputs& in) { in.cullFrom = 1991, in.cullTo = 2004; }, 0xb112839094c39e79ull},
    };
    YearlySeries killed;
    for (int year = 1990; year <= 2004; ++year) killed[year] = 500 + 10 * (year - 1990);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelInputs in;
        c.change(in);
        EXPECT_EQ(runDigest(succeeded(in, killed)), c.digest);
        // Neutral written out: no arrivals, a compensation without a capacity, a stop in 2050.
        in.immigrantsPerYear = 0;
        in.compensation = 7;
        in.programmeStop = std::max(in.programmeStart, 2050);
        EXPECT_EQ(runDigest(succeeded(in, killed)), c.digest);
    }
}

// A closed street (nothing abandoned, nothing arriving) whose pups would more than replace it
// settles at its capacity, for a smooth and a steep compensation, and stays there.
TEST(YearlySteps, AClosedStreetHoldsAtItsCapacity)
{
    for (double compensation : {1.0, 8.0}) {
        SCOPED_TRACE(compensation);
        ModelInputs in = crowdedStreet(10000, compensation);
        in.abandonedPerYear = 0;
        const ModelResult run = succeeded(in);
        EXPECT_NEAR(run.equilibrium.streetFertile[1], 10000 / lifetimeYears(0.9), 0.01);
        for (int year : {1950, 1951, 2000, 2050}) EXPECT_NEAR(run.series.streetTotal[year], 10000, 0.5) << year;
    }
}

// With inflow the street settles above its capacity where the quadratic says (theta = 1), and the
// projection holds it there.
TEST(YearlySteps, InflowSettlesTheStreetAtTheQuadraticsRoot)
{
    ModelInputs in = crowdedStreet(50000, 1);
    in.immigrantsPerYear = 500;
    const ModelResult run = succeeded(in);
    const double ppy = run.pupsPerYearling;
    const double c = 0.3 * ppy - 1, K = 50000, A = (4000 + 500) * lifetimeYears(0.9);
    const double x = (c * (K + A) + std::sqrt(c * c * (K + A) * (K + A) + 4 * c * K * A)) / (2 * c * K);
    EXPECT_NEAR(run.series.streetTotal[1950], K * x, 1e-5 * K * x);
    EXPECT_NEAR(run.series.streetTotal[2050], K * x, 1e-4 * K * x);
    // Without the capacity the same street has no steady state at all.
    in.carryingCapacity.reset();
    ModelResult none;
    const std::optional<Fault> fault = runModelInto(in, {}, none);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field(), "juvenile survival");
}

// Arrivals without a capacity: G + M flows in, (G + M) / (1 / ppy - Sj) pups at equilibrium.
TEST(YearlySteps, ArrivalsJoinTheStreetEveryYear)
{
    ModelInputs in;
    in.immigrantsPerYear = 1000;
    in.programmeStart = 2100;
    const ModelResult run = succeeded(in);
    const double ppy = run.pupsPerYearling;
    const double yearlings = 0.1 * (5000 / (1 / ppy - 0.1)) + 5000;
    EXPECT_NEAR(run.series.streetTotal[1950], yearlings * lifetimeYears(0.9), 1e-5 * yearlings * 6.5);
    EXPECT_NEAR(run.series.streetTotal[2050], run.series.streetTotal[1950], 1e-4 * run.series.streetTotal[1950]);
}

// Operations split by the share, capped by the fertile dogs there are, multiplied in the first
// year, and spread over the street classes in proportion to their size.
TEST(YearlySteps, OperationsAreCountedAndCapped)
{
    struct Case {
        double operations, share, multiplier;
        bool onlyYearlings;
        double expectOwned2005, expectStreet2005;  // < 0: all the fertile dogs there were
    };
    // Before 2005: 3,000 fertile owned yearlings a year.
    const Case cases[] = {
        {200, 50, 1, false, 100, 100}, {200, 0, 1, false, 0, 200},    {200, 100, 1, false, 200, 0},
        {200, 50, 3, false, 300, 300}, {1e9, 50, 1, false, 3000, -1}, {1e9, 50, 1, true, 3000, -1},
        {0, 50, 1, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.operations << " a year, " << c.share << " % owned");
        ModelInputs in;
        in.operationsPerYear = c.operations;
        in.ownedShare = c.share;
        in.firstYearMultiplier = c.multiplier;
        in.onlyYearlings = c.onlyYearlings;
        in.cullFrom = 2100;
        ModelInputs before = in;
        before.programmeStart = 2100;
        const ModelResult run = succeeded(in);
        const ModelResult untreated = succeeded(before);
        EXPECT_NEAR(run.programmeOwned[2005], c.expectOwned2005, 1e-3 * std::max(1.0, c.expectOwned2005));
        if (c.expectStreet2005 >= 0) {
            EXPECT_NEAR(run.programmeStreet[2005], c.expectStreet2005, 1e-3 * std::max(1.0, c.expectStreet2005));
        } else {
            // Every fertile street female of the treated ages, once 2005's yearlings have joined.
            const ModelResult& u = untreated;
            const double yearlings = u.equilibrium.streetFertile[1];
            const double all = u.series.streetTotal[2005];
            EXPECT_NEAR(run.programmeStreet[2005], c.onlyYearlings ? yearlings : all, 1e-4 * all);
        }
        EXPECT_FLOAT_EQ(run.series.extraSterilisations[2005], run.programmeOwned[2005] + run.programmeStreet[2005]);
        EXPECT_EQ(run.series.streetTotal[2004], untreated.series.streetTotal[2004]);
        for (int year = 2005; year <= 2050; ++year) {
            ASSERT_GE(run.programmeStreet[year], 0) << year;
            ASSERT_LE(run.programmeStreet[year],
                      std::max(0.0, (1 - c.share / 100) * c.operations * c.multiplier) + 0.01)
                << year;
        }
    }
}

// A street held by its capacity comes back within years of the programme's end; one that cannot
// replace itself (the defaults) refills only from abandonment and is not back by 2050.
TEST(YearlySteps, AProgrammeThatStopsLetsTheStreetComeBack)
{
    ModelInputs in = crowdedStreet(100000, 1);
    in.programmeRate = 600;
    in.ownedShare = 0;
    in.programmeStart = 2010;
    in.programmeStop = 2015;
    const ModelResult run = succeeded(in);
    for (int year = 2016; year <= 2050; ++year) EXPECT_EQ(run.series.extraSterilisations[year], 0) << year;
    EXPECT_GT(run.series.extraSterilisations[2015], 0);
    ASSERT_TRUE(run.rebound);
    ASSERT_TRUE(run.rebound->year);
    const double baseline = run.series.streetTotal[2009];
    const int back = *run.rebound->year;
    EXPECT_GT(back, 2015);
    EXPECT_GE(double(run.series.streetTotal[back]), 0.9 * baseline);
    EXPECT_LT(double(run.series.streetTotal[back - 1]), 0.9 * baseline);
    EXPECT_EQ(*run.rebound->yearsAfterStop(), back - 2015);

    ModelInputs slow;
    slow.programmeRate = 600;
    slow.ownedShare = 0;
    slow.programmeStart = 2010;
    slow.programmeStop = 2015;
    slow.cullFrom = 2100;
    const ModelResult notBack = succeeded(slow);
    ASSERT_TRUE(notBack.rebound);
    EXPECT_FALSE(notBack.rebound->year);
    EXPECT_LT(double(notBack.series.streetTotal[2050]), 0.9 * notBack.series.streetTotal[2009]);
    slow.programmeStop.reset();
    EXPECT_FALSE(succeeded(slow).rebound);
}

// Coverage: the share of females aged 1..10 sterilised. Owners' own sterilisation makes the owned
// share Cs at equilibrium; sterilising every fertile street dog each year makes the street share
// 1 at each year's end, unless intact dogs keep arriving.
TEST(YearlySteps, CoverageLevelsOffBelowOneWhileDogsArrive)
{
    ModelInputs in;
    in.programmeRate = 1000;
    in.ownedShare = 0;
    in.cullFrom = 2100;
    const ModelResult closed = succeeded(in);
    EXPECT_NEAR(closed.ownedSterilisedShare[1950], 0.5, 1e-6);
    EXPECT_EQ(closed.streetSterilisedShare[2004], 0);
    EXPECT_NEAR(closed.streetSterilisedShare[2050], 1, 1e-6);
    in.immigrantsPerYear = 500;
    const ModelResult open = succeeded(in);
    const float levelled = open.streetSterilisedShare[2050];
    EXPECT_GT(levelled, 0.5);
    EXPECT_LT(levelled, 0.99);
    EXPECT_NEAR(open.streetSterilisedShare[2049], levelled, 1e-4);
    // The arrivals are the fertile street dogs at the year's end.
    const double total = open.series.streetTotal[2050];
    EXPECT_NEAR((1 - levelled) * total, 500, 1);
}

TEST(YearlySteps, NewInputsFaultOnlyWhereTheyAreRead)
{
    struct Case {
        const char* what;
        std::function<void(ModelInputs&)> change;
        const char* field;  // empty: no fault
    };
    const Case cases[] = {
        {"arrivals below 0", [](ModelInputs& in) { in.immigrantsPerYear = -1; }, "females arriving per year"},
        {"a capacity of 0", [](ModelInputs& in) { in.carryingCapacity = 0; }, "street carrying capacity"},
        {"compensation 0 with a capacity", [](ModelInputs& in) { in.carryingCapacity = 1000, in.compensation = 0; },
         "compensation"},
        {"compensation 21 with a capacity", [](ModelInputs& in) { in.carryingCapacity = 1000, in.compensation = 21; },
         "compensation"},
        {"compensation 0 without a capacity is not read", [](ModelInputs& in) { in.compensation = 0; }, ""},
        {"a stop before the start", [](ModelInputs& in) { in.programmeStop = 2004; }, "sterilising stops after"},
        {"operations below 0", [](ModelInputs& in) { in.operationsPerYear = -5; }, "sterilisations per year"},
        {"after 2050 neither the stop nor operations is read",
         [](ModelInputs& in) { in.programmeStart = 2051, in.programmeStop = 1990, in.operationsPerYear = -5; }, ""},
        {"a start before 1950 runs the programme from 1950",
         [](ModelInputs& in) { in.programmeStart = 1900, in.cullFrom = 2100, in.operationsPerYear = -5; },
         "sterilisations per year"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ModelInputs in;
        c.change(in);
        ModelResult result;
        const std::optional<Fault> fault = runModelInto(in, {}, result);
        if (*c.field == '\0') {
            EXPECT_FALSE(fault) << fault->what();
        } else {
            ASSERT_TRUE(fault);
            EXPECT_EQ(fault->kind(), FaultKind::OutsideRange);
            EXPECT_EQ(fault->field(), c.field);
        }
    }
}

}  // namespace
}  // namespace karnoth
