#pragma once
// The comparison of scenarios as a table: one row per scenario, every row judged by the same
// target and costs (see comparison.h for the figures). A row shows, in this order: the scenario's
// name, its street total in its baseline year (the year before its own programme starts), in the
// target year and in 2050, its programme's owned, street and total sterilisations from its start
// to the target year, their cost, and the first year from its start to 2050 in which its street
// total is at most targetPercent % of its own baseline, or "never", saying when that misses the
// target (it comes after the target year, never, or the total is above it again in the target
// year). A scenario whose run faults
// shows the fault instead of the figures. Counts are female dogs.

#include "analysis/comparison.h"
#include "analysis/planner.h"

#include <string>
#include <vector>

namespace karnoth {

struct ComparisonRow {
    std::string name;
    ScenarioComparison comparison;
    // The scenario's own culling records differ from killed.txt's (or killed.txt cannot be read),
    // while the window's row runs on the file.
    bool killedDiffers = false;
};

// A row that has no run at all: its inputs could not be read, or its file could not be opened.
ComparisonRow faultedRow(std::string name, std::string fault);

// The column headings of the table for `settings` ("street total 2015", "first at the target").
std::vector<std::string> comparisonHeadings(const PlanSettings& settings);

// The cells of a row under those headings for `settings`, numbers in "##,##0" and the baseline's
// year after its count ("119,813 in 2004"), the last "2033", or for a target it misses "2037: misses
// the target of 2035", "never: misses the target of 2035" or "2031, above it again in 2035: misses
// the target"; the name marked with " *" when its culling records differ. A row without figures has
// its fault in the second cell and the others empty.
std::vector<std::string> comparisonCells(const ComparisonRow& row, const PlanSettings& settings);

// What the mark after a name means, for a note under the table.
std::string killedMarkNote();

// The table as CSV, a header and one line per row:
//   name,baselineYear,baseline,targetYear,streetTotalInTargetYear,streetTotalIn2050,sterilisedOwned,
//   sterilisedStreet,sterilisedTotal,cost,firstYearMet,killedDiffers,fault
// numbers with up to 9 significant digits, firstYearMet a year or "never", killedDiffers 0 or 1; a
// row without figures has them empty and its fault in the last field. Texts are quoted as CSV
// quotes them (in double quotes, a quote doubled) when they hold a comma, quote or line break.
std::string comparisonCsv(const std::vector<ComparisonRow>& rows, const PlanSettings& settings);

}  // namespace karnoth
