#include "gui/planner/grid_map_view.h"

#include <QFontInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace karnoth::gui {

GridMapView::GridMapView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridMapView::setCurrent(std::optional<QPointF> rateAndShare)
{
    if (current_ == rateAndShare) return;
    current_ = rateAndShare;
    invalidatePicture();
}

void GridMapView::setUpdating(bool updating)
{
    if (updating_ == updating) return;
    updating_ = updating;
    update();
}

void GridMapView::planChanged()
{
    hovered_.reset();
    invalidatePicture();
}

void GridMapView::invalidatePicture()
{
    picture_ = QPixmap();
    update();
}

QFont GridMapView::mapFont() const
{
    QFont resolved(QFontInfo(font()).family());
    resolved.setPointSizeF(font().pointSizeF());
    return resolved;
}

std::optional<render::GridCell> GridMapView::cellAt(const QPointF& point) const
{
    const std::optional<render::HeatMapGeometry> map = geometry();
    return map ? map->cellAt(point) : std::nullopt;
}

QPointF GridMapView::centreOf(const render::GridCell& cell) const
{
    const std::optional<render::HeatMapGeometry> map = geometry();
    return map ? map->cellRect(cell.ownedShare, cell.rate).center() : QPointF();
}

void GridMapView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) {
        picture_ = QPixmap(size() * devicePixelRatioF());
        picture_.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(&picture_);
        paintMap(painter, QRectF(rect()));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (const std::optional<render::HeatMapGeometry> map = hovered_ ? geometry() : std::nullopt) {
        // An outline around the hovered cell, wide enough to see: a cell is often narrower than a pixel.
        const QRectF cell = map->cellRect(hovered_->ownedShare, hovered_->rate);
        constexpr double kNarrowest = 6;  // pixels
        const double widen = std::max(0.0, (kNarrowest - cell.width()) / 2);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(-widen, 0, widen, 0));
    }
    if (updating_) {
        const QString text = tr("updating\u2026");
        const QFontMetrics metrics(font());
        const QRect box(width() - metrics.horizontalAdvance(text) - 12, 2, metrics.horizontalAdvance(text) + 8,
                        metrics.height() + 4);
        painter.fillRect(box, QColor(0xff, 0xf4, 0xc0, 230));
        painter.setPen(QColor(0x50, 0x40, 0x00));
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void GridMapView::resizeEvent(QResizeEvent* event)
{
    picture_ = QPixmap();
    QWidget::resizeEvent(event);
}

void GridMapView::hover(std::optional<render::GridCell> cell)
{
    if (cell == hovered_) return;
    hovered_ = cell;
    update();
    emit hovered(cell ? detailsOf(*cell) : QString());
}

void GridMapView::mouseMoveEvent(QMouseEvent* event)
{
    hover(cellAt(event->position()));
    QWidget::mouseMoveEvent(event);
}

bool GridMapView::event(QEvent* event)
{
    // Over a cell the tool tip is that cell's figures; elsewhere the view's own explanation.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const std::optional<render::GridCell> cell = cellAt(help->pos())) {
            QToolTip::showText(help->globalPos(), detailsOf(*cell), this);
            return true;
        }
    }
    return QWidget::event(event);
}

void GridMapView::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton ? cellAt(event->position()) : std::nullopt;
    QWidget::mousePressEvent(event);
}

void GridMapView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click chooses the cell it was pressed and released on.
    const std::optional<render::GridCell> cell = event->button() == Qt::LeftButton ? cellAt(event->position())
                                                                                   : std::nullopt;
    if (cell && cell == pressed_) emit cellClicked(cell->ownedShare, cell->rate);
    pressed_.reset();
    QWidget::mouseReleaseEvent(event);
}

void GridMapView::leaveEvent(QEvent* event)
{
    hover(std::nullopt);
    QWidget::leaveEvent(event);
}

}  // namespace karnoth::gui
