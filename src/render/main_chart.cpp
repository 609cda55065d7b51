#include "render/main_chart.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace karnoth::render {
namespace {

const QColor kGridColour(0xe4, 0xe4, 0xe4);

// Texts start at CurrentX/CurrentY and run on to the right and down, so labels printed near the
// right or bottom edge (the year labels 15 twips above the bottom, the right scale's value labels
// 50 twips from the right) would fall off the picture. This is `paper` less the room those texts
// need at the right and the bottom (pixels), so that mapping the canvas onto it keeps every label
// readable.
QRectF targetLeavingRoomForTexts(const std::vector<DrawOp>& ops, const QRectF& paper, double scaleWidth,
                                 double scaleHeight, const QFontMetricsF& metrics)
{
    if (scaleWidth <= 0 || scaleHeight <= 0) return paper;
    // A text starting at canvas x ends at x * width / scaleWidth + its advance, which must stay
    // within the paper: the widest target that keeps every text in is the least of
    // (paper width - advance) * scaleWidth / x, and likewise down the paper.
    double width = paper.width();
    double height = paper.height();
    for (const DrawOp& op : ops) {
        if (op.kind != DrawOp::Kind::Print) continue;
        const double advance = metrics.horizontalAdvance(QString::fromStdString(op.text));
        const double x = op.x1 * paper.width() / scaleWidth;
        const double y = op.y1 * paper.height() / scaleHeight;
        // Texts far outside the picture (a value label of a huge count) are clipped, not made room for.
        if (op.x1 > 0 && x + advance > paper.width() && x < 4 * paper.width())
            width = std::min(width, (paper.width() - advance) * scaleWidth / op.x1);
        if (op.y1 > 0 && y + metrics.height() > paper.height() && y < 4 * paper.height())
            height = std::min(height, (paper.height() - metrics.height()) * scaleHeight / op.y1);
    }
    QRectF target = paper;
    target.setWidth(width);
    target.setHeight(height);
    return target.width() > paper.width() / 2 && target.height() > paper.height() / 2 ? target : paper;
}

MainChartLayout::Curve& curveOf(MainChartLayout& layout, int series, Rgb colour)
{
    auto it = std::find_if(layout.curves.begin(), layout.curves.end(),
                           [&](const MainChartLayout::Curve& curve) { return curve.series == series; });
    if (it == layout.curves.end())
        it = layout.curves.insert(layout.curves.end(), MainChartLayout::Curve{series, toQColor(colour), {}});
    return *it;
}

// The pen changes only where the colour does, so that an SVG writes a run of texts of one colour
// as one group.
void paintTexts(QPainter& painter, const std::vector<MainChartLayout::Text>& texts)
{
    std::optional<QColor> colour;
    for (const MainChartLayout::Text& text : texts) {
        if (colour != text.colour) painter.setPen(*(colour = text.colour));
        painter.drawText(text.baseline, text.text);
    }
}

QPen hairline(const QColor& colour)
{
    QPen pen(colour);
    pen.setCosmetic(true);
    pen.setWidth(0);
    return pen;
}

}  // namespace

const std::vector<SeriesLook>& seriesLooks()
{
    static const std::vector<SeriesLook> looks{
        {kRed, QColor(0xff, 0x00, 0x00), Qt::SolidLine, 1.5},
        {kGreen, QColor(0x00, 0x80, 0x00), Qt::DashLine, 2.2},
        {kBlue, QColor(0x00, 0x00, 0xff), Qt::DotLine, 1.5},
        {kPurple, QColor(0x80, 0x00, 0x80), Qt::DashDotLine, 1.2},
    };
    return looks;
}

QPen curveLine(const QColor& colour)
{
    for (const SeriesLook& look : seriesLooks())
        if (toQColor(look.plotted) == colour)
            return QPen(look.shown, look.weight, look.dash, Qt::FlatCap, Qt::RoundJoin);
    return hairline(colour);
}

