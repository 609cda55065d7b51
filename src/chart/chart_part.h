#pragma once
// What a line or a print of the chart stands for. The plotter marks each one as it draws it, so that
// a painter draws the chart by meaning (a series' curve, a tick, a label) and never has to tell
// them apart by where they sit or what colour they have.

namespace karnoth {

struct ChartPart {
    enum class Kind {
        Unmarked,  // drawn by someone else than the plotter: painted as it was drawn
        Curve,  // one year's segment of a series' polyline
        YearTick,  // the short tick of a year on the bottom axis
        DecadeTick,  // the longer tick of a year that is a multiple of ten
        YearLabel,  // the number under a decade tick
        ValueLabel,  // one of a scale's three value labels (0, half the top, the top)
        Caption,  // what a scale counts, at the top of its side
    };
    Kind kind = Kind::Unmarked;
    int series = -1;  // the series that drew it: 0 for the first plotted since the last Cls
    int year = 0;  // Curve: the year its segment ends at; ticks and year labels: their year
    float anchor = 0;  // YearLabel: the canvas x of its tick; ValueLabel: the canvas y of its value
};

}  // namespace karnoth
