#pragma once
// The breeding quantities, computed the same way by every run and by the juvenile-survival
// threshold indicator.

namespace karnoth {

// The breeding years of a female alive at age one, (S^(R-1) - S^L) / (1 - S): the sum of S^(a-1)
// over the breeding ages a = R..L, with real powers. Double precision, stored as a single.
// Faults: S = 1 (division by zero), a negative S with fractional ages, overflow.
float breedingYears(double S, double R, double L);

// pupsPerYearling = Lit * (P * breedingYears), stored as a single: the female pups born over the
// breeding life of a female alive at age one (7.8255 with the defaults).
float pupsFromBreedingYears(float breedingYears, double P, double Lit);

// firstYearSurvival = 1 / (0.3 * pupsPerYearling), stored as a single (0.426 with the defaults): a
// newborn owned female then leaves 1/0.3 female pups over her life.
float firstYearSurvivalFor(float pupsPerYearling);

}  // namespace karnoth
