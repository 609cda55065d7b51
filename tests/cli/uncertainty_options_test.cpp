// --sensitivity, --uncertainty and their options through karnoth-cli: what the analyses refuse is
// a usage error (exit 2) before anything runs; what they take runs as the window would run it.

#include "cli_process.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::CliRun;
using testing::runCli;
using testing::TempDir;

struct Refused {
    std::vector<std::string> arguments;
    const char* message;  // a part of the message on standard error
};

TEST(UncertaintyOptions, ValuesBeyondTheAnalysesDomainsAreUsageErrors)
{
    const Refused cases[] = {
        {{"--sensitivity", "2030:1e308"}, "at most 100"},
        {{"--sensitivity", "2030:100.5"}, "at most 100"},
        {{"--sensitivity", "2030:0"}, "above 0"},
        {{"--sensitivity", "2030:inf"}, "DELTA \"inf\" is not a number"},
        {{"--uncertainty", "10", "--vary", "vscGainLoss=1e15:1e16"}, "bar's range, 1 to 30000"},
        {{"--uncertainty", "10", "--vary", "hscSterilise=0:1001"}, "bar's range, 0 to 1000"},
        {{"--uncertainty", "10", "--vary", "vscTarget=-1:50"}, "bar's range, 0 to 100"},
        {{"--uncertainty", "10", "--vary", "txtAdultSurv=0.9:0.8"}, "lies above the high end"},
        {{"--uncertainty", "10", "--year-to-year", "5"}, "from 0 to 1"},
        {{"--uncertainty", "10", "--year-to-year", "1.0001"}, "from 0 to 1"},
        {{"--uncertainty", "10", "--year-to-year", "nan"}, "SD \"nan\" is not a number"},
    };
    const TempDir dir;
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.arguments[c.arguments.size() - 1]);
        const CliRun run = runCli(dir, c.arguments);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << "nothing ran";
    }
}

// At delta 50 the age at first litter's low end is 0.5: the row shows it, the run takes 1 (it
// once reported 1.2e25 street dogs).
TEST(UncertaintyOptions, TheSensitivityRunsTheAgeAtFirstLitterFloor)
{
    const TempDir dir;
    const CliRun run = runCli(dir, {"--sensitivity", "2030:50", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json sensitivity = nlohmann::json::parse(run.out)["sensitivity"];
    bool recruitSeen = false;
    for (const nlohmann::json& row : sensitivity["inputs"]) {
        for (const char* end : {"outcomeLow", "outcomeHigh"})
            if (!row[end].is_null()) {
                EXPECT_LT(row[end].get<double>(), 1e7) << row["name"];
            }
        if (row["name"] != "txtRecruit") continue;
        recruitSeen = true;
        EXPECT_EQ(row["low"].get<double>(), 0.5);
        EXPECT_EQ(row["outcomeLow"], sensitivity["outcome"]);
    }
    EXPECT_TRUE(recruitSeen);
}

TEST(UncertaintyOptions, DiedOutReplicatesAreCountedAndAFaultWithoutValidOnesIsGiven)
{
    const TempDir dir;
    const CliRun varied = runCli(dir, {"--uncertainty", "400", "--year-to-year", "0.5", "--json"});
    ASSERT_EQ(varied.exitCode, 0) << varied.err;
    const nlohmann::json result = nlohmann::json::parse(varied.out)["uncertainty"];
    EXPECT_EQ(result["valid"], 400);
    EXPECT_EQ(result["faulted"], 0);
    EXPECT_GT(result["diedOut"].get<int>(), 0);
    EXPECT_TRUE(result["fault"].is_null());

    const CliRun text = runCli(dir, {"--uncertainty", "400", "--year-to-year", "0.5"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("400 valid (" + result["diedOut"].dump() + " died out), 0 faulted"), std::string::npos)
        << text.out;

    const CliRun none = runCli(dir, {"--uncertainty", "20", "--vary", "txtAdultSurv=1.1:1.2", "--json"});
    ASSERT_EQ(none.exitCode, 0) << none.err;
    const nlohmann::json faulted = nlohmann::json::parse(none.out)["uncertainty"];
    EXPECT_EQ(faulted["valid"], 0);
    ASSERT_TRUE(faulted["fault"].is_string()) << faulted.dump();
    EXPECT_NE(faulted["fault"].get<std::string>().find("adult survival"), std::string::npos);
}

}  // namespace
}  // namespace karnoth
