#pragma once
// The chart's scale, kept from one PlotSeries call to the next for as long as the window lives: a
// call without rescale draws on the top value the previous call left. All single precision.

namespace karnoth {

struct ChartScale {
    float lowYear = 1950;
    float highYear = 2050;
    float bottomValue = 0;
    float topValue = 0;           // the largest value of the last series plotted with rescale
    float middleYear = 2000;      // (lowYear + highYear) / 2
    float middleValue = 0;        // topValue / 2
    float horizontalFactor = 0;   // width / (highYear - lowYear) * 0.8, canvas units per year
    float verticalFactor = 0;     // height / (topValue - bottomValue) * 0.8, canvas units per dog
    float previousX = 0;          // the polyline's previous point, canvas units
    float previousY = 0;
};

}  // namespace karnoth
