#include "app/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace karnoth {
namespace {

TEST(Layout, EveryControlOnceWithAUniqueKeyboardOrder)
{
    std::set<std::string> names;
    std::set<int> tabs;
    int lines = 0;
    bool lineSeen = false;
    int labelArray = 0;
    for (const LayoutRow& row : formLayout()) {
        EXPECT_TRUE(names.insert(std::string(row.name)).second) << row.name;
        EXPECT_TRUE(row.kind == ControlKind::Line || !lineSeen) << row.name << " after a line: lines come last";
        if (row.kind == ControlKind::Line) {
            lineSeen = true;
            ++lines;
            EXPECT_TRUE(row.left == row.x2 || row.top == row.y2) << row.name << " is straight and level";
            continue;
        }
        EXPECT_TRUE(tabs.insert(row.tab).second) << row.name;
        EXPECT_LE(row.left + row.width, kLayoutRight) << row.name;
        EXPECT_LE(row.top + row.height, kLayoutBottom) << row.name;
        if (row.name.starts_with("Label1(")) ++labelArray;
    }
    EXPECT_EQ(lines, 43);
    EXPECT_EQ(labelArray, 10) << "elements 0 to 8 and 10";
    EXPECT_EQ(names.count("Label1(9)"), 0u);
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), static_cast<int>(tabs.size()) - 1) << "keyboard order without gaps";
    const auto first = std::find_if(formLayout().begin(), formLayout().end(),
                                    [](const LayoutRow& s) { return s.tab == 0; });
    EXPECT_EQ(first->name, "cmdRun");
}

// The controls reach the rightmost group's frame (19080 twips) plus the margin of 15 the first
// groups have; the chart's canvas keeps the width of the first groups (15015), whatever the window
// stretches it to, so that its drawing does not change.
TEST(Layout, TheControlsEndAtTheRightmostGroupAndTheChartKeepsItsCanvas)
{
    int rightmostLine = 0;
    for (const LayoutRow& row : formLayout())
        if (row.kind == ControlKind::Line) rightmostLine = std::max({rightmostLine, row.left, row.x2});
    const LayoutRow& chart = *findLayoutRow("picPlot");
    EXPECT_EQ(rightmostLine, 19080);
    EXPECT_EQ(kLayoutRight, rightmostLine + 15);
    EXPECT_EQ(chart.left + chart.width, 15015);
}

TEST(Layout, EveryScrollBarStartsWithinItsRange)
{
    int bars = 0;
    for (const LayoutRow& row : formLayout()) {
        if (!row.range) continue;
        ++bars;
        const auto [low, high] = layoutScrollRange(row.name);
        EXPECT_LT(low, high) << row.name;
        EXPECT_EQ(low, std::min(row.range->firstEnd, row.range->secondEnd)) << row.name;
        EXPECT_EQ(high, std::max(row.range->firstEnd, row.range->secondEnd)) << row.name;
        EXPECT_GE(row.value, low) << row.name;
        EXPECT_LE(row.value, high) << row.name;
        EXPECT_GE(row.range->smallStep, 1) << row.name;
        EXPECT_LE(row.range->smallStep, row.range->largeStep) << row.name;
    }
    EXPECT_EQ(bars, 3);
    // A vertical bar's first end is its top: more dogs abandoned and more aimed at owned dogs sit
    // at the top of their bars.
    EXPECT_GT(findLayoutRow("vscGainLoss")->range->firstEnd, findLayoutRow("vscGainLoss")->range->secondEnd);
    EXPECT_GT(findLayoutRow("vscTarget")->range->firstEnd, findLayoutRow("vscTarget")->range->secondEnd);
    // Any other field of the settings file need only fit an Integer.
    EXPECT_EQ(layoutScrollRange("txtFrom"), std::make_pair(-32768, 32767));
    EXPECT_EQ(findLayoutRow("Label1(9)"), nullptr);
}

TEST(Layout, HeadingsAndColours)
{
    int headings = 0;
    for (const LayoutRow& row : formLayout()) {
        if (row.heading) ++headings;
        if (row.name == "Label4") {
            EXPECT_EQ(row.foreColor, (Rgb{0, 0, 192}));
        }
        if (row.name == "Label7") {
            EXPECT_TRUE(row.wraps);
        }
    }
    EXPECT_EQ(headings, 5);
}

}  // namespace
}  // namespace karnoth
