#pragma once
// A run reads the compensation only when a capacity is set, so the inputs of a window without a
// capacity hold the default compensation whatever its text says. Whatever sets a capacity on such
// inputs (matching a count by the capacity) takes the compensation from the text first.

#include "model/model_inputs.h"
#include "panel/panel_controls.h"

namespace karnoth {

// `inputs` unchanged when they have a capacity; otherwise with the compensation the window's text
// gives (a blank text: the default, 1). A Fault naming the compensation when the text is not a
// number; its range is checked by the runs, as every input's is.
ModelInputs withCompensationOfWindow(ModelInputs inputs, const PanelControls& form);

}  // namespace karnoth
