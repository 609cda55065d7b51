// The chance a report states is the user's uncertainty repeated for the report's own inputs and
// target, never the inputs the uncertainty was computed for.

#include "app/report_chance.h"

#include "form_fixture.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using karnoth::testing::FormTest;

UncertaintyRequest userUncertainty()
{
    UncertaintyRequest request;
    request.replicates = 200;
    request.seed = 7;
    request.ranges = {{InputField::adultSurvival, 0.85, 0.95}, {InputField::streetJuvenileSurvival, 0.08, 0.12}};
    request.chance.yearToYearSd = 0.05;
    return request;
}

TEST_F(FormTest, TheChanceIsTheUncertaintyRepeatedForTheReportsInputsAndTarget)
{
    loaded().typeText("txtStart", "2026");
    form().click("cmdRun");
    const WindowInputs inputs = *form().lastRunInputs();
    PlanSettings target;
    target.targetYear = 2036;
    target.targetPercent = 60;

    UncertaintyRequest computed = userUncertainty();
    computed.inputs.programmeStart = 2005;  // what the view last computed for
    computed.target = TargetRequest{2020, 10};
    const std::optional<ReportedChance> chance = chanceForReport(computed, inputs, target, BatchRunner(2));
    ASSERT_TRUE(chance && chance->probability);

    UncertaintyRequest expected = userUncertainty();
    expected.inputs = inputs.inputs;
    expected.killedByYear = inputs.killedByYear;
    expected.target = TargetRequest{2036, 60};
    const UncertaintyResult direct = *runUncertainty(expected, BatchRunner(1));
    EXPECT_EQ(*chance->probability, *direct.target->probability);
    EXPECT_EQ(chance->valid, direct.valid);
    EXPECT_EQ(chance->replicates, 200u);
    EXPECT_EQ(chance->seed, 7u);
    EXPECT_EQ(chance->ranges.size(), 2u);
    EXPECT_FALSE(chance->anchored);
}

TEST_F(FormTest, SettingsTheReportsInputsNoLongerAdmitAreSaidNotRun)
{
    loaded();
    form().click("cmdRun");
    UncertaintyRequest computed = userUncertainty();
    // The carrying capacity's compensation moves nothing once no capacity is set.
    computed.ranges = {{InputField::compensation, 0.5, 2}};
    const std::optional<ReportedChance> chance = chanceForReport(computed, *form().lastRunInputs(),
                                                                 PlanSettings{2030, 50, 1, 1, 5}, BatchRunner(1));
    ASSERT_TRUE(chance);
    EXPECT_FALSE(chance->probability);
    ASSERT_TRUE(chance->fault);
    EXPECT_NE(chance->fault->find("capacity"), std::string::npos) << *chance->fault;
}

}  // namespace
}  // namespace karnoth
