#pragma once
// Maps a layout scroll bar's value to a QScrollBar's and back. A QScrollBar always has its minimum
// at the top or left; the layout's vertical bars have their larger value at the top, so their
// values are mirrored within the range: thumb up still means value up.

#include "app/layout.h"

namespace karnoth::gui {

class ScrollMapping {
public:
    explicit ScrollMapping(const ScrollRange& range) : range_(range) { }

    int widgetMinimum() const { return range_.lowest(); }
    int widgetMaximum() const { return range_.highest(); }
    int singleStep() const { return range_.smallStep; }
    int pageStep() const { return range_.largeStep; }
    bool mirrored() const { return range_.firstEnd > range_.secondEnd; }

    int toWidget(int modelValue) const { return mirrored() ? mirror(modelValue) : modelValue; }
    int toModel(int widgetValue) const { return mirrored() ? mirror(widgetValue) : widgetValue; }

private:
    int mirror(int value) const { return range_.lowest() + range_.highest() - value; }

    ScrollRange range_;
};

}  // namespace karnoth::gui
