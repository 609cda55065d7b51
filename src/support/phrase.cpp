#include "support/phrase.h"

#include <cstddef>

namespace karnoth {

std::string Phrase::text() const
{
    std::string out;
    for (const char* at = pattern; *at != '\0'; ++at) {
        const char next = at[1];
        if (*at == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < arguments.size()) {
            out += arguments[static_cast<std::size_t>(next - '1')];
            ++at;
        } else {
            out += *at;
        }
    }
    return out;
}

}  // namespace karnoth
