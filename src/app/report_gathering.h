#pragma once
// A report's view of the window: gathered from a window that has just run its inputs as they are
// now (Form1::copyAfterRun), never from its last run, which may be of other inputs.

#include "app/comparison_rows.h"
#include "panel/reported_window.h"

#include <vector>

namespace karnoth {

struct GatheredReport {
    ReportedWindow window;
    std::vector<ComparisonRow> comparison;  // one per listed scenario, when more than the window is
};

// `ran`'s inputs, run and chart, and the scenarios of `listed` (the window is put first when it is
// not among them), each stored one with the settings it differs from the window in, judged by
// `target`.
GatheredReport gatherReport(const Form1& ran, std::vector<ListedScenario> listed, const PlanSettings& target);

// The settings of `scenario` that differ from `window`'s, in the window's order.
std::vector<InputSetting> differingSettings(const Scenario& scenario, const std::vector<InputSetting>& window);

}  // namespace karnoth
