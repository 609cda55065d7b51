#include "analysis/calibration.h"

#include "analysis/tiny_town.h"
#include "model/engine.h"
#include "support/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace karnoth {
namespace {

Calibration match(const ModelInputs& inputs, int year, double count, const YearlySeries& killed = {})
{
    return matchCount({inputs, killed, year, count}, BatchRunner(2));
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
        EXPECT_EQ(calibration.abandonedPerYear, c.abandoned);
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
    EXPECT_EQ(match(test::tinyTown(), 2000, halfWay).abandonedPerYear, 1250);
    EXPECT_EQ(match(test::tinyTown(), 2000, std::nextafter(halfWay, high)).abandonedPerYear, 1251);
}

// A count far above every street total the bar reaches is nearest to the bar's highest value: the
// distances differ by far less than the count's own rounding step, so they are compared exactly.
TEST(Calibration, AHugeCountSetsTheBarsHighestValue)
{
    for (double count : {1e9, 1e11, kMostCount * (1 - 1e-12), kMostCount}) {
        for (const ModelInputs& inputs : {test::tinyTown(), ModelInputs{}}) {
            const Calibration calibration = match(inputs, 2005, count);
            EXPECT_EQ(calibration.abandonedPerYear, kHighestAbandoned) << count;
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
    EXPECT_EQ(floored.abandonedPerYear, atOne.abandonedPerYear);
    EXPECT_EQ(floored.streetTotal, atOne.streetTotal);
}

TEST(Calibration, ValuesWhoseRunFaultsAreSkipped)
{
    // 1,000 dogs killed in 1995 are culled from the 2G street yearlings of 1996: every G below 500
    // removes more than there are.
    YearlySeries killed;
    killed[1995] = 1000;
    const Calibration low = match(test::tinyTown(), 1990, 100, killed);
    EXPECT_EQ(low.abandonedPerYear, 500);
    EXPECT_NEAR(low.streetTotal, 1000, 0.01);
    EXPECT_FALSE(low.reached);
    EXPECT_EQ(match(test::tinyTown(), 1990, 1001.5, killed).abandonedPerYear, 501);
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
    for (int value = calibration.abandonedPerYear - 300; value <= calibration.abandonedPerYear + 300; ++value) {
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
    EXPECT_EQ(calibration.abandonedPerYear, nearest);
    EXPECT_NEAR(std::abs(calibration.difference), nearestDistance, 0);
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
