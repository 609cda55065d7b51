// How long the analyses of how sure the answer is take at the window's defaults: the sensitivity
// table (23 runs), 1000 replicates with ranges alone, and 1000 replicates with ranges on all eight
// texts, year-to-year variation and whole dogs. All on every core.

#include "analysis/sensitivity.h"
#include "analysis/uncertainty.h"
#include "analysis/varied_inputs.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Sensitivity(benchmark::State& state)
{
    const karnoth::BatchRunner runner;
    const karnoth::SensitivityRequest request;
    for (auto _ : state) {
        auto result = karnoth::runSensitivity(request, runner);
        benchmark::DoNotOptimize(result);
    }
    state.counters["threads"] = runner.threads();
}
BENCHMARK(BM_Sensitivity)->Unit(benchmark::kMicrosecond);

// Each of the eight texts uniform within 5 % of its default (juvenile survival stays below its
// threshold, so no replicate faults).
karnoth::UncertaintyRequest rangesOnTheEightTexts()
{
    karnoth::UncertaintyRequest request;
    for (std::size_t i = 0; i < 8; ++i) {
        const karnoth::InputField field = karnoth::kVariedInputs[i];
        const double value = karnoth::inputValue(request.inputs, field);
        request.ranges.push_back({field, value * 0.95, value * 1.05});
    }
    return request;
}

void runReplicates(benchmark::State& state, const karnoth::UncertaintyRequest& request)
{
    const karnoth::BatchRunner runner;
    for (auto _ : state) {
        auto result = karnoth::runUncertainty(request, runner);
        benchmark::DoNotOptimize(result);
    }
    state.counters["threads"] = runner.threads();
}

void BM_UncertaintyRangesOnly(benchmark::State& state)
{
    runReplicates(state, rangesOnTheEightTexts());
}
BENCHMARK(BM_UncertaintyRangesOnly)->Unit(benchmark::kMillisecond);

void BM_UncertaintyEverything(benchmark::State& state)
{
    karnoth::UncertaintyRequest request = rangesOnTheEightTexts();
    request.chance = {0.05, true};
    request.target = karnoth::TargetRequest{2030, 50};
    runReplicates(state, request);
}
BENCHMARK(BM_UncertaintyEverything)->Unit(benchmark::kMillisecond);

}  // namespace
