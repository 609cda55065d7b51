#pragma once
// One Qt widget per control of the layout, at its geometry, with its initial caption, text,
// value and font. Lines and the picture area are drawn by their own widgets, not made here.

#include "app/form1.h"
#include "gui/window/twips_scale.h"

#include <QString>

class QWidget;

namespace karnoth::gui {

// The widget for a label, text box, check box, command button or scroll bar, named after the
// control ("Label1(8)", "txtAdultSurv"); nullptr for a line or a picture box.
QWidget* createControlWidget(const Control& control, const TwipsScale& scale, QWidget* parent);

// A label's caption in the window's language: a phrase a run wrote, translated with its numbers;
// a caption of the layout that has a translation (kLayoutTextContext); any other caption as it is.
QString shownCaption(const Control& control);

}  // namespace karnoth::gui
