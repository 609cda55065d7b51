// karnoth-cli as a process, as a user or a script runs it: exit statuses, what goes to standard
// output, and the files it writes. What a session computes is tested in command_line_test.

#include "cli_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace karnoth {
namespace {

using testing::CliRun;
using testing::runCli;
using testing::TempDir;

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(Main, HelpListsTheControlsAndExitsZero)
{
    const TempDir dir;
    const CliRun run = runCli(dir, {"--help"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const char* part : {"txtAdultSurv", "adult survival", "text box (--text)", "a number, at least 0 and below 1",
                             "vscGainLoss", "1 to 30000", "chkLog", "0 or 1", "cmdRun"})
        EXPECT_TRUE(contains(run.out, part)) << part;
}

// The same answer as the window's, whatever else is on the line, and no session started (--close
// would have written karnoth.ini).
TEST(Main, VersionNamesTheProgramAndItsVersion)
{
    const TempDir dir;
    const CliRun run = runCli(dir, {"--close", "--version"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "karnoth " KARNOTH_VERSION "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("karnoth.ini")));
}

// A parse error of CLI11's own and one of a value are both exit 2, with nothing on standard output.
TEST(Main, UsageErrorsExitTwo)
{
    const TempDir dir;
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"--split-step", "5"},
                                               {"--plan", "2030:5d1"},
                                               {"--plan", "2030:5d1", "--uncertainty", "5"}}) {
        SCOPED_TRACE(arguments.front() + " " + arguments.back());
        const CliRun run = runCli(dir, arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

TEST(Main, YearlySeriesGoToAFileOrToStandardOutputAlone)
{
    const TempDir dir;
    const std::string file = dir.file("series.csv").string();
    ASSERT_EQ(runCli(dir, {"--csv", file}).exitCode, 0);
    const std::vector<std::string> rows = linesOf(dir.read("series.csv"));
    ASSERT_EQ(rows.size(), 102u);  // the header and 1950..2050
    EXPECT_EQ(rows[0], "year,streetTotal,streetBreeders,extraSterilisations,ownedBreeders,streetSterilisedShare,"
                       "ownedSterilisedShare");

    const CliRun printed = runCli(dir, {"--csv", "-"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(linesOf(printed.out).size(), 102u);
    EXPECT_EQ(printed.out.rfind("year,streetTotal", 0), 0u) << "the report is not printed";
    EXPECT_FALSE(contains(printed.out, "formReady"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("-")));
}

TEST(Main, ThePlansGridGoesToAFileOrToStandardOutputAlone)
{
    const TempDir dir;
    const std::string file = dir.file("grid.csv").string();
    ASSERT_EQ(runCli(dir, {"--plan", "2030:50", "--plan-grid", file}).exitCode, 0);
    const std::vector<std::string> rows = linesOf(dir.read("grid.csv"));
    ASSERT_EQ(rows.size(), 21022u);  // the header, 21 owned shares × 1001 rates
    EXPECT_EQ(rows[0], "ownedShare,rate,valid,streetTotal,percentOfBaseline,sterilisedOwned,sterilisedStreet,cost,"
                       "meetsTarget,operationsFirstYear,operationsMeanPerYear,streetCoverage");
    // No programme: the baseline itself (see command_line_test), 100 % of it, nothing sterilised.
    EXPECT_EQ(rows[1], "0,0,1,119813.375,100,0,0,0,0,0,0,0");

    // Four times the effort in the first year: the highest rates remove more dogs than there are.
    const CliRun printed = runCli(
        dir, {"--text", "txtTimes=4", "--plan", "2030:50", "--split-step", "100", "--plan-grid", "-"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out.rfind("ownedShare,rate,", 0), 0u);
    EXPECT_FALSE(contains(printed.out, "formReady"));
    EXPECT_TRUE(contains(printed.out, "\n100,1000,0,,,,,,0,,,\n"));
}

}  // namespace
}  // namespace karnoth
