#include "gui/analyses/band_chart_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace karnoth::gui {

BandChartWidget::BandChartWidget(QWidget* parent) : FollowsPointer(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BandChartWidget::showChart(render::BandChart chart)
{
    chart_ = std::move(chart);
    update();
}

render::BandChartLayout BandChartWidget::chartLayout() const
{
    return render::layoutBandChart(chart_, QRectF(rect()), font(), const_cast<BandChartWidget*>(this));
}

std::optional<int> BandChartWidget::yearAt(const QPoint& pos) const
{
    const render::BandChartLayout layout = chartLayout();
    if (!chart_.bands && !chart_.run) return std::nullopt;
    if (pos.y() < layout.plot.top() || pos.y() > layout.plot.bottom()) return std::nullopt;
    return render::bandChartYearAt(layout, pos.x());
}

QStringList BandChartWidget::readoutAt(const QPoint& pos) const
{
    const std::optional<int> year = yearAt(pos);
    return year ? render::bandReadoutLines(chart_, *year) : QStringList();
}

std::optional<int> BandChartWidget::hoveredYear() const
{
    return pointer() ? yearAt(*pointer()) : std::nullopt;
}

void BandChartWidget::paintChart(QPainter& painter, const QRectF& area) const
{
    render::paintBandChart(painter, render::layoutBandChart(chart_, area, font(), painter.device()), chart_, font());
}

void BandChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    render::paintBandChart(painter, chartLayout(), chart_, font(), hoveredYear());
}

}  // namespace karnoth::gui
