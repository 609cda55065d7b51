#include "analysis/uncertainty.h"

#include "analysis/random_stream.h"
#include "analysis/replicate_draws.h"
#include "analysis/shortest_text.h"
#include "analysis/varied_inputs.h"
#include "model/engine.h"
#include "support/fault.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace karnoth {
namespace {

constexpr std::size_t kBandSeries = 3;  // streetTotal, streetBreeders, extraSterilisations
constexpr std::size_t kValuesPerReplicate = kBandSeries * kYearCount;

// What each replicate leaves behind, each in its own slots.
struct Replicates {
    std::vector<float> values;  // kValuesPerReplicate per replicate: the three series by year
    std::vector<char> valid;  // 1 for a replicate that ran to the end
    std::vector<char> diedOut;  // 1 for a valid one whose street total was 0 in some year
    std::vector<std::string> faults;  // the message of a faulted replicate
};

// Runs replicate k: draws its inputs, runs it (the model itself when there is no chance) and keeps
// its three series, or its fault.
void runReplicate(const UncertaintyRequest& request, const std::vector<SampledRange>& sampled, std::size_t k,
                  ModelResult& scratch, RunSeries& series, Replicates& out)
{
    RandomStream stream(request.seed, StreamPurpose::replicate, k);
    ModelInputs inputs = replicateInputs(request, sampled, k, stream);
    const RunSeries* ran = &series;
    try {
        if (request.anchor) {
            // One thread: the replicates already share out the cores.
            const CalibrationRequest calibration{inputs, request.killedByYear, request.anchor->surveyYear,
                                                 request.anchor->count, request.anchor->adjusted};
            setCalibratedValue(inputs, request.anchor->adjusted, matchCount(calibration, BatchRunner(1)).value);
        }
        if (request.chance.any()) {
            projectWithChance(prepareRun(inputs), request.killedByYear, request.chance, stream, series);
        } else if (std::optional<Fault> fault = runModelInto(inputs, request.killedByYear, scratch)) {
            throw *fault;
        } else {
            ran = &scratch.series;
        }
    } catch (const Fault& fault) {
        out.faults[k] = fault.what();
        return;
    }
    const auto& streetTotal = ran->streetTotal.values();
    out.diedOut[k] = std::find(streetTotal.begin(), streetTotal.end(), 0.0f) != streetTotal.end();
    float* slot = out.values.data() + k * kValuesPerReplicate;
    for (const YearlySeries* s : {&ran->streetTotal, &ran->streetBreeders, &ran->extraSterilisations}) {
        std::copy(s->values().begin(), s->values().end(), slot);
        slot += kYearCount;
    }
    out.valid[k] = 1;
}

std::optional<TargetChance> targetChance(const UncertaintyRequest& request, const Replicates& replicates,
                                         std::size_t valid)
{
    if (!request.target) return std::nullopt;
    TargetChance chance{request.target->year, request.target->percent, std::nullopt, std::nullopt};
    const int start = request.inputs.programmeStart;
    if (start < kFirstYear + 1 || start > kLastYear) {
        chance.fault = "the programme starts in " + std::to_string(start) +
                       ", but a target needs a start in 1951..2050, with the year before it as the baseline";
    } else if (chance.year < start || chance.year > kLastYear) {
        chance.fault = "the target year " + std::to_string(chance.year) + " must lie in the programme's years " +
                       std::to_string(start) + "..2050";
    } else if (!(chance.percent > 0) || !std::isfinite(chance.percent)) {
        chance.fault = "the target's per cent must be a number above 0";
    } else if (valid == 0) {
        chance.fault = "no replicate ran without a fault";
    } else {
        std::size_t met = 0;
        for (std::size_t k = 0; k < replicates.valid.size(); ++k) {
            if (!replicates.valid[k]) continue;
            const float* streetTotal = replicates.values.data() + k * kValuesPerReplicate;
            const double baseline = streetTotal[start - 1 - kFirstYear];
            if (double(streetTotal[chance.year - kFirstYear]) <= baseline * chance.percent / 100) ++met;
        }
        chance.probability = double(met) / double(valid);
    }
    return chance;
}

}  // namespace

std::optional<std::string> yearToYearSdProblem(double sd)
{
    if (sd >= 0 && sd <= kMostYearToYearSd) return std::nullopt;
    return "the year-to-year SD " + shortestText(sd) + " must be a number from 0 to " + shortestText(kMostYearToYearSd);
}

