#include "analysis/samplers.h"

#include <boost/random/binomial_distribution.hpp>
#include <boost/random/poisson_distribution.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace karnoth {
namespace {

struct Moments {
    double mean = 0;
    double variance = 0;
};

Moments momentsOf(int draws, const std::function<double()>& draw)
{
    double sum = 0;
    double squares = 0;
    for (int i = 0; i < draws; ++i) {
        const double value = draw();
        sum += value;
        squares += value * value;
    }
    const double mean = sum / draws;
    return {mean, (squares - draws * mean * mean) / (draws - 1)};
}

// The sample mean lies within 5 standard errors of the true mean and the sample variance within
// 6 % of the true variance (its relative standard error is about sqrt(2 / draws) = 1 % here).
void expectMoments(const Moments& sample, double mean, double variance, int draws, const std::string& what)
{
    EXPECT_NEAR(sample.mean, mean, 5 * std::sqrt(variance / draws) + 1e-12) << what;
    EXPECT_NEAR(sample.variance, variance, 0.06 * variance + 1e-12) << what;
}

constexpr int kDraws = 20000;

struct BinomialCase {
    std::int64_t count;
    double probability;
};

TEST(Samplers, BinomialHasTheRightMeanAndVarianceForSmallAndLargeCounts)
{
    RandomStream stream(11, StreamPurpose::replicate, 0);
    // Inversion below (n + 1) min(p, 1 - p) = 11, transformed rejection above, either side of 1/2.
    const BinomialCase cases[] = {{20, 0.3},   {20, 0.7},     {1000, 0.004},   {37, 0.5},
                                  {5000, 0.3}, {100000, 0.9}, {3000000, 0.999}};
    for (const BinomialCase& c : cases) {
        const Moments sample = momentsOf(kDraws, [&] {
            const std::int64_t drawn = binomial(stream, c.count, c.probability);
            EXPECT_TRUE(drawn >= 0 && drawn <= c.count);
            return double(drawn);
        });
        expectMoments(sample, c.count * c.probability, c.count * c.probability * (1 - c.probability), kDraws,
                      "Binomial(" + std::to_string(c.count) + ", " + std::to_string(c.probability) + ")");
    }
}

TEST(Samplers, BinomialEdgesNeedNoDraw)
{
    RandomStream stream(1, StreamPurpose::replicate, 0);
    EXPECT_EQ(binomial(stream, 0, 0.5), 0);
    EXPECT_EQ(binomial(stream, 50, 0), 0);
    EXPECT_EQ(binomial(stream, 50, 1), 50);
    EXPECT_EQ(binomial(stream, 50, 1.5), 50);  // a share above 1 takes every dog
}

// The samplers are built with flags of their own for speed (no errno, no trapping): every draw,
// and where the stream is left after it, must still be what Boost's class gives built plainly, or
// a seed would stop repeating the analyses a user kept. Counts and chances cover inversion and
// rejection either side of 1/2 and near the switch between them, rejection's short walk to the
// mode and its logarithmic test (large n p q), many counts and chances drawn at random, and Poisson
// means either side of its switch.
TEST(Samplers, DrawsAreBoostsOwn)
{
    // 200 draws from one stream each way, then the next word of each stream.
    const auto expectSame = [](std::uint64_t index, const std::string& what, const auto& ours, const auto& boosts) {
        RandomStream ourStream(21, StreamPurpose::replicate, index);
        RandomStream boostStream = ourStream;
        for (int i = 0; i < 200; ++i) ASSERT_EQ(ours(ourStream), boosts(boostStream)) << what << " draw " << i;
        ASSERT_EQ(ourStream(), boostStream()) << what;
    };
    const auto sameBinomials = [&](std::int64_t count, double probability, std::uint64_t index) {
        expectSame(
            index, "Binomial(" + std::to_string(count) + ", " + std::to_string(probability) + ")",
            [&](RandomStream& stream) { return binomial(stream, count, probability); },
            [&](RandomStream& stream) {
                return boost::random::binomial_distribution<std::int64_t, double>(count, probability)(stream);
            });
    };
    const BinomialCase cases[] = {{1, 0.5},
                                  {3, 0.5},
                                  {20, 0.3},
                                  {20, 0.7},
                                  {21, 0.5},
                                  {109, 0.1},
                                  {110, 0.1},
                                  {110, 0.9},
                                  {1000, 0.004},
                                  {37, 0.5},
                                  {5000, 0.3},
                                  {5000, 0.7},
                                  {100000, 0.9},
                                  {3000000, 0.999},
                                  {1000000, 0.3},
                                  {1000000, 0.5},
                                  {1000000000000, 0.2},
                                  {60, 0.95},
                                  {200, 0.06}};
    std::uint64_t index = 0;
    for (const BinomialCase& c : cases) sameBinomials(c.count, c.probability, index++);
    RandomStream pick(22, StreamPurpose::replicate, 0);
    for (int i = 0; i < 3000; ++i) {
        const auto count = static_cast<std::int64_t>(pick.below(i % 3 == 0 ? 100 : i % 3 == 1 ? 10000 : 10000000));
        sameBinomials(count + 1, pick.uniform01(), index++);
    }
    // Poisson: inversion below a mean of 10, transformed rejection from 10 on.
    for (double mean : {0.3, 4.0, 9.99, 10.0, 31.5, 2500.0, 4e6, 1e12})
        expectSame(
            index++, "Poisson(" + std::to_string(mean) + ")",
            [&](RandomStream& stream) { return poisson(stream, mean); },
            [&](RandomStream& stream) {
                return boost::random::poisson_distribution<std::int64_t, double>(mean)(stream);
            });
}

// Binomial(3, 1/2) gives 0..3 with chances 1/8, 3/8, 3/8, 1/8: each frequency within 5 standard
// errors.
TEST(Samplers, BinomialFollowsItsDistributionExactlyForSmallCounts)
{
    RandomStream stream(5, StreamPurpose::replicate, 3);
    std::array<int, 4> seen{};
    for (int i = 0; i < kDraws; ++i) ++seen[static_cast<std::size_t>(binomial(stream, 3, 0.5))];
    const std::array<double, 4> chance{0.125, 0.375, 0.375, 0.125};
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_NEAR(seen[k] / double(kDraws), chance[k], 5 * std::sqrt(chance[k] * (1 - chance[k]) / kDraws)) << k;
}

TEST(Samplers, PoissonHasTheRightMeanAndVarianceForSmallAndLargeMeans)
{
    RandomStream stream(12, StreamPurpose::replicate, 0);
    EXPECT_EQ(poisson(stream, 0), 0);
    // Inversion below a mean of 10, transformed rejection from 10 on.
    for (double mean : {0.5, 5.0, 9.99, 10.0, 50.0, 1e5, 3e7}) {
        const Moments sample = momentsOf(kDraws, [&] { return double(poisson(stream, mean)); });
        expectMoments(sample, mean, mean, kDraws, "Poisson(" + std::to_string(mean) + ")");
    }
}

TEST(Samplers, NormalHasTheRightMeanAndSpread)
{
    RandomStream stream(13, StreamPurpose::replicate, 0);
    EXPECT_EQ(normal(stream, 1, 0), 1);
    const Moments sample = momentsOf(kDraws, [&] { return normal(stream, 1, 0.05); });
    expectMoments(sample, 1, 0.0025, kDraws, "Normal(1, 0.05)");
}

TEST(RandomStream, EachSeedPurposeAndIndexNamesItsOwnRepeatableStream)
{
    const auto firstDraws = [](std::uint64_t seed, StreamPurpose purpose, std::uint64_t index) {
        RandomStream stream(seed, purpose, index);
        std::vector<std::uint64_t> draws;
        for (int i = 0; i < 4; ++i) draws.push_back(stream());
        return draws;
    };
    const auto base = firstDraws(1, StreamPurpose::replicate, 0);
    EXPECT_EQ(firstDraws(1, StreamPurpose::replicate, 0), base);
    EXPECT_NE(firstDraws(1, StreamPurpose::replicate, 1), base);
    EXPECT_NE(firstDraws(2, StreamPurpose::replicate, 0), base);
    EXPECT_NE(firstDraws(1, StreamPurpose::inputPermutation, 0), base);
}

TEST(RandomStream, BoundedNumbersAreEvenAndInRange)
{
    RandomStream stream(3, StreamPurpose::replicate, 9);
    std::array<int, 7> seen{};
    for (int i = 0; i < 7 * 3000; ++i) ++seen.at(stream.below(7));
    for (int count : seen) EXPECT_NEAR(count, 3000, 5 * std::sqrt(3000 * 6.0 / 7));
    EXPECT_EQ(stream.below(1), 0u);
}

}  // namespace
}  // namespace karnoth
