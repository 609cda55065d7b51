#include "analysis/comparison.h"

#include "analysis/target_reach.h"

namespace karnoth {

ScenarioComparison compareScenario(const ModelInputs& inputs, const YearlySeries& killedByYear,
                                   const PlanSettings& target)
{
    ScenarioComparison comparison;
    ModelOutcome outcome = runModel(inputs, killedByYear);
    if (!outcome.ok()) {
        comparison.fault = outcome.fault().what();
        return comparison;
    }
    comparison.run = outcome.result();
    const ModelResult& run = *comparison.run;
    const int start = inputs.programmeStart;
    if (std::optional<std::string> problem = planYearsProblem(start, target.targetYear)) {
        comparison.fault = std::move(problem);
        return comparison;
    }
    ComparisonFigures figures;
    figures.baselineYear = start - 1;
    figures.baseline = run.series.streetTotal[figures.baselineYear];
    figures.streetTotalInTargetYear = run.series.streetTotal[target.targetYear];
    figures.streetTotalIn2050 = run.series.streetTotal[kLastYear];
    for (int year = start; year <= target.targetYear; ++year) {
        figures.sterilisedOwned += run.programmeOwned[year];
        figures.sterilisedStreet += run.programmeStreet[year];
    }
    figures.sterilisedTotal = figures.sterilisedOwned + figures.sterilisedStreet;
    figures.cost = target.costOwned * figures.sterilisedOwned + target.costStreet * figures.sterilisedStreet;
    for (int year = start; year <= kLastYear && !figures.firstYearMet; ++year)
        if (atTargetLevel(run.series.streetTotal[year], figures.baseline, target.targetPercent))
            figures.firstYearMet = year;
    comparison.figures = figures;
    return comparison;
}

}  // namespace karnoth