QColor toQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QPointF MainChartLayout::toPixels(double x, double y) const
{
    const bool hasScale = scaleWidth > 0 && scaleHeight > 0;
    const double sx = hasScale ? target.width() / scaleWidth : 0.0;
    const double sy = hasScale ? target.height() / scaleHeight : 0.0;
    return QPointF(target.left() + x * sx, target.top() + y * sy);
}

double MainChartLayout::shownX(double canvasX) const
{
    if (firstYear == kFirstYear || !(scaleWidth > 0)) return canvasX;
    return YearAxis(scaleWidth, firstYear).x(YearAxis(scaleWidth).yearAt(canvasX));
}

QRectF MainChartLayout::plotArea() const
{
    // The plotter puts the years and values on the middle 80 % of the canvas each way.
    const QPointF topLeft(xOfYear(firstYear), toPixels(0, scaleHeight * 0.1).y());
    const QPointF bottomRight(xOfYear(kLastYear), toPixels(0, scaleHeight * 0.9).y());
    return QRectF(topLeft, bottomRight);
}

double MainChartLayout::xOfYear(int year) const
{
    return toPixels(YearAxis(scaleWidth, firstYear).x(year), 0).x();
}

std::optional<int> MainChartLayout::yearAt(double pixelX) const
{
    if (!(scaleWidth > 0) || !(target.width() > 0)) return std::nullopt;
    return YearAxis(scaleWidth, firstYear).nearestYear((pixelX - target.left()) * scaleWidth / target.width());
}

MainChartLayout layoutMainChart(const std::vector<DrawOp>& ops, const QRectF& paper, double scaleWidth,
                                double scaleHeight, const QFont& font, QPaintDevice* device, int firstYear)
{
    const QFontMetricsF metrics(font, device);
    MainChartLayout layout;
    layout.paper = paper;
    layout.scaleWidth = scaleWidth;
    layout.scaleHeight = scaleHeight;
    layout.firstYear = std::clamp(firstYear, kFirstYear, kLastYear - 10);
    layout.target = targetLeavingRoomForTexts(ops, paper, scaleWidth, scaleHeight, metrics);

    std::set<std::pair<ChartPart::Kind, int>> ticked;  // kind and year
    std::set<int> labelledYears;
    std::map<int, int> lastCurveYear;  // by series
    std::optional<int> gridSeries;  // the first series that labels its scale
    const auto textOf = [&](const DrawOp& op) {
        return MainChartLayout::Text{op.part.series, QString::fromStdString(op.text),
                                     layout.toPixels(op.x1, op.y1) + QPointF(0, metrics.ascent()), toQColor(op.colour)};
    };
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Cls) continue;
        layout.hasData = true;
        const ChartPart& part = op.part;
        const bool ofAYear = part.kind == ChartPart::Kind::Curve || part.kind == ChartPart::Kind::YearTick ||
                             part.kind == ChartPart::Kind::DecadeTick || part.kind == ChartPart::Kind::YearLabel;
        if (ofAYear && part.year < layout.firstYear) continue;
        const QLineF line = ofAYear ? QLineF(layout.toPixels(layout.shownX(op.x1), op.y1),
                                             layout.toPixels(layout.shownX(op.x2), op.y2))
                                    : QLineF(layout.toPixels(op.x1, op.y1), layout.toPixels(op.x2, op.y2));
        switch (part.kind) {
        case ChartPart::Kind::Curve: {
            MainChartLayout::Curve& curve = curveOf(layout, part.series, op.colour);
            if (op.colour == kPurple) layout.streetCoverage = true;
            const auto last = lastCurveYear.find(part.series);
            // A later first year starts a piece at its own point: the segment to it comes from a
            // year left out.
            if (part.year == layout.firstYear && layout.firstYear > kFirstYear)
                curve.pieces.emplace_back();
            else if (curve.pieces.empty() || last == lastCurveYear.end() || last->second != part.year - 1)
                curve.pieces.push_back(QPolygonF{line.p1()});
            curve.pieces.back() << line.p2();
            lastCurveYear[part.series] = part.year;
            break;
        }
        case ChartPart::Kind::YearTick:
        case ChartPart::Kind::DecadeTick:
            if (!ticked.insert({part.kind, part.year}).second) break;
            layout.ticks.push_back(line);
            if (part.kind == ChartPart::Kind::DecadeTick) layout.gridXs.push_back(line.x1());
            break;
        case ChartPart::Kind::YearLabel: {
            if (!labelledYears.insert(part.year).second) break;
            MainChartLayout::Text label = textOf(op);
            label.series = -1;
            label.text = label.text.trimmed();
            label.baseline.setX(layout.toPixels(layout.shownX(part.anchor), 0).x() -
                                metrics.horizontalAdvance(label.text) / 2.0);
            layout.yearLabels.push_back(label);
            break;
        }
        case ChartPart::Kind::ValueLabel:
            if (!gridSeries) gridSeries = part.series;
            if (part.series == *gridSeries) layout.gridYs.push_back(layout.toPixels(0, part.anchor).y());
            layout.seriesTexts.push_back(textOf(op));
            break;
        case ChartPart::Kind::Caption: {
            // The display list keeps the English; the picture shows the caption in the window's
            // language.
            MainChartLayout::Text caption = textOf(op);
            caption.text = QCoreApplication::translate("karnoth::Chart", caption.text.toUtf8().constData());
            layout.seriesTexts.push_back(caption);
            break;
        }
        case ChartPart::Kind::Unmarked:
            if (op.kind == DrawOp::Kind::Line)
                layout.unmarkedLines.push_back({line, toQColor(op.colour)});
            else
                layout.seriesTexts.push_back(textOf(op));
            break;
        }
    }
    return layout;
}

