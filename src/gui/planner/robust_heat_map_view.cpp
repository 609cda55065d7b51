#include "gui/planner/robust_heat_map_view.h"

#include "gui/planner/plan_texts.h"
#include "render/robust_heat_map.h"

#include <QPainter>

namespace karnoth::gui {

RobustHeatMapView::RobustHeatMapView(QWidget* parent) : GridMapView(parent)
{
    setToolTip(tr("Each cell is one programme: its yearly rate across, its share aimed at owned dogs up, shaded by "
                  "the share of the uncertainty settings' replicates that meet the target with it. Click a cell to "
                  "set the main window's bars to it."));
}

void RobustHeatMapView::setPlan(std::shared_ptr<const RobustPlan> plan)
{
    plan_ = std::move(plan);
    planChanged();
}

std::optional<render::HeatMapGeometry> RobustHeatMapView::geometry() const
{
    if (!plan_ || plan_->rows.empty()) return std::nullopt;
    return render::robustHeatMapLayout(QRectF(rect()), *plan_, mapFont(), const_cast<RobustHeatMapView*>(this))
        .geometry;
}

QString RobustHeatMapView::detailsOf(const render::GridCell& cell) const
{
    if (!plan_ || plan_->rows.empty()) return {};
    const auto row = static_cast<std::size_t>(cell.ownedShare / plan_->settings.ownedShareStep);
    if (row >= plan_->rows.size()) return {};
    return robustCellDetailLines(*plan_, plan_->rows[row], cell.rate).join(QLatin1Char('\n'));
}

void RobustHeatMapView::paintMap(QPainter& painter, const QRectF& area) const
{
    const QFont font = mapFont();
    if (plan_) {
        render::paintRobustHeatMap(painter, area, *plan_, render::HeatMapMarks{current()}, font);
        return;
    }
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(area, Qt::AlignCenter, tr("Computing the probabilities\u2026"));
}

}  // namespace karnoth::gui
