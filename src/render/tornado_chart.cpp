#include "render/tornado_chart.h"

#include "catalogue/input_catalogue.h"
#include "model/input_field.h"
#include "support/number_masks.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace karnoth::render {
namespace {

// The words of this drawing, in their own translation context.
struct TornadoWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::Tornado)
};

constexpr double kPadding = 6.0;  // pixels around and between the parts
constexpr double kTickLength = 4.0;
constexpr double kMostCaptionShare = 0.4;  // of the width, the widest the captions' column gets
constexpr double kBarShare = 0.6;  // of a row's height, the bar's

const QColor kLoweredColour(0x1f, 0x5f, 0xa8);  // hatched
const QColor kRaisedColour(0xe0, 0x8a, 0x2a);  // solid
const QColor kOutline(0x30, 0x30, 0x30);
const QColor kGrid(0xe4, 0xe4, 0xe4);
const QColor kHighlight(0xee, 0xf2, 0xf8);
const QColor kFaultText(0x9a, 0x10, 0x10);

QBrush loweredBrush()
{
    return QBrush(kLoweredColour, Qt::BDiagPattern);
}
QBrush raisedBrush()
{
    return QBrush(kRaisedColour);
}
QPen outcomePen()
{
    return QPen(Qt::black, 2.0);
}

QString inputText(double value)
{
    return QString::number(value, 'g', 6);
}
// The rate's bar holds tenths of a per cent; a reader sees per cent.
bool inTenths(const SensitivityRow& row)
{
    return inputRow(row.field).barInTenths;
}
QString shownValue(const SensitivityRow& row, double value)
{
    return inTenths(row) ? inputText(value / 10) + QStringLiteral(" %") : inputText(value);
}
// The catalogue's caption as the window shows it.
QString captionOf(const SensitivityRow& row)
{
    return QCoreApplication::translate(kInputTextContext, inputRow(row.field).caption);
}
// A change in per cent, in words a reader takes in at a glance: whole per cents, one decimal
// below 10 %.
QString percentText(double percent)
{
    const double size = std::abs(percent);
    return QString::fromStdString(formatGrouped(size < 10 ? std::round(size * 10) / 10 : std::round(size)));
}
// "10 % higher adult survival: 23 % more street dogs in 2035", for one end of a row.
QString endSentence(const SensitivityResult& result, const SensitivityRow& row, bool high)
{
    const double end = high ? row.high : row.low;
    const std::optional<double>& outcome = high ? row.outcomeHigh : row.outcomeLow;
    if (row.value == 0) return TornadoWords::tr("%1 is 0, and a per cent of 0 moves nothing").arg(captionOf(row));
    const double moved = 100 * (end - row.value) / row.value;
    const QString input = moved >= 0 ? TornadoWords::tr("%1 % higher %2").arg(percentText(moved), captionOf(row))
                                     : TornadoWords::tr("%1 % lower %2").arg(percentText(moved), captionOf(row));
    if (!outcome) return TornadoWords::tr("%1: the run faults").arg(input);
    const double given = *result.outcome;
    if (given == 0 || *outcome == given)
        return TornadoWords::tr("%1: %2 street dogs in %3").arg(input, dogsText(*outcome)).arg(result.year);
    const double change = 100 * (*outcome - given) / given;
    const QString dogs = change > 0 ? TornadoWords::tr("%1 % more street dogs in %2")
                                    : TornadoWords::tr("%1 % fewer street dogs in %2");
    return TornadoWords::tr("%1: %2").arg(input, dogs.arg(percentText(change)).arg(result.year));
}
QString elasticityText(const SensitivityRow& row)
{
    return row.elasticity ? QString::fromStdString(formatFixed(*row.elasticity)) : QStringLiteral("\u2014");
}

QString faultWords(const SensitivityRow& row)
{
    if (row.faultLow && row.faultHigh) return TornadoWords::tr("fault at both ends");
    if (row.faultLow) return TornadoWords::tr("fault at the low end");
    if (row.faultHigh) return TornadoWords::tr("fault at the high end");
    return {};
}

