#pragma once
// What each input means, for the window's tool tips, help and undo step names: the descriptions
// live with the drawings (render/input_help.h), since the printed report lists the inputs too.

#include "render/input_help.h"

namespace karnoth::gui {

using render::describeInput;
using render::InputDescription;
using render::inputCaption;
using render::inputToolTip;
using render::modelHelpHtml;

}  // namespace karnoth::gui
