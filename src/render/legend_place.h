#pragma once
// Where a legend goes so that it covers no data: in a corner of the plot that no drawn line
// crosses, or else outside the plot.

#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace karnoth::render {

// Whether any segment of `lines` (polylines, pixels) passes through `box`, or any of their points
// lies in it.
bool coversAnyLine(const QRectF& box, const std::vector<QPolygonF>& lines);

// A box of `size` in the first corner of `plot` (inset by `inset`) that covers none of `lines`:
// top right, top left, bottom right, bottom left. When every corner covers a line (or the box does
// not fit in the plot), the box of `outsideSize` centred on the plot just above its top, outside it.
QRectF placeLegend(const QRectF& plot, const QSizeF& size, const QSizeF& outsideSize,
                   const std::vector<QPolygonF>& lines, double inset);

}  // namespace karnoth::render
