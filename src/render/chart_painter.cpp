#include "render/chart_painter.h"

#include "render/chart_years.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include <string_view>
#include <tuple>

namespace karnoth::render {
namespace {

// The plotter starts a year label this many canvas units left of its tick.
constexpr double kYearLabelLead = 15.0;
// The value heights the plotter labels, as shares of the height from the top: the top value, half
// of it and 0.
constexpr double kLabelledValueHeights[] = {0.1, 0.5, 0.9};
const QColor kGridColour(0xe4, 0xe4, 0xe4);

int colourKey(Rgb colour) { return colour.red << 16 | colour.green << 8 | colour.blue; }

// An op's identity for "drawn before": its kind, colour, ends and text.
auto identity(const DrawOp& op)
{
    return std::make_tuple(static_cast<int>(op.kind), colourKey(op.colour), op.x1, op.y1, op.x2, op.y2, op.text);
}

void paintGridlines(QPainter& painter, const ChartGeometry& geometry)
{
    QPen pen(kGridColour);
    pen.setCosmetic(true);
    pen.setWidth(0);
    painter.setPen(pen);
    for (int year = kFirstYear; year <= kLastYear; year += 10) {
        const double x = yearToCanvasX(year, geometry.scaleWidth);
        painter.drawLine(QLineF(geometry.toPixels(x, 0.1 * geometry.scaleHeight),
                                geometry.toPixels(x, 0.9 * geometry.scaleHeight)));
    }
    const double left = yearToCanvasX(kFirstYear, geometry.scaleWidth);
    const double right = yearToCanvasX(kLastYear, geometry.scaleWidth);
    for (double share : kLabelledValueHeights) {
        const double y = share * geometry.scaleHeight;
        painter.drawLine(QLineF(geometry.toPixels(left, y), geometry.toPixels(right, y)));
    }
}

// Each colour's lines as one path, a line that continues the previous one of its colour joined to
// it; colours in the order they first appear.
void paintLines(QPainter& painter, const std::vector<DrawOp>& ops, const ChartGeometry& geometry,
                const std::vector<QPen>& linePens)
{
    struct ColourPath {
        Rgb colour;
        QPainterPath path;
        QPointF end;
    };
    std::vector<ColourPath> paths;
    std::set<decltype(identity(DrawOp{}))> drawn;
    for (const DrawOp& op : ops) {
        if (op.kind != DrawOp::Kind::Line || !drawn.insert(identity(op)).second) continue;
        auto it = std::find_if(paths.begin(), paths.end(), [&](const ColourPath& p) { return p.colour == op.colour; });
        if (it == paths.end()) it = paths.insert(paths.end(), ColourPath{op.colour, {}, {}});
        const QPointF from = geometry.toPixels(op.x1, op.y1);
        const QPointF to = geometry.toPixels(op.x2, op.y2);
        if (it->path.isEmpty() || it->end != from) it->path.moveTo(from);
        it->path.lineTo(to);
        it->end = to;
    }
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidth(0);
    painter.setBrush(Qt::NoBrush);
    for (const ColourPath& p : paths) {
        pen.setColor(toQColor(p.colour));
        const auto own = std::find_if(linePens.begin(), linePens.end(),
                                      [&](const QPen& candidate) { return candidate.color() == pen.color(); });
        painter.setPen(own != linePens.end() ? *own : pen);
        painter.drawPath(p.path);
    }
}

// Texts in the order of their colours' first appearance, so that an SVG writes each colour once.
void paintTexts(QPainter& painter, const std::vector<DrawOp>& ops, const ChartGeometry& geometry, const QFont& font)
{
    const QFontMetricsF metrics(font, painter.device());
    std::set<decltype(identity(DrawOp{}))> drawn;
    std::vector<Rgb> colours;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Print && std::find(colours.begin(), colours.end(), op.colour) == colours.end())
            colours.push_back(op.colour);
    for (const Rgb colour : colours) {
        painter.setPen(toQColor(colour));
        for (const DrawOp& op : ops) {
            if (op.kind != DrawOp::Kind::Print || !(op.colour == colour) || !drawn.insert(identity(op)).second) continue;
            QPointF at = geometry.toPixels(op.x1, op.y1) + QPointF(0, metrics.ascent());
            QString text = QString::fromStdString(op.text);
            if (const int year = yearLabelOf(op, geometry.scaleWidth)) {
                text = text.trimmed();
                at.setX(geometry.toPixels(yearToCanvasX(year, geometry.scaleWidth), 0).x() -
                        metrics.horizontalAdvance(text) / 2.0);
            }
            painter.drawText(at, text);
        }
    }
}

}  // namespace

QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QPointF ChartGeometry::toPixels(double x, double y) const
{
    const bool hasScale = scaleWidth > 0 && scaleHeight > 0;
    const double sx = hasScale ? target.width() / scaleWidth : 0.0;
    const double sy = hasScale ? target.height() / scaleHeight : 0.0;
    return QPointF(target.left() + x * sx, target.top() + y * sy);
}

double ChartGeometry::toCanvasX(double pixelX) const
{
    if (!(scaleWidth > 0) || !(target.width() > 0)) return 0.0;
    return (pixelX - target.left()) * scaleWidth / target.width();
}

int yearLabelOf(const DrawOp& op, double scaleWidth)
{
    if (op.kind != DrawOp::Kind::Print) return 0;
    std::string_view text = op.text;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (error != std::errc() || end != text.data() + text.size() || year < kFirstYear || year > kLastYear) return 0;
    const double tick = yearToCanvasX(year, scaleWidth);
    return std::fabs(op.x1 + kYearLabelLead - tick) < 1.0 ? year : 0;
}

void paintChart(QPainter& painter, const std::vector<DrawOp>& ops, const ChartGeometry& geometry,
                const QFont& font, const QColor& background, bool gridlines, const std::vector<QPen>& linePens)
{
    painter.save();
    const QRectF paper = geometry.paper.isEmpty() ? geometry.target : geometry.paper;
    painter.fillRect(paper, background);
    painter.setClipRect(paper);
    painter.setFont(font);
    // A polyline point far outside the picture is clipped; QPainter copes with coordinates up to
    // the 1e8 canvas units the chart lets through once they are scaled to pixels.
    const bool hasData = std::any_of(ops.begin(), ops.end(), [](const DrawOp& op) { return op.kind != DrawOp::Kind::Cls; });
    if (gridlines && hasData) paintGridlines(painter, geometry);
    paintLines(painter, ops, geometry, linePens);
    paintTexts(painter, ops, geometry, font);
    painter.restore();
}

QRectF targetLeavingRoomForTexts(const std::vector<DrawOp>& ops, const QRectF& paper, double scaleWidth,
                                 double scaleHeight, const QFont& font, QPaintDevice* device)
{
    if (scaleWidth <= 0 || scaleHeight <= 0) return paper;
    const QFontMetricsF metrics(font, device);
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

}  // namespace karnoth::render
