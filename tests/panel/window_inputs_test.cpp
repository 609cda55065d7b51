#include "panel/window_inputs.h"

#include "fake_panel.h"
#include "model/engine.h"
#include "panel/run_button.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::FakePanel;

// The window's run and the engine on what the run read are one implementation: the same series.
TEST(WindowInputs, TheEngineOnWhatTheRunReadGivesTheWindowsSeries)
{
    const std::vector<std::map<std::string, std::string>> windows = {
        {},
        {{"txtAdultSurv", "0.85"}, {"txtRecruit", "2"}, {"txtSenile", "9"}, {"txtJuvSurv", "0.05"}},
        {{"txtStart", "1990"}, {"txtTimes", "2.5"}, {"txtCurrentOwnedSteril", "20"}},
        {{"txtStart", "3000"}, {"txtTimes", "not read"}, {"txtFrom", "2060"}, {"txtTo", "not read either"}},
        {{"txtFecundity", "0.6"}, {"txtLitter", "2.5"}, {"txtFrom", "1960"}, {"txtTo", "2040"}},
    };
    testing::TempDir dir;
    dir.write("killed.txt", "1995,1200\n2010,500\n");
    for (const auto& texts : windows) {
        FakePanel panel;
        panel.killed = dir.file("killed.txt");
        for (const auto& [box, text] : texts) panel.texts[box] = text;
        panel.values["hscSterilise"] = 377;
        panel.checked.insert("chkSterilise");
        cmdRun_Click(panel);
        const WindowInputs read = readWindowInputs(panel);
        EXPECT_EQ(read.inputs.programmeRate, 377);
        EXPECT_TRUE(read.inputs.onlyYearlings);
        EXPECT_EQ(read.killedByYear[1995], 1200);
        const ModelOutcome engine = runModel(read.inputs, read.killedByYear);
        ASSERT_TRUE(engine.ok()) << engine.fault().what();
        EXPECT_EQ(engine.result().series.streetTotal.values(), panel.series->streetTotal.values());
        EXPECT_EQ(engine.result().series.extraSterilisations.values(), panel.series->extraSterilisations.values());
        EXPECT_EQ(engine.result().pupsPerYearling, panel.pups);
    }
}

TEST(WindowInputs, AFaultBeforeEveryInputIsReadIsPassedOnAndLaterOnesAreNot)
{
    FakePanel panel;
    panel.texts["txtJuvSurv"] = "x";
    EXPECT_THROW(readWindowInputs(panel), Fault);
    EXPECT_TRUE(panel.captions.empty()) << "reading writes nothing";

    panel.texts["txtJuvSurv"] = ".1";
    panel.texts["txtTimes"] = "20";  // the projection faults in 2005, after every input was read
    const WindowInputs read = readWindowInputs(panel);
    EXPECT_EQ(read.inputs.firstYearMultiplier, 20);
    EXPECT_FALSE(runModel(read.inputs, read.killedByYear).ok());
    EXPECT_TRUE(panel.captions.empty());
}

TEST(WindowInputs, EveryRunTellsTheWindowWhatItRead)
{
    struct Listening : FakePanel {
        void runInputsRead(const WindowInputs* read) override
        {
            told.push_back(read ? read->inputs.programmeRate : -1);
        }
        std::vector<double> told;
    } panel;
    cmdRun_Click(panel);
    panel.texts["txtTimes"] = "20";
    EXPECT_THROW(cmdRun_Click(panel), Fault);
    panel.texts["txtAdultSurv"] = "1.5";
    EXPECT_THROW(cmdRun_Click(panel), Fault);
    EXPECT_EQ(panel.told, (std::vector<double>{252, 252, -1})) << "complete, complete though the projection faulted, "
                                                                  "stopped before reading the rest";
}

}  // namespace
}  // namespace karnoth
