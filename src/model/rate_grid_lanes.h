#pragma once
// A batch of a rate grid's runs projected together, one run per lane, from one state at the start
// of a year: each lane does the very operations of a single run's fast pass (yearly_steps.h with
// singles) in the same order, so its figures are that run's bit for bit. Where a single run would
// fault or meet a value that is not finite, the lane is marked unusual instead (as is one with a
// class beyond 1e30 females, where a total might overflow), for the caller to run on its own.
//
// The same source is built twice: for every x86-64 processor, and for those with AVX2, whose
// registers hold twice the lanes.

#include "model/population_state.h"
#include "model/projection.h"
#include "support/yearly_series.h"

#include <array>

namespace karnoth {

// The years a rate grid reads of each run: the start is the programme's start, and
// 1951 <= start <= targetYear <= 2050, start <= lastProgrammeYear <= 2050.
struct RateGridYears {
    int targetYear = 0;  // the street total and its sterilised share are read in it
    int lastProgrammeYear = 0;  // the operations a year are summed over start..lastProgrammeYear
};

}  // namespace karnoth

namespace karnoth::rate_lanes {

inline constexpr int kLanes = 8;

// Each lane's programme in, its figures (read from the programme's start on) out.
struct LaneBatch {
    std::array<double, kLanes> rate{};  // H, tenths of a per cent a year
    std::array<double, kLanes> ownedShare{};  // T, per cent
    std::array<double, kLanes> operations{};  // Q, female sterilisations a year, when the settings set them

    std::array<float, kLanes> streetTotal{};  // in the target year
    std::array<float, kLanes> streetSterilisedShare{};  // in the target year
    std::array<double, kLanes> sterilisedOwned{};  // programmeOwned added up in double, start..target
    std::array<double, kLanes> sterilisedStreet{};
    std::array<float, kLanes> operationsFirstYear{};
    std::array<double, kLanes> operationsSum{};  // extraSterilisations added up, start..lastProgrammeYear
    std::array<bool, kLanes> unusual{};
};

// Projects every lane from the classes of `state` (the same for all) at the beginning of year
// `first` through year `last`, with the crowding total the first year reads; `state` also holds
// the shares and survivals a projection keeps from its equilibrium.
struct BatchStart {
    const PopulationState* state = nullptr;
    double crowdingTotal = 0;
    int first = kFirstYear;
    int last = kLastYear;
};

// Lane 0's state and crowding total after the last year; the classes no grid reads (owned ones
// past the last breeding age, owned sterilised ones past 1, sterilised street ones after the
// target year without crowding) are left as they were.
struct BatchEnd {
    PopulationState state;
    double crowdingTotal = 0;
};

// `end`, when given, receives lane 0's state. The build for every x86-64 processor and the one
// for processors with AVX2 (picked at run time by the caller).
using BatchProjector = void (*)(const BatchStart& start, const ProjectionSettings& settings,
                                const YearlySeries& killedByYear, const RateGridYears& years, LaneBatch& batch,
                                BatchEnd* end);
namespace generic {
void projectBatch(const BatchStart& start, const ProjectionSettings& settings, const YearlySeries& killedByYear,
                  const RateGridYears& years, LaneBatch& batch, BatchEnd* end);
}
namespace avx2 {  // built on x86-64 only
void projectBatch(const BatchStart& start, const ProjectionSettings& settings, const YearlySeries& killedByYear,
                  const RateGridYears& years, LaneBatch& batch, BatchEnd* end);
}

}  // namespace karnoth::rate_lanes
