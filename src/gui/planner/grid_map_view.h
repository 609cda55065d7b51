#pragma once
// What the planner's two maps share on screen: the picture, kept until the plan, the mark or the
// size changes (so hovering repaints only the outline of the cell under the pointer), the outline
// itself, "updating..." while a newer plan is computed, what lies under the pointer (hovered, and
// as the tool tip) and which cell was clicked. Each map says where its cells lie, what a cell reads
// and how the whole map is painted; it computes nothing.

#include "render/heat_map_geometry.h"

#include <QFont>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

namespace karnoth::gui {

class GridMapView : public QWidget {
    Q_OBJECT

public:
    explicit GridMapView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {720, 440}; }
    QSize minimumSizeHint() const override { return {360, 240}; }

    // The window's rate (or step of the operations scan) and owned share (per cent) to mark.
    void setCurrent(std::optional<QPointF> rateAndShare);
    const std::optional<QPointF>& current() const { return current_; }
    // Shown while a newer plan is being computed.
    void setUpdating(bool updating);

    // The cell under a point of the widget (pixels); nullopt outside the map or without a plan.
    std::optional<render::GridCell> cellAt(const QPointF& point) const;
    // The centre of a cell in widget pixels (for tests and keyboard users).
    QPointF centreOf(const render::GridCell& cell) const;
    // What the pointer over `cell` reads, one line each.
    virtual QString detailsOf(const render::GridCell& cell) const = 0;

signals:
    // The details of the cell under the pointer, or an empty text once it leaves the map.
    void hovered(const QString& details);
    void cellClicked(int ownedShare, int rate);

protected:
    // Where the cells lie at the widget's size; none without a plan to show.
    virtual std::optional<render::HeatMapGeometry> geometry() const = 0;
    // The whole map in `area`, or a word that it is coming.
    virtual void paintMap(QPainter& painter, const QRectF& area) const = 0;
    // The plan changed: the picture is painted again and nothing is hovered.
    void planChanged();
    // The font the map's texts are painted in, under the name of the face actually used, so that
    // an SVG names a font its reader has.
    QFont mapFont() const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void hover(std::optional<render::GridCell> cell);
    void invalidatePicture();

    std::optional<QPointF> current_;
    std::optional<render::GridCell> hovered_;
    std::optional<render::GridCell> pressed_;
    bool updating_ = false;
    QPixmap picture_;  // the painted map at the widget's size, empty when it must be painted again
};

}  // namespace karnoth::gui
