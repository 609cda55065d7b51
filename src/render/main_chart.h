#pragma once
// The main chart, laid out from the picture area's display list by what each line and print stands
// for (the plotter marks them, chart/chart_part.h), then painted with QPainter. Canvas units (twips,
// the picture area's ScaleWidth x ScaleHeight) are stretched onto a target rectangle in pixels;
// texts keep the font's own size and hang from CurrentY, as the picture box prints them.
//
// Every series draws its curve as 100 segments and the ticks and year labels again; the layout
// joins a series' segments of consecutive years into one polyline, keeps one tick of each year and
// kind and one label of each year, and centres a year label on its tick rather than starting it
// just left of it. Lines and texts no one marked are painted as they were drawn. When the years are
// shown from a later first year, the layout drops what lies before it and spreads the rest over
// the width the years 1950..2050 had; the display list itself is left as the plotter drew it.

#include "chart/recording_canvas.h"
#include "chart/year_axis.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

QColor toQColor(Rgb colour);

// How the curve of a series the plotter draws in `plotted` looks wherever it is painted: a dash and
// a weight (pixels, or points on paper) that no other series shares, so that the series tell apart
// in grey print, and a shade dark enough to show on white paper.
struct SeriesLook {
    Rgb plotted;
    QColor shown;
    Qt::PenStyle dash = Qt::SolidLine;
    double weight = 1;
};
// Red solid (the street total), green dashed and heavier (the fertile females), blue dotted (the
// sterilisations), purple dash-dot (the street coverage).
const std::vector<SeriesLook>& seriesLooks();

// A curve's line: the look of the series drawn in `colour` (as plotted); a hairline in it for any
// other colour.
QPen curveLine(const QColor& colour);

struct MainChartLayout {
    // A series' curve: its pieces, each a polyline of consecutive years (a point too far off the
    // picture to draw breaks it), pixels.
    struct Curve {
        int series = 0;
        QColor colour;
        std::vector<QPolygonF> pieces;
    };
    // A text: where its baseline starts, pixels.
    struct Text {
        int series = -1;  // -1 for the year labels and texts no series drew
        QString text;
        QPointF baseline;
        QColor colour;
    };
    struct Line {
        QLineF line;
        QColor colour;
    };

    QRectF paper;  // filled and clipped to, pixels
    QRectF target;  // where the canvas is stretched to: the paper less room for texts at the edges
    double scaleWidth = 0;  // canvas units across the target
    double scaleHeight = 0;  // canvas units down the target
    int firstYear = kFirstYear;  // the first year shown
    std::vector<Curve> curves;  // in the order the series were plotted
    std::vector<QLineF> ticks;  // one per year and kind, black
    std::vector<Text> yearLabels;  // one per labelled year, centred on its tick
    std::vector<Text> seriesTexts;  // value labels and captions, in the order drawn
    std::vector<double> gridXs;  // the labelled years' ticks, pixels
    std::vector<double> gridYs;  // the first labelled scale's values, pixels
    std::vector<Line> unmarkedLines;  // drawn by no series
    bool hasData = false;  // anything drawn since the last Cls
    bool streetCoverage = false;  // a curve of the street coverage (purple, in per cent) was drawn

    // A canvas point in pixels.
    QPointF toPixels(double x, double y) const;
    // A canvas x of the plotter's years (1950..2050) moved to where its year is shown.
    double shownX(double canvasX) const;
    // The pixel x of a year's tick.
    double xOfYear(int year) const;
    // Where the curves run: the years shown across, the scale's 0 to its top value down (pixels).
    QRectF plotArea() const;
    // The year whose tick is nearest to pixel x, or nullopt more than half a year outside
    // firstYear..2050.
    std::optional<int> yearAt(double pixelX) const;
};

// Lays `ops` out on `paper` (pixels) for a canvas of scaleWidth x scaleHeight units in `font`, the
// years from `firstYear` (1950..2040) on.
MainChartLayout layoutMainChart(const std::vector<DrawOp>& ops, const QRectF& paper, double scaleWidth,
                                double scaleHeight, const QFont& font, QPaintDevice* device,
                                int firstYear = kFirstYear);

// Fills the paper with `background`, then with `gridlines` draws light lines at every labelled year
// and at the three labelled values, then the ticks, the curves (each with its curveLine, so that
// the series tell apart in black and white) and the texts.
void paintMainChart(QPainter& painter, const MainChartLayout& layout, const QFont& font, const QColor& background,
                    bool gridlines = false);

}  // namespace karnoth::render
