// How long the planner and the calibration take at the window's defaults: the whole plan (1001
// rates x 21 owned shares, with the baseline run, the rows and the cheapest cell) and matching a
// count of street females.

#include "analysis/calibration.h"
#include "analysis/planner.h"

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

}  // namespace
