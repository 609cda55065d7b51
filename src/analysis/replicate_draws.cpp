#include "analysis/replicate_draws.h"

#include "analysis/input_domains.h"
#include "analysis/latin_hypercube.h"
#include "analysis/varied_inputs.h"

namespace karnoth {

std::vector<SampledRange> sampledRanges(const UncertaintyRequest& request)
{
    std::vector<SampledRange> sampled;
    for (std::size_t position = 0; position < kVariedInputs.size(); ++position)
        for (const ParameterRange& range : request.ranges)
            if (range.field == kVariedInputs[position])
                sampled.push_back({range, latinHypercubeStrata(request.seed, position, request.replicates)});
    return sampled;
}

ModelInputs replicateInputs(const UncertaintyRequest& request, const std::vector<SampledRange>& sampled, std::size_t k,
                            RandomStream& stream)
{
    ModelInputs inputs = request.inputs;
    for (const SampledRange& s : sampled)
        setInputValue(
            inputs, s.range.field,
            latinHypercubeValue(s.range.low, s.range.high, s.strata[k], stream.uniform01(), request.replicates));
    return asTheWindowRuns(inputs);
}

}  // namespace karnoth
