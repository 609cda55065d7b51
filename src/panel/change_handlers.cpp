#include "panel/change_handlers.h"

#include "catalogue/control_names.h"
#include "model/input_field.h"
#include "panel/form_inputs.h"
#include "panel/indicators.h"
#include "panel/run_button.h"
#include "support/number_masks.h"
#include "support/numeric_text.h"

namespace karnoth {

void txtAdultSurv_Change(PanelControls& form)
{
    if (form.text(control::txtAdultSurv).empty()) return;
    ShowLifespans(form);
    ShowJuvThreshold(form);
}

void txtJuvSurv_Change(PanelControls& form)
{
    if (form.text(control::txtJuvSurv).empty()) return;
    ShowLifespans(form);
}

void txtRecruit_Change(PanelControls& form)
{
    if (form.text(control::txtRecruit).empty()) return;
    // No litter before age one. Setting the text raises this handler again, nested, before the
    // outer call goes on to compute the threshold a second time.
    const double typed = textToDouble(form.text(control::txtRecruit), fieldCaption(InputField::ageAtFirstLitter));
    if (ageAtFirstLitterTaken(typed) != typed) form.setText(control::txtRecruit, std::string(kEarliestFirstLitterText));
    ShowJuvThreshold(form);
}

std::optional<std::string> flooredRecruitText(const std::string& text)
{
    const ParsedNumber parsed = parseNumber(text);
    if (parsed.status != ParseStatus::Ok || ageAtFirstLitterTaken(parsed.value) == parsed.value) return std::nullopt;
    return std::string(kEarliestFirstLitterText);
}

void txtSenile_Change(PanelControls& form)
{
    if (form.text(control::txtSenile).empty()) return;
    ShowJuvThreshold(form);
}

void txtFecundity_Change(PanelControls& form)
{
    if (form.text(control::txtFecundity).empty()) return;
    ShowJuvThreshold(form);
}

void txtLitter_Change(PanelControls& form)
{
    if (form.text(control::txtLitter).empty()) return;
    ShowJuvThreshold(form);
}

std::string sterilisationRateCaption(int hscSteriliseValue)
{
    return formatPlain(hscSteriliseValue / 10.0) + "% sterilised per year";
}

Phrase abandonedCaption(int vscGainLossValue)
{
    return {KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1 1-year old females abandoned per year"),
            {formatGrouped(vscGainLossValue)}};
}

bool operationsSetProgramme(const PanelControls& form)
{
    return !blankText(form.text(control::txtOperations));
}

std::string rateBarCaption(const PanelControls& form)
{
    if (operationsSetProgramme(form)) return "set by sterilisations per year";
    return sterilisationRateCaption(form.value(control::hscSterilise));
}

void ShowRateBarState(PanelControls& form)
{
    form.setEnabled(control::hscSterilise, !operationsSetProgramme(form));
    form.setCaption(control::Label4, rateBarCaption(form));
}

void txtOperations_Change(PanelControls& form)
{
    // Each keystroke raises this; Label4 (which a run fills with the first year's sentence) is
    // rewritten only when typing switches between operations and the rate.
    if (form.isEnabled(control::hscSterilise) != operationsSetProgramme(form)) return;
    ShowRateBarState(form);
}

void hscSterilise_Change(PanelControls& form)
{
    if (!form.formReady()) return;
    form.setCaption(control::Label4, rateBarCaption(form));
    cmdRun_Click(form);
}

void vscGainLoss_Change(PanelControls& form)
{
    // The run comes first: a run that faults stops this handler before the caption.
    if (form.formReady()) cmdRun_Click(form);
    form.setPhraseCaption(control::Label2, abandonedCaption(form.value(control::vscGainLoss)));
}

void vscTarget_Change(PanelControls& form)
{
    if (form.formReady()) cmdRun_Click(form);
}

void raiseChange(PanelControls& form, std::string_view control)
{
    using Handler = void (*)(PanelControls&);
    struct Entry {
        std::string_view control;
        Handler handler;
    };
    static constexpr Entry handlers[] = {
        {control::txtAdultSurv, txtAdultSurv_Change},   {control::txtJuvSurv, txtJuvSurv_Change},
        {control::txtRecruit, txtRecruit_Change},       {control::txtSenile, txtSenile_Change},
        {control::txtFecundity, txtFecundity_Change},   {control::txtLitter, txtLitter_Change},
        {control::txtOperations, txtOperations_Change}, {control::hscSterilise, hscSterilise_Change},
        {control::vscGainLoss, vscGainLoss_Change},     {control::vscTarget, vscTarget_Change},
    };
    for (const Entry& entry : handlers)
        if (entry.control == control) return entry.handler(form);
}

void raiseClick(PanelControls& form, std::string_view button)
{
    using Handler = void (*)(PanelControls&);
    struct Entry {
        std::string_view button;
        Handler handler;
    };
    static constexpr Entry handlers[] = {{control::cmdRun, cmdRun_Click}};
    for (const Entry& entry : handlers)
        if (entry.button == button) return entry.handler(form);
}

}  // namespace karnoth
