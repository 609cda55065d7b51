#pragma once
// Every change of an input as an undoable step on the window's QUndoStack. A user's change becomes
// a step when it is finished: a text box when it is left or Enter is pressed in it (one step for
// all the typing, with whatever the window made of it, such as the age-at-first-litter floor), a
// bar when it is stepped or released after a drag, a check box when it is ticked, a bar's value
// when it is typed into its box. Views set several inputs as one step (applyControlValues).
//
// Undo and redo apply the values as ordinary change events, through FormBinding::apply: a bar's
// value reruns the model as moving the bar does, a text only updates its indicators.

#include "gui/window/control_value.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QUndoStack;

namespace karnoth {
class Form1;
}

namespace karnoth::gui {

class FormBinding;

// Applies a step's values to the window. The default applies each in turn as its own change event
// (so every bar among them reruns the model). A view that must hold the change events back and run
// once at the end (opening a scenario) passes its own.
using ControlApplier = std::function<void(const std::vector<ControlValue>& values)>;

class InputHistory : public QObject {
    Q_OBJECT

public:
    InputHistory(Form1& form, FormBinding& binding, QUndoStack& stack, QObject* parent = nullptr);

    // What the window holds now is where undo stops: called once start-up is over.
    void takeBaselines();
    // A text box typed into since its last commit becomes a step now (before an undo, or before a
    // view sets inputs).
    void commitPendingEdits();
    bool hasPendingEdits() const;

    // Sets `values` in the order given as ONE undoable step named `stepName`. Undo restores the
    // values they replaced, in the reverse order. Checks every value first: a ControlError (unknown
    // control, value outside a bar's range) leaves everything as it was. A step that changes nothing
    // is not kept.
    void applyControlValues(const QString& stepName, const std::vector<ControlValue>& values,
                            const ControlApplier& applier = {});

    // Applies `values` through `applier` (or the default) and makes them the new baselines. Used by
    // the steps.
    void restore(const std::vector<ControlValue>& values, const ControlApplier& applier);
    // The controls' current settings.
    std::vector<ControlValue> current(const std::vector<std::string>& names) const;

private:
    void commit(const QString& name);

    Form1& form_;
    FormBinding& binding_;
    QUndoStack& stack_;
    std::map<std::string, ControlSetting, std::less<>> baselines_;
};

}  // namespace karnoth::gui
