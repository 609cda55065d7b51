#pragma once
// Windows that fit: a window opens at the size it would like, or at most the screen's available
// area (its layouts and scroll areas take the difference), and once shown, when the window
// manager's frame is known, it is shrunk and moved so that the frame lies within that area. So no
// window opens partly off-screen, whatever the screen's size or scale factor.

#include <QSize>

class QWidget;

namespace karnoth::gui {

// Resizes `window` to `wanted` bounded by its screen's available area, and fits it into the area
// each time it is shown.
void openWithinScreen(QWidget& window, QSize wanted);

// Shrinks `window` by what its frame overhangs the available area, then moves it inside; nothing
// when it is maximised or full screen.
void keepWithinScreen(QWidget& window);

}  // namespace karnoth::gui
