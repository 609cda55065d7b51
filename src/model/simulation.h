#pragma once
// One run of the model, from the inputs to the report texts and the yearly series.

#include "model/run_inputs.h"
#include "model/run_series.h"
#include "model/run_writer.h"

namespace karnoth {

// In this order: unsterilisedShare = 1 - Cs / 100; the killed-dogs file; pupsPerYearling and
// firstYearSurvival (written to the form at once); the growth rate and Label14; the equilibrium and
// Label6; the projection (Label4 in the start year); Label3. Returns the series for the chart.
// A fault stops the run where it happens and propagates; what was written stays.
RunSeries runSimulation(const RunInputs& inputs, RunWriter& writer);

// The chart's log scale: every entry of the three charted series becomes ln(v + 1), a single.
// Faults on an entry of -1 or less.
void toLogScale(RunSeries& series);

}  // namespace karnoth
