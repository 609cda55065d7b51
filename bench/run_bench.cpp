// How long the model takes: one complete Run with its chart, and the projection alone.

#include "app/form1.h"
#include "chart/recording_canvas.h"
#include "model/equilibrium.h"
#include "model/projection.h"
#include "model/run_inputs.h"
#include "model/run_parameters.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

struct NullWriter : karnoth::RunWriter {
    void setPupsPerYearling(float) override {}
    void setFirstYearSurvival(float) override {}
    void writeCaption(std::string_view, std::string) override {}
    void projectionFinished(const karnoth::RunSeries&) override {}
};

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
    karnoth::RunInputs inputs;
    const karnoth::RunParameters p(inputs);
    karnoth::PopulationState start;
    start.unsterilisedShare = 0.5f;
    start.pupsPerYearling = 7.82554626f;
    start.firstYearSurvival = 0.425955355f;
    karnoth::setEquilibrium(start, p);
    const karnoth::YearlySeries killed;
    NullWriter writer;
    for (auto _ : state) {
        karnoth::PopulationState s = start;
        auto result = karnoth::project(s, p, killed, writer);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ProjectionAlone);

}  // namespace
