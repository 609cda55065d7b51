#pragma once
// The tornado chart of the sensitivity view (render/tornado_chart.h) on screen. Pointing at a row
// highlights it and shows its figures in a box beside the pointer; without a table it shows a
// notice instead (why there is none, or that it is being computed).

#include "analysis/sensitivity.h"
#include "gui/widgets/follows_pointer.h"
#include "render/tornado_chart.h"

#include <QWidget>

#include <optional>

namespace karnoth::gui {

class TornadoWidget : public FollowsPointer<QWidget> {
    Q_OBJECT

public:
    explicit TornadoWidget(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {320, 240}; }

    void showResult(const SensitivityResult& result);
    // No result: `notice` in its place.
    void showNotice(const QString& notice);
    const std::optional<SensitivityResult>& result() const { return result_; }

    // Where the chart lies on the widget now.
    render::TornadoLayout chartLayout() const;
    // The row under `pos` (widget pixels) and its readout; nullopt or empty off the rows.
    std::optional<std::size_t> rowAt(const QPoint& pos) const;
    QStringList readoutAt(const QPoint& pos) const;
    // The row the pointer is over now.
    std::optional<std::size_t> hoveredRow() const;

    // The chart as on screen, without the pointer's readout, into `area` of any paint device.
    void paintChart(QPainter& painter, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<SensitivityResult> result_;
    QString notice_;
};

}  // namespace karnoth::gui
