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
    painter.fillRect(geometry.target, background);
    painter.setClipRect(geometry.target);
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

}  // namespace karnoth::gui
