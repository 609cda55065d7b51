#pragma once
// The inputs an analysis moves: the rows of the input catalogue with a varied position (the eight
// life-history and owned-dog texts, the three scroll bars, then arrivals, capacity, compensation
// and operations), in that order. Years are never
// moved. An input's position in this list is what names it to the analyses (the Latin hypercube
// derives its stream from it), so a new input takes the next free position.

#include "catalogue/input_catalogue.h"

#include <array>
#include <optional>

namespace karnoth {

inline constexpr std::array<InputField, variedInputCount()> kVariedInputs = [] {
    std::array<InputField, variedInputCount()> fields{};
    for (const InputRow& row : kInputCatalogue)
        if (row.variedPosition >= 0) fields.at(static_cast<std::size_t>(row.variedPosition)) = *row.field;
    return fields;
}();

// The position of `field` in kVariedInputs; nullopt for a year field.
std::optional<std::size_t> variedPosition(InputField field);

// The number a run takes for `field` (a varied input), in the control's own units: the rate in
// tenths of a per cent, the share in per cent. NaN for a capacity or operations that are none.
double inputValue(const ModelInputs& inputs, InputField field);

// Whether the input changes the run at its value: the field's mechanisms only when they are on
// (arrivals above 0; a capacity, and its compensation, when set; operations when set); every
// other varied input always.
bool inputInUse(const ModelInputs& inputs, InputField field);

// Replaces that number; std::invalid_argument for a year field.
void setInputValue(ModelInputs& inputs, InputField field, double value);

}  // namespace karnoth
