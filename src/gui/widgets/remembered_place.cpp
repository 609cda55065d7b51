#include "gui/widgets/remembered_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace karnoth::gui {
namespace {

long long overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

// Keeps its window's place up to date as the window changes; the size and position are those of
// the normal (not maximised) window, so that a restored window returns to them.
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget& window, std::string key, std::map<std::string, WindowPlace>& places)
        : QObject(&window), key_(std::move(key)), places_(places)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange) {
            const auto* window = static_cast<QWidget*>(watched);
            if (window->isVisible() && !window->isMinimized() && !window->isFullScreen()) {
                const QRect normal = window->isMaximized() ? window->normalGeometry() : window->geometry();
                WindowPlace& place = places_[key_];
                if (normal.isValid()) place = {normal.x(), normal.y(), normal.width(), normal.height(), false};
                place.maximised = window->isMaximized();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::string key_;
    std::map<std::string, WindowPlace>& places_;
};

}  // namespace

std::optional<QRect> placeWithin(const QRect& remembered, const std::vector<QRect>& areas)
{
    if (remembered.isEmpty()) return std::nullopt;
    const QRect* chosen = nullptr;
    for (const QRect& area : areas)
        if (area.contains(remembered.center())) chosen = &area;
    if (!chosen) {
        long long most = 0;
        for (const QRect& area : areas)
            if (const long long shared = overlap(remembered, area); shared > most) {
                most = shared;
                chosen = &area;
            }
    }
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    QRect placed(remembered.topLeft(), remembered.size().boundedTo(chosen->size()));
    placed.moveLeft(std::clamp(placed.left(), chosen->left(), chosen->right() + 1 - placed.width()));
    placed.moveTop(std::clamp(placed.top(), chosen->top(), chosen->bottom() + 1 - placed.height()));
    return placed;
}

void rememberPlace(QWidget& window, const std::string& key, std::map<std::string, WindowPlace>& places)
{
    if (const auto kept = places.find(key); kept != places.end()) {
        std::vector<QRect> areas;
        for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(screen->availableGeometry());
        const WindowPlace& place = kept->second;
        if (const std::optional<QRect> placed = placeWithin(QRect(place.x, place.y, place.width, place.height),
                                                            areas)) {
            window.setGeometry(*placed);
            if (place.maximised) window.setWindowState(window.windowState() | Qt::WindowMaximized);
        }
    }
    new PlaceKeeper(window, key, places);
}

}  // namespace karnoth::gui
