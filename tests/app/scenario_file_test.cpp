#include "app/scenario_file.h"

#include "app/scenario_inputs.h"
#include "form_fixture.h"
#include "model/engine.h"
#include "scenario_json.h"
#include "support/fault.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::FormTest;
using testing::scenarioFileJson;
using testing::windowInputsJson;

TEST_F(FormTest, SaveThenOpenInAFreshWindowGivesTheSameState)
{
    dir.write("killed.txt", "1995,1200\n1996 1500\n");
    loaded().typeText("txtJuvSurv", ".05");
    form().typeText("txtStart", " 2010 ");  // kept exactly as typed
    form().typeText("txtRecruit", "2");
    form().setCheckValue("chkSterilise", 1);
    form().setScrollValue("hscSterilise", 377);
    form().setScrollValue("vscGainLoss", 1234);
    Scenario saved = form().currentScenario("twenty from 2010");
    saved.notes = "with \"quotes\" and a line\nbreak";
    saved.planner = PlannerSettings{2030, 40, 30, 55.5, std::nullopt};
    EXPECT_EQ(saved.killed, (std::vector<KilledRecord>{{1995, 1200}, {1996, 1500}}));
    writeScenarioFile(dir.file("option.karnoth"), saved);

    Form1 fresh(dir.path());
    fresh.Form_Load();
    const Scenario read = readScenarioFile(dir.file("option.karnoth"));
    EXPECT_EQ(read, saved);
    EXPECT_FALSE(fresh.openScenario(read)) << "killed.txt holds the scenario's records: no notice";
    for (const Control& control : form().controls()) {
        EXPECT_EQ(fresh.control(control.row->name).text, control.text) << control.row->name;
        EXPECT_EQ(fresh.control(control.row->name).value, control.value) << control.row->name;
    }
    EXPECT_EQ(fresh.text("txtStart"), " 2010 ");
    EXPECT_EQ(fresh.lastSeries()->streetTotal.values(), form().lastSeries()->streetTotal.values());
    EXPECT_TRUE(fresh.faults().empty());
}

TEST_F(FormTest, OpeningMakesExactlyOneRunWithTheEventsHeldBack)
{
    struct Counter : FormListener {
        void controlChanged(const Control&) override { }
        void chartChanged() override { }
        void faultReported(const std::string&) override { }
        void runCompleted() override { ++runs; }
        int runs = 0;
    } counter;
    loaded().setListener(&counter);
    Scenario scenario = form().currentScenario("other");
    scenario.values["hscSterilise"] = 10;
    scenario.values["vscGainLoss"] = 200;
    scenario.values["vscTarget"] = 0;
    scenario.texts["txtRecruit"] = "0.5";  // below the floor of 1
    scenario.texts["txtAdultSurv"] = "0.8";
    form().openScenario(scenario);
    EXPECT_EQ(counter.runs, 1);
    EXPECT_EQ(form().caption("Label2"), "200 1-year old females abandoned per year");
    EXPECT_EQ(form().text("txtRecruit"), "1");
    EXPECT_EQ(form().caption("Label1(1)"), "juv survival, < 0.17") << "the threshold of adult survival 0.8";
    EXPECT_EQ(form().caption("Label4").rfind("1 extra", 0), std::string::npos) << form().caption("Label4");
}

TEST_F(FormTest, OpeningTellsWhenKilledTxtDiffersAndNeverWritesIt)
{
    dir.write("killed.txt", "1995,1200\n");
    loaded();
    Scenario scenario = form().currentScenario("culled");
    scenario.killed = {{1995, 999}};
    const std::optional<std::string> notice = form().openScenario(scenario);
    ASSERT_TRUE(notice);
    EXPECT_NE(notice->find("uses the records of killed.txt"), std::string::npos);
    EXPECT_EQ(form().notices().size(), 1u);
    EXPECT_EQ(dir.read("killed.txt"), "1995,1200\n");
    // Later records for a year replace earlier ones before the counts are compared.
    scenario.killed = {{1995, 5}, {1995, 1200}};
    EXPECT_FALSE(form().openScenario(scenario));
}

