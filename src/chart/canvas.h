#pragma once
// The drawing surface of the picture area, with the picture box's own operations. Origin at the
// top left, x to the right, y downwards, in the picture area's scale units (twips).

#include "chart/chart_part.h"
#include "chart/color.h"

#include <optional>
#include <string_view>

namespace karnoth {

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Cls() = 0;  // clear to the background colour
    virtual float ScaleWidth() const = 0;  // the drawing area's inside size
    virtual float ScaleHeight() const = 0;
    virtual void setForeColor(Rgb colour) = 0;  // text, and lines drawn without a colour
    // A straight line in `colour`, or in ForeColor when none is given.
    virtual void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = std::nullopt) = 0;
    virtual void setCurrentX(float x) = 0;  // where the next Print starts; y is the top of the text
    virtual void setCurrentY(float y) = 0;
    virtual void Print(std::string_view text) = 0;  // in ForeColor and the picture area's font

    // A new series starts; its index counts the series begun since the last Cls, from 0.
    virtual int beginSeries() = 0;
    // What the lines and prints from here on stand for, until the next mark or Cls.
    virtual void mark(const ChartPart& part) = 0;
};

}  // namespace karnoth
