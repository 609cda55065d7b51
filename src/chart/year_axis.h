#pragma once
// The plotter's years: 1950..2050 across the middle 80 % of a picture area `width` canvas units
// wide, 2000 in its middle, in single precision as the picture area keeps them. The plotter places
// its points and ticks with it; a painter turns a pointer's position back into a year with it.

#include <optional>

namespace karnoth {

class YearAxis {
public:
    // Faults: overflow or division by zero in the scale arithmetic.
    explicit YearAxis(double width);

    // The canvas x of `year`: (year - 2000) * unitsPerYear() + width / 2. Fault: overflow.
    float x(double year) const;
    // width / (2050 - 1950) * 0.8.
    float unitsPerYear() const { return unitsPerYear_; }
    // The year whose tick is nearest to canvas x, or nullopt when x lies more than half a year
    // outside 1950..2050 (or the width is not positive).
    std::optional<int> nearestYear(double canvasX) const;

private:
    double width_;
    float middleYear_;
    float unitsPerYear_;
};

}  // namespace karnoth
