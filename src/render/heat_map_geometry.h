#pragma once
// Where a plan's cells lie on a heat map: the programme rate across (0..1000 tenths of a per cent a
// year, left to right), the owned share up (0..100 per cent, bottom to top). Each cell is centred
// on its own rate and share, so a column is one tenth of a per cent wide and a row one owned-share
// step high:
//
//   x axis: rate  -0.5 .. 1000.5          (plot.left() .. plot.right())
//   y axis: share -step/2 .. 100 + step/2 (plot.bottom() .. plot.top())
//
// The window asks which cell lies under the pointer; the report and the window both place cells,
// marks and the target's contour with it.

#include "analysis/planner.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

namespace karnoth::render {

// A cell of the grid by its owned share (per cent, a multiple of the step) and rate (tenths of a per
// cent a year, 0..1000).
struct GridCell {
    int ownedShare = 0;
    int rate = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

class HeatMapGeometry {
public:
    // `plot` in pixels; `ownedShareStep` divides 100 (1 when it does not).
    HeatMapGeometry(const QRectF& plot, int ownedShareStep);

    const QRectF& plot() const { return plot_; }
    int ownedShareStep() const { return step_; }
    int rowCount() const { return 100 / step_ + 1; }

    // Pixels of a rate (tenths of a per cent, any real value) and an owned share (per cent).
    double xOfRate(double rate) const;
    double yOfShare(double ownedShare) const;
    QPointF toPixels(double rate, double ownedShare) const { return {xOfRate(rate), yOfShare(ownedShare)}; }

    // The cells fromRate..toRate (inclusive) of the row of `ownedShare`.
    QRectF cellsRect(int ownedShare, int fromRate, int toRate) const;
    QRectF cellRect(int ownedShare, int rate) const { return cellsRect(ownedShare, rate, rate); }

    // The cell under a point (pixels); nullopt outside the plot. A point on the line between two
    // cells belongs to the one at the higher rate or share.
    std::optional<GridCell> cellAt(const QPointF& point) const;

private:
    QRectF plot_;
    int step_;
};

// The target's contour: every edge between a cell that meets the target and its neighbour (to the
// side, above or below) that does not, an invalid cell counting as not meeting it. Edges along a
// row that continue one another are joined into one line. Empty for a plan without cells.
std::vector<QLineF> targetContour(const Plan& plan, const HeatMapGeometry& geometry);

}  // namespace karnoth::render
