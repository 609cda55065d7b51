// What a report gathers of the window: the years of its yearly table and their figures, and the
// window's own state listed once even when a scenario holding it is listed too.

#include "app/report_gathering.h"

#include "form_fixture.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using karnoth::testing::FormTest;

PlanSettings target(int year)
{
    PlanSettings settings;
    settings.targetYear = year;
    return settings;
}

TEST(ReportYears, EveryFifthYearFromTheFirstShownTo2050AndTheTargetYear)
{
    struct Case {
        const char* what;
        int firstYear;
        int targetYear;
        std::vector<int> years;
    };
    const auto fifths = [](int from, std::vector<int> extra) {
        std::vector<int> years;
        for (int year = from; year <= 2050; year += 5) years.push_back(year);
        years.insert(years.end(), extra.begin(), extra.end());
        std::sort(years.begin(), years.end());
        return years;
    };
    for (const Case& c : {
             Case{"target on a fifth year", 1950, 2035, fifths(1950, {})},
             Case{"target between", 1950, 2037, fifths(1950, {2037})},
             Case{"later first year, 2050 added", 2016, 2033, fifths(2016, {2033, 2050})},
             Case{"target 2050", 2016, 2050, fifths(2016, {2050})},
             Case{"target outside the run", 1950, 2060, fifths(1950, {})},
         })
        EXPECT_EQ(reportYears(c.firstYear, c.targetYear), c.years) << c.what;
}

class ReportGatheringTest : public FormTest {
protected:
    std::vector<std::string> names(const GatheredReport& gathered)
    {
        std::vector<std::string> listed;
        for (const ReportedScenario& scenario : gathered.window.scenarios)
            listed.push_back(scenario.name + (scenario.window ? " (window)" : ""));
        return listed;
    }
};

TEST_F(ReportGatheringTest, TheYearlyTableHoldsTheRunsFiguresInItsYears)
{
    loaded().typeText("txtStart", "2026");
    form().click("cmdRun");
    const Form1 ran = form().copyAfterRun();
    const GatheredReport gathered = gatherReport(ran, {}, target(2037), 2016);
    std::vector<int> years;
    for (const ReportedYear& year : gathered.window.years) years.push_back(year.year);
    EXPECT_EQ(years, reportYears(2016, 2037));
    const ReportedYear& in2037 = gathered.window.years[std::find(years.begin(), years.end(), 2037) - years.begin()];
    const RunSeries& series = *ran.lastSeries();
    EXPECT_EQ(in2037.streetTotal, series.streetTotal[2037]);
    EXPECT_EQ(in2037.streetBreeders, series.streetBreeders[2037]);
    EXPECT_EQ(in2037.operations, series.extraSterilisations[2037]);
    EXPECT_EQ(in2037.streetCoverage, ran.lastOutcome()->streetSterilisedShare[2037]);
    EXPECT_GT(in2037.operations, 0);

    ASSERT_TRUE(gathered.window.programme);
    const ReportedProgramme& programme = *gathered.window.programme;
    EXPECT_EQ(programme.start, 2026);
    EXPECT_FALSE(programme.stop);
    EXPECT_EQ(programme.baselineYear, 2025);
    EXPECT_EQ(programme.firstYearOperations, series.extraSterilisations[2026]);
    EXPECT_TRUE(programme.rebound.text().empty());
}

TEST_F(ReportGatheringTest, TheTableAndTheChartStartAtTheWindowsFirstYearShown)
{
    loaded().typeText("txtStart", "2026");
    form().keptSettings().firstYearShown = FirstYearShown::TenYearsBeforeStart;
    const Form1 ran = form().copyAfterRun();
    const GatheredReport gathered = gatherReport(ran, {}, target(2035), ran.firstYearShown());
    ASSERT_FALSE(gathered.window.years.empty());
    EXPECT_EQ(gathered.window.years.front().year, 2016);
    EXPECT_EQ(gathered.window.firstYearShown, 2016);
    EXPECT_EQ(gatherReport(ran, {}, target(2035)).window.years.front().year, 1950) << "1950 unless asked";
}

TEST_F(ReportGatheringTest, ATargetBeforeTheStartIsNotJudgedButTheYearsAreShown)
{
    loaded().typeText("txtStart", "2026");
    const GatheredReport gathered = gatherReport(form().copyAfterRun(), {}, target(2020));
    EXPECT_FALSE(gathered.window.programme);
    EXPECT_FALSE(gathered.window.programmeProblem.empty());
    EXPECT_FALSE(gathered.window.years.empty());
}

// An open, unmodified scenario is the window's own state: listed once, under its name.
TEST_F(ReportGatheringTest, TheWindowsOwnStateIsListedOnce)
{
    loaded();
    Scenario open = form().currentScenario("Plan A");
    open.notes = "The vets' proposal.";
    Scenario logScale = open;  // a chart option is not an input of the run
    logScale.name = "Plan A, log scale";
    logScale.values["chkLog"] = 1;
    Scenario faster = open;
    faster.name = "faster";
    faster.values["hscSterilise"] = 400;

    GatheredReport gathered = gatherReport(
        form().copyAfterRun(),
        {ListedScenario::ofWindow("current"), ListedScenario::ofScenario(open), ListedScenario::ofScenario(logScale)},
        target(2015));
    EXPECT_EQ(names(gathered), std::vector<std::string>{"Plan A (window)"});
    EXPECT_EQ(gathered.window.scenarios[0].notes, "The vets' proposal.");
    EXPECT_TRUE(gathered.comparison.empty());

    gathered = gatherReport(form().copyAfterRun(),
                            {ListedScenario::ofScenario(faster), ListedScenario::ofWindow("Plan A", "own notes"),
                             ListedScenario::ofScenario(open)},
                            target(2015));
    EXPECT_EQ(names(gathered), (std::vector<std::string>{"faster", "Plan A (window)"}));
    EXPECT_EQ(gathered.window.scenarios[1].notes, "own notes");
    EXPECT_EQ(gathered.comparison.size(), 2u);

    // The same inputs with other culling records are another state.
    Scenario culled = open;
    culled.killed = {{1995, 800}};
    gathered = gatherReport(form().copyAfterRun(), {ListedScenario::ofScenario(culled)}, target(2015));
    EXPECT_EQ(names(gathered), (std::vector<std::string>{"current (window)", "Plan A"}));
}

}  // namespace
}  // namespace karnoth
