#include "render/scenario_overlay.h"

#include "support/number_masks.h"
#include "support/yearly_series.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace karnoth::render {
namespace {

// The words of this drawing, in their own translation context.
struct OverlayWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::Overlay)
};
QString grouped(double value)
{
    return QString::fromStdString(formatGrouped(value));
}

// Colours that stay apart for the colour-blind (Okabe and Ito's, the light ones darkened so that each
// shows on white paper at 60 % grey or darker), and on grey paper by their
// dashes and markers.
const std::array<OverlayStyle, kOverlayStyleCount> kStyles{{
    {QColor(0x00, 0x00, 0x00), {}, MarkerShape::Circle},
    {QColor(0xd5, 0x5e, 0x00), {5, 2.5}, MarkerShape::Square},
    {QColor(0x00, 0x72, 0xb2), {1.2, 1.8}, MarkerShape::TriangleUp},
    {QColor(0x00, 0x9e, 0x73), {6, 2, 1.2, 2}, MarkerShape::Diamond},
    {QColor(0xb8, 0x5f, 0x95), {10, 3}, MarkerShape::Cross},
    {QColor(0xc0, 0x80, 0x00), {5, 2, 1.2, 2, 1.2, 2}, MarkerShape::Plus},
    {QColor(0x3a, 0x90, 0xd0), {2.5, 2.5}, MarkerShape::TriangleDown},
    {QColor(0x80, 0x60, 0x00), {10, 2, 3, 2}, MarkerShape::Star},
}};

// Widths in line-width units (OverlayLayout::unit).
constexpr double kThick = 1.7;
constexpr double kThin = 0.8;
constexpr double kMarkerRadius = 3.2;
constexpr double kSwatchLength = 26;
constexpr int kTickCount = 4;  // intervals on a count axis
const QColor kGrid(0xdd, 0xdd, 0xdd);
const QColor kBoxBorder(0xa0, 0xa0, 0xa0);

double companionValue(const RunSeries& series, OverlayCompanion companion, int year)
{
    return companion == OverlayCompanion::Breeders ? series.streetBreeders[year] : series.extraSterilisations[year];
}

// The largest finite value of the series drawn on a scale.
double largestOn(const std::vector<OverlayLine>& lines, bool right, OverlayCompanion companion)
{
    double largest = 0;
    for (const OverlayLine& line : lines)
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            double value = 0;
            if (!right) {
                value = line.series.streetTotal[year];
                if (companion == OverlayCompanion::Breeders)
                    value = std::max<double>(value, line.series.streetBreeders[year]);
            } else {
                value = line.series.extraSterilisations[year];
            }
            if (std::isfinite(value)) largest = std::max(largest, value);
        }
    return largest;
}

double legendEntryWidth(const std::vector<OverlayLine>& lines, const QFontMetricsF& metrics, double unit, double most)
{
    double name = 0;
    for (const OverlayLine& line : lines) name = std::max(name, metrics.horizontalAdvance(line.name));
    return std::min(most, kSwatchLength * unit + metrics.averageCharWidth() * 2 + name);
}

void paintMarker(QPainter& painter, QPointF at, MarkerShape shape, double radius)
{
    const double r = radius;
    switch (shape) {
    case MarkerShape::Circle: painter.drawEllipse(at, r, r); break;
    case MarkerShape::Square: painter.drawRect(QRectF(at.x() - r * 0.85, at.y() - r * 0.85, r * 1.7, r * 1.7)); break;
    case MarkerShape::TriangleUp:
        painter.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, r * 0.8), at + QPointF(-r, r * 0.8)}));
        break;
    case MarkerShape::TriangleDown:
        painter.drawPolygon(QPolygonF({at + QPointF(0, r), at + QPointF(r, -r * 0.8), at + QPointF(-r, -r * 0.8)}));
        break;
    case MarkerShape::Diamond:
        painter.drawPolygon(
            QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)}));
        break;
    case MarkerShape::Cross:
        painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        break;
    case MarkerShape::Plus:
        painter.drawLine(at + QPointF(-r, 0), at + QPointF(r, 0));
        painter.drawLine(at + QPointF(0, -r), at + QPointF(0, r));
        break;
    case MarkerShape::Star:
        painter.drawLine(at + QPointF(-r, 0), at + QPointF(r, 0));
        painter.drawLine(at + QPointF(-r * 0.5, -r * 0.87), at + QPointF(r * 0.5, r * 0.87));
        painter.drawLine(at + QPointF(-r * 0.5, r * 0.87), at + QPointF(r * 0.5, -r * 0.87));
        break;
    }
}

