#pragma once
// Every option value of karnoth-cli is read here, and only here. Numbers in option values are
// plain: decimal digits with an optional minus sign, fraction and exponent ("2030", ".05", "1e9");
// no blanks, no plus sign, no "5d1" (a text box of the window takes that, an option does not),
// nothing infinite or not a number. Whether a well-formed value is allowed is the analysis's
// problem() function's to say, not this module's.
// Also here: how numbers go into the JSON state.

#include "cli/cli_session.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace karnoth {

// The whole text as a finite plain number; nullopt otherwise.
std::optional<double> plainNumber(std::string_view text);

// The whole text as a whole number of type Whole (decimal digits, a minus sign for a signed type);
// nullopt otherwise, also beyond Whole's range.
template <class Whole>
std::optional<Whole> plainWhole(std::string_view text)
{
    Whole value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

// `text` split at its first `separator`; nullopt without one.
std::optional<std::pair<std::string, std::string>> splitIfAny(const std::string& text, char separator);

// One option's value being read. Every refusal is a usage error (exit 2): std::invalid_argument
// with "OPTION ARGUMENT: why".
class OptionValue {
public:
    OptionValue(std::string option, std::string argument) : option_(std::move(option)), argument_(std::move(argument))
    { }

    const std::string& argument() const { return argument_; }

    // The argument split at the first `separator`; refused without one. `form` is how the value is
    // written ("YEAR:PERCENT").
    std::pair<std::string, std::string> split(char separator, std::string_view form) const
    {
        return split(argument_, separator, form);
    }
    // A part of the argument split the same way.
    std::pair<std::string, std::string> split(const std::string& text, char separator, std::string_view form) const;
    // The same, nullopt without a separator (for an optional second part).
    std::optional<std::pair<std::string, std::string>> splitIfAny(char separator) const
    {
        return karnoth::splitIfAny(argument_, separator);
    }
    // NAME=VALUE: the argument split at its first "=", NAME not empty.
    std::pair<std::string, std::string> assignment(std::string_view form) const;

    // `text` (the argument or a part of it) as a plain number; `what` names it in the message.
    double number(std::string_view what, const std::string& text) const;
    template <class Whole>
    Whole whole(std::string_view what, const std::string& text) const
    {
        if (const std::optional<Whole> value = plainWhole<Whole>(text)) return *value;
        std::string why = "is not a whole number";
        if constexpr (std::is_unsigned_v<Whole>)
            why += " from 0 to " + std::to_string(std::numeric_limits<Whole>::max());
        refuseText(what, text, why);
    }

    // Refuses the value for `why` (a problem() function's answer, or a name not known).
    [[noreturn]] void refuse(const std::string& why) const;

private:
    [[noreturn]] void refuseText(std::string_view what, const std::string& text, const std::string& why) const;

    std::string option_;
    std::string argument_;
};

// The callback of a CLI11 option that reads its value with `read(const OptionValue&)`; a refusal is
// kept in `session`, whose run reports the first.
template <class Read>
std::function<void(const std::string&)> readingValue(CliSession& session, const char* option, Read read)
{
    return [&session, option, read](const std::string& argument) {
        try {
            read(OptionValue(option, argument));
        } catch (const std::invalid_argument& error) {
            session.usageError(error.what());
        }
    };
}

// A double as a JSON number; a whole one below 2^53 (where every whole double is exact) is written
// as an integer (50, not 50.0).
nlohmann::json jsonNumber(double value);

}  // namespace karnoth
