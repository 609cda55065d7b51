#include "gui/twips_scale.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace karnoth::gui {

TwipsScale::TwipsScale(double logicalDpi)
    : dpi_(std::isfinite(logicalDpi) && logicalDpi >= 24.0 && logicalDpi <= 1200.0 ? logicalDpi : kFallbackDpi)
{
}

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

QRect TwipsScale::rect(const ControlSpec& spec) const
{
    return rect(spec.left, spec.top, spec.width, spec.height);
}

QLine TwipsScale::line(const ControlSpec& spec) const
{
    return QLine(toPixels(spec.left), toPixels(spec.top), toPixels(spec.x2), toPixels(spec.y2));
}

}  // namespace karnoth::gui
