#pragma once
// A canvas that keeps everything drawn since its last Cls as a display list, in drawing order:
// the headless window's picture area, and what the real window paints.

#include "chart/canvas.h"

#include <string>
#include <vector>

namespace karnoth {

struct DrawOp {
    enum class Kind { Cls, Line, Print };
    Kind kind = Kind::Cls;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends; a print's start in x1, y1
    Rgb colour;  // the colour it was drawn in
    std::string text;  // a print's text
    ChartPart part;  // what it stands for; not part of the display list's text form
};

class RecordingCanvas : public Canvas {
public:
    // 14895 x 7335 twips: the size the layout gives the picture area.
    explicit RecordingCanvas(float width = 14895, float height = 7335) : width_(width), height_(height) { }

    void Cls() override;
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    void setForeColor(Rgb colour) override { foreColor_ = colour; }
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void setCurrentX(float x) override { currentX_ = x; }
    void setCurrentY(float y) override { currentY_ = y; }
    void Print(std::string_view text) override;
    int beginSeries() override { return seriesBegun_++; }
    void mark(const ChartPart& part) override { part_ = part; }

    void setSize(float width, float height);
    // The ops since the last Cls; the first is that Cls when there was one.
    const std::vector<DrawOp>& ops() const { return ops_; }
    // Counts every change of the display list, so a painter knows when to redraw.
    unsigned long revision() const { return revision_; }

private:
    float width_;
    float height_;
    Rgb foreColor_ = kBlack;
    float currentX_ = 0;
    float currentY_ = 0;
    int seriesBegun_ = 0;
    ChartPart part_;
    std::vector<DrawOp> ops_;
    unsigned long revision_ = 0;
};

}  // namespace karnoth
