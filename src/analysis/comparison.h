#pragma once
// Scenarios side by side: each run by the engine on its own inputs and culling records, and judged
// by the planner's current target and costs:
//   baseline        = streetTotal[start - 1] of the scenario's own run (before its programme starts
//                     the run is the same at any rate)
//   sterilisations  = programmeOwned and programmeStreet, each summed over start..targetYear
//   cost            = costOwned * owned + costStreet * street sterilisations
//   first year met  = the first year from start to 2050 with streetTotal <= baseline * P / 100

#include "analysis/planner.h"
#include "model/engine.h"

#include <optional>
#include <string>

namespace karnoth {

struct ComparisonFigures {
    int baselineYear = 0;
    double baseline = 0;  // street females aged one and over in baselineYear
    double streetTotalInTargetYear = 0;
    double streetTotalIn2050 = 0;
    double sterilisedOwned = 0;  // start..targetYear
    double sterilisedStreet = 0;
    double sterilisedTotal = 0;
    double cost = 0;
    std::optional<int> firstYearMet;  // nullopt: never, up to 2050
};

struct ScenarioComparison {
    std::optional<ModelResult> run;  // nullopt when the run faulted: the scenario is not drawn
    std::optional<std::string> fault;  // the run's fault, or why the target does not apply to it
    std::optional<ComparisonFigures> figures;  // when the run succeeded and its years suit the target
};

// The scenario's run and its row. A run that faults gives only the fault; a start year outside
// 1951..2050 or a target year outside start..2050 gives the run with that reason and no figures.
ScenarioComparison compareScenario(const ModelInputs& inputs, const YearlySeries& killedByYear,
                                   const PlanSettings& target);

}  // namespace karnoth
