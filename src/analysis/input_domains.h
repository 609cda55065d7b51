#pragma once
// The window's rules for an input, however it enters an analysis, in one place for every front
// end: the age at first litter's floor (input_field.h), applied to each run, and the scroll bars'
// ranges, which a value of a bar cannot leave in the window and so no range of an analysis may
// leave either. The older texts' own ranges stay the model's: a value outside one faults the run
// that takes it, as a typed one does. The inputs of a real town (arrivals, capacity, compensation,
// operations) are kept to their ranges before any run: at least 0, above 0, above 0 and at most 20,
// at least 0.

#include "model/input_field.h"
#include "model/model_inputs.h"

#include <optional>
#include <string>

namespace karnoth {

// A scroll bar's closed range of values, lowest first.
struct BarRange {
    double lowest = 0;
    double highest = 0;
};

// The range of the bar that holds `field` (abandoned per year, the rate, the owned share);
// nullopt for a text or a year.
std::optional<BarRange> barRangeOf(InputField field);

// The inputs as a run of the window would take them: an age at first litter below the floor is
// taken as the floor.
ModelInputs asTheWindowRuns(ModelInputs inputs);

// Why low..high cannot be a range of `field` for an analysis: an end that is not finite, the low
// end above the high one, for a bar an end outside its range, for arrivals, capacity, compensation
// or operations an end outside the field's range. nullopt when it can.
std::optional<std::string> variedRangeProblem(InputField field, double low, double high);

}  // namespace karnoth
