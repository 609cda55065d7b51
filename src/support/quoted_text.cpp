#include "support/quoted_text.h"

namespace karnoth {

std::string quotedForMessage(std::string_view text, std::size_t most)
{
    std::string out = "\"";
    for (char c : text.substr(0, most)) out += static_cast<unsigned char>(c) < 32 ? '?' : c;
    if (text.size() > most) out += "...";
    out += '"';
    return out;
}

}  // namespace karnoth
