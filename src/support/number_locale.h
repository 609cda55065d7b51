#pragma once
// The decimal and thousands separators every number shown or typed uses. One place, so that a
// front end can put the system's separators here; the default is "." and ",".

namespace karnoth {

struct NumberLocale {
    char decimalSeparator = '.';
    char thousandsSeparator = ',';
};

const NumberLocale& numberLocale();
void setNumberLocale(const NumberLocale& locale);

}  // namespace karnoth
