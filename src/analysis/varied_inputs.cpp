#include "analysis/varied_inputs.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace karnoth {
namespace {

const InputRow& requiredRowOf(InputField field)
{
    const InputRow* row = findInput(field);
    if (!row || (!row->number && !row->optionalNumber))
        throw std::invalid_argument(std::string(fieldCaption(field)) + " is a year, which the analyses do not vary");
    return *row;
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
    const InputRow& row = requiredRowOf(field);
    return row.number ? inputs.*row.number
                      : (inputs.*row.optionalNumber).value_or(std::numeric_limits<double>::quiet_NaN());
}

bool inputInUse(const ModelInputs& inputs, InputField field)
{
    switch (field) {
    case InputField::immigrantsPerYear: return inputs.immigrantsPerYear != 0;
    case InputField::carryingCapacity:
    case InputField::compensation: return inputs.carryingCapacity.has_value();
    case InputField::operationsPerYear: return inputs.operationsPerYear.has_value();
    default: return true;
    }
}

void setInputValue(ModelInputs& inputs, InputField field, double value)
{
    const InputRow& row = requiredRowOf(field);
    if (row.number)
        inputs.*row.number = value;
    else
        inputs.*row.optionalNumber = value;
}

}  // namespace karnoth
