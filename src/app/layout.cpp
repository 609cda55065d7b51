#include "app/layout.h"

#include "catalogue/input_catalogue.h"
#include "support/translate_noop.h"

#include <array>

namespace karnoth {
namespace {

using K = ControlKind;

constexpr LayoutRow label(std::string_view name, std::string_view text, int l, int t, int w, int h, int tab)
{
    return {K::Label, name, text, l, t, w, h, tab};
}

// A label whose caption a handler or a run sets; it starts empty rather than showing its name.
constexpr LayoutRow placeholder(std::string_view name, int l, int t, int w, int h, int tab)
{
    return label(name, "", l, t, w, h, tab);
}

constexpr LayoutRow heading(std::string_view name, std::string_view text, int l, int t, int w, int h, int tab)
{
    LayoutRow row = label(name, text, l, t, w, h, tab);
    row.heading = true;
    return row;
}

// A text box of an input, starting at the input catalogue's text.
constexpr LayoutRow inputBox(std::string_view name, int l, int t, int w, int h, int tab)
{
    return {K::TextBox, name, inputRow(name).defaultText, l, t, w, h, tab};
}

// A bar's range and initial value are the input catalogue's; its orientation (`lowestFirst`: the
// lowest value at the top or left end) and steps are the layout's.
constexpr LayoutRow scrollBar(K kind, std::string_view name, int l, int t, int w, int h, int tab, bool lowestFirst,
                              int smallStep, int largeStep)
{
    const InputRow& input = inputRow(name);
    const BarLimits bar = *input.bar;
    const ScrollRange range = lowestFirst ? ScrollRange{bar.lowest, bar.highest, smallStep, largeStep}
                                          : ScrollRange{bar.highest, bar.lowest, smallStep, largeStep};
    return {kind, name, "", l, t, w, h, tab, input.defaultValue, range};
}

constexpr LayoutRow line(std::string_view name, int x1, int y1, int x2, int y2)
{
    LayoutRow row{K::Line, name, "", x1, y1, 0, 0, -1};
    row.x2 = x2;
    row.y2 = y2;
    return row;
}

constexpr LayoutRow withColour(LayoutRow row, Rgb colour)
{
    row.foreColor = colour;
    return row;
}

constexpr LayoutRow wrapping(LayoutRow row)
{
    row.wraps = true;
    return row;
}

constexpr auto kLayout = std::to_array<LayoutRow>({
    // Owned-dogs panel.
    heading("Label15", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "owned dogs"), 2000, 195, 1215, 210, 39),
    label("Label1(8)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "% owned dogs sterilised"), 240, 240, 1215, 495, 33),
    inputBox(control::txtCurrentOwnedSteril, 1440, 240, 375, 285, 32),
    placeholder(control::Label6, 240, 840, 1335, 375, 34),
    scrollBar(K::VScrollBar, control::vscGainLoss, 240, 1320, 255, 1455, 18, false, 10, 1000),
    placeholder(control::Label2, 600, 1560, 855, 975, 28),
    // Life-history parameters, headed "street dogs".
    heading("Label13", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "street dogs"), 3360, 420, 975, 225, 37),
    label("Label1(0)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "adult survival"), 2280, 840, 1575, 255, 2),
    inputBox(control::txtAdultSurv, 4080, 840, 615, 285, 1),
    label(control::Label1_1, KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "juvenile survival"), 2280, 1170, 1575, 255, 4),
    inputBox(control::txtJuvSurv, 4080, 1170, 615, 285, 3),
    label("Label1(2)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "age at first litter"), 2280, 1515, 1575, 255, 6),
    inputBox(control::txtRecruit, 4080, 1515, 615, 285, 5),
    label("Label1(3)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "age at last litter"), 2280, 1845, 1575, 255, 8),
    inputBox(control::txtSenile, 4080, 1845, 615, 285, 7),
    label("Label1(4)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "female pups per litter"), 2280, 2190, 1575, 255, 10),
    inputBox(control::txtLitter, 4080, 2190, 615, 285, 9),
    label("Label1(7)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "prob. pregnant"), 2280, 2520, 1575, 255, 16),
    inputBox(control::txtFecundity, 4080, 2520, 615, 285, 15),
    // Derived results.
    label("Label11", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "these parameters give"), 5040, 1320, 855, 855, 27),
    placeholder(control::Label10, 6240, 1320, 4215, 255, 26),
    placeholder(control::Label9, 6240, 1560, 4215, 255, 25),
    placeholder(control::Label14, 6240, 1800, 4215, 255, 38),
    // Survey.
    heading("Label16", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "survey"), 4650, 195, 550, 195, 40),
    placeholder(control::Label3, 5400, 240, 5775, 615, 19),
    // Control panel: culling and the programme.
    heading("Label17", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "control"), 10800, 1155, 615, 255, 41),
    label("Label18", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "dogs killed from"), 11760, 360, 1095, 255, 42),
    inputBox(control::txtFrom, 12960, 360, 495, 285, 29),
    label("Label8", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "to"), 13560, 360, 135, 255, 31),
    inputBox(control::txtTo, 13800, 360, 495, 285, 30),
    label("Label1(5)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "sterilising starts in"), 11640, 840, 855, 375, 13),
    inputBox(control::txtStart, 12480, 960, 495, 285, 12),
    LayoutRow{K::CheckBox, control::chkSterilise, KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "only 1-year olds"), 13080,
              960, 1455, 255, 14, 0},
    label("Label1(6)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "times"), 12720, 1320, 375, 255, 23),
    inputBox(control::txtTimes, 13200, 1305, 375, 285, 22),
    label("Label1(10)", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "in first year"), 13680, 1320, 855, 255, 24),
    scrollBar(K::HScrollBar, control::hscSterilise, 11640, 1800, 2295, 255, 11, true, 1, 10),
    withColour(placeholder(control::Label4, 11640, 2160, 2295, 615, 21), Rgb{0, 0, 192}),
    scrollBar(K::VScrollBar, control::vscTarget, 14040, 1800, 255, 975, 36, false, 1, 1),
    wrapping(label("Label7", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "owned      target      street"), 14400, 1800,
                   495, 975, 35)),
    // A real town: arrivals, capacity, the programme's end and operations, and what they give.
    heading("Label19", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "a real town"), 15360, 195, 1215, 210, 43),
    label("Label20", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "intact females arriving a year"), 15360, 480, 2295, 255,
          44),
    inputBox(control::txtImmigrants, 17760, 480, 735, 285, 45),
    label("Label21", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "street carrying capacity"), 15360, 810, 2295, 255, 46),
    inputBox(control::txtCapacity, 17760, 810, 735, 285, 47),
    label("Label22", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "compensation"), 15360, 1140, 2295, 255, 48),
    inputBox(control::txtCompensation, 17760, 1140, 735, 285, 49),
    label("Label23", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "sterilising stops after"), 15360, 1470, 2295, 255, 50),
    inputBox(control::txtStop, 17760, 1470, 735, 285, 51),
    label("Label24", KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "sterilisations a year"), 15360, 1800, 2295, 255, 52),
    inputBox(control::txtOperations, 17760, 1800, 735, 285, 53),
    wrapping(placeholder(control::lblCoverage, 15360, 2130, 3495, 375, 54)),
    wrapping(placeholder(control::lblRebound, 15360, 2505, 3495, 375, 55)),
    // Run row and chart.
    LayoutRow{K::CommandButton, control::cmdRun, KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "Run"), 7080, 2520, 855, 375,
              0},
    LayoutRow{K::CheckBox, control::chkLog, KARNOTH_TRANSLATE_NOOP("karnoth::Layout", "log scale"), 8160, 2520, 975,
              255, 20, 0},
    // The chart's own canvas keeps its width, so a run charts the same figure wherever it is drawn
    // (the CLI's JSON, exports); the window stretches it across every group above.
    LayoutRow{K::PictureBox, control::picPlot, "", 120, 3000, 14895, 7335, 17},
    // The box diagram. Rectangles go top, right, bottom, left; a tab omits the side it shares
    // with its panel.
    line("Line18", 120, 120, 1920, 120),
    line("Line19", 1920, 120, 1920, 2880),
    line("Line20", 120, 2880, 1920, 2880),
    line("Line21", 120, 120, 120, 2880),
    line("Line22", 1920, 120, 3120, 120),
    line("Line23", 3120, 120, 3120, 480),
    line("Line24", 1920, 480, 3120, 480),
    line("Line1", 2160, 720, 4800, 720),
    line("Line2", 4800, 720, 4800, 2880),
    line("Line3", 2160, 2880, 4800, 2880),
    line("Line10", 2160, 720, 2160, 2880),
    line("Line15", 3240, 360, 3240, 720),
    line("Line16", 3240, 360, 4440, 360),
    line("Line17", 4440, 360, 4440, 720),
    line("Line4", 4800, 1680, 4920, 1680),
    line("Line5", 4920, 1200, 6000, 1200),
    line("Line6", 6000, 1200, 6000, 2160),
    line("Line7", 4920, 2160, 6000, 2160),
    line("Line8", 4920, 1200, 4920, 2160),
    line("Line9", 6000, 1680, 6120, 1680),
    line("Line11", 6120, 1200, 10560, 1200),
    line("Line12", 10560, 1200, 10560, 2160),
    line("Line13", 6120, 2160, 10560, 2160),
    line("Line14", 6120, 1200, 6120, 2160),
    line("Line25", 5280, 120, 11280, 120),
    line("Line26", 11280, 120, 11280, 960),
    line("Line27", 5280, 960, 11280, 960),
    line("Line28", 5280, 120, 5280, 960),
    line("Line29", 4560, 120, 5280, 120),
    line("Line30", 5280, 120, 5280, 480),
    line("Line31", 4560, 480, 5280, 480),
    line("Line32", 4560, 120, 4560, 480),
    line("Line33", 11520, 120, 15000, 120),
    line("Line34", 15000, 120, 15000, 2880),
    line("Line35", 11520, 2880, 15000, 2880),
    line("Line36", 11520, 120, 11520, 2880),
    line("Line37", 10680, 1080, 11520, 1080),
    line("Line38", 10680, 1080, 10680, 1440),
    line("Line39", 10680, 1440, 11520, 1440),
    // The real town's group.
    line("Line40", 15240, 120, 19080, 120),
    line("Line41", 19080, 120, 19080, 2880),
    line("Line42", 15240, 2880, 19080, 2880),
    line("Line43", 15240, 120, 15240, 2880),
});

}  // namespace

std::span<const LayoutRow> formLayout()
{
    return kLayout;
}

const LayoutRow* findLayoutRow(std::string_view name)
{
    for (const LayoutRow& row : kLayout)
        if (row.name == name) return &row;
    return nullptr;
}

std::pair<int, int> layoutScrollRange(std::string_view control)
{
    const LayoutRow* row = findLayoutRow(control);
    if (row && row->range) return {row->range->lowest(), row->range->highest()};
    return {-32768, 32767};
}

}  // namespace karnoth
