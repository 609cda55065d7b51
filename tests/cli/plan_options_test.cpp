// --plan, --cost and --calibrate through karnoth-cli: values beyond the planner's limits are usage
// errors (exit 2); a count far above every street total sets the bar's highest value.

#include "cli_process.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace karnoth
