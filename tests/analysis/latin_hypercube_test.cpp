#include "analysis/latin_hypercube.h"

#include "analysis/random_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace karnoth {
namespace {

TEST(LatinHypercube, StrataAreAPermutationThatDependsOnSeedAndPosition)
{
    for (std::size_t count : {1u, 2u, 10u, 1000u}) {
        std::vector<std::uint32_t> strata = latinHypercubeStrata(1, 3, count);
        ASSERT_EQ(strata.size(), count);
        std::sort(strata.begin(), strata.end());
        for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(strata[i], i);
    }
    const auto base = latinHypercubeStrata(1, 0, 100);
    EXPECT_EQ(latinHypercubeStrata(1, 0, 100), base);
    EXPECT_NE(latinHypercubeStrata(1, 1, 100), base);
    EXPECT_NE(latinHypercubeStrata(2, 0, 100), base);
    std::vector<std::uint32_t> identity(100);
    std::iota(identity.begin(), identity.end(), 0u);
    EXPECT_NE(base, identity);  // shuffled
}

// Every stratum [LOW + i w, LOW + (i + 1) w), w = (HIGH - LOW) / n, holds exactly one value.
TEST(LatinHypercube, EveryStratumHoldsExactlyOneReplicate)
{
    constexpr std::size_t n = 250;
    const double low = 0.85;
    const double high = 0.92;
    const std::vector<std::uint32_t> strata = latinHypercubeStrata(42, 0, n);
    RandomStream stream(42, StreamPurpose::replicate, 0);
    std::vector<int> inStratum(n, 0);
    for (std::size_t k = 0; k < n; ++k) {
        const double value = latinHypercubeValue(low, high, strata[k], stream.uniform01(), n);
        ASSERT_GE(value, low);
        ASSERT_LT(value, high);
        const auto i = static_cast<std::size_t>(std::floor((value - low) / (high - low) * n));
        ++inStratum[std::min(i, n - 1)];
    }
    for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(inStratum[i], 1) << i;
    // An empty range gives its one value.
    EXPECT_EQ(latinHypercubeValue(3, 3, 7, 0.5, 10), 3);
    EXPECT_EQ(latinHypercubeValue(0, 10, 2, 0.5, 10), 2.5);
}

}  // namespace
}  // namespace karnoth
