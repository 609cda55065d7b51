#include "cli/option_values.h"

#include "support/quoted_text.h"

#include <cmath>
#include <stdexcept>

namespace karnoth {

std::optional<double> plainNumber(std::string_view text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::pair<std::string, std::string>> splitIfAny(const std::string& text, char separator)
{
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) return std::nullopt;
    return std::pair{text.substr(0, at), text.substr(at + 1)};
}

std::pair<std::string, std::string> OptionValue::split(const std::string& text, char separator,
                                                       std::string_view form) const
{
    if (std::optional<std::pair<std::string, std::string>> parts = karnoth::splitIfAny(text, separator)) return *parts;
    refuse("expected " + std::string(form));
}

std::pair<std::string, std::string> OptionValue::assignment(std::string_view form) const
{
    std::pair<std::string, std::string> parts = split('=', form);
    if (parts.first.empty()) refuse("expected " + std::string(form) + ", with a NAME");
    return parts;
}

double OptionValue::number(std::string_view what, const std::string& text) const
{
    if (const std::optional<double> value = plainNumber(text)) return *value;
    refuseText(what, text, "is not a number");
}

void OptionValue::refuse(const std::string& why) const
{
    throw std::invalid_argument(option_ + " " + quotedForMessage(argument_, 60) + ": " + why);
}

void OptionValue::refuseText(std::string_view what, const std::string& text, const std::string& why) const
{
    refuse(std::string(what) + " " + quotedForMessage(text, 40) + " " + why);
}

nlohmann::json jsonNumber(double value)
{
    constexpr double kExactWholes = 9007199254740992.0;  // 2^53
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < kExactWholes)
        return static_cast<long long>(value);
    return value;
}

}  // namespace karnoth
