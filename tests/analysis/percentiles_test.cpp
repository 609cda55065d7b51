#include "analysis/percentiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace karnoth {
namespace {

struct PercentileCase {
    std::vector<float> sorted;
    double percent;
    double expected;  // worked by hand: x = (n - 1) p / 100 between v[floor x] and v[ceil x]
};

TEST(Percentiles, InterpolateBetweenTheNearestOrderStatistics)
{
    const PercentileCase cases[] = {
        {{1, 2, 3, 4}, 50, 2.5},  // x = 1.5
        {{1, 2, 3, 4}, 5, 1.15},  // x = 0.15
        {{1, 2, 3, 4}, 95, 3.85},  // x = 2.85
        {{1, 2, 3, 4}, 0, 1},  // the smallest
        {{1, 2, 3, 4}, 100, 4},  // the largest
        {{10, 20}, 25, 12.5},  // x = 0.25
        {{10, 20, 40}, 75, 30},  // x = 1.5
        {{-4, 0, 0, 8, 8}, 75, 8},  // x = 3: exactly an order statistic
        {{7}, 5, 7},  // one value is every percentile
    };
    for (const PercentileCase& c : cases)
        EXPECT_NEAR(percentileOfSorted(c.sorted, c.percent), c.expected, 1e-12)
            << c.percent << "th of " << c.sorted.size() << " values";
}

TEST(Percentiles, EqualValuesGiveThatValueExactly)
{
    const std::vector<float> same(999, 119813.375f);
    for (double p : kBandPercentiles) EXPECT_EQ(percentileOfSorted(same, p), 119813.375) << p;
}

}  // namespace
}  // namespace karnoth
