#include "analysis/input_domains.h"

#include "analysis/shortest_text.h"
#include "catalogue/input_catalogue.h"
#include "support/fault.h"

#include <cmath>

namespace karnoth {

std::optional<BarRange> barRangeOf(InputField field)
{
    const InputRow* row = findInput(field);
    if (!row || !row->bar) return std::nullopt;
    return BarRange{double(row->bar->lowest), double(row->bar->highest)};
}

ModelInputs asTheWindowRuns(ModelInputs inputs)
{
    inputs.ageAtFirstLitter = ageAtFirstLitterTaken(inputs.ageAtFirstLitter);
    return inputs;
}

namespace {

// The inputs of a real town whose range an analysis's range must keep to: a range that leaves it
// would make every replicate near that end fault, and a capacity or compensation of 0 has no
// meaning at all, so it is refused before any run.
bool rangeKeptToDomain(InputField field)
{
    switch (field) {
    case InputField::immigrantsPerYear:
    case InputField::carryingCapacity:
    case InputField::compensation:
    case InputField::operationsPerYear: return true;
    default: return false;
    }
}

bool insideDomain(InputField field, double value)
{
    try {
        requireInRange(field, value);
        return true;
    } catch (const Fault&) {
        return false;
    }
}

}  // namespace

std::optional<std::string> variedRangeProblem(InputField field, double low, double high)
{
    const std::string caption(fieldCaption(field));
    if (!std::isfinite(low) || !std::isfinite(high)) return "the range of " + caption + " must have finite ends";
    if (low > high)
        return "the range of " + caption + ": the low end " + shortestText(low) + " lies above the high end " +
               shortestText(high);
    const std::optional<BarRange> bar = barRangeOf(field);
    if (bar && (low < bar->lowest || high > bar->highest))
        return "the range " + shortestText(low) + " to " + shortestText(high) + " of " + caption +
               " leaves its bar's range, " + shortestText(bar->lowest) + " to " + shortestText(bar->highest);
    if (rangeKeptToDomain(field) && !(insideDomain(field, low) && insideDomain(field, high)))
        return "the range " + shortestText(low) + " to " + shortestText(high) + " of " + caption +
               " leaves its range, " + std::string(fieldRangeWords(field));
    return std::nullopt;
}

}  // namespace karnoth
