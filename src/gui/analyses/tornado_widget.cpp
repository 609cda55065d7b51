#include "gui/analyses/tornado_widget.h"

#include "render/chart_parts.h"

#include <QMouseEvent>
#include <QPainter>

namespace karnoth::gui {

TornadoWidget::TornadoWidget(QWidget* parent) : FollowsPointer(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TornadoWidget::showResult(const SensitivityResult& result)
{
    result_ = result;
    notice_.clear();
    update();
}

void TornadoWidget::showNotice(const QString& notice)
{
    result_.reset();
    notice_ = notice;
    update();
}

render::TornadoLayout TornadoWidget::chartLayout() const
{
    const SensitivityResult none;
    return render::layoutTornado(result_ ? *result_ : none, QRectF(rect()), font(), const_cast<TornadoWidget*>(this));
}

std::optional<std::size_t> TornadoWidget::rowAt(const QPoint& pos) const
{
    if (!result_) return std::nullopt;
    return render::tornadoRowAt(chartLayout(), QPointF(pos));
}

QStringList TornadoWidget::readoutAt(const QPoint& pos) const
{
    const std::optional<std::size_t> row = rowAt(pos);
    return row ? render::tornadoReadoutLines(*result_, *row) : QStringList();
}

std::optional<std::size_t> TornadoWidget::hoveredRow() const
{
    return pointer() ? rowAt(*pointer()) : std::nullopt;
}

void TornadoWidget::paintChart(QPainter& painter, const QRectF& area) const
{
    if (!result_) {
        painter.fillRect(area, Qt::white);
        render::paintNotice(painter, area, notice_, font());
        return;
    }
    const render::TornadoLayout layout = render::layoutTornado(*result_, area, font(), painter.device());
    render::paintTornado(painter, layout, *result_, font());
}

void TornadoWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!result_) {
        paintChart(painter, QRectF(rect()));
        return;
    }
    const render::TornadoLayout layout = chartLayout();
    const std::optional<std::size_t> row = hoveredRow();
    render::paintTornado(painter, layout, *result_, font(), row);
    if (row)
        render::paintReadoutBox(painter, layout.area, QPointF(*pointer()), render::tornadoReadoutLines(*result_, *row),
                                font());
}

}  // namespace karnoth::gui
