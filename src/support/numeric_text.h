#pragma once
// Conversion of typed text to numbers, at the moment a value is used.
//
// A number is: blanks, an optional sign, digits with at most one decimal separator (at least one
// digit in all), an optional exponent (E or D, optional sign, digits), blanks. Anything else
// ("", "-", ".", "nan", "inf", "0x10", "1,5") is not a number. A number beyond the double range
// ("1e400") is an overflow; one below it ("1e-400") is 0.

#include "support/translate_noop.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace karnoth {

enum class ParseStatus { Ok, NotANumber, Overflow };

struct ParsedNumber {
    ParseStatus status = ParseStatus::NotANumber;
    double value = 0.0;
};

ParsedNumber parseNumber(std::string_view text);

// The number a text stands for; a Fault (NotANumber or Overflow) that names `inputName` otherwise.
double textToDouble(std::string_view text, std::string_view inputName);

// The range of a 16-bit whole number, as messages name it.
inline constexpr const char* kInteger16Range = KARNOTH_TRANSLATE_NOOP("karnoth::Phrase",
                                                                      "the whole numbers -32768 to 32767");

// The nearest whole number, halves to even, when it fits 16 bits; nullopt otherwise (NaN too).
std::optional<std::int16_t> nearestInteger16(double value);

// Rounds to the nearest whole number, halves to even, as a 16-bit signed integer; a Fault
// (Overflow) naming `inputName` outside -32768..32767.
std::int16_t toInteger16(double value, std::string_view inputName);

// Both at once: the whole-number form of a typed text.
std::int16_t textToInteger16(std::string_view text, std::string_view inputName);

}  // namespace karnoth