// A marker's outline in the style's colour, solid, filled white so that it stands out of the lines.
void paintStyleMarker(QPainter& painter, QPointF at, const OverlayStyle& style, double unit)
{
    QPen pen(style.colour, kThin * 1.4 * unit);
    painter.setPen(pen);
    painter.setBrush(Qt::white);
    paintMarker(painter, at, style.marker, kMarkerRadius * unit);
    painter.setBrush(Qt::NoBrush);
}

QPainterPath seriesPath(const OverlayLayout& layout, const YearlySeries& series, bool right)
{
    QPainterPath path;
    bool drawing = false;
    for (int year = layout.firstYear; year <= kLastYear; ++year) {
        const double value = series[year];
        if (!std::isfinite(value)) {
            drawing = false;
            continue;
        }
        const QPointF at(layout.xOf(year), right ? layout.yOfRight(value) : layout.yOf(value));
        if (drawing)
            path.lineTo(at);
        else
            path.moveTo(at);
        drawing = true;
    }
    return path;
}

void paintAxes(QPainter& painter, const OverlayLayout& layout, const QFontMetricsF& metrics)
{
    const QRectF& plot = layout.plot;
    QPen grid(kGrid, 0);
    painter.setPen(grid);
    const int firstDecade = (layout.firstYear + 9) / 10 * 10;
    for (int year = firstDecade; year <= kLastYear; year += 10)
        painter.drawLine(QLineF(layout.xOf(year), plot.top(), layout.xOf(year), plot.bottom()));
    for (int tick = 1; tick <= kTickCount; ++tick) {
        const double y = plot.bottom() - plot.height() * tick / kTickCount;
        painter.drawLine(QLineF(plot.left(), y, plot.right(), y));
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(plot);

    // Year labels every ten years, or every twenty when ten would crowd them.
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("2000")) * 1.4;
    const int yearStep = layout.xOf(1960) - layout.xOf(1950) < labelWidth ? 20 : 10;
    for (int year = firstDecade; year <= kLastYear; year += yearStep) {
        const QString text = QString::number(year);
        const double x = layout.xOf(year) - metrics.horizontalAdvance(text) / 2;
        // Clear of the count label "0", which is centred on the bottom edge.
        painter.drawText(QPointF(x, plot.bottom() + 0.6 * metrics.height() + metrics.ascent()), text);
    }
    const double pad = metrics.averageCharWidth() * 0.6;
    for (int tick = 0; tick <= kTickCount; ++tick) {
        const double y = plot.bottom() - plot.height() * tick / kTickCount + metrics.ascent() / 2 -
                         metrics.descent() / 2;
        const QString left = grouped(layout.top * tick / kTickCount);
        painter.drawText(QPointF(plot.left() - pad - metrics.horizontalAdvance(left), y), left);
        if (layout.rightTop > 0)
            painter.drawText(QPointF(plot.right() + pad, y), grouped(layout.rightTop * tick / kTickCount));
    }
}

void paintLegend(QPainter& painter, const OverlayLayout& layout, const std::vector<OverlayLine>& lines,
                 OverlayCompanion companion, const QFontMetricsF& metrics)
{
    const QRectF& legend = layout.legend;
    const double columnWidth = legend.width() / layout.legendColumns;
    const double swatch = kSwatchLength * layout.unit;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int column = static_cast<int>(i) % layout.legendColumns;
        const int row = static_cast<int>(i) / layout.legendColumns;
        const double left = legend.left() + column * columnWidth;
        const double top = legend.top() + row * metrics.lineSpacing();
        paintOverlaySwatch(painter, QRectF(left, top, swatch, metrics.height()), overlayStyle(lines[i].style),
                           layout.unit);
        painter.setPen(Qt::black);
        const double textLeft = left + swatch + metrics.averageCharWidth();
        const QString name = metrics.elidedText(lines[i].name, Qt::ElideRight,
                                                columnWidth - (textLeft - left) - metrics.averageCharWidth());
        painter.drawText(QPointF(textLeft, top + metrics.ascent()), name);
    }
    const int rows = (static_cast<int>(lines.size()) + layout.legendColumns - 1) / layout.legendColumns;
    const QRectF caption(legend.left(), legend.top() + rows * metrics.lineSpacing(), legend.width(),
                         legend.bottom() - legend.top() - rows * metrics.lineSpacing());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, overlayCaption(companion));
}

}  // namespace

