#include "model/growth_rate.h"

#include "support/checked_math.h"
#include "support/fault.h"

#include <cmath>

namespace karnoth {

double growthRateFor(double S, double R, double L, double P, double Lit, float firstYearSurvival)
{
    constexpr const char* what =
        "the growth-rate iteration from adult survival, age at first litter, age at last litter, "
        "prob. pregnant and female pups per litter";
    double growthRate = 1.0;
    for (int step = 1; step <= 20; ++step) {
        const double q = checkedDivide(S, growthRate, what);
        if (1.0 - q == 0.0)
            throw Fault(FaultKind::DivisionByZero,
                        "adult survival equals the growth factor of the iteration, so it divides by "
                        "1 - adult survival / factor");
        const double B = checkedDivide(
            checkedResult(checkedPower(q, R - 1.0, what) - checkedPower(q, L, what), what), 1.0 - q, what);
        growthRate = checkedResult((Lit * (P * B) * firstYearSurvival + growthRate) / 2.0, what);
    }
    return growthRate;
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
