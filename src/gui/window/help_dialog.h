#pragma once
// "About the model": every input with its meaning, unit and range, and the model's limits, in a
// window of its own that stays open beside the main window.

#include <QDialog>

class QTextBrowser;

namespace karnoth::gui {

class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* parent = nullptr);
    QTextBrowser& browser() const { return *browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace karnoth::gui
