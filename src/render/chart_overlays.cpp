#include "render/chart_overlays.h"

#include "chart/color.h"
#include "panel/report_texts.h"
#include "render/legend_place.h"
#include "render/main_chart.h"
#include "render/translated_phrase.h"
#include "support/number_masks.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace karnoth::render {
namespace {

// The words of this drawing, in their own translation context.
struct ChartWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::Chart)
};

QString grouped(double value)
{
    return QString::fromStdString(formatGrouped(value));
}
QString plain(double value)
{
    return QString::fromStdString(formatPlain(value));
}

constexpr std::array<Rgb, 4> kSeriesColours{kRed, kGreen, kBlue, kPurple};
constexpr double kPadding = 4.0;  // pixels inside a box
constexpr double kSwatch = 14.0;  // a legend line's length in pixels
const QColor kBoxBorder(0xa0, 0xa0, 0xa0);

// Lines one under the other, each after a short line in its colour when it has one, drawn with the
// pen of `linePens` at the same index when there is one.
void paintEntries(QPainter& painter, QPointF topLeft, const QStringList& lines, const std::vector<QColor>& swatches,
                  const QFontMetricsF& metrics, const std::vector<QPen>& linePens = {})
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double top = topLeft.y() + i * metrics.lineSpacing();
        double x = topLeft.x();
        if (i < static_cast<qsizetype>(swatches.size()) && swatches[i].isValid()) {
            QPen pen(swatches[i]);
            pen.setWidthF(2.0);
            painter.setPen(i < static_cast<qsizetype>(linePens.size()) ? linePens[i] : pen);
            const double middle = top + metrics.height() / 2.0;
            painter.drawLine(QLineF(x, middle, x + kSwatch, middle));
            x += kSwatch + kPadding;
        }
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, top + metrics.ascent()), lines[i]);
    }
}

double entriesWidth(const QStringList& lines, const std::vector<QColor>& swatches, const QFontMetricsF& metrics)
{
    double width = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool swatch = i < static_cast<qsizetype>(swatches.size()) && swatches[i].isValid();
        width = std::max(width, metrics.horizontalAdvance(lines[i]) + (swatch ? kSwatch + kPadding : 0.0));
    }
    return width;
}

QPen legendPen(Rgb colour)
{
    return curveLine(toQColor(colour));
}

void paintBox(QPainter& painter, const QRectF& box)
{
    painter.setPen(QPen(kBoxBorder, 0));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

HoverReadout readoutOf(const RunSeries& series, int year)
{
    return HoverReadout{year, series.streetTotal[year], series.streetBreeders[year], series.extraSterilisations[year]};
}

QStringList readoutLines(const HoverReadout& readout)
{
    const QStringList names = legendEntries();
    return {QString::number(readout.year), names[0] + QStringLiteral(": ") + grouped(readout.streetTotal),
            names[1] + QStringLiteral(": ") + grouped(readout.streetBreeders),
            names[2] + QStringLiteral(": ") + grouped(readout.extraSterilisations)};
}

QStringList legendEntries(bool streetCoverage)
{
    QStringList entries{ChartWords::tr("street females aged one and over"), ChartWords::tr("fertile street females"),
                        ChartWords::tr("sterilisations per year (right scale)")};
    if (streetCoverage) entries << ChartWords::tr("street coverage, 0 to 100 % of the height");
    return entries;
}

void paintLegend(QPainter& painter, const MainChartLayout& layout, const QFont& font)
{
    if (!layout.hasData) return;
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const bool streetCoverage = layout.streetCoverage;
    const QStringList entries = legendEntries(streetCoverage);
    std::vector<QPen> pens;
    for (qsizetype i = 0; i < entries.size(); ++i) pens.push_back(legendPen(kSeriesColours[i]));
    std::vector<QColor> swatches;
    for (qsizetype i = 0; i < entries.size(); ++i) swatches.push_back(toQColor(kSeriesColours[i]));
    // One entry a row fits a corner; one row of them, when a corner has none free, goes above the
    // curves where the widest is not wider than the chart.
    const QSizeF column(entriesWidth(entries, swatches, metrics) + 2 * kPadding,
                        entries.size() * metrics.lineSpacing() + 2 * kPadding);
    std::vector<double> widths;
    double rowWidth = kPadding;
    for (const QString& entry : entries) {
        widths.push_back(kSwatch + kPadding + metrics.horizontalAdvance(entry));
        rowWidth += widths.back() + 3 * kPadding;
    }
    const QSizeF row(rowWidth, metrics.height() + 2 * kPadding);
    const QRectF plot = layout.plotArea();
    const bool oneRow = row.width() <= layout.target.width();
    std::vector<QPolygonF> lines;
    for (const MainChartLayout::Curve& curve : layout.curves)
        lines.insert(lines.end(), curve.pieces.begin(), curve.pieces.end());
    const QRectF box = placeLegend(plot, column, oneRow ? row : column, lines, kPadding);
    paintBox(painter, box);
    if (oneRow && box.top() < plot.top()) {
        double x = box.left() + 2 * kPadding;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            paintEntries(painter, QPointF(x, box.top() + kPadding), {entries[i]}, {swatches[i]}, metrics,
                         {pens[static_cast<std::size_t>(i)]});
            x += widths[static_cast<std::size_t>(i)] + 3 * kPadding;
        }
    } else {
        paintEntries(painter, box.topLeft() + QPointF(kPadding, kPadding), entries, swatches, metrics, pens);
    }
    painter.restore();
}

