#include "analysis/comparison.h"

#include "tiny_town.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

PlanSettings target(int year, double percent, double costOwned = 1, double costStreet = 1)
{
    PlanSettings settings;
    settings.targetYear = year;
    settings.targetPercent = percent;
    settings.costOwned = costOwned;
    settings.costStreet = costStreet;
    return settings;
}

// Each row's figures are those of the single run on the scenario's inputs.
TEST(Comparison, FiguresAreThoseOfTheScenariosOwnRun)
{
    ModelInputs inputs;
    inputs.programmeRate = 400;
    inputs.programmeStart = 2010;
    YearlySeries killed;
    killed[1995] = 1200;
    const ScenarioComparison row = compareScenario(inputs, killed, target(2030, 50, 30, 55));
    const ModelOutcome single = runModel(inputs, killed);
    ASSERT_TRUE(row.run && row.figures && single.ok());
    const ModelResult& run = single.result();
    EXPECT_EQ(row.run->series.streetTotal.values(), run.series.streetTotal.values());
    const ComparisonFigures& f = *row.figures;
    EXPECT_EQ(f.baselineYear, 2009);
    EXPECT_EQ(f.baseline, run.series.streetTotal[2009]);
    EXPECT_EQ(f.streetTotalInTargetYear, run.series.streetTotal[2030]);
    EXPECT_EQ(f.streetTotalIn2050, run.series.streetTotal[2050]);
    double owned = 0, street = 0;
    for (int year = 2010; year <= 2030; ++year) owned += run.programmeOwned[year], street += run.programmeStreet[year];
    EXPECT_DOUBLE_EQ(f.sterilisedOwned, owned);
    EXPECT_DOUBLE_EQ(f.sterilisedStreet, street);
    EXPECT_DOUBLE_EQ(f.cost, 30 * owned + 55 * street);
    ASSERT_TRUE(f.firstYearMet);
    EXPECT_LE(run.series.streetTotal[*f.firstYearMet], 0.5 * f.baseline);
    EXPECT_GT(run.series.streetTotal[*f.firstYearMet - 1], 0.5 * f.baseline) << "the first such year";
}

TEST(Comparison, NeverMetFaultsAndYearsThatDoNotSuit)
{
    ModelInputs slow;
    slow.programmeRate = 1;  // a tenth of a per cent a year never halves the street
    const ScenarioComparison never = compareScenario(slow, {}, target(2030, 50));
    ASSERT_TRUE(never.figures);
    EXPECT_FALSE(never.figures->firstYearMet);

    ModelInputs impossible;
    impossible.firstYearMultiplier = 20;
    const ScenarioComparison faulted = compareScenario(impossible, {}, target(2030, 50));
    EXPECT_FALSE(faulted.run) << "a run that faults is not drawn";
    ASSERT_TRUE(faulted.fault);
    EXPECT_NE(faulted.fault->find("more than there are"), std::string::npos);

    const ScenarioComparison early = compareScenario(ModelInputs{}, {}, target(2000, 50));
    EXPECT_TRUE(early.run) << "drawn, though the target year lies before its start";
    EXPECT_TRUE(early.fault);
    EXPECT_FALSE(early.figures);
}

TEST(Comparison, TheTinyTownHalvesWhenItsStreetPupsAreAllSterilised)
{
    // Every street female sterilised in 2005 (rate 1000, all to the street): no street pups are
    // born, so the 2006 street yearlings are only the G abandoned, half the 2G before.
    ModelInputs inputs = test::tinyTown(1000);
    inputs.programmeRate = 1000;
    inputs.ownedShare = 0;
    const ScenarioComparison row = compareScenario(inputs, {}, target(2006, 50));
    ASSERT_TRUE(row.figures);
    EXPECT_NEAR(row.figures->baseline, 2000, 0.01);
    EXPECT_NEAR(row.figures->streetTotalInTargetYear, 1000, 0.01);
    EXPECT_EQ(row.figures->firstYearMet, 2006);
    EXPECT_NEAR(row.figures->sterilisedStreet, 2000 + 1000, 0.01) << "2,000 in 2005, the 1,000 new in 2006";
    EXPECT_EQ(row.figures->sterilisedOwned, 0);
}

}  // namespace
}  // namespace karnoth
