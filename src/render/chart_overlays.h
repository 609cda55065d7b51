#pragma once
// What the window paints over the main chart, and an export around it: the legend of the
// three colours, the hover readout (a cursor line at a year with the three counts of that year),
// the banner that says the chart no longer matches the inputs, and an export's footer (the main
// inputs of the run shown, the date and "Karnoth"). None of them changes the display list.

#include "model/run_series.h"
#include "panel/window_inputs.h"
#include "render/main_chart.h"
#include "support/phrase.h"

#include <QDate>
#include <QFont>
#include <QPen>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace karnoth::render {

// The counts of one year of a run's series, in dogs (before any log transform).
struct HoverReadout {
    int year = 0;
    float streetTotal = 0;  // street females aged one and over (red)
    float streetBreeders = 0;  // fertile street females of breeding age (green)
    float extraSterilisations = 0;  // the programme's sterilisations that year (blue)
};

// The readout of `year` from `series`.
HoverReadout readoutOf(const RunSeries& series, int year);

// The readout as the window shows it: the year, then one line per series, counts in "##,##0".
QStringList readoutLines(const HoverReadout& readout);

// The legend's three entries, red, green and blue, in words, and the street coverage's (purple)
// when it is charted.
QStringList legendEntries(bool streetCoverage = false);

// The legend on a white box, where it covers no curve: one entry a row in the first corner of the
// plot area that no curve crosses, or else in one row above the plot area. Each swatch is drawn as
// its series' curve is (curveLine).
void paintLegend(QPainter& painter, const MainChartLayout& layout, const QFont& font);

// A vertical line at pixel x from the top to the bottom of `plot`, and beside it a box with the
// readout's lines, kept inside `plot`.
void paintReadout(QPainter& painter, const QRectF& plot, double x, const HoverReadout& readout, const QFont& font);

// A faint banner across the upper middle of `plot` saying `text`, wrapped when it is wider than the
// plot: the chart shows a run of other inputs than the window's.
void paintStaleBanner(QPainter& painter, const QRectF& plot, const QFont& font, const QString& text);
// The banner's text when inputs changed after the run shown.
QString staleBannerText();
// The banner's text when the last run stopped with `fault`, so the chart shows the run before it;
// the fault in the window's language when it was made from `faultPhrase`.
QString stoppedRunBannerText(const std::string& fault, const std::optional<Phrase>& faultPhrase);

// An export's footer: the main inputs of the run shown, one line of life history and one of the
// programme and culling, then the date and "Karnoth"; only the last line without inputs.
QStringList footerLines(const std::optional<WindowInputs>& inputs, const QDate& date, bool logScale);

// The footer's height in pixels for `lines` wrapped at `width` pixels in `font`, with its margins.
double footerHeight(const QStringList& lines, double width, const QFont& font, QPaintDevice* device);

// Paints the footer's lines into `area` (pixels), black, each wrapped at word boundaries.
void paintFooter(QPainter& painter, const QRectF& area, const QStringList& lines, const QFont& font);

}  // namespace karnoth::render
