#include "analysis/samplers.h"

#include <boost/random/binomial_distribution.hpp>
#include <boost/random/normal_distribution.hpp>
#include <boost/random/poisson_distribution.hpp>

namespace karnoth {

// The distributions assert strictly positive parameters in debug builds; the edges are answered
// here without a draw.
std::int64_t binomial(RandomStream& stream, std::int64_t count, double probability)
{
    if (count <= 0 || probability <= 0) return 0;
    if (probability >= 1) return count;
    return boost::random::binomial_distribution<std::int64_t, double>(count, probability)(stream);
}

std::int64_t poisson(RandomStream& stream, double mean)
{
    if (!(mean > 0)) return 0;
    return boost::random::poisson_distribution<std::int64_t, double>(mean)(stream);
}

double normal(RandomStream& stream, double mean, double sd)
{
    if (!(sd > 0)) return mean;
    return boost::random::normal_distribution<double>(mean, sd)(stream);
}

}  // namespace karnoth
