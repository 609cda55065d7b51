#pragma once
// The settings file "karnoth.ini": eleven values, one per line, each line ended by CR LF, in the
// order of kSettingsFields. A scroll bar's value is written as a decimal integer with a blank
// before a non-negative number (" 4000"); a text box's text exactly as typed.

#include "catalogue/control_names.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

enum class SettingsType { ScrollValue, SingleText, IntegerText };

// A line of the file: the control it holds (reports name a line by its input's caption, from the
// input catalogue) and how the file writes it.
struct SettingsField {
    std::string_view control;
    SettingsType type;
};

inline constexpr std::array<SettingsField, 11> kSettingsFields{{
    {control::vscGainLoss, SettingsType::ScrollValue},
    {control::txtAdultSurv, SettingsType::SingleText},
    {control::txtJuvSurv, SettingsType::SingleText},
    {control::txtRecruit, SettingsType::IntegerText},
    {control::txtSenile, SettingsType::IntegerText},
    {control::txtFrom, SettingsType::IntegerText},
    {control::txtTo, SettingsType::IntegerText},
    {control::txtFecundity, SettingsType::SingleText},
    {control::txtLitter, SettingsType::SingleText},
    {control::hscSterilise, SettingsType::ScrollValue},
    {control::vscTarget, SettingsType::ScrollValue},
}};

// A field: a scroll bar's value, or a box's text. As read, the text is the number in its shortest
// general form (".1" comes back as "0.1", "0.90" as "0.9"); as written, the text as typed.
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

// The file's text for the eleven values as the window holds them: a scroll bar's value as a
// decimal integer, with a blank before a non-negative one (" 4000"); a text as typed, except that a
// line break in it becomes a blank, since it would shift every later field.
std::string formatSettings(const std::array<SettingsValue, 11>& fields);

}  // namespace karnoth
