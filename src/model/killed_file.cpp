#include "model/killed_file.h"

#include "support/fault.h"
#include "support/text_file.h"

#include <optional>
#include <cstdint>
#include <string>
#include <vector>

namespace karnoth {
namespace {

struct Field {
    std::string_view text;
    int line;
};

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

// Splits the text into fields: commas and line ends separate fields, and so do runs of blanks.
// Two commas with nothing between them, or a comma that ends a line, leave an empty field.
std::vector<Field> splitFields(std::string_view text)
{
    std::vector<Field> fields;
    int line = 1;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t eol = text.find('\n', pos);
        if (eol == std::string_view::npos) eol = text.size();
        const std::string_view row = text.substr(pos, eol - pos);
        if (row.find_first_not_of(" \t\r\f\v") != std::string_view::npos) {
            std::size_t start = 0;
            while (true) {
                std::size_t comma = row.find(',', start);
                const std::string_view piece =
                    row.substr(start, comma == std::string_view::npos ? row.size() - start : comma - start);
                std::size_t i = 0;
                bool any = false;
                while (i < piece.size()) {
                    while (i < piece.size() && isSpace(piece[i])) ++i;
                    std::size_t j = i;
                    while (j < piece.size() && !isSpace(piece[j])) ++j;
                    if (j > i) {
                        fields.push_back({piece.substr(i, j - i), line});
                        any = true;
                    }
                    i = j;
                }
                // A comma that ends a line only separates; between two commas a field is empty.
                if (comma == std::string_view::npos) {
                    if (!any && start == 0) fields.push_back({std::string_view(), line});
                    if (!any && start > 0 && row.find_first_not_of(" \t\r\f\v", start) != std::string_view::npos)
                        fields.push_back({std::string_view(), line});
                    break;
                }
                if (!any) fields.push_back({std::string_view(), line});
                start = comma + 1;
            }
        }
        ++line;
        pos = eol + 1;
    }
    return fields;
}

// A whole number: an optional sign and digits. Magnitudes beyond 2^53 are kept as doubles.
bool parseWhole(std::string_view text, double& value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    double v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
    }
    value = negative ? -v : v;
    return true;
}

std::string shown(std::string_view text)
{
    constexpr std::size_t most = 30;
    return "\"" + std::string(text.substr(0, most)) + (text.size() > most ? "...\"" : "\"");
}

}  // namespace

YearlySeries parseKilledRecords(std::string_view text, std::string_view fileName)
{
    YearlySeries killed;
    const std::vector<Field> fields = splitFields(text);
    const std::string file(fileName);
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        const std::size_t record = i / 2 + 1;
        const std::string where =
            file + " record " + std::to_string(record) + " (line " + std::to_string(fields[i].line) + ")";
        if (i + 1 >= fields.size())
            throw Fault(FaultKind::File, where + ": the year " + shown(fields[i].text) +
                                             " has no number of dogs killed after it");
        double year = 0;
        double count = 0;
        if (!parseWhole(fields[i].text, year))
            throw Fault(FaultKind::File, where + ": the year " + shown(fields[i].text) +
                                             " is not a whole number");
        if (!parseWhole(fields[i + 1].text, count))
            throw Fault(FaultKind::File, where + ": the number killed " + shown(fields[i + 1].text) +
                                             " is not a whole number");
        if (year < -32768 || year > 32767)
            throw Fault(FaultKind::Overflow, where + ": the year " + shown(fields[i].text) +
                                                 " lies outside the whole numbers -32768 to 32767");
        if (year < kFirstYear || year > kLastYear)
            throw Fault(FaultKind::Subscript, where + ": the year " + shown(fields[i].text) +
                                                  " lies outside the years 1950 to 2050");
        if (count < -3.4e38 || count > 3.4e38)
            throw Fault(FaultKind::Overflow, where + ": the number killed is too large");
        killed[static_cast<int>(year)] = static_cast<float>(count);
    }
    return killed;
}

YearlySeries readKilledFile(const std::filesystem::path& path)
{
    const std::optional<std::string> text = readWholeFile(path, "killed.txt");
    if (!text) return {};
    return parseKilledRecords(*text, "killed.txt");
}

}  // namespace karnoth
