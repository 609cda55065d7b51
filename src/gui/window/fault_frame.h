#pragma once
// A red frame around the input the current fault belongs to. It lies over its input on the diagram,
// lets the mouse through, and follows nothing by itself: the window sets or clears its target.

#include <QPointer>
#include <QWidget>

namespace karnoth::gui {

class FaultFrame : public QWidget {
    Q_OBJECT

public:
    explicit FaultFrame(QWidget* parent);

    // Frames `target` (a sibling on the same parent), or nothing when it is nullptr.
    void frame(QWidget* target);
    QWidget* target() const { return target_; }

    static constexpr int kWidth = 2;  // pixels, outside the input's own edge

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> target_;
};

}  // namespace karnoth::gui