void paintReadout(QPainter& painter, const QRectF& plot, double x, const HoverReadout& readout, const QFont& font)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    QPen cursor(QColor(0x60, 0x60, 0x60), 0, Qt::DashLine);
    painter.setPen(cursor);
    painter.drawLine(QLineF(x, plot.top(), x, plot.bottom()));

    const QStringList lines = readoutLines(readout);
    std::vector<QColor> swatches{QColor()};
    for (Rgb colour : kSeriesColours) swatches.push_back(toQColor(colour));
    const double width = entriesWidth(lines, swatches, metrics) + 2 * kPadding;
    const double height = lines.size() * metrics.lineSpacing() + 2 * kPadding;
    double left = x + 2 * kPadding;
    if (left + width > plot.right()) left = x - 2 * kPadding - width;  // flip to the left of the line
    left = std::max(left, plot.left());
    const QRectF box(left, plot.top() + plot.height() * 0.12, width, height);
    paintBox(painter, box);
    paintEntries(painter, box.topLeft() + QPointF(kPadding, kPadding), lines, swatches, metrics);
    painter.restore();
}

QString staleBannerText()
{
    return ChartWords::tr("inputs changed \u2014 press Run");
}

QString stoppedRunBannerText(const std::string& fault, const std::optional<Phrase>& faultPhrase)
{
    const Phrase line = stoppedRunLine(fault);
    if (!faultPhrase) return translatedPhrase(line);
    QString shown = translatedPhrase(*faultPhrase);
    if (shown.endsWith(QLatin1Char('.'))) shown.chop(1);
    return QCoreApplication::translate(kPhraseContext, line.pattern).arg(shown);
}

void paintStaleBanner(QPainter& painter, const QRectF& plot, const QFont& font, const QString& text)
{
    painter.save();
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetricsF metrics(bold, painter.device());
    // One line when it fits, else wrapped to the plot's width less a margin.
    const double textWidth = std::min(metrics.horizontalAdvance(text), std::max(plot.width() - 8 * kPadding, 1.0));
    constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
    const QRectF bound = metrics.boundingRect(QRectF(0, 0, textWidth, 1e6), kFlags, text);
    const double width = textWidth + 6 * kPadding;
    const double height = bound.height() + 2 * kPadding;
    const QRectF box(plot.center().x() - width / 2.0, plot.top() + plot.height() * 0.25, width, height);
    painter.setPen(QPen(QColor(0xd8, 0xc0, 0x60), 0));
    painter.setBrush(QColor(0xff, 0xf4, 0xc0, 220));
    painter.drawRect(box);
    painter.setPen(QColor(0x50, 0x40, 0x00));
    painter.drawText(box.adjusted(3 * kPadding, kPadding, -3 * kPadding, -kPadding), kFlags, text);
    painter.restore();
}

QStringList footerLines(const std::optional<WindowInputs>& run, const QDate& date, bool logScale)
{
    QStringList lines;
    if (run) {
        const ModelInputs& in = run->inputs;
        lines << ChartWords::tr(
                     "adult survival %1, juvenile survival %2, age at first litter %3, age at last litter %4, "
                     "prob. pregnant %5, female pups per litter %6, %7 % of owned yearlings sterilised by "
                     "their owners")
                     .arg(plain(in.adultSurvival), plain(in.streetJuvenileSurvival), plain(in.ageAtFirstLitter),
                          plain(in.ageAtLastLitter), plain(in.probPregnant), plain(in.femalePupsPerLitter),
                          plain(in.ownedSterilisedPercent));
        QString programme =
            ChartWords::tr("%1 one-year-old females abandoned per year; programme %2 % a year from %3 (%4 times in the "
                           "first year), %5 % of it aimed at owned dogs")
                .arg(grouped(in.abandonedPerYear), plain(in.programmeRate / 10.0), QString::number(in.programmeStart),
                     plain(in.firstYearMultiplier), plain(in.ownedShare));
        if (in.onlyYearlings) programme += ChartWords::tr(", street dogs only 1-year olds");
        programme += ChartWords::tr("; dogs killed from %1 to %2").arg(in.cullFrom).arg(in.cullTo);
        lines << programme;
    }
    QString signature = QStringLiteral("Karnoth, %1").arg(date.toString(Qt::ISODate));
    if (logScale) signature += ChartWords::tr(", log scale: the axes show ln(dogs + 1)");
    lines << signature;
    return lines;
}

double footerHeight(const QStringList& lines, double width, const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    double height = 2 * kPadding;
    for (const QString& line : lines)
        height += metrics.boundingRect(QRectF(0, 0, width - 2 * kPadding, 1e6), Qt::TextWordWrap, line).height();
    return std::ceil(height);
}

void paintFooter(QPainter& painter, const QRectF& area, const QStringList& lines, const QFont& font)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    double top = area.top() + kPadding;
    for (const QString& line : lines) {
        const QRectF room(area.left() + kPadding, top, area.width() - 2 * kPadding, area.bottom() - top);
        const QRectF used = metrics.boundingRect(room, Qt::TextWordWrap, line);
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
        top += used.height();
    }
    painter.restore();
}

}  // namespace karnoth::render
