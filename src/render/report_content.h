#pragma once
// What the report of a session holds, gathered from the window model: its inputs with captions and
// units, the four sentences and chart of a run of them, the listed scenarios (how each differs from
// the window), the planner's table for the window's inputs and the comparison of the scenarios.

#include "render/report.h"
#include "render/scenario_rows.h"

#include <QDate>

#include <optional>
#include <vector>

namespace karnoth::render {

struct ReportRequest {
    // The scenarios listed, in order; the window among them (a list without it gets it first).
    std::vector<ListedScenario> listed;
    PlanSettings target;             // the planner's target and costs in force
    std::optional<Plan> plan;        // the planner's table for the window's inputs, made beforehand
    OverlayCompanion companion = OverlayCompanion::Breeders;
    QDate date = QDate::currentDate();
};

// The report of `window`: its inputs as they are now, and beside them the report's own run of
// them (Form1::copyAfterRun), never the window's last run, which may be of other inputs.
ReportContent reportContent(const Form1& window, const ReportRequest& request);

// The inputs of `scenario` whose setting differs from the window's, "caption: value" each (the
// value as inputValueText shows it), joined by "; "; empty when none does.
QString inputDifferences(const Scenario& scenario, const Form1& form);

// The window's inputs as the report's table lists them, the one the last run's fault names marked.
std::vector<ReportInput> reportInputs(const Form1& form);

// The four sentences a run writes: the doubling time, the owned dogs sterilised now, the
// programme's first year and the 2005 survey, as the window shows them.
QStringList reportSentences(const Form1& form);

}  // namespace karnoth::render
