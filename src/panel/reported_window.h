#pragma once
// What a report shows of the window, as plain data: every input's setting, the sentences, fault
// and chart of a run of those inputs, and the scenarios listed beside it. The window model gathers
// it (app/report_gathering.h); the report draws from it alone.

#include "chart/recording_canvas.h"
#include "support/phrase.h"
#include "support/yearly_series.h"

#include <optional>
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

// What the run of the window's inputs does with its programme, judged by the planner's target
// (target year and per cent) and costs; the report's summary says it in plain words. Counts are
// female dogs.
struct ReportedProgramme {
    int start = 0;  // the first programme year
    std::optional<int> stop;  // the last, when the programme stops before 2050
    std::optional<double> operationsPerYear;  // typed: a number of operations a year instead of the rate
    double firstYearOperations = 0;  // owned and street, in the start year
    double averageOperations = 0;  // a year, over start..stop (or 2050)
    int baselineYear = 0;  // the year before the start
    double baseline = 0;  // street females aged one and over in baselineYear
    double streetTotalInTargetYear = 0;
    std::optional<int> firstYearMet;  // the first year from the start the street total is at the target
    double sterilisedOwned = 0;  // from the start to the target year
    double sterilisedStreet = 0;
    double cost = 0;  // as the planner counts it: cost an owned times owned, plus street
    double coverageInTargetYear = 0;  // the street's sterilised share 0..1 at the end of the target year
    Phrase rebound;  // the window's sentence of the street's return after a stop; an empty text: none
};

// One line of the report's year-by-year table.
struct ReportedYear {
    int year = 0;
    double streetTotal = 0;  // street females aged one and over
    double streetBreeders = 0;  // fertile street females of breeding age
    double operations = 0;  // the programme's sterilisations, owned and street
    double streetCoverage = 0;  // a share 0..1
};

struct ReportedWindow {
    std::vector<InputSetting> inputs;  // every input, in the catalogue's order
    std::string runFault;  // why the run stopped; empty when it completed
    std::string runFaultField;  // the caption of the input at fault, if one is
    std::optional<Phrase> runFaultPhrase;  // the phrase runFault was made from, when it was
    std::vector<std::string> sentences;  // the four a completed run writes, as the window shows them
    std::vector<DrawOp> chartOps;  // the completed run's chart
    float chartWidth = 0;  // the picture area, in twips
    float chartHeight = 0;
    bool logScale = false;
    int firstYearShown = kFirstYear;  // where the chart's years start
    int programmeRate = 0;  // the rate bar, tenths of a per cent
    int ownedShare = 0;  // the share bar, per cent
    std::vector<ReportedScenario> scenarios;  // the window among them, first when it was not listed
    // When the run completed and its years suit the target: what its programme does, and its
    // figures year by year.
    std::optional<ReportedProgramme> programme;
    std::string programmeProblem;  // otherwise, when the run completed: why the target does not apply
    std::vector<ReportedYear> years;
};

}  // namespace karnoth
