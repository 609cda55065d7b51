#include "panel/change_handlers.h"

#include "fake_panel.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::FakePanel;
using Log = std::vector<std::string>;

TEST(ChangeHandlers, TextBoxesUpdateOnlyTheirIndicators)
{
    const struct {
        const char* box;
        const char* text;
        Log expected;
    } cases[] = {
        {"txtAdultSurv", "0.8", {"caption Label9", "caption Label10", "caption Label1(1)"}},
        {"txtJuvSurv", "0.2", {"caption Label9", "caption Label10"}},
        {"txtSenile", "6", {"caption Label1(1)"}},
        {"txtFecundity", "0.5", {"caption Label1(1)"}},
        {"txtLitter", "3", {"caption Label1(1)"}},
        {"txtAdultSurv", "", {}},  // an empty box is skipped silently
        {"txtAdultSurv", " ", {}},  // blanks are not empty: converted, and not a number
        {"txtCurrentOwnedSteril", "20", {}},
    };
    for (const auto& c : cases) {
        FakePanel panel;
        panel.ready = true;
        panel.type(c.box, c.text);
        Log log = panel.log;
        if (std::string(c.text) == " ") {
            ASSERT_EQ(log.size(), 1u);
            EXPECT_EQ(log[0].rfind("fault ", 0), 0u);
            continue;
        }
        EXPECT_EQ(log, c.expected) << c.box << "=" << c.text;
    }
}

TEST(ChangeHandlers, AgeAtFirstLitterBelowOneBecomesOneWithANestedEvent)
{
    FakePanel panel;
    panel.type("txtRecruit", "0");
    EXPECT_EQ(panel.texts["txtRecruit"], "1");
    // The nested event computes the threshold, then the outer handler does it again.
    EXPECT_EQ(panel.log, (Log{"text txtRecruit", "caption Label1(1)", "caption Label1(1)"}));
    EXPECT_EQ(panel.captions["Label1(1)"], "juv survival, < 0.13");
}

TEST(ChangeHandlers, ScrollBarsBeforeTheWindowIsReady)
{
    FakePanel panel;
    panel.scroll("hscSterilise", 125);
    panel.scroll("vscTarget", 10);
    EXPECT_TRUE(panel.log.empty()) << "nothing at all happens, the caption included";
    panel.scroll("vscGainLoss", 1200);
    EXPECT_EQ(panel.log, (Log{"caption Label2"}));
    EXPECT_EQ(panel.captions["Label2"], "1,200 1-year old females abandoned per year");
}

TEST(ChangeHandlers, ScrollBarsOnceReadyOrderCaptionAndRun)
{
    FakePanel panel;
    panel.ready = true;
    panel.scroll("hscSterilise", 125);
    ASSERT_GE(panel.log.size(), 2u);
    EXPECT_EQ(panel.log.front(), "caption Label4") << "the rate caption comes before the run";
    EXPECT_EQ(panel.log.back(), "run");

    panel.log.clear();
    panel.scroll("vscGainLoss", 30000);
    EXPECT_EQ(panel.log.back(), "caption Label2") << "the run comes before the caption";
    EXPECT_EQ(std::count(panel.log.begin(), panel.log.end(), "run"), 1);

    panel.log.clear();
    panel.scroll("vscTarget", 0);
    EXPECT_EQ(panel.log.back(), "run");
}

TEST(ChangeHandlers, AFaultingRunStopsTheGainLossHandlerBeforeItsCaption)
{
    FakePanel panel;
    panel.ready = true;
    panel.texts["txtAdultSurv"] = "1";
    panel.scroll("vscGainLoss", 5000);
    ASSERT_FALSE(panel.log.empty());
    EXPECT_EQ(panel.log.back().rfind("fault ", 0), 0u);
    EXPECT_EQ(panel.captions.count("Label2"), 0u);
}

TEST(ChangeHandlers, OperationsGreyTheRateBarAndLabel4SaysWhy)
{
    // Typing in txtOperations, one text after the other: the bar is greyed while the text is not
    // empty or blank (a text that is no number counts, the run names it), and Label4 is written
    // only when that switches.
    const struct {
        const char* text;
        bool greyed;
        Log log;
    } steps[] = {
        {"3", true, {"grey hscSterilise", "caption Label4"}},
        {"3000", true, {}},
        {"3000x", true, {}},
        {" \t", false, {"enable hscSterilise", "caption Label4"}},
        {"", false, {}},
        {"0", true, {"grey hscSterilise", "caption Label4"}},
    };
    FakePanel panel;
    panel.ready = true;
    for (const auto& step : steps) {
        panel.log.clear();
        panel.type("txtOperations", step.text);
        EXPECT_EQ(panel.log, step.log) << '"' << step.text << '"';
        EXPECT_EQ(panel.greyed.count("hscSterilise") == 1, step.greyed) << '"' << step.text << '"';
        EXPECT_EQ(panel.captions["Label4"],
                  step.greyed ? "set by sterilisations per year" : "25.2% sterilised per year");
    }
    // The bar can still be set: it runs, and its caption keeps saying why it does nothing.
    panel.log.clear();
    panel.scroll("hscSterilise", 500);
    EXPECT_EQ(panel.log, (Log{"caption Label4", "caption Label14", "caption Label6", "caption Label4", "projection",
                              "caption Label3", "caption lblCoverage", "caption lblRebound", "run"}));
    EXPECT_EQ(panel.captions["Label4"], "in 2005: 0 sterilisations (0 owned, 0 street) of 0 a year");
}

TEST(ChangeHandlers, RateCaptionInItsShortestForm)
{
    const struct {
        int value;
        const char* caption;
    } cases[] = {{125, "12.5% sterilised per year"},
                 {50, "5% sterilised per year"},
                 {5, "0.5% sterilised per year"},
                 {0, "0% sterilised per year"},
                 {252, "25.2% sterilised per year"}};
    for (const auto& c : cases) EXPECT_EQ(sterilisationRateCaption(c.value), c.caption);
}

}  // namespace
}  // namespace karnoth
