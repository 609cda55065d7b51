#include "app/comparison_rows.h"

#include "app/scenario_inputs.h"
#include "catalogue/control_names.h"
#include "model/killed_file.h"
#include "model/model_inputs.h"
#include "support/fault.h"
#include "support/numeric_text.h"

namespace karnoth {

std::optional<YearlySeries> killedFileCounts(const std::filesystem::path& killedFile)
{
    try {
        const std::optional<std::vector<KilledRecord>> records = readKilledRecordList(killedFile);
        return killedByYearOf(records.value_or(std::vector<KilledRecord>{}));
    } catch (const Fault&) {
        return std::nullopt;
    }
}

ComparisonRow storedScenarioRow(const Scenario& scenario, const PlanSettings& target,
                                const std::optional<YearlySeries>& fileCounts)
{
    ComparisonRow row;
    try {
        const WindowInputs inputs = scenarioInputs(scenario);
        row.name = scenario.name;
        row.comparison = compareScenario(inputs.inputs, inputs.killedByYear, target);
    } catch (const Fault& fault) {
        row = faultedRow(scenario.name, fault.what());
    }
    row.killedDiffers = !fileCounts || fileCounts->values() != killedByYearOf(scenario.killed).values();
    return row;
}

ComparisonRow windowRow(const std::string& name, const Form1& form, const PlanSettings& target)
{
    if (const std::optional<WindowInputs>& read = form.lastRunInputs()) {
        ComparisonRow row;
        row.name = name;
        row.comparison = compareScenario(read->inputs, read->killedByYear, target);
        return row;
    }
    const std::string fault = form.currentFault().empty() ? "the window's last run stopped before it read every input"
                                                          : form.currentFault();
    return faultedRow(name, fault);
}

ListedScenario ListedScenario::ofWindow(std::string name, std::string notes)
{
    ListedScenario listed;
    listed.name = std::move(name);
    listed.notes = std::move(notes);
    listed.window = true;
    return listed;
}

ListedScenario ListedScenario::ofScenario(Scenario scenario)
{
    ListedScenario listed;
    listed.name = scenario.name;
    listed.notes = scenario.notes;
    listed.stored = std::move(scenario);
    return listed;
}

ListedScenario ListedScenario::unreadable(std::string name, std::string fault)
{
    ListedScenario listed;
    listed.name = std::move(name);
    listed.fault = std::move(fault);
    return listed;
}

std::vector<ComparisonRow> comparisonRows(const std::vector<ListedScenario>& listed, const Form1& form,
                                          const PlanSettings& target)
{
    const std::optional<YearlySeries> fileCounts = killedFileCounts(form.killedFilePath());
    std::vector<ComparisonRow> rows;
    for (const ListedScenario& entry : listed) {
        if (entry.window)
            rows.push_back(windowRow(entry.name, form, target));
        else if (entry.stored) {
            rows.push_back(storedScenarioRow(*entry.stored, target, fileCounts));
            rows.back().name = entry.name;
        } else
            rows.push_back(faultedRow(entry.name, entry.fault));
    }
    return rows;
}

PlanSettings comparisonTarget(const std::optional<PlanSettings>& chosen, const Form1& form)
{
    if (chosen) return *chosen;
    if (const std::optional<WindowInputs>& read = form.lastRunInputs())
        return defaultPlanSettings(read->inputs.programmeStart);
    const ParsedNumber typed = parseNumber(form.text(control::txtStart));
    if (typed.status == ParseStatus::Ok)
        if (const std::optional<std::int16_t> start = nearestInteger16(typed.value)) return defaultPlanSettings(*start);
    return defaultPlanSettings(ModelInputs{}.programmeStart);
}

PlanSettings planSettingsOf(const PlannerSettings& kept, int step)
{
    PlanSettings settings;
    settings.targetYear = kept.targetYear;
    settings.targetPercent = kept.targetPercent;
    settings.costOwned = kept.costOwned;
    settings.costStreet = kept.costStreet;
    settings.ownedShareStep = kept.ownedShareStep.value_or(step);
    return settings;
}

PlannerSettings plannerSettingsOf(const PlanSettings& settings)
{
    return PlannerSettings{settings.targetYear, settings.targetPercent, settings.costOwned, settings.costStreet,
                           settings.ownedShareStep};
}

}  // namespace karnoth
