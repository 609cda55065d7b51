// The heat map's colour scale: how wide its bands are for a target, which band a percentage falls
// in, and colours that get darker band by band so that the scale reads in grey.

#include "render/percent_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace karnoth::render {
namespace {

struct ScaleCase {
    double targetPercent;
    double bandWidth;
    int bandCount;
};

class PercentScaleFor : public ::testing::TestWithParam<ScaleCase> { };

TEST_P(PercentScaleFor, ReachesTwiceTheTargetAndAtLeast200InAtMost20RoundBands)
{
    const ScaleCase& c = GetParam();
    const PercentScale scale = percentScaleFor(c.targetPercent);
    EXPECT_EQ(scale.bandWidth(), c.bandWidth);
    EXPECT_EQ(scale.bandCount(), c.bandCount);
}

INSTANTIATE_TEST_SUITE_P(Targets, PercentScaleFor,
                         ::testing::Values(ScaleCase{50, 10, 20},  // up to 200 in tens
                                           ScaleCase{0.5, 10, 20},  // a tiny target still shows up to a doubling
                                           ScaleCase{100, 10, 20},  // 2 x 100 = 200
                                           ScaleCase{101, 20,
                                                     11},  // 202: tens would need 21 bands; 11 bands of 20 reach 220
                                           ScaleCase{150, 20, 15},  // 300
                                           ScaleCase{240, 25, 20},  // 480: 20 x 20 = 400 is short, 20 x 25 = 500
                                           ScaleCase{1000, 100, 20},  // 2000
                                           ScaleCase{1e300, 1e14, 10},  // beyond reason: capped at 1e15 %
                                           ScaleCase{std::numeric_limits<double>::quiet_NaN(), 10, 20}));

struct BandCase {
    double percent;
    int band;
};

class BandOf : public ::testing::TestWithParam<BandCase> { };

TEST_P(BandOf, FloorsThePercentageIntoBandsOf10UpTo200)
{
    const PercentScale scale(10, 20);
    EXPECT_EQ(scale.bandOf(GetParam().percent), GetParam().band) << GetParam().percent;
}

INSTANTIATE_TEST_SUITE_P(Percentages, BandOf,
                         ::testing::Values(BandCase{-5, 0}, BandCase{0, 0}, BandCase{9.999, 0}, BandCase{10, 1},
                                           BandCase{49.9, 4}, BandCase{50, 5}, BandCase{199.99, 19}, BandCase{200, 20},
                                           BandCase{1e9, 20}, BandCase{std::numeric_limits<double>::infinity(), 20},
                                           BandCase{std::numeric_limits<double>::quiet_NaN(), 0}));

TEST(PercentScale, RunsFromLightYellowToDarkPurpleThroughTeal)
{
    const PercentScale scale(10, 20);
    EXPECT_EQ(scale.colourOfBand(0), QColor(0xfd, 0xe7, 0x25));
    EXPECT_EQ(scale.colourOfBand(10), QColor(0x21, 0x91, 0x8c));  // halfway: the middle anchor
    EXPECT_EQ(scale.colourOfBand(20), QColor(0x44, 0x01, 0x54));
    // Band 1 of 8 lies halfway between the first two anchors: (0xfd + 0x5e) / 2 = 173.5 -> 0xae, ...
    const PercentScale eight(10, 8);
    EXPECT_EQ(eight.colourOfBand(1), QColor(0xae, 0xd8, 0x44));
    EXPECT_EQ(scale.colourOfBand(-3), scale.colourOfBand(0));
    EXPECT_EQ(scale.colourOfBand(99), scale.colourOfBand(20));
    EXPECT_EQ(scale.colourOf(55), scale.colourOfBand(5));
}

TEST(PercentScale, EveryBandIsDarkerInGreyThanTheOneBelow)
{
    for (int bands : {1, 2, 5, 11, 15, 20}) {
        const PercentScale scale(10, bands);
        for (int band = 1; band <= bands; ++band)
            EXPECT_LT(qGray(scale.colourOfBand(band).rgb()), qGray(scale.colourOfBand(band - 1).rgb()))
                << bands << " bands, band " << band;
    }
}

}  // namespace
}  // namespace karnoth::render
