#pragma once
// Matching a count: the number of owned yearlings abandoned a year (the abandonment bar, whole
// females 1..30000) whose run gives the street total nearest to a counted number of street
// females aged one and over in a survey year. Values whose run faults are skipped; ties go to the
// lower value. The street total rises with the number abandoned, so the search samples the bar,
// tries every value around the best sample, and then moves to a neighbour while one is nearer:
// the answer is nearer to the count than both its neighbours.

#include "analysis/batch_runner.h"
#include "model/model_inputs.h"
#include "support/yearly_series.h"

namespace karnoth {

inline constexpr int kLowestAbandoned = kAbandonedPerYearBar.lowest;  // females a year: the bar's ends
inline constexpr int kHighestAbandoned = kAbandonedPerYearBar.highest;
inline constexpr int kFirstSurveyYear = kFirstYear + 1;  // 1951

struct CalibrationRequest {
    ModelInputs inputs;  // abandonedPerYear is replaced
    YearlySeries killedByYear;
    int surveyYear = 0;  // 1951..2050
    double count = 0;    // street females aged one and over counted that year; above 0
};

struct Calibration {
    int surveyYear = 0;
    double count = 0;
    int abandonedPerYear = 0;  // the value to set
    double streetTotal = 0;    // streetTotal[surveyYear] of its run
    double difference = 0;     // streetTotal - count
    bool reached = false;      // false when the count lies below or above every street total tried
};

// The value of the bar that matches the count. std::invalid_argument for a survey year outside
// 1951..2050 or a count not above 0 (or not finite); a Fault when every value of the bar faults
// (the fault of the run at the request's own value, named as such).
Calibration matchCount(const CalibrationRequest& request, const BatchRunner& runner);

}  // namespace karnoth
