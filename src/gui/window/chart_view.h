#pragma once
// The picture area picPlot: lays out and paints the window model's display list, with the legend,
// optional gridlines, the hover readout and the banner that says the chart shows a run of other inputs (or
// names the fault that stopped the last run); exports it
// with a legend and a footer; offers the chart's context menu. Painting only reads the display list,
// so an expose or a resize never reruns the model.
//
// The hover readout reads the series of the run the chart shows, which the window hands over when a
// run completes (showRun); a run that faults after clearing the chart leaves none (forgetRun).

#include "gui/widgets/follows_pointer.h"
#include "model/run_series.h"
#include "panel/window_inputs.h"
#include "render/chart_overlays.h"
#include "render/main_chart.h"

#include <QFrame>
#include <QString>

#include <optional>

namespace karnoth {
class Form1;
}

namespace karnoth::gui {

class ChartView : public FollowsPointer<QFrame> {
    Q_OBJECT

public:
    explicit ChartView(const Form1& form, QWidget* parent = nullptr);

    // The chart asks for no more than its minimum, so that the diagram above it shrinks only once
    // the chart is down to that; it takes whatever room is left over.
    QSize sizeHint() const override { return minimumSize(); }

    // The inside of the frame, where the picture area's ScaleWidth x ScaleHeight lie (pixels).
    QRect chartRect() const { return contentsRect(); }
    // The chart laid out in chartRect() now (its target leaves room for texts at the edges).
    render::MainChartLayout chartLayout() const;
    // The font the chart's texts are painted in: the window's, under the name of the face that is
    // actually used, so that an SVG names a font a reader has.
    QFont chartFont() const;

    // The run the chart shows: its series (dog counts) for the readout, its inputs for the footer.
    void showRun(const RunSeries& series, const std::optional<WindowInputs>& inputs, bool logScale);
    void forgetRun();

    // The readout under the pointer at `pos` (widget pixels): nullopt without a shown run or when
    // `pos` lies more than half a year beside 1950..2050.
    std::optional<render::HoverReadout> readoutAt(const QPoint& pos) const;
    // The readout the pointer shows now.
    std::optional<render::HoverReadout> hoverReadout() const;

    // Whether inputs changed after the run shown. The banner says so, or, when the last run stopped,
    // names its fault (Form1::runFault) whatever this says.
    void setStale(bool inputsChanged);
    bool isStale() const { return !bannerText().isEmpty(); }
    // The banner over the chart; empty when it shows the run of the window's inputs.
    QString bannerText() const;
    void setGridlines(bool shown);
    bool gridlines() const { return gridlines_; }
    void setLegendShown(bool shown);
    bool legendShown() const { return legendShown_; }

    // The export's size in pixels: the chart as on screen and the footer below it.
    QSize exportSize() const;
    // Each returns false and leaves a reason in `error` when it cannot do its work. The exports hold
    // the chart, its legend and a footer with the main inputs of the run shown, the date and
    // "Karnoth"; when the last run stopped, also the banner that names its fault. The yearly data is
    // refused then, with that banner's words.
    bool savePng(const QString& path, QString& error) const;
    bool saveSvg(const QString& path, QString& error) const;
    bool copyYearlyData(QString& error) const;

public slots:
    // Ask for a file name, then save; a failure is told through actionFailed.
    void exportPng();
    void exportSvg();
    void copyYearlyDataToClipboard();

signals:
    // A menu action that failed, in words for the user.
    void actionFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    render::MainChartLayout layoutIn(const QRectF& paper, QPaintDevice* device) const;
    // The chart, its legend and the footer, as exported, `size` being exportSize().
    void paintExport(QPainter& painter, QSize size) const;
    void askAndSave(const QString& title, const QString& filter, const QString& suffix,
                    bool (ChartView::*save)(const QString&, QString&) const);

    const Form1& form_;
    std::optional<RunSeries> shownSeries_;
    std::optional<WindowInputs> shownInputs_;
    bool shownLogScale_ = false;
    bool inputsChanged_ = false;
    bool gridlines_ = false;
    bool legendShown_ = true;
};

}  // namespace karnoth::gui
