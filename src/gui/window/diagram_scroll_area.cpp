#include "gui/window/diagram_scroll_area.h"

#include <QScrollBar>
#include <QStyle>

namespace karnoth::gui {

DiagramScrollArea::DiagramScrollArea(QWidget* diagram, QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("diagramArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Window);
    setWidget(diagram);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMaximumHeight(wholeHeight());
}

bool DiagramScrollArea::needsHorizontalBar() const
{
    return width() < widget()->width() + 2 * frameWidth();
}

int DiagramScrollArea::wholeHeight() const
{
    const int bar = needsHorizontalBar() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return widget()->height() + 2 * frameWidth() + bar;
}

QSize DiagramScrollArea::sizeHint() const
{
    return QSize(widget()->width() + 2 * frameWidth(), wholeHeight());
}

QSize DiagramScrollArea::minimumSizeHint() const
{
    // A few lines of the diagram and the scroll bars.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(4 * bar, std::min(wholeHeight(), 4 * bar));
}

void DiagramScrollArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    const int whole = wholeHeight();
    if (maximumHeight() != whole) {
        setMaximumHeight(whole);
        updateGeometry();
    }
}

}  // namespace karnoth::gui
