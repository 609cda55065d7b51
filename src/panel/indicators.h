#pragma once
// The derived life-history indicators beside the parameter fields. Neither routine starts a run.
// Each text is converted and checked against its range as it is read. A fault (a text that is not
// a number, a value outside its range, a zero threshold denominator) stops the routine where it
// happens: the captions it had not yet set keep their previous text.

#include "panel/panel_controls.h"

namespace karnoth {

// Reads age at first litter, adult survival and age at last litter (not below the first), then
// stores pupsPerYearling as the run does: the breeding years, then the pups with prob. pregnant and
// female pups per litter. The caption of Label1(1) becomes "juv survival, < " and
// 1 / pupsPerYearling in "fixed" (0.13 with the defaults).
void ShowJuvThreshold(PanelControls& form);

// Reads juvenile survival, then adult survival; Label9 and Label10 get the expected lifespans at
// birth and at one year in "##0.0" (0.7 and 7.4 with the defaults).
void ShowLifespans(PanelControls& form);

}  // namespace karnoth
