#include "render/robust_heat_map.h"

#include "support/number_masks.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace karnoth::render {
namespace {

// The words of this drawing, in the context of the planner's other map, whose words it shares.
struct RobustMapWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::PlanHeatMap)
};

// Where each band starts, as a probability.
constexpr std::array<double, kProbabilityBandCount> kBandStarts{0, 0.5, 0.8, 0.9, 0.95};
// Dark purple to light yellow: each at least 30 grey levels (of 255) lighter than the one before,
// so that they read in grey too.
const std::array<QColor, kProbabilityBandCount> kBandColours{QColor(0x44, 0x01, 0x54), QColor(0x3b, 0x52, 0x8b),
                                                             QColor(0x22, 0xa8, 0x84), QColor(0x7a, 0xd1, 0x51),
                                                             QColor(0xfd, 0xe7, 0x25)};
const QColor kAxis(0x40, 0x40, 0x40);

QString confidenceText(double confidence)
{
    return QString::fromStdString(formatPlain(confidence));
}

double widestBandLabel(const QFontMetricsF& metrics)
{
    double widest = 0;
    for (int band = 0; band < kProbabilityBandCount; ++band)
        widest = std::max(widest, metrics.horizontalAdvance(probabilityBandLabel(band)));
    return widest;
}

// The cells, run by run along each row: neighbours in the same band make one rectangle, and the
// rows without a valid replicate are hatched together.
void paintCells(QPainter& painter, const RobustPlan& plan, const HeatMapGeometry& geometry)
{
    const double overlap = 0.5;  // pixels each run reaches into the next, so that no seam shows
    QPainterPath invalid;
    painter.setPen(Qt::NoPen);
    for (const RobustRow& row : plan.rows) {
        if (row.probability.empty()) {
            invalid.addRect(geometry.cellsRect(row.ownedShare, kLowestProgrammeRate, kHighestProgrammeRate));
            continue;
        }
        const bool up = row.ownedShare + geometry.ownedShareStep() <= kAllShares;
        for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate;) {
            const int band = probabilityBand(row.probability[static_cast<std::size_t>(rate)]);
            int last = rate;
            while (last < kHighestProgrammeRate &&
                   probabilityBand(row.probability[static_cast<std::size_t>(last + 1)]) == band)
                ++last;
            const bool right = last < kHighestProgrammeRate;
            painter.fillRect(
                geometry.cellsRect(row.ownedShare, rate, last).adjusted(0, up ? -overlap : 0, right ? overlap : 0, 0),
                probabilityBandColour(band));
            rate = last + 1;
        }
    }
    if (!invalid.isEmpty()) paintHatching(painter, invalid.simplified());
}

