#include "chart/plot_series.h"

#include "support/checked_math.h"
#include "support/number_masks.h"

#include <cmath>

namespace karnoth {
namespace {

constexpr const char* kScaleArithmetic = "the chart's scale";

// The factors of one PlotSeries call, all single precision as the picture area keeps them.
struct Mapping {
    float bottomValue = 0;
    float topValue = 0;
    float middleYear = 0;         // (1950 + 2050) / 2
    float middleValue = 0;        // topValue / 2
    float horizontalFactor = 0;   // width / (2050 - 1950) * 0.8, canvas units per year
    float verticalFactor = 0;     // height / (topValue - bottomValue) * 0.8, canvas units per unit of value
    double width = 0;
    double height = 0;

    float x(double t) const
    {
        return toSingle(checkedResult((t - middleYear) * horizontalFactor + width / 2.0, kScaleArithmetic),
                        kScaleArithmetic);
    }
    float y(double v) const
    {
        return toSingle(checkedResult((middleValue - v) * verticalFactor + height / 2.0, kScaleArithmetic),
                        kScaleArithmetic);
    }
};

void printAt(Canvas& canvas, double x, double y, const std::string& text)
{
    canvas.setCurrentX(toSingle(x, kScaleArithmetic));
    canvas.setCurrentY(toSingle(y, kScaleArithmetic));
    canvas.Print(text);
}

// The bottom, top and middle value labels, each 5 units above the height of its value.
void valueLabels(Canvas& canvas, const Mapping& m, double x)
{
    printAt(canvas, x, double(m.y(m.bottomValue)) - 5.0, formatGrouped(m.bottomValue));
    printAt(canvas, x, double(m.y(m.topValue)) - 5.0, formatGrouped(m.topValue));
    printAt(canvas, x, m.height / 2.0 - 5.0, formatGrouped(m.middleValue));
}

}  // namespace

void PlotSeries(Canvas& canvas, const YearlySeries& series, Rgb colour, const ChartScale& scale)
{
    canvas.setForeColor(kBlack);
    constexpr double lowYear = kFirstYear;
    constexpr double highYear = kLastYear;
    Mapping m;
    m.topValue = scale.topValue;
    if (m.topValue == 0) return;

    m.width = canvas.ScaleWidth();
    m.height = canvas.ScaleHeight();
    m.middleYear = toSingle((lowYear + highYear) / 2.0, kScaleArithmetic);
    m.middleValue = toSingle(m.topValue / 2.0, kScaleArithmetic);
    m.horizontalFactor =
        toSingle(checkedDivide(m.width, highYear - lowYear, kScaleArithmetic) * 0.8, kScaleArithmetic);
    m.verticalFactor = toSingle(
        checkedResult(checkedDivide(m.height, double(m.topValue) - m.bottomValue, kScaleArithmetic) * 0.8,
                      kScaleArithmetic),
        kScaleArithmetic);

    // The polyline starts at 1950's point, so the first pass joins it to itself.
    float previousX = m.x(kFirstYear);
    float previousY = m.y(series[kFirstYear]);
    for (int t = kFirstYear; t <= kLastYear; ++t) {
        const float x = m.x(t);
        const float y = m.y(series.at1950Plus(t - kFirstYear));
        if (std::fabs(y) < 1e8f) canvas.Line(previousX, previousY, x, y, colour);
        previousX = x;
        previousY = y;
        const float tickBottom = toSingle(m.height - 20, kScaleArithmetic);
        canvas.Line(x, tickBottom, x, toSingle(m.height - 30, kScaleArithmetic), kBlack);
        if (t % 10 == 0) {
            canvas.Line(x, tickBottom, x, toSingle(m.height - 35, kScaleArithmetic), kBlack);
            printAt(canvas, double(x) - 15.0, m.height - 15.0, formatPrintNumber(t));
        }
    }

    canvas.setForeColor(colour);
    if (colour == kRed) {
        valueLabels(canvas, m, 0.0);
        printAt(canvas, 0.0, 15.0, "female pop. >= 1 year (fecund in green)");
    } else if (colour == kBlue) {
        valueLabels(canvas, m, m.width - 50.0);
        printAt(canvas, m.width - 100.0, 15.0, "sterilisations per year");
    }
}

}  // namespace karnoth
