#include "gui/planner/robust_heat_map_view.h"

#include "gui/planner/plan_texts.h"
#include "render/robust_heat_map.h"

#include <QFontInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace karnoth::gui {
namespace {

// The font the map's texts are painted in, under the name of the face actually used.
QFont resolvedFont(const QFont& font)
{
    QFont resolved(QFontInfo(font).family());
    resolved.setPointSizeF(font.pointSizeF());
    return resolved;
}

}  // namespace

RobustHeatMapView::RobustHeatMapView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(tr("Each cell is one programme: its yearly rate across, its share aimed at owned dogs up, shaded by "
                  "the share of the uncertainty settings' replicates that meet the target with it. Click a cell to "
                  "set the main window's bars to it."));
}

void RobustHeatMapView::setPlan(std::shared_ptr<const RobustPlan> plan)
{
    plan_ = std::move(plan);
    hovered_.reset();
    invalidatePicture();
}

void RobustHeatMapView::setCurrent(std::optional<QPointF> rateAndShare)
{
    if (current_ == rateAndShare) return;
    current_ = rateAndShare;
    invalidatePicture();
}

void RobustHeatMapView::setUpdating(bool updating)
{
    if (updating_ == updating) return;
    updating_ = updating;
    update();
}

void RobustHeatMapView::invalidatePicture()
{
    picture_ = QPixmap();
    update();
}

std::optional<render::HeatMapGeometry> RobustHeatMapView::geometry() const
{
    if (!plan_ || plan_->rows.empty()) return std::nullopt;
    return render::robustHeatMapLayout(QRectF(rect()), *plan_, resolvedFont(font()),
                                       const_cast<RobustHeatMapView*>(this))
        .geometry;
}

std::optional<render::GridCell> RobustHeatMapView::cellAt(const QPointF& point) const
{
    const std::optional<render::HeatMapGeometry> map = geometry();
    return map ? map->cellAt(point) : std::nullopt;
}

QPointF RobustHeatMapView::centreOf(const render::GridCell& cell) const
{
    const std::optional<render::HeatMapGeometry> map = geometry();
    return map ? map->cellRect(cell.ownedShare, cell.rate).center() : QPointF();
}

QString RobustHeatMapView::detailsOf(const render::GridCell& cell) const
{
    if (!plan_ || plan_->rows.empty()) return {};
    const auto row = static_cast<std::size_t>(cell.ownedShare / plan_->settings.ownedShareStep);
    if (row >= plan_->rows.size()) return {};
    return robustCellDetailLines(*plan_, plan_->rows[row], cell.rate).join(QLatin1Char('\n'));
}

void RobustHeatMapView::paintEvent(QPaintEvent*)
{
    const QFont font = resolvedFont(this->font());
    if (picture_.isNull()) {
        picture_ = QPixmap(size() * devicePixelRatioF());
        picture_.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(&picture_);
        const QRectF area(rect());
        if (plan_) {
            render::paintRobustHeatMap(painter, area, *plan_, render::HeatMapMarks{current_}, font);
        } else {
            painter.fillRect(area, Qt::white);
            painter.setFont(font);
            painter.drawText(area, Qt::AlignCenter, tr("Computing the probabilities\u2026"));
        }
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (const std::optional<render::HeatMapGeometry> map = geometry(); map && hovered_) {
        const QRectF cell = map->cellRect(hovered_->ownedShare, hovered_->rate);
        constexpr double kNarrowest = 6;  // pixels: a cell is often narrower than one
        const double widen = std::max(0.0, (kNarrowest - cell.width()) / 2);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(-widen, 0, widen, 0));
    }
    if (updating_) {
        const QString text = tr("updating\u2026");
        const QFontMetrics metrics(this->font());
        const QRect box(width() - metrics.horizontalAdvance(text) - 12, 2, metrics.horizontalAdvance(text) + 8,
                        metrics.height() + 4);
        painter.fillRect(box, QColor(0xff, 0xf4, 0xc0, 230));
        painter.setPen(QColor(0x50, 0x40, 0x00));
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void RobustHeatMapView::resizeEvent(QResizeEvent* event)
{
    picture_ = QPixmap();
    QWidget::resizeEvent(event);
}

void RobustHeatMapView::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<render::GridCell> cell = cellAt(event->position());
    if (cell != hovered_) {
        hovered_ = cell;
        update();
        emit hovered(cell ? detailsOf(*cell) : QString());
    }
    QWidget::mouseMoveEvent(event);
}

bool RobustHeatMapView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const std::optional<render::GridCell> cell = cellAt(help->pos())) {
            QToolTip::showText(help->globalPos(), detailsOf(*cell), this);
            return true;
        }
    }
    return QWidget::event(event);
}

void RobustHeatMapView::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton ? cellAt(event->position()) : std::nullopt;
    QWidget::mousePressEvent(event);
}

void RobustHeatMapView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click chooses the cell it was pressed and released on.
    const std::optional<render::GridCell> cell = event->button() == Qt::LeftButton ? cellAt(event->position())
                                                                                   : std::nullopt;
    if (cell && cell == pressed_) emit cellClicked(cell->ownedShare, cell->rate);
    pressed_.reset();
    QWidget::mouseReleaseEvent(event);
}

void RobustHeatMapView::leaveEvent(QEvent* event)
{
    if (hovered_) {
        hovered_.reset();
        update();
        emit hovered(QString());
    }
    QWidget::leaveEvent(event);
}

}  // namespace karnoth::gui
