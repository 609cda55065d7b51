// --report through karnoth-cli as a process: a build with Qt writes a PDF (its text read back with
// pdftotext when there is one); a build without refuses.

#include "cli_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace karnoth {
namespace {

using testing::CliRun;
using testing::runCli;
using testing::TempDir;

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

#if KARNOTH_REPORTS

// The PDF's text, blanks and line breaks each made one space; empty without pdftotext.
std::string pdfText(const TempDir& dir, const std::string& pdf)
{
    if (std::string(KARNOTH_PDFTOTEXT).empty()) return "";
    const std::string command = std::string(KARNOTH_PDFTOTEXT) + " -layout '" + dir.file(pdf).string() + "' '" +
                                dir.file(pdf + ".txt").string() + "'";
    if (std::system(command.c_str()) != 0) return "";
    return std::regex_replace(dir.read(pdf + ".txt"), std::regex("[ \t\r\n]+"), " ");
}

TEST(ReportOptions, TheReportHoldsTheWindowTheScenariosAndThePlan)
{
    const TempDir dir;
    dir.write("killed.txt", "1995,1200\n");
    const std::string slower = dir.file("slower.karnoth").string();
    ASSERT_EQ(runCli(dir, {"--value", "hscSterilise=150", "--save-scenario", slower}).exitCode, 0);
    const CliRun run = runCli(dir, {"--text", "txtStart=2010", "--value", "hscSterilise=400", "--compare", slower,
                                    "--compare", dir.file("missing.karnoth").string(), "--plan", "2030:40", "--cost",
                                    "2:3", "--report", dir.file("report.pdf").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(dir.read("report.pdf").substr(0, 5), "%PDF-");
    if (std::string(KARNOTH_PDFTOTEXT).empty()) GTEST_SKIP() << "no pdftotext to read the report back";
    const std::string text = pdfText(dir, "report.pdf");
    for (const char* part :
         {"Karnoth report: current", "slower", "missing.karnoth does not exist", "Comparison of the scenarios",
          "street total 2030", "at most 40 % of the baseline", "Costs: 2 an owned, 3 a street sterilisation",
          "sterilising starts in 2010 a calendar year"})
        EXPECT_TRUE(contains(text, part)) << part;
}

// Without --plan the planner's defaults: ten years after the start (2005), 50 %; one scenario, no comparison.
TEST(ReportOptions, WithoutAPlanTheReportUsesThePlannersDefaults)
{
    const TempDir dir;
    ASSERT_EQ(runCli(dir, {"--report", dir.file("plain.pdf").string()}).exitCode, 0);
    if (std::string(KARNOTH_PDFTOTEXT).empty()) GTEST_SKIP() << "no pdftotext to read the report back";
    const std::string text = pdfText(dir, "plain.pdf");
    EXPECT_TRUE(contains(text, "the street total in 2015 at most 50 % of the baseline")) << text;
    EXPECT_FALSE(contains(text, "Comparison of the scenarios")) << "a report of the window alone has a comparison";
}

// An opened scenario's report details head the report; with --uncertainty its summary gives the
// chance of meeting the plan's target, and with --robust-plan the rates that hold stand in the table.
TEST(ReportOptions, TheDetailsHeadTheReportAndUncertaintyGivesTheChance)
{
    const TempDir dir;
    const std::string scenario = dir.file("town.karnoth").string();
    ASSERT_EQ(runCli(dir, {"--text", "txtStart=2026", "--save-scenario", scenario}).exitCode, 0);
    std::string json = dir.read("town.karnoth");
    const std::size_t end = json.rfind('}');
    json.insert(end, R"(, "report": {"title": "Dogs of Townsville", "author": "A. Vet", "organisation": "Vet service",)"
                     R"( "place": "Townsville"})");
    dir.write("town.karnoth", json);
    const CliRun run = runCli(dir, {"--load-scenario", scenario, "--plan", "2036:60", "--uncertainty", "100", "--vary",
                                    "txtAdultSurv=0.85:0.95", "--robust-plan", "80", "--report",
                                    dir.file("chance.pdf").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    if (std::string(KARNOTH_PDFTOTEXT).empty()) GTEST_SKIP() << "no pdftotext to read the report back";
    const std::string text = pdfText(dir, "chance.pdf");
    for (const char* part : {"Dogs of Townsville A. Vet, Vet service, Townsville Made with Karnoth",
                             "Chance of success: allowing for what is uncertain (adult survival 0.85 to 0.95), the "
                             "programme meets the target in",
                             "valid replicates (of 100, seed 1)",
                             "Plans that hold: for each owned share, the lowest rate at which at least 80 % of 100 "
                             "futures drawn from the uncertainty settings meet the target.",
                             "minimal rate in 80 % of"})
        EXPECT_TRUE(contains(text, part)) << part << "\n in: " << text.substr(0, 3000);
    EXPECT_FALSE(contains(text, "Karnoth report: current"));
}

// A report that cannot be written: exit 1 with the reason; the state is still printed.
TEST(ReportOptions, AReportThatCannotBeWrittenExitsOne)
{
    const TempDir dir;
    const CliRun run = runCli(dir, {"--report", dir.file("no such directory/report.pdf").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, "report.pdf")) << run.err;
    EXPECT_TRUE(contains(run.out, "formReady: true")) << run.out;
}

#else

// Without Qt there is nothing to draw a PDF with: refused, exit 1, nothing written.
TEST(ReportOptions, ABuildWithoutQtRefusesReports)
{
    const TempDir dir;
    const CliRun run = runCli(dir, {"--report", dir.file("report.pdf").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("report.pdf")));
    EXPECT_TRUE(contains(run.err, "without Qt")) << run.err;
}

#endif

}  // namespace
}  // namespace karnoth
