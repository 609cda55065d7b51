#pragma once
// The plotter: draws one yearly series as a polyline over the years 1950..2050, with year ticks,
// year labels every ten years, and for the red and blue series value labels and a caption.

#include "chart/canvas.h"
#include "chart/chart_scale.h"
#include "support/yearly_series.h"

namespace karnoth {

// A year t and value v map to x = (t - middleYear) * horizontalFactor + width / 2 and
// y = (middleValue - v) * verticalFactor + height / 2: the years span the middle 80 % of the width,
// the values 0..top the middle 80 % of the height. With `rescale` the top value becomes the
// series' maximum; otherwise the previous call's top stays. A top value of 0 draws nothing. A
// point with |y| >= 1e8 is not joined to its neighbours. Red gets its labels at the left with the
// caption "female pop. >= 1 year (fecund in green)", blue at the right with "sterilisations per
// year", any other colour none. Faults: overflow or division by zero in the scale arithmetic.
void PlotSeries(Canvas& canvas, ChartScale& scale, const YearlySeries& series, Rgb colour, bool rescale);

}  // namespace karnoth
