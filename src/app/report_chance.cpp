#include "app/report_chance.h"

namespace karnoth {

std::optional<ReportedChance> chanceForReport(const UncertaintyRequest& settings, const WindowInputs& inputs,
                                              const PlanSettings& target, const BatchRunner& runner,
                                              const BatchControl& control)
{
    UncertaintyRequest request = settings;
    request.inputs = inputs.inputs;
    request.killedByYear = inputs.killedByYear;
    request.target = TargetRequest{target.targetYear, target.targetPercent};

    ReportedChance chance;
    chance.ranges = request.ranges;
    chance.chance = request.chance;
    chance.anchored = request.anchor.has_value();
    chance.replicates = request.replicates;
    chance.seed = request.seed;
    // The ranges were read for the inputs of their own time: an anchor or a range the report's
    // inputs no longer admit is said, not run.
    std::optional<std::string> problem = uncertaintyRefusal(request);
    if (problem) {
        chance.fault = std::move(problem);
        return chance;
    }
    std::optional<UncertaintyResult> result = runUncertainty(request, runner, control);
    if (!result) return std::nullopt;
    chance.valid = result->valid;
    if (result->target) {
        chance.probability = result->target->probability;
        chance.fault = result->target->fault;
    }
    return chance;
}

}  // namespace karnoth
