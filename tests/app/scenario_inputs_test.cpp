#include "app/scenario_inputs.h"

#include "form_fixture.h"
#include "model/engine.h"
#include "scenario_json.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::FormTest;
using testing::scenarioFileJson;
using testing::windowInputsJson;

// A scenario compared reads its inputs as opening it in the window would: an age at first litter
// below 1 is floored to 1 by the window's handler, so the comparison must floor it too (it once
// ran "0" and showed 1.7e30 dogs).
TEST_F(FormTest, AComparedScenarioReadsTheInputsOpeningItGives)
{
    loaded();
    for (const char* recruit : {"\"0\"", "\"0.5\"", "\"-2\"", "\"1\"", "\"1.5\"", "\"3\""}) {
        SCOPED_TRACE(recruit);
        const Scenario scenario = parseScenario(scenarioFileJson(windowInputsJson({{"txtRecruit", recruit}})),
                                                "s.karnoth", "s");
        const WindowInputs compared = scenarioInputs(scenario);
        form().openScenario(scenario);
        const WindowInputs opened = readWindowInputs(form());
        EXPECT_EQ(compared.inputs, opened.inputs);
        EXPECT_GE(compared.inputs.ageAtFirstLitter, 1);

        const ModelOutcome run = runModel(compared.inputs, compared.killedByYear);
        ASSERT_TRUE(run.ok()) << run.fault().what();
        ASSERT_TRUE(form().lastSeries());
        EXPECT_EQ(run.result().series.streetTotal.values(), form().lastSeries()->streetTotal.values());
    }
}

}  // namespace
}  // namespace karnoth
