#pragma once
// Several scenarios' runs on common axes: each scenario's street total (street females aged one
// and over) as a thick line, optionally with a thin companion line of the same style, its fertile
// street females (on the same scale) or its programme's sterilisations per year (on a scale of
// their own at the right). Each scenario has its own colour AND dash pattern AND marker shape, so
// the drawing reads in black and white; a legend under the axes names them. The years from the
// first year shown (1950 or later) to 2050 run left to right, counts are female dogs from 0 at the bottom.

#include "analysis/comparison_table.h"
#include "model/run_series.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

inline constexpr int kOverlayStyleCount = 8;  // at most this many scenarios are drawn

enum class OverlayCompanion { None, Breeders, Sterilisations };

enum class MarkerShape { Circle, Square, TriangleUp, Diamond, Cross, Plus, TriangleDown, Star };

// How one scenario is drawn: the index-th of kOverlayStyleCount (taken modulo the count).
struct OverlayStyle {
    QColor colour;
    QVector<qreal> dashes;  // dash and gap lengths in pen widths; empty: solid
    MarkerShape marker;
};
OverlayStyle overlayStyle(int index);

// A pen of the style, `width` pixels wide.
QPen overlayPen(const OverlayStyle& style, double width);

// One scenario as drawn.
struct OverlayLine {
    QString name;
    RunSeries series;
    int style = 0;  // overlayStyle(style)
};

// Where the axes lie in an area and what they span. Computed by overlayLayout; every drawing and
// the hover readout use the same.
struct OverlayLayout {
    QRectF area;  // everything: axes, labels, legend (pixels)
    QRectF plot;  // the axes' box (pixels)
    int firstYear = kFirstYear;  // the year at the plot's left edge
    double top = 1;  // dogs at the top of the left axis
    double rightTop = 0;  // sterilisations at the top of the right axis; 0: no right axis
    double unit = 1;  // pixels of one line-width unit, from the font's size on the device
    QRectF legend;  // the legend under the axes (pixels)
    int legendColumns = 1;

    // Pixel x of a year; pixel y of a count on the left and the right scale.
    double xOf(double year) const;
    double yOf(double count) const;
    double yOfRight(double count) const;
    // The year whose x is nearest to pixel x, nullopt outside the axes by more than half a year.
    std::optional<int> yearAt(double x) const;
};

// The top of an axis for counts up to `largest`: the least of 1, 2, 2.5 and 5 times a power of 10
// that is at least `largest` (1 when `largest` is not above 0 or not finite).
double niceAxisTop(double largest);

OverlayLayout overlayLayout(const QRectF& area, const std::vector<OverlayLine>& lines, OverlayCompanion companion,
                            const QFont& font, QPaintDevice* device, int firstYear = kFirstYear);

// White paper, gridlines, axes with year and count labels, each line with its markers (every ten
// years, each style offset by a year so that markers of different scenarios do not sit on top of
// one another), then the legend.
void paintOverlay(QPainter& painter, const OverlayLayout& layout, const std::vector<OverlayLine>& lines,
                  OverlayCompanion companion, const QFont& font);

// The readout of a year: the year, then for each line its name and street total (and companion),
// counts in "##,##0".
QStringList overlayReadoutLines(int year, const std::vector<OverlayLine>& lines, OverlayCompanion companion);

// A cursor line at the year and, beside it, a box with the readout, each line after its style.
void paintOverlayReadout(QPainter& painter, const OverlayLayout& layout, int year,
                         const std::vector<OverlayLine>& lines, OverlayCompanion companion, const QFont& font);

// What the thick and thin lines show, in words, for the legend's last line.
QString overlayCaption(OverlayCompanion companion);

// A short stretch of the style's line with its marker in the middle, in `box`: the legend's and the
// table's swatch.
void paintOverlaySwatch(QPainter& painter, const QRectF& box, const OverlayStyle& style, double unit);

// The lines the overlay draws of a comparison: the row at position i is drawn in style i when it
// has a run and i is below kOverlayStyleCount; a faulted row leaves its style unused.
std::vector<OverlayLine> overlayLines(const std::vector<ComparisonRow>& rows);

}  // namespace karnoth::render
