#pragma once
// Windows that remember their place: a window opens where the user last left it (kept in the
// session file as a WindowPlace under the window's own key), within the available area of the
// screen it lands on, and at its fitted default when that screen is gone.

#include "app/view_settings.h"

#include <QRect>

#include <map>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace karnoth::gui {

// Where a window last at `remembered` (its inside, pixels of the virtual desktop) goes on screens
// whose available areas are `areas`: on the area that holds its centre, or else the one it overlaps
// most, shrunk to at most that area's size and moved inside it; nullopt when it overlaps none.
std::optional<QRect> placeWithin(const QRect& remembered, const std::vector<QRect>& areas);

// Puts `window` (not yet shown) where places[key] says, maximised when it was; otherwise leaves it
// where it is. From then on places[key] follows the window as the user moves, resizes, maximises or
// restores it; `places` must outlive the window.
void rememberPlace(QWidget& window, const std::string& key, std::map<std::string, WindowPlace>& places);

}  // namespace karnoth::gui
