#include "analysis/planner.h"

#include "analysis/input_domains.h"
#include "analysis/tiny_town.h"
#include "model/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace karnoth {
namespace {

using test::HandFigures;
using test::tinyTown;
using test::tinyTownYearAfterStart;

// The tiny town's baseline is 2,000 street females; 90.025 % of it is 1,800.5, which no cell's street
// total comes near, so single-precision rounding cannot move a minimal rate.
constexpr double kNinetyPercentAndABit = 90.025;
constexpr double kTolerance = 1e-3;  // females: singles of about 2,000

PlanRequest tinyTownRequest(double targetPercent, int step = 50, double times = 1)
{
    PlanRequest request;
    request.inputs = tinyTown();
    request.inputs.firstYearMultiplier = times;
    request.settings.targetYear = 2006;
    request.settings.targetPercent = targetPercent;
    request.settings.ownedShareStep = step;
    return request;
}

Plan planOf(const PlanRequest& request)
{
    std::optional<Plan> plan = makePlan(request, BatchRunner(2));
    EXPECT_TRUE(plan.has_value());
    return plan ? *plan : Plan{};
}

void expectFigures(const PlanFigures& figures, const HandFigures& hand, double costOwned, double costStreet)
{
    EXPECT_NEAR(figures.streetTotal, hand.streetTotal, kTolerance);
    EXPECT_NEAR(figures.percentOfBaseline, 100 * hand.streetTotal / 2000, kTolerance);
    EXPECT_NEAR(figures.sterilisedOwned, hand.sterilisedOwned, kTolerance);
    EXPECT_NEAR(figures.sterilisedStreet, hand.sterilisedStreet, kTolerance);
    EXPECT_NEAR(figures.cost, costOwned * hand.sterilisedOwned + costStreet * hand.sterilisedStreet, kTolerance);
}

TEST(Planner, CellsRowsAndCheapestFollowTheHandWorkedTown)
{
    PlanRequest request = tinyTownRequest(kNinetyPercentAndABit);
    request.settings.costOwned = 3;
    request.settings.costStreet = 2;
    const Plan plan = planOf(request);
    ASSERT_FALSE(plan.fault) << *plan.fault;
    EXPECT_EQ(plan.baselineYear, 2004);
    EXPECT_NEAR(*plan.baseline, 2000, kTolerance);
    ASSERT_EQ(plan.cells.size(), 3u * 1001u);

    // Cells across the grid, owners' surplus included (at 70 % and more of the owned yearlings none
    // is left to abandon).
    const struct {
        int share, rate;
    } cells[] = {{0, 0}, {0, 200}, {0, 1000}, {50, 165}, {50, 999}, {100, 140}, {100, 700}, {100, 1000}};
    for (const auto& c : cells) {
        SCOPED_TRACE(testing::Message() << "share " << c.share << ", rate " << c.rate);
        const PlanCell& cell = plan.cell(c.share, c.rate);
        EXPECT_EQ(cell.ownedShare, c.share);
        EXPECT_EQ(cell.rate, c.rate);
        ASSERT_TRUE(cell.valid) << cell.fault;
        const HandFigures hand = tinyTownYearAfterStart(c.rate / 1000.0, c.share / 100.0);
        expectFigures(cell.figures, hand, 3, 2);
        EXPECT_EQ(cell.meetsTarget, hand.streetTotal <= 1800.5);
    }

    // Street total in 2006: 2000 - 1000 h (share 0), 2000 - 17000 h / 14 (50), 2000 - 10000 h / 7 (100);
    // at most 1,800.5 from h = 0.2, 0.16429 and 0.13965.
    const struct {
        int share, minimalRate;
    } rows[] = {{0, 200}, {50, 165}, {100, 140}};
    ASSERT_EQ(plan.rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(plan.rows[i].ownedShare, rows[i].share);
        EXPECT_EQ(plan.rows[i].minimalRate, rows[i].minimalRate);
        ASSERT_TRUE(plan.rows[i].figures);
        expectFigures(*plan.rows[i].figures,
                      tinyTownYearAfterStart(rows[i].minimalRate / 1000.0, rows[i].share / 100.0), 3, 2);
    }
    // Owned sterilisations cost 3 and street ones 2: share 100 at 14 % takes 2 x 60 owned yearlings
    // (360), fewer than any other cell that meets the target.
    ASSERT_TRUE(plan.cheapest);
    EXPECT_EQ(plan.cheapest->ownedShare, 100);
    EXPECT_EQ(plan.cheapest->rate, 140);
    EXPECT_NEAR(plan.cheapest->figures.cost, 360, kTolerance);
}

TEST(Planner, TheOperationsStepIsTheSmallestOneTwoOrFiveTimesAPowerOfTenCoveringTheBaseline)
{
    const struct {
        double baseline, step;
    } cases[] = {{0.5, 1},  {999, 1},      {1000, 1},    {1001, 2},     {2000, 2},     {2000.5, 5},   {4000, 5},
                 {5000, 5}, {5000.01, 10}, {60000, 100}, {100000, 100}, {100001, 200}, {1.2e6, 2000}, {4.9e9, 5e6}};
    for (const auto& c : cases) EXPECT_EQ(operationsScanStep(c.baseline), c.step) << c.baseline;
}

// In the tiny town a fixed Q street operations in 2005 leave 2000 - Q fertile yearlings, whose pups
// make 2000 - Q / 2 street females in 2006; the baseline 2,000 gives a step of 2 operations a year.
TEST(Planner, WithOperationsSetTheScanRunsOverOperationsAYear)
{
    PlanRequest request = tinyTownRequest(kNinetyPercentAndABit);
    request.inputs.operationsPerYear = 1234.0;  // replaced by every cell
    request.inputs.programmeRate = 0;
    const Plan plan = planOf(request);
    ASSERT_FALSE(plan.fault) << *plan.fault;
    ASSERT_TRUE(plan.operationsStep);
    EXPECT_EQ(*plan.operationsStep, 2);
    EXPECT_EQ(plan.scanValue(1000), 2000);

    // 2000 - Q / 2 at most 1,800.5 from Q = 399: step 200 (400 a year) meets it, step 199 does not.
    ASSERT_EQ(plan.rows[0].minimalRate, 200);
    EXPECT_TRUE(plan.cell(0, 200).meetsTarget);
    EXPECT_FALSE(plan.cell(0, 199).meetsTarget);
    EXPECT_NEAR(plan.cell(0, 199).figures.streetTotal, 1801, kTolerance);
    EXPECT_NEAR(plan.rows[0].figures->streetTotal, 1800, kTolerance);
    EXPECT_NEAR(plan.rows[0].figures->sterilisedStreet, 800, kTolerance);  // 400 in each year
    EXPECT_NEAR(plan.rows[0].figures->operationsFirstYear, 400, kTolerance);
    // Operations never exceed the fertile dogs: at 2,000 a year (step 1000) all 2,000 yearlings go.
    EXPECT_NEAR(plan.cell(0, 1000).figures.operationsFirstYear, 2000, kTolerance);
    for (const PlanRow& row : plan.rows) {
        ASSERT_TRUE(row.minimalRate) << row.ownedShare;
        EXPECT_TRUE(plan.cell(row.ownedShare, *row.minimalRate).meetsTarget);
        if (*row.minimalRate > 0) {
            EXPECT_FALSE(plan.cell(row.ownedShare, *row.minimalRate - 1).meetsTarget);
        }
    }
    // The neutral plan scans the rate and says so.
    EXPECT_FALSE(planOf(tinyTownRequest(kNinetyPercentAndABit)).operationsStep);
}

// Operations a year and street coverage of a cell, worked by hand for a programme aimed at street
// dogs that stops after 2006: in 2006 the street holds 2000 - 1000 h yearlings (rate h) or
// 2000 - Q / 2 (Q operations), all fertile until the programme.
TEST(Planner, OperationsAYearAndStreetCoverageOfAProgrammeThatStops)
{
    const struct {
        const char* what;
        std::optional<double> operations;
        int step;
        double firstYear, mean, coverage;
    } cases[] = {
        {"rate 20 %", std::nullopt, 200, 400, (400 + 360) / 2.0, 360 / 1800.0},
        {"400 operations", 400.0, 200, 400, 400, 400 / 1800.0},
        {"1,800 operations, capped in 2006 by the 1,100 yearlings", 1800.0, 900, 1800, (1800 + 1100) / 2.0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlanRequest request = tinyTownRequest(kNinetyPercentAndABit);
        request.inputs.programmeStop = 2006;
        request.inputs.operationsPerYear = c.operations;
        const Plan plan = planOf(request);
        ASSERT_FALSE(plan.fault) << *plan.fault;
        const PlanCell& cell = plan.cell(0, c.step);
        ASSERT_TRUE(cell.valid) << cell.fault;
        EXPECT_NEAR(cell.figures.operationsFirstYear, c.firstYear, kTolerance);
        EXPECT_NEAR(cell.figures.operationsMeanPerYear, c.mean, kTolerance);
        EXPECT_NEAR(cell.figures.streetCoverage, c.coverage, 1e-6);
    }
}

TEST(Planner, ATargetMetAtRateZeroCostsNothingAndTiesGoToTheLowerShare)
{
    const Plan plan = planOf(tinyTownRequest(100, 25));
    ASSERT_EQ(plan.rows.size(), 5u);
    for (const PlanRow& row : plan.rows) {
        EXPECT_EQ(row.minimalRate, 0) << row.ownedShare;
        ASSERT_TRUE(row.figures);
        EXPECT_NEAR(row.figures->streetTotal, 2000, kTolerance);
        EXPECT_NEAR(row.figures->percentOfBaseline, 100, kTolerance);
        EXPECT_EQ(row.figures->cost, 0);
    }
    ASSERT_TRUE(plan.cheapest);
    EXPECT_EQ(plan.cheapest->ownedShare, 0);
    EXPECT_EQ(plan.cheapest->rate, 0);
}

TEST(Planner, CostTiesGoToTheLowerRateBeforeTheLowerShare)
{
    PlanRequest request = tinyTownRequest(kNinetyPercentAndABit);
    request.settings.costOwned = 0;
    request.settings.costStreet = 0;
    const Plan plan = planOf(request);
    // Every cell that meets the target costs 0; the lowest such rate is 140, at share 100.
    ASSERT_TRUE(plan.cheapest);
    EXPECT_EQ(plan.cheapest->rate, 140);
    EXPECT_EQ(plan.cheapest->ownedShare, 100);
}

TEST(Planner, ATargetNeverMetGivesTheFiguresAtTheHighestRate)
{
    const Plan plan = planOf(tinyTownRequest(1));
    for (const PlanRow& row : plan.rows) {
        SCOPED_TRACE(row.ownedShare);
        EXPECT_FALSE(row.minimalRate);
        ASSERT_TRUE(row.figures);
        expectFigures(*row.figures, tinyTownYearAfterStart(1, row.ownedShare / 100.0), 1, 1);
    }
    EXPECT_FALSE(plan.cheapest);
}

TEST(Planner, CellsThatRemoveMoreDogsThanThereAreAreInvalidAndNeverMeetTheTarget)
{
    // Four times the effort in 2005 takes 4h of the yearlings aimed at: more than all of them above
    // h = 1/4 for share 0 and 100 (one side takes it all), above h = 1/2 for share 50.
    const Plan plan = planOf(tinyTownRequest(kNinetyPercentAndABit, 50, 4));
    const struct {
        int share, lastValidRate;
    } rows[] = {{0, 250}, {50, 500}, {100, 250}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.share);
        const PlanCell& lastValid = plan.cell(row.share, row.lastValidRate);
        const PlanCell& firstInvalid = plan.cell(row.share, row.lastValidRate + 1);
        EXPECT_TRUE(lastValid.valid) << lastValid.fault;
        EXPECT_TRUE(lastValid.fault.empty());
        EXPECT_FALSE(firstInvalid.valid);
        EXPECT_FALSE(firstInvalid.meetsTarget);
        EXPECT_NE(firstInvalid.fault.find("more"), std::string::npos) << firstInvalid.fault;
        EXPECT_FALSE(plan.cell(row.share, 1000).valid);
    }
    // Share 0: 2000 - 4000 h at most 1,800.5 from h = 0.049875.
    EXPECT_EQ(plan.rows[0].minimalRate, 50);
    expectFigures(plan.cell(0, 50).figures, tinyTownYearAfterStart(0.05, 0, 4), 1, 1);

    // Shares 0 and 100 never bring 1.05 % of the baseline (21 females): their rows have no figures,
    // for their runs at rate 1000 fault. Share 50 sterilises every yearling at h = 1/2, and from
    // h = 0.35 owners abandon none: 1000 (1 - 2h) at most 21 from h = 0.4895.
    const Plan never = planOf(tinyTownRequest(1.05, 50, 4));
    for (int row : {0, 2}) {
        EXPECT_FALSE(never.rows[row].minimalRate) << row;
        EXPECT_FALSE(never.rows[row].figures) << row;
    }
    EXPECT_EQ(never.rows[1].minimalRate, 490);
    ASSERT_TRUE(never.cheapest);
    EXPECT_EQ(never.cheapest->ownedShare, 50);
}

TEST(Planner, EachReasonForNoPlanInTheOrderTheyAreChecked)
{
    // The 2,000 street yearlings of 2004, less 2,000.25 culled, leave -0.25: within rounding of none,
    // not a fault, but no baseline either.
    const struct {
        const char* what;
        int start, targetYear;
        double adultSurvival;
        float killedIn2003;  // culled in 2004
        const char* fault;
    } cases[] = {
        {"start before 1951", 1950, 2006, 0, 0, "the programme's start year 1950 lies outside 1951..2050"},
        {"start after 2050", 2051, 2051, 0, 0, "the programme's start year 2051 lies outside 1951..2050"},
        {"start first, target second", 1950, 1900, 1.5, 0, "the programme's start year 1950"},
        {"target before the start", 2005, 2004, 1.5, 0,
         "the target year 2004 lies outside the programme's years 2005..2050"},
        {"target after 2050", 2005, 2051, 0, 0, "the target year 2051 lies outside"},
        {"run at rate 0 faults", 2005, 2006, 1.5, 0, "the run at programme rate 0 faults: adult survival"},
        {"baseline not above 0", 2005, 2006, 0, 2000.25,
         "the baseline, the street total in 2004 at programme rate 0, is -0.2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlanRequest request = tinyTownRequest(50);
        request.inputs.programmeStart = c.start;
        request.inputs.adultSurvival = c.adultSurvival;
        request.killedByYear[2003] = c.killedIn2003;
        request.settings.targetYear = c.targetYear;
        const Plan plan = planOf(request);
        ASSERT_TRUE(plan.fault);
        EXPECT_EQ(plan.fault->rfind(c.fault, 0), 0u) << *plan.fault;
        EXPECT_TRUE(plan.rows.empty());
        EXPECT_TRUE(plan.cells.empty());
        EXPECT_FALSE(plan.baseline);
        EXPECT_FALSE(plan.baselineYear);
        EXPECT_FALSE(plan.cheapest);
        EXPECT_EQ(plan.settings.targetYear, c.targetYear);
    }
}

TEST(Planner, SettingsThatMakeNoRequestAreRefused)
{
    const struct {
        double percent, costOwned, costStreet;
        int step;
    } bad[] = {{0, 1, 1, 5},
               {-5, 1, 1, 5},
               {NAN, 1, 1, 5},
               {50, -1, 1, 5},
               {50, 1, INFINITY, 5},
               {50, 1, 1, 7},
               {50, 1, 1, 0},
               {50, 1, 1, 200},
               // beyond the limits: a cost above 1e12 per operation, a target above 100000 %
               {50, 1.000001e12, 1, 5},
               {50, 1, 1e308, 5},
               {100001, 1, 1, 5},
               {1e308, 1, 1, 5}};
    for (const auto& settings : bad) {
        PlanRequest request = tinyTownRequest(settings.percent, settings.step);
        request.settings.costOwned = settings.costOwned;
        request.settings.costStreet = settings.costStreet;
        EXPECT_TRUE(planSettingsProblem(request.settings)) << settings.percent << " " << settings.step;
        EXPECT_THROW(makePlan(request, BatchRunner(1)), std::invalid_argument);
    }
    EXPECT_FALSE(planSettingsProblem(tinyTownRequest(250, 100).settings));
    PlanSettings atTheLimits = tinyTownRequest(kMostTargetPercent, 5).settings;
    atTheLimits.costOwned = atTheLimits.costStreet = kMostCost;
    EXPECT_FALSE(planSettingsProblem(atTheLimits));
}

TEST(Planner, AStoppedPlanGivesNothingAndTheGridHasNoOtherCells)
{
    std::stop_source source;
    source.request_stop();
    BatchControl control;
    control.stop = source.get_token();
    EXPECT_FALSE(makePlan(tinyTownRequest(50), BatchRunner(2), control));

    const Plan plan = planOf(tinyTownRequest(50));
    EXPECT_THROW(plan.cell(25, 0), std::out_of_range);
    EXPECT_THROW(plan.cell(0, 1001), std::out_of_range);
    EXPECT_THROW(unmadePlan(plan.settings, "no").cell(0, 0), std::out_of_range);
}

// Every cell of a plan is its own single run at the cell's rate (or operations) and owned share:
// the figures as a plan reads them off that run's result, equal as doubles, and the same fault.
TEST(Planner, EveryCellIsItsOwnSingleRun)
{
    struct Case {
        const char* name;
        ModelInputs inputs;
        int targetYear;
    };
    std::vector<Case> cases(4, Case{"", ModelInputs{}, 2030});
    cases[0].name = "defaults";
    cases[1].name = "a first-year multiplier of 2, rates above half faulting";
    cases[1].inputs.firstYearMultiplier = 2;
    cases[2].name = "operations a year (capped by the fertile dogs, so none fault)";
    cases[2].inputs.operationsPerYear = 5000.0;
    cases[2].inputs.firstYearMultiplier = 2;
    cases[3].name = "a programme that stops, only yearlings";
    cases[3].inputs.programmeStop = 2020;
    cases[3].inputs.onlyYearlings = true;
    cases[3].targetYear = 2018;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlanRequest request;
        request.inputs = c.inputs;
        request.settings.targetYear = c.targetYear;
        request.settings.ownedShareStep = 50;
        request.settings.costOwned = 3;
        const Plan plan = planOf(request);
        ASSERT_FALSE(plan.fault) << *plan.fault;
        const int start = c.inputs.programmeStart;
        const int last = std::min(c.inputs.programmeStop.value_or(kLastYear), kLastYear);
        int faults = 0;
        int differing = 0;
        for (const PlanCell& cell : plan.cells) {
            ModelInputs inputs = asTheWindowRuns(c.inputs);
            if (plan.operationsStep)
                inputs.operationsPerYear = plan.scanValue(cell.rate);
            else
                inputs.programmeRate = cell.rate;
            inputs.ownedShare = cell.ownedShare;
            ModelResult run;
            const std::optional<Fault> fault = runModelInto(inputs, {}, run);
            faults += fault.has_value();
            bool same = cell.valid == !fault.has_value() && cell.fault == (fault ? fault->what() : "");
            if (same && !fault) {
                const PlanFigures& f = cell.figures;
                double owned = 0, street = 0, operations = 0;
                for (int year = start; year <= c.targetYear; ++year) {
                    owned += run.programmeOwned[year];
                    street += run.programmeStreet[year];
                }
                for (int year = start; year <= last; ++year) operations += run.series.extraSterilisations[year];
                const double total = run.series.streetTotal[c.targetYear];
                same = f.streetTotal == total && f.percentOfBaseline == 100.0 * total / *plan.baseline &&
                       f.sterilisedOwned == owned && f.sterilisedStreet == street && f.cost == 3 * owned + street &&
                       f.operationsFirstYear == run.series.extraSterilisations[start] &&
                       f.operationsMeanPerYear == operations / (last - start + 1) &&
                       f.streetCoverage == run.streetSterilisedShare[c.targetYear];
            }
            if (!same && ++differing <= 5)
                ADD_FAILURE() << "share " << cell.ownedShare << ", rate " << cell.rate << " differs";
        }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(faults > 0, c.inputs.firstYearMultiplier == 2 && !c.inputs.operationsPerYear) << faults;
    }
}

}  // namespace
}  // namespace karnoth
