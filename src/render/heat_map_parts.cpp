#include "render/heat_map_parts.h"

#include "support/number_masks.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace karnoth::render {
namespace {

// The words of the heat maps, in the planner's drawing's translation context.
struct HeatMapWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::PlanHeatMap)
};

constexpr double kHatchSpacing = 5.0;  // pixels between the hatching's lines
const QColor kAxis(0x40, 0x40, 0x40);
const QColor kHatch(0x70, 0x70, 0x70);

// The owned shares labelled on the y axis: the smallest multiple of the step from 20 % on that
// divides 100 (0, 20, ..., 100 for steps of 1, 2, 4, 5, 10, 20; 0, 25, ... for 25).
int shareTickSpacing(int step)
{
    for (int spacing = step;; spacing += step)
        if (spacing >= 20 && kAllShares % spacing == 0) return spacing;
}

// Key entries laid out left to right, wrapping at `width`: the top-left corner of each, relative
// to the key's top-left corner, and the number of rows.
struct KeyFlow {
    std::vector<QPointF> positions;
    int rows = 1;
};

KeyFlow flowKey(const QStringList& entries, double width, const QFontMetricsF& metrics)
{
    KeyFlow flow;
    double x = kMapPadding;
    for (const QString& entry : entries) {
        const double entryWidth = kKeySwatch + kMapPadding + metrics.horizontalAdvance(entry);
        if (x > kMapPadding && x + entryWidth > width) {
            ++flow.rows;
            x = kMapPadding;
        }
        flow.positions.emplace_back(x, (flow.rows - 1) * metrics.lineSpacing());
        x += entryWidth + 4 * kMapPadding;
    }
    return flow;
}

// The label of the scan's step `rate` on the axis: per cent a year, or operations a year.
QString scanLabel(std::optional<double> operationsStep, int rate)
{
    return operationsStep ? QString::fromStdString(formatGrouped(rate * *operationsStep)) : QString::number(rate / 10);
}

}  // namespace

HeatMapLayout heatMapLayout(const QRectF& area, const QStringList& keyEntries, double scaleLabelWidth,
                            int ownedShareStep, const QFontMetricsF& metrics)
{
    const double line = metrics.lineSpacing();
    const QRectF title(area.left(), area.top(), area.width(), line + 2 * kMapPadding);
    const KeyFlow flow = flowKey(keyEntries, area.width(), metrics);
    const double keyHeight = flow.rows * line + kMapPadding;
    const QRectF key(area.left(), area.bottom() - keyHeight, area.width(), keyHeight);

    const double left = kMapPadding + line + kMapPadding + metrics.horizontalAdvance(QStringLiteral("100")) + kMapTick +
                        kMapPadding;
    const double right = 2 * kMapPadding + kScaleBar + kMapTick + kMapPadding + scaleLabelWidth + kMapPadding;
    const double bottom = kMapTick + 2 * line + kMapPadding;
    const double top = title.bottom() + line + kMapPadding;
    const double plotRight = std::max(area.left() + left + 1, area.right() - right);
    const double plotBottom = std::max(top + 1, key.top() - bottom);
    const QRectF plot(QPointF(area.left() + left, top), QPointF(plotRight, plotBottom));
    const QRectF scaleBar(plot.right() + 2 * kMapPadding, plot.top(), kScaleBar, plot.height());
    return HeatMapLayout{title, plot, scaleBar, key, HeatMapGeometry(plot, ownedShareStep)};
}

void paintHeatMapAxes(QPainter& painter, const HeatMapLayout& layout, std::optional<double> operationsStep,
                      const QFontMetricsF& metrics)
{
    const QRectF& plot = layout.plot;
    const HeatMapGeometry& geometry = layout.geometry;
    painter.setPen(QPen(kAxis, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // Every tenth of the scan (10 % of rate), or every fifth when the labels would crowd each other.
    const double labelWidth = metrics.horizontalAdvance(scanLabel(operationsStep, kHighestProgrammeRate));
    const int rateSpacing = plot.width() / 10 >= labelWidth + 2 * kMapPadding ? 100 : 200;
    for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate; rate += rateSpacing) {
        const double x = geometry.xOfRate(rate);
        painter.drawLine(QLineF(x, plot.bottom(), x, plot.bottom() + kMapTick));
        const QString label = scanLabel(operationsStep, rate);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(x - width / 2, plot.bottom() + kMapTick + metrics.ascent()), label);
    }
    const QString rateTitle = operationsStep ? HeatMapWords::tr("operations a year (females)")
                                             : HeatMapWords::tr("programme rate, % a year");
    painter.drawText(
        QRectF(plot.left(), plot.bottom() + kMapTick + metrics.lineSpacing(), plot.width(), metrics.lineSpacing()),
        Qt::AlignHCenter | Qt::AlignTop, rateTitle);

    for (int share = 0, spacing = shareTickSpacing(geometry.ownedShareStep()); share <= kAllShares; share += spacing) {
        const double y = geometry.yOfShare(share);
        painter.drawLine(QLineF(plot.left() - kMapTick, y, plot.left(), y));
        const QString label = QString::number(share);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(
            QPointF(plot.left() - kMapTick - kMapPadding - width, y - metrics.height() / 2 + metrics.ascent()), label);
    }
    // The owned-share title runs upwards along the left edge.
    painter.save();
    painter.translate(plot.left() - kMapTick - 2 * kMapPadding - labelWidth - metrics.descent(), plot.center().y());
    painter.rotate(-90);
    const QString shareTitle = HeatMapWords::tr("share aimed at owned dogs, %");
    painter.drawText(QPointF(-metrics.horizontalAdvance(shareTitle) / 2, 0), shareTitle);
    painter.restore();
}

