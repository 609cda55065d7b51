#pragma once
// The window Form1 as data: every control with its kind, initial caption or text, position and
// size in twips (1/1440 inch, origin at the top left of the client area), keyboard order, and
// the scroll bars' ranges. It is also the initial state of the window model.

#include "chart/color.h"

#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace karnoth {

enum class ControlKind { Label, TextBox, CheckBox, CommandButton, HScrollBar, VScrollBar, PictureBox, Line };

struct ScrollRange {
    int firstEnd;  // the value at the top (vertical) or left (horizontal) end
    int secondEnd;  // the value at the bottom or right end
    int smallStep;  // arrow
    int largeStep;  // track click
    int lowest() const { return firstEnd < secondEnd ? firstEnd : secondEnd; }
    int highest() const { return firstEnd < secondEnd ? secondEnd : firstEnd; }
};

// One row of the layout table: a control, where it stands and how it starts.
struct LayoutRow {
    ControlKind kind;
    std::string_view name;  // "Label1(8)" for an element of the Label1 array
    std::string_view text;  // caption, text box text or button caption
    int left, top, width, height;  // twips; a line's ends are x1 = left, y1 = top, x2, y2 below
    int tab;  // keyboard focus order, -1 for lines
    int value = 0;  // a scroll bar's initial value, a check box's state
    std::optional<ScrollRange> range = std::nullopt;
    bool heading = false;  // "MS Sans Serif" 8.25 pt bold, black
    std::optional<Rgb> foreColor = std::nullopt;  // Label4 is dark blue
    bool wraps = false;  // Label7 wraps to three lines
    int x2 = 0, y2 = 0;  // a line's second end
};

// Every control, lines last.
std::span<const LayoutRow> formLayout();

// The row of the control `name` ("Label1(8)" for an element of an array); nullptr when none.
const LayoutRow* findLayoutRow(std::string_view name);

// A scroll bar's lowest and highest value; the whole 16-bit range for any other name, since the
// settings file checks only that such a field fits an Integer.
std::pair<int, int> layoutScrollRange(std::string_view control);

inline constexpr std::string_view kFormTitle = "Form1";
inline constexpr int kDesignClientWidth = 11655;  // twips, as designed
inline constexpr int kDesignClientHeight = 8970;
// The translation context of the layout's fixed captions, marked KARNOTH_TRANSLATE_NOOP in
// layout.cpp; the window shows them in its language, the window model and the CLI in English.
inline constexpr const char* kLayoutTextContext = "karnoth::Layout";

inline constexpr int kLayoutRight = 19095;  // the controls reach this far; the window stretches the chart to it
inline constexpr int kLayoutBottom = 10335;

}  // namespace karnoth
