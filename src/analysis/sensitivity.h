#pragma once
// How much the street total of one year hangs on each input: every varied input (kVariedInputs)
// that is in use (inputInUse: arrivals above 0, a capacity and its compensation when a capacity is
// set, operations when set; every older input always) moved down and up by delta per cent, one
// model run per end, all others as the window has them.
//
//   low  = value x (1 - delta / 100),  high = value x (1 + delta / 100), each clamped to the input's
//          closed range: [0, 1] for juvenile survival and prob. pregnant; [0, 100] for % owned dogs
//          sterilised; the scroll ranges for the three bars (abandoned per year 1..30000, the rate
//          0..1000 tenths of a per cent, the owned share 0..100 by default); above 0 for the
//          carrying capacity and (0, 20] for the compensation (an end of 0 becomes the least double
//          above 0); >= 0 for the rest (arrivals and operations among them).
//          Adult survival is not clamped above (its range is open at 1): an end at 1 or over faults.
//          A bar's end stays a real number, never rounded to a whole value.
//   elasticity = ((outcomeHigh - outcomeLow) / outcome) / ((high - low) / value), the relative change
//          of the outcome per relative change of the input, with each value as its run took it;
//          none where an end faults or the value, the outcome or high - low is 0.
//
// Rows come sorted by swing |outcomeHigh - outcomeLow|, largest first, equal swings in list order;
// rows with a fault at either end follow all others, in list order. When the run at the inputs as
// given faults there are no rows, only that fault.

#include "analysis/batch_runner.h"
#include "analysis/input_domains.h"
#include "model/input_field.h"
#include "model/model_inputs.h"
#include "support/yearly_series.h"

#include <optional>
#include <string>
#include <vector>

namespace karnoth {

// The most an input moves, per cent of its value: down to 0 and up to twice the value.
inline constexpr double kMostDeltaPercent = 100;

struct SensitivityRequest {
    ModelInputs inputs;  // the window's inputs as a run reads them
    YearlySeries killedByYear;  // the culling counts those runs use
    int year = 2020;  // the outcome is streetTotal[year], 1950..2050
    double deltaPercent = 10;  // how far each input moves, per cent of its value; above 0
    // The bars' ranges; narrower ones let a caller clamp within them.
    BarRange abandonedRange = *barRangeOf(InputField::abandonedPerYear);  // females a year
    BarRange rateRange = *barRangeOf(InputField::programmeRate);  // tenths of a per cent a year
    BarRange shareRange = *barRangeOf(InputField::ownedShare);  // per cent aimed at owned dogs
};

struct SensitivityRow {
    InputField field{};
    double value = 0;  // the input as given, in its control's units
    double low = 0;  // the two ends after clamping
    double high = 0;
    std::optional<double> outcomeLow;  // streetTotal[year] of each end's run; none when it faulted
    std::optional<double> outcomeHigh;
    std::optional<std::string> faultLow;  // the fault's message when that run faulted
    std::optional<std::string> faultHigh;
    std::optional<double> elasticity;

    bool faulted() const { return faultLow || faultHigh; }
    // |outcomeHigh - outcomeLow|, 0 for a faulted row.
    double swing() const;
};

struct SensitivityResult {
    int year = 0;
    double deltaPercent = 0;
    std::optional<double> outcome;  // streetTotal[year] at the inputs as given
    std::optional<std::string> fault;  // why that run faulted; then there are no rows
    std::vector<SensitivityRow> rows;  // sorted as above
};

// An end of `field` moved to `moved`, clamped to the field's closed range as above.
double clampedEnd(const SensitivityRequest& request, InputField field, double moved);

// Why no sensitivity can be made with the request's settings, for the caller to show: a year
// outside 1950..2050, a delta not above 0, above kMostDeltaPercent or not finite, or a bar range
// that ends below its start or leaves the bar's own range. nullopt when it can.
std::optional<std::string> sensitivityProblem(const SensitivityRequest& request);

// 1 + 2 x (inputs in use) runs (the inputs as given, then both ends of each input; 23 with the
// field's mechanisms off) through the batch runner, each run
// taking the inputs as the window would (asTheWindowRuns: the rows show the ends as moved, the
// runs take an age at first litter below 1 as 1). std::invalid_argument when sensitivityProblem
// finds a problem. Nothing (nullopt) when stopped.
std::optional<SensitivityResult> runSensitivity(const SensitivityRequest& request, const BatchRunner& runner,
                                                const BatchControl& control = {});

}  // namespace karnoth
