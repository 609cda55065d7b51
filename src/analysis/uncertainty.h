#pragma once
// How wide the range of outcomes is: N replicates of the projection 1950..2050 from the window's
// inputs, each with its own draw of the uncertain inputs and, optionally, chance from year to year
// and in whole dogs (stochastic_projection.h). Each replicate starts from the equilibrium of its own
// inputs, as a run does.
//
// - Ranges: an input given a uniform range LOW..HIGH is sampled by Latin hypercube
//   (latin_hypercube.h): its strata permuted with a stream from the seed and its position in
//   kVariedInputs, the offset u drawn from the replicate's own stream. A range of a bar must lie
//   within the bar's range; a range of a text may cross the text's range, and the replicates that
//   fall outside fault. Each replicate takes its inputs as the window would (asTheWindowRuns).
// - Streams: replicate k draws only from the stream (seed, replicate, k), its offsets first (in
//   list order), then its years. The same seed gives the same result whatever the thread count.
// - Faulted replicates are counted and left out of the bands. A replicate whose street empties is
//   no fault (abandonment may refill it): it counts in the bands and the target, and as died out.
// - Bands: per year, the percentiles 5, 25, 50, 75 and 95 (percentiles.h) of streetTotal,
//   streetBreeders and extraSterilisations over the valid replicates; none without one. With no
//   range and no chance, every percentile is the model's own run.
// - Anchor (optional): each replicate's drawn inputs are first matched to a count of street females
//   in a survey year by the calibration rule (calibration.h), adjusting abandoned per year,
//   immigrants or the carrying capacity, so that the replicates start from today's count and
//   spread from there instead of each from its own equilibrium. A replicate whose every value
//   faults is faulted.
// - Target: the share of valid replicates whose street total in the target year is at most
//   percent % of their own street total in the year before the programme starts, in double
//   precision.

#include "analysis/batch_runner.h"
#include "analysis/calibration.h"
#include "analysis/input_domains.h"
#include "analysis/percentiles.h"
#include "analysis/stochastic_projection.h"
#include "model/input_field.h"
#include "model/model_inputs.h"
#include "support/yearly_series.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karnoth {

// An uncertain input: uniform over low..high, in the control's own units.
struct ParameterRange {
    InputField field{};
    double low = 0;
    double high = 0;
};

// "Street total in `year` at most `percent` % of the year before the programme starts."
struct TargetRequest {
    int year = 0;
    double percent = 0;  // above 0
};

// The most replicates a request may ask for (each keeps about 1.2 kB until the bands are made).
inline constexpr std::size_t kMostReplicates = 100000;
// The largest year-to-year SD: a factor of mean 1 that strays by more is no survival any more.
inline constexpr double kMostYearToYearSd = 1;

// Replicates anchored to a count (see above).
struct CountAnchor {
    int surveyYear = 0;  // 1951..2050
    double count = 0;  // street females aged one and over counted that year
    CalibratedInput adjusted = CalibratedInput::abandonedPerYear;
};

struct UncertaintyRequest {
    ModelInputs inputs;  // the window's inputs as a run reads them
    YearlySeries killedByYear;  // culling counts, none negative
    std::size_t replicates = 1000;
    std::uint64_t seed = 1;
    std::vector<ParameterRange> ranges;  // at most one per input, in any order
    YearlyChance chance;  // year-to-year SD and whole dogs, default none
    std::optional<TargetRequest> target;
    std::optional<CountAnchor> anchor;
};

// One series' percentiles: bands[i][year - 1950] is the kBandPercentiles[i]-th percentile.
struct SeriesBands {
    std::array<std::array<double, kYearCount>, kBandPercentiles.size()> bands{};
};

struct TargetChance {
    int year = 0;
    double percent = 0;
    std::optional<double> probability;  // none when it cannot be told, `fault` says why
    std::optional<std::string> fault;
};

struct UncertaintyResult {
    std::size_t replicates = 0;
    std::size_t valid = 0;
    std::size_t faulted = 0;
    std::size_t diedOut = 0;  // valid replicates whose street total was 0 in some year
    std::uint64_t seed = 0;
    // None when no replicate is valid.
    std::optional<SeriesBands> streetTotal;
    std::optional<SeriesBands> streetBreeders;
    std::optional<SeriesBands> extraSterilisations;
    std::optional<TargetChance> target;  // when the request had one
    std::optional<std::string> firstFault;  // the fault of the lowest-numbered faulted replicate
};

// Why `sd` cannot be a year-to-year SD: not a finite number 0 to kMostYearToYearSd.
std::optional<std::string> yearToYearSdProblem(double sd);

// Why the request cannot be run, for the caller to show: replicates outside 1..kMostReplicates, a
// range on a year or given twice, a range variedRangeProblem refuses, a year-to-year SD
// yearToYearSdProblem refuses, a negative or non-finite culling count, an anchor calibrationProblem
// refuses. nullopt when it can.
std::optional<std::string> uncertaintyProblem(const UncertaintyRequest& request);

// Why the ranges would move nothing at the request's inputs: a range on the compensation while no
// carrying capacity is set or given a range (the compensation is read only with a capacity). A
// separate check from uncertaintyProblem, since it needs the window's inputs. nullopt when none.
std::optional<std::string> rangeWithoutEffect(const UncertaintyRequest& request);

// Why the request is refused: uncertaintyProblem's reason, else rangeWithoutEffect's. nullopt when
// it can be run.
std::optional<std::string> uncertaintyRefusal(const UncertaintyRequest& request);

// std::invalid_argument when uncertaintyRefusal finds a problem. Progress counts replicates;
// nothing (nullopt) when stopped.
std::optional<UncertaintyResult> runUncertainty(const UncertaintyRequest& request, const BatchRunner& runner,
                                                const BatchControl& control = {});

}  // namespace karnoth
