#include "cli/form_state_json.h"

#include "form_fixture.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::FormTest;

TEST_F(FormTest, JsonHoldsEveryLabelTextBoxAndValue)
{
    const nlohmann::json state = formStateJson(form());
    EXPECT_EQ(state["captions"].size(), 33u);
    EXPECT_EQ(state["texts"].size(), 16u);
    EXPECT_EQ(state["values"].size(), 5u);
    EXPECT_TRUE(state["series"].is_null()) << "no run yet";
    EXPECT_FALSE(state["formReady"].get<bool>());
}

TEST_F(FormTest, JsonSinglesKeepNineSignificantDigits)
{
    loaded();
    const nlohmann::json state = formStateJson(form());
    EXPECT_EQ(state["pupsPerYearling"].dump(), "7.82554626");
    EXPECT_EQ(state["firstYearSurvival"].dump(), "0.425955355");
    const auto& ops = state["chart"]["ops"];
    EXPECT_EQ(ops[1]["x1"].dump(), "1489.49976");
    EXPECT_EQ(ops.back()["text"], "sterilisations per year");
    EXPECT_EQ(ops.back()["color"], "#0000ff");
}

TEST_F(FormTest, JsonSurvivesTextThatIsNotUtf8)
{
    expectFaults();
    loaded().typeText("txtTimes", "\xff\xfe");
    EXPECT_NO_THROW(formStateJson(form()).dump(1, ' ', false, nlohmann::json::error_handler_t::replace));
}

}  // namespace
}  // namespace karnoth
