#pragma once
// The yearly multiplication factor an owned population reaches with the breeding schedule and the
// owned pups' first-year survival, and its doubling time.

namespace karnoth {

// Twenty damped fixed-point steps from growthRate = 1 (no test of convergence): with q = S / g,
// B = (q^(R-1) - q^L) / (1 - q) and g = (Lit * (P * B) * firstYearSurvival + g) / 2. Double
// precision throughout. With the defaults g settles at about 1.5228.
// Faults: q = 1 (adult survival equal to the factor), negative q to a fractional power, overflow.
double growthRateFor(double S, double R, double L, double P, double Lit, float firstYearSurvival);

// ln 2 / ln g, in years (1.65 with the defaults); negative below 1. Faults: g = 1, g <= 0.
double doublingTimeFor(double growthRate);

}  // namespace karnoth
