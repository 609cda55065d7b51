#include "chart/year_axis.h"

#include "support/checked_math.h"
#include "support/yearly_series.h"

#include <algorithm>
#include <cmath>

namespace karnoth {
namespace {

constexpr const char* kScaleArithmetic = "the chart's scale";

}  // namespace

int tenYearsBeforeStart(int programmeStart)
{
    constexpr int kLatestFirstYear = kLastYear - 10;
    if (programmeStart > kLastYear) return kFirstYear;
    return std::clamp(programmeStart - 10, kFirstYear, kLatestFirstYear);
}

YearAxis::YearAxis(double width, int firstYear)
    : width_(width),
      firstYear_(std::clamp(firstYear, kFirstYear, kLastYear - 1)),
      middleYear_(toSingle((double(firstYear_) + kLastYear) / 2.0, kScaleArithmetic)),
      unitsPerYear_(
          toSingle(checkedDivide(width, double(kLastYear) - firstYear_, kScaleArithmetic) * 0.8, kScaleArithmetic))
{ }

double YearAxis::yearAt(double canvasX) const
{
    return (canvasX - width_ / 2.0) / unitsPerYear_ + middleYear_;
}

float YearAxis::x(double year) const
{
    return toSingle(checkedResult((year - middleYear_) * unitsPerYear_ + width_ / 2.0, kScaleArithmetic),
                    kScaleArithmetic);
}

std::optional<int> YearAxis::nearestYear(double canvasX) const
{
    if (!(width_ > 0) || !(unitsPerYear_ > 0)) return std::nullopt;
    const double year = yearAt(canvasX);
    if (!(year >= firstYear_ - 0.5 && year < kLastYear + 0.5)) return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(year)), firstYear_, kLastYear);
}

}  // namespace karnoth