// The span of every street total the chart shows.
std::pair<double, double> spanOf(const SensitivityResult& result)
{
    double lowest = *result.outcome;
    double highest = *result.outcome;
    for (const SensitivityRow& row : result.rows)
        for (const std::optional<double>& end : {row.outcomeLow, row.outcomeHigh})
            if (end) {
                lowest = std::min(lowest, *end);
                highest = std::max(highest, *end);
            }
    return {lowest, highest};
}

bool hasTable(const SensitivityResult& result)
{
    return !result.fault && result.outcome.has_value();
}

QString axisTitle(const SensitivityResult& result)
{
    return TornadoWords::tr("street females aged one and over in %1").arg(result.year);
}

void paintAxis(QPainter& painter, const TornadoLayout& layout, const SensitivityResult& result,
               const QFontMetricsF& metrics)
{
    const QRectF& plot = layout.plot;
    for (double tick : layout.axis.ticks) {
        const double x = layout.xOf(tick);
        painter.setPen(QPen(kGrid, 0));
        painter.drawLine(QLineF(x, plot.top(), x, plot.bottom()));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(QLineF(x, plot.bottom(), x, plot.bottom() + kTickLength));
        const QString label = axisValueText(tick, layout.axis.step);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(x - width / 2, plot.bottom() + kTickLength + metrics.ascent()), label);
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QLineF(plot.bottomLeft(), plot.bottomRight()));
    const QString title = axisTitle(result);
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(title) / 2,
                             plot.bottom() + kTickLength + metrics.lineSpacing() + metrics.ascent()),
                     title);
}

// A bar's part from the outcome's line to one end's street total.
QRectF barPart(const TornadoLayout& layout, const QRectF& row, double outcome, double end)
{
    const double from = layout.xOf(outcome);
    const double to = layout.xOf(end);
    return QRectF(std::min(from, to), row.center().y() - layout.barHeight / 2, std::abs(to - from), layout.barHeight);
}

void paintRowBars(QPainter& painter, const TornadoLayout& layout, const QRectF& row, const SensitivityRow& data,
                  double outcome, const QFontMetricsF& metrics)
{
    struct Part {
        double end;
        QBrush brush;
    };
    std::vector<Part> parts;
    if (data.outcomeLow) parts.push_back({*data.outcomeLow, loweredBrush()});
    if (data.outcomeHigh) parts.push_back({*data.outcomeHigh, raisedBrush()});
    // Both ends on one side of the line: the longer part first, so the shorter shows on top.
    std::sort(parts.begin(), parts.end(),
              [&](const Part& a, const Part& b) { return std::abs(a.end - outcome) > std::abs(b.end - outcome); });
    for (const Part& part : parts) {
        painter.setPen(QPen(kOutline, 0));
        painter.setBrush(part.brush);
        painter.drawRect(barPart(layout, row, outcome, part.end));
    }
    painter.setBrush(Qt::NoBrush);

    // The street total at the outer end of each side, where it fits.
    const double outcomeX = layout.xOf(outcome);
    const double baseline = row.center().y() - metrics.height() / 2 + metrics.ascent();
    double rightmost = outcome;
    double leftmost = outcome;
    for (const Part& part : parts) {
        rightmost = std::max(rightmost, part.end);
        leftmost = std::min(leftmost, part.end);
    }
    painter.setPen(Qt::black);
    double usedRight = outcomeX;  // how far the right side's bar and label reach
    double usedLeft = outcomeX;
    if (rightmost > outcome) {
        const QString label = dogsText(rightmost);
        const double x = layout.xOf(rightmost) + kPadding / 2;
        usedRight = layout.xOf(rightmost);
        if (x + metrics.horizontalAdvance(label) <= layout.plot.right()) {
            painter.drawText(QPointF(x, baseline), label);
            usedRight = x + metrics.horizontalAdvance(label);
        }
    }
    if (leftmost < outcome) {
        const QString label = dogsText(leftmost);
        const double width = metrics.horizontalAdvance(label);
        const double x = layout.xOf(leftmost) - kPadding / 2 - width;
        usedLeft = layout.xOf(leftmost);
        if (x >= layout.plot.left()) {
            painter.drawText(QPointF(x, baseline), label);
            usedLeft = x;
        }
    }

    // A faulted end: its words beside the line, on the side with room.
    const QString words = faultWords(data);
    if (words.isEmpty()) return;
    QFont italic = painter.font();
    italic.setItalic(true);
    painter.save();
    painter.setFont(italic);
    const QFontMetricsF italicMetrics(italic, painter.device());
    const double width = italicMetrics.horizontalAdvance(words);
    const double roomRight = layout.plot.right() - usedRight;
    const double roomLeft = usedLeft - layout.plot.left();
    painter.setPen(kFaultText);
    const double y = row.center().y() - italicMetrics.height() / 2 + italicMetrics.ascent();
    if (roomRight >= roomLeft)
        painter.drawText(QPointF(usedRight + kPadding, y), words);
    else
        painter.drawText(QPointF(usedLeft - kPadding - width, y), words);
    painter.restore();
}

}  // namespace

