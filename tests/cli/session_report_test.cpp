// karnoth-cli --report as a process, read back with pdftotext: the report runs the inputs it lists
// itself, and when that run stops it shows the fault in place of the run, with the input marked.

#include "cli_process.h"
#include "pdf_text.h"

#include <gtest/gtest.h>

namespace karnoth::testing {
namespace {

struct ReportCase {
    const char* name;
    std::vector<std::string> events;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

const std::string kDefaultRun = "119,813 females";
const std::string kSentences = "What the run suggests";
const std::string kStopped = "The run of these inputs stopped";

class ReportOfTheInputs : public ::testing::TestWithParam<ReportCase> { };

TEST_P(ReportOfTheInputs, ShowsTheirOwnRunOrItsFault)
{
    const ReportCase& c = GetParam();
    TempDir dir;
    std::vector<std::string> arguments = c.events;
    arguments.insert(arguments.end(), {"--report", dir.file("k.pdf").string()});
    const CliRun run = runCli(dir, arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = pdfText(dir.file("k.pdf"));
    for (const std::string& part : c.present) EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    for (const std::string& part : c.absent) EXPECT_EQ(text.find(part), std::string::npos) << part << "\n" << text;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ReportOfTheInputs,
    ::testing::Values(
        ReportCase{"TypedWithoutRun",
                   {"--text", "txtAdultSurv=0.85"},
                   {"adult survival 0.85", "66,807 females", kSentences, "the inputs and run of this report"},
                   {kDefaultRun, kStopped, "(at fault)"}},
        ReportCase{"AStoppedRun",
                   {"--text", "txtAdultSurv=1.2", "--click", "cmdRun"},
                   {kStopped, "adult survival 1.2 is outside its range: at least 0 and below 1",
                    "adult survival (at fault) 1.2", "No chart: the run of these inputs stopped",
                    "the inputs of this report, whose run stopped"},
                   {kDefaultRun, kSentences, "The simulation suggests", "intrinsic doubling time"}},
        ReportCase{"TypedBadWithoutRun",
                   {"--text", "txtCurrentOwnedSteril=80"},
                   {kStopped, "With 80% of owned yearlings sterilised", "% owned dogs sterilised (at fault) 80"},
                   {kDefaultRun, "The simulation suggests", "currently sterilised per year"}},
        ReportCase{"AStoppedRunThenTheGoodInputsBack",
                   {"--text", "txtAdultSurv=1.2", "--click", "cmdRun", "--text", "txtAdultSurv=0.9"},
                   {kDefaultRun, kSentences},
                   {kStopped, "(at fault)"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace karnoth::testing
