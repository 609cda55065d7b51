#include "panel/indicators.h"

#include "catalogue/control_names.h"
#include "model/breeding.h"
#include "model/lifespans.h"
#include "panel/form_inputs.h"
#include "support/checked_math.h"
#include "support/number_masks.h"

namespace karnoth {
namespace {

// The threshold stores pupsPerYearling in the window as the run does.
class PupsStore final : public RunObserver {
public:
    explicit PupsStore(PanelControls& form) : form_(form) { }
    void pupsPerYearlingStored(float value) override { form_.setPupsPerYearling(value); }

private:
    PanelControls& form_;
};

}  // namespace

void ShowJuvThreshold(PanelControls& form)
{
    FormInputs inputs(form);
    const double r = checkedNumber(inputs, InputField::ageAtFirstLitter);
    const double A = checkedNumber(inputs, InputField::adultSurvival);
    const double s = checkedNumber(inputs, InputField::ageAtLastLitter);
    requireLastLitterNotBeforeFirst(s, r);
    PupsStore store(form);
    const float pups = storePupsPerYearling(inputs, store, A, r, s).pupsPerYearling;
    requireSomePups(pups, "the juvenile-survival threshold 1 / pups per yearling");
    const double threshold = checkedDivide(1.0, pups, "the juvenile-survival threshold");
    form.setPhraseCaption(control::Label1_1,
                          {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "juv survival, < %1"), {formatFixed(threshold)}});
}

void ShowLifespans(PanelControls& form)
{
    FormInputs inputs(form);
    const double J = checkedNumber(inputs, InputField::streetJuvenileSurvival);
    const double A = checkedNumber(inputs, InputField::adultSurvival);
    form.setPhraseCaption(control::Label9,
                          {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "expected lifespan at birth = %1"),
                           {formatOneDecimal(lifespanAtBirth(J, A))}});
    form.setPhraseCaption(control::Label10,
                          {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "expected lifespan at one year = %1"),
                           {formatOneDecimal(lifespanAtOneYear(A))}});
}

}  // namespace karnoth
