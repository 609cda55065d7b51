#include "gui/window/twips_scale.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace karnoth::gui {

TwipsScale::TwipsScale(double logicalDpi)
    : dpi_(std::isfinite(logicalDpi) && logicalDpi >= 24.0 && logicalDpi <= 1200.0 ? logicalDpi : kFallbackDpi)
{ }

TwipsScale TwipsScale::ofPrimaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsScale(screen ? screen->logicalDotsPerInch() : kFallbackDpi);
}

int TwipsScale::toPixels(int twips) const
{
    return static_cast<int>(std::lround(twips * dpi_ / kTwipsPerInch));
}

QRect TwipsScale::rect(int left, int top, int width, int height) const
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

QRect TwipsScale::rect(const LayoutRow& row) const
{
    return rect(row.left, row.top, row.width, row.height);
}

QLine TwipsScale::line(const LayoutRow& row) const
{
    return QLine(toPixels(row.left), toPixels(row.top), toPixels(row.x2), toPixels(row.y2));
}

}  // namespace karnoth::gui
