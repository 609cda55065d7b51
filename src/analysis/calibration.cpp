#include "analysis/calibration.h"

#include "analysis/input_domains.h"
#include "analysis/shortest_text.h"
#include "model/engine.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace karnoth {
namespace {

// Values between samples: about 300 samples of the abandonment bar, then at most two gaps of this
// many values.
constexpr int kSampleStep = 100;

// |total - count| exactly, as the rounded difference and what rounding left out (Knuth's two-sum):
// a plain difference from a count far above the totals rounds distinct totals to one distance.
struct Distance {
    double rounded;
    double rest;
    friend bool operator<(const Distance& a, const Distance& b)
    {
        return a.rounded < b.rounded || (a.rounded == b.rounded && a.rest < b.rest);
    }
    friend bool operator==(const Distance&, const Distance&) = default;
};

Distance distance(double total, double count)
{
    const double rounded = total - count;
    const double countPart = rounded - total;  // -count as the rounded difference holds it
    const double totalPart = rounded - countPart;  // total as it holds it
    const double rest = (total - totalPart) + (-count - countPart);
    if (rounded < 0 || (rounded == 0 && rest < 0)) return {-rounded, -rest};
    return {rounded, rest};
}

// The input and its values as a fault names them.
std::string rangeName(CalibratedInput input)
{
    switch (input) {
    case CalibratedInput::abandonedPerYear:
        return "the abandonment bar from " + std::to_string(kLowestAbandoned) + " to " +
               std::to_string(kHighestAbandoned);
    case CalibratedInput::immigrantsPerYear:
        return "females arriving per year from 0 to " + std::to_string(kMostImmigrantsMatched);
    case CalibratedInput::carryingCapacity:
        return "the street carrying capacity from 1 to " + formatPlain(kMostCapacityMatched, NumberLocale{});
    }
    return {};
}

// The request's own value of the input, as a fault names it.
std::string ownValueText(const ModelInputs& inputs, CalibratedInput input)
{
    switch (input) {
    case CalibratedInput::abandonedPerYear: return std::to_string(static_cast<long long>(inputs.abandonedPerYear));
    case CalibratedInput::immigrantsPerYear: return shortestText(inputs.immigrantsPerYear);
    case CalibratedInput::carryingCapacity:
        return inputs.carryingCapacity ? shortestText(*inputs.carryingCapacity) : "no capacity";
    }
    return {};
}

// Every value tried so far, by its index among the input's values, and the street total its run
// gave in the survey year.
class Trials {
public:
    Trials(const CalibrationRequest& request, const std::vector<double>& values, const BatchRunner& runner)
        : request_(request),
          values_(values),
          runner_(runner),
          state_(values.size(), State::Untried),
          streetTotal_(values.size(), 0.0)
    { }

    int last() const { return static_cast<int>(values_.size()) - 1; }

    // Runs the model for each index not yet tried, in parallel.
    void tryIndices(const std::vector<int>& indices)
    {
        std::vector<int> untried;
        for (int index : indices)
            if (state_[index] == State::Untried) untried.push_back(index);
        runner_.forEachRange(untried.size(), [&](std::size_t begin, std::size_t end) {
            ModelInputs inputs = request_.inputs;
            ModelResult result;
            for (std::size_t i = begin; i < end; ++i) {
                const int index = untried[i];
                setCalibratedValue(inputs, request_.adjusted, values_[index]);
                if (runModelInto(inputs, request_.killedByYear, result)) {
                    state_[index] = State::Faulted;
                } else {
                    state_[index] = State::Valid;
                    streetTotal_[index] = result.series.streetTotal[request_.surveyYear];
                }
            }
        });
    }

    void tryIndex(int index)
    {
        if (index >= 0 && index <= last()) tryIndices({index});
    }

    bool valid(int index) const { return index >= 0 && index <= last() && state_[index] == State::Valid; }
    double streetTotal(int index) const { return streetTotal_[index]; }

    // Whether `index` matches the count better than `other`: nearer, or as near and lower.
    bool better(int index, int other) const
    {
        const Distance mine = distance(streetTotal_[index], request_.count);
        const Distance theirs = distance(streetTotal_[other], request_.count);
        return mine < theirs || (mine == theirs && index < other);
    }

    // The best index tried so far; nullopt when none was valid.
    std::optional<int> best() const
    {
        std::optional<int> best;
        for (int index = 0; index <= last(); ++index)
            if (state_[index] == State::Valid && (!best || better(index, *best))) best = index;
        return best;
    }

    // The valid index tried nearest below (step -1) or above (+1) `index`, or the end of the values.
    int validSampleBeside(int index, int step) const
    {
        for (int other = index + step; other >= 0 && other <= last(); other += step)
            if (state_[other] == State::Valid) return other;
        return step < 0 ? 0 : last();
    }