double TornadoLayout::xOf(double streetTotal) const
{
    return plot.left() + axis.fraction(streetTotal) * plot.width();
}

QString tornadoTitle(const SensitivityResult& result)
{
    if (!hasTable(result)) return TornadoWords::tr("Street total in %1: no table").arg(result.year);
    return TornadoWords::tr("Street total in %1: %2 females aged one and over; each input moved %3 % both ways")
        .arg(result.year)
        .arg(dogsText(*result.outcome), inputText(result.deltaPercent));
}

std::vector<LegendEntry> tornadoLegend(const SensitivityResult& result)
{
    const QString delta = inputText(result.deltaPercent);
    return {
        {TornadoWords::tr("input lowered by %1 %").arg(delta), loweredBrush(), QPen(kOutline, 0)},
        {TornadoWords::tr("input raised by %1 %").arg(delta), raisedBrush(), QPen(kOutline, 0)},
        {TornadoWords::tr("street total at the inputs as given"), Qt::NoBrush, outcomePen()},
    };
}

TornadoLayout layoutTornado(const SensitivityResult& result, const QRectF& area, const QFont& font,
                            QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    TornadoLayout layout;
    layout.area = area;
    const QRectF inner = area.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold, device);
    const double titleHeight =
        boldMetrics.boundingRect(QRectF(0, 0, inner.width(), 1e6), Qt::TextWordWrap, tornadoTitle(result)).height();
    layout.title = QRectF(inner.left(), inner.top(), inner.width(), titleHeight);
    if (!hasTable(result)) {
        layout.plot = QRectF(inner.left(), layout.title.bottom() + kPadding, inner.width(),
                             std::max(0.0, inner.bottom() - layout.title.bottom() - kPadding));
        return layout;
    }
    const std::vector<LegendEntry> legend = tornadoLegend(result);
    layout.legend = QRectF(inner.left(), layout.title.bottom() + kPadding / 2, inner.width(),
                           legendHeight(legend, inner.width(), font, device));

    double captionWidth = 0;
    for (const SensitivityRow& row : result.rows)
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(captionOf(row)));
    captionWidth = std::min(captionWidth + 2 * kPadding, inner.width() * kMostCaptionShare);
    const double elasticityWidth = std::max(metrics.horizontalAdvance(TornadoWords::tr("elasticity")),
                                            metrics.horizontalAdvance(QStringLiteral("-00.00"))) +
                                   2 * kPadding;
    layout.captionRight = inner.left() + captionWidth - kPadding;
    layout.elasticityLeft = inner.right() - elasticityWidth + kPadding;

    // A line for the elasticity column's heading above the plot, and two below it for the axis.
    const double top = layout.legend.bottom() + metrics.lineSpacing();
    const double bottom = inner.bottom() - kTickLength - 2 * metrics.lineSpacing();
    const double plotWidth = std::max(1.0, inner.width() - captionWidth - elasticityWidth);
    layout.plot = QRectF(inner.left() + captionWidth, top, plotWidth, std::max(1.0, bottom - top));

    // The span widened by a label's width at each end, so that the street totals printed beside
    // the outer bar ends fit inside the plot.
    const auto [lowest, highest] = spanOf(result);
    const double labelWidth = metrics.horizontalAdvance(dogsText(highest)) + kPadding;
    const double room = std::min(0.3, labelWidth / layout.plot.width());
    const double widening = (highest - lowest) * room / (1 - 2 * room);
    layout.axis = niceAxis(std::max(0.0, lowest - widening), highest + widening,
                           std::max(2, static_cast<int>(layout.plot.width() / (labelWidth + 2 * kPadding))));

    const std::size_t count = result.rows.size();
    const double rowHeight = count ? layout.plot.height() / double(count) : 0;
    for (std::size_t i = 0; i < count; ++i)
        layout.rows.emplace_back(inner.left(), layout.plot.top() + double(i) * rowHeight, inner.width(), rowHeight);
    layout.barHeight = std::min(rowHeight * kBarShare, metrics.height() * 1.5);
    return layout;
}

