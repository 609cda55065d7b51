#include "app/report_gathering.h"

#include "analysis/comparison.h"
#include "app/form1.h"
#include "catalogue/control_names.h"
#include "catalogue/input_catalogue.h"
#include "model/killed_file.h"

#include <algorithm>

namespace karnoth {
namespace {

bool chartOnly(std::string_view control)
{
    const InputRow* row = findInput(control);
    return row && row->chartOnly;
}

// The programme of the run of `inputs`, `judged` by `target`.
ReportedProgramme reportedProgramme(const ModelInputs& inputs, const ScenarioComparison& judged,
                                    const PlanSettings& target, const Phrase& rebound)
{
    const ModelResult& run = *judged.run;
    const ComparisonFigures& figures = *judged.figures;
    ReportedProgramme programme;
    programme.start = inputs.programmeStart;
    if (inputs.programmeStop && *inputs.programmeStop < kLastYear) programme.stop = inputs.programmeStop;
    programme.operationsPerYear = inputs.operationsPerYear;
    programme.firstYearOperations = run.series.extraSterilisations[programme.start];
    const int last = programme.stop.value_or(kLastYear);
    programme.averageOperations = meanOver(run.series.extraSterilisations, programme.start, last);
    programme.baselineYear = figures.baselineYear;
    programme.baseline = figures.baseline;
    programme.streetTotalInTargetYear = figures.streetTotalInTargetYear;
    programme.firstYearMet = figures.firstYearMet;
    programme.sterilisedOwned = figures.sterilisedOwned;
    programme.sterilisedStreet = figures.sterilisedStreet;
    programme.cost = figures.cost;
    programme.coverageInTargetYear = run.streetSterilisedShare[target.targetYear];
    if (programme.stop) programme.rebound = rebound;
    return programme;
}

std::vector<ReportedYear> reportedYears(const ModelResult& run, const std::vector<int>& years)
{
    std::vector<ReportedYear> reported;
    for (const int year : years)
        reported.push_back({year, run.series.streetTotal[year], run.series.streetBreeders[year],
                            run.series.extraSterilisations[year], run.streetSterilisedShare[year]});
    return reported;
}

// A stored scenario whose inputs and culling records are the window's: the window's own state.
bool isWindowsState(const ListedScenario& entry, const std::vector<InputSetting>& window, const Form1& ran)
{
    const std::optional<WindowInputs>& read = ran.lastRunInputs();
    return entry.stored && read && differingSettings(*entry.stored, window).empty() &&
           killedByYearOf(entry.stored->killed).values() == read->killedByYear.values();
}

// The window's entry first when it is not listed; a scenario that is the window's own state merged
// into the window's entry, which takes its name (and its notes, when the window has none).
void listWindowOnce(std::vector<ListedScenario>& listed, const std::vector<InputSetting>& window, const Form1& ran)
{
    if (std::none_of(listed.begin(), listed.end(), [](const ListedScenario& s) { return s.window; }))
        listed.insert(listed.begin(), ListedScenario::ofWindow("current"));
    const auto windowEntry = std::find_if(listed.begin(), listed.end(),
                                          [](const ListedScenario& s) { return s.window; });
    ListedScenario merged = *windowEntry;
    bool named = false;
    std::erase_if(listed, [&](const ListedScenario& entry) {
        if (!isWindowsState(entry, window, ran)) return false;
        if (!named) {
            merged.name = entry.name;
            if (merged.notes.empty()) merged.notes = entry.notes;
            named = true;
        }
        return true;
    });
    *std::find_if(listed.begin(), listed.end(), [](const ListedScenario& s) { return s.window; }) = merged;
}

}  // namespace

std::vector<InputSetting> differingSettings(const Scenario& scenario, const std::vector<InputSetting>& window)
{
    std::vector<InputSetting> differing;
    for (const InputSetting& setting : window) {
        if (chartOnly(setting.control)) continue;
        const std::string key(setting.control);
        if (const auto text = scenario.texts.find(key); text != scenario.texts.end()) {
            if (text->second != setting.text) differing.push_back({setting.control, text->second, 0, setting.checkBox});
        } else if (const auto value = scenario.values.find(key); value != scenario.values.end()) {
            if (value->second != setting.value)
                differing.push_back({setting.control, {}, value->second, setting.checkBox});
        }
    }
    return differing;
}

std::vector<int> reportYears(int firstYear, int targetYear)
{
    std::vector<int> years;
    for (int year = std::clamp(firstYear, kFirstYear, kLastYear); year <= kLastYear; year += 5) years.push_back(year);
    years.push_back(kLastYear);
    if (targetYear >= kFirstYear && targetYear <= kLastYear) years.push_back(targetYear);
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    return years;
}

GatheredReport gatherReport(const Form1& ran, std::vector<ListedScenario> listed, const PlanSettings& target,
                            int firstYearShown)
{
    GatheredReport gathered;
    ReportedWindow& window = gathered.window;
    for (const InputRow& input : kInputCatalogue) {
        const Control& control = ran.control(input.control);
        window.inputs.push_back(
            {input.control, control.text, control.value, control.row->kind == ControlKind::CheckBox});
    }
    window.runFault = ran.runFault();
    window.runFaultField = ran.runFaultField();
    window.runFaultPhrase = ran.runFaultPhrase();
    if (window.runFault.empty()) {
        for (const std::string_view label : {control::Label14, control::Label6, control::Label4, control::Label3})
            window.sentences.push_back(ran.caption(label));
        window.chartOps = ran.canvas().ops();
        if (const std::optional<WindowInputs>& read = ran.lastRunInputs()) {
            const ScenarioComparison judged = compareScenario(read->inputs, read->killedByYear, target);
            if (judged.run) window.years = reportedYears(*judged.run, reportYears(firstYearShown, target.targetYear));
            if (judged.figures)
                window.programme = reportedProgramme(read->inputs, judged, target,
                                                     ran.control(control::lblRebound).phrase.value_or(Phrase{}));
            else
                window.programmeProblem = judged.fault.value_or("");
        }
    }
    window.chartWidth = ran.canvas().ScaleWidth();
    window.chartHeight = ran.canvas().ScaleHeight();
    window.logScale = ran.isChecked(control::chkLog);
    window.firstYearShown = std::clamp(firstYearShown, kFirstYear, kLastYear - 10);
    window.programmeRate = ran.value(control::hscSterilise);
    window.ownedShare = ran.value(control::vscTarget);

    listWindowOnce(listed, window.inputs, ran);
    for (const ListedScenario& entry : listed) {
        ReportedScenario scenario{entry.name, entry.notes, entry.window, entry.stored.has_value(), {}, entry.fault};
        if (entry.stored) scenario.differences = differingSettings(*entry.stored, window.inputs);
        window.scenarios.push_back(std::move(scenario));
    }
    if (listed.size() > 1) gathered.comparison = comparisonRows(listed, ran, target);
    return gathered;
}

}  // namespace karnoth
