#pragma once
// The uncertainty chart: the street females aged one and over, from the first year shown (1950 or
// later) to 2050, as the main chart shows
// them (the window's own run, a solid red line), with the spread of the replicates around it: the
// 90 % band (5th to 95th percentile) light and hatched, the 50 % band (25th to 75th) darker and
// solid, and the median a dashed black line, so that each reads apart in black and white too. A
// dotted line marks the planner's target year. The value axis starts at 0 and ends at a round
// value above everything drawn; years are labelled every ten.
//
// layoutBandChart() fixes where everything goes, so the widget can turn the pointer into a year;
// paintBandChart() draws it, with the readout of one year when asked.

#include "analysis/uncertainty.h"
#include "render/chart_parts.h"
#include "render/value_axis.h"
#include "support/yearly_series.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

struct BandChart {
    QString title;  // the chart's first line
    std::optional<SeriesBands> bands;  // the street total's percentiles; none draws `notice`
    std::optional<YearlySeries> run;  // the window's own run's street total
    std::optional<int> targetYear;  // 1950..2050
    QString notice;  // why there are no bands
    int firstYear = kFirstYear;  // the first year shown, 1950..2040
};

struct BandChartLayout {
    QRectF area;  // everything, pixels
    QRectF title;
    QRectF legend;
    QRectF plot;  // firstYear at its left edge, 2050 at its right; the axis from its bottom up
    int firstYear = kFirstYear;
    ValueAxis axis;

    double xOfYear(double year) const;
    double yOf(double dogs) const;
};

BandChartLayout layoutBandChart(const BandChart& chart, const QRectF& area, const QFont& font, QPaintDevice* device);

// The year nearest to pixel x, or nullopt when x lies more than half a year outside firstYear..2050.
std::optional<int> bandChartYearAt(const BandChartLayout& layout, double x);

// The legend: the run, the median, the 50 % and the 90 % bands.
std::vector<LegendEntry> bandChartLegend();

// The readout of a year: the year, the run's street total, the median and both bands.
QStringList bandReadoutLines(const BandChart& chart, int year);

// Paints the chart into layout.area on a white ground; with `readoutYear`, a cursor line at that
// year and its readout beside it.
void paintBandChart(QPainter& painter, const BandChartLayout& layout, const BandChart& chart, const QFont& font,
                    std::optional<int> readoutYear = std::nullopt);

}  // namespace karnoth::render
