#pragma once
// A drawing with a readout under the pointer: it knows where the pointer is while it is over the
// widget, repaints as it moves, and forgets it when the pointer leaves.

#include <QMouseEvent>
#include <QPoint>

#include <optional>

namespace karnoth::gui {

template <class Base>
class FollowsPointer : public Base {
public:
    explicit FollowsPointer(QWidget* parent = nullptr) : Base(parent) { this->setMouseTracking(true); }

    // Where the pointer is, in the widget's coordinates; nullopt while it is elsewhere.
    const std::optional<QPoint>& pointer() const { return pointer_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        pointer_ = event->position().toPoint();
        this->update();
        Base::mouseMoveEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        pointer_.reset();
        this->update();
        Base::leaveEvent(event);
    }

private:
    std::optional<QPoint> pointer_;
};

}  // namespace karnoth::gui