TEST_F(FormTest, ThePlannersStepAndTheAnalysesSettingsGoThereAndBack)
{
    Scenario saved = loaded().currentScenario("kept");
    saved.planner = PlannerSettings{2035, 40, 30, 55.5, 20};
    saved.sensitivity = SensitivitySettings{2035, 12.5};
    saved.uncertainty = UncertaintySettings{
        {{"txtJuvSurv", {true, "0.05", "0.15"}}, {"txtCapacity", {false, "", "9e3"}}}, 0.125, true, 500, 2147483647};
    saved.report = ReportDetails{"Esterilización 2026–2035", "A. Vet", "", "São Paulo"};
    for (const int confidence : {80, kConfidenceOff}) {
        saved.confidence = confidence;
        writeScenarioFile(dir.file("kept.karnoth"), saved);
        EXPECT_EQ(readScenarioFile(dir.file("kept.karnoth")), saved) << confidence;
    }
}

// Report details travel with the window's state: saved from what is kept, opened into it, and a
// scenario without them leaves the window's own.
TEST_F(FormTest, ReportDetailsAreSavedWithTheWindowAndOpenedBack)
{
    loaded().keptSettings().report = ReportDetails{"Dogs of Townsville", "A. Vet", "Vet service", "Townsville"};
    const Scenario saved = form().currentScenario("kept");
    ASSERT_TRUE(saved.report);
    form().keptSettings().report.reset();
    Scenario withoutDetails = saved;
    withoutDetails.report.reset();
    form().openScenario(withoutDetails);
    EXPECT_FALSE(form().keptSettings().report);
    form().openScenario(saved);
    EXPECT_EQ(form().keptSettings().report, saved.report);
    form().openScenario(withoutDetails);
    EXPECT_EQ(form().keptSettings().report, saved.report);
}

TEST(ScenarioFile, NameDefaultsToTheBaseNameAndUnknownKeysAreIgnored)
{
    const Scenario scenario = parseScenario(
        scenarioFileJson(windowInputsJson(), R"(, "comment": [1, 2], "killed": [])"), "plan.karnoth", "plan");
    EXPECT_EQ(scenario.name, "plan");
    EXPECT_EQ(scenario.texts.at("txtJuvSurv"), ".1");
    EXPECT_EQ(scenario.values.at("vscGainLoss"), 4000);
    EXPECT_FALSE(scenario.planner);
}

std::string repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

struct BadScenario {
    const char* name;
    std::string json;
    const char* mentions;
};

class BadScenarioTest : public FormTest, public ::testing::WithParamInterface<BadScenario> { };

