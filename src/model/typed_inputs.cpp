#include "model/typed_inputs.h"

#include "support/fault.h"
#include "support/number_masks.h"

#include <cmath>
#include <string>

namespace karnoth {

double TypedInputs::number(InputField field)
{
    switch (field) {
    case InputField::adultSurvival: return in_.adultSurvival;
    case InputField::streetJuvenileSurvival: return in_.streetJuvenileSurvival;
    case InputField::ageAtFirstLitter: return in_.ageAtFirstLitter;
    case InputField::ageAtLastLitter: return in_.ageAtLastLitter;
    case InputField::probPregnant: return in_.probPregnant;
    case InputField::femalePupsPerLitter: return in_.femalePupsPerLitter;
    case InputField::ownedSterilisedPercent: return in_.ownedSterilisedPercent;
    case InputField::firstYearMultiplier: return in_.firstYearMultiplier;
    case InputField::abandonedPerYear: return in_.abandonedPerYear;
    case InputField::programmeRate: return in_.programmeRate;
    case InputField::ownedShare: return in_.ownedShare;
    case InputField::programmeStart: return in_.programmeStart;
    case InputField::cullFrom: return in_.cullFrom;
    case InputField::cullTo: return in_.cullTo;
    case InputField::immigrantsPerYear: return in_.immigrantsPerYear;
    case InputField::compensation: return in_.compensation;
    case InputField::carryingCapacity:
    case InputField::programmeStop:
    case InputField::operationsPerYear: break;  // may be none: optionalNumber, optionalYear
    }
    return 0;
}

std::optional<double> TypedInputs::optionalNumber(InputField field)
{
    switch (field) {
    case InputField::carryingCapacity: return in_.carryingCapacity;
    case InputField::operationsPerYear: return in_.operationsPerYear;
    default: return number(field);
    }
}

std::optional<int> TypedInputs::optionalYear(InputField field)
{
    if (field == InputField::programmeStop) return in_.programmeStop;
    return year(field);
}

const YearlySeries& TypedInputs::killedByYear()
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const float count = killed_.at1950Plus(year - kFirstYear);
        if (!(count >= 0) || !std::isfinite(count)) [[unlikely]]
            throw Fault(FaultKind::OutsideRange,
                        "the dogs killed in " + std::to_string(year) + " (" +
                            (std::isfinite(count) ? formatPlain(count, NumberLocale{}) : "not a number") +
                            ") must be a finite count of 0 or more");
    }
    return killed_;
}

}  // namespace karnoth
