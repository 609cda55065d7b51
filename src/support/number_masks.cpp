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
    if (!std::isfinite(value))
        throw Fault(FaultKind::InvalidOperation, "a value to be shown is not a finite number");
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

std::string withDecimals(double value, int decimals)
{
    requireFinite(value);
    std::string digits = roundedDigits(value, decimals);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    while (static_cast<int>(digits.size()) < decimals + 1) digits.insert(digits.begin(), '0');
    std::string out;
    if (value < 0 && !zero) out += '-';
    out.append(digits, 0, digits.size() - decimals);
    if (decimals > 0) {
        out += numberLocale().decimalSeparator;
        out.append(digits, digits.size() - decimals, decimals);
    }
    return out;
}

std::string grouped(const std::string& digits)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += numberLocale().thousandsSeparator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string formatGrouped(double value)
{
    requireFinite(value);
    const std::string digits = roundedDigits(value, 0);
    const bool zero = digits == "0";
    return (value < 0 && !zero ? "-" : "") + grouped(digits);
}

std::string formatWholeOrEmpty(double value)
{
    requireFinite(value);
    const std::string digits = roundedDigits(value, 0);
    if (digits == "0") return "";
    return (value < 0 ? "-" : "") + digits;
}

std::string formatFixed(double value) { return withDecimals(value, 2); }

std::string formatOneDecimal(double value) { return withDecimals(value, 1); }

std::string formatPlain(double value)
{
    requireFinite(value);
    if (value == 0) return "0";
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    // to_chars in fixed form gives the shortest digits that read back exactly.
    for (char& c : text)
        if (c == '.') c = numberLocale().decimalSeparator;
    return text;
}

std::string formatSingleGeneral(float value)
{
    requireFinite(value);
    if (value == 0) return "0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    // to_chars already drops trailing zeros; "%g" exponents read "1e-05", shown here as "1E-05".
    for (char& c : text) {
        if (c == 'e') c = 'E';
        else if (c == '.') c = numberLocale().decimalSeparator;
    }
    return text;
}

std::string formatPrintNumber(double value)
{
    const std::string plain = formatPlain(value);
    return plain[0] == '-' ? plain + " " : " " + plain + " ";
}

}  // namespace karnoth
