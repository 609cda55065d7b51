#pragma once
// The planner's heat map on screen: paints a plan through render::paintPlanHeatMap, reads a cell's
// figures, and exports the map; the rest (pointer, click, mark) is every map's (grid_map_view.h).

#include "analysis/planner.h"
#include "gui/planner/grid_map_view.h"

#include <QString>

#include <memory>

namespace karnoth::gui {

class PlanHeatMapView : public GridMapView {
    Q_OBJECT

public:
    explicit PlanHeatMapView(QWidget* parent = nullptr);

    // The plan to show (nullptr: nothing yet).
    void setPlan(std::shared_ptr<const Plan> plan);
    const std::shared_ptr<const Plan>& plan() const { return plan_; }

    QString detailsOf(const render::GridCell& cell) const override;

    // The heat map as a picture of `size` pixels; each returns false with a reason in `error`.
    bool savePng(const QString& path, const QSize& size, QString& error) const;
    bool saveSvg(const QString& path, const QSize& size, QString& error) const;

protected:
    std::optional<render::HeatMapGeometry> geometry() const override;
    void paintMap(QPainter& painter, const QRectF& area) const override;

private:
    std::shared_ptr<const Plan> plan_;
};

}  // namespace karnoth::gui
