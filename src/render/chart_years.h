#pragma once
// Where the plotter puts a year across the picture area: the years 1950..2050 span the middle 80 %
// of its width, so year t lies at x = (t - 2000) * width / 100 * 0.8 + width / 2 canvas units (the
// plotter's own mapping, see chart/plot_series.h). The painter centres year labels and draws
// gridlines with it; the hover readout turns a pointer position back into a year.

#include "support/yearly_series.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace karnoth::render {

inline constexpr double kMiddleYear = (kFirstYear + kLastYear) / 2.0;
inline constexpr double kYearsSpanShare = 0.8;  // of the width, from 10 % to 90 %

// Canvas units per year on a picture area `canvasWidth` units wide.
inline double canvasUnitsPerYear(double canvasWidth) { return canvasWidth / (kLastYear - kFirstYear) * kYearsSpanShare; }

// The canvas x of year `year` (canvas units from the left).
inline double yearToCanvasX(double year, double canvasWidth)
{
    return (year - kMiddleYear) * canvasUnitsPerYear(canvasWidth) + canvasWidth / 2.0;
}

// The year whose tick is nearest to canvas x, or nullopt when x lies more than half a year outside
// 1950..2050 (or the width is not positive).
inline std::optional<int> nearestYear(double canvasX, double canvasWidth)
{
    if (!(canvasWidth > 0)) return std::nullopt;
    const double year = (canvasX - canvasWidth / 2.0) / canvasUnitsPerYear(canvasWidth) + kMiddleYear;
    if (!(year >= kFirstYear - 0.5 && year < kLastYear + 0.5)) return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(year)), kFirstYear, kLastYear);
}

}  // namespace karnoth::render
