#include "app/form1.h"

#include "form_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace karnoth {
namespace {

using testing::FormTest;

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

TEST_F(FormTest, TheCurrentFaultKeepsTheCaptionOfTheFieldAtFault)
{
    expectFaults();
    loaded();
    struct Case {
        const char* textBox;
        const char* text;
        const char* field;  // "" for a fault of no single input
    };
    const Case cases[] = {
        {"txtJuvSurv", "x", "juvenile survival"},            // not a number, from the indicators
        {"txtAdultSurv", "1", "adult survival"},             // outside its range
        {"txtSenile", "0.5", "age at last litter"},          // below the age at first litter
        {"txtCurrentOwnedSteril", "70", ""},                 // the run finds no steady state
    };
    for (const Case& c : cases) {
        const std::string before = form().text(c.textBox);
        form().typeText(c.textBox, c.text);
        form().click("cmdRun");
        EXPECT_FALSE(form().currentFault().empty()) << c.textBox;
        EXPECT_EQ(form().currentFaultField(), c.field) << c.textBox;
        form().typeText(c.textBox, before);
        form().click("cmdRun");
        EXPECT_EQ(form().currentFaultField(), "") << "a completed run clears it";
    }
}

TEST_F(FormTest, CheckBoxesAreReadByTheNextRun)
{
    loaded();
    auto redTopLabel = [this] {
        const auto& ops = form().canvas().ops();
        return std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
                   return op.kind == DrawOp::Kind::Print && op.colour == kRed;
               })[1].text;
    };
    const unsigned long revision = form().canvas().revision();
    EXPECT_EQ(redTopLabel(), "119,813");
    form().setCheckValue("chkLog", 1);
    EXPECT_EQ(form().canvas().revision(), revision) << "no handler, no run";
    form().click("cmdRun");
    EXPECT_EQ(redTopLabel(), "12") << "ln(119,813 + 1)";
}

}  // namespace
}  // namespace karnoth
