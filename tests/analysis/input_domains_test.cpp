#include "analysis/input_domains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace karnoth {
namespace {

// The window takes an age at first litter below 1 as 1, and so does every run of an analysis.
TEST(InputDomains, TheAgeAtFirstLitterIsFlooredAsTheWindowFloorsIt)
{
    const struct {
        double given;
        double taken;
    } cases[] = {{0, 1}, {0.2, 1}, {0.5, 1}, {0.999, 1}, {-3, 1}, {1, 1}, {1.5, 1.5}, {4, 4}};
    for (const auto& c : cases) {
        ModelInputs inputs;
        inputs.ageAtFirstLitter = c.given;
        ModelInputs expected = inputs;
        expected.ageAtFirstLitter = c.taken;
        EXPECT_EQ(asTheWindowRuns(inputs), expected) << c.given;
    }
    ModelInputs notANumber;
    notANumber.ageAtFirstLitter = std::nan("");
    EXPECT_TRUE(std::isnan(asTheWindowRuns(notANumber).ageAtFirstLitter)) << "left for its range check to name";
}

TEST(InputDomains, ARangeOfABarStaysWithinTheBarATextsMayCrossItsRange)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        InputField field;
        double low, high;
        const char* problem;  // a part of the message, or nullptr when the range is taken
    } cases[] = {
        {InputField::abandonedPerYear, 1, 30000, nullptr},
        {InputField::abandonedPerYear, 1e15, 1e16, "leaves its bar's range, 1 to 30000"},
        {InputField::abandonedPerYear, 0, 100, "abandoned per year"},
        {InputField::abandonedPerYear, 100, 30000.5, "1 to 30000"},
        {InputField::programmeRate, 0, 1000, nullptr},
        {InputField::programmeRate, -1, 10, "0 to 1000"},
        {InputField::ownedShare, 50, 101, "0 to 100"},
        {InputField::adultSurvival, 0.8, 1.2, nullptr},  // the replicates beyond 1 fault, as a typed 1.2
        {InputField::ageAtFirstLitter, 0.2, 2, nullptr},  // each run takes the floor
        {InputField::adultSurvival, 0.95, 0.85, "lies above the high end"},
        {InputField::adultSurvival, std::nan(""), 0.9, "finite ends"},
        {InputField::abandonedPerYear, 1, inf, "finite ends"},
        // The inputs of a real town keep to their own ranges.
        {InputField::immigrantsPerYear, 0, 500, nullptr},
        {InputField::immigrantsPerYear, -1, 500, "leaves its range, at least 0"},
        {InputField::carryingCapacity, 0.5, 1e6, nullptr},
        {InputField::carryingCapacity, 0, 1e6, "street carrying capacity leaves its range, above 0"},
        {InputField::carryingCapacity, -10, -5, "above 0"},
        {InputField::compensation, 1e-9, 20, nullptr},
        {InputField::compensation, 0, 2, "compensation leaves its range, above 0 and at most 20"},
        {InputField::compensation, 5, 20.001, "above 0 and at most 20"},
        {InputField::operationsPerYear, 0, 1e5, nullptr},
        {InputField::operationsPerYear, -0.5, 10, "sterilisations per year leaves its range, at least 0"},
        {InputField::operationsPerYear, 10, 5, "lies above the high end"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> problem = variedRangeProblem(c.field, c.low, c.high);
        if (!c.problem) {
            EXPECT_FALSE(problem) << fieldCaption(c.field) << " " << c.low << ".." << c.high << ": " << *problem;
            continue;
        }
        ASSERT_TRUE(problem) << fieldCaption(c.field) << " " << c.low << ".." << c.high;
        EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
    }
}

}  // namespace
}  // namespace karnoth
