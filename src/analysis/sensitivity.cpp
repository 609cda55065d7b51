#include "analysis/sensitivity.h"

#include "analysis/shortest_text.h"
#include "analysis/varied_inputs.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace karnoth {
namespace {

constexpr double kLeastAboveZero = std::numeric_limits<double>::min();
constexpr double kMostCompensation = 20;

double clamp(double value, double lowest, double highest)
{
    return std::min(std::max(value, lowest), highest);
}

// The outcome of a run, or its fault.
struct EndOutcome {
    std::optional<double> outcome;
    std::optional<std::string> fault;
};

EndOutcome outcomeOf(const ModelOutcome& run, int year)
{
    if (!run.ok()) return {std::nullopt, std::string(run.fault().what())};
    return {double(run.result().series.streetTotal[year]), std::nullopt};
}

}  // namespace

std::optional<std::string> sensitivityProblem(const SensitivityRequest& request)
{
    if (request.year < kFirstYear || request.year > kLastYear)
        return "the sensitivity year " + std::to_string(request.year) + " lies outside 1950..2050";
    if (!(request.deltaPercent > 0 && request.deltaPercent <= kMostDeltaPercent))
        return "the sensitivity delta " + shortestText(request.deltaPercent) +
               " must be a per cent above 0 and at most " + shortestText(kMostDeltaPercent);
    const std::pair<InputField, const BarRange*> bars[]{{InputField::abandonedPerYear, &request.abandonedRange},
                                                        {InputField::programmeRate, &request.rateRange},
                                                        {InputField::ownedShare, &request.shareRange}};
    for (const auto& [field, range] : bars)
        if (std::optional<std::string> problem = variedRangeProblem(field, range->lowest, range->highest))
            return problem;
    return std::nullopt;
}

double SensitivityRow::swing() const
{
    if (!outcomeLow || !outcomeHigh) return 0;
    return std::abs(*outcomeHigh - *outcomeLow);
}

double clampedEnd(const SensitivityRequest& request, InputField field, double moved)
{
    switch (field) {
    case InputField::streetJuvenileSurvival:
    case InputField::probPregnant: return clamp(moved, 0, 1);
    case InputField::ownedSterilisedPercent: return clamp(moved, 0, 100);
    case InputField::abandonedPerYear:
        return clamp(moved, request.abandonedRange.lowest, request.abandonedRange.highest);
    case InputField::programmeRate: return clamp(moved, request.rateRange.lowest, request.rateRange.highest);
    case InputField::ownedShare: return clamp(moved, request.shareRange.lowest, request.shareRange.highest);
    // Open at 0: an end of 0 (a delta of 100 %) becomes the least number above it.
    case InputField::carryingCapacity: return std::max(moved, kLeastAboveZero);
    case InputField::compensation: return clamp(moved, kLeastAboveZero, kMostCompensation);
    default: return std::max(moved, 0.0);  // adult survival's range is open above: an end at 1 faults
    }
}

std::optional<SensitivityResult> runSensitivity(const SensitivityRequest& request, const BatchRunner& runner,
                                                const BatchControl& control)
{
    if (std::optional<std::string> problem = sensitivityProblem(request)) throw std::invalid_argument(*problem);
    const double delta = request.deltaPercent;

    // Run 0 is the inputs as given; runs 2i + 1 and 2i + 2 are the low and high ends of input i.
    std::vector<SensitivityRow> rows;
    std::vector<ModelInputs> runs{asTheWindowRuns(request.inputs)};
    for (InputField field : kVariedInputs) {
        // A mechanism that is off (no arrivals, no capacity, no operations) has no value to move.
        if (!inputInUse(request.inputs, field)) continue;
        SensitivityRow row;
        row.field = field;
        row.value = inputValue(request.inputs, field);
        row.low = clampedEnd(request, field, row.value * (1 - delta / 100));
        row.high = clampedEnd(request, field, row.value * (1 + delta / 100));
        for (double end : {row.low, row.high}) {
            ModelInputs moved = request.inputs;
            setInputValue(moved, field, end);
            runs.push_back(asTheWindowRuns(moved));
        }
        rows.push_back(row);
    }
    const std::vector<ModelOutcome> outcomes = runner.run(runs, request.killedByYear, control);
    if (outcomes.empty()) return std::nullopt;

    SensitivityResult result;
    result.year = request.year;
    result.deltaPercent = delta;
    const EndOutcome base = outcomeOf(outcomes[0], request.year);
    result.outcome = base.outcome;
    result.fault = base.fault;
    if (base.fault) return result;

    for (std::size_t i = 0; i < rows.size(); ++i) {
        SensitivityRow& row = rows[i];
        const EndOutcome low = outcomeOf(outcomes[2 * i + 1], request.year);
        const EndOutcome high = outcomeOf(outcomes[2 * i + 2], request.year);
        row.outcomeLow = low.outcome;
        row.faultLow = low.fault;
        row.outcomeHigh = high.outcome;
        row.faultHigh = high.fault;
        // The values as the runs took them.
        const double value = inputValue(runs[0], row.field);
        const double takenLow = inputValue(runs[2 * i + 1], row.field);
        const double takenHigh = inputValue(runs[2 * i + 2], row.field);
        if (!row.faulted() && value != 0 && *result.outcome != 0 && takenHigh != takenLow)
            row.elasticity = ((*row.outcomeHigh - *row.outcomeLow) / *result.outcome) /
                             ((takenHigh - takenLow) / value);
    }
    // Largest swing first, ties in list order; faulted rows last, in list order.
    std::stable_sort(rows.begin(), rows.end(), [](const SensitivityRow& a, const SensitivityRow& b) {
        if (a.faulted() != b.faulted()) return b.faulted();
        if (a.faulted()) return false;
        return a.swing() > b.swing();
    });
    result.rows = std::move(rows);
    return result;
}

}  // namespace karnoth
