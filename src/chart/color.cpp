#include "chart/color.h"

#include <cstdio>

namespace karnoth {

std::string toHex(Rgb c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red, c.green, c.blue);
    return buffer;
}

}  // namespace karnoth
