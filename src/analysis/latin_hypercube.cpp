#include "analysis/latin_hypercube.h"

#include "analysis/random_stream.h"

#include <numeric>
#include <utility>

namespace karnoth {

std::vector<std::uint32_t> latinHypercubeStrata(std::uint64_t seed, std::size_t position, std::size_t count)
{
    std::vector<std::uint32_t> strata(count);
    std::iota(strata.begin(), strata.end(), 0u);
    RandomStream stream(seed, StreamPurpose::inputPermutation, position);
    for (std::size_t i = count; i > 1; --i) std::swap(strata[i - 1], strata[stream.below(i)]);
    return strata;
}

double latinHypercubeValue(double low, double high, std::uint32_t stratum, double offset, std::size_t count)
{
    return low + (high - low) * (stratum + offset) / static_cast<double>(count);
}

}  // namespace karnoth
