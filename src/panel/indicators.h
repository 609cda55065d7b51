#pragma once
// The derived life-history indicators beside the parameter fields. Neither routine starts a run. A
// fault (a text that is not a number, adult survival of 1, a zero threshold denominator) stops the
// routine where it happens: the captions it had not yet set keep their previous text.

#include "panel/panel_controls.h"

namespace karnoth {

// pupsPerYearling = (A^(r-1) - A^s) / (1 - A), stored; then m * (p * pupsPerYearling), stored; the
// caption of Label1(1) becomes "juv survival, < " and 1 / pupsPerYearling in "fixed" (0.13 with
// the defaults).
void ShowJuvThreshold(PanelControls& form);

// Expected lifespans on a life table cut at ten years, accumulated in a single:
// at birth (Label9)   L  = J(1-A) + sum k=2..9 of (1-A) J k A^(k-1) + 10 J A^9   (0.7 by default)
// at one year (Label10) L1 = 1 + sum k=2..9 of (1-A) A^(k-1) k + 10 A^9         (7.4 by default)
// both in "##0.0".
void ShowLifespans(PanelControls& form);

}  // namespace karnoth
