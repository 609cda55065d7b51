#include "analysis/varied_inputs.h"

#include <stdexcept>
#include <string>

namespace karnoth {
namespace {

// The member of ModelInputs that holds a varied input; nullptr for a year.
double ModelInputs::* memberOf(InputField field)
{
    switch (field) {
    case InputField::adultSurvival: return &ModelInputs::adultSurvival;
    case InputField::streetJuvenileSurvival: return &ModelInputs::streetJuvenileSurvival;
    case InputField::ageAtFirstLitter: return &ModelInputs::ageAtFirstLitter;
    case InputField::ageAtLastLitter: return &ModelInputs::ageAtLastLitter;
    case InputField::probPregnant: return &ModelInputs::probPregnant;
    case InputField::femalePupsPerLitter: return &ModelInputs::femalePupsPerLitter;
    case InputField::ownedSterilisedPercent: return &ModelInputs::ownedSterilisedPercent;
    case InputField::firstYearMultiplier: return &ModelInputs::firstYearMultiplier;
    case InputField::abandonedPerYear: return &ModelInputs::abandonedPerYear;
    case InputField::programmeRate: return &ModelInputs::programmeRate;
    case InputField::ownedShare: return &ModelInputs::ownedShare;
    case InputField::programmeStart:
    case InputField::cullFrom:
    case InputField::cullTo: break;
    }
    return nullptr;
}

double ModelInputs::* requiredMemberOf(InputField field)
{
    double ModelInputs::* member = memberOf(field);
    if (!member)
        throw std::invalid_argument(std::string(fieldCaption(field)) + " is a year, which the analyses do not vary");
    return member;
}

}  // namespace

std::optional<std::size_t> variedPosition(InputField field)
{
    for (std::size_t i = 0; i < kVariedInputs.size(); ++i)
        if (kVariedInputs[i] == field) return i;
    return std::nullopt;
}

double inputValue(const ModelInputs& inputs, InputField field) { return inputs.*requiredMemberOf(field); }

void setInputValue(ModelInputs& inputs, InputField field, double value) { inputs.*requiredMemberOf(field) = value; }

}  // namespace karnoth
