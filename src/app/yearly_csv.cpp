#include "app/yearly_csv.h"

#include <cstdio>

namespace karnoth {

std::string singleText(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

std::string yearlyCsv(const RunSeries& series, const ProgrammeOutcome& outcome)
{
    std::string csv = "year,streetTotal,streetBreeders,extraSterilisations,ownedBreeders,streetSterilisedShare,"
                      "ownedSterilisedShare\n";
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        csv += std::to_string(year) + ',' + singleText(series.streetTotal[year]) + ',' +
               singleText(series.streetBreeders[year]) + ',' + singleText(series.extraSterilisations[year]) + ',' +
               singleText(series.ownedBreeders[year]) + ',' + singleText(outcome.streetSterilisedShare[year]) + ',' +
               singleText(outcome.ownedSterilisedShare[year]) + '\n';
    }
    return csv;
}

}  // namespace karnoth
