#include "cli/form_state_json.h"

#include "app/yearly_csv.h"
#include "form_fixture.h"

#include <cstdlib>

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

TEST_F(FormTest, JsonIsTheSameWhateverTheFirstYearShown)
{
    loaded().typeText("txtStart", "2026");
    form().click("cmdRun");
    const std::string from1950 = formStateJson(form()).dump();
    form().keptSettings().firstYearShown = FirstYearShown::TenYearsBeforeStart;
    form().click("cmdRun");
    ASSERT_EQ(form().firstYearShown(), 2016);
    EXPECT_EQ(formStateJson(form()).dump(), from1950) << "the display list is cut where it is painted, not here";
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

TEST_F(FormTest, JsonHoldsTheRunsCoverageSeriesBesideTheFourOfTheChart)
{
    loaded().typeText("txtImmigrants", "300");
    form().click("cmdRun");
    const nlohmann::json state = formStateJson(form());
    const nlohmann::json& series = state["series"];
    ASSERT_EQ(series.size(), 6u) << series.dump().substr(0, 300);
    const ProgrammeOutcome& outcome = *form().lastOutcome();
    for (const char* key : {"streetSterilisedShare", "ownedSterilisedShare"}) {
        ASSERT_EQ(series[key].size(), 101u) << key;
        for (std::size_t i = 0; i < 101; ++i) {
            const YearlySeries& kept = std::string(key) == "streetSterilisedShare" ? outcome.streetSterilisedShare
                                                                                   : outcome.ownedSterilisedShare;
            ASSERT_EQ(series[key][i].get<double>(), std::strtod(singleText(kept.values()[i]).c_str(), nullptr))
                << key << " " << 1950 + i;
        }
    }
    // Before the programme no street dog is sterilised; owners sterilise half their yearlings.
    EXPECT_EQ(series["streetSterilisedShare"][0].get<double>(), 0.0);
    EXPECT_GT(series["ownedSterilisedShare"][0].get<double>(), 0.0);
    EXPECT_GT(series["streetSterilisedShare"][100].get<double>(), 0.0);
    EXPECT_LT(series["streetSterilisedShare"][100].get<double>(), 1.0) << "arrivals keep some street dogs fertile";
}

// The rebound in the state's three shapes: null when the programme never stops, years when the
// street is back, nulls inside when it is not back by 2050.
TEST_F(FormTest, JsonRebound)
{
    struct Case {
        const char* stop;
        const char* shape;  // "null", "back", "notBack"
    };
    for (const Case& c : {Case{"", "null"}, Case{"2015", "back"}, Case{"2049", "notBack"}}) {
        SCOPED_TRACE(c.stop);
        restart().typeText("txtStop", c.stop);
        form().click("cmdRun");
        const nlohmann::json state = formStateJson(form());
        ASSERT_TRUE(state.contains("rebound"));
        const nlohmann::json& rebound = state["rebound"];
        if (std::string(c.shape) == "null") {
            EXPECT_TRUE(rebound.is_null()) << rebound;
            continue;
        }
        ASSERT_TRUE(rebound.is_object()) << rebound;
        ASSERT_EQ(rebound.size(), 2u);
        if (std::string(c.shape) == "notBack") {
            EXPECT_TRUE(rebound["year"].is_null()) << rebound;
            EXPECT_TRUE(rebound["yearsAfterStop"].is_null()) << rebound;
            continue;
        }
        // The first year after the stop with the street back at 90 % of 2004's, from the series
        // the state itself holds.
        const nlohmann::json& street = state["series"]["streetTotal"];
        const double baseline = street[2004 - 1950].get<double>();
        int back = 0;
        for (int year = 2016; year <= 2050 && back == 0; ++year)
            if (street[year - 1950].get<double>() >= 0.9 * baseline) back = year;
        ASSERT_NE(back, 0) << "the case must come back by 2050";
        EXPECT_EQ(rebound["year"], back);
        EXPECT_EQ(rebound["yearsAfterStop"], back - 2015);
    }
}

TEST_F(FormTest, JsonHasNoReboundBeforeARun)
{
    const nlohmann::json state = formStateJson(form());
    ASSERT_TRUE(state.contains("rebound"));
    EXPECT_TRUE(state["rebound"].is_null());
}

TEST_F(FormTest, JsonSurvivesTextThatIsNotUtf8)
{
    expectFaults();
    loaded().typeText("txtTimes", "\xff\xfe");
    EXPECT_NO_THROW(formStateJson(form()).dump(1, ' ', false, nlohmann::json::error_handler_t::replace));
}

}  // namespace
}  // namespace karnoth
