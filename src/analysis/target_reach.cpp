#include "analysis/target_reach.h"

namespace karnoth {

TargetReach targetReach(std::optional<int> firstYearAtTarget, bool atTargetInTargetYear, int targetYear)
{
    if (!firstYearAtTarget) return TargetReach::never;
    if (*firstYearAtTarget > targetYear) return TargetReach::late;
    if (!atTargetInTargetYear) return TargetReach::againAbove;
    return *firstYearAtTarget == targetYear ? TargetReach::inTargetYear : TargetReach::early;
}

bool meetsTarget(TargetReach reach)
{
    return reach == TargetReach::inTargetYear || reach == TargetReach::early;
}

bool atTargetLevel(double streetTotal, double baseline, double targetPercent)
{
    return streetTotal <= baseline * targetPercent / 100;
}

}  // namespace karnoth
