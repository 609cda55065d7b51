#pragma once
// Paints the picture area's display list with QPainter: canvas units (twips, the picture area's
// ScaleWidth x ScaleHeight) are stretched onto a target rectangle in pixels; texts keep the font's
// own size and start with their top at CurrentY, as the picture box prints them.

#include "chart/recording_canvas.h"

#include <QColor>
#include <QFont>
#include <QRectF>

#include <vector>

class QPainter;

namespace karnoth::gui {

QColor toQColor(Rgb colour);

struct ChartGeometry {
    QRectF target;       // pixels
    double scaleWidth;   // canvas units across the target
    double scaleHeight;  // canvas units down the target
};

// Fills the target with `background` and paints every line and text of `ops` over it.
void paintChart(QPainter& painter, const std::vector<DrawOp>& ops, const ChartGeometry& geometry,
                const QFont& font, const QColor& background);

}  // namespace karnoth::gui
