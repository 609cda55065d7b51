// karnoth-cli's command lines run in this process (addCommandLineOptions, then runSession), their
// JSON state compared as parsed JSON. The figures at the defaults are the window's own: checked
// against the window from before this rewrite by a differential run of thousands of event
// sequences, and unchanged since; where a figure has another source its comment says so.

#include "command_line_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace karnoth {
namespace {

using testing::runCommandLine;
using testing::SessionRun;
using testing::TempDir;

// Runs a command line that must exit 0 and print JSON (--json is added).
nlohmann::json stateOf(const TempDir& dir, std::vector<std::string> arguments)
{
    arguments.push_back("--json");
    const SessionRun run = runCommandLine(dir, arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.state();
}

std::string textOf(const TempDir& dir, const std::vector<std::string>& arguments)
{
    const SessionRun run = runCommandLine(dir, arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CommandLine, TheDefaultsGiveTheWindowsFigures)
{
    const TempDir dir;
    const nlohmann::json state = stateOf(dir, {});
    EXPECT_EQ(state["formReady"], true);
    // Singles as nine significant digits.
    EXPECT_EQ(state["pupsPerYearling"].dump(), "7.82554626");
    EXPECT_EQ(state["firstYearSurvival"].dump(), "0.425955355");
    // 1.65 years: also an independent age-structured cohort projection's (growth_rate_test).
    EXPECT_EQ(state["captions"]["Label14"], "intrinsic doubling time 1.65 years, 1st year survival 0.43");
    EXPECT_EQ(state["captions"]["Label1(1)"], "juv survival, < 0.13");
    EXPECT_EQ(state["captions"]["Label2"], "4,000 1-year old females abandoned per year");
    EXPECT_EQ(state["texts"]["txtJuvSurv"], ".1");
    EXPECT_EQ(state["values"]["hscSterilise"], 252);
    EXPECT_TRUE(state["errors"].empty());
    EXPECT_EQ(state["series"]["streetTotal"].size(), 101u);  // 1950..2050
    // The chart canvas in twips, as the window's picture box holds it.
    EXPECT_EQ(state["chart"]["width"], 14895.0);
    EXPECT_EQ(state["chart"]["height"], 7335.0);
    EXPECT_EQ(state["chart"]["ops"][0]["op"], "cls");
    EXPECT_EQ(state["chart"]["ops"][1]["color"], "#ff0000");

    const std::string text = textOf(dir, {});
    EXPECT_TRUE(contains(text, "Label14: intrinsic doubling time 1.65 years")) << text;
    EXPECT_TRUE(contains(text, "faults: 0")) << text;
    EXPECT_FALSE(std::filesystem::exists(dir.file("karnoth.ini"))) << "a session without --close wrote karnoth.ini";
}

TEST(CommandLine, ClosingWritesTheSettingsTheNextSessionReads)
{
    const TempDir dir;
    textOf(dir, {"--value", "vscGainLoss=1200", "--text", "txtJuvSurv=.11", "--text", "txtLitter=2.1", "--value",
                 "hscSterilise=5", "--close"});
    // The settings file's layout: one value a line in the window's order, CR LF, bars with a blank
    // for the sign.
    EXPECT_EQ(dir.read("karnoth.ini"), " 1200\r\n0.9\r\n.11\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\n2.1\r\n 5\r\n 50\r\n");
    const nlohmann::json state = stateOf(dir, {});
    EXPECT_EQ(state["values"]["vscGainLoss"], 1200);
    EXPECT_EQ(state["texts"]["txtJuvSurv"], "0.11");
    EXPECT_EQ(state["texts"]["txtLitter"], "2.1");
    EXPECT_EQ(state["values"]["hscSterilise"], 5);
    EXPECT_EQ(state["captions"]["Label2"], "1,200 1-year old females abandoned per year");
    EXPECT_TRUE(state["errors"].empty());
}

TEST(CommandLine, TheSessionFileIsReadAtStartUpAndWrittenByClose)
{
    const TempDir dir;
    textOf(dir, {"--text", "txtStart=2026", "--text", "txtTimes=2", "--value", "chkSterilise=1", "--text",
                 "txtOperations=600", "--close"});
    ASSERT_TRUE(std::filesystem::exists(dir.file("karnoth-session.json")));
    const nlohmann::json state = stateOf(dir, {});
    EXPECT_EQ(state["texts"]["txtStart"], "2026");
    EXPECT_EQ(state["texts"]["txtTimes"], "2");
    EXPECT_EQ(state["values"]["chkSterilise"], 1);
    EXPECT_EQ(state["texts"]["txtOperations"], "600");
    EXPECT_TRUE(state["notices"].empty());

    // What only the window sets (the planner's and the analyses' settings) outlives a --close.
    nlohmann::json session = nlohmann::json::parse(dir.read("karnoth-session.json"));
    session["planner"] = {
        {"targetYear", 2036}, {"targetPercent", 40}, {"costOwned", 30}, {"costStreet", 55}, {"ownedShareStep", 10}};
    session["sensitivity"] = {{"year", 2035}, {"deltaPercent", 20}};
    dir.write("karnoth-session.json", session.dump());
    textOf(dir, {"--text", "txtStart=2027", "--close"});
    const nlohmann::json written = nlohmann::json::parse(dir.read("karnoth-session.json"));
    EXPECT_EQ(written["inputs"]["txtStart"], "2027");
    EXPECT_EQ(written["planner"], session["planner"]);
    EXPECT_EQ(written["sensitivity"], session["sensitivity"]);
}

TEST(CommandLine, AMalformedSessionFileIsANoticeAndChangesNothing)
{
    const TempDir dir;
    dir.write("karnoth-session.json", "{\"format\": \"karnoth-scenario\", \"version\": 2, \"inputs\": ");
    const nlohmann::json state = stateOf(dir, {});
    ASSERT_EQ(state["notices"].size(), 1u);
    EXPECT_EQ(state["notices"][0].get<std::string>().rfind("karnoth-session.json is not JSON", 0), 0u)
        << state["notices"][0];
    EXPECT_EQ(state["texts"]["txtStart"], "2005");
    EXPECT_TRUE(state["errors"].empty());
}

TEST(CommandLine, EventsApplyInTheirOrder)
{
    const TempDir dir;
    // An age at first litter below 1 is shown as 1; a start beyond 2050 and an empty text are kept.
    const nlohmann::json state = stateOf(dir, {"--text", "txtRecruit=0", "--text", "txtStart=2100", "--value",
                                               "hscSterilise=125", "--text", "txtAdultSurv="});
    EXPECT_EQ(state["texts"]["txtRecruit"], "1");
    EXPECT_EQ(state["captions"]["Label4"], "12.5% sterilised per year");
    EXPECT_EQ(state["texts"]["txtAdultSurv"], "");
    EXPECT_TRUE(state["errors"].empty());
    // Adult survival 1 faults the typing's indicators and then the bar's run: two faults, still ready.
    const nlohmann::json faulted = stateOf(dir, {"--text", "txtAdultSurv=1", "--value", "vscTarget=20"});
    EXPECT_EQ(faulted["errors"].size(), 2u);
    EXPECT_EQ(faulted["formReady"], true);
}

TEST(CommandLine, CullingRecordsChangeTheRunAndABadOneIsNamed)
{
    const TempDir dir;
    const nlohmann::json before = stateOf(dir, {});
    std::filesystem::copy_file(std::filesystem::path(std::getenv("KARNOTH_TEST_DATA")) / "killed.txt",
                               dir.file("killed.txt"));
    const nlohmann::json after = stateOf(dir, {});
    EXPECT_TRUE(after["errors"].empty()) << after["errors"];
    EXPECT_NE(after["captions"]["Label3"], before["captions"]["Label3"]) << "culling changed nothing";
    dir.write("killed.txt", "1990,10\n2051,3\n");
    const nlohmann::json bad = stateOf(dir, {});
    ASSERT_EQ(bad["errors"].size(), 1u);
    EXPECT_TRUE(contains(bad["errors"][0], "killed.txt record 2")) << bad["errors"][0];
}

TEST(CommandLine, AScenarioSavedOpensAndComparesAsTheWindowRanIt)
{
    const TempDir dir;
    const std::string a = dir.file("a.karnoth").string();
    const std::string b = dir.file("b.karnoth").string();
    dir.write("killed.txt", "1995,1200\n");
    textOf(dir, {"--text", "txtStart=2010", "--value", "hscSterilise=400", "--save-scenario", a});
    const nlohmann::json saved = nlohmann::json::parse(dir.read("a.karnoth"));
    EXPECT_EQ(saved["format"], "karnoth-scenario");
    EXPECT_EQ(saved["name"], "a");
    EXPECT_EQ(saved["inputs"]["txtStart"], "2010");
    EXPECT_EQ(saved["killed"][0][1], 1200);

    // Opened in a fresh window it gives that window's state and run; compared, the same series.
    const nlohmann::json opened = stateOf(dir, {"--load-scenario", a, "--compare", a});
    EXPECT_EQ(opened["values"]["hscSterilise"], 400);
    EXPECT_EQ(opened["texts"]["txtStart"], "2010");
    EXPECT_TRUE(opened["errors"].empty());
    EXPECT_TRUE(opened["notices"].empty());
    EXPECT_EQ(opened["comparison"][0]["series"]["streetTotal"], opened["series"]["streetTotal"]);
    EXPECT_EQ(opened["comparison"][0]["sterilisedStreet"].size(), 101u);

    // --compare is repeatable: one entry per file, in the order given.
    textOf(dir, {"--value", "hscSterilise=100", "--save-scenario", b});
    const nlohmann::json both = stateOf(dir, {"--compare", b, "--compare", a});
    ASSERT_EQ(both["comparison"].size(), 2u);
    EXPECT_EQ(both["comparison"][0]["name"], "b");
    EXPECT_EQ(both["comparison"][1]["name"], "a");

    // A bad file is reported and changes nothing; killed.txt that differs is noticed.
    dir.write("bad.karnoth", R"({"format": "karnoth-scenario", "version": 2})");
    const std::string badFile = dir.file("bad.karnoth").string();
    const nlohmann::json bad = stateOf(
        dir, {"--value", "hscSterilise=300", "--load-scenario", badFile, "--compare", badFile});
    EXPECT_EQ(bad["values"]["hscSterilise"], 300);
    EXPECT_EQ(bad["errors"].size(), 1u);
    EXPECT_TRUE(contains(bad["comparison"][0]["fault"], "bad.karnoth")) << bad["comparison"][0];
    dir.write("killed.txt", "1995,999\n");
    EXPECT_EQ(stateOf(dir, {"--load-scenario", a})["notices"].size(), 1u);
}

// The planner's worked example (--plan 2030:50 at owned-share steps of 50): every figure of the
// example given when the planner was asked for, reproduced by it since; shown in README.md.
TEST(CommandLine, ThePlanAtTheDefaultsGivesTheWorkedExample)
{
    const TempDir dir;
    const nlohmann::json plan = stateOf(dir, {"--plan", "2030:50", "--split-step", "50"})["plan"];
    EXPECT_EQ(plan["baseline"], 119813.375);
    EXPECT_EQ(plan["baselineYear"], 2004);
    EXPECT_EQ(plan["targetPercent"].dump(), "50");  // a whole number as an integer
    EXPECT_EQ(plan["costOwned"].dump(), "1");
    EXPECT_EQ(plan["ownedShareStep"], 50);
    EXPECT_TRUE(plan["fault"].is_null());
    const struct {
        int minimalRate;  // tenths of a per cent
        double streetTotal, sterilisedOwned, sterilisedStreet, cost;
    } rows[] = {
        {99, 59745.0703125, 0, 156391.93994140625, 156391.93994140625},
        {136, 59877.546875, 5304, 120378.09814453125, 125682.09814453125},
        {272, 59764.91796875, 21216, 0, 21216},
    };
    ASSERT_EQ(plan["rows"].size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        const nlohmann::json& row = plan["rows"][i];
        EXPECT_EQ(row["ownedShare"], 50 * i);
        EXPECT_EQ(row["minimalRate"], rows[i].minimalRate);
        EXPECT_EQ(row["streetTotal"], rows[i].streetTotal);
        EXPECT_EQ(row["sterilisedOwned"], rows[i].sterilisedOwned);
        EXPECT_EQ(row["sterilisedStreet"], rows[i].sterilisedStreet);
        EXPECT_EQ(row["cost"], rows[i].cost);
    }
    EXPECT_EQ(plan["cheapest"]["ownedShare"], 100);
    EXPECT_EQ(plan["cheapest"]["rate"], 1000);
    EXPECT_EQ(plan["cheapest"]["cost"], 14691.392547607422);

    // Costs 2 and 0.5: the 50 % row costs 2 × 5304 + 0.5 × 120378.10 = 70797.05 (hand-worked).
    const std::string text = textOf(dir, {"--plan", "2030:50", "--split-step", "50", "--cost", "2:0.5"});
    EXPECT_TRUE(contains(text, "plan: street total in 2030 at most 50% of the baseline; costs 2 (owned), 0.5 (street)"))
        << text;
    EXPECT_TRUE(contains(text, "50%        13.6%       59877.55          5304.00         120378.10       70797.05"))
        << text;
    EXPECT_TRUE(contains(text, "faults: 0")) << text;
}

TEST(CommandLine, APlanNoProgrammeReachesHasNoMinimalRateAndNoCheapestCell)
{
    const TempDir dir;
    const nlohmann::json plan = stateOf(dir, {"--plan", "2010:1", "--split-step", "100"})["plan"];
    EXPECT_TRUE(plan["rows"][0]["minimalRate"].is_null());
    EXPECT_TRUE(plan["rows"][0]["streetTotal"].is_number()) << "the figures at rate 100 %";
    EXPECT_TRUE(plan["cheapest"].is_null());
}

TEST(CommandLine, APlanThatCannotBeMadeGivesTheFirstReason)
{
    const struct {
        const char* typed;
        const char* plan;
        const char* reason;
    } cases[] = {
        {"txtStart=abc", "2030:50", "is not a number"},
        {"txtStart=1950", "2030:50", "lies outside 1951..2050"},
        {"txtStart=2005", "2004:50", "the target year 2004"},
        {"txtStart=1950", "1900:50", "start year 1950 lies outside"},
        {"txtAdultSurv=1.5", "2030:50", "the run at programme rate 0 faults: adult survival 1.5"},
    };
    const TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const nlohmann::json plan = stateOf(dir, {"--text", c.typed, "--plan", c.plan})["plan"];
        EXPECT_TRUE(contains(plan["fault"], c.reason)) << plan["fault"];
        EXPECT_TRUE(plan["rows"].empty());
        EXPECT_TRUE(plan["baseline"].is_null());
        EXPECT_TRUE(plan["baselineYear"].is_null());
        EXPECT_TRUE(plan["cheapest"].is_null());
    }
}

// An event in order with the others: the bar moves, a run follows, a later event still applies.
TEST(CommandLine, CalibratingIsAnEventInOrder)
{
    const TempDir dir;
    // The window's calibration at the defaults: bar 3339 gives 100014.2265625 in 2005, the nearest
    // of all bar values to 100000 (calibration_test scans the bar to check the nearest).
    const nlohmann::json state = stateOf(dir, {"--calibrate", "2005:100000"});
    const nlohmann::json& calibration = state["calibration"];
    EXPECT_EQ(calibration["vscGainLoss"], 3339);
    EXPECT_EQ(state["values"]["vscGainLoss"], 3339);
    EXPECT_EQ(calibration["reached"], true);
    EXPECT_EQ(calibration["count"].dump(), "100000");
    EXPECT_EQ(calibration["year"], 2005);
    EXPECT_EQ(calibration["streetTotal"], 100014.2265625);
    EXPECT_EQ(calibration["difference"], 14.2265625);  // 100014.2265625 - 100000
    EXPECT_EQ(state["captions"]["Label2"], "3,339 1-year old females abandoned per year");

    const nlohmann::json later = stateOf(dir, {"--calibrate", "2005:100000", "--value", "vscGainLoss=4000"});
    EXPECT_EQ(later["values"]["vscGainLoss"], 4000);
    EXPECT_EQ(later["calibration"]["vscGainLoss"], 3339);

    const nlohmann::json beyond = stateOf(dir, {"--calibrate", "2005:1e9"});
    EXPECT_EQ(beyond["values"]["vscGainLoss"], 30000);  // the bar's highest value
    EXPECT_EQ(beyond["calibration"]["reached"], false);

    // Inputs a run cannot read: the fault is reported like a handler's and nothing is set.
    const nlohmann::json faulty = stateOf(dir, {"--text", "txtAdultSurv=abc", "--calibrate", "2005:100000"});
    ASSERT_EQ(faulty["errors"].size(), 2u);  // the typing's indicators, then the calibration
    EXPECT_TRUE(contains(faulty["errors"][1], "adult survival")) << faulty["errors"][1];
    EXPECT_TRUE(faulty["calibration"]["vscGainLoss"].is_null());
    EXPECT_EQ(faulty["values"]["vscGainLoss"], 4000);

    const std::string text = textOf(dir, {"--calibrate", "2005:100000"});
    EXPECT_TRUE(contains(text, "calibration: a count of 100000 in 2005: vscGainLoss 3339 gives 100014.23")) << text;
}

TEST(CommandLine, TheSensitivityMovesEachInputBothWays)
{
    const TempDir dir;
    const nlohmann::json sensitivity = stateOf(dir, {"--sensitivity", "2020"})["sensitivity"];
    EXPECT_EQ(sensitivity["year"], 2020);
    EXPECT_EQ(sensitivity["delta"].dump(), "10");
    EXPECT_TRUE(sensitivity["fault"].is_null());
    EXPECT_TRUE(sensitivity["outcome"].is_number());
    ASSERT_EQ(sensitivity["inputs"].size(), 11u);
    // Adult survival 0.99 has no steady state: its row comes last, with the fault instead of a number.
    const nlohmann::json& last = sensitivity["inputs"][10];
    EXPECT_EQ(last["name"], "txtAdultSurv");
    EXPECT_EQ(last["caption"], "adult survival");
    EXPECT_TRUE(last["outcomeHigh"].is_null());
    EXPECT_TRUE(last["elasticity"].is_null());
    EXPECT_TRUE(contains(last["faultHigh"], "juvenile survival")) << last["faultHigh"];
    // The rate bar in its own units, the ends as 252 × (1 ∓ 10 / 100) gives them in doubles.
    bool rateSeen = false;
    for (const nlohmann::json& row : sensitivity["inputs"]) {
        if (row["name"] != "hscSterilise") continue;
        rateSeen = true;
        EXPECT_EQ(row["caption"], "sterilisation rate (tenths of a %)");
        EXPECT_EQ(row["value"].dump(), "252");
        EXPECT_EQ(row["low"], 252 * (1 - 10 / 100.0));
        EXPECT_EQ(row["high"], 252 * (1 + 10 / 100.0));
        EXPECT_EQ(row["high"].dump(), "277.20000000000005");
    }
    EXPECT_TRUE(rateSeen);

    const std::string text = textOf(dir, {"--sensitivity", "2030:20"});
    EXPECT_TRUE(contains(text, "sensitivity: the street total in 2030 with each input moved 20% both ways")) << text;
    EXPECT_TRUE(contains(text, "elasticity")) << text;

    // Inputs a run cannot read: the fault and no table.
    const nlohmann::json bad = stateOf(dir, {"--text", "txtAdultSurv=abc", "--sensitivity", "2020"})["sensitivity"];
    EXPECT_TRUE(contains(bad["fault"], "adult survival")) << bad["fault"];
    EXPECT_TRUE(bad["inputs"].empty());
    EXPECT_TRUE(bad["outcome"].is_null());
}

TEST(CommandLine, UncertaintyWithoutChanceGivesTheWindowsRunInEveryPercentile)
{
    const TempDir dir;
    const nlohmann::json state = stateOf(dir, {"--uncertainty", "20", "--plan", "2030:50"});
    const nlohmann::json& uncertainty = state["uncertainty"];
    EXPECT_EQ(uncertainty["replicates"], 20);
    EXPECT_EQ(uncertainty["valid"], 20);
    EXPECT_EQ(uncertainty["faulted"], 0);
    EXPECT_EQ(uncertainty["seed"], 1);
    EXPECT_TRUE(uncertainty["fault"].is_null());
    for (const char* series : {"streetTotal", "streetBreeders", "extraSterilisations"}) {
        SCOPED_TRACE(series);
        for (const char* p : {"p5", "p25", "p50", "p75", "p95"}) EXPECT_EQ(uncertainty[series][p].size(), 101u) << p;
        // No range and no chance: every percentile is the window's own run.
        for (const int year : {0, 55, 100}) {
            EXPECT_EQ(uncertainty[series]["p5"][year], state["series"][series][year]) << year;
            EXPECT_EQ(uncertainty[series]["p95"][year], state["series"][series][year]) << year;
        }
    }
    EXPECT_EQ(uncertainty["target"]["year"], 2030);
    EXPECT_EQ(uncertainty["target"]["percent"], 50);
    // The window's run meets the planner's 50 % (its minimal rate at this share is 13.6 %, below the
    // window's 25.2 %), so every replicate, being that run, does.
    EXPECT_EQ(uncertainty["target"]["probability"].dump(), "1.0");
}

TEST(CommandLine, TheYearlyCsvEndsWithTheTwoCoverageShares)
{
    const TempDir dir;
    const nlohmann::json state = stateOf(dir, {"--text", "txtImmigrants=500"});
    textOf(dir, {"--text", "txtImmigrants=500", "--csv", dir.file("series.csv").string()});
    const std::string csv = dir.read("series.csv");
    std::vector<std::string> rows;
    for (std::size_t at = 0, end; (end = csv.find('\n', at)) != std::string::npos; at = end + 1)
        rows.push_back(csv.substr(at, end - at));
    ASSERT_EQ(rows.size(), 102u);
    EXPECT_EQ(rows[0], "year,streetTotal,streetBreeders,extraSterilisations,ownedBreeders,streetSterilisedShare,"
                       "ownedSterilisedShare");
    // Columns 6 and 7 are the shares as fractions, the digits the JSON series hold.
    for (const int year : {1950, 2004, 2005, 2030, 2050}) {
        SCOPED_TRACE(year);
        const std::string& row = rows[std::size_t(year - 1950 + 1)];
        std::vector<std::string> cells;
        for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1) {
            end = row.find(',', at);
            cells.push_back(row.substr(at, end == std::string::npos ? std::string::npos : end - at));
        }
        ASSERT_EQ(cells.size(), 7u) << row;
        EXPECT_EQ(cells[0], std::to_string(year));
        EXPECT_EQ(std::strtod(cells[5].c_str(), nullptr), state["series"]["streetSterilisedShare"][year - 1950]);
        EXPECT_EQ(std::strtod(cells[6].c_str(), nullptr), state["series"]["ownedSterilisedShare"][year - 1950]);
        EXPECT_GE(std::strtod(cells[5].c_str(), nullptr), 0.0);
        EXPECT_LE(std::strtod(cells[5].c_str(), nullptr), 1.0);
    }
}

TEST(CommandLine, HelpListsTheInputsOfARealTown)
{
    const TempDir dir;
    const SessionRun run = runCommandLine(dir, {"--help"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const struct {
        const char* control;
        const char* caption;
        const char* values;
    } cases[] = {
        {"txtImmigrants", "females arriving per year", "a number, at least 0, or empty (0)"},
        {"txtCapacity", "street carrying capacity", "a number, above 0, or empty (none)"},
        {"txtCompensation", "compensation", "a number, above 0 and at most 20"},
        {"txtStop", "sterilising stops after", "a year, or empty (none)"},
        {"txtOperations", "sterilisations per year", "a number, at least 0, or empty (none)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        const std::size_t at = run.out.find("\n  " + std::string(c.control) + " ");
        ASSERT_NE(at, std::string::npos) << run.out;
        const std::string line = run.out.substr(at + 1, run.out.find('\n', at + 1) - at - 1);
        EXPECT_TRUE(contains(line, c.caption)) << line;
        EXPECT_TRUE(contains(line, "text box (--text)")) << line;
        EXPECT_TRUE(line.ends_with(c.values)) << line;
    }
}

TEST(CommandLine, TheInputsOfARealTownCanBeVaried)
{
    const TempDir dir;
    // Street pups surviving at 0.2 would make the street grow on its own: the capacity holds it.
    const std::vector<std::string> town = {"--text", "txtJuvSurv=0.2",    "--text", "txtImmigrants=200",
                                           "--text", "txtCapacity=20000", "--text", "txtOperations=3000"};
    const struct {
        const char* vary;
        bool movesTheStreet;
    } cases[] = {
        {"txtImmigrants=0:400", true},     {"txtCapacity=10000:40000", true}, {"txtCompensation=0.5:8", true},
        {"txtOperations=1000:5000", true}, {"txtImmigrants=200:200", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vary);
        std::vector<std::string> arguments = town;
        arguments.insert(arguments.end(), {"--uncertainty", "20", "--vary", c.vary});
        const nlohmann::json uncertainty = stateOf(dir, arguments)["uncertainty"];
        EXPECT_TRUE(uncertainty["fault"].is_null()) << uncertainty["fault"];
        EXPECT_EQ(uncertainty["valid"], 20);
        const nlohmann::json& street = uncertainty["streetTotal"];
        EXPECT_EQ(street["p5"][80] != street["p95"][80], c.movesTheStreet)
            << street["p5"][80] << " " << street["p95"][80];
    }
    // The compensation is read only with a capacity: a range on it alone is refused, not ignored.
    const nlohmann::json alone = stateOf(dir,
                                         {"--uncertainty", "20", "--vary", "txtCompensation=0.5:8"})["uncertainty"];
    EXPECT_TRUE(contains(alone["fault"], "compensation changes nothing without a street carrying capacity"))
        << alone["fault"];
    EXPECT_TRUE(alone["valid"].is_null());
    const nlohmann::json withCapacity = stateOf(dir, {"--uncertainty", "20", "--vary", "txtCompensation=0.5:8",
                                                      "--vary", "txtCapacity=10000:40000"})["uncertainty"];
    EXPECT_TRUE(withCapacity["fault"].is_null()) << withCapacity["fault"];
}

TEST(CommandLine, UncertaintyWithChanceRepeatsForASeed)
{
    const TempDir dir;
    const std::vector<std::string> chance = {"--uncertainty",
                                             "40",
                                             "--seed",
                                             "5",
                                             "--whole-dogs",
                                             "--year-to-year",
                                             "0.05",
                                             "--vary",
                                             "txtJuvSurv=0.05:0.2",
                                             "--vary",
                                             "vscGainLoss=2000:6000"};
    const nlohmann::json first = stateOf(dir, chance);
    EXPECT_EQ(stateOf(dir, chance), first) << "the same seed gave two different results";
    // Juvenile survival above the threshold 0.0981 has no steady state: some replicates fault, not all.
    const int faulted = first["uncertainty"]["faulted"];
    EXPECT_GT(faulted, 0);
    EXPECT_LT(faulted, 40);
    EXPECT_TRUE(first["uncertainty"]["target"].is_null());
    const std::string text = textOf(dir, chance);
    EXPECT_TRUE(contains(text, "uncertainty: 40 replicates, seed 5")) << text;
    EXPECT_TRUE(contains(text, "first fault: juvenile survival")) << text;

    const nlohmann::json bad = stateOf(dir, {"--text", "txtLitter=x", "--uncertainty", "10"})["uncertainty"];
    EXPECT_TRUE(contains(bad["fault"], "female pups per litter")) << bad["fault"];
    EXPECT_TRUE(bad["valid"].is_null());
    EXPECT_TRUE(bad["streetTotal"]["p50"].is_null());
}

// A malformed or refused option is exit 2 with a message, and nothing runs: nothing is printed on
// standard output and no file is written.
TEST(CommandLine, UsageErrorsRunNothing)
{
    const std::vector<std::vector<std::string>> cases = {
        // the window's options
        {"--text", "txtNope=1"},
        {"--text", "=1"},
        {"--value", "vscTarget"},
        {"--value", "vscTarget=101"},
        {"--value", "vscTarget=5d1"},
        {"--value", "vscTarget= 5"},
        {"--click", "Label3"},
        {"--value", "chkLog=2"},
        {"--bogus"},
        {"--csv", "-", "--json"},
        // the planner's
        {"--plan", "2030"},
        {"--plan", "2030:abc"},
        {"--plan", "abc:50"},
        {"--plan", "2030:0"},
        {"--plan", "2030:5d1"},
        {"--plan", "2030:+50"},
        {"--plan", "2030: 50"},
        {"--plan", "2030:inf"},
        {"--plan", "2030.5:50"},
        {"--plan", "2030:50", "--split-step", "7"},
        {"--plan", "2030:50", "--split-step", "0"},
        {"--plan", "2030:50", "--split-step", "5.0"},
        {"--plan", "2030:50", "--cost", "-1:1"},
        {"--plan", "2030:50", "--cost", "1"},
        {"--plan", "2030:50", "--cost", "1:1d0"},
        {"--split-step", "5"},
        {"--cost", "1:1"},
        {"--plan-grid", "grid.csv"},
        {"--plan", "2030:50", "--plan-grid", "-", "--json"},
        {"--plan", "2030:50", "--plan-grid", "-", "--csv", "-"},
        {"--calibrate", "1950:5000"},
        {"--calibrate", "2051:5000"},
        {"--calibrate", "2005:0"},
        {"--calibrate", "2005:-3"},
        {"--calibrate", "2005"},
        {"--calibrate", "x:5000"},
        {"--calibrate", "2005:5d3"},
        // the analyses'
        {"--sensitivity", "1949"},
        {"--sensitivity", "2020:0"},
        {"--sensitivity", "20x0"},
        {"--sensitivity", "2020:1d1"},
        {"--uncertainty", "0"},
        {"--uncertainty", "ten"},
        {"--uncertainty", "-5"},
        {"--uncertainty", "100001"},
        {"--uncertainty", "5", "--vary", "txtNope=1:2"},
        {"--uncertainty", "5", "--vary", "txtStart=2000:2010"},
        {"--uncertainty", "5", "--vary", "txtAdultSurv=0.9:0.8"},
        {"--uncertainty", "5", "--vary", "txtAdultSurv=0.8"},
        {"--uncertainty", "5", "--vary", "txtAdultSurv=0.8:0.9", "--vary", "txtAdultSurv=0.8:0.9"},
        {"--uncertainty", "5", "--vary", "txtImmigrants=-1:10"},
        {"--uncertainty", "5", "--vary", "txtCapacity=0:1000"},
        {"--uncertainty", "5", "--vary", "txtCompensation=0:2"},
        {"--uncertainty", "5", "--vary", "txtCompensation=1:20.5"},
        {"--uncertainty", "5", "--vary", "txtOperations=-5:100"},
        {"--uncertainty", "5", "--year-to-year", "-0.1"},
        {"--uncertainty", "5", "--seed", "-1"},
        {"--uncertainty", "5", "--plan", "2030"},
        {"--uncertainty", "5", "--plan", "2030:5d1"},
        {"--seed", "3"},
        {"--whole-dogs"},
        {"--vary", "txtAdultSurv=0.8:0.9"},
        {"--year-to-year", "0.1"},
    };
    for (const std::vector<std::string>& arguments : cases) {
        const TempDir dir;
        std::string line;
        for (const std::string& argument : arguments) line += argument + " ";
        SCOPED_TRACE(line);
        std::vector<std::string> withFiles = arguments;
        for (std::string& argument : withFiles)
            if (argument == "grid.csv") argument = dir.file("grid.csv").string();
        const SessionRun run = runCommandLine(dir, withFiles);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    }
}

// Option values are plain numbers: a target of "5d1" is refused alone and beside every other option,
// before or after it, and its message names the option and the value.
TEST(CommandLine, APlanOf5d1IsRefusedBesideEveryOption)
{
    const TempDir dir;
    const std::string file = dir.file("out").string();
    dir.write("s.karnoth", "");
    const std::string scenario = dir.file("s.karnoth").string();
    const std::vector<std::vector<std::string>> others = {
        {},
        {"--json"},
        {"--text", "txtJuvSurv=.1"},
        {"--value", "vscGainLoss=4000"},
        {"--click", "cmdRun"},
        {"--close"},
        {"--csv", file},
        {"--csv", "-"},
        {"--split-step", "5"},
        {"--cost", "1:1"},
        {"--plan-grid", file},
        {"--calibrate", "2005:100000"},
        {"--sensitivity", "2020:10"},
        {"--uncertainty", "5"},
        {"--uncertainty", "5", "--seed", "3", "--vary", "txtJuvSurv=0.05:0.1", "--year-to-year", "0.1", "--whole-dogs"},
        {"--save-scenario", file},
        {"--load-scenario", scenario},
        {"--compare", scenario},
        {"--report", file},
    };
    for (const std::vector<std::string>& other : others) {
        for (const bool planFirst : {true, false}) {
            std::vector<std::string> arguments = other;
            arguments.insert(planFirst ? arguments.begin() : arguments.end(), {"--plan", "2030:5d1"});
            SCOPED_TRACE(other.empty() ? "alone" : other.front() + (planFirst ? " after" : " before"));
            const SessionRun run = runCommandLine(dir, arguments);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(contains(run.err, "--plan \"2030:5d1\": the target percent \"5d1\" is not a number"))
                << run.err;
            EXPECT_TRUE(run.out.empty()) << run.out;
            EXPECT_FALSE(std::filesystem::exists(file));
            EXPECT_FALSE(std::filesystem::exists(dir.file("karnoth.ini")));
        }
    }
}

// Each refusal names the option, its value and what is wrong with it, in the analysis's words.
TEST(CommandLine, AUsageErrorSaysWhatIsWrong)
{
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"--value", "vscTarget=5d1"}, "--value \"vscTarget=5d1\": N \"5d1\" is not a whole number"},
        {{"--text", "=1"}, "--text \"=1\": expected NAME=TEXT, with a NAME"},
        {{"--plan", "2030"}, "--plan \"2030\": expected YEAR:PERCENT"},
        {{"--plan", "2030:50", "--split-step", "7"}, "--split-step \"7\": the owned-share step 7 does not divide 100"},
        {{"--split-step", "5"}, "--split-step requires --plan"},
        {{"--seed", "3"}, "--seed requires --uncertainty"},
        {{"--uncertainty", "5", "--seed", "-1"}, "S \"-1\" is not a whole number from 0 to 18446744073709551615"},
        {{"--sensitivity", "1949"}, "--sensitivity \"1949\": the sensitivity year 1949 lies outside 1950..2050"},
        {{"--sensitivity", "2030:inf"}, "DELTA \"inf\" is not a number"},
        {{"--uncertainty", "-5"}, "--uncertainty: the number of replicates must be 1 to 100000"},
        {{"--uncertainty", "5", "--vary", "txtAdultSurv=0.8:0.9", "--vary", "txtAdultSurv=0.7:0.9"},
         "adult survival is given a range twice"},
        {{"--uncertainty", "5", "--vary", "txtStart=2000:2010"}, "NAME must be one of txt"},
        {{"--uncertainty", "5", "--plan", "2030:0"}, "the target percent 0 is not a number above 0"},
        {{"--calibrate", "2005:0"}, "--calibrate \"2005:0\": the count 0 is not a number above 0"},
        {{"--uncertainty", "5", "--vary", "txtCapacity=0:1000"},
         "the range 0 to 1000 of street carrying capacity leaves its range, above 0"},
        {{"--uncertainty", "5", "--vary", "txtCompensation=1:21"},
         "the range 1 to 21 of compensation leaves its range, above 0 and at most 20"},
        {{"--uncertainty", "5", "--vary", "txtOperations=-1:10"},
         "the range -1 to 10 of sterilisations per year leaves its range, at least 0"},
    };
    const TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const SessionRun run = runCommandLine(dir, c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(contains(run.err, c.message)) << run.err;
    }
}

}  // namespace
}  // namespace karnoth
