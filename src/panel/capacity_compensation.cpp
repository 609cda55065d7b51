#include "panel/capacity_compensation.h"

#include "catalogue/input_catalogue.h"
#include "panel/form_inputs.h"
#include "support/numeric_text.h"

#include <string>

namespace karnoth {

ModelInputs withCompensationOfWindow(ModelInputs inputs, const PanelControls& form)
{
    if (inputs.carryingCapacity) return inputs;
    const std::string text = form.text(controlOf(InputField::compensation));
    if (text.find_first_not_of(" \t") != std::string::npos)
        inputs.compensation = textToDouble(text, fieldCaption(InputField::compensation));
    return inputs;
}

}  // namespace karnoth
