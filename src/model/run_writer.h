#pragma once
// Where a run leaves its results as it goes. A run that faults stops at once; whatever it had
// written through this interface until then stays.

#include "model/run_series.h"

#include <string>
#include <string_view>

namespace karnoth {

class RunWriter {
public:
    virtual ~RunWriter() = default;
    // The form-level values a run overwrites (and ShowJuvThreshold, for pupsPerYearling).
    virtual void setPupsPerYearling(float value) = 0;
    virtual void setFirstYearSurvival(float value) = 0;
    // A report text for the label named (Label14, Label6, Label4, Label3).
    virtual void writeCaption(std::string_view label, std::string text) = 0;
    // The projection has filled every year of the series.
    virtual void projectionFinished(const RunSeries& series) = 0;
};

}  // namespace karnoth
