#include "app/form1.h"

#include "form_fixture.h"
#include "panel/run_button.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace karnoth {
namespace {

using testing::FormTest;

// The red top label of the chart: the street counts' scale.
std::string redTopLabelOf(const Form1& form)
{
    const auto& ops = form.canvas().ops();
    return std::find_if(ops.begin(), ops.end(),
                        [](const DrawOp& op) { return op.kind == DrawOp::Kind::Print && op.colour == kRed; })[1]
        .text;
}

class CountingListener : public FormListener {
public:
    void controlChanged(const Control& control) override { changed.emplace_back(control.row->name); }
    void chartChanged() override { ++charts; }
    void faultReported(const std::string&) override { ++faults; }
    void runCompleted() override { ++runs; }
    std::vector<std::string> changed;
    int charts = 0, faults = 0, runs = 0;
};

TEST_F(FormTest, StartsWithTheLayoutsCaptionsAndValues)
{
    // A caption that a handler or a run sets starts empty, not showing its own name.
    for (const char* label : {"Label2", "Label3", "Label4", "Label6", "Label9", "Label10", "Label14"})
        EXPECT_EQ(form().caption(label), "") << label;
    EXPECT_EQ(form().caption("Label1(8)"), "% owned dogs sterilised");
    EXPECT_EQ(form().text("txtJuvSurv"), ".1");
    EXPECT_EQ(form().value("vscGainLoss"), 4000);
    EXPECT_FALSE(form().formReady());
    EXPECT_FALSE(form().lastSeries());
}

TEST_F(FormTest, CallersMistakesAreControlErrorsNotFaults)
{
    EXPECT_THROW(form().caption("Label1(9)"), ControlError);
    EXPECT_THROW(form().typeText("Label3", "x"), ControlError);
    EXPECT_THROW(form().setScrollValue("vscGainLoss", 0), ControlError);
    EXPECT_THROW(form().setScrollValue("hscSterilise", 1001), ControlError);
    EXPECT_THROW(form().setCheckValue("chkLog", 2), ControlError);
    EXPECT_THROW(form().click("txtStart"), ControlError);
    EXPECT_TRUE(form().faults().empty());
}

TEST_F(FormTest, OnlyARealChangeNotifies)
{
    CountingListener listener;
    loaded().setListener(&listener);
    form().setScrollValue("vscTarget", 50);
    form().typeText("txtAdultSurv", "0.9");
    EXPECT_TRUE(listener.changed.empty());
    EXPECT_EQ(listener.runs, 0);
    form().setScrollValue("vscTarget", 49);
    EXPECT_EQ(listener.runs, 1);
    EXPECT_EQ(listener.charts, 1);
    EXPECT_EQ(listener.changed.front(), "vscTarget");
}

TEST_F(FormTest, AFaultIsReportedAndTheNextRunClearsIt)
{
    expectFaults();
    CountingListener listener;
    loaded().setListener(&listener);
    form().typeText("txtAdultSurv", "1");
    ASSERT_EQ(form().faults().size(), 1u) << "the lifespans fault, and stop the handler before the threshold";
    EXPECT_EQ(form().currentFault(), "adult survival 1 is outside its range: at least 0 and below 1");
    EXPECT_EQ(form().caption("Label9"), "expected lifespan at birth = 0.7") << "every indicator keeps its caption";
    EXPECT_EQ(form().caption("Label10"), "expected lifespan at one year = 7.4");
    EXPECT_EQ(form().caption("Label1(1)"), "juv survival, < 0.13");

    form().setScrollValue("vscTarget", 40);  // the run faults too
    EXPECT_EQ(form().faults().size(), 2u);
    form().typeText("txtAdultSurv", "0.8");
    form().setScrollValue("vscTarget", 30);
    EXPECT_TRUE(form().currentFault().empty());
    EXPECT_EQ(listener.faults, 2);
}

// A run that stops keeps the series of the run before it, says which input its fault names (the
// window frames that one) and leaves the captions it did not get to marked as of earlier inputs.
TEST_F(FormTest, ARunThatStopsNamesItsFieldAndLeavesTheRunBefore)
{
    expectFaults();
    loaded();
    const auto before = form().lastSeries()->streetTotal.values();
    struct Case {
        const char* textBox;
        const char* text;
        const char* field;  // the caption the fault names
        const char* staleCaption;  // one the run did not write again
    };
    const Case cases[] = {
        {"txtJuvSurv", "x", "juvenile survival", "Label6"},  // not a number
        {"txtAdultSurv", "1", "adult survival", "Label14"},  // outside its range
        {"txtSenile", "0.5", "age at last litter", "Label14"},  // below the age at first litter
        {"txtCurrentOwnedSteril", "80", "% owned dogs sterilised", "Label6"},  // no owned steady state
        {"txtJuvSurv", "0.2", "juvenile survival", "Label6"},  // no street steady state
        {"txtFrom", "1950", "dogs killed from", "Label3"},  // a cull before 1950
    };
    for (const Case& c : cases) {
        const std::string typed = form().text(c.textBox);
        form().typeText(c.textBox, c.text);
        form().click("cmdRun");
        EXPECT_FALSE(form().runFault().empty()) << c.textBox;
        EXPECT_EQ(form().runFault(), form().currentFault()) << c.textBox;
        EXPECT_EQ(form().runFaultField(), c.field) << c.textBox;
        EXPECT_EQ(form().currentFaultField(), c.field) << c.textBox;
        EXPECT_EQ(form().lastSeries()->streetTotal.values(), before) << c.textBox;
        EXPECT_TRUE(form().control(c.staleCaption).stale) << c.textBox;

        form().typeText(c.textBox, typed);
        form().click("cmdRun");
        EXPECT_EQ(form().runFault(), "") << "a completed run clears it";
        EXPECT_EQ(form().currentFaultField(), "");
        for (const std::string_view label : kRunCaptions) EXPECT_FALSE(form().control(label).stale) << label;
    }
}

TEST_F(FormTest, AFaultOutsideARunIsNoRunFault)
{
    expectFaults();
    loaded().typeText("txtAdultSurv", "1");  // the indicators fault; no run
    EXPECT_FALSE(form().currentFault().empty());
    EXPECT_EQ(form().runFault(), "");
}

TEST_F(FormTest, AnEditedInputMarksTheRunsCaptionsUntilTheNextRun)
{
    loaded().typeText("txtAdultSurv", "0.85");
    EXPECT_TRUE(form().control("Label14").stale) << "the doubling time waits for a run";
    EXPECT_FALSE(form().control("Label9").stale) << "the lifespans follow the typed text at once";
    EXPECT_EQ(form().caption("Label9"), "expected lifespan at birth = 0.5");
    form().click("cmdRun");
    EXPECT_FALSE(form().control("Label14").stale);
    form().setScrollValue("vscTarget", 30);  // a bar change runs at once
    for (const std::string_view label : kRunCaptions) EXPECT_FALSE(form().control(label).stale) << label;
}

// The report's own run: the inputs as typed, never the window's last run, and the window unchanged.
TEST_F(FormTest, ACopyAfterRunRunsTheInputsAsTheyAreNow)
{
    expectFaults();
    CountingListener listener;
    loaded().setListener(&listener);
    form().typeText("txtAdultSurv", "0.85");
    const std::size_t notified = listener.changed.size();
    const Form1 run = form().copyAfterRun();
    EXPECT_NE(run.caption("Label3").find("66,807 females"), std::string::npos) << run.caption("Label3");
    EXPECT_NE(form().caption("Label3").find("119,813 females"), std::string::npos) << "the window keeps its run";
    EXPECT_EQ(run.runFault(), "");
    EXPECT_EQ(listener.changed.size(), notified);
    EXPECT_EQ(listener.runs, 0);

    form().typeText("txtAdultSurv", "1.2");
    const std::size_t faults = form().faults().size();
    const Form1 stopped = form().copyAfterRun();
    EXPECT_EQ(stopped.runFault(), "adult survival 1.2 is outside its range: at least 0 and below 1");
    EXPECT_EQ(stopped.runFaultField(), "adult survival");
    EXPECT_EQ(form().runFault(), "");
    EXPECT_EQ(form().faults().size(), faults);
}

TEST_F(FormTest, CheckBoxesAreReadByTheNextRun)
{
    loaded();
    auto redTopLabel = [this] { return redTopLabelOf(form()); };
    const unsigned long revision = form().canvas().revision();
    EXPECT_EQ(redTopLabel(), "119,813");
    form().setCheckValue("chkLog", 1);
    EXPECT_EQ(form().canvas().revision(), revision) << "no handler, no run";
    form().click("cmdRun");
    EXPECT_EQ(redTopLabel(), "12") << "ln(119,813 + 1)";
}

// Keep scale: the next runs are charted against the last run's scales, so that fewer dogs show as
// a lower curve under the same top label; never across a change of the log scale; off, each run
// fits its own again.
TEST_F(FormTest, KeepScaleChartsTheNextRunsAgainstTheLastRunsScales)
{
    loaded();
    auto redTopLabel = [this] { return redTopLabelOf(form()); };
    EXPECT_EQ(redTopLabel(), "119,813");
    form().setKeepScale(true);
    form().setScrollValue("vscGainLoss", 2000);  // half the abandonment: about half the street dogs
    EXPECT_EQ(redTopLabel(), "119,813") << "the kept scale";
    ASSERT_TRUE(form().lastSeries());
    EXPECT_LT(form().lastSeries()->streetTotal[2004], 0.6f * 119813.0f);

    form().setCheckValue("chkLog", 1);
    form().click("cmdRun");
    EXPECT_EQ(redTopLabel(), "11") << "the log scale fits its own: ln(street total + 1)";

    form().setCheckValue("chkLog", 0);
    form().setKeepScale(false);
    form().click("cmdRun");
    EXPECT_NE(redTopLabel(), "119,813") << "fitted to the run again";
}

}  // namespace
}  // namespace karnoth
