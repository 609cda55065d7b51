#pragma once
// The uncertainty view's kept settings (UncertaintySettings) read as a request: the ticked ranges
// in the window's order of varied inputs, each end a number the analyses take, with the replicates,
// seed and year-to-year chance. The view reads its own boxes through these, and the planner reads
// the kept settings through them, so that both draw the same replicates for the same settings.

#include "analysis/uncertainty.h"
#include "app/view_settings.h"
#include "panel/window_inputs.h"

#include <QString>

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace karnoth::gui {

struct RangeReading {
    std::vector<ParameterRange> ranges;  // the ticked inputs, in the window's order
    std::optional<QString> problem;  // the first unusable range, named by its caption
};

// The ticked ranges of `kept` (by control name), or the first that cannot be used.
RangeReading readKeptRanges(const std::map<std::string, KeptRange>& kept);

// The settings draw something: a ticked range, a year-to-year SD or whole dogs.
bool drawsAnything(const UncertaintySettings& settings);

// The request of `settings` for a run's inputs (its target and anchor left unset), or why a range
// cannot be used.
std::variant<UncertaintyRequest, QString> uncertaintyRequestOf(const UncertaintySettings& settings,
                                                               const WindowInputs& run);

}  // namespace karnoth::gui
