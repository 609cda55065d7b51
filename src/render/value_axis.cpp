#include "render/value_axis.h"

#include <algorithm>
#include <cmath>

namespace karnoth::render {

ValueAxis niceAxis(double lowest, double highest, int most)
{
    most = std::max(most, 1);
    if (!(highest > lowest)) {
        // One value: a span of one step of its own size around it.
        const double size = lowest == 0 ? 1.0 : std::pow(10.0, std::floor(std::log10(std::abs(lowest))));
        lowest = lowest >= 0 && lowest - size < 0 ? 0.0 : lowest - size;
        highest = highest + size;
    }
    const double rough = (highest - lowest) / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    ValueAxis axis;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        axis.step = factor * power;
        axis.low = std::floor(lowest / axis.step) * axis.step;
        axis.high = std::ceil(highest / axis.step) * axis.step;
        if ((axis.high - axis.low) / axis.step <= most + 1e-9) break;
    }
    const int intervals = static_cast<int>(std::lround((axis.high - axis.low) / axis.step));
    for (int i = 0; i <= intervals; ++i) axis.ticks.push_back(axis.low + i * axis.step);
    return axis;
}

}  // namespace karnoth::render
