#include "chart/plot_series.h"

#include "chart/year_axis.h"
#include "support/checked_math.h"
#include "support/number_masks.h"
#include "support/translate_noop.h"

#include <cmath>
#include <utility>

namespace karnoth {
namespace {

constexpr const char* kScaleArithmetic = "the chart's scale";

// The factors of one PlotSeries call, all single precision as the picture area keeps them.
struct Mapping {
    float bottomValue = 0;
    float topValue = 0;
    float middleValue = 0;  // topValue / 2
    float verticalFactor = 0;  // height / (topValue - bottomValue) * 0.8, canvas units per unit of value
    double height = 0;

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
void valueLabels(Canvas& canvas, int series, const Mapping& m, double x)
{
    const float middle = toSingle(m.height / 2.0, kScaleArithmetic);
    const std::pair<float, float> labelled[] = {
        {m.bottomValue, m.y(m.bottomValue)}, {m.topValue, m.y(m.topValue)}, {m.middleValue, middle}};
    for (const auto& [value, height] : labelled) {
        canvas.mark({ChartPart::Kind::ValueLabel, series, 0, height});
        printAt(canvas, x, double(height) - 5.0, formatGrouped(value));
    }
}

}  // namespace

void PlotSeries(Canvas& canvas, const YearlySeries& series, Rgb colour, const ChartScale& scale)
{
    const int index = canvas.beginSeries();
    canvas.setForeColor(kBlack);
    Mapping m;
    m.topValue = scale.topValue;
    if (m.topValue == 0) return;

    const double width = canvas.ScaleWidth();
    m.height = canvas.ScaleHeight();
    const YearAxis years(width);
    m.middleValue = toSingle(m.topValue / 2.0, kScaleArithmetic);
    m.verticalFactor = toSingle(
        checkedResult(checkedDivide(m.height, double(m.topValue) - m.bottomValue, kScaleArithmetic) * 0.8,
                      kScaleArithmetic),
        kScaleArithmetic);

    // The polyline starts at 1950's point, so the first pass joins it to itself.
    float previousX = years.x(kFirstYear);
    float previousY = m.y(series[kFirstYear]);
    for (int t = kFirstYear; t <= kLastYear; ++t) {
        const float x = years.x(t);
        const float y = m.y(series.at1950Plus(t - kFirstYear));
        if (std::fabs(y) < 1e8f) {
            canvas.mark({ChartPart::Kind::Curve, index, t});
            canvas.Line(previousX, previousY, x, y, colour);
        }
        previousX = x;
        previousY = y;
        const float tickBottom = toSingle(m.height - 20, kScaleArithmetic);
        canvas.mark({ChartPart::Kind::YearTick, index, t});
        canvas.Line(x, tickBottom, x, toSingle(m.height - 30, kScaleArithmetic), kBlack);
        if (t % 10 == 0) {
            canvas.mark({ChartPart::Kind::DecadeTick, index, t});
            canvas.Line(x, tickBottom, x, toSingle(m.height - 35, kScaleArithmetic), kBlack);
            canvas.mark({ChartPart::Kind::YearLabel, index, t, x});
            printAt(canvas, double(x) - 15.0, m.height - 15.0, formatPrintNumber(t));
        }
    }

    canvas.setForeColor(colour);
    if (colour == kRed) {
        valueLabels(canvas, index, m, 0.0);
        canvas.mark({ChartPart::Kind::Caption, index});
        printAt(canvas, 0.0, 15.0, KARNOTH_TRANSLATE_NOOP("karnoth::Chart", "female pop. >= 1 year (fecund in green)"));
    } else if (colour == kBlue) {
        valueLabels(canvas, index, m, width - 50.0);
        canvas.mark({ChartPart::Kind::Caption, index});
        printAt(canvas, width - 100.0, 15.0, KARNOTH_TRANSLATE_NOOP("karnoth::Chart", "sterilisations per year"));
    }
}

}  // namespace karnoth
