#pragma once
// The window's session, "karnoth-session.json" beside karnoth.ini: every input and the settings of
// the planner and the analyses, in the scenario file's format (version 2), written when the window
// closes and read at start-up after karnoth.ini, which wins for the eleven values it holds.
// karnoth.ini itself is left exactly as it always was, so older programs still read it.

#include "app/scenario_file.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

inline constexpr std::string_view kSessionFileName = "karnoth-session.json";

// What the window keeps beside its inputs; each nullopt until the user sets it (the view then
// starts from its own defaults).
struct SessionSettings {
    std::optional<PlannerSettings> planner;
    std::optional<SensitivitySettings> sensitivity;
    std::optional<UncertaintySettings> uncertainty;
    std::optional<ReportDetails> report;
    std::optional<int> confidence;  // the planner's, per cent 50..99 or kConfidenceOff
    std::map<std::string, WindowPlace> windows;  // by the window's stable key ("main", "planner", ...)
    std::optional<FirstYearShown> firstYearShown;
    std::optional<LanguageSettings> language;
    friend bool operator==(const SessionSettings&, const SessionSettings&) = default;
};

// The session in `directory`: nullopt when there is none, which is normal. A file that cannot be
// read or is not a whole scenario (the same size limit and checks as a scenario file) is a File
// Fault naming it.
std::optional<Scenario> readSessionFile(const std::filesystem::path& directory);

// Replaces the session in `directory` as every file is replaced (through a temporary file and a
// rename, a link written through); a File Fault naming the file when it cannot be.
void writeSessionFile(const std::filesystem::path& directory, const Scenario& session);

SessionSettings sessionSettingsOf(const Scenario& session);

// `kept` with the analyses' settings and report details `scenario` holds in place of its own; what
// the scenario does not hold (an older one, or one saved before the views were used) stays.
SessionSettings withScenarioSettings(SessionSettings kept, const Scenario& scenario);
void keepSessionSettings(Scenario& session, const SessionSettings& settings);

}  // namespace karnoth
