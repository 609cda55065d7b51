#pragma once
// The planner's map of probabilities on screen: paints a robust plan through
// render::paintRobustHeatMap and reads a cell's probability; the rest (pointer, click, mark) is
// every map's (grid_map_view.h).

#include "analysis/robust_planner.h"
#include "gui/planner/grid_map_view.h"

#include <QString>

#include <memory>

namespace karnoth::gui {

class RobustHeatMapView : public GridMapView {
    Q_OBJECT

public:
    explicit RobustHeatMapView(QWidget* parent = nullptr);

    // The robust plan to show (nullptr: nothing yet).
    void setPlan(std::shared_ptr<const RobustPlan> plan);
    const std::shared_ptr<const RobustPlan>& plan() const { return plan_; }

    QString detailsOf(const render::GridCell& cell) const override;

protected:
    std::optional<render::HeatMapGeometry> geometry() const override;
    void paintMap(QPainter& painter, const QRectF& area) const override;

private:
    std::shared_ptr<const RobustPlan> plan_;
};

}  // namespace karnoth::gui
