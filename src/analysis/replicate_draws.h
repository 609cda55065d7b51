#pragma once
// What a replicate of the uncertainty analysis draws before its years: each ranged input's value,
// by Latin hypercube (latin_hypercube.h), its strata permuted with a stream from the seed and the
// input's position in kVariedInputs, its offset drawn from the replicate's own stream (seed,
// replicate, k) in list order. The stream then goes on to draw the replicate's years, so every
// analysis that repeats replicate k starts its years from the same place.

#include "analysis/random_stream.h"
#include "analysis/uncertainty.h"
#include "model/model_inputs.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace karnoth {

// A range with its Latin hypercube strata.
struct SampledRange {
    ParameterRange range;
    std::vector<std::uint32_t> strata;
};

// The request's ranges in list order, so that a replicate's offsets do not depend on the order given.
std::vector<SampledRange> sampledRanges(const UncertaintyRequest& request);

// Replicate k's inputs, drawn from `stream` (the stream (seed, replicate, k), fresh) into the
// request's inputs and taken as the window runs them. `stream` is left where the years begin.
ModelInputs replicateInputs(const UncertaintyRequest& request, const std::vector<SampledRange>& sampled, std::size_t k,
                            RandomStream& stream);

}  // namespace karnoth
