#include "gui/planner/plan_heat_map_view.h"

#include "gui/planner/plan_texts.h"
#include "gui/widgets/drawing_export.h"
#include "render/plan_heat_map.h"

#include <QPainter>

namespace karnoth::gui {

PlanHeatMapView::PlanHeatMapView(QWidget* parent) : GridMapView(parent)
{
    setToolTip(tr("Each cell is one programme: its yearly rate across, its share aimed at owned dogs up. Point "
                  "at a cell for its figures; click it to set the main window's bars to it."));
}

void PlanHeatMapView::setPlan(std::shared_ptr<const Plan> plan)
{
    plan_ = std::move(plan);
    planChanged();
}

std::optional<render::HeatMapGeometry> PlanHeatMapView::geometry() const
{
    if (!plan_ || plan_->cells.empty()) return std::nullopt;
    return render::planHeatMapLayout(QRectF(rect()), *plan_, mapFont(), const_cast<PlanHeatMapView*>(this)).geometry;
}

QString PlanHeatMapView::detailsOf(const render::GridCell& cell) const
{
    if (!plan_ || plan_->cells.empty()) return {};
    return cellDetailLines(*plan_, plan_->cell(cell.ownedShare, cell.rate)).join(QLatin1Char('\n'));
}

void PlanHeatMapView::paintMap(QPainter& painter, const QRectF& area) const
{
    const QFont font = mapFont();
    if (plan_) {
        render::paintPlanHeatMap(painter, area, *plan_, render::HeatMapMarks{current()}, font);
        return;
    }
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(area, Qt::AlignCenter, tr("Computing the plan\u2026"));
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
            painter.setFont(mapFont());  // from the first element on, so the SVG names no other font
            paintMap(painter, QRectF(QPointF(0, 0), QSizeF(area)));
        }))
        return true;
    error = tr("The heat map could not be saved as %1.").arg(path);
    return false;
}

}  // namespace karnoth::gui
