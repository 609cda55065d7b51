#include "gui/analyses/kept_uncertainty.h"

#include "analysis/input_domains.h"
#include "analysis/varied_inputs.h"
#include "model/input_field.h"
#include "panel/form_inputs.h"
#include "support/numeric_text.h"
#include "support/phrase.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace karnoth::gui {
namespace {

// The words of the ranges, in the context the view's rows were translated in.
struct RangeWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::gui::RangeInputs)
};

std::optional<double> endOf(const std::string& text)
{
    const ParsedNumber parsed = parseNumber(text);
    if (parsed.status != ParseStatus::Ok || !std::isfinite(parsed.value)) return std::nullopt;
    return parsed.value;
}

}  // namespace

RangeReading readKeptRanges(const std::map<std::string, KeptRange>& kept)
{
    RangeReading reading;
    for (InputField field : kVariedInputs) {
        const auto row = kept.find(std::string(controlOf(field)));
        if (row == kept.end() || !row->second.varied) continue;
        const std::optional<double> low = endOf(row->second.low);
        const std::optional<double> high = endOf(row->second.high);
        if (!low || !high) {
            const QString caption = QCoreApplication::translate(kPhraseContext,
                                                                std::string(fieldCaption(field)).c_str());
            const std::string& bad = low ? row->second.high : row->second.low;
            reading.problem =
                RangeWords::tr("The range of %1: \"%2\" is not a number.").arg(caption, QString::fromStdString(bad));
            return reading;
        }
        if (const std::optional<std::string> problem = variedRangeProblem(field, *low, *high)) {
            reading.problem = QString::fromStdString(*problem);
            return reading;
        }
        reading.ranges.push_back({field, *low, *high});
    }
    return reading;
}

bool drawsAnything(const UncertaintySettings& settings)
{
    return YearlyChance{settings.yearToYearSd, settings.wholeDogs}.any() ||
           std::any_of(settings.ranges.begin(), settings.ranges.end(),
                       [](const auto& range) { return range.second.varied; });
}

std::variant<UncertaintyRequest, QString> uncertaintyRequestOf(const UncertaintySettings& settings,
                                                               const WindowInputs& run)
{
    RangeReading reading = readKeptRanges(settings.ranges);
    if (reading.problem) return *reading.problem;
    UncertaintyRequest request;
    request.inputs = run.inputs;
    request.killedByYear = run.killedByYear;
    request.replicates = static_cast<std::size_t>(settings.replicates);
    request.seed = static_cast<std::uint64_t>(settings.seed);
    request.ranges = std::move(reading.ranges);
    request.chance = YearlyChance{settings.yearToYearSd, settings.wholeDogs};
    return request;
}

}  // namespace karnoth::gui
