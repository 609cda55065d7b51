#include "render/legend_place.h"

#include <QLineF>

#include <array>

namespace karnoth::render {
namespace {

bool crosses(const QLineF& segment, const QRectF& box)
{
    if (box.contains(segment.p1()) || box.contains(segment.p2())) return true;
    const std::array<QLineF, 4> edges{QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
                                      QLineF(box.bottomRight(), box.bottomLeft()),
                                      QLineF(box.bottomLeft(), box.topLeft())};
    for (const QLineF& edge : edges)
        if (segment.intersects(edge) == QLineF::BoundedIntersection) return true;
    return false;
}

}  // namespace

bool coversAnyLine(const QRectF& box, const std::vector<QPolygonF>& lines)
{
    for (const QPolygonF& line : lines) {
        if (line.size() == 1 && box.contains(line.first())) return true;
        // A quick look at the whole polyline's bounds first: most lie wholly beside the box.
        if (!line.boundingRect().adjusted(-1, -1, 1, 1).intersects(box)) continue;
        for (qsizetype i = 1; i < line.size(); ++i)
            if (crosses(QLineF(line[i - 1], line[i]), box)) return true;
    }
    return false;
}

QRectF placeLegend(const QRectF& plot, const QSizeF& size, const QSizeF& outsideSize,
                   const std::vector<QPolygonF>& lines, double inset)
{
    const QRectF inner = plot.adjusted(inset, inset, -inset, -inset);
    if (size.width() <= inner.width() && size.height() <= inner.height()) {
        const std::array<QPointF, 4> corners{QPointF(inner.right() - size.width(), inner.top()), inner.topLeft(),
                                             QPointF(inner.right() - size.width(), inner.bottom() - size.height()),
                                             QPointF(inner.left(), inner.bottom() - size.height())};
        for (const QPointF& topLeft : corners)
            if (const QRectF box(topLeft, size); !coversAnyLine(box, lines)) return box;
    }
    return QRectF(plot.center().x() - outsideSize.width() / 2.0, plot.top() - outsideSize.height(), outsideSize.width(),
                  outsideSize.height());
}

}  // namespace karnoth::render
