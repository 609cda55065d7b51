#pragma once
// The breeding quantities, computed the same way by every run and by the juvenile-survival
// threshold indicator.

#include <string_view>

namespace karnoth {

// The unsterilised share of owned yearlings, 1 - Cs / 100, stored as a single (0.5 by default).
float unsterilisedShareFor(double ownedSterilisedPercent);

// The breeding years of a female alive at age one, (S^(R-1) - S^L) / (1 - S): the sum of S^(a-1)
// over the breeding ages a = R..L, with real powers. Double precision, stored as a single.
// Faults: S = 1 (division by zero), a negative S with fractional ages, overflow.
float breedingYears(double S, double R, double L);

// pupsPerYearling = Lit * (P * breedingYears), stored as a single: the female pups born over the
// breeding life of a female alive at age one (7.8255 with the defaults).
float pupsFromBreedingYears(float breedingYears, double P, double Lit);

// Whatever divides by pupsPerYearling first checks it is not 0: a DivisionByZero fault that says
// what could not be worked out (`consequence`) and which inputs to check.
void requireSomePups(float pupsPerYearling, std::string_view consequence);

// Owned pups survive their first year so that a newborn owned female leaves 1 / 0.3 (3.33) female
// pups over her life: owners breed for more than replacement and abandon the surplus.
inline constexpr double kOwnedReplacementShare = 0.3;

// firstYearSurvival = 1 / (0.3 * pupsPerYearling), stored as a single (0.426 with the defaults).
float firstYearSurvivalFor(float pupsPerYearling);

}  // namespace karnoth
