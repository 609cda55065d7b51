#include "render/band_chart.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace karnoth::render {
namespace {

// The words of this drawing, in their own translation context.
struct BandWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::Bands)
};

constexpr double kPadding = 6.0;  // pixels around and between the parts
constexpr double kTickLength = 4.0;
constexpr int kYearLabelStep = 10;

// Positions in SeriesBands::bands (kBandPercentiles 5, 25, 50, 75, 95).
constexpr std::size_t kP5 = 0, kP25 = 1, kP50 = 2, kP75 = 3, kP95 = 4;

const QColor kRunColour(255, 0, 0);  // the main chart's street series
const QColor kWideGround(0xfb, 0xe3, 0xe0);
const QColor kWideHatch(0xd0, 0x70, 0x68);
const QColor kNarrowColour(0xe8, 0x9a, 0x92);
const QColor kGrid(0xe4, 0xe4, 0xe4);
const QColor kTargetColour(0x50, 0x50, 0x50);

QPen runPen()
{
    return QPen(kRunColour, 2.0);
}
QPen medianPen()
{
    return QPen(Qt::black, 2.0, Qt::DashLine);
}
QBrush wideBrush()
{
    return QBrush(kWideHatch, Qt::FDiagPattern);
}
QBrush narrowBrush()
{
    return QBrush(kNarrowColour);
}

double percentileAt(const SeriesBands& bands, std::size_t band, int year)
{
    return bands.bands[band][static_cast<std::size_t>(year - kFirstYear)];
}

// The band between two percentiles as a closed polygon: the upper edge forwards, the lower back.
QPolygonF bandPolygon(const BandChartLayout& layout, const SeriesBands& bands, std::size_t lower, std::size_t upper)
{
    QPolygonF polygon;
    for (int year = layout.firstYear; year <= kLastYear; ++year)
        polygon << QPointF(layout.xOfYear(year), layout.yOf(percentileAt(bands, upper, year)));
    for (int year = kLastYear; year >= layout.firstYear; --year)
        polygon << QPointF(layout.xOfYear(year), layout.yOf(percentileAt(bands, lower, year)));
    return polygon;
}

template <class ValueOf>
QPainterPath yearlyPath(const BandChartLayout& layout, ValueOf valueOf)
{
    QPainterPath path;
    for (int year = layout.firstYear; year <= kLastYear; ++year) {
        const QPointF point(layout.xOfYear(year), layout.yOf(valueOf(year)));
        if (year == layout.firstYear)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

int firstYearOf(const BandChart& chart)
{
    return std::clamp(chart.firstYear, kFirstYear, kLastYear - 10);
}

double highestOf(const BandChart& chart)
{
    double highest = 0;
    for (int year = firstYearOf(chart); year <= kLastYear; ++year) {
        if (chart.bands) highest = std::max(highest, percentileAt(*chart.bands, kP95, year));
        if (chart.run) highest = std::max(highest, double((*chart.run)[year]));
    }
    return std::isfinite(highest) ? highest : 0;
}

void paintAxes(QPainter& painter, const BandChartLayout& layout, const QFontMetricsF& metrics)
{
    const QRectF& plot = layout.plot;
    for (double tick : layout.axis.ticks) {
        const double y = layout.yOf(tick);
        painter.setPen(QPen(kGrid, 0));
        painter.drawLine(QLineF(plot.left(), y, plot.right(), y));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(QLineF(plot.left() - kTickLength, y, plot.left(), y));
        const QString label = axisValueText(tick, layout.axis.step);
        painter.drawText(QPointF(plot.left() - kTickLength - 2 - metrics.horizontalAdvance(label),
                                 y - metrics.height() / 2 + metrics.ascent()),
                         label);
    }
    const int firstLabel = (layout.firstYear + kYearLabelStep - 1) / kYearLabelStep * kYearLabelStep;
    for (int year = firstLabel; year <= kLastYear; year += kYearLabelStep) {
        const double x = layout.xOfYear(year);
        painter.setPen(QPen(kGrid, 0));
        painter.drawLine(QLineF(x, plot.top(), x, plot.bottom()));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(QLineF(x, plot.bottom(), x, plot.bottom() + kTickLength));
        const QString label = QString::number(year);
        const QPointF at(x - metrics.horizontalAdvance(label) / 2, plot.bottom() + kTickLength + metrics.ascent());
        painter.drawText(at, label);
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QLineF(plot.bottomLeft(), plot.bottomRight()));
    painter.drawLine(QLineF(plot.bottomLeft(), plot.topLeft()));
}

void paintTarget(QPainter& painter, const BandChartLayout& layout, int year, const QFontMetricsF& metrics)
{
    const double x = layout.xOfYear(year);
    painter.setPen(QPen(kTargetColour, 1.0, Qt::DotLine));
    painter.drawLine(QLineF(x, layout.plot.top(), x, layout.plot.bottom()));
    const QString label = BandWords::tr("target %1").arg(year);
    const double width = metrics.horizontalAdvance(label);
    const double left = x + 3 + width <= layout.plot.right() ? x + 3 : x - 3 - width;
    painter.setPen(kTargetColour);
    painter.drawText(QPointF(left, layout.plot.top() + metrics.ascent()), label);
}

}  // namespace

double BandChartLayout::xOfYear(double year) const
{
    return plot.left() + (year - firstYear) / double(kLastYear - firstYear) * plot.width();
}

double BandChartLayout::yOf(double dogs) const
{
    return plot.bottom() - axis.fraction(dogs) * plot.height();
}

BandChartLayout layoutBandChart(const BandChart& chart, const QRectF& area, const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold, device);
    BandChartLayout layout;
    layout.area = area;
    layout.firstYear = firstYearOf(chart);
    const QRectF inner = area.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const double titleHeight =
        boldMetrics.boundingRect(QRectF(0, 0, inner.width(), 1e6), Qt::TextWordWrap, chart.title).height();
    layout.title = QRectF(inner.left(), inner.top(), inner.width(), titleHeight);
    layout.legend = QRectF(inner.left(), layout.title.bottom() + kPadding / 2, inner.width(),
                           legendHeight(bandChartLegend(), inner.width(), font, device));

    const double top = layout.legend.bottom() + kPadding + metrics.lineSpacing() / 2;
    const double bottom = inner.bottom() - kTickLength - metrics.lineSpacing();
    const double height = std::max(1.0, bottom - top);
    layout.axis = niceAxis(0, highestOf(chart), std::max(2, static_cast<int>(height / (2.5 * metrics.lineSpacing()))));
    double labelWidth = 0;
    for (double tick : layout.axis.ticks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(axisValueText(tick, layout.axis.step)));
    const double left = inner.left() + labelWidth + kTickLength + 4;
    const double right = inner.right() - metrics.horizontalAdvance(QStringLiteral("2050")) / 2;
    layout.plot = QRectF(left, top, std::max(1.0, right - left), height);
    return layout;
}

