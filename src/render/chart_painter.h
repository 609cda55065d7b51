#pragma once
// Paints the picture area's display list with QPainter: canvas units (twips, the picture area's
// ScaleWidth x ScaleHeight) are stretched onto a target rectangle in pixels; texts keep the font's
// own size and start with their top at CurrentY, as the picture box prints them.
//
// The display list draws every series as 100 short lines interleaved with the year ticks, and each
// of the three series draws the ticks and year labels again. The painter joins each colour's lines
// into one path, paints the colours in the order they first appear (red, the black ticks, green,
// blue on top), draws a line or text that repeats an earlier one once, and writes the texts last.
// A year label is centred on its tick rather than starting just left of it.

#include "chart/recording_canvas.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

QColor toQColor(Rgb colour);

struct ChartGeometry {
    QRectF target;       // pixels
    double scaleWidth;   // canvas units across the target
    double scaleHeight;  // canvas units down the target
    QRectF paper = {};   // filled and clipped to; the target when empty

    // A canvas point in pixels.
    QPointF toPixels(double x, double y) const;
    // The canvas x of a pixel x.
    double toCanvasX(double pixelX) const;
};

// Fills the paper with `background`, then with `gridlines` draws light lines at every labelled year
// and at the three labelled values (0, half the top and the top: 90 %, 50 % and 10 % of the height
// down), then paints the lines and texts of `ops` over them. The lines of a colour are hairlines,
// unless `linePens` holds a pen of that colour (on paper: a width and a dash, so that the series
// tell apart in black and white).
void paintChart(QPainter& painter, const std::vector<DrawOp>& ops, const ChartGeometry& geometry,
                const QFont& font, const QColor& background, bool gridlines = false,
                const std::vector<QPen>& linePens = {});

// A year label of the display list: a Print of a whole year 1950..2050 whose text starts, as the
// plotter prints it, 15 canvas units left of that year's tick. The year, or 0 when `op` is none.
int yearLabelOf(const DrawOp& op, double scaleWidth);

// Texts start at CurrentX/CurrentY and run on to the right and down, so labels printed near the
// right or bottom edge (the year labels 15 twips above the bottom, the blue value labels 50 twips
// from the right) would fall off the picture. This is `paper` less the room those texts need at
// the right and the bottom (pixels), so that mapping the canvas onto it keeps every label readable.
QRectF targetLeavingRoomForTexts(const std::vector<DrawOp>& ops, const QRectF& paper, double scaleWidth,
                                 double scaleHeight, const QFont& font, QPaintDevice* device);

}  // namespace karnoth::render
