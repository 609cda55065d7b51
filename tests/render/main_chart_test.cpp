// The main chart laid out from what the plotter marked: one curve per series however it is
// coloured, a curve broken where a point is too far off, one tick per year and kind, year labels
// centred on their ticks, the gridlines at the labelled years and values, and the year under the
// pointer.

#include "render/main_chart.h"

#include "chart/plot_series.h"
#include "gui_application.h"

#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace karnoth::render {
namespace {

// 1000 x 500 canvas units on 400 x 200 pixels of paper.
const QRectF kPaper(10, 20, 400, 200);

YearlySeries rising(float step)
{
    YearlySeries series;
    for (int year = kFirstYear; year <= kLastYear; ++year) series[year] = step * float(year - kFirstYear);
    return series;
}

class MainChartLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::ensureGuiApplication();
        canvas.Cls();
    }
    // The run's three series as the Run button plots them: red and green on red's scale, blue on its own.
    void plotRun(Rgb second = kGreen)
    {
        const ChartScale street = ChartScale::fittedTo(rising(10));
        PlotSeries(canvas, rising(10), kRed, street);
        PlotSeries(canvas, rising(4), second, street);
        PlotSeries(canvas, rising(1), kBlue, ChartScale::fittedTo(rising(1)));
    }
    MainChartLayout layout() const
    {
        return layoutMainChart(canvas.ops(), kPaper, canvas.ScaleWidth(), canvas.ScaleHeight(), QFont(), &image);
    }
    RecordingCanvas canvas{1000, 500};
    mutable QImage image{10, 10, QImage::Format_RGB32};
};

TEST_F(MainChartLayoutTest, EachSeriesIsOneCurveThroughEveryYearInItsPlottingOrder)
{
    plotRun();
    const MainChartLayout chart = layout();
    ASSERT_EQ(chart.curves.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const MainChartLayout::Curve& curve = chart.curves[i];
        EXPECT_EQ(curve.series, i);
        ASSERT_EQ(curve.pieces.size(), 1u);
        // 1950's point joined to itself, then one point a year.
        ASSERT_EQ(curve.pieces[0].size(), 102);
        EXPECT_NEAR(curve.pieces[0].back().x(), chart.xOfYear(kLastYear), 1e-6);
    }
    EXPECT_EQ(chart.curves[0].colour, QColor(Qt::red));
    EXPECT_EQ(chart.curves[2].colour, QColor(Qt::blue));
    // Value 0 at 90 % of the target's height, each scale's top at 10 %.
    const QRectF& target = chart.target;
    EXPECT_NEAR(chart.curves[0].pieces[0].front().y(), target.top() + 0.9 * target.height(), 1e-3);
    EXPECT_NEAR(chart.curves[0].pieces[0].back().y(), target.top() + 0.1 * target.height(), 1e-3);
    EXPECT_NEAR(chart.curves[2].pieces[0].back().y(), target.top() + 0.1 * target.height(), 1e-3);
    EXPECT_NEAR(chart.curves[1].pieces[0].back().y(), target.top() + (0.9 - 0.8 * 0.4) * target.height(), 1e-3)
        << "green on red's scale";
}

TEST_F(MainChartLayoutTest, SeriesOfOneColourStayApartAndAFarPointBreaksOnlyItsOwnCurve)
{
    plotRun(kRed);
    YearlySeries spike = rising(1);
    spike[2000] = 1e12f;  // far beyond 1e8 canvas units on red's scale
    PlotSeries(canvas, spike, kRed, ChartScale::fittedTo(rising(10)));
    const MainChartLayout chart = layout();
    ASSERT_EQ(chart.curves.size(), 4u);
    EXPECT_EQ(chart.curves[1].colour, chart.curves[0].colour);
    EXPECT_EQ(chart.curves[1].pieces.size(), 1u);
    ASSERT_EQ(chart.curves[3].pieces.size(), 2u) << "1999 and 2001 are not joined through 2000";
    EXPECT_EQ(chart.curves[3].pieces[0].size(), 51);  // 1950 twice, 1951..1999
    EXPECT_NEAR(chart.curves[3].pieces[1].back().x(), chart.xOfYear(kLastYear), 1e-6);
}

