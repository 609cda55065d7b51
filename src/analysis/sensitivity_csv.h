#pragma once
// The sensitivity table as CSV, for the window's export, in the table's order (largest swing first,
// faulted rows last):
//
//   year,delta,outcome,input,value,low,high,outcomeLow,outcomeHigh,swing,elasticity,faultLow,faultHigh
//
// `year`, `delta` (per cent) and `outcome` (the street total in that year at the inputs as given)
// repeat on every line, so that each line stands alone in a spreadsheet. `input` is the input's
// caption; value, low and high are in its control's units (the rate in tenths of a per cent).
// swing = |outcomeHigh - outcomeLow|, empty like the outcomes and the elasticity where an end
// faulted; faultLow and faultHigh hold the messages. A table that could not be made (the run at
// the inputs as given faulted) gives the header alone. Numbers and texts as analysis_csv.h says.

#include "analysis/sensitivity.h"

#include <string>

namespace karnoth {

std::string sensitivityCsv(const SensitivityResult& result);

}  // namespace karnoth
