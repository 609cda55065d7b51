#include "gui/analyses/analysis_view_actions.h"

#include "gui/analyses/sensitivity_view.h"
#include "gui/analyses/uncertainty_view.h"
#include "gui/window/form_window.h"

#include <QAction>

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

}  // namespace

AnalysisViewActions::AnalysisViewActions(FormWindow& window) : QObject(&window)
{
    sensitivity_ = new QAction(tr("&Sensitivity..."), this);
    connect(sensitivity_, &QAction::triggered, &window, [&window] { openView<SensitivityView>(window); });
    sensitivity_->setObjectName(QStringLiteral("sensitivityAction"));
    sensitivity_->setStatusTip(
        tr("Which inputs the street total hangs on: each moved down and up, as a tornado chart"));
    uncertainty_ = new QAction(tr("&Uncertainty..."), this);
    connect(uncertainty_, &QAction::triggered, &window, [&window] { openView<UncertaintyView>(window); });
    uncertainty_->setObjectName(QStringLiteral("uncertaintyAction"));
    uncertainty_->setStatusTip(
        tr("How wide the range of outcomes is: replicates with uncertain inputs and chance, as bands"));
}

QList<PlacedAction> AnalysisViewActions::actions() const
{
    return {{MenuPlace::analysis, sensitivity_}, {MenuPlace::analysis, uncertainty_}};
}

}  // namespace karnoth::gui
