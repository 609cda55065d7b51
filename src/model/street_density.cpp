#include "model/street_density.h"

#include "model/population_state.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <cmath>
#include <cstdint>

namespace karnoth {

double yearsAgedOneToTen(double S)
{
    double years = 0;
    double survived = 1;
    for (int age = 1; age <= kOldestAge; ++age) {
        years += survived;
        survived *= S;
    }
    return years;
}

std::optional<StreetDensity> streetDensityFor(double capacity, double compensation, double Sj, double pupsPerYearling)
{
    const double surplus = Sj * pupsPerYearling - 1;
    if (!(surplus > 0)) return std::nullopt;
    const bool whole = compensation == std::floor(compensation) && compensation <= 64;
    return StreetDensity{capacity, compensation, surplus, 0, whole ? static_cast<unsigned>(compensation) : 0u};
}

double equilibriumStreetTotal(const StreetDensity& density, double S, double Sj, double ppy, double inflow)
{
    const double A = inflow * yearsAgedOneToTen(S);
    const double K = density.capacity;
    const double c = density.surplus;
    if (A == 0) return K;  // a closed street settles where its pups just replace it
    if (density.compensation == 1) {
        const double b = c * (K + A);
        return K * (b + std::sqrt(b * b + 4 * c * K * A)) / (2 * c * K);
    }
    const auto excess = [&](double N) { return N * (1 - ppy * density.juvenileSurvival(Sj, N)) - A; };
    // The left side is -A at K and grows without bound: double the upper end until it is above A.
    double low = K;
    if (excess(low) >= 0) return low;  // an inflow too small to tell from rounding at K
    double high = 2 * K + A;
    while (excess(high) <= 0) {
        low = high;
        high *= 2;
    }
    std::uintmax_t iterations = 200;
    const auto [lowRoot, highRoot] = boost::math::tools::toms748_solve(
        excess, low, high, excess(low), excess(high), boost::math::tools::eps_tolerance<double>(44), iterations);
    return (lowRoot + highRoot) / 2;
}

}  // namespace karnoth
