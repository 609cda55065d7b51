#pragma once
// The uncertainty bands as CSV, for the window's export: a header, then one line per year
// 1950..2050 with the percentiles 5, 25, 50, 75 and 95 of each series over the valid replicates:
//
//   year,streetTotal_p5,streetTotal_p25,streetTotal_p50,streetTotal_p75,streetTotal_p95,
//        streetBreeders_p5,...,streetBreeders_p95,extraSterilisations_p5,...,extraSterilisations_p95
//
// (one line in the file). With no valid replicate the percentile fields are empty. Numbers as
// analysis_csv.h says.

#include "analysis/uncertainty.h"

#include <string>

namespace karnoth {

std::string uncertaintyCsv(const UncertaintyResult& result);

}  // namespace karnoth
