#include "gui/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace karnoth::gui {

QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

void paintChart(QPainter& painter, const std::vector<DrawOp>& ops, const ChartGeometry& geometry,
                const QFont& font, const QColor& background)
{
    painter.save();
    const QRectF paper = geometry.paper.isEmpty() ? geometry.target : geometry.paper;
    painter.fillRect(paper, background);
    painter.setClipRect(paper);
    painter.setFont(font);

    const bool hasScale = geometry.scaleWidth > 0 && geometry.scaleHeight > 0;
    const double sx = hasScale ? geometry.target.width() / geometry.scaleWidth : 0.0;
    const double sy = hasScale ? geometry.target.height() / geometry.scaleHeight : 0.0;
    const auto toPixels = [&](float x, float y) {
        return QPointF(geometry.target.left() + x * sx, geometry.target.top() + y * sy);
    };
    const double ascent = QFontMetricsF(font, painter.device()).ascent();

    // A polyline point far outside the picture is clipped; QPainter copes with coordinates up to
    // the 1e8 canvas units the chart lets through once they are scaled to pixels.
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidth(0);
    for (const DrawOp& op : ops) {
        switch (op.kind) {
        case DrawOp::Kind::Cls:
            break;
        case DrawOp::Kind::Line:
            pen.setColor(toQColor(op.colour));
            painter.setPen(pen);
            painter.drawLine(QLineF(toPixels(op.x1, op.y1), toPixels(op.x2, op.y2)));
            break;
        case DrawOp::Kind::Print:
            painter.setPen(toQColor(op.colour));
            painter.drawText(toPixels(op.x1, op.y1) + QPointF(0, ascent), QString::fromStdString(op.text));
            break;
        }
    }
    painter.restore();
}

QRectF targetLeavingRoomForTexts(const std::vector<DrawOp>& ops, const QRectF& paper, double scaleWidth,
                                 double scaleHeight, const QFont& font, QPaintDevice* device)
{
    if (scaleWidth <= 0 || scaleHeight <= 0) return paper;
    const QFontMetricsF metrics(font, device);
    const double sx = paper.width() / scaleWidth;
    const double sy = paper.height() / scaleHeight;
    double right = 0;
    double bottom = 0;
    for (const DrawOp& op : ops) {
        if (op.kind != DrawOp::Kind::Print) continue;
        const double x = op.x1 * sx + metrics.horizontalAdvance(QString::fromStdString(op.text));
        const double y = op.y1 * sy + metrics.height();
        if (x > right && x < 4 * paper.width()) right = x;
        if (y > bottom && y < 4 * paper.height()) bottom = y;
    }
    QRectF target = paper;
    target.setWidth(paper.width() - qMax(0.0, right - paper.width()));
    target.setHeight(paper.height() - qMax(0.0, bottom - paper.height()));
    return target.width() > paper.width() / 2 && target.height() > paper.height() / 2 ? target : paper;
}

}  // namespace karnoth::gui
