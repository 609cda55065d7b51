#pragma once
// Binds the widgets to the window model Form1 both ways. A user edit, scroll, toggle, click or
// typed bar value becomes exactly one Form1 event per change of value. A change Form1 makes (a
// caption, the txtRecruit floor, the settings loaded at start-up, an undone value) is put into its
// widgets with their signals blocked, so it never comes back as a second event. Form1's
// notifications are passed on as Qt signals for whoever else wants them.

#include "app/form1.h"
#include "gui/window/control_value.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace karnoth::gui {

class BarValueBox;

class FormBinding : public QObject, public FormListener {
    Q_OBJECT

public:
    // Becomes the form's listener for as long as it lives.
    explicit FormBinding(Form1& form, QObject* parent = nullptr);
    ~FormBinding() override;
    FormBinding(const FormBinding&) = delete;
    FormBinding& operator=(const FormBinding&) = delete;

    // Connects the widget made for `control` (see createControlWidget) to its Form1 events.
    void bind(const Control& control, QWidget* widget);
    // Connects the value box of the scroll bar `bar`: a committed value moves the bar.
    void bindValueBox(const Control& bar, BarValueBox* box);
    QWidget* widget(const QString& name) const { return widgets_.value(name); }
    BarValueBox* valueBox(const QString& bar) const { return valueBoxes_.value(bar); }

    // Sets a control as the user would, as one ordinary Form1 event: typing a text, moving a bar,
    // ticking a check box. A caller's error is shown like a fault.
    void apply(const ControlValue& value);
    // Opens a scenario in the window model (Form1::openScenario: every input with the change events
    // held back, then one run); its notice when killed.txt's records differ from the scenario's. A
    // caller's error is shown like a fault. The window is then `scenario`'s, from `file`.
    std::optional<std::string> openScenario(const Scenario& scenario, const std::filesystem::path& file);

    // FormListener
    void controlChanged(const Control& control) override;
    void chartChanged() override;
    void faultReported(const std::string& message) override;
    void runCompleted() override;
    void runEnded() override;

signals:
    void controlUpdated(const QString& name, const QString& text, int value);
    void chartUpdated();
    void faultShown(const QString& message);
    // A run drew its chart: everything it had to do succeeded.
    void runFinished();
    // A run is over, with or without a fault; Form1::lastRunInputs() tells what it read.
    void runOver();
    // The user has finished a change of the control `name`: a text box was left or Enter pressed
    // in it, a bar stepped or released after a drag, a box ticked, a bar's value typed.
    void committed(const QString& name);

private:
    // Raises one Form1 event. A caller's error (which the layout's own ranges rule out) is shown
    // like a fault rather than let through the Qt event loop.
    void raise(const std::function<void()>& event);

    Form1& form_;
    QHash<QString, QWidget*> widgets_;
    QHash<QString, BarValueBox*> valueBoxes_;
};

}  // namespace karnoth::gui
