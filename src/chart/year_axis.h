#pragma once
// The plotter's years: 1950..2050 across the middle 80 % of a picture area `width` canvas units
// wide, 2000 in its middle, in single precision as the picture area keeps them. The plotter places
// its points and ticks with it; a painter turns a pointer's position back into a year with it. A
// painter that shows the years from a later first year on spreads them over the same 80 %.

#include "support/yearly_series.h"

#include <optional>

namespace karnoth {

// The first year shown when the axes start ten years before the programme's start: that year
// within 1950..2040, or 1950 when there is no programme (a start after 2050).
int tenYearsBeforeStart(int programmeStart);

class YearAxis {
public:
    // Faults: overflow or division by zero in the scale arithmetic.
    // The years firstYear..2050 (firstYear 1950..2049) across the middle 80 % of `width`.
    explicit YearAxis(double width, int firstYear = kFirstYear);

    // The canvas x of `year`: (year - 2000) * unitsPerYear() + width / 2. Fault: overflow.
    float x(double year) const;
    // width / (2050 - firstYear) * 0.8.
    float unitsPerYear() const { return unitsPerYear_; }
    // The year at canvas x, unrounded.
    double yearAt(double canvasX) const;
    int firstYear() const { return firstYear_; }
    // The year whose tick is nearest to canvas x, or nullopt when x lies more than half a year
    // outside firstYear..2050 (or the width is not positive).
    std::optional<int> nearestYear(double canvasX) const;

private:
    double width_;
    int firstYear_;
    float middleYear_;
    float unitsPerYear_;
};

}  // namespace karnoth
