#include "cli/option_values.h"

#include <cmath>

namespace karnoth {

std::optional<std::pair<std::string, std::string>> splitAt(const std::string& text, char separator)
{
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) return std::nullopt;
    return std::pair{text.substr(0, at), text.substr(at + 1)};
}

nlohmann::json jsonNumber(double value)
{
    constexpr double kExactWholes = 9007199254740992.0;  // 2^53
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < kExactWholes)
        return static_cast<long long>(value);
    return value;
}

}  // namespace karnoth
