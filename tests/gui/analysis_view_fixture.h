#pragma once
// What the tests of the analyses' views share: opening a view from the Analysis menu as the user
// does, waiting for its next result, and reading exported files.

#include "gui/analyses/analysis_view.h"
#include "gui/window/form_window.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>

namespace karnoth::gui::testing {

// Triggers the Analysis menu's action `actionName` and returns the view it opened.
template <class View>
View* openFromAnalysisMenu(FormWindow& window, const char* actionName)
{
    auto* action = window.analysisMenu()->findChild<QAction*>(QString::fromLatin1(actionName));
    if (!action) return nullptr;
    action->trigger();
    auto* view = window.findChild<View*>(QString(), Qt::FindDirectChildrenOnly);
    if (!view || !QTest::qWaitForWindowExposed(view)) return nullptr;
    return view;
}

// Waits until `view` has shown more than `before` results and nothing is computing.
inline bool nextResult(const AnalysisView& view, int before)
{
    return QTest::qWaitFor([&] { return view.resultsShown() > before && !view.job().isRunning(); }, 60000);
}

// The pointer moved to `pos` over `widget`, delivered to it straight away: the views are windows of
// their own, and offscreen the pointer's window is whichever lies on top at that place.
inline void movePointer(QWidget& widget, const QPoint& pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget.mapToGlobal(QPointF(pos)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

inline QStringList linesOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace karnoth::gui::testing
