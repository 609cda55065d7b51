#include "chart/year_axis.h"

#include "support/checked_math.h"
#include "support/yearly_series.h"

#include <algorithm>
#include <cmath>

namespace karnoth {
namespace {

constexpr const char* kScaleArithmetic = "the chart's scale";

}  // namespace

YearAxis::YearAxis(double width)
    : width_(width),
      middleYear_(toSingle((double(kFirstYear) + kLastYear) / 2.0, kScaleArithmetic)),
      unitsPerYear_(
          toSingle(checkedDivide(width, double(kLastYear) - kFirstYear, kScaleArithmetic) * 0.8, kScaleArithmetic))
{ }

float YearAxis::x(double year) const
{
    return toSingle(checkedResult((year - middleYear_) * unitsPerYear_ + width_ / 2.0, kScaleArithmetic),
                    kScaleArithmetic);
}

std::optional<int> YearAxis::nearestYear(double canvasX) const
{
    if (!(width_ > 0) || !(unitsPerYear_ > 0)) return std::nullopt;
    const double year = (canvasX - width_ / 2.0) / unitsPerYear_ + middleYear_;
    if (!(year >= kFirstYear - 0.5 && year < kLastYear + 0.5)) return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(year)), kFirstYear, kLastYear);
}

}  // namespace karnoth
