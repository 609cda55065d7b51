#include "analysis/sensitivity.h"

#include "analysis/varied_inputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace karnoth {
namespace {

SensitivityResult analysed(const SensitivityRequest& request)
{
    const std::optional<SensitivityResult> result = runSensitivity(request, BatchRunner(2));
    EXPECT_TRUE(result.has_value());
    return result.value_or(SensitivityResult{});
}

const SensitivityRow& rowOf(const SensitivityResult& result, InputField field)
{
    for (const SensitivityRow& row : result.rows)
        if (row.field == field) return row;
    throw std::logic_error("no row for " + std::string(fieldCaption(field)));
}

struct ClampCase {
    InputField field;
    double moved;
    double expected;
};

TEST(Sensitivity, EndsAreClampedToEachInputsClosedRange)
{
    SensitivityRequest request;
    request.shareRange = {10, 90};  // a narrower owned-share bar than the window's
    const ClampCase cases[] = {
        {InputField::streetJuvenileSurvival, -0.05, 0},
        {InputField::streetJuvenileSurvival, 1.2, 1},
        {InputField::streetJuvenileSurvival, 0.5, 0.5},
        {InputField::probPregnant, 1.1, 1},
        {InputField::ownedSterilisedPercent, 105, 100},
        {InputField::ownedSterilisedPercent, -1, 0},
        {InputField::ownedShare, 95, 90},
        {InputField::ownedShare, 5, 10},
        {InputField::abandonedPerYear, 0.9, 1},
        {InputField::abandonedPerYear, 33000, 30000},
        {InputField::programmeRate, 1100, 1000},
        {InputField::programmeRate, 226.8, 226.8},
        {InputField::adultSurvival, 1.045, 1.045},
        {InputField::adultSurvival, -0.1, 0},
        {InputField::ageAtFirstLitter, -1, 0},
        {InputField::ageAtLastLitter, 50, 50},
        {InputField::femalePupsPerLitter, 30, 30},
        {InputField::firstYearMultiplier, -2, 0},
        {InputField::immigrantsPerYear, -3, 0},
        {InputField::immigrantsPerYear, 1e6, 1e6},
        {InputField::operationsPerYear, -1, 0},
        {InputField::carryingCapacity, 0, std::numeric_limits<double>::min()},
        {InputField::carryingCapacity, 5e7, 5e7},
        {InputField::compensation, 0, std::numeric_limits<double>::min()},
        {InputField::compensation, 24, 20},
        {InputField::compensation, 19.5, 19.5},
    };
    for (const ClampCase& c : cases)
        EXPECT_EQ(clampedEnd(request, c.field, c.moved), c.expected) << fieldCaption(c.field) << " " << c.moved;
}

TEST(Sensitivity, RowsCarryTheEndsAsTheFormulaGivesThemInControlUnits)
{
    SensitivityRequest request;
    request.inputs.abandonedPerYear = 1;  // the bar's lowest value: the low end stays at 1
    request.inputs.adultSurvival = 0.95;  // the high end passes 1 and faults
    request.deltaPercent = 10;
    const SensitivityResult result = analysed(request);
    ASSERT_EQ(result.rows.size(), 11u) << "the mechanisms of a real town are off and not listed";

    const SensitivityRow& rate = rowOf(result, InputField::programmeRate);
    EXPECT_EQ(rate.value, 252);
    EXPECT_EQ(rate.low, 252 * (1 - 10.0 / 100));  // tenths of a per cent, not rounded
    EXPECT_EQ(rate.high, 252 * (1 + 10.0 / 100));

    const SensitivityRow& abandoned = rowOf(result, InputField::abandonedPerYear);
    EXPECT_EQ(abandoned.low, 1);
    EXPECT_DOUBLE_EQ(abandoned.high, 1.1);

    const SensitivityRow& adult = rowOf(result, InputField::adultSurvival);
    EXPECT_DOUBLE_EQ(adult.high, 1.045);
    ASSERT_TRUE(adult.faultHigh.has_value());
    EXPECT_NE(adult.faultHigh->find("adult survival"), std::string::npos) << *adult.faultHigh;
    EXPECT_FALSE(adult.outcomeHigh.has_value());
    EXPECT_FALSE(adult.elasticity.has_value());
}

// Before the programme starts the street is at its equilibrium (no killed.txt, so culling takes
// nothing): with p pups per yearling, the street yearlings are Sj G / (1/p - Sj) + G and each older
// class 0.9 of the one below, so the street total is G / (1 - Sj p) x (1 - 0.9^10) / 0.1.
//  - It is proportional to G: the elasticity of abandoned per year is 1, also when the low end is
//    clamped (G = 1, delta 50: ends 1 and 1.5).
//  - For juvenile survival Sj = 0.1 moved 10 %: ((1/(1 - 0.11p) - 1/(1 - 0.09p)) (1 - 0.1p)) / 0.2.
//  - The programme's rate, share and first-year multiplier change nothing yet: elasticity 0.
TEST(Sensitivity, ElasticitiesMatchTheEquilibriumWorkedByHand)
{
    const double p = 1.5 * (1 - std::pow(0.9, 7)) / 0.1;
    SensitivityRequest request;
    request.year = 2000;
    const SensitivityResult result = analysed(request);
    ASSERT_FALSE(result.fault.has_value());
    const double total = 4000 / (1 - 0.1 * p) * (1 - std::pow(0.9, 10)) / 0.1;
    EXPECT_NEAR(*result.outcome, total, 1e-5 * total);

    EXPECT_NEAR(*rowOf(result, InputField::abandonedPerYear).elasticity, 1, 1e-5);
    const double juvenile = (1 / (1 - 0.11 * p) - 1 / (1 - 0.09 * p)) * (1 - 0.1 * p) / 0.2;
    EXPECT_NEAR(*rowOf(result, InputField::streetJuvenileSurvival).elasticity, juvenile, 1e-4 * juvenile);
    for (InputField idle : {InputField::programmeRate, InputField::ownedShare, InputField::firstYearMultiplier})
        EXPECT_EQ(*rowOf(result, idle).elasticity, 0) << fieldCaption(idle);

    request.inputs.abandonedPerYear = 1;
    request.deltaPercent = 50;
    const SensitivityRow clamped = rowOf(analysed(request), InputField::abandonedPerYear);
    EXPECT_EQ(clamped.low, 1);
    EXPECT_EQ(clamped.high, 1.5);
    EXPECT_NEAR(*clamped.elasticity, 1, 1e-5);
}

// Inputs of a real town are listed only while their mechanism is on; the compensation only with a
// capacity. A street that grows on its own (Sj = 0.2, Sj x pups per yearling above 1) settles at
// its capacity.
TEST(Sensitivity, TheInputsOfARealTownAreListedOnlyWhenInUse)
{
    const struct {
        const char* name;
        std::optional<double> immigrants;
        std::optional<double> capacity;
        std::optional<double> compensation;
        std::optional<double> operations;
        std::vector<InputField> listed;
    } cases[] = {
        {"all off", std::nullopt, std::nullopt, std::nullopt, std::nullopt, {}},
        {"arrivals", 150, std::nullopt, std::nullopt, std::nullopt, {InputField::immigrantsPerYear}},
        {"capacity",
         std::nullopt,
         20000,
         std::nullopt,
         std::nullopt,
         {InputField::carryingCapacity, InputField::compensation}},
        {"compensation alone", std::nullopt, std::nullopt, 4, std::nullopt, {}},
        {"operations",
         std::nullopt,
         20000,
         std::nullopt,
         2500,
         {InputField::carryingCapacity, InputField::compensation, InputField::operationsPerYear}},
        {"arrivals of 0", 0, 20000, 8, std::nullopt, {InputField::carryingCapacity, InputField::compensation}},
        {"everything",
         150,
         20000,
         8,
         2500,
         {InputField::immigrantsPerYear, InputField::carryingCapacity, InputField::compensation,
          InputField::operationsPerYear}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SensitivityRequest request;
        request.year = 2030;
        request.inputs.streetJuvenileSurvival = 0.2;
        if (!c.capacity) request.inputs.streetJuvenileSurvival = 0.05;  // a steady state without a capacity
        if (c.immigrants) request.inputs.immigrantsPerYear = *c.immigrants;
        request.inputs.carryingCapacity = c.capacity;
        if (c.compensation) request.inputs.compensation = *c.compensation;
        request.inputs.operationsPerYear = c.operations;
        const SensitivityResult result = analysed(request);
        ASSERT_FALSE(result.fault.has_value()) << *result.fault;
        EXPECT_EQ(result.rows.size(), 11 + c.listed.size());
        for (InputField field : {InputField::immigrantsPerYear, InputField::carryingCapacity, InputField::compensation,
                                 InputField::operationsPerYear}) {
            const bool expected = std::find(c.listed.begin(), c.listed.end(), field) != c.listed.end();
            const bool listed = std::any_of(result.rows.begin(), result.rows.end(),
                                            [field](const SensitivityRow& row) { return row.field == field; });
            EXPECT_EQ(listed, expected) << fieldCaption(field);
        }
        for (InputField field : c.listed) {
            const SensitivityRow& row = rowOf(result, field);
            EXPECT_DOUBLE_EQ(row.low, row.value * 0.9) << fieldCaption(field);
            EXPECT_DOUBLE_EQ(row.high, row.value * 1.1) << fieldCaption(field);
            EXPECT_FALSE(row.faulted()) << fieldCaption(field) << ": " << row.faultLow.value_or("")
                                        << row.faultHigh.value_or("");
        }
    }
}

// Moved all the way down (a delta of 100 %), the capacity and the compensation stay just above 0
// and the compensation's high end stays at 20: every end is a run the model accepts.
TEST(Sensitivity, TheEndsOfARealTownStayInTheirRanges)
{
    SensitivityRequest request;
    request.year = 2030;
    request.deltaPercent = 100;
    request.inputs.streetJuvenileSurvival = 0.2;
    request.inputs.immigrantsPerYear = 150;
    request.inputs.carryingCapacity = 20000;
    request.inputs.compensation = 12;
    request.inputs.operationsPerYear = 2500;
    const SensitivityResult result = analysed(request);
    ASSERT_FALSE(result.fault.has_value()) << *result.fault;
    const SensitivityRow& capacity = rowOf(result, InputField::carryingCapacity);
    EXPECT_EQ(capacity.low, std::numeric_limits<double>::min());
    EXPECT_EQ(capacity.high, 40000);
    const SensitivityRow& compensation = rowOf(result, InputField::compensation);
    EXPECT_EQ(compensation.low, std::numeric_limits<double>::min());
    EXPECT_EQ(compensation.high, 20);
    EXPECT_EQ(rowOf(result, InputField::immigrantsPerYear).low, 0);
    EXPECT_EQ(rowOf(result, InputField::operationsPerYear).low, 0);
    for (InputField field : {InputField::immigrantsPerYear, InputField::carryingCapacity, InputField::compensation,
                             InputField::operationsPerYear})
        if (const SensitivityRow& row = rowOf(result, field); row.faulted()) {
            for (const std::optional<std::string>& fault : {row.faultLow, row.faultHigh}) {
                if (fault) {
                    EXPECT_EQ(fault->find("outside its range"), std::string::npos)
                        << fieldCaption(row.field) << ": " << *fault;
                }
            }
        }
}

TEST(Sensitivity, ElasticityIsNoneForAZeroValue)
{
    SensitivityRequest request;
    request.inputs.programmeRate = 0;  // both ends 0
    const SensitivityRow rate = rowOf(analysed(request), InputField::programmeRate);
    EXPECT_EQ(rate.low, 0);
    EXPECT_EQ(rate.high, 0);
    EXPECT_FALSE(rate.elasticity.has_value());
    EXPECT_EQ(rate.swing(), 0);
}

// Rows by swing, largest first; equal swings and faulted rows in list order, faulted rows last.
TEST(Sensitivity, RowsAreOrderedBySwingWithFaultsLast)
{
    SensitivityRequest request;
    request.inputs.streetJuvenileSurvival = 0.12;  // close below its threshold 0.1278: several highs fault
    request.inputs.programmeStart = 2100;  // rate, share and multiplier have no effect: equal swings
    request.year = 2030;
    const SensitivityResult result = analysed(request);
    ASSERT_EQ(result.rows.size(), 11u) << "the mechanisms of a real town are off and not listed";

    std::size_t firstFaulted = result.rows.size();
    for (std::size_t i = 0; i < result.rows.size(); ++i)
        if (result.rows[i].faulted() && firstFaulted == result.rows.size()) firstFaulted = i;
    ASSERT_LT(firstFaulted, result.rows.size());
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const SensitivityRow& row = result.rows[i];
        EXPECT_EQ(row.faulted(), i >= firstFaulted) << i;
        if (i == 0) continue;
        const SensitivityRow& before = result.rows[i - 1];
        const std::size_t position = *variedPosition(row.field);
        const std::size_t positionBefore = *variedPosition(before.field);
        if (row.faulted() != before.faulted()) continue;
        if (row.faulted() || before.swing() == row.swing())
            EXPECT_GT(position, positionBefore) << i;
        else
            EXPECT_GT(before.swing(), row.swing()) << i;
    }
    // The three idle inputs close the unfaulted rows, in list order.
    EXPECT_EQ(result.rows[firstFaulted - 3].field, InputField::firstYearMultiplier);
    EXPECT_EQ(result.rows[firstFaulted - 2].field, InputField::programmeRate);
    EXPECT_EQ(result.rows[firstFaulted - 1].field, InputField::ownedShare);
    EXPECT_EQ(rowOf(result, InputField::streetJuvenileSurvival).faultHigh.has_value(), true);
}

TEST(Sensitivity, AFaultAtTheInputsAsGivenLeavesNoTable)
{
    SensitivityRequest request;
    request.inputs.cullFrom = 1950;  // culling in 1950 needs a count for 1949
    const SensitivityResult result = analysed(request);
    ASSERT_TRUE(result.fault.has_value());
    EXPECT_NE(result.fault->find("1949"), std::string::npos) << *result.fault;
    EXPECT_FALSE(result.outcome.has_value());
    EXPECT_TRUE(result.rows.empty());
}

// At delta 50 the age at first litter's low end is 0.5: the row shows it, its run takes 1 as the
// window would, and so gives the outcome at the inputs as given (not 1e25 dogs).
TEST(Sensitivity, AnEndBelowTheAgeAtFirstLitterFloorRunsAtTheFloor)
{
    SensitivityRequest request;
    request.year = 2030;
    request.deltaPercent = 50;
    const SensitivityResult result = analysed(request);
    ASSERT_TRUE(result.outcome.has_value());
    const SensitivityRow& row = rowOf(result, InputField::ageAtFirstLitter);
    EXPECT_EQ(row.low, 0.5);
    EXPECT_EQ(row.high, 1.5);
    ASSERT_TRUE(row.outcomeLow.has_value());
    EXPECT_EQ(*row.outcomeLow, *result.outcome);
    ASSERT_TRUE(row.elasticity.has_value());
    // Measured over the ends the runs took, 1 to 1.5.
    EXPECT_DOUBLE_EQ(*row.elasticity, ((*row.outcomeHigh - *row.outcomeLow) / *result.outcome) / 0.5);
    for (const SensitivityRow& other : result.rows)
        for (const std::optional<double>& outcome : {other.outcomeLow, other.outcomeHigh})
            if (outcome) {
                EXPECT_LT(*outcome, 1e7) << fieldCaption(other.field);
            }

    // An age below the floor as given runs as 1 too.
    SensitivityRequest below = request;
    below.inputs.ageAtFirstLitter = 0;
    EXPECT_EQ(analysed(below).outcome, result.outcome);
}

TEST(Sensitivity, MalformedRequestsAndStopping)
{
    const BatchRunner runner(1);
    SensitivityRequest request;
    request.year = 1949;
    EXPECT_THROW(runSensitivity(request, runner), std::invalid_argument);
    request.year = 2020;
    for (double delta : {0.0, -5.0, std::nan(""), 100.5, 1e308, double(INFINITY)}) {
        request.deltaPercent = delta;
        EXPECT_TRUE(sensitivityProblem(request)) << delta;
        EXPECT_THROW(runSensitivity(request, runner), std::invalid_argument) << delta;
    }
    request.deltaPercent = kMostDeltaPercent;
    EXPECT_FALSE(sensitivityProblem(request));
    // A bar's range ending below its start, or wider than the bar's own.
    for (BarRange SensitivityRequest::*bar :
         {&SensitivityRequest::rateRange, &SensitivityRequest::abandonedRange, &SensitivityRequest::shareRange})
        for (BarRange range : {BarRange{100, 0}, BarRange{-1, 100}, BarRange{0, 1e15}}) {
            SensitivityRequest wide = request;
            wide.*bar = range;
            EXPECT_TRUE(sensitivityProblem(wide)) << range.lowest << ".." << range.highest;
            EXPECT_THROW(runSensitivity(wide, runner), std::invalid_argument);
        }

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(runSensitivity(SensitivityRequest{}, runner, {stop.get_token(), {}}).has_value());
}

}  // namespace
}  // namespace karnoth
