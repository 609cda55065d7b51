// The comparison table's words and CSV, from rows whose figures are set by hand.

#include "analysis/comparison_table.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

ComparisonRow rowWithFigures(std::string name, std::optional<int> firstYearMet)
{
    ComparisonRow row;
    row.name = std::move(name);
    ComparisonFigures figures;
    figures.baselineYear = 2025;
    figures.baseline = 119812.6;
    figures.streetTotalInTargetYear = 59745.49;
    figures.streetTotalIn2050 = 1234.5;
    figures.sterilisedOwned = 5304;
    figures.sterilisedStreet = 120378.1;
    figures.sterilisedTotal = 125682.1;
    figures.cost = 3 * 5304 + 0.5 * 120378.1;  // 76,101.05
    figures.firstYearMet = firstYearMet;
    row.comparison.figures = figures;
    return row;
}

PlanSettings targetIn(int year)
{
    PlanSettings settings;
    settings.targetYear = year;
    return settings;
}

TEST(ComparisonTable, HeadingsNameTheTargetYear)
{
    const std::vector<std::string> headings = comparisonHeadings(targetIn(2036));
    ASSERT_EQ(headings.size(), 9u);
    EXPECT_EQ(headings[2], "street total 2036");
    EXPECT_EQ(headings[3], "street total 2050");
    EXPECT_EQ(headings[8], "first at the target");
}

TEST(ComparisonTable, CellsShowWholeDogsTheBaselineYearAndTheFirstYearMet)
{
    const std::vector<std::string> met = comparisonCells(rowWithFigures("20% from 2026", 2031), targetIn(2036));
    EXPECT_EQ(met, (std::vector<std::string>{"20% from 2026", "119,813 in 2025", "59,745", "1,235", "5,304", "120,378",
                                             "125,682", "76,101", "2031"}));
}

// A year after the target's reads as a miss, never as "target met in 2037" for a 2035 target.
TEST(ComparisonTable, ATargetReachedAfterItsYearOrNeverIsMissed)
{
    struct Case {
        const char* what;
        std::optional<int> firstYearMet;
        double streetTotalInTargetYear;  // the baseline is 119,812.6, the target 50 % of it
        const char* cell;
    };
    for (const Case& c : {
             Case{"met in its year", 2035, 59000, "2035"},
             Case{"met earlier", 2031, 59000, "2031"},
             Case{"missed", 2037, 65000, "2037: misses the target of 2035"},
             Case{"never met", std::nullopt, 65000, "never: misses the target of 2035"},
             Case{"above again in its year", 2031, 65000, "2031, above it again in 2035: misses the target"},
         }) {
        ComparisonRow row = rowWithFigures("row", c.firstYearMet);
        row.comparison.figures->streetTotalInTargetYear = c.streetTotalInTargetYear;
        EXPECT_EQ(comparisonCells(row, targetIn(2035)).back(), c.cell) << c.what;
    }
}

TEST(ComparisonTable, AFaultedRowShowsItsFaultAndAMarkedNameItsStar)
{
    ComparisonRow faulted = faultedRow("bad", "adult survival 1.5 is outside its range");
    faulted.killedDiffers = true;
    const std::vector<std::string> cells = comparisonCells(faulted, targetIn(2036));
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells[0], "bad *");
    EXPECT_EQ(cells[1], "adult survival 1.5 is outside its range");
    for (std::size_t i = 2; i < cells.size(); ++i) EXPECT_EQ(cells[i], "") << i;
    EXPECT_NE(killedMarkNote().find("killed.txt"), std::string::npos);
}

TEST(ComparisonTable, CsvHasOneLinePerRowWithTextsQuotedAsCsvQuotesThem)
{
    ComparisonRow marked = rowWithFigures("a \"quoted\", name", std::nullopt);
    marked.killedDiffers = true;
    const std::string csv = comparisonCsv(
        {rowWithFigures("plain", 2031), marked, faultedRow("bad", "line one\nline two")}, targetIn(2036));
    EXPECT_EQ(csv,
              "name,baselineYear,baseline,targetYear,streetTotalInTargetYear,streetTotalIn2050,sterilisedOwned,"
              "sterilisedStreet,sterilisedTotal,cost,firstYearMet,killedDiffers,fault\n"
              "plain,2025,119812.6,2036,59745.49,1234.5,5304,120378.1,125682.1,76101.05,2031,0,\n"
              "\"a \"\"quoted\"\", name\",2025,119812.6,2036,59745.49,1234.5,5304,120378.1,125682.1,76101.05,never,1,\n"
              "bad,,,,,,,,,,,0,\"line one\nline two\"\n");
}

}  // namespace
}  // namespace karnoth
