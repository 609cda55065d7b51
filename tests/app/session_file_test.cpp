#include "app/session_file.h"

#include "app/form1.h"
#include "form_fixture.h"
#include "scenario_json.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace karnoth {
namespace {

using testing::FormTest;

// An input the user changed, and what it was changed to: a text as typed, or a bar's or check
// box's value.
struct KeptInput {
    const char* control;
    std::variant<std::string, int> setting;
};

void apply(Form1& form, const KeptInput& input)
{
    if (const auto* text = std::get_if<std::string>(&input.setting))
        form.typeText(input.control, *text);
    else if (form.control(input.control).row->kind == ControlKind::CheckBox)
        form.setCheckValue(input.control, std::get<int>(input.setting));
    else
        form.setScrollValue(input.control, std::get<int>(input.setting));
}

void expectHeld(const Form1& form, const KeptInput& input)
{
    if (const auto* text = std::get_if<std::string>(&input.setting))
        EXPECT_EQ(form.text(input.control), *text) << input.control;
    else
        EXPECT_EQ(form.control(input.control).value, std::get<int>(input.setting)) << input.control;
}

// Every input karnoth.ini does not hold, and two it does, changed from its initial setting.
const KeptInput kChangedInputs[] = {
    {"txtStart", std::string("2026")},
    {"txtTimes", std::string("2.5")},
    {"txtCurrentOwnedSteril", std::string("35")},
    {"chkSterilise", 1},
    {"chkLog", 1},
    {"txtImmigrants", std::string("120")},
    {"txtCapacity", std::string("9000")},
    {"txtCompensation", std::string("1.5")},
    {"txtStop", std::string("2034")},
    {"txtOperations", std::string("600")},
    {"hscSterilise", 150},
    {"txtAdultSurv", std::string("0.85")},
    {"txtJuvSurv", std::string("0.12")},
};

TEST_F(FormTest, QuitAndReopenKeepsEveryInputAndLeavesKarnothIniAsItWas)
{
    loaded();
    for (const KeptInput& input : kChangedInputs) apply(form(), input);
    form().Form_Unload();
    const std::string ini = dir.read("karnoth.ini");
    EXPECT_EQ(ini, " 4000\r\n0.85\r\n0.12\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\n2\r\n 150\r\n 50\r\n")
        << "karnoth.ini keeps its eleven values and its format";

    Form1& again = restart();
    for (const KeptInput& input : kChangedInputs) expectHeld(again, input);
    EXPECT_TRUE(again.notices().empty());
    EXPECT_FALSE(again.inputsModified()) << "start-up changes nothing the user did";
    again.Form_Unload();
    EXPECT_EQ(dir.read("karnoth.ini"), ini) << "byte for byte";
}

TEST_F(FormTest, KarnothIniWinsWhereBothHoldAValue)
{
    loaded().setScrollValue("vscGainLoss", 1200);
    form().typeText("txtStart", "2026");
    form().Form_Unload();
    // Another program (or an older Karnoth) wrote karnoth.ini since; its eleven values win.
    dir.write("karnoth.ini", " 2500\r\n0.9\r\n.1\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\n2\r\n 252\r\n 50\r\n");
    Form1& again = restart();
    EXPECT_EQ(again.value("vscGainLoss"), 2500);
    EXPECT_EQ(again.text("txtStart"), "2026");
    EXPECT_EQ(again.caption("Label2"), "2,500 1-year old females abandoned per year");
}

TEST_F(FormTest, ABadLineOfKarnothIniIsFilledFromTheSession)
{
    loaded().typeText("txtLitter", "3");
    form().Form_Unload();
    dir.write("karnoth.ini", " 4000\r\n0.9\r\n.1\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\nthree\r\n 252\r\n 50\r\n");
    expectFaults();  // the bad line is reported as always
    EXPECT_EQ(restart().text("txtLitter"), "3");
}

TEST_F(FormTest, ThePlannersAndTheAnalysesSettingsComeBack)
{
    SessionSettings kept;
    kept.planner = PlannerSettings{2035, 40, 30, 55.5, 10};
    kept.sensitivity = SensitivitySettings{2035, 20};
    kept.uncertainty = UncertaintySettings{
        {{"txtAdultSurv", {true, "0.85", "0.95"}}, {"hscSterilise", {false, "100", ""}}}, 0.05, true, 250, 7};
    kept.language = LanguageSettings{"pt_BR"};
    loaded().keptSettings() = kept;
    form().Form_Unload();
    EXPECT_EQ(restart().keptSettings(), kept);
}

TEST_F(FormTest, WhereTheWindowsWereAndTheFirstYearShownComeBack)
{
    SessionSettings kept;
    kept.windows = {{"main", WindowPlace{10, 20, 1009, 560, false}},
                    {"planner", WindowPlace{-1500, 0, 900, 500, true}}};
    kept.firstYearShown = FirstYearShown::TenYearsBeforeStart;
    loaded().keptSettings() = kept;
    form().Form_Unload();
    EXPECT_EQ(restart().keptSettings(), kept);
}

TEST_F(FormTest, TheFirstYearShownFollowsTheLastRunsStart)
{
    struct Case {
        std::optional<FirstYearShown> option;
        const char* start;
        int firstYear;
    };
    for (const Case& c : {Case{std::nullopt, "2026", 1950}, Case{FirstYearShown::Year1950, "2026", 1950},
                          Case{FirstYearShown::TenYearsBeforeStart, "2026", 2016},
                          Case{FirstYearShown::TenYearsBeforeStart, "2055", 1950}}) {
        Form1& form = restart();
        form.keptSettings().firstYearShown = c.option;
        form.typeText("txtStart", c.start);
        form.click("cmdRun");
        EXPECT_EQ(form.firstYearShown(), c.firstYear) << c.start;
    }
}

TEST_F(FormTest, WithoutASessionNothingIsRestoredOrSaid)
{
    EXPECT_EQ(loaded().keptSettings(), SessionSettings{});
    EXPECT_TRUE(form().notices().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("karnoth-session.json"))) << "start-up writes nothing";
}

