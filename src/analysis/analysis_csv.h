#pragma once
// What the CSV exports of the analyses share: numbers with up to 9 significant digits in the C
// locale ("%.9g", so a single reads back as itself), an empty field for a figure that does not
// exist, and texts quoted when they hold a comma, a double quote or a line end (a quote doubled).

#include <optional>
#include <string>
#include <string_view>

namespace karnoth::csv {

void appendNumber(std::string& csv, double value);
void appendNumber(std::string& csv, const std::optional<double>& value);
void appendText(std::string& csv, std::string_view text);
void appendText(std::string& csv, const std::optional<std::string>& text);

}  // namespace karnoth::csv
