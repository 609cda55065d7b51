#pragma once
// A scenario's inputs as a run would read them, without a window: what a comparison runs the
// model on, each scenario with its own culling records.

#include "app/scenario_file.h"
#include "panel/window_inputs.h"

namespace karnoth {

// A Fault when a run on the scenario would stop before it has read every input (a text that is
// not a number, a value outside its range, no steady state).
WindowInputs scenarioInputs(const Scenario& scenario);

}  // namespace karnoth
