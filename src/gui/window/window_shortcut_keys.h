#pragma once
// Gives a window's keys priority over its typing fields' own, installed as an event filter on each
// field: Ctrl+Z there undoes the window's last step (first committing what was typed) like
// everywhere else in the window, and a menu's shortcut (Ctrl+E exports the chart) works from a text
// box instead of moving its cursor, so that no key of the menus ever changes a text.

#include <QObject>

class QKeyEvent;
class QWidget;

namespace karnoth::gui {

class WindowShortcutKeys : public QObject {
public:
    // `window` owns the filter; its actions (menus included) are looked up at each key.
    explicit WindowShortcutKeys(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isWindowKey(const QKeyEvent& key) const;

    QWidget* window_;
};

}  // namespace karnoth::gui