std::optional<std::size_t> tornadoRowAt(const TornadoLayout& layout, QPointF point)
{
    for (std::size_t i = 0; i < layout.rows.size(); ++i)
        if (layout.rows[i].contains(point)) return i;
    return std::nullopt;
}

QStringList tornadoReadoutLines(const SensitivityResult& result, std::size_t row)
{
    if (!hasTable(result) || row >= result.rows.size()) return {};
    const SensitivityRow& data = result.rows[row];
    const auto outcome = [](const std::optional<double>& value) {
        return value ? dogsText(*value) : TornadoWords::tr("fault");
    };
    QStringList lines;
    lines << TornadoWords::tr("%1: %2, moved to %3 .. %4")
                 .arg(captionOf(data), shownValue(data, data.value), shownValue(data, data.low),
                      shownValue(data, data.high));
    lines << tornadoSentences(result, row);
    lines << TornadoWords::tr("street total in %1: %2 .. %3 (%4 as given)")
                 .arg(result.year)
                 .arg(outcome(data.outcomeLow), outcome(data.outcomeHigh), dogsText(*result.outcome));
    if (!data.faulted())
        lines << TornadoWords::tr("swing %1, elasticity %2").arg(dogsText(data.swing()), elasticityText(data));
    if (data.faultLow) lines << TornadoWords::tr("low end: %1").arg(QString::fromStdString(*data.faultLow));
    if (data.faultHigh) lines << TornadoWords::tr("high end: %1").arg(QString::fromStdString(*data.faultHigh));
    return lines;
}

QStringList tornadoSentences(const SensitivityResult& result, std::size_t row)
{
    if (!hasTable(result) || row >= result.rows.size()) return {};
    const SensitivityRow& data = result.rows[row];
    if (data.value == 0) return {endSentence(result, data, true)};
    return {endSentence(result, data, true), endSentence(result, data, false)};
}

void paintTornado(QPainter& painter, const TornadoLayout& layout, const SensitivityResult& result, const QFont& font,
                  std::optional<std::size_t> highlighted)
{
    painter.save();
    paintGroundAndTitle(painter, layout.area, layout.title, tornadoTitle(result), font);
    if (!hasTable(result)) {
        paintNotice(painter, layout.plot, QString::fromStdString(result.fault.value_or("")), font);
        painter.restore();
        return;
    }
    const QFontMetricsF metrics(font, painter.device());
    paintLegendEntries(painter, layout.legend, tornadoLegend(result), font);

    if (highlighted && *highlighted < layout.rows.size()) painter.fillRect(layout.rows[*highlighted], kHighlight);
    paintAxis(painter, layout, result, metrics);
    painter.setPen(Qt::black);
    const QPointF heading(layout.elasticityLeft, layout.plot.top() - metrics.descent() - 1);
    painter.drawText(heading, TornadoWords::tr("elasticity"));

    const double captionWidth = layout.captionRight - layout.area.left() - kPadding;
    for (std::size_t i = 0; i < layout.rows.size() && i < result.rows.size(); ++i) {
        const QRectF& row = layout.rows[i];
        const SensitivityRow& data = result.rows[i];
        const double baseline = row.center().y() - metrics.height() / 2 + metrics.ascent();
        const QString caption = metrics.elidedText(captionOf(data), Qt::ElideRight, captionWidth);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(layout.captionRight - metrics.horizontalAdvance(caption), baseline), caption);
        painter.drawText(QPointF(layout.elasticityLeft, baseline), elasticityText(data));
        paintRowBars(painter, layout, row, data, *result.outcome, metrics);
    }

    painter.setPen(outcomePen());
    const double x = layout.xOf(*result.outcome);
    painter.drawLine(QLineF(x, layout.plot.top(), x, layout.plot.bottom()));
    painter.restore();
}

}  // namespace karnoth::render
