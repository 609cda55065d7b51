// The sensitivity and uncertainty views, offscreen: how long after a scroll-bar change in the
// window each view shows its new result (computed off the GUI thread, delivered, painted), and the
// painting of the tornado chart and of the bands alone.

#include "gui/analyses/analysis_view.h"
#include "gui/analyses/band_chart_widget.h"
#include "gui/analyses/sensitivity_view.h"
#include "gui/analyses/tornado_widget.h"
#include "gui/analyses/uncertainty_view.h"
#include "gui/window/form_window.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

using karnoth::gui::AnalysisView;
using karnoth::gui::FormWindow;

// Processes events until `view` has shown a result newer than `before` and nothing runs.
void waitForResult(const AnalysisView& view, int before)
{
    while (view.resultsShown() <= before || view.job().isRunning())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// One step of hscSterilise, then the view's new result on screen.
template <class View>
void viewFollowsAScrollChange(benchmark::State& state, View& view, FormWindow& window)
{
    auto* bar = qobject_cast<QScrollBar*>(window.controlWidget(QStringLiteral("hscSterilise")));
    bool up = true;
    for (auto _ : state) {
        const int before = view.resultsShown();
        bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        waitForResult(view, before);
        view.chart().repaint();
        up = !up;
    }
}

void sensitivityViewFollowsAScrollChange(benchmark::State& state)
{
    FormWindow window;
    window.show();
    auto* view = new karnoth::gui::SensitivityView(window);
    view->show();
    waitForResult(*view, 0);
    viewFollowsAScrollChange(state, *view, window);
}
BENCHMARK(sensitivityViewFollowsAScrollChange)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1000 replicates of the window's inputs (no ranges, no chance: 1000 model runs).
void uncertaintyViewFollowsAScrollChange(benchmark::State& state)
{
    FormWindow window;
    window.show();
    auto* view = new karnoth::gui::UncertaintyView(window);
    view->show();
    waitForResult(*view, 0);
    viewFollowsAScrollChange(state, *view, window);
}
BENCHMARK(uncertaintyViewFollowsAScrollChange)->Unit(benchmark::kMillisecond)->UseRealTime();

// The charts painted on an image of the size the views open with, from the shown results.
template <class View>
void paintChartOf(benchmark::State& state)
{
    FormWindow window;
    window.show();
    auto* view = new View(window);
    view->show();
    waitForResult(*view, 0);
    QImage image(view->chart().size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        view->chart().paintChart(painter, QRectF(image.rect()));
    }
}
void tornadoPaint(benchmark::State& state)
{
    paintChartOf<karnoth::gui::SensitivityView>(state);
}
void bandChartPaint(benchmark::State& state)
{
    paintChartOf<karnoth::gui::UncertaintyView>(state);
}
BENCHMARK(tornadoPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(bandChartPaint)->Unit(benchmark::kMillisecond);

}  // namespace
