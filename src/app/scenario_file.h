#pragma once
// A scenario: every input of the window under a name, with the culling records and the planner's
// target and costs, kept as a JSON file (suggested extension .karnoth):
//
//   {"format": "karnoth-scenario", "version": 2, "name": "20% from 2026", "notes": "...",
//    "saved": "2026-12-08T10:00:00Z",
//    "inputs": {"txtAdultSurv": "0.9", ..., "vscGainLoss": 4000, "hscSterilise": 200, "vscTarget": 50,
//               "chkSterilise": 0, "chkLog": 0},
//    "killed": [[1995, 1200], [1996, 1500]],
//    "planner": {"targetYear": 2036, "targetPercent": 50, "costOwned": 30, "costStreet": 55,
//                "ownedShareStep": 5},
//    "sensitivity": {"year": 2035, "deltaPercent": 10},
//    "uncertainty": {"replicates": 1000, "seed": 1, "yearToYearSd": 0.05, "wholeDogs": false,
//                    "ranges": {"txtAdultSurv": {"varied": true, "low": "0.85", "high": "0.95"}}},
//    "report": {"title": "Sterilising from 2026", "author": "A. Vet", "organisation": "Town council",
//               "place": "Townsville"},
//    "robustPlan": {"confidence": 90},
//    "view": {"firstYearShown": "tenYearsBeforeStart"},
//    "windows": {"main": {"x": 10, "y": 20, "width": 1009, "height": 720, "maximised": false}},
//    "language": "es"}
//
// `inputs` holds every text box (its text exactly as typed), scroll bar and check box by control
// name. name, notes, saved, killed, planner (and its ownedShareStep), sensitivity, uncertainty,
// report (each of its texts) and robustPlan (the planner's confidence, per cent 50..99, or "off")
// are optional (older programs ignore the last four); view, windows
// and language are the window's session file's only. A window entry that is not whole numbers with a positive
// size is left out, as if the window had never been placed, never a fault; the name defaults to
// the file's base name; unknown top-level keys are ignored. Version 1 files, from before the five
// inputs of a real town (txtImmigrants, txtCapacity, txtCompensation, txtStop, txtOperations),
// still open with those at their initial texts, which leave them off; a file is always written as
// version 2.

#include "app/report_details.h"
#include "app/view_settings.h"
#include "model/killed_file.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karnoth {

// The planner's target and costs as a scenario keeps them.
struct PlannerSettings {
    int targetYear = 0;
    double targetPercent = 50;  // per cent of the baseline, above 0
    double costOwned = 1;  // per sterilisation, in whatever currency the user thinks in; >= 0
    double costStreet = 1;
    std::optional<int> ownedShareStep;  // per cent between the grid's owned shares, a divisor of 100
    friend bool operator==(const PlannerSettings&, const PlannerSettings&) = default;
};

// The planner's confidence for plans that hold when the user turned it off.
inline constexpr int kConfidenceOff = 0;

struct Scenario {
    std::string name;
    std::string notes;
    std::string saved;  // when it was saved, ISO 8601 in UTC; may be empty
    std::map<std::string, std::string> texts;  // every text box by control name, as typed
    std::map<std::string, int> values;  // every scroll bar and check box by control name
    std::vector<KilledRecord> killed;  // killed.txt's records when it was saved, in order
    std::optional<PlannerSettings> planner;
    std::optional<SensitivitySettings> sensitivity;
    std::optional<UncertaintySettings> uncertainty;
    std::optional<ReportDetails> report;  // what heads its report
    // The planner's confidence for plans that hold, per cent 50..99, or kConfidenceOff.
    std::optional<int> confidence;
    std::map<std::string, WindowPlace> windows;  // where the windows were, by key; the session's only
    std::optional<FirstYearShown> firstYearShown;  // the session's only
    std::optional<LanguageSettings> language;
    friend bool operator==(const Scenario&, const Scenario&) = default;
};

// Reads and checks the whole file. Anything wrong is a File Fault naming the file and the field:
// not JSON; another format; a version other than 1 or 2 (a later one is a newer program's); a missing or unknown
// control; a text that is not a string, a bar value that is not a whole number or lies outside its bar's range, a check
// box other than 0 or 1; a killed record that killed.txt itself would reject; a planner, sensitivity
// or uncertainty value of the wrong kind or outside what its view takes; a report detail that is not
// a text or is longer than kMostReportDetailCharacters. `shownName` names the file
// in messages; the name defaults to `baseName`.
Scenario parseScenario(std::string_view json, std::string_view shownName, std::string_view baseName);
Scenario readScenarioFile(const std::filesystem::path& path);

// The file's text: two-space indented JSON, keys in the order above.
std::string formatScenario(const Scenario& scenario);

// Writes through a temporary file and a rename, so a failed write never destroys an older file.
void writeScenarioFile(const std::filesystem::path& path, const Scenario& scenario);

// The current time as the "saved" field writes it: 2026-12-08T10:00:00Z.
std::string currentUtcTime();

}  // namespace karnoth
