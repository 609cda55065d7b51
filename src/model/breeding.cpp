#include "model/breeding.h"

#include "support/checked_math.h"
#include "support/fault.h"
#include "support/translate_noop.h"

#include <string>

namespace karnoth {

float unsterilisedShareFor(double ownedSterilisedPercent)
{
    return toSingle(1.0 - ownedSterilisedPercent / 100.0, "the unsterilised share 1 - % owned dogs sterilised / 100");
}

float breedingYears(double S, double R, double L)
{
    constexpr const char* what =
        "the breeding years (S^(R-1) - S^L) / (1 - S) from adult survival, age at first litter and "
        "age at last litter";
    if (1.0 - S == 0.0)
        throw Fault(FaultKind::DivisionByZero,
                    Phrase{KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "adult survival must differ from 1: the breeding "
                                                                     "years divide by 1 - adult survival")});
    const double early = checkedPower(S, R - 1.0, what);
    const double late = checkedPower(S, L, what);
    return toSingle(checkedDivide(checkedResult(early - late, what), 1.0 - S, what), what);
}

float pupsFromBreedingYears(float breedingYears, double P, double Lit)
{
    constexpr const char* what = "the pups per yearling, female pups per litter x prob. pregnant x breeding years";
    return toSingle(checkedResult(Lit * checkedResult(P * breedingYears, what), what), what);
}

void requireSomePups(float pupsPerYearling, std::string_view consequence)
{
    if (pupsPerYearling != 0.0f) [[likely]]
        return;
    throw Fault(FaultKind::DivisionByZero,
                "the pups per yearling are 0, so " + std::string(consequence) +
                    " divides by zero: check age at first litter, age at last litter, prob. pregnant and "
                    "female pups per litter");
}

float firstYearSurvivalFor(float pupsPerYearling)
{
    requireSomePups(pupsPerYearling, "the first-year survival 1 / (0.3 x pups per yearling)");
    return toSingle(
        checkedDivide(1.0, kOwnedReplacementShare * pupsPerYearling, "the first-year survival of owned pups"),
        "the first-year survival of owned pups");
}

}  // namespace karnoth
