#pragma once
// Matching a count: the value of one input whose run gives the street total nearest to a counted
// number of street females aged one and over in a survey year. The input is one of
//   abandoned per year   the abandonment bar, whole females 1..30000 (the default)
//   immigrants per year  whole females 0..30000
//   carrying capacity    whole females 1..10,000,000 with at most three significant figures
//                        (1..999, 1,000, 1,010, ..., 9,990, 10,000, 10,100, ...)
// Values whose run faults are skipped; ties go to the lower value. The street total rises with
// each of them, so the search samples the values, tries every value around the best sample, and
// then moves to a neighbour while one is nearer: the answer is nearer to the count than both its
// neighbours.

#include "analysis/batch_runner.h"
#include "catalogue/input_catalogue.h"
#include "model/model_inputs.h"
#include "support/yearly_series.h"

#include <optional>
#include <string>
#include <vector>

namespace karnoth {

inline constexpr int kLowestAbandoned =
    inputRow(InputField::abandonedPerYear).bar->lowest;  // females a year: the bar's ends
inline constexpr int kHighestAbandoned = inputRow(InputField::abandonedPerYear).bar->highest;
inline constexpr int kMostImmigrantsMatched = 30000;  // females a year
inline constexpr double kMostCapacityMatched = 1e7;  // females aged one and over
inline constexpr int kFirstSurveyYear = kFirstYear + 1;  // 1951
// The highest count: street females, far more than any town holds.
inline constexpr double kMostCount = 1e12;

// The input a calibration adjusts.
enum class CalibratedInput { abandonedPerYear, immigrantsPerYear, carryingCapacity };

// Sets `input` of `inputs` to `value`, as a calibration's answer is applied.
void setCalibratedValue(ModelInputs& inputs, CalibratedInput input, double value);

// Every value a calibration of `input` may give, lowest first.
std::vector<double> calibrationValues(CalibratedInput input);

struct CalibrationRequest {
    ModelInputs inputs;  // the adjusted input is replaced
    YearlySeries killedByYear;
    int surveyYear = 0;  // 1951..2050
    double count = 0;  // street females aged one and over counted that year; above 0, at most kMostCount
    CalibratedInput adjusted = CalibratedInput::abandonedPerYear;
};

struct Calibration {
    int surveyYear = 0;
    double count = 0;
    double value = 0;  // the value to set: a whole number of females (a year, for the first two)
    double streetTotal = 0;  // streetTotal[surveyYear] of its run
    double difference = 0;  // streetTotal - count
    bool reached = false;  // false when the count lies below or above every street total tried
    CalibratedInput adjusted = CalibratedInput::abandonedPerYear;  // what the value is of
};

// Why no count can be matched with these settings, for the caller to show: a survey year outside
// 1951..2050, a count not above 0, above kMostCount or not finite. nullopt when it can.
std::optional<std::string> calibrationProblem(int surveyYear, double count);

// The value of the adjusted input that matches the count, each run taking the inputs as the window
// would (asTheWindowRuns). Distances to the count are compared exactly, so a count far above every
// street total gets the value with the highest. std::invalid_argument when calibrationProblem
// finds a problem; a Fault when every value faults (the fault of the run at the request's own
// value, named as such).
Calibration matchCount(const CalibrationRequest& request, const BatchRunner& runner);

}  // namespace karnoth
