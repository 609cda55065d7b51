#include "model/growth_rate.h"

#include "support/checked_math.h"
#include "support/fault.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <cmath>
#include <cstdint>
#include <optional>

namespace karnoth {
namespace {

constexpr const char* kWhat =
    "the growth rate from adult survival, age at first litter, age at last litter, prob. pregnant and "
    "female pups per litter";

// B(q), the sum of q^(a-1) over the breeding ages a = R..L, in closed form.
double breedingSum(double q, double R, double L)
{
    if (q == 1.0) return L - R + 1.0;
    return checkedDivide(checkedResult(checkedPower(q, R - 1.0, kWhat) - checkedPower(q, L, kWhat), kWhat), 1.0 - q,
                         kWhat);
}

struct GrowthCondition {
    double S, R, L, P, Lit;
    float firstYearSurvival;
    // The factor the breeding schedule gives a population growing by g a year.
    double rightSide(double g) const
    {
        const double B = breedingSum(checkedDivide(S, g, kWhat), R, L);
        return checkedResult(Lit * (P * B) * firstYearSurvival, kWhat);
    }
};

// h(g) = rightSide(g) - g and its slope, for 0 < q = S / g < 1 and R >= 1. With
// B(q) = (q^(R-1) - q^L) / (1 - q), dB/dq = (((R-1) q^(R-2) - L q^(L-1)) (1 - q) + q^(R-1) - q^L) / (1 - q)^2
// and dq/dg = -q / g.
struct ExcessAndSlope {
    double excess;
    double slope;
};

ExcessAndSlope excessAndSlope(const GrowthCondition& c, double g)
{
    const double q = c.S / g;
    const double early = std::pow(q, c.R - 1.0);  // q^(R-1)
    const double late = std::pow(q, c.L);  // q^L
    const double gap = 1.0 - q;
    const double B = (early - late) / gap;
    const double dBdq = (((c.R - 1.0) * early - c.L * late) / q * gap + (early - late)) / (gap * gap);
    const double factor = c.Lit * c.P * c.firstYearSurvival;
    return {factor * B - g, factor * dBdq * (-q / g) - 1.0};
}

// Newton's method from g = 1. The right side is a sum of terms S^(a-1) g^(1-a), each convex and
// falling in g, so h is convex and falling: from the left of the root, every tangent meets zero
// at or before the root, and the steps climb to it without overshooting, quadratically at the
// end (about six steps). A step that leaves [low, high] or is not finite gives up (nullopt).
std::optional<double> newtonFromTheLeft(const GrowthCondition& condition, double low, double high)
{
    double g = low;
    for (int step = 0; step < 60; ++step) {
        const ExcessAndSlope h = excessAndSlope(condition, g);
        const double next = g - h.excess / h.slope;
        if (!std::isfinite(next) || next < low || next > high) return std::nullopt;
        if (std::fabs(next - g) <= 1e-14 * next) return next;
        g = next;
    }
    return std::nullopt;
}

double dampedSteps(const GrowthCondition& condition)
{
    double growthRate = 1.0;
    for (int step = 1; step <= 20; ++step)
        growthRate = checkedResult((condition.rightSide(growthRate) + growthRate) / 2.0, kWhat);
    return growthRate;
}

}  // namespace

double growthRateFor(double S, double R, double L, double P, double Lit, float firstYearSurvival)
{
    const GrowthCondition condition{S, R, L, P, Lit, firstYearSurvival};
    if (!(R >= 1.0)) return dampedSteps(condition);
    constexpr double kLow = 1.0;
    constexpr double kHigh = 4.0;
    if (S > 0 && S < 1)
        if (const std::optional<double> root = newtonFromTheLeft(condition, kLow, kHigh)) return *root;
    const auto excess = [&](double g) { return condition.rightSide(g) - g; };
    const double atLow = excess(kLow);
    const double atHigh = excess(kHigh);
    // The bracket holds whenever firstYearSurvival x pupsPerYearling is near 10/3, as a run makes
    // it; a caller with other figures gets the damped steps.
    if ((atLow > 0) == (atHigh > 0)) return dampedSteps(condition);
    // TOMS 748 (Alefeld, Potra and Shi) keeps the bracket, so it never leaves [1, 4] as Newton's
    // steps may. 44 bits ends it once the bracket is narrower than 2^-43, a relative 1.1e-13.
    std::uintmax_t iterations = 200;
    const auto [low, high] = boost::math::tools::toms748_solve(
        excess, kLow, kHigh, atLow, atHigh, boost::math::tools::eps_tolerance<double>(44), iterations);
    return low + (high - low) / 2.0;
}

double doublingTimeFor(double growthRate)
{
    if (growthRate == 1.0)
        throw Fault(FaultKind::DivisionByZero,
                    "the growth factor is exactly 1, so the doubling time ln 2 / ln factor divides by zero");
    const double lnFactor = checkedLog(growthRate, "the doubling time ln 2 / ln growth factor");
    return checkedDivide(std::log(2.0), lnFactor, "the doubling time ln 2 / ln growth factor");
}

}  // namespace karnoth
