#include "gui/window/window_shortcut_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace karnoth::gui {

WindowShortcutKeys::WindowShortcutKeys(QWidget* window) : QObject(window), window_(window) { }

bool WindowShortcutKeys::eventFilter(QObject* watched, QEvent* event)
{
    // A field that overrides a key takes it as typing; ignoring the override leaves it to the
    // window's shortcut.
    if (event->type() == QEvent::ShortcutOverride && isWindowKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool WindowShortcutKeys::isWindowKey(const QKeyEvent& key) const
{
    if (key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo)) return true;
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : window_->findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed) return true;
    return false;
}

}  // namespace karnoth::gui
