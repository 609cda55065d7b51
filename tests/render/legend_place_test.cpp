// Where the legend goes: the first corner of the plot that no curve crosses, or above the plot when
// every corner holds data.

#include "render/legend_place.h"

#include <gtest/gtest.h>

#include <vector>

namespace karnoth::render {
namespace {

const QRectF kPlot(0, 0, 400, 200);
const QSizeF kBox(100, 50);
const QSizeF kRow(300, 20);
constexpr double kInset = 4;

// The boxes of the corners, inset as placeLegend insets them.
const QRectF kTopRight(296, 4, 100, 50);
const QRectF kTopLeft(4, 4, 100, 50);
const QRectF kBottomRight(296, 146, 100, 50);
const QRectF kBottomLeft(4, 146, 100, 50);
const QRectF kAbove(50, -20, 300, 20);

// A short stroke through the middle of a corner's box.
QPolygonF strokeIn(const QRectF& box)
{
    return QPolygonF{box.center() - QPointF(10, 5), box.center() + QPointF(10, 5)};
}

struct PlaceCase {
    const char* what;
    std::vector<QPolygonF> lines;
    QRectF placed;
};

TEST(PlaceLegend, TakesTheFirstCornerNoCurveCrossesOrElseGoesAboveThePlot)
{
    const QPolygonF topRight = strokeIn(kTopRight);
    const QPolygonF topLeft = strokeIn(kTopLeft);
    const QPolygonF bottomRight = strokeIn(kBottomRight);
    const QPolygonF bottomLeft = strokeIn(kBottomLeft);
    for (const PlaceCase& c : {
             PlaceCase{"no data", {}, kTopRight},
             PlaceCase{"data in the top right", {topRight}, kTopLeft},
             PlaceCase{"data in both top corners", {topRight, topLeft}, kBottomRight},
             PlaceCase{"data in three corners", {topRight, topLeft, bottomRight}, kBottomLeft},
             PlaceCase{"data in every corner", {topRight, topLeft, bottomRight, bottomLeft}, kAbove},
             PlaceCase{"only the bottom left taken", {bottomLeft}, kTopRight},
             // A falling line from the top left to the bottom right, as a declining street total
             // runs: it leaves the top right free.
             PlaceCase{"a decline", {QPolygonF{QPointF(0, 0), QPointF(200, 100), QPointF(400, 200)}}, kTopRight},
             // A rising one crosses the top right and bottom left boxes with no point inside them.
             PlaceCase{"a rise", {QPolygonF{QPointF(0, 200), QPointF(400, 0)}}, kTopLeft},
             PlaceCase{"a single point", {QPolygonF{kTopRight.center()}}, kTopLeft},
             PlaceCase{"a flat line along the top", {QPolygonF{QPointF(0, 30), QPointF(400, 30)}}, kBottomRight},
         }) {
        const QRectF placed = placeLegend(kPlot, kBox, kRow, c.lines, kInset);
        EXPECT_EQ(placed, c.placed) << c.what;
        if (placed != kAbove) {
            EXPECT_FALSE(coversAnyLine(placed, c.lines)) << c.what;
        }
    }
}

TEST(PlaceLegend, ABoxLargerThanThePlotGoesAboveIt)
{
    EXPECT_EQ(placeLegend(QRectF(0, 0, 80, 40), kBox, kRow, {}, kInset), QRectF(-110, -20, 300, 20));
}

}  // namespace
}  // namespace karnoth::render