    // Whether the count lies within the street totals of the values tried.
    bool reached() const
    {
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -lowest;
        for (int index = 0; index <= last(); ++index) {
            if (state_[index] != State::Valid) continue;
            lowest = std::min(lowest, streetTotal_[index]);
            highest = std::max(highest, streetTotal_[index]);
        }
        return lowest <= request_.count && request_.count <= highest;
    }

private:
    enum class State : unsigned char { Untried, Valid, Faulted };
    const CalibrationRequest& request_;
    const std::vector<double>& values_;
    const BatchRunner& runner_;
    std::vector<State> state_;  // by index
    std::vector<double> streetTotal_;  // of the valid ones
};

// Every index lowest..highest.
std::vector<int> indicesFrom(int lowest, int highest)
{
    std::vector<int> indices;
    for (int index = lowest; index <= highest; ++index) indices.push_back(index);
    return indices;
}

// The first index and every multiple of the sample step up to the last.
std::vector<int> samples(int last)
{
    std::vector<int> indices{0};
    for (int index = kSampleStep; index <= last; index += kSampleStep) indices.push_back(index);
    return indices;
}

[[noreturn]] void raiseEveryValueFaults(const CalibrationRequest& request)
{
    const ModelOutcome own = runModel(request.inputs, request.killedByYear);
    const std::string prefix = "matching a count: every value of " + rangeName(request.adjusted) +
                               " makes the run fault";
    if (own.ok()) throw Fault(FaultKind::ImpossibleState, prefix);
    throw Fault(own.fault().kind(),
                prefix + "; at " + ownValueText(request.inputs, request.adjusted) + ": " + own.fault().what(),
                own.fault().field());
}

}  // namespace

void setCalibratedValue(ModelInputs& inputs, CalibratedInput input, double value)
{
    switch (input) {
    case CalibratedInput::abandonedPerYear: inputs.abandonedPerYear = value; return;
    case CalibratedInput::immigrantsPerYear: inputs.immigrantsPerYear = value; return;
    case CalibratedInput::carryingCapacity: inputs.carryingCapacity = value; return;
    }
}

std::vector<double> calibrationValues(CalibratedInput input)
{
    std::vector<double> values;
    switch (input) {
    case CalibratedInput::abandonedPerYear:
        for (int value = kLowestAbandoned; value <= kHighestAbandoned; ++value) values.push_back(value);
        break;
    case CalibratedInput::immigrantsPerYear:
        for (int value = 0; value <= kMostImmigrantsMatched; ++value) values.push_back(value);
        break;
    case CalibratedInput::carryingCapacity:
        // 1..999, then 100..999 times each power of ten: every whole number with at most three
        // significant figures, up to the most.
        for (int value = 1; value <= 999; ++value) values.push_back(value);
        for (double power = 10; 100 * power <= kMostCapacityMatched; power *= 10)
            for (int leading = 100; leading <= 999 && leading * power <= kMostCapacityMatched; ++leading)
                values.push_back(leading * power);
        break;
    }
    return values;
}

std::optional<std::string> calibrationProblem(int surveyYear, double count)
{
    if (surveyYear < kFirstSurveyYear || surveyYear > kLastYear)
        return "the survey year " + std::to_string(surveyYear) + " lies outside " + std::to_string(kFirstSurveyYear) +
               ".." + std::to_string(kLastYear);
    if (!(count > 0 && count <= kMostCount))
        return "the count " + shortestText(count) + " is not a number above 0 and at most " +
               formatPlain(kMostCount, NumberLocale{});
    return std::nullopt;
}

Calibration matchCount(const CalibrationRequest& request, const BatchRunner& runner)
{
    if (std::optional<std::string> problem = calibrationProblem(request.surveyYear, request.count))
        throw std::invalid_argument(*problem);

    CalibrationRequest taken = request;
    taken.inputs = asTheWindowRuns(request.inputs);
    const std::vector<double> values = calibrationValues(request.adjusted);
    Trials trials(taken, values, runner);
    trials.tryIndices(samples(trials.last()));
    std::optional<int> found = trials.best();
    if (!found) {
        // Every sample faulted: the valid values, if any, lie between them.
        trials.tryIndices(indicesFrom(0, trials.last()));
        found = trials.best();
        if (!found) raiseEveryValueFaults(taken);
    }
    // With the street total rising in the value, the nearest value lies between the valid samples
    // either side of the best one.
    trials.tryIndices(indicesFrom(trials.validSampleBeside(*found, -1), trials.validSampleBeside(*found, +1)));
    int best = *trials.best();
    // Should the total not rise everywhere, move on while a neighbour is nearer.
    for (bool moved = true; moved;) {
        moved = false;
        for (int neighbour : {best - 1, best + 1}) {
            trials.tryIndex(neighbour);
            if (trials.valid(neighbour) && trials.better(neighbour, best)) {
                best = neighbour;
                moved = true;
                break;
            }
        }
    }

    Calibration calibration;
    calibration.surveyYear = request.surveyYear;
    calibration.count = request.count;
    calibration.adjusted = request.adjusted;
    calibration.value = values[best];
    calibration.streetTotal = trials.streetTotal(best);
    calibration.difference = calibration.streetTotal - request.count;
    calibration.reached = trials.reached();
    return calibration;
}

}  // namespace karnoth
