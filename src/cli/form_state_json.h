#pragma once
// The window's whole state as one JSON object: captions, texts, values, the form-level values,
// the faults, the last run's series (the four of the chart and the two coverage shares), the
// street's rebound after a programme that stops, and the picture area's display list.

#include "app/form1.h"

#include <nlohmann/json.hpp>

namespace karnoth {

nlohmann::json formStateJson(const Form1& form);

// A yearly series as 101 numbers, each single with the digits of "%.9g".
nlohmann::json seriesJson(const YearlySeries& series);

// The four yearly series of a run: streetTotal, streetBreeders, extraSterilisations, ownedBreeders.
nlohmann::json runSeriesJson(const RunSeries& series);

}  // namespace karnoth
