// The comparison's rows from the window and stored scenarios: each on its own inputs and culling
// records, judged by one target, faulted scenarios not drawn, differing records marked.

#include "app/comparison_rows.h"

#include "app/scenario_inputs.h"
#include "form_fixture.h"
#include "model/engine.h"
#include "model/killed_file.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using karnoth::testing::FormTest;

PlanSettings target(int year, double percent = 50, double costOwned = 1, double costStreet = 1)
{
    PlanSettings settings;
    settings.targetYear = year;
    settings.targetPercent = percent;
    settings.costOwned = costOwned;
    settings.costStreet = costStreet;
    return settings;
}

class ScenarioRowsTest : public FormTest {
protected:
    // The window's state under `name`, with `changes` made to its bars.
    Scenario stored(const std::string& name, const std::map<std::string, int>& changes = {})
    {
        Scenario scenario = form().currentScenario(name);
        for (const auto& [bar, value] : changes) scenario.values[bar] = value;
        return scenario;
    }
};

TEST_F(ScenarioRowsTest, TheWindowsRowIsItsOwnRunJudgedByTheTarget)
{
    loaded();
    const ComparisonRow row = windowRow("current", form(), target(2015, 50, 2, 3));
    ASSERT_TRUE(row.comparison.run && row.comparison.figures);
    const RunSeries& window = *form().lastSeries();
    EXPECT_EQ(row.comparison.run->series.streetTotal.values(), window.streetTotal.values());
    const ComparisonFigures& f = *row.comparison.figures;
    EXPECT_EQ(f.baselineYear, 2004);
    EXPECT_EQ(f.baseline, window.streetTotal[2004]);
    EXPECT_EQ(f.streetTotalInTargetYear, window.streetTotal[2015]);
    EXPECT_EQ(f.streetTotalIn2050, window.streetTotal[2050]);
    // The programme's sterilisations, owned and street, add up to the chart's blue series.
    double sterilised = 0;
    for (int year = 2005; year <= 2015; ++year) sterilised += window.extraSterilisations[year];
    EXPECT_NEAR(f.sterilisedTotal, sterilised, sterilised * 1e-6);
    EXPECT_NEAR(f.cost, 2 * f.sterilisedOwned + 3 * f.sterilisedStreet, 1e-6 * f.cost);
    ASSERT_TRUE(f.firstYearMet);
    EXPECT_LE(window.streetTotal[*f.firstYearMet], f.baseline / 2);
    EXPECT_GT(window.streetTotal[*f.firstYearMet - 1], f.baseline / 2);
    EXPECT_FALSE(row.killedDiffers);
}

TEST_F(ScenarioRowsTest, AStoredScenarioRunsOnItsOwnInputsAsTheWindowWouldWithThem)
{
    loaded();
    const Scenario slower = stored("slower", {{"hscSterilise", 100}});
    const std::vector<ComparisonRow> rows = comparisonRows(
        {ListedScenario::ofWindow("current"), ListedScenario::ofScenario(slower)}, form(), target(2030));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].name, "slower");

    form().setScrollValue("hscSterilise", 100);  // the window, run with the same inputs
    const RunSeries& window = *form().lastSeries();
    ASSERT_TRUE(rows[1].comparison.run);
    EXPECT_EQ(rows[1].comparison.run->series.streetTotal.values(), window.streetTotal.values());
    EXPECT_EQ(rows[1].comparison.run->series.extraSterilisations.values(), window.extraSterilisations.values());
    EXPECT_NE(rows[0].comparison.figures->streetTotalIn2050, rows[1].comparison.figures->streetTotalIn2050);
}

