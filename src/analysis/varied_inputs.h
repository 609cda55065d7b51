#pragma once
// The inputs an analysis moves: the eight life-history and owned-dog texts and the three scroll
// bars, in the order the window lists them. Years are never moved. An input's position in this
// list is what names it to the analyses (the Latin hypercube derives its stream from it).

#include "model/input_field.h"
#include "model/model_inputs.h"

#include <array>
#include <optional>

namespace karnoth {

inline constexpr std::array<InputField, 11> kVariedInputs{
    InputField::adultSurvival,     InputField::streetJuvenileSurvival, InputField::ageAtFirstLitter,
    InputField::ageAtLastLitter,   InputField::probPregnant,           InputField::femalePupsPerLitter,
    InputField::ownedSterilisedPercent, InputField::firstYearMultiplier, InputField::abandonedPerYear,
    InputField::programmeRate,     InputField::ownedShare,
};

// The position of `field` in kVariedInputs; nullopt for a year field.
std::optional<std::size_t> variedPosition(InputField field);

// The number a run takes for `field` (a varied input), in the control's own units: the rate in
// tenths of a per cent, the share in per cent.
double inputValue(const ModelInputs& inputs, InputField field);

// Replaces that number; std::invalid_argument for a year field.
void setInputValue(ModelInputs& inputs, InputField field, double value);

}  // namespace karnoth
