#include "support/numeric_text.h"

#include "support/fault.h"
#include "support/number_locale.h"
#include "support/number_masks.h"
#include "support/quoted_text.h"
#include "support/translate_noop.h"

#include <charconv>
#include <cmath>
#include <string>

namespace karnoth {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A 10,000-character text is not repeated in full.
std::string quoted(std::string_view text)
{
    return quotedForMessage(text, 40);
}

}  // namespace

ParsedNumber parseNumber(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view body = text.substr(begin, end - begin);

    // Rebuild the number in the plain form from_chars reads, checking its shape as we go.
    std::string plain;
    plain.reserve(body.size());
    std::size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        negative = body[i] == '-';
        ++i;
    }
    int integerDigits = 0;  // significant digits before the separator
    int leadingFractionZeros = 0;  // zeros after the separator before the first other digit
    bool seenNonZero = false;
    int digits = 0;
    for (; i < body.size() && isDigit(body[i]); ++i) {
        plain += body[i];
        ++digits;
        if (body[i] != '0' || seenNonZero) {
            seenNonZero = true;
            ++integerDigits;
        }
    }
    if (i < body.size() && body[i] == numberLocale().decimalSeparator) {
        plain += '.';
        for (++i; i < body.size() && isDigit(body[i]); ++i) {
            plain += body[i];
            ++digits;
            if (!seenNonZero) {
                if (body[i] == '0')
                    ++leadingFractionZeros;
                else
                    seenNonZero = true;
            }
        }
    }
    if (digits == 0) return {};
    long long exponent = 0;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E' || body[i] == 'd' || body[i] == 'D')) {
        ++i;
        bool negativeExponent = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            negativeExponent = body[i] == '-';
            ++i;
        }
        int exponentDigits = 0;
        for (; i < body.size() && isDigit(body[i]); ++i, ++exponentDigits)
            if (exponent < 100000) exponent = exponent * 10 + (body[i] - '0');
        if (exponentDigits == 0) return {};
        if (negativeExponent) exponent = -exponent;
        plain += 'e';
        plain += std::to_string(exponent);
    }
    if (i != body.size()) return {};

    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!seenNonZero) return {ParseStatus::Ok, negative ? -0.0 : 0.0};
        // Out of range either way: too large, or so small that it is 0.
        const long long magnitude = integerDigits > 0 ? integerDigits - 1 + exponent
                                                      : exponent - leadingFractionZeros - 1;
        if (magnitude > 0) return {ParseStatus::Overflow, 0.0};
        return {ParseStatus::Ok, negative ? -0.0 : 0.0};
    }
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return {};
    return {ParseStatus::Ok, negative ? -value : value};
}

double textToDouble(std::string_view text, std::string_view inputName)
{
    const ParsedNumber parsed = parseNumber(text);
    switch (parsed.status) {
    case ParseStatus::Ok: return parsed.value;
    case ParseStatus::Overflow:
        throw Fault(FaultKind::Overflow,
                    Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1: %2 is too large a number"),
                           {std::string(inputName), quoted(text)},
                           0b1},
                    std::string(inputName));
    case ParseStatus::NotANumber: break;
    }
    throw Fault(FaultKind::NotANumber,
                Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1: %2 is not a number"),
                       {std::string(inputName), quoted(text)},
                       0b1},
                std::string(inputName));
}

std::optional<std::int16_t> nearestInteger16(double value)
{
    const double whole = std::nearbyint(value);  // the default rounding mode: nearest, halves to even
    if (!(whole >= -32768.0 && whole <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

std::int16_t toInteger16(double value, std::string_view inputName)
{
    const std::optional<std::int16_t> whole = nearestInteger16(value);
    if (!whole)
        throw Fault(FaultKind::Overflow,
                    Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1: %2 lies outside %3"),
                           {std::string(inputName), formatPlain(value, NumberLocale{}), kInteger16Range},
                           0b101},
                    std::string(inputName));
    return *whole;
}

std::int16_t textToInteger16(std::string_view text, std::string_view inputName)
{
    return toInteger16(textToDouble(text, inputName), inputName);
}

}  // namespace karnoth
