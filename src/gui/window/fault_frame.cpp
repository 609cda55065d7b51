#include "gui/window/fault_frame.h"

#include <QPainter>

namespace karnoth::gui {

FaultFrame::FaultFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("faultFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FaultFrame::frame(QWidget* target)
{
    target_ = target;
    if (!target) {
        hide();
        return;
    }
    setGeometry(target->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    raise();
    show();
}

void FaultFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(Qt::red);
    pen.setWidth(kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

}  // namespace karnoth::gui
