// Whether a programme meets its target: only a street total at the target's level in the target
// year, first reached then or before, meets it.

#include "analysis/target_reach.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

TEST(TargetReach, OnlyATargetReachedByItsYearAndHeldThenIsMet)
{
    struct Case {
        const char* what;
        std::optional<int> firstYearAtTarget;
        bool atTargetInTargetYear;
        TargetReach reach;
        bool met;
    };
    for (const Case& c : {
             Case{"in the target year", 2035, true, TargetReach::inTargetYear, true},
             Case{"earlier", 2031, true, TargetReach::early, true},
             Case{"after the target year", 2037, false, TargetReach::late, false},
             Case{"never", std::nullopt, false, TargetReach::never, false},
             Case{"earlier, above again in the target year", 2031, false, TargetReach::againAbove, false},
         }) {
        const TargetReach reach = targetReach(c.firstYearAtTarget, c.atTargetInTargetYear, 2035);
        EXPECT_EQ(reach, c.reach) << c.what;
        EXPECT_EQ(meetsTarget(reach), c.met) << c.what;
    }
}

TEST(TargetReach, TheLevelIsAtMostThePerCentOfTheBaseline)
{
    EXPECT_TRUE(atTargetLevel(50, 100, 50));
    EXPECT_FALSE(atTargetLevel(50.001, 100, 50));
    EXPECT_TRUE(atTargetLevel(120, 100, 120));
}

}  // namespace
}  // namespace karnoth
