#pragma once
// The plotter: draws one yearly series as a polyline over the years 1950..2050, with year ticks,
// year labels every ten years, and for the red and blue series value labels and a caption. Each
// line and print is marked with what it stands for (chart/chart_part.h) and the index of the series,
// counted by the canvas from its last Cls.

#include "chart/canvas.h"
#include "chart/chart_scale.h"
#include "support/yearly_series.h"

namespace karnoth {

// The years lie on the YearAxis of the canvas width. With the scale's top value, the middle year
// 2000 and the middle value top / 2, a year t and a value v map to
// x = (t - 2000) * horizontalFactor + width / 2 and
// y = (top / 2 - v) * verticalFactor + height / 2, where horizontalFactor = width / 100 * 0.8 and
// verticalFactor = height / top * 0.8 (canvas units per year and per unit of value): the years span
// the middle 80 % of the width, the values 0..top the middle 80 % of the height. A top value of 0
// draws nothing. A point with |y| >= 1e8 is not joined to its neighbours. Red gets its labels at
// the left with the caption "female pop. >= 1 year (fecund in green)", blue at the right with
// "sterilisations per year", any other colour none. Faults: overflow or division by zero in the
// scale arithmetic.
void PlotSeries(Canvas& canvas, const YearlySeries& series, Rgb colour, const ChartScale& scale);

}  // namespace karnoth
