#include "app/form1.h"

#include "form_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace karnoth {
namespace {

using testing::FormTest;

class RunCounter : public FormListener {
public:
    void controlChanged(const Control&) override { }
    void chartChanged() override { }
    void faultReported(const std::string&) override { }
    void runCompleted() override { ++runs; }
    int runs = 0;
};

TEST_F(FormTest, StartsWithoutASettingsFileFromTheDefaults)
{
    RunCounter counter;
    form().setListener(&counter);
    form().Form_Load();
    EXPECT_TRUE(form().formReady());
    EXPECT_EQ(counter.runs, 1);
    EXPECT_EQ(form().caption("Label2"), "4,000 1-year old females abandoned per year") << "set by start-up";
    EXPECT_EQ(form().caption("Label1(1)"), "juv survival, < 0.13");
    EXPECT_EQ(form().caption("Label9"), "expected lifespan at birth = 0.7");
    EXPECT_EQ(form().caption("Label10"), "expected lifespan at one year = 7.4");
    EXPECT_EQ(form().caption("Label14"), "intrinsic doubling time 1.65 years, 1st year survival 0.43");
    EXPECT_EQ(form().caption("Label4").rfind("15,474 extra sterilisations in first year", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("karnoth.ini"))) << "start-up creates no file";
    EXPECT_EQ(form().canvas().ops().front().kind, DrawOp::Kind::Cls);
}

TEST_F(FormTest, Label4ShowsTheRateWhenTheProgrammeNeverStarts)
{
    form().typeText("txtStart", "2060");
    form().Form_Load();
    EXPECT_EQ(form().caption("Label4"), "25.2% sterilised per year");
}

TEST_F(FormTest, SaveAndLoadRestoresTheElevenValues)
{
    loaded();
    form().setScrollValue("vscGainLoss", 1200);
    form().typeText("txtJuvSurv", "0.12");
    form().typeText("txtAdultSurv", "0.90");
    form().typeText("txtLitter", "2");
    form().typeText("txtTo", "2001");
    form().setScrollValue("hscSterilise", 5);
    form().setScrollValue("vscTarget", 100);
    form().typeText("txtStart", "1999");  // not in karnoth.ini: the session file keeps it
    form().setCheckValue("chkLog", 1);  // likewise
    form().Form_Unload();
    EXPECT_EQ(dir.read("karnoth.ini"),
              " 1200\r\n0.90\r\n0.12\r\n1\r\n7\r\n1990\r\n2001\r\n0.75\r\n2\r\n 5\r\n 100\r\n");

    RunCounter counter;
    Form1& again = restart();
    EXPECT_EQ(again.value("vscGainLoss"), 1200);
    EXPECT_EQ(again.text("txtAdultSurv"), "0.9") << "normalised by the single";
    EXPECT_EQ(again.text("txtJuvSurv"), "0.12");
    EXPECT_EQ(again.text("txtLitter"), "2");
    EXPECT_EQ(again.text("txtTo"), "2001");
    EXPECT_EQ(again.value("hscSterilise"), 5);
    EXPECT_EQ(again.value("vscTarget"), 100);
    EXPECT_EQ(again.text("txtStart"), "1999");
    EXPECT_TRUE(again.isChecked("chkLog"));
    EXPECT_EQ(again.caption("Label2"), "1,200 1-year old females abandoned per year");
}

TEST_F(FormTest, LoadingStartsNoRunUntilTheEnd)
{
    dir.write("karnoth.ini", " 2000\r\n0.8\r\n0.2\r\n2\r\n6\r\n1991\r\n2000\r\n0.5\r\n3\r\n 100\r\n 20\r\n");
    RunCounter counter;
    form().setListener(&counter);
    form().Form_Load();
    EXPECT_EQ(counter.runs, 1) << "only the run at the end of start-up";
    EXPECT_EQ(form().text("txtJuvSurv"), "0.2");
    EXPECT_EQ(form().caption("Label2"), "2,000 1-year old females abandoned per year");
}

TEST_F(FormTest, AnIndicatorFaultAtStartUpIsReportedAndStartUpGoesOn)
{
    expectFaults();
    dir.write("karnoth.ini", " 4000\r\n1\r\n.1\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\n2\r\n 252\r\n 50\r\n");
    form().Form_Load();
    EXPECT_TRUE(form().formReady());
    EXPECT_EQ(form().caption("Label1(1)"), "juvenile survival") << "the threshold was never computed";
    ASSERT_EQ(form().faults().size(), 1u) << "the indicators and the run meet one fault, reported once";
    EXPECT_NE(form().faults()[0].find("adult survival"), std::string::npos) << form().faults()[0];
    form().typeText("txtAdultSurv", "0.9");
    form().setScrollValue("vscGainLoss", 4001);
    EXPECT_TRUE(form().currentFault().empty()) << "the scroll bars are live";
}

TEST_F(FormTest, AMalformedSettingsFileKeepsTheDefaultsOfItsBadFields)
{
    expectFaults();
    dir.write("karnoth.ini", " 1500\nzero\n.1\n");
    form().Form_Load();
    EXPECT_EQ(form().value("vscGainLoss"), 1500);
    EXPECT_EQ(form().text("txtAdultSurv"), "0.9");
    EXPECT_EQ(form().text("txtJuvSurv"), "0.1");
    ASSERT_EQ(form().faults().size(), 1u);
    EXPECT_NE(form().faults()[0].find("line 2 (adult survival) \"zero\" is not a number"), std::string::npos);
    EXPECT_EQ(form().currentFault(), form().faults()[0]) << "the start-up run does not hide it";
    form().click("cmdRun");
    EXPECT_TRUE(form().currentFault().empty());
}

TEST_F(FormTest, ShutdownThatCannotWriteKeepsTheOldFile)
{
    expectFaults();
    dir.write("karnoth.ini", "old");
    ::chmod(dir.file("karnoth.ini").c_str(), 0444);
    loaded().Form_Unload();
    EXPECT_EQ(dir.read("karnoth.ini"), "old");
    EXPECT_NE(form().faults().back().find("karnoth.ini cannot be written"), std::string::npos);
}

TEST_F(FormTest, KilledFileProblemsStopTheRunWithTheRecordNamed)
{
    expectFaults();
    dir.write("killed.txt", "1990,10\n1995,x\n");
    loaded();
    ASSERT_EQ(form().faults().size(), 1u);
    EXPECT_NE(form().faults()[0].find("killed.txt record 2"), std::string::npos);
    // The file is read before anything is written, and no placeholder shows through.
    for (const char* label : {"Label3", "Label6", "Label14"}) EXPECT_EQ(form().caption(label), "") << label;
    EXPECT_EQ(form().caption("Label2"), "4,000 1-year old females abandoned per year");
    EXPECT_FALSE(form().lastSeries());
}

}  // namespace
}  // namespace karnoth
