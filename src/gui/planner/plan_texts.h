#pragma once
// The planner's words and numbers as the user reads them: a rate in per cent with one decimal
// ("13.6 %", from tenths of a per cent), dogs and costs as whole numbers with thousands separators,
// percentages of the baseline with one decimal. The CSV exports keep every figure in full.

#include "analysis/calibration.h"
#include "analysis/planner.h"
#include "analysis/robust_planner.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace karnoth::gui {

// The programme's mean operations a year over its years, a twelfth of it: "about 250 operations a
// month", as a clinic counts its work.
QString perMonthText(const PlanFigures& figures);
// The same count alone: "250".
QString perMonthCount(const PlanFigures& figures);

// A rate in tenths of a per cent a year as a per cent: 136 -> "13.6 %".
QString ratePercentText(int rate);
// Step `rate` of the plan's scan: the rate ("13.6 %"), or operations a year ("1,200 operations").
QString scanValueText(const Plan& plan, int rate);
// Step `rate` of a scan whose operations per step are `operationsStep`, or of the rate.
QString scanStepText(std::optional<double> operationsStep, int rate);
// A share 0..1 as a per cent with one decimal, without the sign: 0.4567 -> "45.7".
QString coveragePercentText(double share);
// A count of dogs or operations, or a cost, to the nearest whole: "125,682".
QString wholeText(double value);

// What the pointer over a cell shows: its rate and owned share, then its street total in the
// target year and its percentage of the baseline, whether it meets the target, its owned, street
// and total sterilisations over the programme's years and its cost, its operations a year and
// street coverage; or why its run faults.
QStringList cellDetailLines(const Plan& plan, const PlanCell& cell);

// The baseline and the cheapest programme in a line each, or why there is no plan.
QStringList planSummaryLines(const Plan& plan);

// A share's robust minimal rate as the table shows it: the rate (or operations), "none" when no rate
// reaches the confidence, "-" when the share has no valid replicate.
QString robustRateText(const RobustPlan& plan, const RobustRow& row);
// What the pointer over a cell of the probability map shows: its rate and share, then the share of
// the valid replicates that meet the target there, and the replicates left out.
QStringList robustCellDetailLines(const RobustPlan& plan, const RobustRow& row, int rate);
// The cheapest robust programme ("Cheapest at 90 %: owned share 35 %, rate 14.2 %, cost 12,345."),
// or that none reaches the confidence, or why there is no robust plan; then the replicates left out.
QStringList robustSummaryLines(const RobustPlan& plan);

// What a calibration set and how near it came: "Abandoned per year set to 3,339: the street total
// in 2005 is 100,014, 14 above the count of 100,000.", then whether the count was out of reach.
QString calibrationSummary(const Calibration& calibration);

}  // namespace karnoth::gui
