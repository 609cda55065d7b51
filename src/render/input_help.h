#pragma once
// What each input of the window means, in words a user reads: its caption, meaning, unit and
// range, for the inputs' tool tips, the "About the model" help, undo step names and the report. The
// words are the input catalogue's (catalogue/input_catalogue.h), translated here; the ranges are the
// model's own (input_field.h) and the catalogue's bars, so the words cannot drift from what is checked.

#include <QString>

#include <string_view>
#include <vector>

namespace karnoth::render {

struct InputDescription {
    QString caption;  // the words beside the input ("adult survival")
    QString meaning;
    QString unit;
    QString range;
    QString initial;  // the layout's own value, in the input's unit
};

// The description of the input control `name` (a text box, scroll bar or check box); an empty
// caption for any other control.
InputDescription describeInput(std::string_view name);

// The caption a user knows the control by: the input's, else the control's own name.
QString inputCaption(std::string_view name);

// Meaning, unit and range in a few plain lines.
QString inputToolTip(std::string_view name);

// Every input control in the order the help and the report list them: life history, owned dogs,
// the programme, culling, then the chart.
std::vector<std::string_view> describedInputs();

// A control's setting as the user reads it, in the unit describeInput gives: a text as typed (an
// optional one left blank "empty", the neutral value its note explains), the rate bar in per cent (252 is "25.2"),
// another bar as a grouped whole number ("4,000"), a check box "ticked" or "not ticked".
QString inputValueText(std::string_view name, const std::string& text, int value);

// "About the model": every input with its unit and range, then the model's limits.
QString modelHelpHtml();

}  // namespace karnoth::render
