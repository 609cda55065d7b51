#pragma once
// Pieces the analyses' charts share: a legend of swatches in rows (a fill drawn with its brush,
// so hatching shows on paper printed in black and white, or a line with its pen), a readout box of
// lines kept inside the chart, a notice in place of a chart that cannot be drawn, and the texts of
// axis values.

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

struct LegendEntry {
    QString text;
    QBrush fill = Qt::NoBrush;  // a small box filled so, outlined with `pen`, when set
    QPen pen;  // the line itself when there is no fill
    QBrush ground = Qt::NoBrush;  // painted under `fill`, as a hatched area's light colour
};

// The legend's height for `entries` laid out in rows at most `width` pixels wide.
double legendHeight(const std::vector<LegendEntry>& entries, double width, const QFont& font, QPaintDevice* device);

// Paints the entries left to right from `area`'s top left, wrapping to a new row when the next one
// would pass its right edge.
void paintLegendEntries(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries,
                        const QFont& font);

// A white box with `lines` (each wrapped at word boundaries to at most 60 % of `bounds`' width),
// its top left just right of and below `anchor`, moved left of it or up as needed to stay in
// `bounds`.
void paintReadoutBox(QPainter& painter, const QRectF& bounds, QPointF anchor, const QStringList& lines,
                     const QFont& font);

// The chart's white ground over `area` and its title in bold black in `titleArea`, wrapped at word
// boundaries; leaves the painter in `font`, black.
void paintGroundAndTitle(QPainter& painter, const QRectF& area, const QRectF& titleArea, const QString& title,
                         const QFont& font);

// `text` centred in `area`, wrapped at word boundaries, dark grey on what is there.
void paintNotice(QPainter& painter, const QRectF& area, const QString& text, const QFont& font);

// An axis value as the window writes counts of dogs: "##,##0" when the step between ticks is 1 or
// more, otherwise its shortest plain form to 6 significant digits.
QString axisValueText(double value, double step);

// A count of dogs in "##,##0".
QString dogsText(double value);

}  // namespace karnoth::render
