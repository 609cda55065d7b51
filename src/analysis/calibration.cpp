#include "analysis/calibration.h"

#include "analysis/input_domains.h"
#include "analysis/shortest_text.h"
#include "model/engine.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace karnoth {
namespace {

// Bar values between samples: about 300 samples, then at most two gaps of this many values.
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

// Every value of the bar tried so far and the street total its run gave in the survey year.
class Trials {
public:
    Trials(const CalibrationRequest& request, const BatchRunner& runner)
        : request_(request),
          runner_(runner),
          state_(kHighestAbandoned + 1, State::Untried),
          streetTotal_(kHighestAbandoned + 1, 0.0)
    { }

    // Runs the model for each value not yet tried, in parallel.
    void tryValues(const std::vector<int>& values)
    {
        std::vector<int> untried;
        for (int value : values)
            if (state_[value] == State::Untried) untried.push_back(value);
        runner_.forEachRange(untried.size(), [&](std::size_t begin, std::size_t end) {
            ModelInputs inputs = request_.inputs;
            ModelResult result;
            for (std::size_t i = begin; i < end; ++i) {
                const int value = untried[i];
                inputs.abandonedPerYear = value;
                if (runModelInto(inputs, request_.killedByYear, result)) {
                    state_[value] = State::Faulted;
                } else {
                    state_[value] = State::Valid;
                    streetTotal_[value] = result.series.streetTotal[request_.surveyYear];
                }
            }
        });
    }

    void tryValue(int value)
    {
        if (value >= kLowestAbandoned && value <= kHighestAbandoned) tryValues({value});
    }

    bool valid(int value) const
    {
        return value >= kLowestAbandoned && value <= kHighestAbandoned && state_[value] == State::Valid;
    }
    double streetTotal(int value) const { return streetTotal_[value]; }

    // Whether `value` matches the count better than `other`: nearer, or as near and lower.
    bool better(int value, int other) const
    {
        const Distance mine = distance(streetTotal_[value], request_.count);
        const Distance theirs = distance(streetTotal_[other], request_.count);
        return mine < theirs || (mine == theirs && value < other);
    }

    // The best value tried so far; 0 when none was valid.
    int best() const
    {
        int best = 0;
        for (int value = kLowestAbandoned; value <= kHighestAbandoned; ++value)
            if (state_[value] == State::Valid && (best == 0 || better(value, best))) best = value;
        return best;
    }

    // The valid value tried nearest below (step -1) or above (+1) `value`, or the bar's end.
    int validSampleBeside(int value, int step) const
    {
        for (int other = value + step; other >= kLowestAbandoned && other <= kHighestAbandoned; other += step)
            if (state_[other] == State::Valid) return other;
        return step < 0 ? kLowestAbandoned : kHighestAbandoned;
    }

    // Whether the count lies within the street totals of the values tried.
    bool reached() const
    {
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -lowest;
        for (int value = kLowestAbandoned; value <= kHighestAbandoned; ++value) {
            if (state_[value] != State::Valid) continue;
            lowest = std::min(lowest, streetTotal_[value]);
            highest = std::max(highest, streetTotal_[value]);
        }
        return lowest <= request_.count && request_.count <= highest;
    }

private:
    enum class State : unsigned char { Untried, Valid, Faulted };
    const CalibrationRequest& request_;
    const BatchRunner& runner_;
    std::vector<State> state_;  // by value of the bar; 0 unused
    std::vector<double> streetTotal_;  // of the valid ones
};

// Every value lowest..highest.
std::vector<int> valuesFrom(int lowest, int highest)
{
    std::vector<int> values;
    for (int value = lowest; value <= highest; ++value) values.push_back(value);
    return values;
}

// The bar's lowest value and every multiple of the sample step up to its highest.
std::vector<int> samples()
{
    std::vector<int> values{kLowestAbandoned};
    for (int value = kSampleStep; value <= kHighestAbandoned; value += kSampleStep) values.push_back(value);
    return values;
}

[[noreturn]] void raiseEveryValueFaults(const CalibrationRequest& request)
{
    const ModelOutcome own = runModel(request.inputs, request.killedByYear);
    const std::string ownValue = std::to_string(static_cast<long long>(request.inputs.abandonedPerYear));
    const std::string prefix = "matching a count: every value of the abandonment bar from " +
                               std::to_string(kLowestAbandoned) + " to " + std::to_string(kHighestAbandoned) +
                               " makes the run fault";
    if (own.ok()) throw Fault(FaultKind::ImpossibleState, prefix);
    throw Fault(own.fault().kind(), prefix + "; at " + ownValue + ": " + own.fault().what(), own.fault().field());
}

}  // namespace

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
    Trials trials(taken, runner);
    trials.tryValues(samples());
    int best = trials.best();
    if (best == 0) {
        // Every sample faulted: the valid values, if any, lie between them.
        trials.tryValues(valuesFrom(kLowestAbandoned, kHighestAbandoned));
        best = trials.best();
        if (best == 0) raiseEveryValueFaults(taken);
    }
    // With the street total rising in the number abandoned, the nearest value lies between the
    // valid samples either side of the best one.
    trials.tryValues(valuesFrom(trials.validSampleBeside(best, -1), trials.validSampleBeside(best, +1)));
    best = trials.best();
    // Should the total not rise everywhere, move on while a neighbour is nearer.
    for (bool moved = true; moved;) {
        moved = false;
        for (int neighbour : {best - 1, best + 1}) {
            trials.tryValue(neighbour);
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
    calibration.abandonedPerYear = best;
    calibration.streetTotal = trials.streetTotal(best);
    calibration.difference = calibration.streetTotal - request.count;
    calibration.reached = trials.reached();
    return calibration;
}

}  // namespace karnoth