void paintMainChart(QPainter& painter, const MainChartLayout& layout, const QFont& font, const QColor& background,
                    bool gridlines)
{
    painter.save();
    painter.fillRect(layout.paper, background);
    painter.setClipRect(layout.paper);
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    if (gridlines && layout.hasData && !layout.gridXs.empty() && !layout.gridYs.empty()) {
        painter.setPen(hairline(kGridColour));
        const auto [left, right] = std::minmax_element(layout.gridXs.begin(), layout.gridXs.end());
        const auto [top, bottom] = std::minmax_element(layout.gridYs.begin(), layout.gridYs.end());
        for (double x : layout.gridXs) painter.drawLine(QLineF(x, *top, x, *bottom));
        for (double y : layout.gridYs) painter.drawLine(QLineF(*left, y, *right, y));
    }
    // A polyline point far outside the picture is clipped; QPainter copes with coordinates up to
    // the 1e8 canvas units the chart lets through once they are scaled to pixels.
    QPainterPath ticks;
    for (const QLineF& tick : layout.ticks) {
        ticks.moveTo(tick.p1());
        ticks.lineTo(tick.p2());
    }
    painter.setPen(hairline(Qt::black));
    painter.drawPath(ticks);
    for (const MainChartLayout::Curve& curve : layout.curves) {
        QPainterPath path;
        // lineTo, not addPolygon: lineTo drops a step to the point the path is already at (1950's
        // point joined to itself), which addPolygon keeps and which strokes 1950's pixel otherwise.
        for (const QPolygonF& piece : curve.pieces) {
            path.moveTo(piece.first());
            for (qsizetype i = 1; i < piece.size(); ++i) path.lineTo(piece[i]);
        }
        painter.setPen(curveLine(curve.colour));
        painter.drawPath(path);
    }
    for (const MainChartLayout::Line& line : layout.unmarkedLines) {
        painter.setPen(hairline(line.colour));
        painter.drawLine(line.line);
    }
    paintTexts(painter, layout.yearLabels);
    paintTexts(painter, layout.seriesTexts);
    painter.restore();
}

}  // namespace karnoth::render
