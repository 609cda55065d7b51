#include "app/settings_file.h"

#include "catalogue/input_catalogue.h"
#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"
#include "support/numeric_text.h"
#include "support/quoted_text.h"
#include "support/text_file.h"
#include "support/text_lines.h"

#include <cmath>
#include <vector>

namespace karnoth {
namespace {

constexpr std::string_view kFileName = "karnoth.ini";

std::string shown(std::string_view text)
{
    return quotedForMessage(text, 30);
}

std::string captionOf(const SettingsField& field)
{
    return std::string(fieldCaption(*inputRow(field.control).field));
}

// The field's value, or why it is bad.
std::optional<SettingsValue> parseField(std::string_view line, const SettingsField& field, ScrollRangeOf scrollRange,
                                        std::string& why)
{
    const ParsedNumber parsed = parseNumber(line);
    if (parsed.status != ParseStatus::Ok) {
        why = shown(line) + (parsed.status == ParseStatus::Overflow ? " is too large" : " is not a number");
        return std::nullopt;
    }
    SettingsValue out;
    if (field.type == SettingsType::SingleText) {
        const float single = static_cast<float>(parsed.value);
        if (std::isinf(single)) {
            why = shown(line) + " is too large for a single-precision number";
            return std::nullopt;
        }
        out.text = formatSingleGeneral(single);
        return out;
    }
    const std::optional<std::int16_t> whole = nearestInteger16(parsed.value);  // halves to even
    if (!whole) {
        why = shown(line) + " lies outside " + kInteger16Range;
        return std::nullopt;
    }
    out.value = *whole;
    if (field.type == SettingsType::ScrollValue) {
        const auto [lowest, highest] = scrollRange(field.control);
        if (out.value < lowest || out.value > highest) {
            why = shown(line) + " lies outside the scroll bar's range " + std::to_string(lowest) + " to " +
                  std::to_string(highest);
            return std::nullopt;
        }
    }
    out.text = std::to_string(out.value);
    return out;
}

}  // namespace

LoadedSettings parseSettings(std::string_view text, ScrollRangeOf scrollRange)
{
    LoadedSettings loaded;
    loaded.present = true;
    std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() > kSettingsFields.size()) lines.resize(kSettingsFields.size());
    std::string problems;
    auto note = [&](const std::string& what) { problems += (problems.empty() ? "" : "; ") + what; };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string why;
        loaded.fields[i] = parseField(lines[i], kSettingsFields[i], scrollRange, why);
        if (!loaded.fields[i])
            note("line " + std::to_string(i + 1) + " (" + captionOf(kSettingsFields[i]) + ") " + why);
    }
    if (lines.size() < kSettingsFields.size()) {
        std::string missing;
        for (std::size_t i = lines.size(); i < kSettingsFields.size(); ++i)
            missing += (missing.empty() ? "" : ", ") + captionOf(kSettingsFields[i]);
        const std::size_t first = lines.size() + 1;
        note((first == kSettingsFields.size() ? "line " + std::to_string(first)
                                              : "lines " + std::to_string(first) + " to 11") +
             " (" + missing + ") missing");
    }
    if (!problems.empty())
        loaded.problem = std::string(kFileName) + ": " + problems + "; each of these keeps its default";
    return loaded;
}

LoadedSettings readSettingsFile(const std::filesystem::path& path, ScrollRangeOf scrollRange)
{
    std::optional<std::string> text;
    try {
        text = readWholeFile(path, kFileName, kSmallTextFileLimit);
    } catch (const Fault& fault) {
        LoadedSettings unreadable;
        unreadable.present = true;
        unreadable.problem = std::string(fault.what()) + "; every setting keeps its default";
        return unreadable;
    }
    if (!text) return {};
    return parseSettings(*text, scrollRange);
}

std::string formatSettings(const std::array<SettingsValue, 11>& fields)
{
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (kSettingsFields[i].type == SettingsType::ScrollValue) {
            const int value = fields[i].value;
            text += (value >= 0 ? " " : "") + std::to_string(value);
        } else {
            for (char c : fields[i].text) text += (c == '\r' || c == '\n') ? ' ' : c;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace karnoth
