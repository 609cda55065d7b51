#include "analysis/input_domains.h"

#include "analysis/shortest_text.h"
#include "catalogue/input_catalogue.h"

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
    return std::nullopt;
}

}  // namespace karnoth
