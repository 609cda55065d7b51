#pragma once
// The change handlers of the parameter panel, each called after its control's value changed.
// Text boxes keep the indicators current and never start a run; scroll bars update their caption
// and, once the window is ready, rerun the model.

#include "panel/panel_controls.h"

#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

void txtAdultSurv_Change(PanelControls& form);  // lifespans, then threshold
void txtJuvSurv_Change(PanelControls& form);  // lifespans
void txtRecruit_Change(PanelControls& form);  // below 1 becomes "1"; threshold
void txtSenile_Change(PanelControls& form);  // threshold
void txtFecundity_Change(PanelControls& form);  // threshold
void txtLitter_Change(PanelControls& form);  // threshold
void txtOperations_Change(PanelControls& form);  // greys the rate bar while operations are typed
void hscSterilise_Change(PanelControls& form);  // once ready: Label4 "25.2% sterilised per year", run
void vscGainLoss_Change(PanelControls& form);  // once ready: run; then Label2 in any case
void vscTarget_Change(PanelControls& form);  // once ready: run

// The text of the age at first litter after the floor txtRecruit_Change applies: "1" for a number
// below 1, nullopt when the text stands as it is (also when it is no number: a run names that).
std::optional<std::string> flooredRecruitText(const std::string& text);

// Label4's rate caption: value / 10 in its shortest plain form, then "% sterilised per year".
std::string sterilisationRateCaption(int hscSteriliseValue);

// Whether txtOperations sets the programme: its text is not empty or blank. The rate bar is then not
// used.
bool operationsSetProgramme(const PanelControls& form);

// Label4's caption for the rate bar: sterilisationRateCaption of its value, or "set by
// sterilisations per year" while the operations set the programme.
std::string rateBarCaption(const PanelControls& form);

// The rate bar greyed while the operations set the programme, and Label4 saying why, or the bar
// back with its rate; start-up and opening a scenario show it as txtOperations_Change does.
void ShowRateBarState(PanelControls& form);

// Label2's caption: the value in "##,##0", then " 1-year old females abandoned per year".
Phrase abandonedCaption(int vscGainLossValue);

// Calls the change handler of the control named; a control without one is left alone.
void raiseChange(PanelControls& form, std::string_view control);

// Calls the click handler of the button named (cmdRun_Click for cmdRun); a button without one is
// left alone.
void raiseClick(PanelControls& form, std::string_view button);

}  // namespace karnoth
