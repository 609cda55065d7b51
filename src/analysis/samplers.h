#pragma once
// Draws for whole animals and yearly chance, exact in distribution and fast for large counts.
//
// - binomial(n, p): how many of n dogs an event with chance p befalls. Inversion (summing the
//   probabilities from 0) where (n + 1) x min(p, 1 - p) < 11; else Hormann's transformed rejection
//   with decomposition (BTRD), which takes about one uniform number whatever n is. Both are exact.
// - poisson(mean): pups born to a group. Inversion below a mean of 10, else Hormann's transformed
//   rejection (PTRD); exact, about one uniform number for any large mean.
// - normal(mean, sd): the ziggurat method.
//
// The algorithms are Boost.Random's (Debian's libboost-dev), driven by a RandomStream, so a stream
// gives the same draws on every run and thread.

#include "analysis/random_stream.h"

#include <cstdint>

namespace karnoth {

// count >= 0, probability in [0, 1].
std::int64_t binomial(RandomStream& stream, std::int64_t count, double probability);

// mean >= 0 and finite.
std::int64_t poisson(RandomStream& stream, double mean);

// sd >= 0.
double normal(RandomStream& stream, double mean, double sd);

}  // namespace karnoth
