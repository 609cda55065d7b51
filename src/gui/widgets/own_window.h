#pragma once
// The planner, the analyses and the comparison of scenarios are ordinary windows beside the main
// window: the main window owns them (they close with it), but the window manager is not told that
// they belong above it, so clicking the main window brings it in front of them, menu bar and all.

class QWidget;

namespace karnoth::gui {

// Clears `window`'s transient parent each time it is shown (Qt gives a top-level widget with a
// parent its parent's window as one).
void makeOwnWindow(QWidget& window);

}  // namespace karnoth::gui