std::optional<std::string> uncertaintyProblem(const UncertaintyRequest& request)
{
    if (request.replicates < 1 || request.replicates > kMostReplicates)
        return "the number of replicates must be 1 to " + std::to_string(kMostReplicates);
    std::array<bool, kVariedInputs.size()> ranged{};
    for (const ParameterRange& range : request.ranges) {
        const std::optional<std::size_t> position = variedPosition(range.field);
        const std::string caption(fieldCaption(range.field));
        if (!position) return caption + " is a year, which is never varied";
        if (ranged[*position]) return caption + " is given a range twice";
        ranged[*position] = true;
        if (std::optional<std::string> problem = variedRangeProblem(range.field, range.low, range.high)) return problem;
    }
    if (std::optional<std::string> problem = yearToYearSdProblem(request.chance.yearToYearSd)) return problem;
    for (float count : request.killedByYear.values())
        if (!(count >= 0) || !std::isfinite(count)) return "the culling counts must be finite and not negative";
    if (request.anchor) return calibrationProblem(request.anchor->surveyYear, request.anchor->count);
    return std::nullopt;
}

std::optional<std::string> rangeWithoutEffect(const UncertaintyRequest& request)
{
    const auto ranged = [&](InputField field) {
        return std::any_of(request.ranges.begin(), request.ranges.end(),
                           [field](const ParameterRange& range) { return range.field == field; });
    };
    // Without a capacity the compensation is never read.
    if (ranged(InputField::compensation) && !request.inputs.carryingCapacity && !ranged(InputField::carryingCapacity))
        return "the range of compensation changes nothing without a street carrying capacity: set a capacity or give "
               "it a range too";
    return std::nullopt;
}

std::optional<std::string> uncertaintyRefusal(const UncertaintyRequest& request)
{
    if (std::optional<std::string> problem = uncertaintyProblem(request)) return problem;
    return rangeWithoutEffect(request);
}

std::optional<UncertaintyResult> runUncertainty(const UncertaintyRequest& request, const BatchRunner& runner,
                                                const BatchControl& control)
{
    if (std::optional<std::string> problem = uncertaintyRefusal(request)) throw std::invalid_argument(*problem);
    const std::size_t n = request.replicates;

    const std::vector<SampledRange> sampled = sampledRanges(request);

    Replicates replicates{std::vector<float>(n * kValuesPerReplicate), std::vector<char>(n, 0), std::vector<char>(n, 0),
                          std::vector<std::string>(n)};
    const bool finished = runner.forEachRange(
        n,
        [&](std::size_t begin, std::size_t end) {
            ModelResult scratch;
            RunSeries series;
            for (std::size_t k = begin; k < end; ++k) runReplicate(request, sampled, k, scratch, series, replicates);
        },
        control);
    if (!finished) return std::nullopt;

    UncertaintyResult result;
    result.replicates = n;
    result.seed = request.seed;
    result.valid = static_cast<std::size_t>(std::count(replicates.valid.begin(), replicates.valid.end(), 1));
    result.faulted = n - result.valid;
    result.diedOut = static_cast<std::size_t>(std::count(replicates.diedOut.begin(), replicates.diedOut.end(), 1));
    for (std::size_t k = 0; k < n && !result.firstFault; ++k)
        if (!replicates.valid[k]) result.firstFault = replicates.faults[k];
    result.target = targetChance(request, replicates, result.valid);
    if (result.valid == 0) return result;

    // Each series and year is one column of values across the valid replicates; sorting it gives
    // its percentiles. The columns are independent, so they share out over the cores too.
    std::array<SeriesBands, kBandSeries> bands;
    const BatchControl stopOnly{control.stop, {}};
    const bool banded = runner.forEachRange(
        kBandSeries * kYearCount,
        [&](std::size_t begin, std::size_t end) {
            std::vector<float> column;
            column.reserve(result.valid);
            for (std::size_t c = begin; c < end; ++c) {
                column.clear();
                for (std::size_t k = 0; k < n; ++k)
                    if (replicates.valid[k]) column.push_back(replicates.values[k * kValuesPerReplicate + c]);
                std::sort(column.begin(), column.end());
                for (std::size_t i = 0; i < kBandPercentiles.size(); ++i)
                    bands[c / kYearCount].bands[i][c % kYearCount] = percentileOfSorted(column, kBandPercentiles[i]);
            }
        },
        stopOnly);
    if (!banded) return std::nullopt;
    result.streetTotal = bands[0];
    result.streetBreeders = bands[1];
    result.extraSterilisations = bands[2];
    return result;
}

}  // namespace karnoth
