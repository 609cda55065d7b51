#pragma once
// The window's fonts. The layout was drawn for "MS Sans Serif" 8.25 pt; where that face is
// missing the platform's sans-serif face of the same size takes its place, so captions keep
// fitting their boxes.

#include <QFont>

namespace karnoth::gui {

inline constexpr double kFormFontPoints = 8.25;

QFont formFont();     // every control's default
QFont headingFont();  // the four diagram headings: the same, bold (weight 700)

}  // namespace karnoth::gui
