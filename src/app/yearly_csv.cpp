#include "app/yearly_csv.h"

#include <cstdio>

namespace karnoth {

std::string singleText(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

std::string yearlyCsv(const RunSeries& series)
{
    std::string csv = "year,streetTotal,streetBreeders,extraSterilisations,ownedBreeders\n";
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        csv += std::to_string(year) + ',' + singleText(series.streetTotal[year]) + ',' +
               singleText(series.streetBreeders[year]) + ',' + singleText(series.extraSterilisations[year]) + ',' +
               singleText(series.ownedBreeders[year]) + '\n';
    }
    return csv;
}

}  // namespace karnoth
