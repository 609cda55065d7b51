#pragma once
// The window's scroll bar. QScrollBar (Qt 6.4) steps a horizontal bar the wrong way on the Left
// and Right keys, moving the thumb against the arrow; here Left always moves the thumb left and
// Right moves it right, as the arrow buttons do. Everything else is QScrollBar's.

#include <QScrollBar>

namespace karnoth::gui {

class FormScrollBar : public QScrollBar {
    Q_OBJECT

public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace karnoth::gui
