#pragma once
// The uncertainty chart of the uncertainty view (render/band_chart.h) on screen. Pointing at the
// chart shows a cursor line at the nearest year and that year's run, median and bands.

#include "gui/widgets/follows_pointer.h"
#include "render/band_chart.h"

#include <QWidget>

#include <optional>

namespace karnoth::gui {

class BandChartWidget : public FollowsPointer<QWidget> {
    Q_OBJECT

public:
    explicit BandChartWidget(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {320, 240}; }

    void showChart(render::BandChart chart);
    const render::BandChart& chart() const { return chart_; }

    render::BandChartLayout chartLayout() const;
    // The year under `pos` (widget pixels) and its readout; nullopt or empty beside the years.
    std::optional<int> yearAt(const QPoint& pos) const;
    QStringList readoutAt(const QPoint& pos) const;
    std::optional<int> hoveredYear() const;

    // The chart as on screen, without the pointer's readout, into `area` of any paint device.
    void paintChart(QPainter& painter, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    render::BandChart chart_;
};

}  // namespace karnoth::gui
