#pragma once
// The yearly multiplication factor an owned population reaches with the breeding schedule and the
// owned pups' first-year survival, and its doubling time.

namespace karnoth {

// The factor g is the root of g = firstYearSurvival * Lit * (P * B(S / g)), where
// B(q) = (q^(R-1) - q^L) / (1 - q) is the sum of q^(a-1) over the breeding ages a = R..L (its limit
// L - R + 1 at q = 1). Double precision throughout.
//  - R >= 1: the right side falls strictly as g grows, and at g = 1 it is firstYearSurvival x
//    pupsPerYearling, about 10/3, so the one root lies in (1, 4]. Newton's method from g = 1 finds
//    it to a relative 1e-14 in about six steps (1.5228 with the defaults); where a step would leave
//    the bracket, the TOMS 748 bracketing method on [1, 4] does, to a relative 1e-13.
//  - R < 1 (only an analysis gets there; the window floors the age at first litter at 1): twenty
//    damped steps g = (right side + g) / 2 from g = 1, with no test of convergence.
// Faults: a negative S to a fractional power, overflow, division by zero in the damped steps.
double growthRateFor(double S, double R, double L, double P, double Lit, float firstYearSurvival);

// ln 2 / ln g, in years (1.65 with the defaults); negative below 1. Faults: g = 1, g <= 0.
double doublingTimeFor(double growthRate);

}  // namespace karnoth
