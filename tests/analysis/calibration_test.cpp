#include "analysis/calibration.h"

#include "analysis/tiny_town.h"
#include "model/engine.h"
#include "support/fault.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace karnoth {
namespace {

Calibration match(const ModelInputs& inputs, int year, double count, const YearlySeries& killed = {},
                  CalibratedInput adjusted = CalibratedInput::abandonedPerYear)
{
    return matchCount({inputs, killed, year, count, adjusted}, BatchRunner(2));
}

// The tiny town with street pups surviving at 3/4: each female leaves 1.5 surviving daughters, so
// the street grows on its own and a carrying capacity holds it.
ModelInputs crowdedTinyTown()
{
    ModelInputs inputs = test::tinyTown(10);
    inputs.streetJuvenileSurvival = 0.75;
    return inputs;
}

double streetTotalWith(ModelInputs inputs, CalibratedInput adjusted, double value, int year)
{
    if (adjusted == CalibratedInput::immigrantsPerYear)
        inputs.immigrantsPerYear = value;
    else
        inputs.carryingCapacity = value;
    const ModelOutcome outcome = runModel(inputs);
    EXPECT_TRUE(outcome.ok());
    return outcome.ok() ? outcome.result().series.streetTotal[year] : 0;
}

double streetTotalAt(ModelInputs inputs, int abandoned, int year)
{
    inputs.abandonedPerYear = abandoned;
    const ModelOutcome outcome = runModel(inputs);
    EXPECT_TRUE(outcome.ok());
    return outcome.ok() ? outcome.result().series.streetTotal[year] : 0;
}

// In the tiny town the street total before the programme is 2G (up to the singles' rounding), so a
// count C is matched by the G nearest to C / 2.
TEST(Calibration, TheNearestValueAndTheBarsEnds)
{
    constexpr double kRounding = 0.01;  // females, in totals up to 60,000
    const struct {
        double count;
        int abandoned;
        double streetTotal;
        bool reached;
    } cases[] = {
        {2500.4, 1250, 2500, true},
        {2501.2, 1251, 2502, true},
        {12345.6, 6173, 12346, true},
        {2.5, 1, 2, true},
        {1, 1, 2, false},  // below what the bar's lowest, 1, gives
        {59999.5, 30000, 60000, true},
        {70000, 30000, 60000, false},  // above what its highest gives
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        const Calibration calibration = match(test::tinyTown(), 2000, c.count);
        EXPECT_EQ(calibration.surveyYear, 2000);
        EXPECT_EQ(calibration.count, c.count);
        EXPECT_EQ(calibration.value, c.abandoned);
        EXPECT_NEAR(calibration.streetTotal, c.streetTotal, kRounding);
        EXPECT_EQ(calibration.difference, calibration.streetTotal - c.count);
        EXPECT_EQ(calibration.reached, c.reached);
    }
}

TEST(Calibration, ACountHalfWayBetweenTwoValuesGoesToTheLower)
{
    // Two singles add and halve exactly in double, so the count lies exactly as far from both.
    const double low = streetTotalAt(test::tinyTown(), 1250, 2000);
    const double high = streetTotalAt(test::tinyTown(), 1251, 2000);
    const double halfWay = (low + high) / 2;
    EXPECT_EQ(match(test::tinyTown(), 2000, halfWay).value, 1250);
    EXPECT_EQ(match(test::tinyTown(), 2000, std::nextafter(halfWay, high)).value, 1251);
}

// A count far above every street total the bar reaches is nearest to the bar's highest value: the
// distances differ by far less than the count's own rounding step, so they are compared exactly.
TEST(Calibration, AHugeCountSetsTheBarsHighestValue)
{
    for (double count : {1e9, 1e11, kMostCount * (1 - 1e-12), kMostCount}) {
        for (const ModelInputs& inputs : {test::tinyTown(), ModelInputs{}}) {
            const Calibration calibration = match(inputs, 2005, count);
            EXPECT_EQ(calibration.value, kHighestAbandoned) << count;
            EXPECT_FALSE(calibration.reached) << count;
            EXPECT_EQ(calibration.streetTotal, streetTotalAt(inputs, kHighestAbandoned, 2005)) << count;
        }
    }
    EXPECT_FALSE(calibrationProblem(2005, kMostCount));
}

// Each run takes the inputs as the window would: an age at first litter of 0.3 runs as 1.
TEST(Calibration, RunsTakeTheAgeAtFirstLitterFloor)
{
    ModelInputs belowTheFloor = test::tinyTown();
    belowTheFloor.ageAtFirstLitter = 0.3;
    const Calibration floored = match(belowTheFloor, 2000, 2500.4);
    const Calibration atOne = match(test::tinyTown(), 2000, 2500.4);
    EXPECT_EQ(floored.value, atOne.value);
    EXPECT_EQ(floored.streetTotal, atOne.streetTotal);
}

TEST(Calibration, ValuesWhoseRunFaultsAreSkipped)
{
    // 1,000 dogs killed in 1995 are culled from the 2G street yearlings of 1996: every G below 500
    // removes more than there are.
    YearlySeries killed;
    killed[1995] = 1000;
    const Calibration low = match(test::tinyTown(), 1990, 100, killed);
    EXPECT_EQ(low.value, 500);
    EXPECT_NEAR(low.streetTotal, 1000, 0.01);
    EXPECT_FALSE(low.reached);
    EXPECT_EQ(match(test::tinyTown(), 1990, 1001.5, killed).value, 501);
    EXPECT_TRUE(match(test::tinyTown(), 1990, 1001.5, killed).reached);
}

TEST(Calibration, AtTheDefaultsTheAnswerIsTheNearestOfItsNeighbourhood)
{
    const ModelInputs defaults;
    const Calibration calibration = match(defaults, 2005, 100000);
    ASSERT_TRUE(calibration.reached);
    // Every value within 300 of the answer, run one by one.
    int nearest = 0;
    double nearestDistance = INFINITY;
    const int found = static_cast<int>(calibration.value);
    for (int value = found - 300; value <= found + 300; ++value) {
        ModelInputs inputs = defaults;
        inputs.abandonedPerYear = value;
        const ModelOutcome outcome = runModel(inputs);
        ASSERT_TRUE(outcome.ok());
        const double distance = std::abs(outcome.result().series.streetTotal[2005] - 100000.0);
        if (distance < nearestDistance) {
            nearest = value;
            nearestDistance = distance;
        }
    }
    EXPECT_EQ(calibration.value, nearest);
    EXPECT_NEAR(std::abs(calibration.difference), nearestDistance, 0);
}

// Arrivals join the abandoned in the tiny town's street: its total is 2 (G + M), so with G = 1000 a
// count C is matched by the M nearest to C / 2 - 1000, from 0 to 30,000.
TEST(Calibration, ImmigrantsPerYearByTheNearestCount)
{
    const struct {
        double count;
        double immigrants;
        double streetTotal;
        bool reached;
    } cases[] = {
        {5000, 1500, 5000, true},     {5003.2, 1502, 5004, true},
        {2000.9, 0, 2000, true},      {1000, 0, 2000, false},  // below what no arrivals give
        {61999, 29999, 61998, true},  // as near as 30,000: the smaller
        {70000, 30000, 62000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        const Calibration calibration = match(test::tinyTown(), 2000, c.count, {}, CalibratedInput::immigrantsPerYear);
        EXPECT_EQ(calibration.adjusted, CalibratedInput::immigrantsPerYear);
        EXPECT_EQ(calibration.value, c.immigrants);
        EXPECT_NEAR(calibration.streetTotal, c.streetTotal, 0.01);
        EXPECT_EQ(calibration.reached, c.reached);
    }
}

// A capacity takes three significant figures: a count between the totals of 12,300 and 12,400 is
// matched by one of them, never by 12,345, and half-way goes to the smaller.
TEST(Calibration, CarryingCapacityOnItsThreeFigureValuesTiesToTheSmaller)
{
    const ModelInputs town = crowdedTinyTown();
    constexpr auto kCapacity = CalibratedInput::carryingCapacity;
    const double low = streetTotalWith(town, kCapacity, 12300, 2000);
    const double high = streetTotalWith(town, kCapacity, 12400, 2000);
    ASSERT_LT(low, high);
    const double halfWay = (low + high) / 2;
    const struct {
        double count;
        double capacity;
    } cases[] = {{low, 12300},
                 {high, 12400},
                 {halfWay, 12300},
                 {std::nextafter(halfWay, high), 12400},
                 {streetTotalWith(town, kCapacity, 999, 2000), 999},
                 {streetTotalWith(town, kCapacity, 1010, 2000), 1010}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        const Calibration calibration = match(town, 2000, c.count, {}, kCapacity);
        EXPECT_EQ(calibration.value, c.capacity);
        EXPECT_TRUE(calibration.reached);
    }
    // With 10 abandoned a year and nothing else flowing in the street holds just above its capacity:
    // a count of 5,000 takes a capacity a little below it.
    const Calibration near = match(town, 2000, 5000, {}, kCapacity);
    EXPECT_GT(near.value, 4900);
    EXPECT_LE(near.value, 5000);
    EXPECT_LE(std::abs(near.difference), (streetTotalWith(town, kCapacity, near.value + 10, 2000) -
                                          streetTotalWith(town, kCapacity, near.value, 2000)) /
                                             2);
}

TEST(Calibration, EachInputsValues)
{
    const std::vector<double> abandoned = calibrationValues(CalibratedInput::abandonedPerYear);
    ASSERT_EQ(abandoned.size(), 30000u);
    EXPECT_EQ(abandoned.front(), 1);
    EXPECT_EQ(abandoned.back(), 30000);
    const std::vector<double> immigrants = calibrationValues(CalibratedInput::immigrantsPerYear);
    ASSERT_EQ(immigrants.size(), 30001u);
    EXPECT_EQ(immigrants.front(), 0);
    EXPECT_EQ(immigrants.back(), 30000);

    // 1..999, then 900 values in each of four decades, then 10,000,000.
    const std::vector<double> capacity = calibrationValues(CalibratedInput::carryingCapacity);
    ASSERT_EQ(capacity.size(), 999u + 4 * 900 + 1);
    const struct {
        std::size_t index;
        double value;
    } cases[] = {{0, 1},        {998, 999},      {999, 1000},     {1000, 1010},    {1899, 10000},
                 {1900, 10100}, {3699, 1000000}, {3700, 1010000}, {4598, 9990000}, {4599, 10000000}};
    for (const auto& c : cases) EXPECT_EQ(capacity[c.index], c.value) << c.index;
    EXPECT_TRUE(std::is_sorted(capacity.begin(), capacity.end()));
    EXPECT_EQ(std::adjacent_find(capacity.begin(), capacity.end()), capacity.end());
}

TEST(Calibration, BadRequestsAndABarThatAlwaysFaults)
{
    for (const auto& [year, count] :
         std::initializer_list<std::pair<int, double>>{{1950, 100},
                                                       {2051, 100},
                                                       {2000, 0},
                                                       {2000, -3},
                                                       {2000, NAN},
                                                       {2000, INFINITY},
                                                       {2000, std::nextafter(kMostCount, INFINITY)},
                                                       {2000, 1e18},
                                                       {2000, 1e30}}) {
        EXPECT_TRUE(calibrationProblem(year, count)) << year << " " << count;
        EXPECT_THROW(match(test::tinyTown(), year, count), std::invalid_argument) << year << " " << count;
    }

    ModelInputs impossible = test::tinyTown();
    impossible.adultSurvival = 1.5;
    try {
        match(impossible, 2000, 100);
        ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::OutsideRange);
        EXPECT_NE(std::string(fault.what()).find("every value of the abandonment bar"), std::string::npos);
        EXPECT_NE(std::string(fault.what()).find("adult survival"), std::string::npos);
    }
}

}  // namespace
}  // namespace karnoth
