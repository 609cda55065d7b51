#pragma once
// The rows of a comparison of scenarios, from what the window and the files hold: the window itself
// (on the inputs its last run read, with killed.txt's records) and stored scenarios (each on its
// own inputs and records). Every row is judged by the same target and costs. Nothing here draws;
// the Scenarios view and the report show the rows.

#include "analysis/comparison_table.h"
#include "app/form1.h"
#include "app/scenario_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karnoth {

// killed.txt's yearly counts as a run reads them now (none culled when there is no file); nullopt
// when the file cannot be read or holds a bad record.
std::optional<YearlySeries> killedFileCounts(const std::filesystem::path& killedFile);

// A stored scenario's row: its inputs as a run reads them (a text that is not a number, say, is
// the row's fault), then its run and figures. Marked when `fileCounts` are not its own records'
// yearly counts, or are nullopt.
ComparisonRow storedScenarioRow(const Scenario& scenario, const PlanSettings& target,
                                const std::optional<YearlySeries>& fileCounts);

// The window's row under `name`: the inputs its last run read, or, when that run stopped before
// reading them all, the window's current fault.
ComparisonRow windowRow(const std::string& name, const Form1& form, const PlanSettings& target);

// A scenario the comparison lists: the window itself, a stored scenario, or a file that could not
// be read (its fault is the row's).
struct ListedScenario {
    std::string name;
    std::string notes;
    bool window = false;  // the window, live: its last run
    std::optional<Scenario> stored;  // when not the window
    std::string fault;  // neither: why the file could not be read

    static ListedScenario ofWindow(std::string name, std::string notes = {});
    static ListedScenario ofScenario(Scenario scenario);
    static ListedScenario unreadable(std::string name, std::string fault);
};

// One row per listed scenario, in order. killed.txt is read once, in `form`'s directory.
std::vector<ComparisonRow> comparisonRows(const std::vector<ListedScenario>& listed, const Form1& form,
                                          const PlanSettings& target);

// The target and costs the comparison judges by: `chosen` when the planner has them, otherwise the
// planner's defaults for the window's programme start (that of its last run, else the start year as
// typed, else the default 2005).
PlanSettings comparisonTarget(const std::optional<PlanSettings>& chosen, const Form1& form);

// The planner's settings kept in a scenario, as the planner takes them (`step` fills the owned-share
// step when the file keeps none, as files saved before it was kept), and back.
PlanSettings planSettingsOf(const PlannerSettings& kept, int step);
PlannerSettings plannerSettingsOf(const PlanSettings& settings);

}  // namespace karnoth
