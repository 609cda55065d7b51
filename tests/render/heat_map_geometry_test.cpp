// Where cells lie on the heat map and which cell lies under a point, on a plot of 1001 x 300 pixels
// at (100, 50) with owned shares 0, 50 and 100: each rate one pixel wide, each row 100 pixels high
// (share 0 at the bottom, 250..350; share 100 at the top, 50..150). And the target's contour.

#include "render/heat_map_geometry.h"
#include "synthetic_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

namespace karnoth::render {
namespace {

using karnoth::testing::cellOf;
using karnoth::testing::syntheticPlan;

const QRectF kPlot(100, 50, 1001, 300);

TEST(HeatMapGeometry, CellsAreCentredOnTheirRateAndShare)
{
    const HeatMapGeometry geometry(kPlot, 50);
    EXPECT_EQ(geometry.rowCount(), 3);
    EXPECT_DOUBLE_EQ(geometry.xOfRate(0), 100.5);
    EXPECT_DOUBLE_EQ(geometry.xOfRate(1000), 1100.5);
    EXPECT_DOUBLE_EQ(geometry.yOfShare(0), 300);
    EXPECT_DOUBLE_EQ(geometry.yOfShare(100), 100);
    EXPECT_EQ(geometry.cellRect(0, 0), QRectF(100, 250, 1, 100));
    EXPECT_EQ(geometry.cellRect(100, 1000), QRectF(1100, 50, 1, 100));
    EXPECT_EQ(geometry.cellsRect(50, 10, 19), QRectF(110, 150, 10, 100));
}

TEST(HeatMapGeometry, AStepThatDoesNotDivide100CountsAsOne)
{
    EXPECT_EQ(HeatMapGeometry(kPlot, 7).ownedShareStep(), 1);
    EXPECT_EQ(HeatMapGeometry(kPlot, 0).rowCount(), 101);
}

struct PointCase {
    QPointF point;
    std::optional<GridCell> cell;
};

class CellAt : public ::testing::TestWithParam<PointCase> { };

TEST_P(CellAt, FindsTheCellUnderAPoint)
{
    const HeatMapGeometry geometry(kPlot, 50);
    const std::optional<GridCell> found = geometry.cellAt(GetParam().point);
    ASSERT_EQ(found.has_value(), GetParam().cell.has_value()) << GetParam().point.x() << ", " << GetParam().point.y();
    if (found) {
        EXPECT_EQ(found->ownedShare, GetParam().cell->ownedShare);
        EXPECT_EQ(found->rate, GetParam().cell->rate);
    }
}

INSTANTIATE_TEST_SUITE_P(Points, CellAt,
                         ::testing::Values(PointCase{{100, 350}, GridCell{0, 0}},  // the bottom left corner
                                           PointCase{{100.99, 250.5}, GridCell{0, 0}},  // inside the first cell
                                           PointCase{{101, 250},
                                                     GridCell{50, 1}},  // on both lines: higher rate and share
                                           PointCase{{600.5, 200}, GridCell{50, 500}},  // the middle of the plot
                                           PointCase{{1100.5, 50}, GridCell{100, 1000}},  // the top right cell
                                           PointCase{{1101, 50}, GridCell{100, 1000}},  // its right edge
                                           PointCase{{99.9, 200}, std::nullopt},  // left of the plot
                                           PointCase{{1101.1, 200}, std::nullopt},  // right of it
                                           PointCase{{600, 49.9}, std::nullopt},  // above it
                                           PointCase{{600, 350.1}, std::nullopt}));  // below it

TEST(HeatMapGeometry, AnEmptyPlotHasNoCells)
{
    EXPECT_FALSE(HeatMapGeometry(QRectF(10, 10, 0, 0), 5).cellAt(QPointF(10, 10)));
}

// Share 0 meets the target from rate 500 on, share 50 from 300 on, share 100 never.
Plan steppedPlan()
{
    Plan plan = syntheticPlan();
    for (int rate = 500; rate <= 1000; ++rate) cellOf(plan, 0, rate).meetsTarget = true;
    for (int rate = 300; rate <= 1000; ++rate) cellOf(plan, 50, rate).meetsTarget = true;
    return plan;
}

std::vector<QLineF> sorted(std::vector<QLineF> lines)
{
    const auto key = [](const QLineF& line) { return std::make_tuple(line.y1(), line.x1(), line.y2(), line.x2()); };
    std::sort(lines.begin(), lines.end(), [&](const QLineF& a, const QLineF& b) { return key(a) < key(b); });
    return lines;
}

TEST(TargetContour, RunsBetweenCellsThatMeetTheTargetAndTheirNeighboursThatDoNot)
{
    const HeatMapGeometry geometry(kPlot, 50);
    const std::vector<QLineF> expected{
        QLineF(400, 150, 400, 250),  // share 50: between rates 299 and 300
        QLineF(400, 150, 1101, 150),  // above share 50, rates 300..1000
        QLineF(600, 250, 600, 350),  // share 0: between rates 499 and 500
        QLineF(400, 250, 600, 250),  // between shares 0 and 50, rates 300..499
    };
    EXPECT_EQ(sorted(targetContour(steppedPlan(), geometry)), sorted(expected));
}

TEST(TargetContour, AnInvalidCellCountsAsMissingTheTarget)
{
    Plan plan = steppedPlan();
    PlanCell& invalid = cellOf(plan, 0, 700);
    invalid.valid = false;
    invalid.meetsTarget = false;
    const std::vector<QLineF> lines = targetContour(plan, HeatMapGeometry(kPlot, 50));
    EXPECT_EQ(lines.size(), 4u + 3u);
    for (const QLineF& line : {QLineF(800, 250, 800, 350), QLineF(801, 250, 801, 350), QLineF(800, 250, 801, 250)})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line.x1() << " " << line.y1();
}

TEST(TargetContour, NoneWithoutCellsOrForAnotherStep)
{
    EXPECT_TRUE(targetContour(Plan{}, HeatMapGeometry(kPlot, 50)).empty());
    EXPECT_TRUE(targetContour(steppedPlan(), HeatMapGeometry(kPlot, 25)).empty());
    Plan everywhere = syntheticPlan();
    for (PlanCell& cell : everywhere.cells) cell.meetsTarget = true;
    EXPECT_TRUE(targetContour(everywhere, HeatMapGeometry(kPlot, 50)).empty());
}

}  // namespace
}  // namespace karnoth::render