// The bands beside the map, lowest at the bottom, each named at its middle.
void paintBands(QPainter& painter, const HeatMapLayout& layout, const QFontMetricsF& metrics)
{
    const QRectF& bar = layout.scale;
    const double height = bar.height() / kProbabilityBandCount;
    painter.setPen(Qt::NoPen);
    for (int band = 0; band < kProbabilityBandCount; ++band)
        painter.fillRect(QRectF(bar.left(), bar.bottom() - (band + 1) * height, bar.width(), height),
                         probabilityBandColour(band));
    painter.setPen(QPen(kAxis, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    for (int band = 0; band < kProbabilityBandCount; ++band) {
        const double middle = bar.bottom() - (band + 0.5) * height;
        painter.drawText(
            QPointF(bar.right() + kMapTick + kMapPadding, middle - metrics.height() / 2 + metrics.ascent()),
            probabilityBandLabel(band));
    }
    const QString heading = RobustMapWords::tr("of replicates");
    painter.drawText(
        QPointF(std::min(bar.left(), layout.key.right() - metrics.horizontalAdvance(heading) - kMapPadding),
                bar.top() - kMapPadding - metrics.descent()),
        heading);
}

}  // namespace

int probabilityBand(double probability)
{
    int band = 0;
    while (band + 1 < kProbabilityBandCount && probability >= kBandStarts[static_cast<std::size_t>(band + 1)]) ++band;
    return band;
}

QColor probabilityBandColour(int band)
{
    return kBandColours[static_cast<std::size_t>(std::clamp(band, 0, kProbabilityBandCount - 1))];
}

QString probabilityBandLabel(int band)
{
    const int clamped = std::clamp(band, 0, kProbabilityBandCount - 1);
    const int from = static_cast<int>(kBandStarts[static_cast<std::size_t>(clamped)] * 100 + 0.5);
    const int to = clamped + 1 < kProbabilityBandCount
                       ? static_cast<int>(kBandStarts[static_cast<std::size_t>(clamped + 1)] * 100 + 0.5)
                       : 100;
    return RobustMapWords::tr("%1-%2 %").arg(from).arg(to);
}

HeatMapLayout robustHeatMapLayout(const QRectF& area, const RobustPlan& plan, const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    return heatMapLayout(area, robustHeatMapKeyEntries(plan), widestBandLabel(metrics), plan.settings.ownedShareStep,
                         metrics);
}

QString robustHeatMapTitle(const RobustPlan& plan)
{
    if (plan.fault)
        return RobustMapWords::tr("No plan at %1 %: %2")
            .arg(confidenceText(plan.confidence), QString::fromStdString(*plan.fault));
    const QString replicates = plan.replicates == 1 ? RobustMapWords::tr("the window's run")
                                                    : RobustMapWords::tr("%1 replicates")
                                                          .arg(QString::fromStdString(
                                                              formatGrouped(static_cast<double>(plan.replicates))));
    return RobustMapWords::tr("Share of %1 that meet the target: at most %2 % of the baseline in %3")
        .arg(replicates, QString::fromStdString(formatPlain(plan.settings.targetPercent)))
        .arg(plan.settings.targetYear);
}

QStringList robustHeatMapKeyEntries(const RobustPlan& plan)
{
    const QString confidence = confidenceText(plan.confidence);
    return {RobustMapWords::tr("rate reaching %1 %").arg(confidence), RobustMapWords::tr("the window's setting"),
            RobustMapWords::tr("cheapest at %1 %").arg(confidence), RobustMapWords::tr("no valid replicate")};
}

std::vector<QLineF> robustBoundary(const RobustPlan& plan, const HeatMapGeometry& geometry)
{
    std::vector<QLineF> lines;
    if (plan.rows.empty() || plan.settings.ownedShareStep != geometry.ownedShareStep()) return lines;
    const double half = geometry.ownedShareStep() / 2.0;
    // The rate whose cell's left edge the line runs along: one past the last rate when none reaches.
    const auto edge = [](const RobustRow& row) { return row.minimalRate.value_or(kHighestProgrammeRate + 1) - 0.5; };
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        const RobustRow& row = plan.rows[i];
        const double x = geometry.xOfRate(edge(row));
        lines.emplace_back(x, geometry.yOfShare(row.ownedShare + half), x, geometry.yOfShare(row.ownedShare - half));
        if (i + 1 < plan.rows.size() && edge(plan.rows[i + 1]) != edge(row)) {
            const double y = geometry.yOfShare(row.ownedShare + half);
            lines.emplace_back(x, y, geometry.xOfRate(edge(plan.rows[i + 1])), y);
        }
    }
    return lines;
}

void paintRobustHeatMap(QPainter& painter, const QRectF& area, const RobustPlan& plan, const HeatMapMarks& marks,
                        const QFont& font)
{
    painter.save();
    painter.setFont(font);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(font, painter.device());
    if (plan.fault || plan.rows.empty()) {
        painter.setPen(Qt::black);
        painter.drawText(
            area.adjusted(4 * kMapPadding, 4 * kMapPadding + metrics.lineSpacing(), -4 * kMapPadding, -4 * kMapPadding),
            Qt::AlignCenter | Qt::TextWordWrap, robustHeatMapTitle(plan));
        painter.restore();
        return;
    }
    const HeatMapLayout layout = robustHeatMapLayout(area, plan, font, painter.device());
    painter.setPen(Qt::black);
    painter.drawText(
        layout.title.adjusted(kMapPadding, kMapPadding, -kMapPadding, 0), Qt::AlignLeft | Qt::AlignTop,
        metrics.elidedText(robustHeatMapTitle(plan), Qt::ElideRight, layout.title.width() - 2 * kMapPadding));

    painter.setRenderHint(QPainter::Antialiasing, false);
    paintCells(painter, plan, layout.geometry);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintHeatMapAxes(painter, layout, plan.operationsStep, metrics);
    paintBands(painter, layout, metrics);

    paintPlotMarks(painter, layout, robustBoundary(plan, layout.geometry), marks.current, plan.cheapest);

    paintHeatMapKey(painter, layout, robustHeatMapKeyEntries(plan), Qt::Vertical, metrics);
    painter.restore();
}

}  // namespace karnoth::render
