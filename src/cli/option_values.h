#pragma once
// The small pieces every option's value is made of, and how numbers go into the JSON state.

#include <nlohmann/json.hpp>

#include <charconv>
#include <optional>
#include <string>
#include <utility>

namespace karnoth {

// "A:B" split at the first `separator`; nullopt without one.
std::optional<std::pair<std::string, std::string>> splitAt(const std::string& text, char separator);

// The whole text as a whole number of type Whole (decimal digits with an optional minus sign, no
// blanks); nullopt otherwise, also beyond Whole's range.
template <class Whole>
std::optional<Whole> wholeOf(const std::string& text)
{
    Whole value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

// A double as a JSON number; a whole one below 2^53 (where every whole double is exact) is written
// as an integer (50, not 50.0).
nlohmann::json jsonNumber(double value);

}  // namespace karnoth
