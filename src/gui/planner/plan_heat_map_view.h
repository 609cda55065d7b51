#pragma once
// The planner's heat map on screen: paints a plan through render::paintPlanHeatMap, tells what lies
// under the pointer (hovered, and as the tool tip) and which cell was clicked. It holds the plan it
// shows and the window's own setting to mark; it computes nothing. The picture is kept until the
// plan, the mark or the size changes, so hovering repaints only the outline of the cell under the
// pointer.

#include "analysis/planner.h"
#include "render/heat_map_geometry.h"

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace karnoth::gui {

class PlanHeatMapView : public QWidget {
    Q_OBJECT

public:
    explicit PlanHeatMapView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {720, 440}; }
    QSize minimumSizeHint() const override { return {360, 240}; }

    // The plan to show (nullptr: nothing yet) and the window's rate (tenths of a per cent) and
    // owned share (per cent) to mark.
    void setPlan(std::shared_ptr<const Plan> plan);
    const std::shared_ptr<const Plan>& plan() const { return plan_; }
    void setCurrent(std::optional<QPointF> rateAndShare);
    const std::optional<QPointF>& current() const { return current_; }
    // Shown while a newer plan is being computed.
    void setUpdating(bool updating);

    // The cell under a point of the widget (pixels); nullopt outside the map or without a plan.
    std::optional<render::GridCell> cellAt(const QPointF& point) const;
    // The centre of a cell in widget pixels (for tests and keyboard users).
    QPointF centreOf(const render::GridCell& cell) const;
    // What the pointer over `cell` reads, one line each.
    QString detailsOf(const render::GridCell& cell) const;

    // The heat map as a picture of `size` pixels; each returns false with a reason in `error`.
    bool savePng(const QString& path, const QSize& size, QString& error) const;
    bool saveSvg(const QString& path, const QSize& size, QString& error) const;

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
    void paintMap(QPainter& painter, const QRectF& area) const;
    void hover(std::optional<render::GridCell> cell);
    void invalidatePicture();

    std::shared_ptr<const Plan> plan_;
    std::optional<QPointF> current_;
    std::optional<render::GridCell> hovered_;
    std::optional<render::GridCell> pressed_;
    bool updating_ = false;
    mutable QPixmap picture_;  // the painted map at the widget's size, empty when it must be painted again
};

}  // namespace karnoth::gui
