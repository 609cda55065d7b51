#include "render/plan_heat_map.h"

#include "support/number_masks.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
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

constexpr int kAllShares = 100;  // per cent
constexpr double kPadding = 4.0;  // pixels around texts
constexpr double kTick = 4.0;  // an axis tick's length in pixels
constexpr double kScaleBar = 14.0;  // the colour scale's width in pixels
constexpr double kSwatch = 18.0;  // a key entry's sample in pixels
constexpr double kMarkRadius = 6.0;
constexpr double kHatchSpacing = 5.0;  // pixels between the hatching's lines
const QColor kAxis(0x40, 0x40, 0x40);
const QColor kHatch(0x70, 0x70, 0x70);

enum class KeySample { Contour, Current, Cheapest, Invalid };
constexpr std::array<KeySample, 4> kKeySamples{KeySample::Contour, KeySample::Current, KeySample::Cheapest,
                                               KeySample::Invalid};

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
    double x = kPadding;
    for (const QString& entry : entries) {
        const double entryWidth = kSwatch + kPadding + metrics.horizontalAdvance(entry);
        if (x > kPadding && x + entryWidth > width) {
            ++flow.rows;
            x = kPadding;
        }
        flow.positions.emplace_back(x, (flow.rows - 1) * metrics.lineSpacing());
        x += entryWidth + 4 * kPadding;
    }
    return flow;
}

// The widest label of the colour scale.
double scaleLabelWidth(const PercentScale& scale, const QFontMetricsF& metrics)
{
    return metrics.horizontalAdvance(plain(scale.upper()) + QStringLiteral(" %"));
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

// Diagonal lines over `area`, clipped to it, on white.
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

void paintContourLines(QPainter& painter, const std::vector<QLineF>& lines)
{
    if (lines.empty()) return;
    // A white edge under a dashed black line shows on the light and the dark end of the scale.
    QPen edge(Qt::white, 4.0);
    edge.setCapStyle(Qt::FlatCap);
    painter.setPen(edge);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    QPen dashes(Qt::black, 2.0, Qt::DashLine);
    dashes.setCapStyle(Qt::FlatCap);
    painter.setPen(dashes);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void paintKeySample(QPainter& painter, KeySample sample, const QRectF& box)
{
    const QPointF centre = box.center();
    switch (sample) {
    case KeySample::Contour:
        paintContourLines(painter, {QLineF(box.left(), centre.y(), box.right(), centre.y())});
        break;
    case KeySample::Current: paintRing(painter, centre); break;
    case KeySample::Cheapest: paintDiamond(painter, centre); break;
    case KeySample::Invalid: {
        const QRectF square(centre.x() - box.height() / 2, box.top(), box.height(), box.height());
        QPainterPath path;
        path.addRect(square);
        paintHatching(painter, path);
        painter.setPen(QPen(kAxis, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square);
        break;
    }
    }
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

// The label of the scan's step `rate` on the axis: per cent a year, or operations a year.
QString scanLabel(const Plan& plan, int rate)
{
    return plan.operationsStep ? grouped(plan.scanValue(rate)) : QString::number(rate / 10);
}

void paintAxes(QPainter& painter, const HeatMapLayout& layout, const Plan& plan, const QFontMetricsF& metrics)
{
    const QRectF& plot = layout.plot;
    const HeatMapGeometry& geometry = layout.geometry;
    painter.setPen(QPen(kAxis, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // Every tenth of the scan (10 % of rate), or every fifth when the labels would crowd each other.
    const double labelWidth = metrics.horizontalAdvance(scanLabel(plan, kHighestProgrammeRate));
    const int rateSpacing = plot.width() / 10 >= labelWidth + 2 * kPadding ? 100 : 200;
    for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate; rate += rateSpacing) {
        const double x = geometry.xOfRate(rate);
        painter.drawLine(QLineF(x, plot.bottom(), x, plot.bottom() + kTick));
        const QString label = scanLabel(plan, rate);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(x - width / 2, plot.bottom() + kTick + metrics.ascent()), label);
    }
    const QString rateTitle = plan.operationsStep ? HeatMapWords::tr("operations a year (females)")
                                                  : HeatMapWords::tr("programme rate, % a year");
    painter.drawText(
        QRectF(plot.left(), plot.bottom() + kTick + metrics.lineSpacing(), plot.width(), metrics.lineSpacing()),
        Qt::AlignHCenter | Qt::AlignTop, rateTitle);

    for (int share = 0, spacing = shareTickSpacing(geometry.ownedShareStep()); share <= kAllShares; share += spacing) {
        const double y = geometry.yOfShare(share);
        painter.drawLine(QLineF(plot.left() - kTick, y, plot.left(), y));
        const QString label = QString::number(share);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(plot.left() - kTick - kPadding - width, y - metrics.height() / 2 + metrics.ascent()),
                         label);
    }
    // The owned-share title runs upwards along the left edge.
    painter.save();
    painter.translate(plot.left() - kTick - 2 * kPadding - labelWidth - metrics.descent(), plot.center().y());
    painter.rotate(-90);
    const QString shareTitle = HeatMapWords::tr("share aimed at owned dogs, %");
    painter.drawText(QPointF(-metrics.horizontalAdvance(shareTitle) / 2, 0), shareTitle);
    painter.restore();
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
        painter.drawLine(QLineF(bar.right(), y, bar.right() + kTick, y));
        const QString label = plain(boundary * scale.bandWidth()) + QStringLiteral(" %");
        painter.drawText(QPointF(bar.right() + kTick + kPadding, y - metrics.height() / 2 + metrics.ascent()), label);
    }
    const QString heading = HeatMapWords::tr("of baseline");
    painter.drawText(QPointF(std::min(bar.left(), layout.key.right() - metrics.horizontalAdvance(heading) - kPadding),
                             bar.top() - kPadding - metrics.descent()),
                     heading);

    // The target across the bar, as the contour is drawn over the map.
    const double targetY = bar.bottom() -
                           std::clamp(targetPercent / scale.bandWidth(), 0.0, double(bands)) * bandHeight;
    paintContourLines(painter, {QLineF(bar.left() - kTick, targetY, bar.right(), targetY)});
}

void paintKey(QPainter& painter, const HeatMapLayout& layout, const QStringList& entries, const QFontMetricsF& metrics)
{
    const KeyFlow flow = flowKey(entries, layout.key.width(), metrics);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QPointF topLeft = layout.key.topLeft() + flow.positions[static_cast<std::size_t>(i)];
        const QRectF sample(topLeft.x(), topLeft.y() + (metrics.lineSpacing() - metrics.height()) / 2 + 2, kSwatch,
                            metrics.height() - 4);
        paintKeySample(painter, kKeySamples[static_cast<std::size_t>(i)], sample);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(topLeft.x() + kSwatch + kPadding, topLeft.y() + metrics.ascent()), entries[i]);
    }
}

