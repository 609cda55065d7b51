// karnoth-cli's window options as a process: the yearly series go to --csv only when they are the
// run of the window's inputs.

#include "cli_process.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace karnoth::testing {
namespace {

struct CsvCase {
    const char* name;
    std::vector<std::string> events;
    int status;
    const char* err;  // part of standard error; "" for none
};

class CsvAfterARun : public ::testing::TestWithParam<CsvCase> { };

TEST_P(CsvAfterARun, WritesOnlyTheRunOfTheInputs)
{
    const CsvCase& c = GetParam();
    TempDir dir;
    std::vector<std::string> arguments = c.events;
    arguments.insert(arguments.end(), {"--csv", dir.file("series.csv").string()});
    const CliRun run = runCli(dir, arguments);
    EXPECT_EQ(run.exitCode, c.status) << run.err;
    EXPECT_EQ(std::filesystem::exists(dir.file("series.csv")), c.status == 0);
    if (*c.err)
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    else
        EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CsvAfterARun,
    ::testing::Values(
        CsvCase{"AGoodRun", {"--text", "txtAdultSurv=0.85", "--click", "cmdRun"}, 0, ""},
        CsvCase{"AStoppedRun",
                {"--text", "txtAdultSurv=1.2", "--click", "cmdRun"},
                1,
                "the last run stopped: adult survival 1.2 is outside its range: at least 0 and below 1; the chart "
                "shows the run before it"},
        CsvCase{"NoSteadyStateFromABar",
                {"--text", "txtCurrentOwnedSteril=80", "--value", "vscTarget=40"},
                1,
                "the last run stopped: With 80% of owned yearlings sterilised"},
        CsvCase{"AStoppedRunThenAGoodOne",
                {"--text", "txtAdultSurv=1.2", "--click", "cmdRun", "--text", "txtAdultSurv=0.9", "--click", "cmdRun"},
                0,
                ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace karnoth::testing
