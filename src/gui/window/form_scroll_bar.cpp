#include "gui/window/form_scroll_bar.h"

#include <QKeyEvent>

namespace karnoth::gui {

void FormScrollBar::keyPressEvent(QKeyEvent* event)
{
    const bool left = event->key() == Qt::Key_Left;
    const bool right = event->key() == Qt::Key_Right;
    if (orientation() == Qt::Horizontal && (left || right) && event->modifiers() == Qt::NoModifier) {
        // On a right-to-left screen the minimum is at the right end.
        const bool towardsMinimum = left != isRightToLeft();
        triggerAction(towardsMinimum ? SliderSingleStepSub : SliderSingleStepAdd);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

}  // namespace karnoth::gui
