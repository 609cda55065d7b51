#include "gui/analysis_view_actions.h"

#include "gui/form_window.h"
#include "gui/sensitivity_view.h"
#include "gui/uncertainty_view.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

namespace karnoth::gui {
namespace {

template <class View>
void openView(FormWindow& window)
{
    View* view = window.findChild<View*>(QString(), Qt::FindDirectChildrenOnly);
    if (!view) view = new View(window);
    view->show();
    view->raise();
    view->activateWindow();
}

// Closes the views when their window closes.
class ViewsCloser : public QObject {
public:
    explicit ViewsCloser(FormWindow& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Close) {
            for (AnalysisView* view : window_.findChildren<AnalysisView*>(QString(), Qt::FindDirectChildrenOnly))
                view->close();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    FormWindow& window_;
};

}  // namespace

void addSensitivityAndUncertaintyActions(FormWindow& window)
{
    QMenu* menu = window.analysisMenu();
    QAction* sensitivity = menu->addAction(QObject::tr("&Sensitivity..."), &window,
                                           [&window] { openView<SensitivityView>(window); });
    sensitivity->setObjectName(QStringLiteral("sensitivityAction"));
    sensitivity->setStatusTip(
        QObject::tr("Which inputs the street total hangs on: each moved down and up, as a tornado chart"));
    QAction* uncertainty = menu->addAction(QObject::tr("&Uncertainty..."), &window,
                                           [&window] { openView<UncertaintyView>(window); });
    uncertainty->setObjectName(QStringLiteral("uncertaintyAction"));
    uncertainty->setStatusTip(
        QObject::tr("How wide the range of outcomes is: replicates with uncertain inputs and chance, as bands"));
    new ViewsCloser(window);
}

}  // namespace karnoth::gui
