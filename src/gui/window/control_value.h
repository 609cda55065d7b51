#pragma once
// One control's value as a user would set it: the text of a text box, the value of a scroll bar or
// check box. Views that set several inputs at once (a planner cell, a calibration, a scenario)
// describe them so; the window applies them as ordinary change events.

#include "app/layout.h"

#include <string>
#include <string_view>
#include <variant>

namespace karnoth {
class Form1;
}

namespace karnoth::gui {

using ControlSetting = std::variant<std::string, int>;  // text, or value

struct ControlValue {
    std::string name;  // the control's layout name ("txtAdultSurv", "hscSterilise")
    ControlSetting setting;

    static ControlValue text(std::string name, std::string text) { return {std::move(name), std::move(text)}; }
    static ControlValue value(std::string name, int value) { return {std::move(name), value}; }
    friend bool operator==(const ControlValue&, const ControlValue&) = default;
};

// A control the user sets: a text box, scroll bar or check box.
inline bool isInputKind(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar ||
           kind == ControlKind::CheckBox;
}

// What the control holds in the window model now: a text box's text, a bar's or check box's value.
// ControlError for an unknown name or a control that holds neither.
ControlSetting settingOf(const Form1& form, std::string_view name);

// ControlError unless `value` could be applied: a text for a text box, a value within a scroll
// bar's range, 0 or 1 for a check box.
void checkControlValue(const Form1& form, const ControlValue& value);

}  // namespace karnoth::gui
