#pragma once
// A plan as CSV, for the command line and the planner's exports. Numbers carry up to 9 significant
// digits ("%.9g", C locale); true and false are 1 and 0; a figure that does not exist is empty.
//
// Grid: "ownedShare,rate,valid,streetTotal,percentOfBaseline,sterilisedOwned,sterilisedStreet,
//        cost,meetsTarget,operationsFirstYear,operationsMeanPerYear,streetCoverage", one line per
//        cell, by owned share then rate; an invalid cell has empty figures.
// Table: "ownedShare,minimalRate,streetTotal,sterilisedOwned,sterilisedStreet,cost,
//        operationsFirstYear,operationsMeanPerYear,streetCoverage", one line per owned share;
//        minimalRate is empty when no rate meets the target, the figures when the run at rate 1000
//        faults too.
// When the plan scans operations a year, "rate" is "operations" and "minimalRate" is
// "minimalOperations", both in operations a year. streetCoverage is a share, 0..1.
// With a robust plan of the same settings, the grid gains a last column "probability": the share of
// the replicates that meet the target at that cell, 0..1 (empty where the share has no valid
// replicate).
// A plan that could not be made gives the header alone.

#include "analysis/planner.h"
#include "analysis/robust_planner.h"

#include <string>

namespace karnoth {

std::string planGridCsv(const Plan& plan);
std::string planGridCsv(const Plan& plan, const RobustPlan* robust);
std::string planTableCsv(const Plan& plan);

}  // namespace karnoth
