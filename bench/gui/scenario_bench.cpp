// Scenarios and reports, in the window's program (offscreen): the comparison of eight scenarios
// (each an engine run, done again after every run of the window), painting them on common axes,
// and the report: written from its content, and whole as File > Export report makes it (the
// planner's grid of runs first).

#include "app/form1.h"
#include "app/report_gathering.h"
#include "render/report_content.h"
#include "render/scenario_overlay.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace karnoth;

// The window started in the current directory, and seven stored scenarios at other programme rates.
struct EightScenarios {
    Form1 form{"."};
    std::vector<ListedScenario> listed;

    EightScenarios()
    {
        form.Form_Load();
        listed.push_back(ListedScenario::ofWindow("current"));
        for (int i = 1; i < 8; ++i) {
            Scenario scenario = form.currentScenario("rate " + std::to_string(i * 50));
            scenario.values["hscSterilise"] = i * 50;
            listed.push_back(ListedScenario::ofScenario(scenario));
        }
    }
    PlanSettings target() const { return comparisonTarget(std::nullopt, form); }
};

void comparisonOfEight(benchmark::State& state)
{
    const EightScenarios scenarios;
    for (auto _ : state) benchmark::DoNotOptimize(comparisonRows(scenarios.listed, scenarios.form, scenarios.target()));
}
BENCHMARK(comparisonOfEight)->Unit(benchmark::kMicrosecond);

void paintEightOnCommonAxes(benchmark::State& state)
{
    const EightScenarios scenarios;
    const std::vector<render::OverlayLine> lines = render::overlayLines(
        comparisonRows(scenarios.listed, scenarios.form, scenarios.target()));
    QImage image(1000, 600, QImage::Format_RGB32);
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    for (auto _ : state) {
        QPainter painter(&image);
        const render::OverlayLayout layout = render::overlayLayout(QRectF(image.rect()), lines,
                                                                   render::OverlayCompanion::Breeders, font, &image);
        render::paintOverlay(painter, layout, lines, render::OverlayCompanion::Breeders, font);
    }
}
BENCHMARK(paintEightOnCommonAxes)->Unit(benchmark::kMillisecond);

render::ReportRequest requestOf(const EightScenarios& scenarios)
{
    render::ReportRequest request;
    request.target = scenarios.target();
    const WindowInputs& read = *scenarios.form.lastRunInputs();
    request.plan = makePlan({read.inputs, read.killedByYear, request.target}, BatchRunner());
    return request;
}

// The report's content as the window gathers it: a run of its inputs, the comparison.
render::ReportContent contentOf(const EightScenarios& scenarios)
{
    const render::ReportRequest request = requestOf(scenarios);
    GatheredReport gathered = gatherReport(scenarios.form.copyAfterRun(), scenarios.listed, request.target);
    return render::reportContent(gathered.window, std::move(gathered.comparison), request);
}

// Writing the PDF of three pages from content already gathered.
void writeReportOfEight(benchmark::State& state)
{
    const EightScenarios scenarios;
    const render::ReportContent content = contentOf(scenarios);
    const QString path = QDir::current().filePath(QStringLiteral("report.pdf"));
    QString error;
    for (auto _ : state)
        if (!render::writeReport(path, content, error)) state.SkipWithError(qPrintable(error));
}
BENCHMARK(writeReportOfEight)->Unit(benchmark::kMillisecond);

// The whole report: the planner's grid, the comparison, the PDF.
void wholeReportOfEight(benchmark::State& state)
{
    const EightScenarios scenarios;
    const QString path = QDir::current().filePath(QStringLiteral("report.pdf"));
    QString error;
    for (auto _ : state)
        if (!render::writeReport(path, contentOf(scenarios), error)) state.SkipWithError(qPrintable(error));
}
BENCHMARK(wholeReportOfEight)->Unit(benchmark::kMillisecond);

}  // namespace
