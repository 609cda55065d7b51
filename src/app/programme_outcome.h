#pragma once
// What a run says of the programme beside its four series: the coverage at the end of each year
// (a share 0..1 of the females aged 1..10 that are sterilised, street and owned) and how fast the
// street comes back after a programme that stops.

#include "model/model_result.h"
#include "model/rebound.h"
#include "support/yearly_series.h"

#include <optional>

namespace karnoth {

struct ProgrammeOutcome {
    YearlySeries streetSterilisedShare;
    YearlySeries ownedSterilisedShare;
    std::optional<Rebound> rebound;  // none when it does not apply

    static ProgrammeOutcome of(const ModelResult& run)
    {
        return {run.streetSterilisedShare, run.ownedSterilisedShare, run.rebound};
    }
};

}  // namespace karnoth
