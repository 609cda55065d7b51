#pragma once
// A number in a message: the shortest decimal text that reads back as the same double, any value
// ("nan", "-inf" and "1e+300" too), in the C locale.

#include <charconv>
#include <string>

namespace karnoth {

inline std::string shortestText(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace karnoth
