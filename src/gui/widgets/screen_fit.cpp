#include "gui/widgets/screen_fit.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace karnoth::gui {
namespace {

// Fits its window when it is shown, after the window system has placed it.
class FitOnShow : public QObject {
public:
    explicit FitOnShow(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QPointer<QWidget> window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, this, [window] {
                if (window) keepWithinScreen(*window);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void openWithinScreen(QWidget& window, QSize wanted)
{
    const QScreen* screen = window.screen();
    window.resize(screen ? wanted.boundedTo(screen->availableGeometry().size()) : wanted);
    new FitOnShow(window);
}

void keepWithinScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen || window.isMaximized() || window.isFullScreen()) return;
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize excess(std::max(0, frame.width() - available.width()),
                       std::max(0, frame.height() - available.height()));
    if (excess.width() > 0 || excess.height() > 0) window.resize(window.size() - excess);
    QRect placed = window.frameGeometry();
    if (!available.contains(placed)) {
        placed.moveLeft(std::clamp(placed.left(), available.left(),
                                   std::max(available.left(), available.right() - placed.width())));
        placed.moveTop(
            std::clamp(placed.top(), available.top(), std::max(available.top(), available.bottom() - placed.height())));
        window.move(placed.topLeft());
    }
}

}  // namespace karnoth::gui
