#include "gui/window/diagram_surface.h"

#include <QPainter>

#include <utility>

namespace karnoth::gui {

DiagramSurface::DiagramSurface(QVector<QLine> lines, QWidget* parent) : QWidget(parent), lines_(std::move(lines)) { }

void DiagramSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.drawLines(lines_);
}

}  // namespace karnoth::gui
