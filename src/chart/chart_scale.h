#pragma once
// The values a series is drawn against: from 0 at the bottom to topValue. The caller chooses the
// scale of every series explicitly: the street females fit one to themselves, the fertile breeders
// are drawn on theirs, the programme's sterilisations fit one of their own.

#include "support/yearly_series.h"

namespace karnoth {

struct ChartScale {
    float topValue = 0;  // single precision, in the series' own units (dogs, or ln(dogs + 1))

    // The series' largest value, found from -1e20 upwards (ties keep the earlier year).
    static ChartScale fittedTo(const YearlySeries& series)
    {
        ChartScale scale{-1e20f};
        for (float v : series.values())
            if (v > scale.topValue) scale.topValue = v;
        return scale;
    }
};

// What a run's chart is drawn against: the street counts' scale (the street total's, which the
// breeders share) and the sterilisations' own, in the units of the chart (counts, or ln(count + 1)
// under the log scale).
struct ChartScales {
    ChartScale counts;
    ChartScale sterilisations;
    bool logScale = false;
};

}  // namespace karnoth
