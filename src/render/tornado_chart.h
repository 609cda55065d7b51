#pragma once
// The tornado chart of a sensitivity table: one row per input in the table's order (largest swing
// at the top, faulted rows last), labelled on the left by the input's caption. A vertical line
// stands at the outcome (the street total in the chosen year at the inputs as given); each row's
// bar runs from outcomeLow to outcomeHigh, split at that line: the part the lowered input gives is
// hatched, the part the raised input gives is solid, so the two read apart in black and white too.
// An end whose run faulted draws no bar but the words "fault at the low end" (or high, or both)
// beside the line. Captions are the window's; the sterilisation rate reads in per cent (the bar
// holds tenths). The elasticity of each row stands in a column on the right. Above: a title and
// the legend; below: the street-total axis with round ticks.
//
// layoutTornado() fixes where everything goes for an area, so the widget can tell which row the
// pointer is over; paintTornado() draws it. A table that could not be made draws its fault instead.

#include "analysis/sensitivity.h"
#include "render/chart_parts.h"
#include "render/value_axis.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace karnoth::render {

struct TornadoLayout {
    QRectF area;  // everything, pixels
    QRectF title;  // the title line
    QRectF legend;  // the legend below it
    QRectF plot;  // the bars' area: the axis runs across it
    double captionRight = 0;  // captions end here, right-aligned
    double elasticityLeft = 0;  // the elasticity column starts here
    ValueAxis axis;  // street total across the plot
    std::vector<QRectF> rows;  // each row's band across the whole width, in the table's order
    double barHeight = 0;

    // The x of a street total on the axis (pixels).
    double xOf(double streetTotal) const;
};

// Nothing is laid out for the rows of a table that could not be made (its fault is drawn instead).
TornadoLayout layoutTornado(const SensitivityResult& result, const QRectF& area, const QFont& font,
                            QPaintDevice* device);

// The row under `point`, if any.
std::optional<std::size_t> tornadoRowAt(const TornadoLayout& layout, QPointF point);

// The chart's title: "Street total in 2030: 37,143 females aged one and over; each input moved 10 %
// both ways".
QString tornadoTitle(const SensitivityResult& result);

// The legend entries: the lowered input (hatched), the raised input (solid), the outcome's line.
std::vector<LegendEntry> tornadoLegend(const SensitivityResult& result);

// A row in plain words, one sentence an end, the raised end first: "10 % higher adult survival:
// 23 % more street dogs in 2035". The sterilisation rate reads in per cent.
QStringList tornadoSentences(const SensitivityResult& result, std::size_t row);

// What hovering over a row tells: the input and its two ends, the street total each gives, the
// swing, the elasticity, and the message of each end that faulted.
QStringList tornadoReadoutLines(const SensitivityResult& result, std::size_t row);

// Paints the chart into layout.area on a white ground; `highlighted` row gets a light band behind it.
void paintTornado(QPainter& painter, const TornadoLayout& layout, const SensitivityResult& result, const QFont& font,
                  std::optional<std::size_t> highlighted = std::nullopt);

}  // namespace karnoth::render