struct BadSession {
    const char* name;
    std::string json;
    const char* mentions;
};

class BadSessionTest : public FormTest, public ::testing::WithParamInterface<BadSession> { };

TEST_P(BadSessionTest, IsANoticeNamingTheFileAndChangesNothing)
{
    const Form1 fresh(dir.path());
    dir.write("karnoth-session.json", GetParam().json);
    loaded();
    ASSERT_EQ(form().notices().size(), 1u);
    const std::string& notice = form().notices().front();
    EXPECT_EQ(notice.rfind("karnoth-session.json", 0), 0u) << notice;
    EXPECT_NE(notice.find(GetParam().mentions), std::string::npos) << notice;
    EXPECT_NE(notice.find("not restored"), std::string::npos) << notice;
    for (const Control& control : fresh.controls())
        if (control.row->kind == ControlKind::TextBox || control.row->kind == ControlKind::CheckBox ||
            control.row->kind == ControlKind::HScrollBar || control.row->kind == ControlKind::VScrollBar) {
            EXPECT_EQ(form().control(control.row->name).text, control.text) << control.row->name;
            EXPECT_EQ(form().control(control.row->name).value, control.value) << control.row->name;
        }
    EXPECT_EQ(form().keptSettings(), SessionSettings{});
    EXPECT_TRUE(form().faults().empty()) << "a notice, not a fault: the window starts as new";
}

using testing::kRealTownInitialTexts;
using testing::scenarioFileJson;
using testing::windowInputsJson;

