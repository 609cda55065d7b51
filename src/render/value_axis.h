#pragma once
// A linear value axis with round ticks, for the analyses' charts: the data's span widened to
// multiples of a step of 1, 2 or 5 times a power of ten, the smallest such step that needs at most
// `most` intervals. A span of one value is widened to a step around it (0 to 1 for 0), so the
// axis never has zero length.

#include <vector>

namespace karnoth::render {

struct ValueAxis {
    double low = 0;
    double high = 1;
    double step = 1;
    std::vector<double> ticks;  // low, low + step, ..., high

    // Where `value` lies along the axis: 0 at low, 1 at high.
    double fraction(double value) const { return (value - low) / (high - low); }
};

// `lowest` <= `highest`, both finite; `most` at least 1.
ValueAxis niceAxis(double lowest, double highest, int most = 6);

}  // namespace karnoth::render
