#pragma once
// A plan as a heat map, painted on any QPainter (the planner's view on screen, the report on
// paper). Across, the yearly programme rate 0..100 % (or operations a year, when the plan scans
// them); up, the share aimed at owned dogs 0..100 %;
// each cell coloured by its street total in the target year as a percentage of the baseline
// (PercentScale, with its scale beside the map). Cells whose run faults are hatched. A dashed line
// with a white edge runs along the target's contour; a ring marks the window's own setting and a
// black diamond the cheapest cell that meets the target. A key under the map names the line and
// the marks. Colours, hatching, line style and shapes keep it readable in black and white.
//
// A plan that could not be made is painted as its reason.

#include "analysis/planner.h"
#include "render/heat_map_parts.h"
#include "render/percent_scale.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

// What the map marks besides the plan's own cheapest cell.
struct HeatMapMarks {
    // The window's programme rate (tenths of a per cent, 0..1000, or the operations scan's step) and
    // owned share (per cent).
    std::optional<QPointF> current;
};

// The layout of `plan`'s heat map in `area`, for texts in `font` on `device`.
HeatMapLayout planHeatMapLayout(const QRectF& area, const Plan& plan, const QFont& font, QPaintDevice* device);

// The line above the map: what the colour is ("street total in 2015 as % of 119,813, the street
// total in 2004"), or why there is no plan.
QString heatMapTitle(const Plan& plan);
// The key's entries: the contour, the window's setting, the cheapest cell, a faulting run.
QStringList heatMapKeyEntries(const Plan& plan);

// Paints the whole heat map (white background, title, cells, axes, scale, contour, marks, key)
// into `area`.
void paintPlanHeatMap(QPainter& painter, const QRectF& area, const Plan& plan, const HeatMapMarks& marks,
                      const QFont& font);

}  // namespace karnoth::render