TEST_F(MainChartLayoutTest, TicksAndYearLabelsOnceThoughEverySeriesDrawsThem)
{
    plotRun();
    const MainChartLayout chart = layout();
    EXPECT_EQ(chart.ticks.size(), 101u + 11u);
    ASSERT_EQ(chart.yearLabels.size(), 11u);
    const QFontMetricsF metrics(QFont(), &image);
    for (const MainChartLayout::Text& label : chart.yearLabels) {
        const int year = label.text.toInt();
        EXPECT_EQ(label.text, label.text.trimmed());
        EXPECT_NEAR(label.baseline.x() + metrics.horizontalAdvance(label.text) / 2.0, chart.xOfYear(year), 1e-3)
            << year;
    }
    ASSERT_EQ(chart.gridXs.size(), 11u);
    EXPECT_NEAR(chart.gridXs.front(), chart.xOfYear(1950), 1e-6);
    EXPECT_NEAR(chart.gridXs.back(), chart.xOfYear(2050), 1e-6);
    // The left scale's 0, top and half the top.
    ASSERT_EQ(chart.gridYs.size(), 3u);
    const QRectF& target = chart.target;
    EXPECT_NEAR(chart.gridYs[0], target.top() + 0.9 * target.height(), 1e-3);
    EXPECT_NEAR(chart.gridYs[1], target.top() + 0.1 * target.height(), 1e-3);
    EXPECT_NEAR(chart.gridYs[2], target.top() + 0.5 * target.height(), 1e-3);
}

TEST_F(MainChartLayoutTest, ValueLabelsAndCaptionsBelongToTheScalesThatPrintThem)
{
    plotRun();
    const MainChartLayout chart = layout();
    ASSERT_EQ(chart.seriesTexts.size(), 8u) << "three values and a caption for red and for blue, none for green";
    for (int i = 0; i < 4; ++i) EXPECT_EQ(chart.seriesTexts[i].series, 0);
    for (int i = 4; i < 8; ++i) EXPECT_EQ(chart.seriesTexts[i].series, 2);
    EXPECT_EQ(chart.seriesTexts[3].text, QStringLiteral("female pop. >= 1 year (fecund in green)"));
    EXPECT_EQ(chart.seriesTexts[7].text, QStringLiteral("sterilisations per year"));
    EXPECT_EQ(chart.seriesTexts[5].text, QStringLiteral("100"));
    // The right scale's texts stay on the paper: the target leaves room for them.
    const QFontMetricsF metrics(QFont(), &image);
    for (const MainChartLayout::Text& text : chart.seriesTexts)
        EXPECT_LE(text.baseline.x() + metrics.horizontalAdvance(text.text), kPaper.right() + 1e-6)
            << text.text.toStdString();
    EXPECT_LT(chart.target.width(), kPaper.width());
}

TEST_F(MainChartLayoutTest, WhatNoSeriesMarkedIsKeptWhereItWasDrawn)
{
    // A year's number printed 15 units left of that year's tick, as the plotter prints its labels,
    // is still no year label when the plotter did not mark it.
    canvas.setCurrentX(YearAxis(1000).x(2000) - 15);
    canvas.setCurrentY(485);
    canvas.Print(" 2000 ");
    canvas.Line(100, 250, 900, 250, kGreen);
    const MainChartLayout chart = layout();
    EXPECT_TRUE(chart.yearLabels.empty());
    EXPECT_TRUE(chart.curves.empty());
    ASSERT_EQ(chart.seriesTexts.size(), 1u);
    EXPECT_EQ(chart.seriesTexts[0].text, QStringLiteral(" 2000 "));
    EXPECT_NEAR(chart.seriesTexts[0].baseline.x(), chart.toPixels(YearAxis(1000).x(2000) - 15, 0).x(), 1e-3);
    ASSERT_EQ(chart.unmarkedLines.size(), 1u);
    EXPECT_EQ(chart.unmarkedLines[0].line, QLineF(chart.toPixels(100, 250), chart.toPixels(900, 250)));
    EXPECT_TRUE(chart.hasData);
}

struct PointerCase {
    double yearsFromMiddle;  // the pointer's x, in years right of 2000's tick
    std::optional<int> year;
};

class YearUnderThePointer : public MainChartLayoutTest, public ::testing::WithParamInterface<PointerCase> { };

TEST_P(YearUnderThePointer, IsTheNearestTickWithinHalfAYearOfTheChartsYears)
{
    plotRun();
    const MainChartLayout chart = layout();
    const double perYear = chart.xOfYear(2001) - chart.xOfYear(2000);
    EXPECT_EQ(chart.yearAt(chart.xOfYear(2000) + GetParam().yearsFromMiddle * perYear), GetParam().year);
}