TEST_P(BadScenarioTest, IsReportedWithTheFieldAndChangesNothing)
{
    const BadScenario& c = GetParam();
    dir.write("bad.karnoth", c.json);
    loaded().setScrollValue("hscSterilise", 300);
    const auto before = form().controls();
    try {
        form().openScenario(readScenarioFile(dir.file("bad.karnoth")));
        ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
        const std::string message = fault.what();
        EXPECT_EQ(message.rfind(dir.file("bad.karnoth").string(), 0), 0u) << message;
        EXPECT_NE(message.find(c.mentions), std::string::npos) << message;
        EXPECT_LT(message.size(), 400u) << "a message quotes a value short";
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(form().controls()[i].text, before[i].text) << before[i].row->name;
        EXPECT_EQ(form().controls()[i].value, before[i].value) << before[i].row->name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, BadScenarioTest,
    ::testing::Values(
        BadScenario{"NotJson", "{\"format\": ", "is not JSON"},
        BadScenario{"NotAnObject", "[1, 2]", "is not a JSON object"},
        BadScenario{"AnotherFormat", R"({"format": "karnoth-settings", "version": 1, "inputs": {}})", "\"format\""},
        BadScenario{"NoFormat", R"({"version": 1, "inputs": {}})", "not a Karnoth scenario"},
        BadScenario{"Version3", R"({"format": "karnoth-scenario", "version": 3, "inputs": {}})",
                    "\"version\" 3: the file was saved by a newer Karnoth; this program reads versions 1 and 2"},
        BadScenario{"Version0", R"({"format": "karnoth-scenario", "version": 0, "inputs": {}})",
                    "\"version\" 0: this program reads versions 1 and 2"},
        BadScenario{"VersionAsText", R"({"format": "karnoth-scenario", "version": "2", "inputs": {}})",
                    "this program reads versions 1 and 2"},
        BadScenario{"Version2WithoutACapacity",
                    scenarioFileJson(windowInputsJson([] {
                                         auto texts = testing::kRealTownInitialTexts;
                                         texts["txtCapacity"] = "<missing>";
                                         return texts;
                                     }()),
                                     "", 2),
                    "inputs \"txtCapacity\" is missing"},
        BadScenario{"NoInputs", R"({"format": "karnoth-scenario", "version": 1})", "\"inputs\" is missing"},
        BadScenario{"MissingControl", scenarioFileJson(windowInputsJson({{"txtTimes", "<missing>"}})),
                    "inputs \"txtTimes\" is missing"},
        BadScenario{"UnknownControl", scenarioFileJson(windowInputsJson({{"txtNope", "\"1\""}})),
                    "\"txtNope\" is not a control"},
        BadScenario{"ALabel", scenarioFileJson(windowInputsJson({{"Label3", "\"x\""}})), "\"Label3\" is not an input"},
        BadScenario{"TextNotAString", scenarioFileJson(windowInputsJson({{"txtAdultSurv", "0.9"}})),
                    "\"txtAdultSurv\" 0.9 is not a text"},
        BadScenario{"BarNotWhole", scenarioFileJson(windowInputsJson({{"hscSterilise", "252.5"}})),
                    "is not a whole number"},
        BadScenario{"BarAsText", scenarioFileJson(windowInputsJson({{"vscTarget", "\"50\""}})),
                    "is not a whole number"},
        BadScenario{"BarOutsideItsRange", scenarioFileJson(windowInputsJson({{"vscGainLoss", "0"}})),
                    "lies outside the scroll bar's range 1 to 30000"},
        BadScenario{"CheckBoxTwo", scenarioFileJson(windowInputsJson({{"chkLog", "2"}})), "not 0 (unchecked) or 1"},
        BadScenario{"KilledYear1949", scenarioFileJson(windowInputsJson(), R"(, "killed": [[1949, 10]])"),
                    "killed record 1: the year 1949 lies outside the years 1950 to 2050"},
        BadScenario{"KilledNegative", scenarioFileJson(windowInputsJson(), R"(, "killed": [[1995, 10], [1996, -5]])"),
                    "killed record 2: the number killed -5 is negative"},
        BadScenario{"KilledFraction", scenarioFileJson(windowInputsJson(), R"(, "killed": [[1995, 1.5]])"),
                    "not a whole number"},
        BadScenario{"KilledNotAPair", scenarioFileJson(windowInputsJson(), R"(, "killed": [[1995]])"), "is not a pair"},
        BadScenario{"PlannerPercentZero",
                    scenarioFileJson(
                        windowInputsJson(),
                        R"(, "planner": {"targetYear": 2030, "targetPercent": 0, "costOwned": 1, "costStreet": 1})"),
                    "\"targetPercent\" must be above 0"},
        BadScenario{"PlannerYearAsText",
                    scenarioFileJson(
                        windowInputsJson(),
                        R"(, "planner": {"targetYear": "2030", "targetPercent": 5, "costOwned": 1, "costStreet": 1})"),
                    "\"targetYear\""},
        BadScenario{"PlannerStepNotADivisor",
                    scenarioFileJson(windowInputsJson(), R"(, "planner": {"targetYear": 2030, "targetPercent": 5,)"
                                                         R"( "costOwned": 1, "costStreet": 1, "ownedShareStep": 7})"),
                    "planner \"ownedShareStep\" 7 does not divide 100"},
        BadScenario{"SensitivityYear1949",
                    scenarioFileJson(windowInputsJson(), R"(, "sensitivity": {"year": 1949, "deltaPercent": 10})"),
                    "sensitivity \"year\" 1949 lies outside 1950 to 2050"},
        BadScenario{"SensitivityDeltaZero",
                    scenarioFileJson(windowInputsJson(), R"(, "sensitivity": {"year": 2030, "deltaPercent": 0})"),
                    "sensitivity \"deltaPercent\" must be above 0"},
        BadScenario{"UncertaintySdAboveOne",
                    scenarioFileJson(windowInputsJson(), R"(, "uncertainty": {"replicates": 10, "seed": 1,)"
                                                         R"( "yearToYearSd": 1.5, "wholeDogs": false})"),
                    "uncertainty \"yearToYearSd\" 1.5 lies outside 0 to 1"},
        BadScenario{"UncertaintyWholeDogsAsNumber",
                    scenarioFileJson(windowInputsJson(), R"(, "uncertainty": {"replicates": 10, "seed": 1,)"
                                                         R"( "yearToYearSd": 0, "wholeDogs": 1})"),
                    "uncertainty \"wholeDogs\" 1 is not true or false"},
        BadScenario{"UncertaintyRangeOfAYear",
                    scenarioFileJson(windowInputsJson(), R"(, "uncertainty": {"replicates": 10, "seed": 1,)"
                                                         R"( "yearToYearSd": 0, "wholeDogs": false,)"
                                                         R"( "ranges": {"txtStart": {"varied": true}}})"),
                    "uncertainty range \"txtStart\" is not an input the analyses vary"},
        BadScenario{"NameNotText", scenarioFileJson(windowInputsJson(), R"(, "name": 5)"), "\"name\" 5 is not a text"},
        BadScenario{"ReportNotAnObject", scenarioFileJson(windowInputsJson(), R"(, "report": "Town")"),
                    "\"report\" is not an object"},
        BadScenario{"ReportAuthorNotText", scenarioFileJson(windowInputsJson(), R"(, "report": {"author": ["A"]})"),
                    "report \"author\" [\"A\"] is not a text"},
        // 201 characters of two bytes each: characters are counted, not bytes.
        BadScenario{"ReportTitleTooLong",
                    scenarioFileJson(windowInputsJson(), ", \"report\": {\"title\": \"" + repeated("é", 201) + "\"}"),
                    "report \"title\" is longer than 200 characters"},
        BadScenario{"ConfidenceBelowFifty",
                    scenarioFileJson(windowInputsJson(), R"(, "robustPlan": {"confidence": 49})"),
                    "robustPlan \"confidence\" 49 is not a whole per cent from 50 to 99 or \"off\""},
        BadScenario{"ConfidenceNotWhole",
                    scenarioFileJson(windowInputsJson(), R"(, "robustPlan": {"confidence": 90.5})"),
                    "robustPlan \"confidence\" 90.5 is not a whole per cent"},
        // Inputs that used to crash or flood the message.
        BadScenario{"NumberBeyondADouble", scenarioFileJson(windowInputsJson(), R"(, "x": 1e400)"),
                    "the number \"1e400\" is beyond the largest number"},
        BadScenario{"OnlyAHugeNumber", "1e400", "is not JSON"},
        BadScenario{
            "DeepNesting",
            scenarioFileJson(windowInputsJson(), ", \"notes\": " + std::string(100000, '[') + std::string(100000, ']')),
            "nested more than 64 deep"},
        BadScenario{"NotUtf8", scenarioFileJson(windowInputsJson(), ", \"name\": \"caf\xe9\""), "UTF-8"},
        BadScenario{"HugeValueQuotedShort",
                    scenarioFileJson(windowInputsJson({{"txtAdultSurv", "[" + repeated("1,", 100000) + "1]"}})),
                    "\"txtAdultSurv\" [1,1,1,1,1"},
        BadScenario{"KilledYearOutsideTheWholeNumbers",
                    scenarioFileJson(windowInputsJson(), R"(, "killed": [[40000, 10]])"),
                    "the year 40000 lies outside the years 1950 to 2050"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file from before the inputs of a real town opens with each at its initial text, which leaves
// its mechanism off: the run is the one a fresh window makes.
TEST_F(FormTest, AVersion1FileOpensWithTheInputsOfARealTownOff)
{
    loaded();
    const auto freshStreet = form().lastSeries()->streetTotal.values();
    form().typeText("txtImmigrants", "250");
    form().typeText("txtStop", "2020");
    const Scenario scenario = parseScenario(scenarioFileJson(windowInputsJson()), "old.karnoth", "old");
    const std::map<std::string, std::string> initial = {
        {"txtImmigrants", "0"}, {"txtCapacity", ""}, {"txtCompensation", "1"}, {"txtStop", ""}, {"txtOperations", ""}};
    for (const auto& [name, text] : initial) EXPECT_EQ(scenario.texts.at(name), text) << name;

    const WindowInputs read = scenarioInputs(scenario);
    EXPECT_EQ(read.inputs.immigrantsPerYear, 0);
    EXPECT_FALSE(read.inputs.carryingCapacity.has_value());
    EXPECT_EQ(read.inputs.compensation, 1);
    EXPECT_FALSE(read.inputs.programmeStop.has_value());
    EXPECT_FALSE(read.inputs.operationsPerYear.has_value());

    form().openScenario(scenario);
    for (const auto& [name, text] : initial) EXPECT_EQ(form().text(name), text) << name;
    EXPECT_EQ(form().lastSeries()->streetTotal.values(), freshStreet);
    // Saved again, it is a version 2 file that holds them.
    const std::string saved = formatScenario(form().currentScenario("old"));
    EXPECT_NE(saved.find("\"version\": 2"), std::string::npos) << saved.substr(0, 80);
    EXPECT_NE(saved.find("\"txtCompensation\": \"1\""), std::string::npos);
}

TEST_F(FormTest, AVersion2FileKeepsTheInputsOfARealTownAsTyped)
{
    const std::map<std::string, std::string> typed = {{"txtImmigrants", "120"},
                                                      {"txtCapacity", " 30000 "},
                                                      {"txtCompensation", "6"},
                                                      {"txtStop", "2030"},
                                                      {"txtOperations", "1500"}};
    loaded();
    for (const auto& [name, text] : typed) form().typeText(name, text);
    form().click("cmdRun");
    const Scenario saved = form().currentScenario("town");
    writeScenarioFile(dir.file("town.karnoth"), saved);
    const std::string file = dir.read("town.karnoth");
    EXPECT_NE(file.find("\"version\": 2"), std::string::npos);
    EXPECT_NE(file.find("\"txtCapacity\": \" 30000 \""), std::string::npos) << "kept as typed";

    const Scenario read = readScenarioFile(dir.file("town.karnoth"));
    EXPECT_EQ(read, saved);
    Form1 fresh(dir.path());
    fresh.Form_Load();
    fresh.openScenario(read);
    for (const auto& [name, text] : typed) EXPECT_EQ(fresh.text(name), text) << name;
    EXPECT_EQ(fresh.lastSeries()->streetTotal.values(), form().lastSeries()->streetTotal.values());
    EXPECT_EQ(fresh.lastOutcome()->streetSterilisedShare.values(),
              form().lastOutcome()->streetSterilisedShare.values());
    Form1 plain(dir.path());
    plain.Form_Load();
    EXPECT_NE(fresh.lastSeries()->streetTotal.values(), plain.lastSeries()->streetTotal.values())
        << "the inputs of a real town changed nothing";
    EXPECT_TRUE(fresh.faults().empty());
}

TEST(ScenarioFile, NestingWithinTheLimitAndAByteOrderMarkAreRead)
{
    const std::string notes = std::string(60, '[') + std::string(60, ']');
    EXPECT_NO_THROW(parseScenario(scenarioFileJson(windowInputsJson(), R"(, "comment": )" + notes), "x", "x"));
    testing::TempDir dir;
    dir.write("bom.karnoth", "\xEF\xBB\xBF" + scenarioFileJson(windowInputsJson()));
    EXPECT_EQ(readScenarioFile(dir.file("bom.karnoth")).name, "bom");
}

// Opening a scenario runs the indicators and the model: a text they all read is one fault.
TEST_F(FormTest, OpeningAScenarioReportsEachFaultOnce)
{
    loaded();
    expectFaults();
    const std::size_t before = form().faults().size();
    form().openScenario(parseScenario(scenarioFileJson(windowInputsJson({{"txtAdultSurv", "\"abc\""}})), "x", "x"));
    ASSERT_EQ(form().faults().size(), before + 1);
    EXPECT_NE(form().faults().back().find("\"abc\""), std::string::npos) << form().faults().back();
}

TEST(ScenarioInputs, AreTheInputsARunWouldRead)
{
    Scenario scenario = parseScenario(
        scenarioFileJson(windowInputsJson({{"hscSterilise", "400"}, {"txtStart", "\"2010\""}}),
                         R"(, "killed": [[1995, 1200]])"),
        "s.karnoth", "s");
    const WindowInputs read = scenarioInputs(scenario);
    EXPECT_EQ(read.inputs.programmeRate, 400);
    EXPECT_EQ(read.inputs.programmeStart, 2010);
    EXPECT_EQ(read.killedByYear[1995], 1200);
    scenario.texts["txtAdultSurv"] = "1.5";
    EXPECT_THROW(scenarioInputs(scenario), Fault);
}

}  // namespace
}  // namespace karnoth
