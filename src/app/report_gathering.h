#pragma once
// A report's view of the window: gathered from a window that has just run its inputs as they are
// now (Form1::copyAfterRun), never from its last run, which may be of other inputs.

#include "app/comparison_rows.h"
#include "panel/reported_window.h"
#include "support/yearly_series.h"

#include <vector>

namespace karnoth {

struct GatheredReport {
    ReportedWindow window;
    std::vector<ComparisonRow> comparison;  // one per listed scenario, when more than the window is
};

// `ran`'s inputs, run and chart, what its programme does by `target`, its figures in
// reportYears(firstYearShown, target year), and the scenarios of `listed` (the window is put first
// when it is not among them), each stored one with the settings it differs from the window in,
// judged by `target`. A stored scenario that is the window's own state (the same inputs and culling
// records) is listed once, as the window under the scenario's name.
GatheredReport gatherReport(const Form1& ran, std::vector<ListedScenario> listed, const PlanSettings& target,
                            int firstYearShown = kFirstYear);

// The settings of `scenario` that differ from `window`'s, in the window's order; options that only
// change the chart are not settings of the run and never differ.
std::vector<InputSetting> differingSettings(const Scenario& scenario, const std::vector<InputSetting>& window);

// The years of the report's year-by-year table: every fifth year from `firstYear` (1950..2050), 2050
// and `targetYear` when it lies in 1950..2050, in order.
std::vector<int> reportYears(int firstYear, int targetYear);

}  // namespace karnoth
