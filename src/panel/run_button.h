#pragma once
// The Run button's action, also made at the end of start-up and by every scroll-bar change once
// the window is ready.

#include "catalogue/control_names.h"
#include "model/run_series.h"
#include "panel/panel_controls.h"

#include <array>
#include <string_view>

namespace karnoth {

// Runs the model on the window's inputs, each text converted right before the step that first
// needs it, writing the report texts into the labels as they become known: Label14 after the
// growth rate, Label6 after the equilibrium, Label4 in the programme's start year, Label3 after
// the projection. Then clears picPlot, takes ln(v + 1) of the series when chkLog is checked, and
// plots streetTotal (red, on a scale fitted to it), streetBreeders (green, on the red scale) and
// extraSterilisations (blue, on a scale of its own), and when the window charts it the street
// coverage (streetSterilisedShare x 100, on a 0..100 % scale). Then lblCoverage and lblRebound tell
// of the coverage and the rebound. A fault propagates to the handler that called
// it; what the run wrote until then stays.
void cmdRun_Click(PanelControls& form);

// The captions a run writes, in the order it writes them.
inline constexpr std::array<std::string_view, 6> kRunCaptions{
    control::Label14, control::Label6, control::Label4, control::Label3, control::lblCoverage, control::lblRebound};

// The chart's log scale: every entry of the three charted series becomes ln(v + 1), a single.
// Faults on an entry of -1 or less.
void toLogScale(RunSeries& series);

}  // namespace karnoth
