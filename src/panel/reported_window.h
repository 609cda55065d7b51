#pragma once
// What a report shows of the window, as plain data: every input's setting, the sentences, fault
// and chart of a run of those inputs, and the scenarios listed beside it. The window model gathers
// it (app/report_gathering.h); the report draws from it alone.

#include "chart/recording_canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace karnoth {

// An input's setting as the window holds it: a text as typed, a bar's or check box's value.
struct InputSetting {
    std::string_view control;
    std::string text;
    int value = 0;
    bool checkBox = false;
};

// A scenario the report lists: the window itself, one kept in a file, or a file that could not be
// read.
struct ReportedScenario {
    std::string name;
    std::string notes;
    bool window = false;
    bool stored = false;  // kept in a file
    std::vector<InputSetting> differences;  // stored: its settings that differ from the window's
    std::string fault;  // neither: why its file could not be read
};

struct ReportedWindow {
    std::vector<InputSetting> inputs;  // every input, in the catalogue's order
    std::string runFault;  // why the run stopped; empty when it completed
    std::string runFaultField;  // the caption of the input at fault, if one is
    std::vector<std::string> sentences;  // the four a completed run writes, as the window shows them
    std::vector<DrawOp> chartOps;  // the completed run's chart
    float chartWidth = 0;  // the picture area, in twips
    float chartHeight = 0;
    bool logScale = false;
    int programmeRate = 0;  // the rate bar, tenths of a per cent
    int ownedShare = 0;  // the share bar, per cent
    std::vector<ReportedScenario> scenarios;  // the window among them, first when it was not listed
};

}  // namespace karnoth
