#pragma once
// Many runs that differ only in the programme's rate (or its operations a year) and its owned
// share, as a planner's grid makes them. Everything before the projection, and every year before
// the programme's start, is the same for all of them, so it is worked out once; the years from the
// start are projected for several runs at once, one run per lane, each lane doing the very
// single- and double-precision operations of a single run in the same order. A run that meets
// anything unusual on the way (a fault, a value that is not finite, a step that removes more dogs
// than there are) is run again on its own by runModelInto, so every run's figures and fault are
// those of a single run, bit for bit.

#include "model/model_inputs.h"
#include "model/projection.h"
#include "model/rate_grid_lanes.h"
#include "support/fault.h"
#include "support/yearly_series.h"

#include <optional>
#include <span>

namespace karnoth {

// One run of the grid: the programme's rate (tenths of a per cent a year) or, when the inputs set
// operations a year, the operations a year (female sterilisations); and the owned share (per cent).
struct RateGridCell {
    double rateOrOperations = 0;
    double ownedShare = 0;
};

// What the grid keeps of one run, read as a planner reads a single run's result. Females.
struct RateGridRun {
    std::optional<Fault> fault;  // the run's fault; the figures mean nothing then
    float streetTotal = 0;  // streetTotal[targetYear]
    float streetSterilisedShare = 0;  // streetSterilisedShare[targetYear], 0..1
    // programmeOwned and programmeStreet, each added up in double year by year over start..targetYear.
    double sterilisedOwned = 0;
    double sterilisedStreet = 0;
    float operationsFirstYear = 0;  // extraSterilisations[start]
    double operationsSum = 0;  // extraSterilisations added up in double over start..lastProgrammeYear
};

// What the grid keeps of a single run's result (without a fault), in the same order of additions.
RateGridRun rateGridRunOf(const ProjectionRecord& record, int startYear, const RateGridYears& years);

// Which build of the lanes a grid runs: the fastest this processor has (AVX2 where it has it), or
// the one every x86-64 processor has. Both give the same figures.
enum class LaneBuild { fastest, everyProcessor };

class RateGrid {
public:
    // Runs projected together: `run` costs least over a multiple of this many cells.
    static constexpr std::size_t kRunsAtOnce = rate_lanes::kLanes;

    // Works out everything the runs share: the preparation at the inputs (with a rate, an owned
    // share and, when set, operations a year of 0) and the years before the programme's start.
    // Throws std::invalid_argument when the years are not as RateGridYears says.
    RateGrid(const ModelInputs& inputs, const YearlySeries& killedByYear, const RateGridYears& years,
             LaneBuild lanes = LaneBuild::fastest);

    // The run of each cell into `runs` (as many as `cells`), as runModelInto at the inputs with the
    // cell's rate (or operations) and owned share would give it. May be called from many threads.
    void run(std::span<const RateGridCell> cells, std::span<RateGridRun> runs) const;

private:
    // A cell run on its own, as a single run.
    RateGridRun runAlone(const RateGridCell& cell) const;

    ModelInputs inputs_;
    const YearlySeries& killedByYear_;
    RateGridYears years_;
    bool scansOperations_ = false;
    rate_lanes::BatchProjector project_;
    // Set when the shared part ran cleanly: then the lanes start from the state at the start.
    bool shared_ = false;
    ProjectionSettings settings_;
    PopulationState atStart_;  // the classes at the beginning of the start year
    double crowdingAtStart_ = 0;  // the street total crowding reads in the start year
};

}  // namespace karnoth
