#pragma once
// The planner's map of probabilities on screen: paints a robust plan through
// render::paintRobustHeatMap, tells what lies under the pointer (hovered, and as the tool tip) and
// which cell was clicked, as the plan's own map does (plan_heat_map_view.h). It holds the plan it
// shows and the window's setting to mark; it computes nothing.

#include "analysis/robust_planner.h"
#include "render/heat_map_geometry.h"

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace karnoth::gui {

class RobustHeatMapView : public QWidget {
    Q_OBJECT

public:
    explicit RobustHeatMapView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {720, 440}; }
    QSize minimumSizeHint() const override { return {360, 240}; }

    // The robust plan to show (nullptr: nothing yet) and the window's rate (or step of the
    // operations scan) and owned share (per cent) to mark.
    void setPlan(std::shared_ptr<const RobustPlan> plan);
    const std::shared_ptr<const RobustPlan>& plan() const { return plan_; }
    void setCurrent(std::optional<QPointF> rateAndShare);
    // Shown while a newer robust plan is being computed.
    void setUpdating(bool updating);

    // The cell under a point of the widget (pixels); nullopt outside the map or without rows.
    std::optional<render::GridCell> cellAt(const QPointF& point) const;
    // The centre of a cell in widget pixels (for tests and keyboard users).
    QPointF centreOf(const render::GridCell& cell) const;
    // What the pointer over `cell` reads, one line each.
    QString detailsOf(const render::GridCell& cell) const;

signals:
    // The details of the cell under the pointer, or an empty text once it leaves the map.
    void hovered(const QString& details);
    void cellClicked(int ownedShare, int rate);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void invalidatePicture();
    std::optional<render::HeatMapGeometry> geometry() const;

    std::shared_ptr<const RobustPlan> plan_;
    std::optional<QPointF> current_;
    std::optional<render::GridCell> hovered_;
    std::optional<render::GridCell> pressed_;
    bool updating_ = false;
    QPixmap picture_;  // the painted map at the widget's size, empty when it must be painted again
};

}  // namespace karnoth::gui
