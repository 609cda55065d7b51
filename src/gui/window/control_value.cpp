#include "gui/window/control_value.h"

#include "app/form1.h"

namespace karnoth::gui {

ControlSetting settingOf(const Form1& form, std::string_view name)
{
    const Control& control = form.control(name);
    switch (control.row->kind) {
    case ControlKind::TextBox: return control.text;
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
    case ControlKind::CheckBox: return control.value;
    default: throw ControlError(std::string(name) + " holds no input value");
    }
}

void checkControlValue(const Form1& form, const ControlValue& value)
{
    const Control& control = form.control(value.name);
    if (std::holds_alternative<std::string>(value.setting)) {
        form.checkTyping(value.name);
        return;
    }
    const int number = std::get<int>(value.setting);
    if (control.row->kind == ControlKind::CheckBox)
        form.checkCheckValue(value.name, number);
    else
        form.checkScrollValue(value.name, number);
}

}  // namespace karnoth::gui
