#pragma once
// The yearly projection from 1950 to 2050 of the owned and street populations: survival, births,
// abandonment of surplus owned yearlings, the owners' own sterilisation, culling, and from the
// programme's start year the sterilisation programme split between owned and street dogs.

#include "model/population_state.h"
#include "model/run_parameters.h"
#include "model/run_series.h"
#include "model/run_writer.h"

namespace karnoth {

struct ProjectionResult {
    RunSeries series;
    float abandonedShare2005 = 0;  // abandoned yearlings / street yearlings in 2005
};

// Advances `state` year by year. In the programme's first year it writes the first-year sentence
// into Label4 through `writer`. Faults: culling in 1950 (no count for 1949), a breeding age
// outside 0..10, a cull with no street dogs, no street yearlings in 2005, overflow.
ProjectionResult project(PopulationState& state, const RunParameters& p,
                         const YearlySeries& killedByYear, RunWriter& writer);

}  // namespace karnoth
