#pragma once
// Expected lifespans on a life table cut at ten years: every female alive at ten counts as living
// exactly ten years. Each term is a double; the running total is a single, stored after every
// addition.

namespace karnoth {

// At birth, with juvenile survival J and adult survival A (0.7 with the defaults):
// J (1 - A) + sum over k = 2..9 of (1 - A) J k A^(k-1) + 10 J A^9. Death in the first year counts
// as a lifespan of 0.
float lifespanAtBirth(double juvenileSurvival, double adultSurvival);

// At one year (7.4 with the defaults): 1 + sum over k = 2..9 of (1 - A) A^(k-1) k + 10 A^9.
float lifespanAtOneYear(double adultSurvival);

}  // namespace karnoth
