#include "panel/form_inputs.h"

#include "catalogue/input_catalogue.h"
#include "support/numeric_text.h"

namespace karnoth {

std::string_view controlOf(InputField field)
{
    const InputRow* row = findInput(field);
    return row ? row->control : std::string_view();
}

std::optional<std::string_view> controlNamedBy(std::string_view caption)
{
    if (caption.empty()) return std::nullopt;
    for (const InputRow& row : kInputCatalogue)
        if (row.field && fieldCaption(*row.field) == caption) return row.control;
    return std::nullopt;
}

double FormInputs::number(InputField field)
{
    const InputRow& row = inputRow(field);
    if (row.conversion == Conversion::barValue) return form_.value(row.control);
    return textToDouble(form_.text(row.control), fieldCaption(field));
}

int FormInputs::year(InputField field)
{
    return textToInteger16(form_.text(controlOf(field)), fieldCaption(field));
}

bool blankText(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<double> FormInputs::optionalNumber(InputField field)
{
    const std::string text = form_.text(controlOf(field));
    if (blankText(text)) return std::nullopt;
    return textToDouble(text, fieldCaption(field));
}

std::optional<int> FormInputs::optionalYear(InputField field)
{
    const std::string text = form_.text(controlOf(field));
    if (blankText(text)) return std::nullopt;
    return textToInteger16(text, fieldCaption(field));
}

const YearlySeries& FormInputs::killedByYear()
{
    if (!killedByYear_) killedByYear_ = form_.killedByYear();
    return *killedByYear_;
}

bool FormInputs::onlyYearlings()
{
    return form_.isChecked(control::chkSterilise);
}

}  // namespace karnoth
