#include "panel/change_handlers.h"

#include "model/input_names.h"
#include "panel/indicators.h"
#include "panel/run_button.h"
#include "support/number_masks.h"
#include "support/numeric_text.h"

namespace karnoth {

void txtAdultSurv_Change(PanelControls& form)
{
    if (form.text("txtAdultSurv").empty()) return;
    ShowLifespans(form);
    ShowJuvThreshold(form);
}

void txtJuvSurv_Change(PanelControls& form)
{
    if (form.text("txtJuvSurv").empty()) return;
    ShowLifespans(form);
}

void txtRecruit_Change(PanelControls& form)
{
    if (form.text("txtRecruit").empty()) return;
    // No litter before age one. Setting the text raises this handler again, nested, before the
    // outer call goes on to compute the threshold a second time.
    if (textToDouble(form.text("txtRecruit"), input_name::recruit) < 1.0) form.setText("txtRecruit", "1");
    ShowJuvThreshold(form);
}

void txtSenile_Change(PanelControls& form)
{
    if (form.text("txtSenile").empty()) return;
    ShowJuvThreshold(form);
}

void txtFecundity_Change(PanelControls& form)
{
    if (form.text("txtFecundity").empty()) return;
    ShowJuvThreshold(form);
}

void txtLitter_Change(PanelControls& form)
{
    if (form.text("txtLitter").empty()) return;
    ShowJuvThreshold(form);
}

std::string sterilisationRateCaption(int hscSteriliseValue)
{
    return formatPlain(hscSteriliseValue / 10.0) + "% sterilised per year";
}

void hscSterilise_Change(PanelControls& form)
{
    if (!form.formReady()) return;
    form.setCaption("Label4", sterilisationRateCaption(form.value("hscSterilise")));
    cmdRun_Click(form);
}

void vscGainLoss_Change(PanelControls& form)
{
    // The run comes first: a run that faults stops this handler before the caption.
    if (form.formReady()) cmdRun_Click(form);
    form.setCaption("Label2", formatGrouped(form.value("vscGainLoss")) + " 1-year old females abandoned per year");
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
        {"txtAdultSurv", txtAdultSurv_Change}, {"txtJuvSurv", txtJuvSurv_Change},
        {"txtRecruit", txtRecruit_Change},     {"txtSenile", txtSenile_Change},
        {"txtFecundity", txtFecundity_Change}, {"txtLitter", txtLitter_Change},
        {"hscSterilise", hscSterilise_Change}, {"vscGainLoss", vscGainLoss_Change},
        {"vscTarget", vscTarget_Change},
    };
    for (const Entry& entry : handlers)
        if (entry.control == control) return entry.handler(form);
}

}  // namespace karnoth
