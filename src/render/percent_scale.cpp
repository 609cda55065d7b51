#include "render/percent_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace karnoth::render {
namespace {

// Anchors of a perceptually even ramp, lightest first; each is darker in grey than the one before
// (grey 208, 148, 105, 83, 37 by Qt's qGray weights), and so is every colour between two of them.
constexpr std::array<QRgb, 5> kRamp{0xfde725, 0x5ec962, 0x21918c, 0x3b528b, 0x440154};

constexpr double kLowestUpper = 200;  // per cent: the scale shows at least a doubling
constexpr double kHighestUpper = 1e15;  // per cent: keeps the search below finite for any target
constexpr int kMostBands = 20;

QColor between(QRgb from, QRgb to, double fraction)
{
    const auto mix = [fraction](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * fraction)); };
    return QColor(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
}

}  // namespace

PercentScale::PercentScale(double bandWidth, int bandCount) : bandWidth_(bandWidth), bandCount_(std::max(1, bandCount))
{ }

int PercentScale::bandOf(double percent) const
{
    if (!(percent > 0)) return 0;
    const double band = std::floor(percent / bandWidth_);
    return band >= bandCount_ ? bandCount_ : static_cast<int>(band);
}

QColor PercentScale::colourOfBand(int band) const
{
    // The bands sit evenly along the ramp, the first at its light end and the last at its dark end.
    const double position = static_cast<double>(std::clamp(band, 0, bandCount_)) / bandCount_ * (kRamp.size() - 1);
    const auto anchor = std::min(static_cast<std::size_t>(position), kRamp.size() - 2);
    return between(kRamp[anchor], kRamp[anchor + 1], position - static_cast<double>(anchor));
}

PercentScale percentScaleFor(double targetPercent)
{
    const double target = std::isfinite(targetPercent) ? targetPercent : 0;
    const double wanted = std::clamp(2 * target, kLowestUpper, kHighestUpper);
    // The smallest of 10, 20, 25, 100, 200, 250, ... per cent that covers `wanted` in 20 bands.
    for (double power = 1;; power *= 10)
        for (double mantissa : {10.0, 20.0, 25.0}) {
            const double width = mantissa * power;
            if (width * kMostBands >= wanted) return PercentScale(width, static_cast<int>(std::ceil(wanted / width)));
        }
}

}  // namespace karnoth::render