void paintRing(QPainter& painter, const QPointF& centre)
{
    painter.setPen(QPen(Qt::black, 2.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, kMarkRadius, kMarkRadius);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, 1.5, 1.5);
}

void paintDiamond(QPainter& painter, const QPointF& centre)
{
    const double r = kMarkRadius + 1;
    const QPolygonF diamond{centre + QPointF(0, -r), centre + QPointF(r, 0), centre + QPointF(0, r),
                            centre + QPointF(-r, 0)};
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(Qt::black);
    painter.drawPolygon(diamond);
}

void paintHatching(QPainter& painter, const QPainterPath& area)
{
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.fillPath(area, Qt::white);
    painter.setPen(QPen(kHatch, 1.0));
    const QRectF bounds = area.boundingRect();
    for (double x = bounds.left() - bounds.height(); x < bounds.right(); x += kHatchSpacing)
        painter.drawLine(QLineF(x, bounds.bottom(), x + bounds.height(), bounds.top()));
    painter.restore();
}

void paintBoundaryLines(QPainter& painter, const std::vector<QLineF>& lines)
{
    if (lines.empty()) return;
    QPen edge(Qt::white, 4.0);
    edge.setCapStyle(Qt::FlatCap);
    painter.setPen(edge);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    QPen dashes(Qt::black, 2.0, Qt::DashLine);
    dashes.setCapStyle(Qt::FlatCap);
    painter.setPen(dashes);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void paintPlotMarks(QPainter& painter, const HeatMapLayout& layout, const std::vector<QLineF>& boundary,
                    std::optional<QPointF> current, const std::optional<PlanCheapest>& cheapest)
{
    painter.save();
    painter.setClipRect(layout.plot.adjusted(-kMarkRadius - 2, -kMarkRadius - 2, kMarkRadius + 2, kMarkRadius + 2),
                        Qt::IntersectClip);
    paintBoundaryLines(painter, boundary);
    if (current) {
        const double rate = std::clamp(current->x(), double(kLowestProgrammeRate), double(kHighestProgrammeRate));
        const double share = std::clamp(current->y(), 0.0, double(kAllShares));
        paintRing(painter, layout.geometry.toPixels(rate, share));
    }
    if (cheapest) paintDiamond(painter, layout.geometry.toPixels(cheapest->rate, cheapest->ownedShare));
    painter.restore();
}

namespace {

// A map's key entries, in the order its texts come.
enum class KeyEntry { line, current, cheapest, noResult };

// A hatched square with a frame, as the key shows cells without a result.
void paintHatchedSample(QPainter& painter, const QRectF& box)
{
    const QRectF square(box.center().x() - box.height() / 2, box.top(), box.height(), box.height());
    QPainterPath path;
    path.addRect(square);
    paintHatching(painter, path);
    painter.setPen(QPen(kAxis, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);
}

void paintKeySample(QPainter& painter, KeyEntry entry, const QRectF& box, Qt::Orientation line)
{
    const QPointF centre = box.center();
    switch (entry) {
    case KeyEntry::line:
        paintBoundaryLines(painter, {line == Qt::Horizontal ? QLineF(box.left(), centre.y(), box.right(), centre.y())
                                                            : QLineF(centre.x(), box.top(), centre.x(), box.bottom())});
        break;
    case KeyEntry::current: paintRing(painter, centre); break;
    case KeyEntry::cheapest: paintDiamond(painter, centre); break;
    case KeyEntry::noResult: paintHatchedSample(painter, box); break;
    }
}

}  // namespace

void paintHeatMapKey(QPainter& painter, const HeatMapLayout& layout, const QStringList& entries, Qt::Orientation line,
                     const QFontMetricsF& metrics)
{
    const KeyFlow flow = flowKey(entries, layout.key.width(), metrics);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QPointF topLeft = layout.key.topLeft() + flow.positions[static_cast<std::size_t>(i)];
        const QRectF box(topLeft.x(), topLeft.y() + (metrics.lineSpacing() - metrics.height()) / 2 + 2, kKeySwatch,
                         metrics.height() - 4);
        painter.save();
        paintKeySample(painter, static_cast<KeyEntry>(i), box, line);
        painter.restore();
        painter.setPen(Qt::black);
        painter.drawText(QPointF(topLeft.x() + kKeySwatch + kMapPadding, topLeft.y() + metrics.ascent()), entries[i]);
    }
}

}  // namespace karnoth::render
