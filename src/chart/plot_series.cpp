#include "chart/plot_series.h"

#include "support/checked_math.h"
#include "support/number_masks.h"

#include <cmath>

namespace karnoth {
namespace {

constexpr const char* kScaleArithmetic = "the chart's scale";

float mapX(const ChartScale& s, double t, double width)
{
    return toSingle(checkedResult((t - s.middleYear) * s.horizontalFactor + width / 2.0, kScaleArithmetic),
                    kScaleArithmetic);
}

float mapY(const ChartScale& s, double v, double height)
{
    return toSingle(checkedResult((s.middleValue - v) * s.verticalFactor + height / 2.0, kScaleArithmetic),
                    kScaleArithmetic);
}

void printAt(Canvas& canvas, double x, double y, const std::string& text)
{
    canvas.setCurrentX(toSingle(x, kScaleArithmetic));
    canvas.setCurrentY(toSingle(y, kScaleArithmetic));
    canvas.Print(text);
}

// The bottom, top and middle value labels, each 5 units above the height of its value.
void valueLabels(Canvas& canvas, const ChartScale& s, double x, double height)
{
    printAt(canvas, x, double(mapY(s, s.bottomValue, height)) - 5.0, formatGrouped(s.bottomValue));
    printAt(canvas, x, double(mapY(s, s.topValue, height)) - 5.0, formatGrouped(s.topValue));
    printAt(canvas, x, height / 2.0 - 5.0, formatGrouped(s.middleValue));
}

}  // namespace

void PlotSeries(Canvas& canvas, ChartScale& s, const YearlySeries& series, Rgb colour, bool rescale)
{
    canvas.setForeColor(kBlack);
    s.lowYear = kFirstYear;
    s.highYear = kLastYear;
    if (rescale) {
        s.topValue = -1e20f;
        for (float v : series.values())
            if (v > s.topValue) s.topValue = v;
    }
    s.bottomValue = 0;
    if (s.topValue == 0) return;

    const double width = canvas.ScaleWidth();
    const double height = canvas.ScaleHeight();
    s.middleYear = toSingle((double(s.lowYear) + s.highYear) / 2.0, kScaleArithmetic);
    s.middleValue = toSingle(s.topValue / 2.0, kScaleArithmetic);
    s.horizontalFactor = toSingle(
        checkedDivide(width, double(s.highYear) - s.lowYear, kScaleArithmetic) * 0.8, kScaleArithmetic);
    s.verticalFactor = toSingle(
        checkedResult(checkedDivide(height, double(s.topValue) - s.bottomValue, kScaleArithmetic) * 0.8,
                      kScaleArithmetic),
        kScaleArithmetic);

    s.previousX = mapX(s, kFirstYear, width);
    s.previousY = mapY(s, series[kFirstYear], height);
    for (int t = kFirstYear; t <= kLastYear; ++t) {
        const float x = mapX(s, t, width);
        const float y = mapY(s, series.at1950Plus(t - kFirstYear), height);
        if (std::fabs(y) < 1e8f) canvas.Line(s.previousX, s.previousY, x, y, colour);
        s.previousX = x;
        s.previousY = y;
        canvas.Line(x, toSingle(height - 20, kScaleArithmetic), x, toSingle(height - 30, kScaleArithmetic), kBlack);
        if (t % 10 == 0) {
            canvas.Line(x, toSingle(height - 20, kScaleArithmetic), x, toSingle(height - 35, kScaleArithmetic),
                        kBlack);
            printAt(canvas, double(x) - 15.0, height - 15.0, formatPrintNumber(t));
        }
    }

    canvas.setForeColor(colour);
    if (colour == kRed) {
        valueLabels(canvas, s, 0.0, height);
        printAt(canvas, 0.0, 15.0, "female pop. >= 1 year (fecund in green)");
    } else if (colour == kBlue) {
        valueLabels(canvas, s, width - 50.0, height);
        printAt(canvas, width - 100.0, 15.0, "sterilisations per year");
    }
}

}  // namespace karnoth
