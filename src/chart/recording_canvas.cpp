#include "chart/recording_canvas.h"

namespace karnoth {

void RecordingCanvas::Cls()
{
    ops_.clear();
    ops_.push_back(DrawOp{});
    currentX_ = 0;
    currentY_ = 0;
    seriesBegun_ = 0;
    part_ = ChartPart{};
    ++revision_;
}

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour.value_or(foreColor_);
    op.part = part_;
    ops_.push_back(std::move(op));
    ++revision_;
}

void RecordingCanvas::Print(std::string_view text)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Print;
    op.x1 = currentX_;
    op.y1 = currentY_;
    op.colour = foreColor_;
    op.text = std::string(text);
    op.part = part_;
    ops_.push_back(std::move(op));
    ++revision_;
}

void RecordingCanvas::setSize(float width, float height)
{
    width_ = width;
    height_ = height;
}

}  // namespace karnoth
