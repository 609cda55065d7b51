#include "model/input_field.h"

#include "support/fault.h"
#include "support/number_masks.h"
#include "support/translate_noop.h"

#include <cmath>
#include <limits>
#include <string>

namespace karnoth {
namespace {

struct Range {
    double lowest;
    double highest;  // infinity: no upper bound
    bool highestIncluded;  // adult survival stops short of 1
    const char* words;
    bool lowestIncluded = true;  // a carrying capacity lies above 0
};

constexpr double kNoBound = std::numeric_limits<double>::infinity();
constexpr Range kAtLeastZero{0, kNoBound, false, KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "at least 0")};
constexpr Range kShare{0, 1, true, KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "0 to 1")};
constexpr Range kPercent{0, 100, true, KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "0 to 100")};

struct FieldInfo {
    std::string_view caption;
    const Range* range;  // nullptr for a year
};

FieldInfo info(InputField field)
{
    static constexpr Range kSurvival{0, 1, false, KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "at least 0 and below 1")};
    static constexpr Range kRate{0, 1000, true, KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "0 to 1000")};
    static constexpr Range kAboveZero{0, kNoBound, false, KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "above 0"), false};
    static constexpr Range kCompensation{0, 20, true,
                                         KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "above 0 and at most 20"), false};
    switch (field) {
    case InputField::adultSurvival: return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "adult survival"), &kSurvival};
    case InputField::streetJuvenileSurvival:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "juvenile survival"), &kShare};
    case InputField::ageAtFirstLitter:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "age at first litter"), &kAtLeastZero};
    case InputField::ageAtLastLitter:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "age at last litter"), &kAtLeastZero};
    case InputField::probPregnant: return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "prob. pregnant"), &kShare};
    case InputField::femalePupsPerLitter:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "female pups per litter"), &kAtLeastZero};
    case InputField::ownedSterilisedPercent:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "% owned dogs sterilised"), &kPercent};
    case InputField::firstYearMultiplier:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "times in first year"), &kAtLeastZero};
    case InputField::abandonedPerYear:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "abandoned per year"), &kAtLeastZero};
    case InputField::programmeRate:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "sterilisation rate (tenths of a %)"), &kRate};
    case InputField::ownedShare:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "share aimed at owned dogs (%)"), &kPercent};
    case InputField::programmeStart:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "sterilising starts in"), nullptr};
    case InputField::cullFrom: return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "dogs killed from"), nullptr};
    case InputField::cullTo: return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "dogs killed to"), nullptr};
    case InputField::immigrantsPerYear:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "females arriving per year"), &kAtLeastZero};
    case InputField::carryingCapacity:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "street carrying capacity"), &kAboveZero};
    case InputField::compensation: return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "compensation"), &kCompensation};
    case InputField::programmeStop:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "sterilising stops after"), nullptr};
    case InputField::operationsPerYear:
        return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "sterilisations per year"), &kAtLeastZero};
    }
    return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "an input"), nullptr};
}

bool inside(const Range& range, double value)
{
    if (!std::isfinite(value) || value < range.lowest || (!range.lowestIncluded && value == range.lowest)) return false;
    return range.highestIncluded ? value <= range.highest : value < range.highest;
}

// A value as a message shows it: the shortest plain form, or its name when it is not finite.
std::string shownValue(double value)
{
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "infinity" : "-infinity";
    return formatPlain(value, NumberLocale{});
}

}  // namespace

std::string_view fieldCaption(InputField field)
{
    return info(field).caption;
}

std::string_view fieldRangeWords(InputField field)
{
    const Range* range = info(field).range;
    return range ? range->words : std::string_view();
}

void requireInRange(InputField field, double value)
{
    const FieldInfo about = info(field);
    if (!about.range || inside(*about.range, value)) [[likely]]
        return;
    throw Fault(FaultKind::OutsideRange,
                Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1 %2 is outside its range: %3"),
                       {std::string(about.caption), shownValue(value), std::string(about.range->words)},
                       0b101},
                std::string(about.caption));
}

void requireLastLitterNotBeforeFirst(double ageAtLastLitter, double ageAtFirstLitter)
{
    if (ageAtLastLitter >= ageAtFirstLitter) [[likely]]
        return;
    const std::string caption(fieldCaption(InputField::ageAtLastLitter));
    throw Fault(FaultKind::OutsideRange,
                Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase",
                                              "%1 %2 is outside its range: not below the age at first litter (%3)"),
                       {caption, shownValue(ageAtLastLitter), shownValue(ageAtFirstLitter)},
                       0b1},
                caption);
}

void requireStopNotBeforeStart(int programmeStop, int programmeStart)
{
    if (programmeStop >= programmeStart) [[likely]]
        return;
    const std::string caption(fieldCaption(InputField::programmeStop));
    throw Fault(
        FaultKind::OutsideRange,
        Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1 %2 is outside its range: not before the start year (%3)"),
               {caption, std::to_string(programmeStop), std::to_string(programmeStart)},
               0b1},
        caption);
}

}  // namespace karnoth
