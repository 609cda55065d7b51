// --compare through karnoth-cli: a compared scenario runs on the inputs opening it gives.

#include "cli_process.h"
#include "scenario_json.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::CliRun;
using testing::runCli;
using testing::TempDir;

// The window floors an age at first litter below 1 when it opens a scenario; a comparison once ran
// "0" as it stood and showed 1.7e30 dogs.
TEST(ScenarioOptions, ComparingAScenarioGivesTheRunOpeningItGives)
{
    const TempDir dir;
    for (const char* recruit : {"\"0\"", "\"0.4\"", "\"2\""}) {
        SCOPED_TRACE(recruit);
        dir.write("s.karnoth", testing::scenarioFileJson(testing::windowInputsJson({{"txtRecruit", recruit}})));
        const std::string file = dir.file("s.karnoth").string();
        const CliRun compared = runCli(dir, {"--compare", file, "--json"});
        const CliRun opened = runCli(dir, {"--load-scenario", file, "--json"});
        ASSERT_EQ(compared.exitCode, 0) << compared.err;
        ASSERT_EQ(opened.exitCode, 0) << opened.err;
        const nlohmann::json comparison = nlohmann::json::parse(compared.out)["comparison"][0];
        ASSERT_TRUE(comparison["fault"].is_null()) << comparison["fault"];
        EXPECT_EQ(comparison["series"]["streetTotal"], nlohmann::json::parse(opened.out)["series"]["streetTotal"]);
    }
}

}  // namespace
}  // namespace karnoth
