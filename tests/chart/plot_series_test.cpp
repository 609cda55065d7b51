#include "chart/plot_series.h"
#include "chart/recording_canvas.h"
#include "chart/year_axis.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace karnoth {
namespace {

using Kind = DrawOp::Kind;

std::vector<DrawOp> opsOf(const RecordingCanvas& canvas, Kind kind, Rgb colour)
{
    std::vector<DrawOp> out;
    std::copy_if(canvas.ops().begin(), canvas.ops().end(), std::back_inserter(out),
                 [&](const DrawOp& op) { return op.kind == kind && op.colour == colour; });
    return out;
}

YearlySeries singleYear(int year, float value)
{
    YearlySeries series;
    series[year] = value;
    return series;
}

class PlotSeriesTest : public ::testing::Test {
protected:
    void SetUp() override { canvas.Cls(); }
    // Plots on a scale fitted to the series, kept for the next series as the run keeps the red one.
    void plotFitted(const YearlySeries& series, Rgb colour)
    {
        scale = ChartScale::fittedTo(series);
        PlotSeries(canvas, series, colour, scale);
    }
    RecordingCanvas canvas{14895, 7335};
    ChartScale scale;
};

TEST_F(PlotSeriesTest, YearsSpanTheMiddleEightyPerCentAndValuesFromNinetyToTenPerCent)
{
    plotFitted(singleYear(2000, 500), kRed);
    const auto red = opsOf(canvas, Kind::Line, kRed);
    ASSERT_EQ(red.size(), 101u);
    EXPECT_EQ(red.front().x1, red.front().x2) << "the first pass joins 1950 to itself";
    EXPECT_NEAR(red.front().x2, 0.1 * 14895, 0.01);
    EXPECT_NEAR(red.back().x2, 0.9 * 14895, 0.01);
    EXPECT_NEAR(red.front().y2, 0.9 * 7335, 0.01) << "value 0 at 90 % of the height";
    EXPECT_NEAR(red[50].y2, 0.1 * 7335, 0.01) << "the top value at 10 %";
    EXPECT_EQ(scale.topValue, 500);
    EXPECT_NEAR(red[1].x2 - red[0].x2, 14895.0 / 100 * 0.8, 0.01) << "canvas units per year";
}

TEST_F(PlotSeriesTest, TicksForEveryYearAndLabelsEveryTen)
{
    plotFitted(singleYear(1960, 1), kGreen);
    const auto black = opsOf(canvas, Kind::Line, kBlack);
    ASSERT_EQ(black.size(), 101u + 11u);
    EXPECT_EQ(black[0].y1, 7335 - 20);
    EXPECT_EQ(black[0].y2, 7335 - 30);
    EXPECT_EQ(black[1].y2, 7335 - 35) << "the long tick of 1950 follows its short one";
    const auto years = opsOf(canvas, Kind::Print, kBlack);
    ASSERT_EQ(years.size(), 11u);
    EXPECT_EQ(years.front().text, " 1950 ");
    EXPECT_EQ(years.back().text, " 2050 ");
    EXPECT_FLOAT_EQ(years.front().x1, black[0].x1 - 15);
    EXPECT_EQ(years.front().y1, 7335 - 15);
    EXPECT_TRUE(opsOf(canvas, Kind::Print, kGreen).empty()) << "green gets no labels";
}

TEST_F(PlotSeriesTest, RedAndBlueLabelTheirScalesOnOppositeSides)
{
    const struct {
        Rgb colour;
        float x;
        float captionX;
        const char* caption;
    } cases[] = {{kRed, 0, 0, "female pop. >= 1 year (fecund in green)"},
                 {kBlue, 14895 - 50, 14895 - 100, "sterilisations per year"}};
    for (const auto& c : cases) {
        canvas.Cls();
        plotFitted(singleYear(1990, 12345.6f), c.colour);
        const auto labels = opsOf(canvas, Kind::Print, c.colour);
        ASSERT_EQ(labels.size(), 4u);
        EXPECT_EQ(labels[0].text, "0");
        EXPECT_EQ(labels[1].text, "12,346");
        EXPECT_EQ(labels[2].text, "6,173");
        EXPECT_EQ(labels[3].text, c.caption);
        EXPECT_EQ(labels[0].x1, c.x);
        EXPECT_NEAR(labels[0].y1, 0.9 * 7335 - 5, 0.01);
        EXPECT_NEAR(labels[1].y1, 0.1 * 7335 - 5, 0.01);
        EXPECT_EQ(labels[2].y1, 7335 / 2.0f - 5);
        EXPECT_EQ(labels[3].x1, c.captionX);
        EXPECT_EQ(labels[3].y1, 15);
    }
}

TEST_F(PlotSeriesTest, AFittedScaleTopsAtTheMaximumFromBelowMinusOneE20)
{
    EXPECT_EQ(ChartScale::fittedTo(singleYear(1990, 7)).topValue, 7);
    YearlySeries negative;
    negative.values().fill(-3);
    negative[2000] = -1;
    EXPECT_EQ(ChartScale::fittedTo(negative).topValue, -1);
    EXPECT_EQ(ChartScale::fittedTo(YearlySeries{}).topValue, 0);
}

TEST_F(PlotSeriesTest, AZeroTopDrawsNothingAndGreenKeepsTheRedScale)
{
    plotFitted(YearlySeries{}, kRed);
    PlotSeries(canvas, singleYear(2000, 5), kGreen, scale);
    EXPECT_EQ(canvas.ops().size(), 1u) << "only the Cls";
    plotFitted(singleYear(2000, 10), kRed);
    PlotSeries(canvas, singleYear(2000, 20), kGreen, scale);
    const auto green = opsOf(canvas, Kind::Line, kGreen);
    EXPECT_EQ(scale.topValue, 10);
    EXPECT_LT(green[50].y2, 0.1 * 7335) << "above the red maximum the green line leaves the top";
}

TEST_F(PlotSeriesTest, FarPointsAreNotJoined)
{
    plotFitted(singleYear(2000, 1), kRed);
    PlotSeries(canvas, singleYear(2000, 1e6f), kGreen, scale);  // y far beyond 1e8
    const auto green = opsOf(canvas, Kind::Line, kGreen);
    EXPECT_EQ(green.size(), 100u);
    EXPECT_LT(green[50].y1, -1e8) << "the line of 2001 resumes from the far point of 2000";
}

TEST_F(PlotSeriesTest, ScaleOverflowIsAFault)
{
    EXPECT_THROW(plotFitted(singleYear(2000, 1e-44f), kRed), Fault);
}

TEST_F(PlotSeriesTest, EveryLineAndPrintSaysWhatItIsWhichSeriesAndWhichYear)
{
    plotFitted(singleYear(2000, 500), kRed);
    PlotSeries(canvas, singleYear(2000, 250), kGreen, scale);
    plotFitted(singleYear(2010, 40), kBlue);
    const YearAxis years(14895);
    std::map<std::pair<int, ChartPart::Kind>, int> counts;
    for (const DrawOp& op : canvas.ops()) {
        if (op.kind == Kind::Cls) continue;
        const ChartPart& part = op.part;
        ++counts[{part.series, part.kind}];
        switch (part.kind) {
        case ChartPart::Kind::Curve: EXPECT_EQ(op.x2, years.x(part.year)); break;
        case ChartPart::Kind::YearTick:
        case ChartPart::Kind::DecadeTick:
            EXPECT_EQ(op.x1, years.x(part.year));
            if (part.kind == ChartPart::Kind::DecadeTick) {
                EXPECT_EQ(part.year % 10, 0);
            }
            break;
        case ChartPart::Kind::YearLabel:
            EXPECT_EQ(part.anchor, years.x(part.year));
            EXPECT_EQ(op.text, formatPrintNumber(part.year));
            break;
        case ChartPart::Kind::ValueLabel:
            EXPECT_FLOAT_EQ(op.y1, part.anchor - 5) << "printed 5 units above its value";
            break;
        case ChartPart::Kind::Caption: EXPECT_FLOAT_EQ(op.y1, 15); break;
        case ChartPart::Kind::Unmarked: ADD_FAILURE() << "an unmarked op: " << op.text;
        }
    }
    using K = ChartPart::Kind;
    for (int series : {0, 1, 2}) {
        EXPECT_EQ((counts[{series, K::Curve}]), 101) << series;
        EXPECT_EQ((counts[{series, K::YearTick}]), 101) << series;
        EXPECT_EQ((counts[{series, K::DecadeTick}]), 11) << series;
        EXPECT_EQ((counts[{series, K::YearLabel}]), 11) << series;
        EXPECT_EQ((counts[{series, K::ValueLabel}]), series == 1 ? 0 : 3) << series;
        EXPECT_EQ((counts[{series, K::Caption}]), series == 1 ? 0 : 1) << series;
    }
    // The left scale's values: 0 at 90 % of the height, the top at 10 %, half the top in the middle.
    std::vector<float> anchors;
    for (const DrawOp& op : canvas.ops())
        if (op.part.kind == K::ValueLabel && op.part.series == 0) anchors.push_back(op.part.anchor);
    ASSERT_EQ(anchors.size(), 3u);
    EXPECT_NEAR(anchors[0], 0.9 * 7335, 0.01);
    EXPECT_NEAR(anchors[1], 0.1 * 7335, 0.01);
    EXPECT_NEAR(anchors[2], 0.5 * 7335, 0.01);
}

TEST_F(PlotSeriesTest, SeriesAreCountedFromTheLastClsAndASeriesThatDrawsNothingCounts)
{
    PlotSeries(canvas, singleYear(2000, 5), kRed, ChartScale{0});
    PlotSeries(canvas, singleYear(2000, 5), kGreen, ChartScale{10});
    EXPECT_EQ(canvas.ops().back().part.series, 1);
    canvas.Cls();
    EXPECT_EQ(canvas.ops().back().part.kind, ChartPart::Kind::Unmarked) << "a Cls forgets the last mark";
    PlotSeries(canvas, singleYear(2000, 5), kBlue, ChartScale{10});
    EXPECT_EQ(canvas.ops().back().part.series, 0);
}

}  // namespace
}  // namespace karnoth