INSTANTIATE_TEST_SUITE_P(Pointer, YearUnderThePointer,
                         ::testing::Values(PointerCase{0, 2000}, PointerCase{0.4, 2000}, PointerCase{0.6, 2001},
                                           PointerCase{-50, 1950}, PointerCase{-50.4, 1950},
                                           PointerCase{-50.6, std::nullopt}, PointerCase{50.4, 2050},
                                           PointerCase{50.6, std::nullopt}));

TEST_F(MainChartLayoutTest, ALaterFirstYearLeavesOutTheYearsBeforeItAndSpreadsTheRest)
{
    plotRun();
    const MainChartLayout all = layout();
    const MainChartLayout chart = layoutMainChart(canvas.ops(), kPaper, canvas.ScaleWidth(), canvas.ScaleHeight(),
                                                  QFont(), &image, 2016);
    EXPECT_EQ(chart.firstYear, 2016);
    EXPECT_NEAR(chart.xOfYear(2016), all.xOfYear(1950), 1e-3) << "2016 where 1950 was";
    EXPECT_NEAR(chart.xOfYear(2050), all.xOfYear(2050), 1e-3);
    EXPECT_DOUBLE_EQ(chart.plotArea().left(), chart.xOfYear(2016));
    ASSERT_EQ(chart.curves.size(), 3u);
    for (const MainChartLayout::Curve& curve : chart.curves) {
        ASSERT_EQ(curve.pieces.size(), 1u) << curve.series;
        const QPolygonF& points = curve.pieces.front();
        ASSERT_EQ(points.size(), 2050 - 2016 + 1) << curve.series;
        EXPECT_NEAR(points.first().x(), chart.xOfYear(2016), 1e-3);
        EXPECT_NEAR(points.last().x(), chart.xOfYear(2050), 1e-3);
        // The values stay where they were: the same height as the full chart's point of that year.
        const QPolygonF& full = all.curves[static_cast<std::size_t>(curve.series)].pieces.front();
        EXPECT_NEAR(points.first().y(), full[1 + 2016 - 1950].y(), 1e-3);
    }
    QStringList labels;
    for (const MainChartLayout::Text& label : chart.yearLabels) labels << label.text;
    EXPECT_EQ(labels, QStringList({"2020", "2030", "2040", "2050"}));
    EXPECT_EQ(chart.ticks.size(), std::size_t(2050 - 2016 + 1 + 4)) << "a tick a year, a longer one a decade";
    for (const QLineF& tick : chart.ticks) EXPECT_GE(tick.x1(), chart.xOfYear(2016) - 1e-3);
    const double perYear = chart.xOfYear(2017) - chart.xOfYear(2016);
    EXPECT_EQ(chart.yearAt(chart.xOfYear(2016) + 0.4 * perYear), 2016);
    EXPECT_EQ(chart.yearAt(chart.xOfYear(2016) - 0.6 * perYear), std::nullopt);
}

TEST(SeriesLooks, EverySeriesHasItsOwnDashAndWeightAndShowsOnWhitePaper)
{
    const std::vector<SeriesLook>& looks = seriesLooks();
    ASSERT_EQ(looks.size(), 4u) << "red, green, blue and purple";
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const QColor& shown = looks[i].shown;
        const double grey = (0.299 * shown.red() + 0.587 * shown.green() + 0.114 * shown.blue()) / 255.0;
        EXPECT_LE(grey, 0.6) << toHex(looks[i].plotted) << " fades on grey print";
        const QPen pen = curveLine(toQColor(looks[i].plotted));
        EXPECT_EQ(pen.style(), looks[i].dash);
        EXPECT_DOUBLE_EQ(pen.widthF(), looks[i].weight);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(looks[j].dash == looks[i].dash && looks[j].weight == looks[i].weight)
                << toHex(looks[j].plotted) << " and " << toHex(looks[i].plotted) << " differ only in colour";
    }
    // The fertile females' line is heavier than the street total's it runs under.
    EXPECT_GT(curveLine(toQColor(kGreen)).widthF(), curveLine(toQColor(kRed)).widthF());
}

TEST(EmptyChart, HasNothingToDrawOrPointAt)
{
    testing::ensureGuiApplication();
    QImage image(10, 10, QImage::Format_RGB32);
    RecordingCanvas canvas;
    canvas.Cls();
    const MainChartLayout chart = layoutMainChart(canvas.ops(), kPaper, 0, 0, QFont(), &image);
    EXPECT_FALSE(chart.hasData);
    EXPECT_EQ(chart.target, kPaper);
    EXPECT_EQ(chart.yearAt(kPaper.center().x()), std::nullopt);
}

}  // namespace
}  // namespace karnoth::render
