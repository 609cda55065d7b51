#pragma once
// The yearly series of a run as CSV: a header "year,streetTotal,streetBreeders,
// extraSterilisations,ownedBreeders,streetSterilisedShare,ownedSterilisedShare" and one row per
// year 1950..2050, each single with 9 significant digits, so that it reads back exactly. The two
// coverage columns are shares 0..1 (0.64 is 64 % of the females aged 1..10 sterilised), as the run
// keeps them.

#include "app/programme_outcome.h"
#include "model/run_series.h"

#include <string>

namespace karnoth {

std::string yearlyCsv(const RunSeries& series, const ProgrammeOutcome& outcome);

// A single in "%.9g", the fewest digits that always read back as the same single.
std::string singleText(float value);

}  // namespace karnoth
