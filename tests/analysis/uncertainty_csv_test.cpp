#include "analysis/uncertainty_csv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace karnoth {
namespace {

std::vector<std::string> linesOf(const std::string& csv)
{
    std::vector<std::string> lines;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Bands whose percentile i in year Y is base + 10 i + (Y - 1950) / 4.
SeriesBands bandsFrom(double base)
{
    SeriesBands bands;
    for (std::size_t i = 0; i < bands.bands.size(); ++i)
        for (std::size_t year = 0; year < bands.bands[i].size(); ++year)
            bands.bands[i][year] = base + 10.0 * double(i) + double(year) / 4.0;
    return bands;
}

TEST(UncertaintyCsv, AHeaderThenEveryYearWithTheFivePercentilesOfEachSeries)
{
    UncertaintyResult result;
    result.streetTotal = bandsFrom(1000);
    result.streetBreeders = bandsFrom(500);
    result.extraSterilisations = bandsFrom(0);
    const std::vector<std::string> lines = linesOf(uncertaintyCsv(result));
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0],
              "year,streetTotal_p5,streetTotal_p25,streetTotal_p50,streetTotal_p75,streetTotal_p95,"
              "streetBreeders_p5,streetBreeders_p25,streetBreeders_p50,streetBreeders_p75,streetBreeders_p95,"
              "extraSterilisations_p5,extraSterilisations_p25,extraSterilisations_p50,extraSterilisations_p75,"
              "extraSterilisations_p95");
    EXPECT_EQ(lines[1], "1950,1000,1010,1020,1030,1040,500,510,520,530,540,0,10,20,30,40");
    EXPECT_EQ(lines[52], "2001,1012.75,1022.75,1032.75,1042.75,1052.75,512.75,522.75,532.75,542.75,552.75,"
                         "12.75,22.75,32.75,42.75,52.75");
    EXPECT_EQ(lines[101].substr(0, 10), "2050,1025,");
}

TEST(UncertaintyCsv, WithNoValidReplicateThePercentilesAreEmpty)
{
    UncertaintyResult result;
    result.replicates = 10;
    result.faulted = 10;
    const std::vector<std::string> lines = linesOf(uncertaintyCsv(result));
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[1], "1950,,,,,,,,,,,,,,,");
    EXPECT_EQ(lines[101], "2050,,,,,,,,,,,,,,,");
}

}  // namespace
}  // namespace karnoth
