#pragma once
// Density dependence on the street: a street pup's first-year survival falls as the street fills.
// With carrying capacity K (street females aged 1..10) and compensation theta,
//   Sj_year = Sj / (1 + c (N / K)^theta),   c = max(0, Sj x pupsPerYearling - 1),
// where N is the street total of the year before. c is the street's own surplus: a street that
// cannot replace itself (c = 0) is not held back. Sterilised dogs count in N: they take space.

#include <cmath>
#include <optional>

namespace karnoth {

struct StreetDensity {
    double capacity = 0;  // K, females
    double compensation = 1;  // theta
    double surplus = 0;  // c
    double equilibriumTotal = 0;  // N*, the street total the projection starts from in 1950
    // theta when it is a whole number up to 64 (the usual 1 to 10), else 0: such a power is taken
    // by squaring, a few multiplications where pow costs as much as the rest of a year's steps.
    unsigned wholeCompensation = 0;

    // This year's first-year survival of street pups for a street of `total` females the year
    // before. Inline: the projection asks once a year.
    double juvenileSurvival(double streetJuvenileSurvival, double total) const
    {
        return streetJuvenileSurvival / (1 + surplus * crowding(total / capacity));
    }

private:
    // (N / K)^theta.
    double crowding(double fill) const
    {
        if (wholeCompensation == 1) return fill;
        if (wholeCompensation == 0) return std::pow(fill, compensation);
        double result = 1;
        for (unsigned exponent = wholeCompensation; exponent != 0; exponent >>= 1, fill *= fill)
            if (exponent & 1u) result *= fill;
        return result;
    }
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
