#pragma once
// The window's fonts. The layout's captions were fitted to "MS Sans Serif" 8.25 pt. Where that
// face is missing, the nearest installed sans-serif face takes its place, made small enough that
// its letters are no wider on average than the designed face's, so that captions keep fitting
// their boxes.

#include <QFont>

namespace karnoth::gui {

inline constexpr double kFormFontPoints = 8.25;
// The designed face's average letter width, as a fraction of its size (em).
inline constexpr double kDesignLetterWidthPerEm = 0.5;

QFont formFont();  // every control's default
QFont headingFont();  // the four diagram headings: the same, bold (weight 700)

}  // namespace karnoth::gui
