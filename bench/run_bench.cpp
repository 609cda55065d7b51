// How long the model takes: one engine call, a grid of them through the batch runner, one complete
// Run with its chart, a scroll-bar change, and the projection alone.

#include "analysis/batch_runner.h"
#include "analysis/planner.h"
#include "app/form1.h"
#include "model/engine.h"
#include "model/projection.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

namespace {

// One engine call on `inputs`, without culling, for as long as the benchmark asks.
void runModelRepeatedly(benchmark::State& state, const karnoth::ModelInputs& inputs)
{
    const karnoth::YearlySeries noCulling;
    karnoth::ModelResult result;
    for (auto _ : state) {
        auto fault = karnoth::runModelInto(inputs, noCulling, result);
        benchmark::DoNotOptimize(fault);
        benchmark::DoNotOptimize(result.series.streetTotal.values().data());
    }
}

void BM_ModelRun(benchmark::State& state)
{
    runModelRepeatedly(state, karnoth::ModelInputs{});
}
BENCHMARK(BM_ModelRun);

// A run with every field mechanism on: arrivals, a capacity with a steep compensation (not 1, so
// crowding takes a power each year and the equilibrium a root search), a programme that stops,
// operations a year.
void BM_ModelRunFieldMechanisms(benchmark::State& state)
{
    karnoth::ModelInputs inputs;
    inputs.streetJuvenileSurvival = 0.3;
    inputs.immigrantsPerYear = 500;
    inputs.carryingCapacity = 100000;
    inputs.compensation = 8;
    inputs.programmeStop = 2030;
    inputs.operationsPerYear = 20000;
    runModelRepeatedly(state, inputs);
}
BENCHMARK(BM_ModelRunFieldMechanisms);

// The planner's grid at the defaults: every programme rate 0..1000 (tenths of a per cent) for every
// owned share 0, 5, ..., 100, made as the planner makes it. Abandoned per year alternates between
// 4,000 and 4,001, so no iteration can reuse what the one before worked out.
void BM_PlannerGrid(benchmark::State& state)
{
    const karnoth::BatchRunner runner;
    karnoth::PlanRequest request;
    request.settings = karnoth::defaultPlanSettings(request.inputs.programmeStart);
    bool odd = false;
    for (auto _ : state) {
        request.inputs.abandonedPerYear = odd ? 4001 : 4000;
        odd = !odd;
        std::optional<karnoth::Plan> plan = karnoth::makePlan(request, runner);
        benchmark::DoNotOptimize(plan->cells.data());
    }
    state.counters["threads"] = runner.threads();
}
BENCHMARK(BM_PlannerGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RunWithChart(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / "karnoth-bench";
    std::filesystem::create_directories(dir);
    karnoth::Form1 form(dir);
    form.Form_Load();
    for (auto _ : state) {
        form.click("cmdRun");
        benchmark::DoNotOptimize(form.canvas().ops().data());
    }
}
BENCHMARK(BM_RunWithChart);

void BM_ScrollBarChange(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / "karnoth-bench";
    std::filesystem::create_directories(dir);
    karnoth::Form1 form(dir);
    form.Form_Load();
    int value = 0;
    for (auto _ : state) {
        form.setScrollValue("hscSterilise", value);
        value = (value + 1) % 1001;
    }
}
BENCHMARK(BM_ScrollBarChange);

void BM_ProjectionAlone(benchmark::State& state)
{
    karnoth::ModelResult equilibrium;
    karnoth::runModelInto(karnoth::ModelInputs{}, {}, equilibrium);
    karnoth::ProjectionSettings settings;
    settings.adultSurvival = 0.9;
    settings.streetJuvenileSurvival = 0.1;
    settings.probPregnant = 0.75;
    settings.femalePupsPerLitter = 2;
    settings.programmeRate = 252;
    settings.ownedShare = 50;
    settings.programmeStart = 2005;
    settings.cullFrom = 1990;
    settings.cullTo = 2005;
    settings.firstBreedingAge = 1;
    settings.lastBreedingAge = 7;
    const karnoth::YearlySeries noCulling;
    karnoth::ProjectionRecord record;
    for (auto _ : state) {
        karnoth::PopulationState s = equilibrium.equilibrium;
        karnoth::project(s, settings, noCulling, record);
        benchmark::DoNotOptimize(record.series.streetTotal.values().data());
    }
}
BENCHMARK(BM_ProjectionAlone);

}  // namespace
