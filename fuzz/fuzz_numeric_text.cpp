// Typed text to number and number to caption text. For any text: parseNumber agrees with the C
// library's reading of the same characters, a number is finite, and every number format turns it
// into digits and separators only, never "nan" or "inf".

#include "support/fault.h"
#include "support/number_masks.h"
#include "support/numeric_text.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using karnoth::Fault;
using karnoth::FaultKind;
using karnoth::ParseStatus;

[[noreturn]] void violated(const char* what, std::string_view text)
{
    std::fprintf(stderr, "invariant violated: %s (text \"%.*s\")\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

bool onlyOf(std::string_view text, std::string_view allowed)
{
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

// "-"? digits with a thousands separator between each group of three.
bool isGrouped(std::string_view text)
{
    if (!text.empty() && text[0] == '-') text.remove_prefix(1);
    if (text.empty() || text[0] == ',' || text.back() == ',') return false;
    const std::size_t firstComma = text.find(',');
    const std::size_t lead = firstComma == std::string_view::npos ? text.size() : firstComma;
    if (lead > 3) return false;
    for (std::size_t i = lead; i < text.size(); i += 4)
        if (text[i] != ',' || i + 4 > text.size() || !onlyOf(text.substr(i + 1, 3), "0123456789")) return false;
    return onlyOf(text.substr(0, lead), "0123456789");
}

// "-"? digits "." exactly `decimals` digits.
bool isFixed(std::string_view text, std::size_t decimals)
{
    if (!text.empty() && text[0] == '-') text.remove_prefix(1);
    const std::size_t dot = text.find('.');
    return dot != std::string_view::npos && dot > 0 && text.size() - dot - 1 == decimals &&
           onlyOf(text.substr(0, dot), "0123456789") && onlyOf(text.substr(dot + 1), "0123456789");
}

// The body as strtod reads it: the same number with E for a D exponent.
double libraryValue(std::string_view text, bool& outOfRange)
{
    std::string copy(text);
    for (char& c : copy)
        if (c == 'd' || c == 'D') c = 'e';
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    outOfRange = errno == ERANGE;
    return value;
}

void checkFormats(double value, std::string_view text)
{
    const std::string grouped = karnoth::formatGrouped(value);
    const std::string whole = karnoth::formatWholeOrEmpty(value);
    const std::string fixed = karnoth::formatFixed(value);
    const std::string oneDecimal = karnoth::formatOneDecimal(value);
    const std::string plain = karnoth::formatPlain(value);
    const std::string printed = karnoth::formatPrintNumber(value);
    if (!isGrouped(grouped)) violated("\"##,##0\" is not grouped digits", text);
    if (!onlyOf(whole, "-0123456789") || (!whole.empty() && (whole == "-" || whole.back() == '-')))
        violated("\"###\" is not a whole number", text);
    if (!isFixed(fixed, 2)) violated("\"fixed\" does not have two decimals", text);
    if (!isFixed(oneDecimal, 1)) violated("\"##0.0\" does not have one decimal", text);
    if (!onlyOf(plain, "-.0123456789")) violated("the plain form is not plain digits", text);
    // The plain form reads back as exactly the same double.
    const karnoth::ParsedNumber again = karnoth::parseNumber(plain);
    if (again.status != ParseStatus::Ok || again.value != value) violated("the plain form does not read back", text);
    if (printed.find(plain) == std::string::npos) violated("Print lost the number", text);

    const float single = static_cast<float>(value);
    if (std::isfinite(single)) {
        const std::string general = karnoth::formatSingleGeneral(single);
        if (!onlyOf(general, "-.0123456789E+")) violated("the general form holds other characters", text);
        const karnoth::ParsedNumber back = karnoth::parseNumber(general);
        if (back.status != ParseStatus::Ok) violated("the general form is not a number", text);
        // Seven significant digits: within half a unit in the seventh digit.
        if (std::fabs(back.value - single) > std::fabs(static_cast<double>(single)) * 5.000001e-7)
            violated("the general form is not the single to seven digits", text);
    }
}

void checkInteger(double value, std::string_view text)
{
    const double whole = std::nearbyint(value);
    try {
        const std::int16_t integer = karnoth::toInteger16(value, "a box");
        if (integer != whole) violated("toInteger16 did not round to nearest", text);
    } catch (const Fault& fault) {
        if (fault.kind() != FaultKind::Overflow || (whole >= -32768 && whole <= 32767))
            violated("toInteger16 refused a 16-bit number", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const karnoth::ParsedNumber parsed = karnoth::parseNumber(text);

    // textToDouble tells the same story, and its fault names the box.
    try {
        const double value = karnoth::textToDouble(text, "the box");
        if (parsed.status != ParseStatus::Ok || value != parsed.value) violated("textToDouble disagrees", text);
    } catch (const Fault& fault) {
        const bool expected = (parsed.status == ParseStatus::NotANumber && fault.kind() == FaultKind::NotANumber) ||
                              (parsed.status == ParseStatus::Overflow && fault.kind() == FaultKind::Overflow);
        if (!expected) violated("textToDouble raised the wrong fault", text);
        if (std::string_view(fault.what()).rfind("the box: ", 0) != 0)
            violated("the fault does not name the box", text);
        for (char c : std::string_view(fault.what()))
            if (static_cast<unsigned char>(c) < 32) violated("the fault quotes a control character", text);
    }

    if (parsed.status == ParseStatus::NotANumber) return 0;
    // A number has only blanks, sign, digits, a separator and an exponent: strtod reads it too.
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view body = text.substr(first, last - first + 1);
    if (!onlyOf(body, "+-.0123456789eEdD")) violated("a number with other characters", text);
    bool outOfRange = false;
    const double reference = libraryValue(body, outOfRange);
    if (parsed.status == ParseStatus::Overflow) {
        if (!outOfRange || std::isfinite(reference)) violated("an overflow the C library reads as a number", text);
        return 0;
    }
    if (!std::isfinite(parsed.value)) violated("a number that is not finite", text);
    // Below the double range the C library gives a denormal or 0 and says so; we give 0.
    if (parsed.value != reference && !(outOfRange && parsed.value == 0 && std::fabs(reference) < 2.3e-308))
        violated("parseNumber and strtod disagree", text);
    if (std::signbit(parsed.value) != std::signbit(reference)) violated("the sign was lost", text);

    checkFormats(parsed.value, text);
    checkInteger(parsed.value, text);
    return 0;
}
