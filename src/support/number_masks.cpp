#include "support/number_masks.h"

#include "support/fault.h"
#include "support/number_locale.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace karnoth {
namespace {

static_assert(LDBL_MANT_DIG >= 64, "scaling a double by 100 must be exact in long double");

void requireFinite(double value)
{
    if (!std::isfinite(value)) throw Fault(FaultKind::InvalidOperation, "a value to be shown is not a finite number");
}

// |value| * 10^decimals rounded half away from zero, as decimal digits; with decimals <= 2 the
// scaling is exact in long double (53 + 7 bits fit in 64), so halves are found exactly.
std::string roundedDigits(double value, int decimals)
{
    long double scaled = std::fabs(static_cast<long double>(value));
    for (int i = 0; i < decimals; ++i) scaled *= 10.0L;
    const long double whole = std::roundl(scaled);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.0Lf", whole);
    return buffer;
}

std::string withDecimals(double value, int decimals, const NumberLocale& locale)
{
    requireFinite(value);
    std::string digits = roundedDigits(value, decimals);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    while (static_cast<int>(digits.size()) < decimals + 1) digits.insert(digits.begin(), '0');
    std::string out;
    if (value < 0 && !zero) out += '-';
    out.append(digits, 0, digits.size() - decimals);
    if (decimals > 0) {
        out += locale.decimalSeparator;
        out.append(digits, digits.size() - decimals, decimals);
    }
    return out;
}

std::string grouped(const std::string& digits, char separator)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string formatGrouped(double value, const NumberLocale& locale)
{
    requireFinite(value);
    const std::string digits = roundedDigits(value, 0);
    const bool zero = digits == "0";
    return (value < 0 && !zero ? "-" : "") + grouped(digits, locale.thousandsSeparator);
}

std::string formatWholeOrEmpty(double value, const NumberLocale&)
{
    requireFinite(value);
    const std::string digits = roundedDigits(value, 0);
    if (digits == "0") return "";
    return (value < 0 ? "-" : "") + digits;
}

std::string formatFixed(double value, const NumberLocale& locale)
{
    return withDecimals(value, 2, locale);
}

std::string formatOneDecimal(double value, const NumberLocale& locale)
{
    return withDecimals(value, 1, locale);
}

std::string formatPlain(double value, const NumberLocale& locale)
{
    requireFinite(value);
    if (value == 0) return "0";
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    // to_chars in fixed form gives the shortest digits that read back exactly.
    for (char& c : text)
        if (c == '.') c = locale.decimalSeparator;
    return text;
}

std::string formatSingleGeneral(float value, const NumberLocale& locale)
{
    requireFinite(value);
    if (value == 0) return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    // to_chars already drops trailing zeros; "%g" exponents read "1e-05", shown here as "1E-05".
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
        else if (c == '.')
            c = locale.decimalSeparator;
    }
    return text;
}

std::string formatGrouped(double value)
{
    return formatGrouped(value, numberLocale());
}
std::string formatWholeOrEmpty(double value)
{
    return formatWholeOrEmpty(value, numberLocale());
}
std::string formatFixed(double value)
{
    return formatFixed(value, numberLocale());
}
std::string formatOneDecimal(double value)
{
    return formatOneDecimal(value, numberLocale());
}
std::string formatPlain(double value)
{
    return formatPlain(value, numberLocale());
}
std::string formatSingleGeneral(float value)
{
    return formatSingleGeneral(value, numberLocale());
}

std::string formatPrintNumber(double value)
{
    const std::string plain = formatPlain(value);
    return plain[0] == '-' ? plain + " " : " " + plain + " ";
}

}  // namespace karnoth
