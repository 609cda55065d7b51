#include "analysis/percentiles.h"

#include <cmath>

namespace karnoth {

double percentileOfSorted(std::span<const float> sorted, double percent)
{
    const double x = static_cast<double>(sorted.size() - 1) * percent / 100;
    const double below = std::floor(x);
    const double lower = sorted[static_cast<std::size_t>(below)];
    const double upper = sorted[static_cast<std::size_t>(std::ceil(x))];
    return lower + (upper - lower) * (x - below);
}

}  // namespace karnoth
