#pragma once
// Whether a programme reaches its target: the street total in the target year at most a per cent
// of the baseline (the street total in the year before the programme starts). Reaching that level
// only after the target year, never, or reaching it early but standing above it again in the
// target year (a programme that stopped) all miss the target.

#include <optional>

namespace karnoth {

enum class TargetReach {
    inTargetYear,  // first at the target's level in the target year: met
    early,  // first there before the target year and still there in it: met
    late,  // first there only after the target year: missed
    never,  // never there up to 2050: missed
    againAbove,  // there before the target year but above it again in the target year: missed
};

// `firstYearAtTarget`: the first year from the programme's start whose street total is at the
// target's level; `atTargetInTargetYear`: whether the street total of the target year is.
TargetReach targetReach(std::optional<int> firstYearAtTarget, bool atTargetInTargetYear, int targetYear);

// Met, or missed.
bool meetsTarget(TargetReach reach);

// The street total is at the target's level: at most `targetPercent` % of `baseline`.
bool atTargetLevel(double streetTotal, double baseline, double targetPercent);

}  // namespace karnoth
