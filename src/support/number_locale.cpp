#include "support/number_locale.h"

namespace karnoth {
namespace {
NumberLocale current;
}

const NumberLocale& numberLocale()
{
    return current;
}
void setNumberLocale(const NumberLocale& locale)
{
    current = locale;
}

}  // namespace karnoth
