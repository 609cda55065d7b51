#include "panel/indicators.h"

#include "model/breeding.h"
#include "model/input_names.h"
#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"
#include "support/numeric_text.h"

namespace karnoth {

void ShowJuvThreshold(PanelControls& form)
{
    const double r = textToDouble(form.text("txtRecruit"), input_name::recruit);
    const double A = textToDouble(form.text("txtAdultSurv"), input_name::adultSurv);
    const double s = textToDouble(form.text("txtSenile"), input_name::senile);
    const float years = breedingYears(A, r, s);
    form.setPupsPerYearling(years);
    const double p = textToDouble(form.text("txtFecundity"), input_name::fecundity);
    const double m = textToDouble(form.text("txtLitter"), input_name::litter);
    const float pups = pupsFromBreedingYears(years, p, m);
    form.setPupsPerYearling(pups);
    if (pups == 0.0f)
        throw Fault(FaultKind::DivisionByZero,
                    "the pups per yearling are 0, so the juvenile-survival threshold 1 / pups per "
                    "yearling divides by zero: check age at first litter, age at last litter, prob. "
                    "pregnant and female pups per litter");
    const double threshold = checkedDivide(1.0, pups, "the juvenile-survival threshold");
    form.setCaption("Label1(1)", "juv survival, < " + formatFixed(threshold));
}

void ShowLifespans(PanelControls& form)
{
    constexpr const char* what = "the expected lifespans from adult survival and juvenile survival";
    const double J = textToDouble(form.text("txtJuvSurv"), input_name::juvSurv);
    const double A = textToDouble(form.text("txtAdultSurv"), input_name::adultSurv);

    float atBirth = toSingle(checkedResult(J * (1.0 - A), what), what);
    for (int k = 2; k <= 9; ++k)
        atBirth = toSingle(
            checkedResult((1.0 - A) * (J * k * checkedPower(A, k - 1, what)) + atBirth, what), what);
    atBirth = toSingle(checkedResult(J * 10.0 * checkedPower(A, 9, what) + atBirth, what), what);
    form.setCaption("Label9", "expected lifespan at birth = " + formatOneDecimal(atBirth));

    float atOne = 1.0f;
    for (int k = 2; k <= 9; ++k)
        atOne = toSingle(checkedResult((1.0 - A) * (checkedPower(A, k - 1, what) * k) + atOne, what), what);
    atOne = toSingle(checkedResult(checkedPower(A, 9, what) * 10.0 + atOne, what), what);
    form.setCaption("Label10", "expected lifespan at one year = " + formatOneDecimal(atOne));
}

}  // namespace karnoth
