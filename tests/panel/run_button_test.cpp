#include "panel/run_button.h"

#include "fake_panel.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace karnoth {
namespace {

using testing::FakePanel;
using Log = std::vector<std::string>;

// The captions a run wrote, in order.
Log captionsWritten(const FakePanel& panel)
{
    Log out;
    for (const std::string& entry : panel.log)
        if (entry.rfind("caption ", 0) == 0) out.push_back(entry.substr(8));
    return out;
}

TEST(RunButton, WritesTheReportInOrderAndDrawsTheChart)
{
    FakePanel panel;
    cmdRun_Click(panel);
    EXPECT_EQ(captionsWritten(panel), (Log{"Label14", "Label6", "Label4", "Label3", "lblCoverage", "lblRebound"}));
    EXPECT_EQ(panel.log.back(), "run");
    EXPECT_EQ(panel.captions["Label14"], "intrinsic doubling time 1.65 years, 1st year survival 0.43");
    EXPECT_EQ(panel.captions["Label6"], "3,000 currently sterilised per year");
    EXPECT_EQ(panel.captions["Label4"],
              "15,474 extra sterilisations in first year, 378 in owned (13%), 15,096 in street population (13%)");
    // Street yearlings are 0.1 x 143,950 surviving pups plus 4,000 abandoned: 22 % abandoned.
    EXPECT_EQ(panel.captions["Label3"], "The simulation suggests 119,813 females in the 2005 street population, of "
                                        "which 22% were surviving abandoned dogs, and that the year 2005 population "
                                        "was 100% of the year 2000 population");
    EXPECT_EQ(panel.pups, 7.82554626f);
    EXPECT_EQ(panel.firstYearSurvival, 0.425955355f);
    EXPECT_GT(panel.canvas.ops().size(), 600u);
}

struct PartialRunCase {
    const char* name;
    std::map<std::string, std::string> texts;
    const char* killed;  // killed.txt, or nullptr for none
    Log written;  // the captions written before the fault, in order
    bool projectionFinished;
    const char* fault;  // a part of the message
};

class PartialRunTest : public ::testing::TestWithParam<PartialRunCase> { };

TEST_P(PartialRunTest, AFaultStopsTheRunWhereItFirstNeedsTheInput)
{
    const PartialRunCase& c = GetParam();
    testing::TempDir dir;
    FakePanel panel;
    panel.killed = dir.file("killed.txt");
    if (c.killed) dir.write("killed.txt", c.killed);
    for (const auto& [box, text] : c.texts) panel.texts[box] = text;
    try {
        cmdRun_Click(panel);
        ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_NE(std::string(fault.what()).find(c.fault), std::string::npos) << fault.what();
    }
    EXPECT_EQ(captionsWritten(panel), c.written);
    EXPECT_EQ(panel.series.has_value(), c.projectionFinished);
}

const Log kNone{};
const Log kGrowth{"Label14"};
const Log kEquilibrium{"Label14", "Label6"};

INSTANTIATE_TEST_SUITE_P(
    Inputs, PartialRunTest,
    ::testing::Values(
        PartialRunCase{"OwnedSterilisedNotANumber",
                       {{"txtCurrentOwnedSteril", "x"}},
                       nullptr,
                       kNone,
                       false,
                       "% owned dogs sterilised: \"x\" is not a number"},
        PartialRunCase{"OwnedSterilisedAbove100",
                       {{"txtCurrentOwnedSteril", "101"}},
                       nullptr,
                       kNone,
                       false,
                       "% owned dogs sterilised 101 is outside its range: 0 to 100"},
        PartialRunCase{"AdultSurvival1",
                       {{"txtAdultSurv", "1"}},
                       nullptr,
                       kNone,
                       false,
                       "adult survival 1 is outside its range: at least 0 and below 1"},
        PartialRunCase{"AdultSurvival15", {{"txtAdultSurv", "1.5"}}, nullptr, kNone, false, "adult survival 1.5"},
        PartialRunCase{"ProbPregnant15", {{"txtFecundity", "1.5"}}, nullptr, kNone, false, "prob. pregnant 1.5"},
        PartialRunCase{"LastLitterBeforeFirst",
                       {{"txtRecruit", "5"}, {"txtSenile", "3"}},
                       nullptr,
                       kNone,
                       false,
                       "age at last litter 3 is outside its range: not below the age at first litter (5)"},
        PartialRunCase{"NoLitters", {{"txtFecundity", "0"}}, nullptr, kNone, false, "the pups per yearling are 0"},
        PartialRunCase{"JuvenileSurvivalReadAtTheEquilibrium",
                       {{"txtJuvSurv", "-"}},
                       nullptr,
                       kGrowth,
                       false,
                       "juvenile survival: \"-\" is not a number"},
        PartialRunCase{"JuvenileSurvival15",
                       {{"txtJuvSurv", "1.5"}},
                       nullptr,
                       kGrowth,
                       false,
                       "juvenile survival 1.5 is outside its range: 0 to 1"},
        PartialRunCase{"StreetPupsAboveTheThreshold",
                       {{"txtJuvSurv", "0.2"}},
                       nullptr,
                       kGrowth,
                       false,
                       "juvenile survival 0.2 is at or above the threshold 1 / pups per yearling = 0.128"},
        PartialRunCase{"EveryOwnedYearlingSterilised",
                       {{"txtCurrentOwnedSteril", "100"}},
                       nullptr,
                       kGrowth,
                       false,
                       "With 100% of owned yearlings sterilised by their owners"},
        PartialRunCase{
            "OwnedSterilised70", {{"txtCurrentOwnedSteril", "70"}}, nullptr, kGrowth, false, "Keep it below 70%."},
        PartialRunCase{"TimesReadBeforeTheProjection",
                       {{"txtTimes", "twice"}},
                       nullptr,
                       kEquilibrium,
                       false,
                       "times in first year: \"twice\" is not a number"},
        PartialRunCase{"TimesNegative",
                       {{"txtTimes", "-1"}},
                       nullptr,
                       kEquilibrium,
                       false,
                       "times in first year -1 is outside its range"},
        PartialRunCase{"TimesTwentySterilisesMoreThanThereAre",
                       {{"txtTimes", "20"}},
                       nullptr,
                       kEquilibrium,
                       false,
                       "in 2005 the programme sterilises 7,560 owned yearlings, more than there are (3,000)"},
        PartialRunCase{"CullingFrom1950",
                       {{"txtFrom", "1950"}},
                       nullptr,
                       kEquilibrium,
                       false,
                       "dogs killed from must be 1951 or later"},
        PartialRunCase{"AgeAtLastLitterBeyond10",
                       {{"txtSenile", "12"}, {"txtJuvSurv", "0.05"}},
                       nullptr,
                       kEquilibrium,
                       false,
                       "age at last litter 12 lies beyond the oldest age class 10"},
        PartialRunCase{"AgeAtLastLitterBeyond16Bits",
                       {{"txtSenile", "40000"}, {"txtJuvSurv", "0.05"}},
                       nullptr,
                       kEquilibrium,
                       false,
                       "age at last litter: 40000 lies outside the whole numbers -32768 to 32767"},
        PartialRunCase{"StartYearNotANumber",
                       {{"txtStart", ""}},
                       nullptr,
                       kEquilibrium,
                       false,
                       "sterilising starts in: \"\" is not a number"},
        PartialRunCase{"ACullOfAMillion",
                       {},
                       "1995,1000000\n",
                       kEquilibrium,
                       false,
                       "in 1996 the culling recorded for 1995 (1,000,000) removes more street females than there "
                       "are (119,813)"},
        PartialRunCase{"ACullAfterTheProgrammeStarted",
                       {{"txtStart", "1990"}},
                       "1995,1000000\n",
                       {"Label14", "Label6", "Label4"},
                       false,
                       "in 1996 the culling"},
        PartialRunCase{"ANegativeCount",
                       {},
                       "2001,-5\n",
                       kNone,
                       false,
                       "killed.txt record 1 (line 1): the number killed \"-5\" is negative"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunButton, InputsAreReadOnlyWhenTheRunNeedsThem)
{
    FakePanel panel;
    panel.texts["txtStart"] = "3000";  // the programme never starts,
    panel.texts["txtTimes"] = "twice";  // so its first-year multiplier is never read
    panel.texts["txtFrom"] = "2060";  // and nobody is culled,
    panel.texts["txtTo"] = "never";  // so the last culling year is never read
    EXPECT_NO_THROW(cmdRun_Click(panel));
    EXPECT_EQ(captionsWritten(panel), (Log{"Label14", "Label6", "Label3", "lblCoverage", "lblRebound"}))
        << "Label4 keeps its text";
    EXPECT_EQ(panel.captions["lblCoverage"], "street coverage 0 % in 2050") << "no programme, nothing sterilised";
    EXPECT_EQ(panel.captions["lblRebound"], "");
}

TEST(RunButton, OperationsAYearWordTheFirstYearWithoutRates)
{
    // 3,000 operations, half aimed at the owned dogs: about 3,000 owned yearlings are fertile (378
    // are 12.6 % of them), and far more street dogs, so neither part runs short.
    FakePanel panel;
    panel.texts["txtOperations"] = "3000";
    cmdRun_Click(panel);
    EXPECT_EQ(panel.captions["Label4"], "in 2005: 3,000 sterilisations (1,500 owned, 1,500 street) of 3,000 a year");
    panel.texts["txtTimes"] = "2";
    cmdRun_Click(panel);
    EXPECT_EQ(panel.captions["Label4"], "in 2005: 6,000 sterilisations (3,000 owned, 3,000 street) of 3,000 a year");
}

TEST(RunButton, AProgrammeThatStopsTellsOfTheRebound)
{
    // Every fertile street dog sterilised each year from 2005 to 2010: the street, of which 10 %
    // die a year, falls well below 90 % of 2004's, and comes back some years after the stop.
    FakePanel panel;
    panel.values["hscSterilise"] = 1000;
    panel.values["vscTarget"] = 0;
    panel.texts["txtStop"] = "2010";
    cmdRun_Click(panel);
    const std::string& sentence = panel.captions["lblRebound"];
    EXPECT_EQ(sentence.rfind("back to 90 % of 2004's street dogs in 20", 0), 0u) << sentence;
    const int year = std::stoi(sentence.substr(std::string("back to 90 % of 2004's street dogs in ").size()));
    EXPECT_GT(year, 2010);
    EXPECT_NE(sentence.find(", " + std::to_string(year - 2010) + (year == 2011 ? " year" : " years") +
                            " after the programme stops"),
              std::string::npos)
        << sentence;
    const std::string& coverage = panel.captions["lblCoverage"];
    EXPECT_EQ(coverage.rfind("street coverage ", 0), 0u);
    EXPECT_NE(coverage.find(" % in 2015, "), std::string::npos) << coverage;

    panel.texts["txtStop"] = "";
    cmdRun_Click(panel);
    EXPECT_EQ(panel.captions["lblRebound"], "") << "a programme that never stops has no rebound";
}

TEST(RunButton, StreetCoverageIsChartedOnlyWhenChosen)
{
    FakePanel plain, covered;
    covered.coverageCharted = true;
    cmdRun_Click(plain);
    cmdRun_Click(covered);
    const std::vector<DrawOp>& ops = covered.canvas.ops();
    ASSERT_GT(ops.size(), plain.canvas.ops().size());
    // Without the choice, the chart is the first part of the one with it, op for op.
    for (std::size_t i = 0; i < plain.canvas.ops().size(); ++i) {
        EXPECT_EQ(ops[i].kind, plain.canvas.ops()[i].kind) << i;
        EXPECT_EQ(ops[i].y1, plain.canvas.ops()[i].y1) << i;
        EXPECT_EQ(ops[i].text, plain.canvas.ops()[i].text) << i;
    }
    // The coverage: the fourth series, a purple curve of 101 points on 0..100 %, which spans the
    // middle 80 % of the height: 0 % at 0.9 x 7335, 100 % at 0.1 x 7335. None before the start.
    const float height = covered.canvas.ScaleHeight();
    int points = 0;
    float lowest = height;
    for (const DrawOp& op : ops) {
        if (op.part.series != 3 || op.part.kind != ChartPart::Kind::Curve) continue;
        EXPECT_EQ(op.colour, kPurple);
        ++points;
        if (op.part.year < 2005) {
            EXPECT_FLOAT_EQ(op.y2, 0.9f * height) << op.part.year;
        }
        EXPECT_GE(op.y2, 0.1f * height - 0.01f);
        EXPECT_LE(op.y2, 0.9f * height + 0.01f);
        lowest = std::min(lowest, op.y2);
    }
    EXPECT_EQ(points, 101);
    EXPECT_LT(lowest, 0.8f * height) << "the programme sterilises more than an eighth of the street";
}

TEST(RunButton, TheLogScaleChartsLnOfOnePlusTheCount)
{
    FakePanel plain, logged;
    logged.checked.insert("chkLog");
    cmdRun_Click(plain);
    cmdRun_Click(logged);
    EXPECT_EQ(plain.captions["Label3"], logged.captions["Label3"]) << "the texts come before the transform";
    EXPECT_EQ(plain.series->streetTotal.values(), logged.series->streetTotal.values()) << "the form keeps counts";
    // The red top label reads ln(119,813 + 1) = 11.69, rounded.
    bool found = false;
    for (const DrawOp& op : logged.canvas.ops())
        if (op.kind == DrawOp::Kind::Print && op.colour == kRed && op.text == "12") found = true;
    EXPECT_TRUE(found);
}

TEST(RunButton, LogScaleTransformsTheChartedSeriesOnly)
{
    RunSeries series;
    series.streetTotal[1950] = std::exp(2.0f) - 1;
    series.extraSterilisations[2000] = 0;
    series.ownedBreeders[1950] = 5;
    toLogScale(series);
    EXPECT_NEAR(series.streetTotal[1950], 2.0f, 1e-6);
    EXPECT_EQ(series.extraSterilisations[2000], 0) << "a zero lies on the bottom line";
    EXPECT_EQ(series.ownedBreeders[1950], 5) << "not charted, not transformed";
    series.streetBreeders[1980] = -1;
    EXPECT_THROW(toLogScale(series), Fault);
}

}  // namespace
}  // namespace karnoth
