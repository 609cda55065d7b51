#pragma once
// The chance of success a report states: once the user has computed an uncertainty, the report
// repeats it (the same ranges, chance from year to year, replicates, seed and anchor) for its own
// inputs and target, so that the chance always belongs to the programme the report proposes.

#include "analysis/planner.h"
#include "analysis/uncertainty.h"
#include "panel/window_inputs.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karnoth {

struct ReportedChance {
    std::vector<ParameterRange> ranges;
    YearlyChance chance;
    bool anchored = false;  // the replicates were matched to a count first
    std::size_t replicates = 0;
    std::size_t valid = 0;
    std::uint64_t seed = 0;
    // The share of valid replicates that meet the target; none with the reason when it cannot be
    // told (no valid replicate, or the settings do not apply to the report's inputs).
    std::optional<double> probability;
    std::optional<std::string> fault;
};

// `settings` (the uncertainty last computed; its inputs, culling and target are replaced) run for
// `inputs` and `target`. Nothing (nullopt) when stopped.
std::optional<ReportedChance> chanceForReport(const UncertaintyRequest& settings, const WindowInputs& inputs,
                                              const PlanSettings& target, const BatchRunner& runner,
                                              const BatchControl& control = {});

}  // namespace karnoth
