#pragma once
// What the planner's two heat maps share (the map of street totals, plan_heat_map.h, and the map of
// probabilities, robust_heat_map.h): where title, plot, right-hand scale and key lie, the axes, the
// marks (a ring for the window's setting, a black diamond for the cheapest programme), the hatching
// of cells without a result, the dashed line with a white edge along a boundary, and the key. Every
// part keeps its meaning in black and white: shapes, hatching and line styles, never colour alone.

#include "analysis/planner.h"
#include "render/heat_map_geometry.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

class QFont;
class QPainter;
class QPaintDevice;

namespace karnoth::render {

inline constexpr int kAllShares = 100;  // per cent
inline constexpr double kMapPadding = 4.0;  // pixels around texts
inline constexpr double kMapTick = 4.0;  // an axis tick's length in pixels
inline constexpr double kScaleBar = 14.0;  // the colour scale's width in pixels
inline constexpr double kKeySwatch = 18.0;  // a key entry's sample in pixels
inline constexpr double kMarkRadius = 6.0;  // pixels

// Where the parts of a heat map lie in the area it is painted in (pixels).
struct HeatMapLayout {
    QRectF title;  // one line above the map
    QRectF plot;  // the cells
    QRectF scale;  // the colour scale's bar, right of the plot
    QRectF key;  // the key under the axis titles
    HeatMapGeometry geometry;
};

// The layout in `area` with `keyEntries` under the map and `scaleLabelWidth` pixels of labels right
// of the scale's bar.
HeatMapLayout heatMapLayout(const QRectF& area, const QStringList& keyEntries, double scaleLabelWidth,
                            int ownedShareStep, const QFontMetricsF& metrics);

// The frame, ticks, labels and titles of both axes; across, the rate in per cent, or operations a
// year when `operationsStep` (operations per step of the scan) is set.
void paintHeatMapAxes(QPainter& painter, const HeatMapLayout& layout, std::optional<double> operationsStep,
                      const QFontMetricsF& metrics);

void paintRing(QPainter& painter, const QPointF& centre);
void paintDiamond(QPainter& painter, const QPointF& centre);
// Diagonal lines over `area`, clipped to it, on white.
void paintHatching(QPainter& painter, const QPainterPath& area);
// Dashed black over a white edge: it shows on the light and the dark end of a scale.
void paintBoundaryLines(QPainter& painter, const std::vector<QLineF>& lines);
// Over the plot, clipped to it with room for the marks: `boundary`, the window's own setting
// (`current`: rate or scan step, owned share) as a ring, clamped to the grid, and the cheapest
// programme as a diamond.
void paintPlotMarks(QPainter& painter, const HeatMapLayout& layout, const std::vector<QLineF>& boundary,
                    std::optional<QPointF> current, const std::optional<PlanCheapest>& cheapest);
// The key's four entries left to right, wrapping at the key's width, each after its sample: the
// map's line (across for a contour, upright for a rate per share, as `line` says), the window's
// setting, the cheapest programme, cells without a result.
void paintHeatMapKey(QPainter& painter, const HeatMapLayout& layout, const QStringList& entries, Qt::Orientation line,
                     const QFontMetricsF& metrics);

}  // namespace karnoth::render