OverlayStyle overlayStyle(int index)
{
    return kStyles[static_cast<std::size_t>(((index % kOverlayStyleCount) + kOverlayStyleCount) % kOverlayStyleCount)];
}

QPen overlayPen(const OverlayStyle& style, double width)
{
    QPen pen(style.colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (!style.dashes.isEmpty()) pen.setDashPattern(style.dashes);
    return pen;
}

double OverlayLayout::xOf(double year) const
{
    return plot.left() + (year - firstYear) * plot.width() / (kLastYear - firstYear);
}

double OverlayLayout::yOf(double count) const
{
    return plot.bottom() - count / top * plot.height();
}

double OverlayLayout::yOfRight(double count) const
{
    return rightTop > 0 ? plot.bottom() - count / rightTop * plot.height() : plot.bottom();
}

std::optional<int> OverlayLayout::yearAt(double x) const
{
    if (!(plot.width() > 0)) return std::nullopt;
    const double year = firstYear + (x - plot.left()) * (kLastYear - firstYear) / plot.width();
    if (!(year >= firstYear - 0.5 && year < kLastYear + 0.5)) return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(year)), firstYear, kLastYear);
}

double niceAxisTop(double largest)
{
    if (!(largest > 0) || !std::isfinite(largest)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(largest)));
    for (double step : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (step * power >= largest * (1 - 1e-12)) return step * power;
    return 10 * power;
}

OverlayLayout overlayLayout(const QRectF& area, const std::vector<OverlayLine>& lines, OverlayCompanion companion,
                            const QFont& font, QPaintDevice* device, int firstYear)
{
    const QFontMetricsF metrics(font, device);
    OverlayLayout layout;
    layout.area = area;
    layout.firstYear = std::clamp(firstYear, kFirstYear, kLastYear - 10);
    layout.unit = metrics.height() / 12.0;
    layout.top = niceAxisTop(largestOn(lines, false, companion));
    layout.rightTop = companion == OverlayCompanion::Sterilisations ? niceAxisTop(largestOn(lines, true, companion))
                                                                    : 0;

    // The legend: as many columns as its widest entry allows, then a line of what the lines show.
    const double entry = legendEntryWidth(lines, metrics, layout.unit, area.width());
    layout.legendColumns = std::clamp(
        static_cast<int>(area.width() / std::max(entry + 2 * metrics.averageCharWidth(), 1.0)), 1,
        std::max<int>(1, static_cast<int>(lines.size())));
    const int rows = (static_cast<int>(lines.size()) + layout.legendColumns - 1) / layout.legendColumns;
    const double captionHeight =
        metrics.boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap, overlayCaption(companion)).height();
    const double legendHeight = rows * metrics.lineSpacing() + captionHeight;
    layout.legend = QRectF(area.left(), area.bottom() - legendHeight, area.width(), legendHeight);

    const double pad = metrics.averageCharWidth();
    const double left = metrics.horizontalAdvance(grouped(layout.top)) + 1.6 * pad;
    const double right = layout.rightTop > 0 ? metrics.horizontalAdvance(grouped(layout.rightTop)) + 1.6 * pad
                                             : metrics.horizontalAdvance(QStringLiteral("20")) + pad;
    const double top = metrics.height() * 0.6;
    const double bottom = metrics.lineSpacing() * 2.1 + legendHeight;
    layout.plot = QRectF(area.left() + left, area.top() + top, std::max(1.0, area.width() - left - right),
                         std::max(1.0, area.height() - top - bottom));
    return layout;
}

void paintOverlay(QPainter& painter, const OverlayLayout& layout, const std::vector<OverlayLine>& lines,
                  OverlayCompanion companion, const QFont& font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(font);
    painter.fillRect(layout.area, Qt::white);
    const QFontMetricsF metrics(font, painter.device());
    paintAxes(painter, layout, metrics);

    painter.save();
    painter.setClipRect(layout.plot.adjusted(-kMarkerRadius * layout.unit, -kMarkerRadius * layout.unit,
                                             kMarkerRadius * layout.unit, kMarkerRadius * layout.unit));
    for (const OverlayLine& line : lines) {
        const OverlayStyle style = overlayStyle(line.style);
        painter.setBrush(Qt::NoBrush);
        if (companion != OverlayCompanion::None) {
            const bool right = companion == OverlayCompanion::Sterilisations;
            painter.setPen(overlayPen(style, kThin * layout.unit));
            painter.drawPath(
                seriesPath(layout, right ? line.series.extraSterilisations : line.series.streetBreeders, right));
        }
        painter.setPen(overlayPen(style, kThick * layout.unit));
        painter.drawPath(seriesPath(layout, line.series.streetTotal, false));
        // Markers on the street total every ten years, offset by the style's index.
        const int firstMarker = layout.firstYear + (line.style - layout.firstYear % 10 + 10) % 10;
        for (int year = firstMarker; year <= kLastYear; year += 10) {
            const double value = line.series.streetTotal[year];
            if (std::isfinite(value))
                paintStyleMarker(painter, QPointF(layout.xOf(year), layout.yOf(value)), style, layout.unit);
        }
    }
    painter.restore();

    paintLegend(painter, layout, lines, companion, metrics);
    painter.restore();
}

