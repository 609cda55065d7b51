// How long the planner and the calibration take at the window's defaults: the whole plan (1001
// rates x 21 owned shares, with the baseline run, the rows and the cheapest cell) and matching a
// count of street females.

#include "analysis/calibration.h"
#include "analysis/planner.h"
#include "analysis/robust_planner.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PlanDefaultGrid(benchmark::State& state)
{
    const karnoth::BatchRunner runner;
    karnoth::PlanRequest request;
    request.settings.targetYear = 2030;
    request.settings.targetPercent = 50;
    for (auto _ : state) {
        std::optional<karnoth::Plan> plan = karnoth::makePlan(request, runner);
        benchmark::DoNotOptimize(plan->cells.data());
    }
    state.counters["threads"] = runner.threads();
}
BENCHMARK(BM_PlanDefaultGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

// A count the default inputs reach (about 3,339 abandoned a year gives 100,000 in 2005).
void BM_MatchCount(benchmark::State& state)
{
    const karnoth::BatchRunner runner;
    karnoth::CalibrationRequest request;
    request.surveyYear = 2005;
    request.count = 100000;
    for (auto _ : state) {
        const karnoth::Calibration calibration = karnoth::matchCount(request, runner);
        benchmark::DoNotOptimize(calibration.value);
    }
    state.counters["threads"] = runner.threads();
}
BENCHMARK(BM_MatchCount)->Unit(benchmark::kMillisecond)->UseRealTime();

// The robust plan at the defaults: adult and juvenile survival within 5 % of their defaults, a
// year-to-year SD of 0.05, 1000 replicates, 21 owned shares, 90 % confidence.
karnoth::RobustPlanRequest robustRequest(bool wholeDogs)
{
    karnoth::RobustPlanRequest request;
    request.plan.settings = karnoth::defaultPlanSettings(request.plan.inputs.programmeStart);
    karnoth::UncertaintyRequest uncertainty;
    uncertainty.ranges = {{karnoth::InputField::adultSurvival, 0.9 * 0.95, 0.9 * 1.05},
                          {karnoth::InputField::streetJuvenileSurvival, 0.1 * 0.95, 0.1 * 1.05}};
    uncertainty.chance = {0.05, wholeDogs};
    uncertainty.replicates = 1000;
    request.uncertainty = uncertainty;
    return request;
}

void runRobustPlans(benchmark::State& state, karnoth::RobustPlanRequest request)
{
    const karnoth::BatchRunner runner;
    for (auto _ : state) {
        // A new seed each time, so that nothing carries over from the plan before.
        ++request.uncertainty->seed;
        std::optional<karnoth::RobustPlan> plan = karnoth::makeRobustPlan(request, runner);
        benchmark::DoNotOptimize(plan->rows.data());
    }
    state.counters["threads"] = runner.threads();
}

void BM_RobustPlan(benchmark::State& state)
{
    runRobustPlans(state, robustRequest(false));
}
BENCHMARK(BM_RobustPlan)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RobustPlanWholeDogs(benchmark::State& state)
{
    runRobustPlans(state, robustRequest(true));
}
BENCHMARK(BM_RobustPlanWholeDogs)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
