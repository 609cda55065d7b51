#pragma once
// The number formats of every caption. Rounding is to nearest, halves away from zero, on the exact
// value of the double; a value that rounds to zero shows no minus sign. Separators come from
// numberLocale(). A value that is not finite is an InvalidOperation Fault, so no caption can ever
// read "nan" or "inf".

#include <string>

namespace karnoth {

// "##,##0": a whole number with thousands separators and at least one digit (1200 -> "1,200").
std::string formatGrouped(double value);

// "###": a whole number without separators; empty for a value that rounds to zero.
std::string formatWholeOrEmpty(double value);

// "fixed": at least one digit before the decimal separator and exactly two after it.
std::string formatFixed(double value);

// "##0.0": at least one digit before the decimal separator and exactly one after it.
std::string formatOneDecimal(double value);

// The shortest plain decimal form that reads back as the same double (25.2, 5, 0.5), no exponent.
std::string formatPlain(double value);

// A single in its shortest general form: up to 7 significant digits, a leading zero before the
// separator, no trailing zeros, an exponent only below 1E-04 or from 1E+07 on ("0.1", "2").
std::string formatSingleGeneral(float value);

// A number as the picture area's Print writes it: a blank for the sign (or "-"), the plain
// digits, a trailing blank (1950 -> " 1950 ").
std::string formatPrintNumber(double value);

}  // namespace karnoth
