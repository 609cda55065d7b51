#include "analysis/analysis_csv.h"

#include <charconv>

namespace karnoth::csv {

void appendNumber(std::string& csv, double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9).ptr;
    csv.append(text, end);
}

void appendNumber(std::string& csv, const std::optional<double>& value)
{
    if (value) appendNumber(csv, *value);
}

void appendText(std::string& csv, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        csv += text;
        return;
    }
    csv += '"';
    for (char c : text) {
        if (c == '"') csv += '"';
        csv += c;
    }
    csv += '"';
}

void appendText(std::string& csv, const std::optional<std::string>& text)
{
    if (text) appendText(csv, std::string_view(*text));
}

}  // namespace karnoth::csv
