#pragma once
// The Analysis menu's entries for the sensitivity and uncertainty views. Each opens its view (made
// the first time, kept afterwards with its inputs) beside the window, non-modal, and brings it to
// the front when it is open already.

#include "gui/window/window_extension.h"

#include <QObject>

namespace karnoth::gui {

class FormWindow;

class AnalysisViewActions : public QObject, public WindowExtension {
    Q_OBJECT

public:
    explicit AnalysisViewActions(FormWindow& window);
    QList<PlacedAction> actions() const override;

private:
    QAction* sensitivity_;
    QAction* uncertainty_;
};

}  // namespace karnoth::gui
