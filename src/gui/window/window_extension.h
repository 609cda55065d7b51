#pragma once
// A feature of the main window that brings actions of its own: the analysis views, the planner,
// scenarios and the report. It declares each action with the place it goes; the window builds its
// menus in one place (FormWindow::createMenus) and puts them there, in the order declared.

#include <QList>

class QAction;

namespace karnoth::gui {

enum class MenuPlace {
    fileScenarios,  // File, first: open, open recent, save
    fileReport,  // File, after the scenarios: the report
    analysis,  // the Analysis menu
    view,  // View, after the chart's options: the language
};

struct PlacedAction {
    MenuPlace place;
    QAction* action;  // an action, or a submenu's menuAction()
};

class WindowExtension {
public:
    virtual ~WindowExtension() = default;
    virtual QList<PlacedAction> actions() const = 0;
};

}  // namespace karnoth::gui
