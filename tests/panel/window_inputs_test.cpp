#include "panel/window_inputs.h"

#include "fake_panel.h"
#include "model/engine.h"
#include "panel/run_button.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <functional>

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
        {{"txtJuvSurv", "0.3"},
         {"txtImmigrants", "250"},
         {"txtCapacity", "90000"},
         {"txtCompensation", "6"},
         {"txtStop", "2020.4"},
         {"txtOperations", "5000"}},
        {{"txtImmigrants", " "},
         {"txtCapacity", "  "},
         {"txtCompensation", "not read"},
         {"txtStart", "2051"},
         {"txtStop", "not read"},
         {"txtOperations", "nor this"}},
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

// The field's texts: empty or blank is the neutral value; a bad text is a fault naming its caption.
TEST(WindowInputs, TheFieldsTextsAreNeutralWhenEmptyAndFaultByTheirCaption)
{
    struct Case {
        std::map<std::string, std::string> texts;
        const char* faultField;  // empty: read without a fault
        std::function<void(const ModelInputs&)> check = [](const ModelInputs&) {};
    };
    const Case cases[] = {
        {{{"txtImmigrants", ""}, {"txtCapacity", " \t"}, {"txtStop", " "}, {"txtOperations", ""}},
         "",
         [](const ModelInputs& in) {
             EXPECT_EQ(in.immigrantsPerYear, 0);
             EXPECT_FALSE(in.carryingCapacity);
             EXPECT_FALSE(in.programmeStop);
             EXPECT_FALSE(in.operationsPerYear);
         }},
        {{{"txtCapacity", "5e4"}, {"txtStop", "2010.5"}, {"txtOperations", "0"}},
         "",
         [](const ModelInputs& in) {
             EXPECT_EQ(in.carryingCapacity, 5e4);
             EXPECT_EQ(in.programmeStop, 2010) << "rounded as the start year is, halves to even";
             EXPECT_EQ(in.operationsPerYear, 0);
         }},
        {{{"txtImmigrants", "many"}}, "females arriving per year"},
        {{{"txtImmigrants", "-3"}}, "females arriving per year"},
        {{{"txtCapacity", "0"}}, "street carrying capacity"},
        {{{"txtCapacity", "1000"}, {"txtCompensation", "25"}}, "compensation"},
        {{{"txtCapacity", ""}, {"txtCompensation", "25"}}, ""},
        {{{"txtStop", "2004"}}, "sterilising stops after"},
        {{{"txtStop", "soon"}}, "sterilising stops after"},
        {{{"txtOperations", "-1"}}, "sterilisations per year"},
    };
    for (const Case& c : cases) {
        FakePanel panel;
        for (const auto& [box, text] : c.texts) panel.texts[box] = text;
        SCOPED_TRACE(c.texts.begin()->first + " " + c.texts.begin()->second);
        if (*c.faultField == '\0') {
            c.check(readWindowInputs(panel).inputs);
            continue;
        }
        try {
            readWindowInputs(panel);
            ADD_FAILURE() << "no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.field(), c.faultField) << fault.what();
        }
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
