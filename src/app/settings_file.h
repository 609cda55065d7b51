#pragma once
// The settings file "karnoth.ini": eleven values, one per line, each line ended by CR LF, in the
// order of kSettingsFields. A scroll bar's value is written as a decimal integer with a blank
// before a non-negative number (" 4000"); a text box's text exactly as typed.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

enum class SettingsType { ScrollValue, SingleText, IntegerText };

struct SettingsField {
    std::string_view control;
    SettingsType type;
};

inline constexpr std::array<SettingsField, 11> kSettingsFields{{
    {"vscGainLoss", SettingsType::ScrollValue},
    {"txtAdultSurv", SettingsType::SingleText},
    {"txtJuvSurv", SettingsType::SingleText},
    {"txtRecruit", SettingsType::IntegerText},
    {"txtSenile", SettingsType::IntegerText},
    {"txtFrom", SettingsType::IntegerText},
    {"txtTo", SettingsType::IntegerText},
    {"txtFecundity", SettingsType::SingleText},
    {"txtLitter", SettingsType::SingleText},
    {"hscSterilise", SettingsType::ScrollValue},
    {"vscTarget", SettingsType::ScrollValue},
}};

// A field as read: a scroll bar's value, or the text to put back into a box (the number in its
// shortest general form: ".1" comes back as "0.1", "0.90" as "0.9").
struct SettingsValue {
    int value = 0;
    std::string text;
};

struct LoadedSettings {
    bool present = false;  // an absent file is normal and reported nowhere
    std::array<std::optional<SettingsValue>, 11> fields;  // nullopt: the field keeps its default
    std::optional<std::string> problem;  // one report naming the file, lines and fields at fault
};

// `scrollRange(control)` gives a scroll bar's lowest and highest value. Reading: blanks around a
// number and a trailing CR are skipped; single fields must fit a single, integer fields are
// rounded to nearest (halves to even) and must fit 16 bits (and a scroll bar's range).
// A name that exists but cannot be read leaves every field at its default and says so.
using ScrollRangeOf = std::pair<int, int> (*)(std::string_view control);
LoadedSettings readSettingsFile(const std::filesystem::path& path, ScrollRangeOf scrollRange);
LoadedSettings parseSettings(std::string_view text, ScrollRangeOf scrollRange);

// The file's text for the eleven values as the window holds them (texts or values as text).
std::string formatSettings(const std::array<std::string, 11>& fields);

}  // namespace karnoth
