#include "model/street_density.h"

#include <gtest/gtest.h>

#include <cmath>

namespace karnoth {
namespace {

double lifetimeYears(double S)
{
    double years = 0;
    for (int age = 0; age < 10; ++age) years += std::pow(S, age);
    return years;
}

// N (1 - ppy Sj / (1 + c (N/K)^theta)) - (G + M) (1 + S + ... + S^9), relative to N.
double relativeExcess(const StreetDensity& d, double S, double Sj, double ppy, double inflow, double N)
{
    return (N * (1 - ppy * d.juvenileSurvival(Sj, N)) - inflow * lifetimeYears(S)) / N;
}

TEST(StreetDensity, OnlyAStreetWithASurplusIsHeldBack)
{
    EXPECT_FALSE(streetDensityFor(1000, 1, 0.1, 7.8));  // 0.78 pups replace a yearling: no surplus
    EXPECT_FALSE(streetDensityFor(1000, 1, 0.5, 2.0));  // exactly replaces itself
    const std::optional<StreetDensity> held = streetDensityFor(1000, 3, 0.3, 7.8);
    ASSERT_TRUE(held);
    EXPECT_NEAR(held->surplus, 0.3 * 7.8 - 1, 1e-12);
    // At the capacity pups survive at Sj / (1 + c) = 1 / ppy: they just replace the street.
    EXPECT_NEAR(held->juvenileSurvival(0.3, 1000), 1 / 7.8, 1e-12);
    EXPECT_NEAR(held->juvenileSurvival(0.3, 0), 0.3, 1e-12);
}

// The equilibrium total solves its equation, lies at or above the capacity, and for theta = 1 is
// the quadratic's root worked by hand.
TEST(StreetDensity, EquilibriumTotalSolvesItsEquation)
{
    struct Case {
        double capacity, compensation, S, Sj, ppy, inflow;
    };
    const Case cases[] = {
        {10000, 1, 0.9, 0.3, 7.8, 0},   {10000, 8, 0.9, 0.3, 7.8, 0},     {50000, 1, 0.9, 0.3, 7.8, 4500},
        {50000, 1, 0.7, 0.5, 3.0, 10},  {50000, 0.3, 0.7, 0.5, 3.0, 800}, {2e6, 8, 0.8, 0.9, 4.0, 30000},
        {100, 20, 0.9, 1.0, 9.0, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "K " << c.capacity << " theta " << c.compensation << " inflow " << c.inflow);
        StreetDensity d = *streetDensityFor(c.capacity, c.compensation, c.Sj, c.ppy);
        const double N = equilibriumStreetTotal(d, c.S, c.Sj, c.ppy, c.inflow);
        EXPECT_GE(N, c.capacity);
        EXPECT_NEAR(relativeExcess(d, c.S, c.Sj, c.ppy, c.inflow, N), 0, 1e-11);
        if (c.inflow == 0) {
            EXPECT_EQ(N, c.capacity);
        }
        if (c.compensation == 1) {
            // K x (1 + c x - ppy Sj) = A (1 + c x) with ppy Sj = 1 + c: c K x^2 - c (K + A) x - A = 0.
            const double A = c.inflow * lifetimeYears(c.S);
            const double a = d.surplus * c.capacity, b = -d.surplus * (c.capacity + A);
            const double x = (-b + std::sqrt(b * b + 4 * a * A)) / (2 * a);
            EXPECT_NEAR(N, c.capacity * x, 1e-9 * N);
        }
    }
}

}  // namespace
}  // namespace karnoth
