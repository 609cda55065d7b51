#include "app/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace karnoth {
namespace {

TEST(Layout, EveryControlOnceWithAUniqueKeyboardOrder)
{
    std::set<std::string> names;
    std::set<int> tabs;
    int lines = 0;
    int labelArray = 0;
    for (const ControlSpec& spec : formLayout()) {
        EXPECT_TRUE(names.insert(std::string(spec.name)).second) << spec.name;
        if (spec.kind == ControlKind::Line) {
            ++lines;
            EXPECT_TRUE(spec.left == spec.x2 || spec.top == spec.y2) << spec.name << " is straight and level";
            continue;
        }
        EXPECT_TRUE(tabs.insert(spec.tab).second) << spec.name;
        EXPECT_LE(spec.left + spec.width, kLayoutRight) << spec.name;
        EXPECT_LE(spec.top + spec.height, kLayoutBottom) << spec.name;
        if (spec.name.starts_with("Label1(")) ++labelArray;
    }
    EXPECT_EQ(lines, 39);
    EXPECT_EQ(labelArray, 10) << "elements 0 to 8 and 10";
    EXPECT_EQ(names.count("Label1(9)"), 0u);
    EXPECT_EQ(*tabs.begin(), 0);
    const auto first = std::find_if(formLayout().begin(), formLayout().end(),
                                    [](const ControlSpec& s) { return s.tab == 0; });
    EXPECT_EQ(first->name, "cmdRun");
}

TEST(Layout, ScrollBarsKeepTheirRangesTopFirst)
{
    const struct {
        const char* name;
        int first, second, small, large, value;
    } cases[] = {{"vscGainLoss", 30000, 1, 10, 1000, 4000},
                 {"hscSterilise", 0, 1000, 1, 10, 252},
                 {"vscTarget", 100, 0, 1, 1, 50}};
    for (const auto& c : cases) {
        const auto spec = std::find_if(formLayout().begin(), formLayout().end(),
                                       [&](const ControlSpec& s) { return s.name == c.name; });
        ASSERT_NE(spec, formLayout().end());
        ASSERT_TRUE(spec->range);
        EXPECT_EQ(spec->range->firstEnd, c.first);
        EXPECT_EQ(spec->range->secondEnd, c.second);
        EXPECT_EQ(spec->range->smallStep, c.small);
        EXPECT_EQ(spec->range->largeStep, c.large);
        EXPECT_EQ(spec->value, c.value);
    }
}

TEST(Layout, HeadingsAndColours)
{
    int headings = 0;
    for (const ControlSpec& spec : formLayout()) {
        if (spec.heading) ++headings;
        if (spec.name == "Label4") EXPECT_EQ(spec.foreColor, (Rgb{0, 0, 192}));
        if (spec.name == "Label7") EXPECT_TRUE(spec.wraps);
    }
    EXPECT_EQ(headings, 4);
}

}  // namespace
}  // namespace karnoth
