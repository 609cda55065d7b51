#include "gui/widgets/own_window.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace karnoth::gui {
namespace {

class ClearTransientParent : public QObject {
public:
    explicit ClearTransientParent(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Show comes after the native window exists and before it is mapped.
        if (event->type() == QEvent::Show)
            if (QWindow* handle = static_cast<QWidget*>(watched)->windowHandle()) handle->setTransientParent(nullptr);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void makeOwnWindow(QWidget& window)
{
    new ClearTransientParent(window);
}

}  // namespace karnoth::gui
