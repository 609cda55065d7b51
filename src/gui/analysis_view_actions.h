#pragma once
// The Analysis menu's entries for the sensitivity and uncertainty views. Each opens its view (made
// the first time, kept afterwards with its inputs) beside the window, non-modal, and brings it to
// the front when it is open already. Closing the window closes them.

namespace karnoth::gui {

class FormWindow;

void addSensitivityAndUncertaintyActions(FormWindow& window);

}  // namespace karnoth::gui
