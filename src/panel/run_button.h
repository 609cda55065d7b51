#pragma once
// The Run button's action, also made at the end of start-up and by every scroll-bar change once
// the window is ready.

#include "panel/panel_controls.h"

namespace karnoth {

// Reads every parameter control afresh, runs the model (report texts into the labels as it goes),
// then clears picPlot, takes ln(v + 1) of the series when chkLog is checked, and plots
// streetTotal (red, rescaled), streetBreeders (green, on the red scale) and extraSterilisations
// (blue, rescaled). A fault propagates to the handler that called it.
void cmdRun_Click(PanelControls& form);

}  // namespace karnoth
