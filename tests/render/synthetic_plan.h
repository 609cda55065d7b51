#pragma once
// A plan made by hand, without the model: owned shares 0, 50 and 100, every cell valid and missing
// the target until a test says otherwise.

#include "analysis/planner.h"

namespace karnoth::testing {

inline Plan syntheticPlan()
{
    Plan plan;
    plan.settings = defaultPlanSettings(2005);
    plan.settings.ownedShareStep = 50;
    plan.baselineYear = 2004;
    plan.baseline = 1000;
    for (int share = 0; share <= 100; share += 50)
        for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate; ++rate) {
            PlanCell cell;
            cell.ownedShare = share;
            cell.rate = rate;
            cell.valid = true;
            cell.figures.percentOfBaseline = 150;
            cell.figures.streetTotal = 1500;
            plan.cells.push_back(cell);
        }
    return plan;
}

inline PlanCell& cellOf(Plan& plan, int ownedShare, int rate)
{
    return plan.cells[static_cast<std::size_t>(ownedShare / plan.settings.ownedShareStep) * kPlanRateCount +
                      static_cast<std::size_t>(rate)];
}

}  // namespace karnoth::testing
