#pragma once
// A robust plan as a heat map of probabilities, painted on any QPainter beside the plan's own map
// (plan_heat_map.h) and on the same axes: each cell is the share of the replicates that meet the
// target at its rate and owned share, in five bands (below 50 %, 50-80, 80-90, 90-95 and 95-100 %),
// each lighter than the one below it, with the bands named beside the map. A share without a valid
// replicate is hatched. A dashed line with a white edge runs along each share's robust minimal rate
// (the cells to its right reach the confidence); a ring marks the window's own setting and a black
// diamond the cheapest robust programme. A key under the map names the line and the marks.
//
// A robust plan that could not be made is painted as its reason.

#include "analysis/robust_planner.h"
#include "render/heat_map_parts.h"
#include "render/plan_heat_map.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

inline constexpr int kProbabilityBandCount = 5;

// The band of a probability 0..1: 0 below 0.5, then 0.5, 0.8, 0.9 and 0.95 up.
int probabilityBand(double probability);
// The colour of a band, lighter for a higher band, and its name ("90-95 %").
QColor probabilityBandColour(int band);
QString probabilityBandLabel(int band);

// The layout of `plan`'s map in `area`, for texts in `font` on `device`.
HeatMapLayout robustHeatMapLayout(const QRectF& area, const RobustPlan& plan, const QFont& font, QPaintDevice* device);

// The line above the map (what a cell tells), or why there is no robust plan.
QString robustHeatMapTitle(const RobustPlan& plan);
// The key's entries: the robust minimal rate, the window's setting, the cheapest robust programme,
// a share without a valid replicate.
QStringList robustHeatMapKeyEntries(const RobustPlan& plan);

// The line along the robust minimal rates: in each row the left edge of its rate's cell (the right
// edge of the map when none), joined between rows. Empty without rows.
std::vector<QLineF> robustBoundary(const RobustPlan& plan, const HeatMapGeometry& geometry);

// Paints the whole map (white background, title, cells, axes, bands, line, marks, key) into `area`.
void paintRobustHeatMap(QPainter& painter, const QRectF& area, const RobustPlan& plan, const HeatMapMarks& marks,
                        const QFont& font);

}  // namespace karnoth::render
