#pragma once
// The planner's words and numbers as the user reads them: a rate in per cent with one decimal
// ("13.6 %", from tenths of a per cent), dogs and costs as whole numbers with thousands separators,
// percentages of the baseline with one decimal. The CSV exports keep every figure in full.

#include "analysis/calibration.h"
#include "analysis/planner.h"

#include <QString>
#include <QStringList>

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

// What a calibration set and how near it came: "Abandoned per year set to 3,339: the street total
// in 2005 is 100,014, 14 above the count of 100,000.", then whether the count was out of reach.
QString calibrationSummary(const Calibration& calibration);

}  // namespace karnoth::gui
