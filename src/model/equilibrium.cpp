#include "model/equilibrium.h"

#include "support/checked_math.h"
#include "support/fault.h"

namespace karnoth {

void setEquilibrium(PopulationState& s, const RunParameters& p)
{
    constexpr const char* owned =
        "the owned equilibrium from first-year survival, % owned dogs sterilised and the 1-year old "
        "females abandoned per year";
    constexpr const char* street =
        "the street equilibrium from pups per yearling, juvenile survival and the 1-year old "
        "females abandoned per year";
    const double G = p.G();

    const double ownedDenominator =
        s.firstYearSurvival - checkedDivide(1.0, double(s.unsterilisedShare) * s.pupsPerYearling, owned);
    if (ownedDenominator == 0.0)
        throw Fault(FaultKind::DivisionByZero,
                    "no owned equilibrium: the first-year survival equals 1 / (unsterilised share x "
                    "pups per yearling); change % owned dogs sterilised or the life-history figures");
    s.ownedFertile[0] = toSingle(checkedDivide(G, ownedDenominator, owned), owned);
    s.retainedYearlings = toSingle(checkedResult(double(s.firstYearSurvival) * s.ownedFertile[0] - G, owned), owned);
    s.ownedFertile[1] = toSingle(double(s.retainedYearlings) * s.unsterilisedShare, owned);
    s.ownedSterile[1] = toSingle(double(s.retainedYearlings) * (1.0 - s.unsterilisedShare), owned);
    for (int a = 2; a <= kOldestAge; ++a) {
        s.ownedFertile[a] = toSingle(p.S() * s.ownedFertile[a - 1], owned);
        s.ownedSterile[a] = toSingle(p.S() * s.ownedSterile[a - 1], owned);
    }

    const double streetDenominator = checkedDivide(1.0, s.pupsPerYearling, street) - p.Sj();
    if (streetDenominator == 0.0)
        throw Fault(FaultKind::DivisionByZero,
                    "no street equilibrium: juvenile survival equals 1 / pups per yearling, the "
                    "juvenile-survival threshold");
    s.streetFertile[0] = toSingle(checkedDivide(G, streetDenominator, street), street);
    s.streetFertile[1] = toSingle(checkedResult(p.Sj() * s.streetFertile[0] + G, street), street);
    for (int a = 2; a <= kOldestAge; ++a)
        s.streetFertile[a] = toSingle(p.S() * s.streetFertile[a - 1], street);
    s.streetSterile.fill(0.0f);
}

}  // namespace karnoth
