#pragma once
// The box diagram in a scroll area. It asks for the diagram's whole height (and room for its
// horizontal scroll bar when the window is narrower than the diagram) and never more, so that the
// chart below takes every extra pixel; when the window is too small it shrinks and the diagram
// scrolls, while the chart and the status bar stay in view.

#include <QScrollArea>

namespace karnoth::gui {

class DiagramScrollArea : public QScrollArea {
    Q_OBJECT

public:
    // Takes `diagram`, whose size is fixed.
    explicit DiagramScrollArea(QWidget* diagram, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The height that shows the whole diagram at the current width.
    int wholeHeight() const;
    bool needsHorizontalBar() const;
};

}  // namespace karnoth::gui
