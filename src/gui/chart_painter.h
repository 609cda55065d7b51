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
    QRectF paper = {};   // filled and clipped to; the target when empty
};

// Fills the paper with `background` and paints every line and text of `ops` over it.
void paintChart(QPainter& painter, const std::vector<DrawOp>& ops, const ChartGeometry& geometry,
                const QFont& font, const QColor& background);

// Texts start at CurrentX/CurrentY and run on to the right and down, so labels printed near the
// right or bottom edge (the year labels 15 twips above the bottom, the blue value labels 50 twips
// from the right) would fall off the picture. This is `paper` less the room those texts need at
// the right and the bottom (pixels), so that mapping the canvas onto it keeps every label readable.
QRectF targetLeavingRoomForTexts(const std::vector<DrawOp>& ops, const QRectF& paper, double scaleWidth,
                                 double scaleHeight, const QFont& font, QPaintDevice* device);

}  // namespace karnoth::gui