std::optional<int> bandChartYearAt(const BandChartLayout& layout, double x)
{
    if (!(layout.plot.width() > 0)) return std::nullopt;
    const int first = layout.firstYear;
    const double year = first + (x - layout.plot.left()) / layout.plot.width() * (kLastYear - first);
    if (!(year >= first - 0.5 && year < kLastYear + 0.5)) return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(year)), first, kLastYear);
}

std::vector<LegendEntry> bandChartLegend()
{
    return {
        {BandWords::tr("the window's run"), Qt::NoBrush, runPen()},
        {BandWords::tr("median of the replicates"), Qt::NoBrush, medianPen()},
        {BandWords::tr("50 % of the replicates"), narrowBrush(), QPen(kWideHatch, 0)},
        {BandWords::tr("90 % of the replicates"), wideBrush(), QPen(kWideHatch, 0), QBrush(kWideGround)},
    };
}

QStringList bandReadoutLines(const BandChart& chart, int year)
{
    QStringList lines{QString::number(year)};
    if (chart.run) lines << BandWords::tr("the window's run: %1").arg(dogsText((*chart.run)[year]));
    if (chart.bands) {
        const SeriesBands& bands = *chart.bands;
        lines << BandWords::tr("median: %1").arg(dogsText(percentileAt(bands, kP50, year)));
        lines << BandWords::tr("50 %: %1 .. %2")
                     .arg(dogsText(percentileAt(bands, kP25, year)), dogsText(percentileAt(bands, kP75, year)));
        lines << BandWords::tr("90 %: %1 .. %2")
                     .arg(dogsText(percentileAt(bands, kP5, year)), dogsText(percentileAt(bands, kP95, year)));
    }
    return lines;
}

void paintBandChart(QPainter& painter, const BandChartLayout& layout, const BandChart& chart, const QFont& font,
                    std::optional<int> readoutYear)
{
    painter.save();
    paintGroundAndTitle(painter, layout.area, layout.title, chart.title, font);
    const QFontMetricsF metrics(font, painter.device());
    paintLegendEntries(painter, layout.legend, bandChartLegend(), font);
    paintAxes(painter, layout, metrics);

    painter.save();
    painter.setClipRect(layout.plot.adjusted(-2, -2, 2, 2));
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (chart.bands) {
        const QPolygonF wide = bandPolygon(layout, *chart.bands, kP5, kP95);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(kWideGround));
        painter.drawPolygon(wide);
        painter.setBrush(wideBrush());
        painter.drawPolygon(wide);
        painter.setBrush(narrowBrush());
        painter.drawPolygon(bandPolygon(layout, *chart.bands, kP25, kP75));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(medianPen());
        painter.drawPath(yearlyPath(layout, [&](int year) { return percentileAt(*chart.bands, kP50, year); }));
    }
    if (chart.run) {
        painter.setPen(runPen());
        painter.drawPath(yearlyPath(layout, [&](int year) { return double((*chart.run)[year]); }));
    }
    painter.restore();

    if (chart.targetYear && *chart.targetYear >= layout.firstYear && *chart.targetYear <= kLastYear)
        paintTarget(painter, layout, *chart.targetYear, metrics);
    if (!chart.bands && !chart.notice.isEmpty()) paintNotice(painter, layout.plot, chart.notice, font);

    if (readoutYear && *readoutYear >= layout.firstYear && *readoutYear <= kLastYear) {
        const double x = layout.xOfYear(*readoutYear);
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 0, Qt::DashLine));
        painter.drawLine(QLineF(x, layout.plot.top(), x, layout.plot.bottom()));
        paintReadoutBox(painter, layout.plot, QPointF(x, layout.plot.top() + layout.plot.height() * 0.1),
                        bandReadoutLines(chart, *readoutYear), font);
    }
    painter.restore();
}

}  // namespace karnoth::render
