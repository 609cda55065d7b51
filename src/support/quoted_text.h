#pragma once
// A text as a fault message quotes it: in double quotes, cut after `most` characters with "...",
// and with control characters shown as "?" (a NUL from a binary file would end the message early,
// a line break would split it).

#include <cstddef>
#include <string>
#include <string_view>

namespace karnoth {

std::string quotedForMessage(std::string_view text, std::size_t most);

}  // namespace karnoth
