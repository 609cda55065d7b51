#include "gui/planner/plan_heat_map_view.h"

#include "gui/planner/plan_texts.h"
#include "gui/widgets/drawing_export.h"
#include "render/plan_heat_map.h"

#include <QFontInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace karnoth::gui {
namespace {

// The font the map's texts are painted in, under the name of the face actually used, so that an
// SVG names a font its reader has.
QFont resolvedFont(const QFont& font)
{
    QFont resolved(QFontInfo(font).family());
    resolved.setPointSizeF(font.pointSizeF());
    return resolved;
}

}  // namespace

PlanHeatMapView::PlanHeatMapView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(tr("Each cell is one programme: its yearly rate across, its share aimed at owned dogs up. Point "
                  "at a cell for its figures; click it to set the main window's bars to it."));
}

void PlanHeatMapView::setPlan(std::shared_ptr<const Plan> plan)
{
    plan_ = std::move(plan);
    hovered_.reset();
    invalidatePicture();
}

void PlanHeatMapView::setCurrent(std::optional<QPointF> rateAndShare)
{
    if (current_ == rateAndShare) return;
    current_ = rateAndShare;
    invalidatePicture();
}

void PlanHeatMapView::setUpdating(bool updating)
{
    if (updating_ == updating) return;
    updating_ = updating;
    update();
}

void PlanHeatMapView::invalidatePicture()
{
    picture_ = QPixmap();
    update();
}

std::optional<render::GridCell> PlanHeatMapView::cellAt(const QPointF& point) const
{
    if (!plan_ || plan_->cells.empty()) return std::nullopt;
    const render::HeatMapLayout layout = render::planHeatMapLayout(QRectF(rect()), *plan_, resolvedFont(font()),
                                                                   const_cast<PlanHeatMapView*>(this));
    return layout.geometry.cellAt(point);
}

QPointF PlanHeatMapView::centreOf(const render::GridCell& cell) const
{
    if (!plan_) return {};
    const render::HeatMapLayout layout = render::planHeatMapLayout(QRectF(rect()), *plan_, resolvedFont(font()),
                                                                   const_cast<PlanHeatMapView*>(this));
    return layout.geometry.cellRect(cell.ownedShare, cell.rate).center();
}

QString PlanHeatMapView::detailsOf(const render::GridCell& cell) const
{
    if (!plan_ || plan_->cells.empty()) return {};
    return cellDetailLines(*plan_, plan_->cell(cell.ownedShare, cell.rate)).join(QLatin1Char('\n'));
}

void PlanHeatMapView::paintMap(QPainter& painter, const QRectF& area) const
{
    const QFont font = resolvedFont(this->font());
    if (plan_) {
        render::paintPlanHeatMap(painter, area, *plan_, render::HeatMapMarks{current_}, font);
        return;
    }
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(area, Qt::AlignCenter, tr("Computing the plan\u2026"));
}

void PlanHeatMapView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) {
        picture_ = QPixmap(size() * devicePixelRatioF());
        picture_.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(&picture_);
        paintMap(painter, QRectF(rect()));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (hovered_ && plan_) {
        // An outline around the hovered cell's row segment, wide enough to see at any size.
        const QRectF cell = render::planHeatMapLayout(QRectF(rect()), *plan_, resolvedFont(font()), this)
                                .geometry.cellRect(hovered_->ownedShare, hovered_->rate);
        // A cell is often narrower than a pixel: the outline is at least a few pixels wide.
        constexpr double kNarrowest = 6;
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

void PlanHeatMapView::resizeEvent(QResizeEvent* event)
{
    picture_ = QPixmap();
    QWidget::resizeEvent(event);
}

void PlanHeatMapView::hover(std::optional<render::GridCell> cell)
{
    if (cell == hovered_) return;
    hovered_ = cell;
    update();
    emit hovered(cell ? detailsOf(*cell) : QString());
}

void PlanHeatMapView::mouseMoveEvent(QMouseEvent* event)
{
    hover(cellAt(event->position()));
    QWidget::mouseMoveEvent(event);
}

bool PlanHeatMapView::event(QEvent* event)
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

void PlanHeatMapView::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton ? cellAt(event->position()) : std::nullopt;
    QWidget::mousePressEvent(event);
}

void PlanHeatMapView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click chooses the cell it was pressed and released on.
    const std::optional<render::GridCell> cell = event->button() == Qt::LeftButton ? cellAt(event->position())
                                                                                   : std::nullopt;
    if (cell && cell == pressed_) emit cellClicked(cell->ownedShare, cell->rate);
    pressed_.reset();
    QWidget::mouseReleaseEvent(event);
}

void PlanHeatMapView::leaveEvent(QEvent* event)
{
    hover(std::nullopt);
    QWidget::leaveEvent(event);
}

bool PlanHeatMapView::savePng(const QString& path, const QSize& size, QString& error) const
{
    if (writeDrawingAsPng(path, size, 1.0, [this](QPainter& painter, QSize area) {
            paintMap(painter, QRectF(QPointF(0, 0), QSizeF(area)));
        }))
        return true;
    error = tr("The heat map could not be saved as %1.").arg(path);
    return false;
}

bool PlanHeatMapView::saveSvg(const QString& path, const QSize& size, QString& error) const
{
    const SvgHeader header{tr("Karnoth plan"), plan_ ? render::heatMapTitle(*plan_) : QString(), logicalDpiX()};
    if (writeDrawingAsSvg(path, size, header, [this](QPainter& painter, QSize area) {
            painter.setFont(resolvedFont(font()));  // from the first element on, so the SVG names no other font
            paintMap(painter, QRectF(QPointF(0, 0), QSizeF(area)));
        }))
        return true;
    error = tr("The heat map could not be saved as %1.").arg(path);
    return false;
}

}  // namespace karnoth::gui
