// Opening a scenario in Form1, and the window as a scenario.

#include "app/form1.h"
#include "app/session_file.h"
#include "catalogue/control_names.h"
#include "panel/change_handlers.h"
#include "panel/indicators.h"
#include "panel/run_button.h"
#include "support/fault.h"

namespace karnoth {

std::optional<std::string> Form1::openScenario(const Scenario& scenario, const std::filesystem::path& file)
{
    holdingChangeEvents_ = true;
    try {
        for (const auto& [box, text] : scenario.texts) setText(box, text);
        for (const auto& [name, value] : scenario.values) {
            if (control(name).row->kind == ControlKind::CheckBox)
                setCheckValue(name, value);
            else
                setScrollValue(name, value);
        }
        // The floor the age-at-first-litter handler applies to anything typed.
        if (std::optional<std::string> floored = flooredRecruitText(text(control::txtRecruit)))
            setText(control::txtRecruit, *floored);
    } catch (...) {
        holdingChangeEvents_ = false;
        throw;
    }
    holdingChangeEvents_ = false;

    // As start-up: the bars' captions, the indicators, one run.
    const OneAction action(*this);
    ShowRateBarState(*this);
    setPhraseCaption(control::Label2, abandonedCaption(value(control::vscGainLoss)));
    asEvent([this] { ShowLifespans(*this); });
    asEvent([this] { ShowJuvThreshold(*this); });
    asEvent([this] { cmdRun_Click(*this); });
    setOpenedScenario(OpenedScenario{scenario.name, scenario.notes, file}, false);
    keptSettings_ = withScenarioSettings(std::move(keptSettings_), scenario);

    // The run read killed.txt; the scenario's own records are only a record of what it was.
    std::optional<YearlySeries> fileCounts;
    try {
        fileCounts = killedByYear();
    } catch (const Fault&) {
        return std::nullopt;  // the run has reported it
    }
    if (fileCounts->values() == killedByYearOf(scenario.killed).values()) return std::nullopt;
    const std::string notice = "The culling records of \"" + scenario.name +
                               "\" differ from killed.txt; the run uses the records of killed.txt.";
    notices_.push_back(notice);
    return notice;
}

Scenario Form1::currentScenario(const std::string& name) const
{
    Scenario scenario = inputsScenario(name);
    scenario.sensitivity = keptSettings_.sensitivity;
    scenario.uncertainty = keptSettings_.uncertainty;
    scenario.report = keptSettings_.report;
    scenario.confidence = keptSettings_.confidence;
    if (std::optional<std::vector<KilledRecord>> records = readKilledRecordList(killedFilePath()))
        scenario.killed = std::move(*records);
    return scenario;
}

Scenario Form1::inputsScenario(const std::string& name) const
{
    Scenario scenario;
    scenario.name = name;
    for (const Control& c : controls_) {
        const std::string controlName(c.row->name);
        switch (c.row->kind) {
        case ControlKind::TextBox: scenario.texts[controlName] = c.text; break;
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
        case ControlKind::CheckBox: scenario.values[controlName] = c.value; break;
        default: break;
        }
    }
    return scenario;
}

}  // namespace karnoth
