#pragma once
// Percentiles of a sample by linear interpolation between order statistics: with the n values
// sorted v[0] <= ... <= v[n-1], the p-th percentile lies at x = (n - 1) x p / 100 and is
//
//   v[floor x] + (v[ceil x] - v[floor x]) x (x - floor x).
//
// So the 0th is the smallest, the 100th the largest, and a sample of equal values gives that value
// exactly at every p.

#include <array>
#include <span>

namespace karnoth {

// The percentiles an uncertainty band reports: the 90 % band, the 50 % band and the median.
inline constexpr std::array<double, 5> kBandPercentiles{5, 25, 50, 75, 95};

// `sorted` ascending and not empty; percent in 0..100.
double percentileOfSorted(std::span<const float> sorted, double percent);

}  // namespace karnoth
