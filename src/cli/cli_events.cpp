#include "cli/cli_events.h"

#include <stdexcept>

namespace karnoth {

std::pair<std::string, std::string> splitAssignment(const std::string& argument)
{
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        throw std::invalid_argument("expected NAME=VALUE, got \"" + argument + "\"");
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

}  // namespace karnoth
