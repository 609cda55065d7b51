#pragma once
// The yearly series of a run as CSV: a header "year,streetTotal,streetBreeders,
// extraSterilisations,ownedBreeders" and one row per year 1950..2050, each single with 9
// significant digits, so that it reads back exactly.

#include "model/run_series.h"

#include <string>

namespace karnoth {

std::string yearlyCsv(const RunSeries& series);

// A single in "%.9g", the fewest digits that always read back as the same single.
std::string singleText(float value);

}  // namespace karnoth
