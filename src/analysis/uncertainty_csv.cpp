#include "analysis/uncertainty_csv.h"

#include "analysis/analysis_csv.h"

#include <array>
#include <utility>

namespace karnoth {

std::string uncertaintyCsv(const UncertaintyResult& result)
{
    const std::array<std::pair<const char*, const std::optional<SeriesBands>*>, 3> series{{
        {"streetTotal", &result.streetTotal},
        {"streetBreeders", &result.streetBreeders},
        {"extraSterilisations", &result.extraSterilisations},
    }};
    std::string csv = "year";
    for (const auto& [name, bands] : series)
        for (double percent : kBandPercentiles) csv += "," + std::string(name) + "_p" + std::to_string(int(percent));
    csv += '\n';
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        csv += std::to_string(year);
        for (const auto& [name, bands] : series)
            for (std::size_t i = 0; i < kBandPercentiles.size(); ++i) {
                csv += ',';
                if (*bands) csv::appendNumber(csv, (*bands)->bands[i][static_cast<std::size_t>(year - kFirstYear)]);
            }
        csv += '\n';
    }
    return csv;
}

}  // namespace karnoth
