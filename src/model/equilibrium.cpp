#include "model/equilibrium.h"

#include "model/breeding.h"
#include "model/input_field.h"
#include "model/street_density.h"
#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"
#include "support/translate_noop.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace karnoth {
namespace {

constexpr const char* kOwned =
    "the owned equilibrium from first-year survival, % owned dogs sterilised and the 1-year old "
    "females abandoned per year";
constexpr const char* kStreet = "the street equilibrium from pups per yearling, juvenile survival and the 1-year old "
                                "females abandoned per year";

// `value` with the fewest significant digits (at least 3) that tell it apart from `other`.
std::string distinguishable(double value, double other)
{
    char buffer[64];
    for (int digits = 3;; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (digits >= 9 || std::strtod(buffer, nullptr) != other) return buffer;
    }
}

}  // namespace

void requireOwnedSteadyState(const PopulationState& s, double ownedSterilisedPercent)
{
    const double unsterilisedPups = double(s.unsterilisedShare) * s.pupsPerYearling;
    if (unsterilisedPups != 0.0 && s.firstYearSurvival - 1.0 / unsterilisedPups > 1e-6 * s.firstYearSurvival) [[likely]]
        return;
    const double limit = 100.0 * (1.0 - kOwnedReplacementShare);
    throw Fault(
        FaultKind::ImpossibleState,
        Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase",
                                      "With %1% of owned yearlings sterilised by their owners, owned dogs cannot "
                                      "replace themselves, so there is no steady state to start from. Keep it "
                                      "below %2%."),
               {formatPlain(ownedSterilisedPercent, NumberLocale{}), formatPlain(limit, NumberLocale{})}},
        std::string(fieldCaption(InputField::ownedSterilisedPercent)));
}

void setOwnedEquilibrium(PopulationState& s, double S, double G)
{
    const double ownedDenominator = s.firstYearSurvival -
                                    checkedDivide(1.0, double(s.unsterilisedShare) * s.pupsPerYearling, kOwned);
    s.ownedFertile[0] = toSingle(checkedDivide(G, ownedDenominator, kOwned), kOwned);
    s.retainedYearlings = toSingle(checkedResult(double(s.firstYearSurvival) * s.ownedFertile[0] - G, kOwned), kOwned);
    s.ownedFertile[1] = toSingle(double(s.retainedYearlings) * s.unsterilisedShare, kOwned);
    s.ownedSterile[1] = toSingle(double(s.retainedYearlings) * (1.0 - s.unsterilisedShare), kOwned);
    for (int a = 2; a <= kOldestAge; ++a) {
        s.ownedFertile[a] = toSingle(S * s.ownedFertile[a - 1], kOwned);
        s.ownedSterile[a] = toSingle(S * s.ownedSterile[a - 1], kOwned);
    }
}

void requireStreetSteadyState(const PopulationState& s, double Sj)
{
    const double threshold = 1.0 / s.pupsPerYearling;
    if (threshold - Sj > 1e-6 / s.pupsPerYearling) [[likely]]
        return;
    const std::string shown = distinguishable(threshold, Sj);
    throw Fault(FaultKind::ImpossibleState,
                Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase",
                                              "juvenile survival %1 is at or above the threshold 1 / pups per yearling "
                                              "= %2: street pups would more than replace themselves, so there is no "
                                              "steady state to start from. Keep it below %2."),
                       {formatPlain(Sj, NumberLocale{}), shown}},
                std::string(fieldCaption(InputField::streetJuvenileSurvival)));
}

void setStreetEquilibrium(PopulationState& s, double S, double Sj, double G, std::optional<double> equilibriumTotal)
{
    if (G == 0 && equilibriumTotal) {
        s.streetFertile[1] = toSingle(*equilibriumTotal / yearsAgedOneToTen(S), kStreet);
        s.streetFertile[0] = toSingle(checkedDivide(s.streetFertile[1], Sj, kStreet), kStreet);
    } else {
        const double streetDenominator = checkedDivide(1.0, s.pupsPerYearling, kStreet) - Sj;
        s.streetFertile[0] = toSingle(checkedDivide(G, streetDenominator, kStreet), kStreet);
        s.streetFertile[1] = toSingle(checkedResult(Sj * s.streetFertile[0] + G, kStreet), kStreet);
    }
    for (int a = 2; a <= kOldestAge; ++a) s.streetFertile[a] = toSingle(S * s.streetFertile[a - 1], kStreet);
    s.streetSterile.fill(0.0f);
}

double currentlySterilisedPerYear(const PopulationState& s)
{
    return checkedDivide((1.0 - s.unsterilisedShare) * s.ownedFertile[1], s.unsterilisedShare,
                         "the owned yearlings currently sterilised per year");
}

}  // namespace karnoth
