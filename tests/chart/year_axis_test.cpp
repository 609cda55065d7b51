// The plotter's years across the picture area: where a year's tick falls, and the year nearest to a
// point, which the hover readout reads.

#include "chart/year_axis.h"

#include <gtest/gtest.h>

#include <optional>

namespace karnoth {
namespace {

TEST(YearAxis, TheYearsSpanTheMiddleEightyPerCentOfTheWidth)
{
    const YearAxis axis(14895);
    EXPECT_FLOAT_EQ(axis.unitsPerYear(), 14895.0f / 100 * 0.8f);
    EXPECT_NEAR(axis.x(1950), 0.1 * 14895, 0.01);
    EXPECT_NEAR(axis.x(2000), 0.5 * 14895, 0.01);
    EXPECT_NEAR(axis.x(2050), 0.9 * 14895, 0.01);
}

struct NearestCase {
    double x;  // canvas units on a 1000 units wide area: 8 a year, 2000 at 500
    std::optional<int> year;
};

class NearestYear : public ::testing::TestWithParam<NearestCase> { };

TEST_P(NearestYear, IsWithinHalfAYearOfOneOfTheChartsYears)
{
    EXPECT_EQ(YearAxis(1000).nearestYear(GetParam().x), GetParam().year);
}

INSTANTIATE_TEST_SUITE_P(OnAThousandUnits, NearestYear,
                         ::testing::Values(NearestCase{500, 2000}, NearestCase{503.9, 2000}, NearestCase{504.1, 2001},
                                           NearestCase{100, 1950}, NearestCase{96.1, 1950},
                                           NearestCase{95.9, std::nullopt}, NearestCase{903.9, 2050},
                                           NearestCase{904.1, std::nullopt}, NearestCase{-1e30, std::nullopt}));

TEST(YearAxis, ANonPositiveWidthHasNoYears)
{
    EXPECT_EQ(YearAxis(0).nearestYear(0), std::nullopt);
    EXPECT_EQ(YearAxis(-10).nearestYear(-5), std::nullopt);
}

TEST(YearAxis, ALaterFirstYearSpreadsTheShownYearsOverTheSameEightyPerCent)
{
    const YearAxis axis(1000, 2016);
    EXPECT_EQ(axis.firstYear(), 2016);
    EXPECT_NEAR(axis.x(2016), 100, 0.01);
    EXPECT_NEAR(axis.x(2050), 900, 0.01);
    EXPECT_NEAR(axis.yearAt(500), 2033, 0.01);
    EXPECT_EQ(axis.nearestYear(100), 2016);
    EXPECT_EQ(axis.nearestYear(100 - 0.6 * 800 / 34), std::nullopt) << "more than half a year before 2016";
    EXPECT_NEAR(YearAxis(1000, 1900).x(1950), 100, 0.01) << "a first year before 1950 is 1950";
}

TEST(TenYearsBeforeStart, LiesWithin1950To2040AndIs1950WithoutAProgramme)
{
    struct Case {
        int start;
        int firstYear;
    };
    for (const Case& c : {Case{2026, 2016}, Case{2005, 1995}, Case{1960, 1950}, Case{1955, 1950}, Case{1900, 1950},
                          Case{2045, 2035}, Case{2050, 2040}, Case{2051, 1950}, Case{9999, 1950}})
        EXPECT_EQ(tenYearsBeforeStart(c.start), c.firstYear) << c.start;
}

}  // namespace
}  // namespace karnoth
