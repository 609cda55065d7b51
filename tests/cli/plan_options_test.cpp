// --plan, --cost and --calibrate through karnoth-cli: values beyond the planner's limits are usage
// errors (exit 2); a count far above every street total sets the bar's highest value.

#include "cli_process.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace karnoth {
namespace {

using testing::CliRun;
using testing::runCli;
using testing::TempDir;

TEST(PlanOptions, ValuesBeyondThePlannersLimitsAreUsageErrors)
{
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"--plan", "2030:50", "--cost", "1e308:1e308"}, "from 0 to 1000000000000"},
        {{"--plan", "2030:50", "--cost", "1:1.5e12"}, "street sterilisation 1.5e+12"},
        {{"--plan", "2030:1e308"}, "at most 100000"},
        {{"--calibrate", "2005:1e18"}, "at most 1000000000000"},
        {{"--calibrate", "2005:1e30"}, "at most 1000000000000"},
        {{"--calibrate", "2005:1.0000001e12"}, "at most 1000000000000"},
        {{"--calibrate", "2005:0"}, "above 0"},
        {{"--calibrate", "2005:100", "--calibrate-adjust", "births"}, "one of abandoned, immigrants, capacity"},
    };
    const TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const CliRun run = runCli(dir, c.arguments);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(PlanOptions, ACountAtTheLimitSetsTheBarsHighestValue)
{
    const TempDir dir;
    for (const char* count : {"1e9", "999999999999", "1e12"}) {
        const CliRun run = runCli(dir, {"--calibrate", std::string("2005:") + count, "--json"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::json state = nlohmann::json::parse(run.out);
        EXPECT_EQ(state["calibration"]["vscGainLoss"], 30000) << count;
        EXPECT_EQ(state["calibration"]["reached"], false) << count;
        EXPECT_EQ(state["values"]["vscGainLoss"], 30000) << count;
    }
    const CliRun limits = runCli(dir, {"--plan", "2030:50", "--cost", "1e12:0", "--json"});
    EXPECT_EQ(limits.exitCode, 0) << limits.err;
}

// What a calibration adjusts: the bar by default, or the arrivals' text box, whichever order the
// options come in; a count far above every street total takes the highest value.
TEST(PlanOptions, CalibrateAdjustChoosesTheInput)
{
    const TempDir dir;
    const struct {
        std::vector<std::string> arguments;
        const char* key;
        int value;
    } cases[] = {
        {{"--calibrate", "2005:1e12", "--calibrate-adjust", "abandoned"}, "vscGainLoss", 30000},
        {{"--calibrate", "2005:1e12", "--calibrate-adjust", "immigrants"}, "txtImmigrants", 30000},
        {{"--calibrate-adjust", "immigrants", "--calibrate", "2005:1e12"}, "txtImmigrants", 30000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[1]);
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("--json");
        const CliRun run = runCli(dir, arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::json state = nlohmann::json::parse(run.out);
        EXPECT_EQ(state["calibration"][c.key], c.value);
        EXPECT_EQ(state["calibration"]["reached"], false);
        if (std::string(c.key) == "txtImmigrants") {
            EXPECT_FALSE(state["calibration"].contains("vscGainLoss"));
            EXPECT_EQ(state["texts"]["txtImmigrants"], "30000");
        }
    }
}

// Without a capacity a run never reads the compensation; matching by the capacity reads its text.
TEST(PlanOptions, CalibratingTheCapacityReadsTheCompensation)
{
    const TempDir dir;
    const CliRun run = runCli(
        dir, {"--text", "txtCompensation=.", "--calibrate-adjust", "capacity", "--calibrate", "2005:1000", "--json"});
    const nlohmann::json state = nlohmann::json::parse(run.out);
    EXPECT_TRUE(state["calibration"]["txtCapacity"].is_null()) << run.out;
    EXPECT_NE(state["errors"].dump().find("compensation"), std::string::npos) << run.out;
}

// Each row gives its operations a year and street coverage; with operations set it gives
// minimalOperations instead of minimalRate, and the plan its step.
TEST(PlanOptions, PlanRowsWithOperationsAndCoverage)
{
    const TempDir dir;
    for (const bool operations : {false, true}) {
        SCOPED_TRACE(operations);
        std::vector<std::string> arguments{"--plan", "2030:50", "--split-step", "50", "--json"};
        if (operations) arguments.insert(arguments.end(), {"--text", "txtOperations=100"});
        const CliRun run = runCli(dir, arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::json plan = nlohmann::json::parse(run.out)["plan"];
        ASSERT_EQ(plan["rows"].size(), 3u) << plan.dump();
        EXPECT_EQ(plan.contains("operationsStep"), operations);
        for (const nlohmann::json& row : plan["rows"]) {
            EXPECT_EQ(row.contains("minimalRate"), !operations);
            EXPECT_EQ(row.contains("minimalOperations"), operations);
            for (const char* key : {"operationsFirstYear", "operationsMeanPerYear", "streetCoverage"})
                EXPECT_TRUE(row[key].is_number()) << key;
            EXPECT_GE(row["streetCoverage"].get<double>(), 0);
            EXPECT_LE(row["streetCoverage"].get<double>(), 1);
        }
        if (operations) {
            // q is a whole 1, 2 or 5 times a power of ten; each minimal count a multiple of it.
            const double step = plan["operationsStep"].get<double>();
            for (const nlohmann::json& row : plan["rows"]) {
                if (row["minimalOperations"].is_number()) {
                    EXPECT_EQ(std::fmod(row["minimalOperations"].get<double>(), step), 0);
                }
            }
        }
    }
}

// --robust-plan: without --uncertainty one replicate whose rates are the plan's own; with it, the
// replicates asked for, the rows and cheapest in the plan's scan, and the grid's probability column.
TEST(PlanOptions, RobustPlanJsonAndGridColumn)
{
    const TempDir dir;
    for (const bool operations : {false, true}) {
        SCOPED_TRACE(operations);
        std::vector<std::string> arguments{"--plan", "2015:50", "--split-step", "50", "--robust-plan", "90", "--json"};
        if (operations) arguments.insert(arguments.end(), {"--text", "txtOperations=100"});
        const CliRun run = runCli(dir, arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::json plan = nlohmann::json::parse(run.out)["plan"];
        const nlohmann::json& robust = plan["robust"];
        EXPECT_EQ(robust["confidence"], 90);
        EXPECT_EQ(robust["replicates"], 1);
        EXPECT_EQ(robust["faulted"], 0);
        ASSERT_EQ(robust["rows"].size(), 3u) << robust.dump();
        const char* minimal = operations ? "minimalOperations" : "minimalRate";
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(robust["rows"][i]["ownedShare"], plan["rows"][i]["ownedShare"]);
            EXPECT_EQ(robust["rows"][i][minimal], plan["rows"][i][minimal]) << robust.dump();
            EXPECT_EQ(robust["rows"][i]["faulted"], 0);
        }
        ASSERT_TRUE(robust["cheapest"].is_object());
        EXPECT_TRUE(robust["cheapest"].contains(operations ? "operations" : "rate"));
    }

    const CliRun varied = runCli(dir, {"--plan", "2015:50", "--split-step", "50", "--robust-plan", "80",
                                       "--uncertainty", "50", "--vary", "txtAdultSurv=0.86:0.94", "--year-to-year",
                                       "0.05", "--plan-grid", (dir.path() / "grid.csv").string(), "--json"});
    ASSERT_EQ(varied.exitCode, 0) << varied.err;
    const nlohmann::json robust = nlohmann::json::parse(varied.out)["plan"]["robust"];
    EXPECT_EQ(robust["replicates"], 50);
    EXPECT_TRUE(robust["rows"][0]["minimalRate"].is_number()) << robust.dump();
    const std::string grid = dir.read("grid.csv");
    EXPECT_NE(grid.find("streetCoverage,probability\n"), std::string::npos);
    // Share 0 at rate 1000: every replicate meets the target.
    EXPECT_NE(grid.find("\n0,1000,1,"), std::string::npos);
    const std::size_t lastOfShareZero = grid.find("\n0,1000,1,");
    EXPECT_EQ(grid.substr(grid.find('\n', lastOfShareZero + 1) - 2, 2), ",1");

    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } refused[] = {
        {{"--robust-plan", "90"}, "--plan"},
        {{"--plan", "2015:50", "--robust-plan", "49"}, "50 to 99"},
        {{"--plan", "2015:50", "--robust-plan", "ninety"}, "C"},
    };
    for (const auto& c : refused) {
        const CliRun run = runCli(dir, c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.back();
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace karnoth
