#include "analysis/robust_planner.h"

#include "analysis/tiny_town.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace karnoth {
namespace {

using test::tinyTown;

RobustPlan robustOf(const RobustPlanRequest& request, int threads = 2)
{
    std::optional<RobustPlan> plan = makeRobustPlan(request, BatchRunner(threads));
    EXPECT_TRUE(plan.has_value());
    return plan ? *plan : RobustPlan{};
}

PlanRequest planRequest(const ModelInputs& inputs, int targetYear, double targetPercent, int step)
{
    PlanRequest request;
    request.inputs = inputs;
    request.settings.targetYear = targetYear;
    request.settings.targetPercent = targetPercent;
    request.settings.ownedShareStep = step;
    return request;
}

// Adult and street juvenile survival within 5 % of the defaults and a year-to-year SD of 0.05: no
// replicate faults.
UncertaintyRequest survivalUncertainty(std::size_t replicates)
{
    UncertaintyRequest uncertainty;
    uncertainty.replicates = replicates;
    uncertainty.seed = 7;
    uncertainty.ranges = {{InputField::adultSurvival, 0.855, 0.945},
                          {InputField::streetJuvenileSurvival, 0.095, 0.105}};
    uncertainty.chance.yearToYearSd = 0.05;
    return uncertainty;
}

ModelInputs withOperations()
{
    ModelInputs inputs;
    inputs.operationsPerYear = 1000;
    return inputs;
}

ModelInputs tinyTownTimes(double times)
{
    ModelInputs inputs = tinyTown();
    inputs.firstYearMultiplier = times;
    return inputs;
}

// With one replicate, the window's run, each robust rate is the planner's minimal rate and the
// probability is 0 below it and 1 from it: in the hand-worked town (with four times the effort in
// its first year, rates above 250 or 500 fault, so h comes from the bisection), at the defaults,
// and over the operations scan.
TEST(RobustPlanner, WithoutUncertaintyTheRatesAreThePlannersOwn)
{
    const struct {
        const char* name;
        PlanRequest plan;
    } cases[] = {
        {"tiny town", planRequest(tinyTown(), 2006, 90.025, 50)},
        {"tiny town, four times the first year", planRequest(tinyTownTimes(4), 2006, 90.025, 50)},
        {"tiny town, never met at two shares", planRequest(tinyTownTimes(4), 2006, 1.05, 50)},
        {"defaults", planRequest(ModelInputs{}, 2015, 50, 25)},
        {"defaults, culling to 2020",
         [] {
             PlanRequest request = planRequest(ModelInputs{}, 2025, 30, 50);
             request.inputs.cullTo = 2020;
             request.killedByYear.values().fill(100.0f);
             return request;
         }()},
        {"operations a year", planRequest(withOperations(), 2015, 60, 50)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Plan> plan = makePlan(c.plan, BatchRunner(2));
        ASSERT_TRUE(plan && !plan->fault);
        RobustPlanRequest request;
        request.plan = c.plan;
        const RobustPlan robust = robustOf(request);
        ASSERT_FALSE(robust.fault) << *robust.fault;
        EXPECT_EQ(robust.replicates, 1u);
        EXPECT_EQ(robust.faulted, 0u);
        EXPECT_EQ(robust.operationsStep, plan->operationsStep);
        ASSERT_EQ(robust.rows.size(), plan->rows.size());
        for (std::size_t i = 0; i < plan->rows.size(); ++i) {
            const RobustRow& row = robust.rows[i];
            SCOPED_TRACE(row.ownedShare);
            EXPECT_EQ(row.ownedShare, plan->rows[i].ownedShare);
            EXPECT_EQ(row.minimalRate, plan->rows[i].minimalRate);
            ASSERT_EQ(row.probability.size(), std::size_t(kPlanRateCount));
            for (int rate : {0, 1, 249, 250, 489, 490, 999, 1000})
                EXPECT_EQ(row.probability[rate], row.minimalRate && rate >= *row.minimalRate ? 1.0 : 0.0) << rate;
            if (row.minimalRate) {
                ASSERT_TRUE(row.figures && plan->rows[i].figures);
                EXPECT_EQ(row.figures->cost, plan->rows[i].figures->cost);
            }
        }
    }
}

// A target met at rate 0 gives rate 0 with certainty; a target never met gives no rate and no
// cheapest programme; a replicate whose run at rate 0 faults is left out and counted, as the
// uncertainty analysis counts it.
TEST(RobustPlanner, MetAtZeroNeverMetAndFaultedReplicates)
{
    RobustPlanRequest request;
    request.plan = planRequest(ModelInputs{}, 2015, 1000, 50);
    request.uncertainty = survivalUncertainty(40);
    const RobustPlan metAtZero = robustOf(request);
    for (const RobustRow& row : metAtZero.rows) {
        EXPECT_EQ(row.minimalRate, 0);
        EXPECT_EQ(row.probability.front(), 1.0);
    }
    ASSERT_TRUE(metAtZero.cheapest);
    EXPECT_EQ(metAtZero.cheapest->rate, 0);
    EXPECT_EQ(metAtZero.cheapest->ownedShare, 0);  // every cost 0: the lower share

    request.plan.settings.targetPercent = 0.001;
    const RobustPlan never = robustOf(request);
    for (const RobustRow& row : never.rows) {
        EXPECT_FALSE(row.minimalRate);
        EXPECT_EQ(row.probability.back(), 0.0);
    }
    EXPECT_FALSE(never.cheapest);

    // Juvenile survival above about 0.128 has no steady state: those replicates fault at every rate.
    request.plan.settings.targetPercent = 50;
    request.uncertainty->ranges = {{InputField::streetJuvenileSurvival, 0.05, 0.2}};
    request.uncertainty->chance = {};
    const RobustPlan robust = robustOf(request);
    UncertaintyRequest atZero = *request.uncertainty;
    atZero.inputs.programmeRate = 0;
    const std::optional<UncertaintyResult> uncertainty = runUncertainty(atZero, BatchRunner(2));
    ASSERT_TRUE(uncertainty);
    EXPECT_GT(uncertainty->faulted, 0u);
    EXPECT_EQ(robust.faulted, uncertainty->faulted);
    EXPECT_EQ(robust.replicates, 40u);
    for (const RobustRow& row : robust.rows) {
        EXPECT_EQ(row.faulted, uncertainty->faulted);
        EXPECT_EQ(row.valid + row.faulted, 40u);
    }

    // Every replicate faulting leaves a share without probabilities.
    request.uncertainty->ranges = {{InputField::streetJuvenileSurvival, 0.15, 0.2}};
    const RobustPlan allFaulted = robustOf(request);
    EXPECT_EQ(allFaulted.faulted, 40u);
    EXPECT_TRUE(allFaulted.rows.front().probability.empty());
    EXPECT_FALSE(allFaulted.probability(0, 500));
    EXPECT_FALSE(allFaulted.cheapest);
}

// The probability never falls as the rate rises, the robust rate is the first to reach C, and the
// result is the same on 1, 2 and 4 threads.
TEST(RobustPlanner, ProbabilitiesRiseWithTheRateAndDoNotDependOnTheThreads)
{
    RobustPlanRequest request;
    request.plan = planRequest(ModelInputs{}, 2015, 50, 25);
    request.uncertainty = survivalUncertainty(60);
    request.uncertainty->chance.wholeDogs = true;
    request.confidence = 80;
    const RobustPlan one = robustOf(request, 1);
    int withRate = 0;
    for (const RobustRow& row : one.rows) {
        SCOPED_TRACE(row.ownedShare);
        ASSERT_EQ(row.probability.size(), std::size_t(kPlanRateCount));
        for (int rate = 1; rate < kPlanRateCount; ++rate) EXPECT_GE(row.probability[rate], row.probability[rate - 1]);
        // All owned (share 100) leaves the street untreated: it never gets there by 2015.
        if (!row.minimalRate) continue;
        ++withRate;
        EXPECT_GE(row.probability[*row.minimalRate], 0.8);
        if (*row.minimalRate > 0) {
            EXPECT_LT(row.probability[*row.minimalRate - 1], 0.8);
        }
    }
    EXPECT_GE(withRate, 3);
    for (int threads : {2, 4}) {
        const RobustPlan other = robustOf(request, threads);
        ASSERT_EQ(other.rows.size(), one.rows.size());
        for (std::size_t i = 0; i < one.rows.size(); ++i) {
            EXPECT_EQ(other.rows[i].probability, one.rows[i].probability) << threads;
            EXPECT_EQ(other.rows[i].minimalRate, one.rows[i].minimalRate) << threads;
        }
    }
}

// The uncertainty analysis, with the same seed and replicates, puts the chance of meeting the
// target at the robust rate at C or more, and a tenth of a per cent lower below C (meeting rises
// steadily with the rate here).
TEST(RobustPlanner, TheUncertaintyAnalysisAgreesAtTheRobustRate)
{
    RobustPlanRequest request;
    request.plan = planRequest(ModelInputs{}, 2015, 50, 50);
    request.uncertainty = survivalUncertainty(100);
    const RobustPlan robust = robustOf(request);
    for (const RobustRow& row : robust.rows) {
        SCOPED_TRACE(row.ownedShare);
        if (row.ownedShare == 100) continue;  // the untreated street never gets there by 2015
        ASSERT_TRUE(row.minimalRate);
        ASSERT_GT(*row.minimalRate, 0);
        const auto chanceAt = [&](int rate) {
            UncertaintyRequest uncertainty = *request.uncertainty;
            uncertainty.inputs.programmeRate = rate;
            uncertainty.inputs.ownedShare = row.ownedShare;
            uncertainty.target = TargetRequest{2015, 50};
            return *runUncertainty(uncertainty, BatchRunner(2))->target->probability;
        };
        EXPECT_GE(chanceAt(*row.minimalRate), 0.9);
        EXPECT_LT(chanceAt(*row.minimalRate - 1), 0.9);
    }
}

TEST(RobustPlanner, RequestsThatCannotBeMadeAreRefusedOrSaidWhy)
{
    RobustPlanRequest request;
    request.plan = planRequest(ModelInputs{}, 2015, 50, 50);
    for (double confidence : {49.9, 99.5, std::numeric_limits<double>::quiet_NaN()}) {
        request.confidence = confidence;
        EXPECT_TRUE(robustPlanProblem(request)) << confidence;
        EXPECT_THROW(makeRobustPlan(request, BatchRunner(1)), std::invalid_argument);
    }
    request.confidence = 90;
    request.uncertainty = survivalUncertainty(0);
    EXPECT_NE(robustPlanProblem(request)->find("replicates"), std::string::npos);
    request.uncertainty->replicates = 10;
    request.plan.settings.ownedShareStep = 3;
    EXPECT_NE(robustPlanProblem(request)->find("step"), std::string::npos);

    request.plan.settings.ownedShareStep = 50;
    request.plan.settings.targetYear = 2004;
    const RobustPlan beforeTheStart = robustOf(request);
    ASSERT_TRUE(beforeTheStart.fault);
    EXPECT_TRUE(beforeTheStart.rows.empty());
}

TEST(RobustPlanner, ProgressReachesTheWholeAndAStopGivesNothing)
{
    RobustPlanRequest request;
    request.plan = planRequest(ModelInputs{}, 2015, 50, 50);
    request.uncertainty = survivalUncertainty(20);
    std::atomic<std::size_t> last{0};
    std::atomic<std::size_t> whole{0};
    BatchControl control;
    control.progress = [&](std::size_t done, std::size_t total) {
        last = std::max(last.load(), done);
        whole = total;
    };
    ASSERT_TRUE(makeRobustPlan(request, BatchRunner(2), control));
    EXPECT_EQ(whole.load(), 20u + 20u * 3u);
    EXPECT_EQ(last.load(), whole.load());

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(makeRobustPlan(request, BatchRunner(2), {stop.get_token(), {}}));
}

}  // namespace
}  // namespace karnoth
