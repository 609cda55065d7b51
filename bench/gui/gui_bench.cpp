// The real window, offscreen: one scroll-bar change through the widget tree (its handler, the
// run it starts and the repaint of the chart), start-up to the first painted chart, the pointer
// moving over the chart with its readout, the chart exported as SVG, and the planner following the
// window: a new grid after an input, its mark after the programme rate.

#include "gui/planner/plan_heat_map_view.h"
#include "gui/planner/planner_window.h"
#include "gui/window/chart_view.h"
#include "gui/window/form_binding.h"
#include "gui/window/form_window.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using karnoth::gui::FormWindow;

// Counts the paint events a widget receives, so the figures show that the chart really was painted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// One step of hscSterilise as the user's arrow makes it, then the chart painted at once.
void scrollBarChange(benchmark::State& state)
{
    FormWindow window;
    window.show();
    QApplication::processEvents();
    auto* bar = qobject_cast<QScrollBar*>(window.controlWidget(QStringLiteral("hscSterilise")));
    PaintCounter counter(window.chart());
    bool up = true;
    for (auto _ : state) {
        bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        window.chart().repaint();
        up = !up;
    }
    state.counters["chartPaints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    benchmark::DoNotOptimize(window.form().canvas().revision());
}
BENCHMARK(scrollBarChange)->Unit(benchmark::kMillisecond);

// Window made, model started (settings, indicators, first run), shown and its chart painted.
void startUpToFirstChart(benchmark::State& state)
{
    int paints = 0;
    for (auto _ : state) {
        FormWindow window;
        PaintCounter counter(window.chart());
        window.show();
        // Showing lets the platform expose and paint the window; the chart is then repainted at once,
        // so a painted chart is counted even where the platform exposes the window later.
        QApplication::processEvents();
        window.chart().repaint();
        paints += counter.paints;
        benchmark::DoNotOptimize(window.form().canvas().revision());
    }
    state.counters["chartPaints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(startUpToFirstChart)->Unit(benchmark::kMillisecond);

// The pointer moved to another year over the chart, and the chart repainted with its cursor line and
// readout (and the legend, as on screen).
void hoverReadout(benchmark::State& state)
{
    FormWindow window;
    window.resize(window.layoutSize());
    window.show();
    QApplication::processEvents();
    karnoth::gui::ChartView& chart = window.chart();
    const QRect area = chart.chartRect();
    int step = 0;
    for (auto _ : state) {
        const QPointF at(area.left() + (step++ * 37) % area.width(), area.center().y());
        QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&chart, &move);
        chart.repaint();
    }
    benchmark::DoNotOptimize(chart.hoverReadout());
}
BENCHMARK(hoverReadout)->Unit(benchmark::kMillisecond);

// "Export chart as SVG" at the layout's size: the chart, its legend and the footer.
void exportSvg(benchmark::State& state)
{
    FormWindow window;
    window.resize(window.layoutSize());
    window.show();
    QApplication::processEvents();
    const QString path = QDir::current().filePath(QStringLiteral("chart.svg"));
    QString error;
    for (auto _ : state)
        if (!window.chart().saveSvg(path, error)) state.SkipWithError(qPrintable(error));
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(exportSvg)->Unit(benchmark::kMillisecond);

// The planner open beside the window; the abandonment bar set to another value: the window's run,
// the whole default grid in the background, the plan delivered to the GUI thread, its table filled
// and its heat map painted.
void plannerFollowsAnInput(benchmark::State& state)
{
    FormWindow window;
    window.show();
    karnoth::gui::PlannerWindow& planner = karnoth::gui::PlannerWindow::of(window);
    planner.open();
    // Waits for the plan without spinning, so the grid has both cores.
    const auto settle = [&planner] {
        if (planner.isComputing()) {
            QEventLoop loop;
            QObject::connect(&planner, &karnoth::gui::PlannerWindow::planShown, &loop, &QEventLoop::quit);
            loop.exec();
        }
        planner.heatMap().repaint();
    };
    settle();
    int abandoned = 4000;
    for (auto _ : state) {
        abandoned = abandoned == 4000 ? 4001 : 4000;
        window.binding().apply(karnoth::gui::ControlValue::value("vscGainLoss", abandoned));
        settle();
    }
    state.counters["cells"] = static_cast<double>(planner.plan()->cells.size());
}
BENCHMARK(plannerFollowsAnInput)->Unit(benchmark::kMillisecond)->UseRealTime();

// The planner open; one step of the programme rate: the window's run and the heat map repainted
// with its mark moved (the grid stays).
void plannerMarkFollowsTheRate(benchmark::State& state)
{
    FormWindow window;
    window.show();
    karnoth::gui::PlannerWindow& planner = karnoth::gui::PlannerWindow::of(window);
    planner.open();
    while (planner.isComputing()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    auto* bar = qobject_cast<QScrollBar*>(window.controlWidget(QStringLiteral("hscSterilise")));
    bool up = true;
    for (auto _ : state) {
        bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        planner.heatMap().repaint();
        up = !up;
    }
    if (planner.isComputing()) state.SkipWithError("the rate bar started a computation of the grid");
}
BENCHMARK(plannerMarkFollowsTheRate)->Unit(benchmark::kMillisecond);

// The default plan's heat map painted anew, as after every new plan: cells, axes, scale, contour,
// marks and key.
void plannerHeatMapPaint(benchmark::State& state)
{
    FormWindow window;
    window.show();
    karnoth::gui::PlannerWindow& planner = karnoth::gui::PlannerWindow::of(window);
    planner.open();
    while (planner.isComputing()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    karnoth::gui::PlanHeatMapView& map = planner.heatMap();
    for (auto _ : state) {
        map.setPlan(planner.plan());
        map.repaint();
    }
}
BENCHMARK(plannerHeatMapPaint)->Unit(benchmark::kMillisecond);

// The offscreen platform warns on every window shown; the warnings would drown the figures.
void quietWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg || type == QtInfoMsg || type == QtDebugMsg) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietWarnings);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window reads and writes its files in the current directory: keep them out of the way.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
