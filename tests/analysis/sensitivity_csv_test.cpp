#include "analysis/sensitivity_csv.h"

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

const char* const kHeader =
    "year,delta,outcome,input,value,low,high,outcomeLow,outcomeHigh,swing,elasticity,faultLow,faultHigh";

TEST(SensitivityCsv, OneLinePerRowInTheTablesOrderWithEmptyFieldsForWhatFaulted)
{
    SensitivityResult result;
    result.year = 2030;
    result.deltaPercent = 12.5;
    result.outcome = 37143.25f;
    SensitivityRow rate;
    rate.field = InputField::programmeRate;
    rate.value = 252;
    rate.low = 226.8;
    rate.high = 277.2;
    rate.outcomeLow = 40000;
    rate.outcomeHigh = 35000.5;
    rate.elasticity = -0.67;
    SensitivityRow adult;
    adult.field = InputField::adultSurvival;
    adult.value = 0.9;
    adult.low = 0.81;
    adult.high = 0.99;
    adult.outcomeLow = 21516;
    adult.faultHigh = "juvenile survival 0.1 is at or above the threshold, \"1 / pups\"";
    result.rows = {rate, adult};

    const std::vector<std::string> lines = linesOf(sensitivityCsv(result));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1], "2030,12.5,37143.25,sterilisation rate (tenths of a %),252,226.8,277.2,40000,35000.5,4999.5,"
                        "-0.67,,");
    // The swing of a faulted row is not told; the message is quoted, its own quotes doubled.
    EXPECT_EQ(lines[2], "2030,12.5,37143.25,adult survival,0.9,0.81,0.99,21516,,,,,"
                        "\"juvenile survival 0.1 is at or above the threshold, \"\"1 / pups\"\"\"");
}

TEST(SensitivityCsv, ATableThatCouldNotBeMadeGivesTheHeaderAlone)
{
    SensitivityResult result;
    result.year = 2020;
    result.deltaPercent = 10;
    result.fault = "adult survival 1.5 is outside its range";
    EXPECT_EQ(sensitivityCsv(result), std::string(kHeader) + "\n");
}

}  // namespace
}  // namespace karnoth