void paintFault(QPainter& painter, const QRectF& area, const Plan& plan, const QFontMetricsF& metrics)
{
    painter.setPen(Qt::black);
    const QRectF room = area.adjusted(4 * kPadding, 4 * kPadding + metrics.lineSpacing(), -4 * kPadding, -4 * kPadding);
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
    const double line = metrics.lineSpacing();
    const PercentScale scale = percentScaleFor(plan.settings.targetPercent);

    const QRectF title(area.left(), area.top(), area.width(), line + 2 * kPadding);
    const KeyFlow flow = flowKey(heatMapKeyEntries(plan), area.width(), metrics);
    const double keyHeight = flow.rows * line + kPadding;
    const QRectF key(area.left(), area.bottom() - keyHeight, area.width(), keyHeight);

    const double left = kPadding + line + kPadding + metrics.horizontalAdvance(QStringLiteral("100")) + kTick +
                        kPadding;
    const double right = 2 * kPadding + kScaleBar + kTick + kPadding + scaleLabelWidth(scale, metrics) + kPadding;
    const double bottom = kTick + 2 * line + kPadding;
    const double top = title.bottom() + line + kPadding;
    const double plotRight = std::max(area.left() + left + 1, area.right() - right);
    const double plotBottom = std::max(top + 1, key.top() - bottom);
    const QRectF plot(QPointF(area.left() + left, top), QPointF(plotRight, plotBottom));
    const QRectF scaleBar(plot.right() + 2 * kPadding, plot.top(), kScaleBar, plot.height());
    return HeatMapLayout{title, plot, scaleBar, key, HeatMapGeometry(plot, plan.settings.ownedShareStep)};
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
    painter.drawText(layout.title.adjusted(kPadding, kPadding, -kPadding, 0), Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(heatMapTitle(plan), Qt::ElideRight, layout.title.width() - 2 * kPadding));

    painter.setRenderHint(QPainter::Antialiasing, false);
    paintCells(painter, plan, layout.geometry, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintAxes(painter, layout, plan, metrics);
    paintScale(painter, layout, scale, plan.settings.targetPercent, metrics);

    painter.save();
    painter.setClipRect(layout.plot.adjusted(-kMarkRadius - 2, -kMarkRadius - 2, kMarkRadius + 2, kMarkRadius + 2),
                        Qt::IntersectClip);
    paintContourLines(painter, targetContour(plan, layout.geometry));
    if (marks.current) {
        const double rate = std::clamp(marks.current->x(), double(kLowestProgrammeRate), double(kHighestProgrammeRate));
        const double share = std::clamp(marks.current->y(), 0.0, double(kAllShares));
        paintRing(painter, layout.geometry.toPixels(rate, share));
    }
    if (plan.cheapest) paintDiamond(painter, layout.geometry.toPixels(plan.cheapest->rate, plan.cheapest->ownedShare));
    painter.restore();

    paintKey(painter, layout, heatMapKeyEntries(plan), metrics);
    painter.restore();
}

}  // namespace karnoth::render
