#include "render/plan_heat_map.h"

#include "support/number_masks.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace karnoth::render {
namespace {

// The words of this drawing, in their own translation context.
struct HeatMapWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::PlanHeatMap)
};

QString grouped(double value)
{
    return QString::fromStdString(formatGrouped(value));
}
QString plain(double value)
{
    return QString::fromStdString(formatPlain(value));
}

const QColor kAxis(0x40, 0x40, 0x40);

// The widest label of the colour scale.
double scaleLabelWidth(const PercentScale& scale, const QFontMetricsF& metrics)
{
    return metrics.horizontalAdvance(plain(scale.upper()) + QStringLiteral(" %"));
}

// The cells, run by run along each row: neighbours in the same band make one rectangle, and the
// cells whose run faulted are hatched together.
void paintCells(QPainter& painter, const Plan& plan, const HeatMapGeometry& geometry, const PercentScale& scale)
{
    const int step = geometry.ownedShareStep();
    // Each run reaches half a pixel into the next, so no seam shows where a viewer smooths edges.
    const double overlap = 0.5;
    QPainterPath invalid;
    painter.setPen(Qt::NoPen);
    for (int share = 0; share <= kAllShares; share += step) {
        for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate;) {
            const PlanCell& first = plan.cell(share, rate);
            const int band = first.valid ? scale.bandOf(first.figures.percentOfBaseline) : -1;
            int last = rate;
            while (last < kHighestProgrammeRate) {
                const PlanCell& next = plan.cell(share, last + 1);
                if (next.valid != first.valid || (next.valid && scale.bandOf(next.figures.percentOfBaseline) != band))
                    break;
                ++last;
            }
            const QRectF run = geometry.cellsRect(share, rate, last);
            if (first.valid) {
                const bool right = last < kHighestProgrammeRate;
                const bool up = share + step <= kAllShares;
                painter.fillRect(run.adjusted(0, up ? -overlap : 0, right ? overlap : 0, 0), scale.colourOfBand(band));
            } else {
                invalid.addRect(run);
            }
            rate = last + 1;
        }
    }
    if (!invalid.isEmpty()) paintHatching(painter, invalid.simplified());
}

void paintScale(QPainter& painter, const HeatMapLayout& layout, const PercentScale& scale, double targetPercent,
                const QFontMetricsF& metrics)
{
    const QRectF& bar = layout.scale;
    const int bands = scale.bandCount() + 1;
    const double bandHeight = bar.height() / bands;
    painter.setPen(Qt::NoPen);
    for (int band = 0; band < bands; ++band)
        painter.fillRect(QRectF(bar.left(), bar.bottom() - (band + 1) * bandHeight, bar.width(), bandHeight),
                         scale.colourOfBand(band));
    painter.setPen(QPen(kAxis, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);

    // Labels at round boundaries, far enough apart to read.
    int stride = 1;
    for (int candidate : {1, 2, 5, 10, 20}) {
        stride = candidate;
        if (candidate * bandHeight >= metrics.lineSpacing()) break;
    }
    for (int boundary = 0; boundary <= scale.bandCount(); boundary += stride) {
        const double y = bar.bottom() - boundary * bandHeight;
        painter.drawLine(QLineF(bar.right(), y, bar.right() + kMapTick, y));
        const QString label = plain(boundary * scale.bandWidth()) + QStringLiteral(" %");
        painter.drawText(QPointF(bar.right() + kMapTick + kMapPadding, y - metrics.height() / 2 + metrics.ascent()),
                         label);
    }
    const QString heading = HeatMapWords::tr("of baseline");
    painter.drawText(
        QPointF(std::min(bar.left(), layout.key.right() - metrics.horizontalAdvance(heading) - kMapPadding),
                bar.top() - kMapPadding - metrics.descent()),
        heading);

    // The target across the bar, as the contour is drawn over the map.
    const double targetY = bar.bottom() -
                           std::clamp(targetPercent / scale.bandWidth(), 0.0, double(bands)) * bandHeight;
    paintBoundaryLines(painter, {QLineF(bar.left() - kMapTick, targetY, bar.right(), targetY)});
}

void paintFault(QPainter& painter, const QRectF& area, const Plan& plan, const QFontMetricsF& metrics)
{
    painter.setPen(Qt::black);
    const QRectF room = area.adjusted(4 * kMapPadding, 4 * kMapPadding + metrics.lineSpacing(), -4 * kMapPadding,
                                      -4 * kMapPadding);
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, heatMapTitle(plan));
}

}  // namespace

QString heatMapTitle(const Plan& plan)
{
    if (plan.fault) return HeatMapWords::tr("No plan: %1").arg(QString::fromStdString(*plan.fault));
    return HeatMapWords::tr("Street total in %1 as a percentage of %2, the street total in %3")
        .arg(plan.settings.targetYear)
        .arg(grouped(plan.baseline.value_or(0)))
        .arg(plan.baselineYear.value_or(0));
}

QStringList heatMapKeyEntries(const Plan& plan)
{
    return {HeatMapWords::tr("target: at most %1 % in %2")
                .arg(plain(plan.settings.targetPercent))
                .arg(plan.settings.targetYear),
            HeatMapWords::tr("the window's setting"), HeatMapWords::tr("cheapest programme"),
            HeatMapWords::tr("the run faults")};
}

HeatMapLayout planHeatMapLayout(const QRectF& area, const Plan& plan, const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    return heatMapLayout(area, heatMapKeyEntries(plan),
                         scaleLabelWidth(percentScaleFor(plan.settings.targetPercent), metrics),
                         plan.settings.ownedShareStep, metrics);
}

void paintPlanHeatMap(QPainter& painter, const QRectF& area, const Plan& plan, const HeatMapMarks& marks,
                      const QFont& font)
{
    painter.save();
    painter.setFont(font);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(font, painter.device());
    if (plan.fault || plan.cells.empty()) {
        paintFault(painter, area, plan, metrics);
        painter.restore();
        return;
    }
    const HeatMapLayout layout = planHeatMapLayout(area, plan, font, painter.device());
    const PercentScale scale = percentScaleFor(plan.settings.targetPercent);

    painter.setPen(Qt::black);
    painter.drawText(layout.title.adjusted(kMapPadding, kMapPadding, -kMapPadding, 0), Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(heatMapTitle(plan), Qt::ElideRight, layout.title.width() - 2 * kMapPadding));

    painter.setRenderHint(QPainter::Antialiasing, false);
    paintCells(painter, plan, layout.geometry, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintHeatMapAxes(painter, layout, plan.operationsStep, metrics);
    paintScale(painter, layout, scale, plan.settings.targetPercent, metrics);

    paintPlotMarks(painter, layout, targetContour(plan, layout.geometry), marks.current, plan.cheapest);

    paintHeatMapKey(painter, layout, heatMapKeyEntries(plan), Qt::Horizontal, metrics);
    painter.restore();
}

}  // namespace karnoth::render
