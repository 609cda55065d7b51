#include "model/growth_rate.h"

#include "support/checked_math.h"
#include "support/fault.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
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
    const double late = std::pow(q, c.L);          // q^L
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

// Brent's method on [low, high], where f changes sign: inverse quadratic interpolation or a secant
// step where it makes good progress, bisection where it does not.
template <class F>
double brentRoot(F f, double low, double high, double fLow, double fHigh)
{
    double a = low, b = high, fa = fLow, fb = fHigh;
    double c = a, fc = fa;
    double d = b - a, e = d;
    for (int iteration = 0; iteration < 200; ++iteration) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tolerance = 2.0 * DBL_EPSILON * std::fabs(b) + 0.5e-13 * std::fabs(b);
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= tolerance || fb == 0.0) return b;
        if (std::fabs(e) < tolerance || std::fabs(fa) <= std::fabs(fb)) {
            d = e = half;
        } else {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2.0 * half * s;
                q = 1.0 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2.0 * half * qa * (qa - r) - (b - a) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0) q = -q;
            else p = -p;
            if (2.0 * p < std::min(3.0 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = half;
            }
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tolerance ? d : (half > 0 ? tolerance : -tolerance);
        fb = f(b);
    }
    return b;
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
    return brentRoot(excess, kLow, kHigh, atLow, atHigh);
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
