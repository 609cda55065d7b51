#include "model/simulation.h"
#include "model/recording_writer.h"
#include "support/fault.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace karnoth {
namespace {

using testing::RecordingWriter;

TEST(Simulation, DefaultsReportTheReferenceRun)
{
    testing::TempDir dir;
    RunInputs inputs;
    inputs.killedFile = dir.file("killed.txt");
    RecordingWriter writer;
    runSimulation(inputs, writer);

    EXPECT_EQ(writer.order, (std::vector<std::string>{"Label14", "Label6", "Label4", "Label3"}));
    EXPECT_EQ(writer.captions["Label14"], "intrinsic doubling time 1.65 years, 1st year survival 0.43");
    // At equilibrium owners keep 1.5 G yearlings and sterilise half of them.
    EXPECT_EQ(writer.captions["Label6"], "3,000 currently sterilised per year");
    EXPECT_EQ(writer.captions["Label4"].substr(writer.captions["Label4"].find(" extra")),
              " extra sterilisations in first year, 378 in owned (13%), 15,096 in street population (13%)");
    EXPECT_EQ(writer.captions["Label3"].rfind("The simulation suggests ", 0), 0u);
    ASSERT_EQ(writer.pupsPerYearling.size(), 2u) << "the bracket is stored, then the pups";
    EXPECT_EQ(writer.pupsPerYearling.back(), 7.82554626f);
    EXPECT_EQ(writer.firstYearSurvival, 0.425955355f);
}

TEST(Simulation, EquilibriumHoldsUntilTheProgrammeStarts)
{
    testing::TempDir dir;
    RunInputs inputs;
    inputs.killedFile = dir.file("killed.txt");
    RecordingWriter writer;
    const RunSeries series = runSimulation(inputs, writer);
    for (int year = 1951; year < 2005; ++year) {
        EXPECT_NEAR(series.streetTotal[year], series.streetTotal[1950], 1e-4 * series.streetTotal[1950]) << year;
        EXPECT_NEAR(series.ownedBreeders[year], series.ownedBreeders[1950], 1e-4 * series.ownedBreeders[1950]);
        EXPECT_EQ(series.extraSterilisations[year], 0) << year;
    }
    EXPECT_GT(series.extraSterilisations[2005], 0);
    EXPECT_LT(series.streetTotal[2050], series.streetTotal[2004]) << "the programme shrinks the street population";
}

struct PartialRunCase {
    const char* name;
    void (*change)(RunInputs&);
    std::vector<std::string> written;  // the captions written before the fault, in order
    bool projectionFinished;
    FaultKind kind;
};

class PartialRunTest : public ::testing::TestWithParam<PartialRunCase> {};

TEST_P(PartialRunTest, AFaultStopsTheRunWhereItHappens)
{
    const PartialRunCase& c = GetParam();
    testing::TempDir dir;
    RunInputs inputs;
    inputs.killedFile = dir.file("killed.txt");
    c.change(inputs);
    RecordingWriter writer;
    try {
        runSimulation(inputs, writer);
        ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_EQ(fault.kind(), c.kind) << fault.what();
    }
    EXPECT_EQ(writer.order, c.written);
    EXPECT_EQ(writer.series.has_value(), c.projectionFinished);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PartialRunTest,
    ::testing::Values(
        PartialRunCase{"owned sterilised not a number", [](RunInputs& i) { i.currentOwnedSteril = "x"; }, {}, false,
                       FaultKind::NotANumber},
        PartialRunCase{"adult survival 1", [](RunInputs& i) { i.adultSurv = "1"; }, {}, false,
                       FaultKind::DivisionByZero},
        PartialRunCase{"juvenile survival read at the equilibrium", [](RunInputs& i) { i.juvSurv = "-"; },
                       {"Label14"}, false, FaultKind::NotANumber},
        PartialRunCase{"every owned yearling sterilised", [](RunInputs& i) { i.currentOwnedSteril = "100"; },
                       {"Label14"}, false, FaultKind::DivisionByZero},
        PartialRunCase{"times read in the start year", [](RunInputs& i) { i.times = "twice"; },
                       {"Label14", "Label6"}, false, FaultKind::NotANumber},
        PartialRunCase{"culling from 1950", [](RunInputs& i) { i.from = "1950"; }, {"Label14", "Label6"}, false,
                       FaultKind::Subscript},
        PartialRunCase{"age at last litter beyond 10", [](RunInputs& i) { i.senile = "12"; },
                       {"Label14", "Label6"}, false, FaultKind::Subscript},
        PartialRunCase{"age at last litter beyond 16 bits", [](RunInputs& i) { i.senile = "40000"; },
                       {"Label14", "Label6"}, false, FaultKind::Overflow},
        PartialRunCase{"start year not a number", [](RunInputs& i) { i.start = ""; }, {"Label14", "Label6"},
                       false, FaultKind::NotANumber},
        PartialRunCase{"growth factor 1", [](RunInputs& i) { i.fecundity = "0"; }, {}, false,
                       FaultKind::DivisionByZero}));

TEST(Simulation, InputsAreReadOnlyWhenTheRunNeedsThem)
{
    testing::TempDir dir;
    RunInputs inputs;
    inputs.killedFile = dir.file("killed.txt");
    inputs.start = "3000";    // the programme never starts,
    inputs.times = "twice";   // so its first-year multiplier is never read
    RecordingWriter writer;
    EXPECT_NO_THROW(runSimulation(inputs, writer));
    EXPECT_EQ(writer.captions.count("Label4"), 0u) << "Label4 keeps its text when the start lies beyond 2050";
    EXPECT_EQ(writer.order.size(), 3u);
}

TEST(Simulation, ProgrammeSplitAndFirstYearMultiplier)
{
    testing::TempDir dir;
    auto run = [&](auto change) {
        RunInputs inputs;
        inputs.killedFile = dir.file("killed.txt");
        change(inputs);
        RecordingWriter writer;
        RunSeries series = runSimulation(inputs, writer);
        return std::make_pair(series, writer.captions["Label4"]);
    };
    const auto [base, baseText] = run([](RunInputs&) {});
    const auto [owned, ownedText] = run([](RunInputs& i) { i.target = 100; });
    const auto [street, streetText] = run([](RunInputs& i) { i.target = 0; });
    const auto [twice, twiceText] = run([](RunInputs& i) { i.times = "2"; });
    const auto [yearlings, yearlingsText] = run([](RunInputs& i) { i.onlyYearlings = true; });

    EXPECT_NE(ownedText.find(", 0 in street population (%)"), std::string::npos) << ownedText;
    EXPECT_NE(streetText.find(", 0 in owned (%)"), std::string::npos) << streetText;
    EXPECT_NEAR(twice.extraSterilisations[2005], 2 * base.extraSterilisations[2005],
                1e-5 * base.extraSterilisations[2005]);
    EXPECT_LT(yearlings.extraSterilisations[2005], base.extraSterilisations[2005]);
    EXPECT_EQ(twice.streetTotal[2004], base.streetTotal[2004]);
}

TEST(Simulation, CullingLargerThanThePopulationIsNotClamped)
{
    testing::TempDir dir;
    dir.write("killed.txt", "1994,200000\n");  // more than the whole street population
    RunInputs inputs;
    inputs.killedFile = dir.file("killed.txt");
    RecordingWriter writer;
    const RunSeries series = runSimulation(inputs, writer);
    EXPECT_LT(series.streetTotal[1995], 0) << "the classes go negative";
    EXPECT_EQ(series.streetTotal[1994], series.streetTotal[1950]) << "last year's count is culled this year";
}

TEST(Simulation, SummaryGivesTheShareOfAbandonedDogsAmongStreetYearlings)
{
    testing::TempDir dir;
    RunInputs inputs;
    inputs.killedFile = dir.file("killed.txt");
    RecordingWriter writer;
    runSimulation(inputs, writer);
    // Street yearlings are 0.1 x 143,950 surviving pups plus 4,000 abandoned: 22 % abandoned.
    EXPECT_NE(writer.captions["Label3"].find("population, of which 22% were surviving abandoned dogs, and that "
                                             "the year 2005 population was 100% of the year 2000 population"),
              std::string::npos)
        << writer.captions["Label3"];
}

TEST(Simulation, LogScaleTransformsTheChartedSeriesOnly)
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
