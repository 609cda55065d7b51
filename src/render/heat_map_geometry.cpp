#include "render/heat_map_geometry.h"

#include <algorithm>
#include <cmath>

namespace karnoth::render {
namespace {

constexpr int kAllShares = 100;  // per cent

}  // namespace

HeatMapGeometry::HeatMapGeometry(const QRectF& plot, int ownedShareStep)
    : plot_(plot), step_(ownedShareStep > 0 && kAllShares % ownedShareStep == 0 ? ownedShareStep : 1)
{ }

double HeatMapGeometry::xOfRate(double rate) const
{
    return plot_.left() + (rate + 0.5) / kPlanRateCount * plot_.width();
}

double HeatMapGeometry::yOfShare(double ownedShare) const
{
    return plot_.bottom() - (ownedShare + step_ / 2.0) / (kAllShares + step_) * plot_.height();
}

QRectF HeatMapGeometry::cellsRect(int ownedShare, int fromRate, int toRate) const
{
    const double half = step_ / 2.0;
    return QRectF(QPointF(xOfRate(fromRate - 0.5), yOfShare(ownedShare + half)),
                  QPointF(xOfRate(toRate + 0.5), yOfShare(ownedShare - half)));
}

std::optional<GridCell> HeatMapGeometry::cellAt(const QPointF& point) const
{
    if (!(point.x() >= plot_.left() && point.x() <= plot_.right() && point.y() >= plot_.top() &&
          point.y() <= plot_.bottom()) ||
        plot_.isEmpty())
        return std::nullopt;
    const double across = (point.x() - plot_.left()) / plot_.width() * kPlanRateCount;
    const double up = (plot_.bottom() - point.y()) / plot_.height() * rowCount();
    const int rate = std::clamp(static_cast<int>(std::floor(across)), kLowestProgrammeRate, kHighestProgrammeRate);
    const int row = std::clamp(static_cast<int>(std::floor(up)), 0, rowCount() - 1);
    return GridCell{row * step_, rate};
}

std::vector<QLineF> targetContour(const Plan& plan, const HeatMapGeometry& geometry)
{
    std::vector<QLineF> lines;
    const int step = geometry.ownedShareStep();
    if (plan.cells.empty() || plan.settings.ownedShareStep != step) return lines;
    const auto meets = [&](int share, int rate) { return plan.cell(share, rate).meetsTarget; };
    const double half = step / 2.0;
    for (int share = 0; share <= kAllShares; share += step) {
        const double top = geometry.yOfShare(share + half);
        const double bottom = geometry.yOfShare(share - half);
        // Between two rates of this row.
        for (int rate = kLowestProgrammeRate; rate < kHighestProgrammeRate; ++rate)
            if (meets(share, rate) != meets(share, rate + 1)) {
                const double x = geometry.xOfRate(rate + 0.5);
                lines.emplace_back(x, top, x, bottom);
            }
        // Between this row and the one above it, each run of differing rates as one line.
        if (share + step > kAllShares) continue;
        for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate;) {
            if (meets(share, rate) == meets(share + step, rate)) {
                ++rate;
                continue;
            }
            const int first = rate;
            while (rate <= kHighestProgrammeRate && meets(share, rate) != meets(share + step, rate)) ++rate;
            lines.emplace_back(geometry.xOfRate(first - 0.5), top, geometry.xOfRate(rate - 0.5), top);
        }
    }
    return lines;
}

}  // namespace karnoth::render
