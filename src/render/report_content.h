#pragma once
// What the report of a session holds, from what the window model gathered (app/report_gathering.h):
// the model's inputs with captions and units, the summary, four sentences, chart and yearly figures
// of a run of them, the listed
// scenarios (how each differs from the window), the planner's table for the window's inputs and
// the comparison of the scenarios.

#include "analysis/comparison_table.h"
#include "panel/reported_window.h"
#include "render/report.h"
#include "render/scenario_overlay.h"

#include <QDate>

#include <optional>
#include <vector>

namespace karnoth::render {

struct ReportRequest {
    PlanSettings target;  // the planner's target and costs in force
    std::optional<Plan> plan;  // the planner's table for the window's inputs, made beforehand
    OverlayCompanion companion = OverlayCompanion::Breeders;
    ReportDetails details;
    QDate date = QDate::currentDate();
};

// The report of `window` with the comparison of its scenarios (`comparison`, one row per listed
// scenario, or none when only the window is listed).
ReportContent reportContent(const ReportedWindow& window, std::vector<ComparisonRow> comparison,
                            const ReportRequest& request);

// `differences`, "caption: value" each (the value as inputValueText shows it), joined by "; ".
QString inputDifferences(const std::vector<InputSetting>& differences);

// The window's inputs as the report's table lists them, each with its unit, the one the run's fault
// names marked; options that only change the chart are not inputs of the model and are left out.
std::vector<ReportInput> reportInputs(const ReportedWindow& window);

}  // namespace karnoth::render