QStringList overlayReadoutLines(int year, const std::vector<OverlayLine>& lines, OverlayCompanion companion)
{
    QStringList text{QString::number(year)};
    for (const OverlayLine& line : lines) {
        QString entry = line.name + QStringLiteral(": ") + grouped(line.series.streetTotal[year]);
        if (companion == OverlayCompanion::Breeders)
            entry += OverlayWords::tr(" (%1 fertile)").arg(grouped(companionValue(line.series, companion, year)));
        else if (companion == OverlayCompanion::Sterilisations)
            entry += OverlayWords::tr(" (%1 sterilised)").arg(grouped(companionValue(line.series, companion, year)));
        text << entry;
    }
    return text;
}

void paintOverlayReadout(QPainter& painter, const OverlayLayout& layout, int year,
                         const std::vector<OverlayLine>& lines, OverlayCompanion companion, const QFont& font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double x = layout.xOf(year);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 0, Qt::DashLine));
    painter.drawLine(QLineF(x, layout.plot.top(), x, layout.plot.bottom()));

    const QStringList text = overlayReadoutLines(year, lines, companion);
    const double pad = metrics.averageCharWidth() * 0.6;
    const double swatch = kSwatchLength * layout.unit * 0.7;
    double width = 0;
    for (const QString& line : text) width = std::max(width, metrics.horizontalAdvance(line));
    width += swatch + 3 * pad;
    const double height = text.size() * metrics.lineSpacing() + 2 * pad;
    double left = x + 2 * pad;
    if (left + width > layout.plot.right()) left = x - 2 * pad - width;
    left = std::max(left, layout.area.left());
    const QRectF box(left, layout.plot.top() + pad, width, height);
    painter.setPen(QPen(kBoxBorder, 0));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const double top = box.top() + pad + i * metrics.lineSpacing();
        double textLeft = box.left() + pad;
        if (i > 0) {
            paintOverlaySwatch(painter, QRectF(textLeft, top, swatch, metrics.height()),
                               overlayStyle(lines[static_cast<std::size_t>(i - 1)].style), layout.unit);
            textLeft += swatch + pad;
        }
        painter.setPen(Qt::black);
        painter.drawText(QPointF(textLeft, top + metrics.ascent()), text[i]);
    }
    painter.restore();
}

QString overlayCaption(OverlayCompanion companion)
{
    switch (companion) {
    case OverlayCompanion::Breeders:
        return OverlayWords::tr("Thick lines: street females aged one and over; thin lines: fertile street females.");
    case OverlayCompanion::Sterilisations:
        return OverlayWords::tr(
            "Thick lines: street females aged one and over (left scale); thin lines: the programme's "
            "sterilisations per year (right scale).");
    case OverlayCompanion::None: break;
    }
    return OverlayWords::tr("Lines: street females aged one and over.");
}

void paintOverlaySwatch(QPainter& painter, const QRectF& box, const OverlayStyle& style, double unit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double y = box.center().y();
    painter.setPen(overlayPen(style, kThick * unit));
    painter.drawLine(QLineF(box.left(), y, box.right(), y));
    paintStyleMarker(painter, QPointF(box.center().x(), y), style, unit);
    painter.restore();
}

std::vector<OverlayLine> overlayLines(const std::vector<ComparisonRow>& rows)
{
    std::vector<OverlayLine> lines;
    for (std::size_t i = 0; i < rows.size() && i < static_cast<std::size_t>(kOverlayStyleCount); ++i)
        if (rows[i].comparison.run)
            lines.push_back(
                {QString::fromStdString(rows[i].name), rows[i].comparison.run->series, static_cast<int>(i)});
    return lines;
}

}  // namespace karnoth::render
