#pragma once
// Binds the widgets to the window model Form1 both ways. A user edit, scroll, toggle or click
// becomes exactly one Form1 event per change of value. A change Form1 makes (a caption, the
// txtRecruit floor, the settings loaded at start-up) is put into its widget with the widget's
// signals blocked, so it never comes back as a second event. Form1's notifications are passed
// on as Qt signals for whoever else wants them.

#include "app/form1.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace karnoth::gui {

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
    QWidget* widget(const QString& name) const { return widgets_.value(name); }

    // FormListener
    void controlChanged(const Control& control) override;
    void chartChanged() override;
    void faultReported(const std::string& message) override;
    void runCompleted() override;

signals:
    void controlUpdated(const QString& name, const QString& text, int value);
    void chartUpdated();
    void faultShown(const QString& message);
    void runFinished();

private:
    // Raises one Form1 event. A caller's error (which the layout's own ranges rule out) is shown
    // like a fault rather than let through the Qt event loop.
    void raise(const std::function<void()>& event);

    Form1& form_;
    QHash<QString, QWidget*> widgets_;
};

}  // namespace karnoth::gui
