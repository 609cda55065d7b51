#pragma once
// Latin hypercube sampling of an input's uniform range LOW..HIGH across n replicates: the range is
// cut into n equal strata, each replicate takes a different one (a permutation drawn per input),
// and a uniform offset u in [0, 1) places it within its stratum:
//
//   value(k) = LOW + (HIGH - LOW) x (stratum(k) + u(k)) / n.
//
// Every stratum holds exactly one replicate, so even a few hundred replicates cover each range
// evenly; permutations drawn independently per input keep the inputs uncorrelated.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace karnoth {

// The strata of the input at `position` (kVariedInputs): a permutation of 0..count-1, shuffled by
// Fisher-Yates with the stream (seed, inputPermutation, position).
std::vector<std::uint32_t> latinHypercubeStrata(std::uint64_t seed, std::size_t position, std::size_t count);

// LOW + (HIGH - LOW) x (stratum + offset) / count, in that order of operations.
double latinHypercubeValue(double low, double high, std::uint32_t stratum, double offset, std::size_t count);

}  // namespace karnoth
