#pragma once
// Asks for a scenario's name and notes before it is saved or kept: a line for the name (it cannot be
// left empty) and a few lines of notes, with OK and Cancel.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace karnoth::gui {

class ScenarioDetailsDialog : public QDialog {
    Q_OBJECT

public:
    ScenarioDetailsDialog(const QString& title, const QString& name, const QString& notes, QWidget* parent = nullptr);

    QString name() const;  // trimmed
    QString notes() const;

private:
    QLineEdit* name_;
    QPlainTextEdit* notes_;
    QPushButton* ok_;
};

}  // namespace karnoth::gui