std::string sessionJson(std::map<std::string, std::string> changes, const std::string& more = "")
{
    changes.insert(kRealTownInitialTexts.begin(), kRealTownInitialTexts.end());
    return scenarioFileJson(windowInputsJson(changes), more, 2);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, BadSessionTest,
    ::testing::Values(BadSession{"NotJson", "{\"format\": \"karnoth-scenario\", ", "is not JSON"},
                      BadSession{"OneBadInputAmongGoodOnes",
                                 sessionJson({{"txtStart", "\"2026\""}, {"vscGainLoss", "40000"}}),
                                 "\"vscGainLoss\" 40000 lies outside"},
                      BadSession{"AMissingInput", sessionJson({{"txtStart", "<missing>"}}), "\"txtStart\" is missing"},
                      BadSession{"ReplicatesZero",
                                 sessionJson({{"txtStart", "\"2026\""}},
                                             R"(, "uncertainty": {"replicates": 0, "seed": 1, "yearToYearSd": 0,)"
                                             R"( "wholeDogs": false})"),
                                 "uncertainty \"replicates\" 0 lies outside"},
                      BadSession{"AnUnknownFirstYearShown",
                                 sessionJson({{"txtStart", "\"2026\""}}, R"(, "view": {"firstYearShown": 1960})"),
                                 "view \"firstYearShown\" 1960 is neither"},
                      BadSession{"LanguageNotAText", sessionJson({{"txtStart", "\"2026\""}}, R"(, "language": 5)"),
                                 "\"language\" 5 is not a text"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, ABadWindowPlaceIsLeftOutAndTheRestOfTheSessionIsRestored)
{
    const std::string places = R"(, "windows": {"main": {"x": 5, "y": 6, "width": 700, "height": 500},)"
                               R"( "planner": {"x": "5", "y": 6, "width": 700, "height": 500},)"
                               R"( "help": {"x": 5, "y": 6, "width": 0, "height": 500},)"
                               R"( "sensitivity": {"x": 5, "y": 6.5, "width": 700, "height": 500},)"
                               R"( "uncertainty": {"x": 5, "y": 6, "width": 700},)"
                               R"( "scenarios": {"x": 5, "y": 6, "width": 700, "height": 500, "maximised": 1},)"
                               R"( "far": {"x": 1e300, "y": 6, "width": 700, "height": 500},)"
                               R"( "list": [1, 2, 3, 4]})";
    dir.write("karnoth-session.json", sessionJson({{"txtStart", "\"2026\""}}, places));
    loaded();
    EXPECT_TRUE(form().notices().empty()) << form().notices().front();
    EXPECT_EQ(form().text("txtStart"), "2026");
    const std::map<std::string, WindowPlace> expected{{"main", WindowPlace{5, 6, 700, 500, false}}};
    EXPECT_EQ(form().keptSettings().windows, expected);
}

// The open scenario, and whether an input changed since start-up, an opening or a save.
TEST_F(FormTest, KnowsTheOpenScenarioAndWhetherAnInputChangedSince)
{
    loaded();
    EXPECT_FALSE(form().openedScenario());
    EXPECT_FALSE(form().inputsModified());
    form().click("cmdRun");
    EXPECT_FALSE(form().inputsModified()) << "a run changes no input";
    form().setCheckValue("chkLog", 1);
    EXPECT_TRUE(form().inputsModified());

    Scenario twenty = form().currentScenario("twenty");
    twenty.notes = "Vets' figures.";
    form().openScenario(twenty, dir.file("twenty.karnoth"));
    ASSERT_TRUE(form().openedScenario());
    EXPECT_EQ(*form().openedScenario(), (OpenedScenario{"twenty", "Vets' figures.", dir.file("twenty.karnoth")}));
    EXPECT_FALSE(form().inputsModified());
    form().typeText("txtStart", "2026");
    EXPECT_TRUE(form().inputsModified());
    form().setOpenedScenario(OpenedScenario{"saved", "", dir.file("saved.karnoth")}, false);
    EXPECT_FALSE(form().inputsModified());
    EXPECT_EQ(form().openedScenario()->name, "saved");
}

}  // namespace
}  // namespace karnoth
