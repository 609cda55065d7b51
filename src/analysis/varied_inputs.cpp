#include "analysis/varied_inputs.h"

#include <stdexcept>
#include <string>

namespace karnoth {
namespace {

double ModelInputs::*requiredMemberOf(InputField field)
{
    const InputRow* row = findInput(field);
    double ModelInputs::*member = row ? row->number : nullptr;
    if (!member)
        throw std::invalid_argument(std::string(fieldCaption(field)) + " is a year, which the analyses do not vary");
    return member;
}

}  // namespace

std::optional<std::size_t> variedPosition(InputField field)
{
    const InputRow* row = findInput(field);
    if (!row || row->variedPosition < 0) return std::nullopt;
    return static_cast<std::size_t>(row->variedPosition);
}

double inputValue(const ModelInputs& inputs, InputField field)
{
    return inputs.*requiredMemberOf(field);
}

void setInputValue(ModelInputs& inputs, InputField field, double value)
{
    inputs.*requiredMemberOf(field) = value;
}

}  // namespace karnoth
