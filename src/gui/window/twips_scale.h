#pragma once
// Converts the layout's twips (1/1440 inch) to device-independent pixels at the screen's logical
// DPI, so that the window keeps the physical size it was laid out for.

#include "app/layout.h"

#include <QLine>
#include <QRect>

namespace karnoth::gui {

class TwipsScale {
public:
    static constexpr double kTwipsPerInch = 1440.0;
    static constexpr double kFallbackDpi = 96.0;  // used when a screen reports no sensible DPI

    explicit TwipsScale(double logicalDpi);
    // The scale of the primary screen, or of 96 DPI when there is none.
    static TwipsScale ofPrimaryScreen();

    double dpi() const { return dpi_; }
    int toPixels(int twips) const;
    // Both edges are rounded, so neighbouring controls that touch in twips touch in pixels.
    QRect rect(int left, int top, int width, int height) const;
    QRect rect(const LayoutRow& row) const;
    QLine line(const LayoutRow& row) const;  // a Line control's two ends

private:
    double dpi_;
};

}  // namespace karnoth::gui
