#pragma once
// The number formats of every caption. Rounding is to nearest, halves away from zero, on the exact
// value of the double; a value that rounds to zero shows no minus sign. Separators come from
// numberLocale() unless one is given: the model words its fault messages with a locale of its own,
// since it runs on many threads and reads no global. A value that is not finite is an
// InvalidOperation Fault, so no caption can ever read "nan" or "inf".

#include "support/number_locale.h"

#include <string>

namespace karnoth {

// "##,##0": a whole number with thousands separators and at least one digit (1200 -> "1,200").
std::string formatGrouped(double value);
std::string formatGrouped(double value, const NumberLocale& locale);

// "###": a whole number without separators; empty for a value that rounds to zero.
std::string formatWholeOrEmpty(double value);
std::string formatWholeOrEmpty(double value, const NumberLocale& locale);

// "fixed": at least one digit before the decimal separator and exactly two after it.
std::string formatFixed(double value);
std::string formatFixed(double value, const NumberLocale& locale);

// "##0.0": at least one digit before the decimal separator and exactly one after it.
std::string formatOneDecimal(double value);
std::string formatOneDecimal(double value, const NumberLocale& locale);

// The shortest plain decimal form that reads back as the same double (25.2, 5, 0.5), no exponent.
std::string formatPlain(double value);
std::string formatPlain(double value, const NumberLocale& locale);

// A single in its shortest general form: up to 7 significant digits, a leading zero before the
// separator, no trailing zeros, an exponent only below 1E-04 or from 1E+07 on ("0.1", "2").
std::string formatSingleGeneral(float value);
std::string formatSingleGeneral(float value, const NumberLocale& locale);

// A number as the picture area's Print writes it: a blank for the sign (or "-"), the plain
// digits, a trailing blank (1950 -> " 1950 ").
std::string formatPrintNumber(double value);

}  // namespace karnoth
