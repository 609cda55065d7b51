#pragma once
// Density dependence on the street: a street pup's first-year survival falls as the street fills.
// With carrying capacity K (street females aged 1..10) and compensation theta,
//   Sj_year = Sj / (1 + c (N / K)^theta),   c = max(0, Sj x pupsPerYearling - 1),
// where N is the street total of the year before. c is the street's own surplus: a street that
// cannot replace itself (c = 0) is not held back. Sterilised dogs count in N: they take space.

#include <optional>

namespace karnoth {

struct StreetDensity {
    double capacity = 0;  // K, females
    double compensation = 1;  // theta
    double surplus = 0;  // c
    double equilibriumTotal = 0;  // N*, the street total the projection starts from in 1950

    // This year's first-year survival of street pups for a street of `total` females the year before.
    double juvenileSurvival(double streetJuvenileSurvival, double total) const;
};

// 1 + S + ... + S^9: the years a street yearling spends in the classes 1..10, on average.
double yearsAgedOneToTen(double adultSurvival);

// The street's density dependence for juvenile survival Sj and pups per yearling, with N* still 0;
// none when the street has no surplus to hold back (c = 0).
std::optional<StreetDensity> streetDensityFor(double capacity, double compensation, double streetJuvenileSurvival,
                                              double pupsPerYearling);

// N*, the street total at equilibrium with `inflow` yearling females joining a year (abandoned plus
// arriving): the root of N (1 - pupsPerYearling x Sj / (1 + c (N/K)^theta)) = inflow x
// (1 + S + ... + S^9), which is unique and at least K. Closed form for theta = 1; otherwise a
// bracketing search to a relative 1e-13.
double equilibriumStreetTotal(const StreetDensity& density, double adultSurvival, double streetJuvenileSurvival,
                              double pupsPerYearling, double inflow);

}  // namespace karnoth
