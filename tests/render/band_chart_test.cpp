// The uncertainty chart's years from the first year shown, and its lines told apart in grey print.

#include "render/band_chart.h"

#include "gui_application.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace karnoth::render {
namespace {

TEST(BandChartLegend, EachLineHasItsOwnDashAndWeightAndShowsOnWhitePaper)
{
    testing::ensureGuiApplication();
    std::set<std::pair<int, double>> looks;
    for (const LegendEntry& entry : bandChartLegend()) {
        if (entry.fill != Qt::NoBrush) continue;  // the bands: hatched or solid areas, not lines
        const QColor colour = entry.pen.color();
        EXPECT_LE((0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue()) / 255.0, 0.6)
            << entry.text.toStdString();
        EXPECT_TRUE(looks.insert({static_cast<int>(entry.pen.style()), entry.pen.widthF()}).second)
            << entry.text.toStdString() << " looks like another line";
    }
    EXPECT_EQ(looks.size(), 2u) << "the run and the median";
}

TEST(BandChartLayout, TheYearsRunFromTheFirstYearShown)
{
    testing::ensureGuiApplication();
    QImage image(10, 10, QImage::Format_RGB32);
    struct Case {
        int firstYear;  // asked
        int shown;
    };
    for (const Case& c : {Case{1950, 1950}, Case{2016, 2016}, Case{1900, 1950}, Case{2048, 2040}}) {
        BandChart chart;
        chart.firstYear = c.firstYear;
        const BandChartLayout layout = layoutBandChart(chart, QRectF(0, 0, 600, 400), QFont(), &image);
        EXPECT_EQ(layout.firstYear, c.shown);
        EXPECT_DOUBLE_EQ(layout.xOfYear(c.shown), layout.plot.left()) << c.firstYear;
        EXPECT_DOUBLE_EQ(layout.xOfYear(kLastYear), layout.plot.right()) << c.firstYear;
        EXPECT_EQ(bandChartYearAt(layout, layout.plot.left()), c.shown);
        EXPECT_EQ(bandChartYearAt(layout, layout.plot.left() - layout.plot.width() / (kLastYear - c.shown)),
                  std::nullopt);
    }
}

}  // namespace
}  // namespace karnoth::render