TEST_F(ScenarioRowsTest, AScenarioWhoseRecordsDifferFromKilledTxtIsMarkedAndRunsOnItsOwn)
{
    dir.write("killed.txt", "1995,1200\n");
    loaded();
    Scenario ownRecords = stored("own records");
    ownRecords.killed = {{1995, 30000}};
    const Scenario sameRecords = stored("same records");
    const std::vector<ComparisonRow> rows = comparisonRows({ListedScenario::ofScenario(ownRecords),
                                                            ListedScenario::ofScenario(sameRecords),
                                                            ListedScenario::ofWindow("current")},
                                                           form(), target(2015));
    EXPECT_TRUE(rows[0].killedDiffers);
    EXPECT_FALSE(rows[1].killedDiffers);
    EXPECT_FALSE(rows[2].killedDiffers);
    const ModelOutcome own = runModel(scenarioInputs(ownRecords).inputs, killedByYearOf(ownRecords.killed));
    ASSERT_TRUE(own.ok());
    EXPECT_EQ(rows[0].comparison.run->series.streetTotal.values(), own.result().series.streetTotal.values());
    EXPECT_EQ(rows[1].comparison.run->series.streetTotal.values(), form().lastSeries()->streetTotal.values());
    EXPECT_LT(rows[0].comparison.run->series.streetTotal[1997], rows[1].comparison.run->series.streetTotal[1997]);

    dir.write("killed.txt", "1995,-3\n");  // unreadable now: no stored record can be checked against it
    EXPECT_TRUE(comparisonRows({ListedScenario::ofScenario(sameRecords)}, form(), target(2015))[0].killedDiffers);
}

TEST_F(ScenarioRowsTest, FaultedScenariosShowTheirFaultAndAreNotDrawnOthersKeepTheirStyle)
{
    loaded();
    Scenario impossible = stored("impossible");
    impossible.texts["txtAdultSurv"] = "1.5";
    Scenario tooLate = stored("too late");
    tooLate.texts["txtStart"] = "2040";
    const std::vector<ComparisonRow> rows = comparisonRows(
        {ListedScenario::ofWindow("current"), ListedScenario::ofScenario(impossible),
         ListedScenario::unreadable("gone", "gone.karnoth does not exist"), ListedScenario::ofScenario(tooLate)},
        form(), target(2015));
    EXPECT_FALSE(rows[1].comparison.run);
    EXPECT_NE(rows[1].comparison.fault->find("adult survival"), std::string::npos);
    EXPECT_EQ(*rows[2].comparison.fault, "gone.karnoth does not exist");
    // A start after the target year still runs and is drawn, with no figures to judge it by.
    EXPECT_TRUE(rows[3].comparison.run);
    EXPECT_FALSE(rows[3].comparison.figures);
    EXPECT_TRUE(rows[3].comparison.fault);
    EXPECT_TRUE(rows[0].comparison.run);
}

TEST_F(ScenarioRowsTest, TheWindowsRowAfterARunThatStoppedEarlyIsItsFault)
{
    loaded();
    expectFaults();
    form().typeText("txtAdultSurv", "x");
    form().click("cmdRun");
    const ComparisonRow row = windowRow("current", form(), target(2015));
    EXPECT_FALSE(row.comparison.run);
    EXPECT_EQ(*row.comparison.fault, form().currentFault());
}

TEST_F(ScenarioRowsTest, WithoutAChosenTargetTheComparisonTakesThePlannersDefaultsForTheWindowsStart)
{
    loaded();
    EXPECT_EQ(comparisonTarget(std::nullopt, form()).targetYear, 2015);
    form().typeText("txtStart", "2026");
    form().click("cmdRun");
    EXPECT_EQ(comparisonTarget(std::nullopt, form()).targetYear, 2036);
    EXPECT_EQ(comparisonTarget(target(2040, 30), form()).targetYear, 2040);
    EXPECT_EQ(comparisonTarget(std::nullopt, form()).targetPercent, 50);

    // A file from before the step was kept takes the step given; one that keeps it, its own.
    const PlannerSettings kept{2036, 40, 30, 55.5, std::nullopt};
    EXPECT_EQ(planSettingsOf(kept, 10).ownedShareStep, 10);
    const PlannerSettings withStep{2036, 40, 30, 55.5, 20};
    EXPECT_EQ(plannerSettingsOf(planSettingsOf(kept, 20)), withStep);
    EXPECT_EQ(planSettingsOf(withStep, 10).ownedShareStep, 20);
}

}  // namespace
}  // namespace karnoth
