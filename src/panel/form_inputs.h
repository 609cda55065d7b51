#pragma once
// The model's inputs as the window holds them: each text converted, with its caption in any fault,
// at the moment the run or an indicator asks for it; the scroll bars' values as numbers; the
// culling counts read from "killed.txt" when the run first needs them.

#include "model/run_steps.h"
#include "panel/panel_controls.h"

#include <optional>
#include <string_view>

namespace karnoth {

// The control that holds a field ("txtAdultSurv" for adultSurvival).
std::string_view controlOf(InputField field);

// The control of the input a fault names by its caption (Fault::field()); nullopt for none.
std::optional<std::string_view> controlNamedBy(std::string_view caption);

// A text that is empty or only blanks and tabs: an optional input left at its neutral value.
bool blankText(std::string_view text);

class FormInputs final : public InputSource {
public:
    explicit FormInputs(PanelControls& form) : form_(form) { }

    double number(InputField field) override;
    int year(InputField field) override;
    std::optional<double> optionalNumber(InputField field) override;
    std::optional<int> optionalYear(InputField field) override;
    const YearlySeries& killedByYear() override;
    bool onlyYearlings() override;

private:
    PanelControls& form_;
    std::optional<YearlySeries> killedByYear_;
};

}  // namespace karnoth
