#include "analysis/varied_inputs.h"

#include <stdexcept>
#include <string>

namespace karnoth {
namespace {

double ModelInputs::* requiredMemberOf(InputField field)
{
    const InputRow* row = findInput(field);
    double ModelInputs::* member = row ? row->number : nullptr;
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
