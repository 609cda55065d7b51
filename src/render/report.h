#pragma once
// The printed report of a session, as a PDF of A4 pages (vector drawings and searchable text): a
// title, who wrote it for whom and where (the report details), the date, a summary in plain words of the programme
// against the planner's target, the main chart with its legend, the four sentences of the run of the window's inputs,
// each listed scenario's name and notes (and how its inputs differ from the window's), a table of the model's inputs
// with caption, value and unit (when the run stops, its fault in place of the summary, the sentences and the chart, and
// the input at fault marked), the street's figures year by year, a glossary, the planner's table for the window's
// inputs, and, when more than one scenario is listed, the comparison table and the scenarios on common axes. It reads
// in black and white: the chart's series and the scenarios' lines differ in dash and marker as well as colour, and
// tables are banded in grey.

#include "analysis/comparison_table.h"
#include "analysis/planner.h"
#include "analysis/robust_planner.h"
#include "app/report_chance.h"
#include "app/report_details.h"
#include "chart/recording_canvas.h"
#include "panel/reported_window.h"
#include "render/scenario_overlay.h"

#include <QDate>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace karnoth::render {

struct ReportScenario {
    QString name;
    QString notes;
    QString differences;  // "adult survival 0.85; sterilising starts in 2026", empty for the window
    bool window = false;
};

struct ReportInput {
    QString caption;
    QString value;
    QString unit;
    bool atFault = false;  // the input the run's fault names
};

struct ReportContent {
    QString title;
    ReportDetails details;  // its title, when set, replaces `title`
    QDate date;
    std::vector<ReportScenario> scenarios;  // every listed scenario, in order
    std::vector<ReportInput> inputs;  // the window's, in the help's order
    // The fault that stopped the run of the window's inputs; empty when the run drew its chart, and
    // then the sentences and the chart are that run's.
    QString runFault;
    // What the summary says of the programme; none when the run stopped or the target does not
    // suit its years (then `programmeProblem` says why).
    std::optional<ReportedProgramme> programme;
    QString programmeProblem;
    // The chance that the programme meets the target, when an uncertainty has been computed.
    std::optional<ReportedChance> chance;
    int programmeRate = 0;  // the rate bar, tenths of a per cent
    int ownedShare = 0;  // the share bar, per cent
    std::vector<ReportedYear> years;  // the year-by-year table
    QStringList sentences;  // the four sentences of that run; none when it stopped
    // That run's chart: its display list on a ScaleWidth x ScaleHeight picture area (twips); none
    // when it stopped.
    std::vector<DrawOp> chartOps;
    double chartScaleWidth = 0;
    double chartScaleHeight = 0;
    bool logScale = false;
    int firstYearShown = kFirstYear;  // where the chart's years start
    std::optional<Plan> plan;  // the planner's table for the window's inputs; nullopt: not made
    // The plan that holds for the same inputs, when the planner computed one: its rates go beside
    // the table's.
    std::optional<RobustPlan> robust;
    // The window's programme rate (tenths of a per cent) and owned share (per cent), marked on the
    // planner's heat map.
    std::optional<QPointF> planMark;
    // The planner's target and costs, by which the summary and the comparison judge.
    PlanSettings target;
    // The comparison, drawn when it has more than one row.
    std::vector<ComparisonRow> comparison;
    std::vector<OverlayLine> overlay;
    OverlayCompanion companion = OverlayCompanion::Breeders;
};

// Writes the report to `path`. False, with the reason in `error`, when the file cannot be written.
// `pages` receives the number of pages written.
bool writeReport(const QString& path, const ReportContent& content, QString& error, int* pages = nullptr);

// The planner's table as the report shows it: owned share, minimal rate, street total in the target
// year, sterilisations owned and street, cost. Its lines of words (target, baseline, cheapest, or
// why no plan was made) come from planSummaryLines.
QStringList planSummaryLines(const Plan& plan);

// The report's sentences on a plan that holds: what its rates mean, the replicates left out, its
// cheapest programme, or why there is none.
QStringList robustSummaryLines(const RobustPlan& plan);

}  // namespace karnoth::render
