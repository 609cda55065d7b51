#include "gui/widgets/decimal_point_validator.h"

namespace karnoth::gui {

QValidator::State DecimalPointValidator::validate(QString& input, int& /*position*/) const
{
    // One character for one: the cursor stays where it was.
    input.replace(QLatin1Char(','), QLatin1Char('.'));
    return Acceptable;
}

}  // namespace karnoth::gui
