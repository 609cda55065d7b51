#include "model/killed_file.h"

#include "support/fault.h"
#include "support/numeric_text.h"
#include "support/quoted_text.h"
#include "support/text_file.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karnoth {
namespace {

struct Field {
    std::string_view text;
    int line;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

// Splits the text into fields: commas, blanks and line ends separate fields. A comma with no
// field before it on its line (a leading comma, or two commas in a row) leaves an empty field,
// which is no whole number; a comma that ends a line only separates.
std::vector<Field> splitFields(std::string_view text)
{
    std::vector<Field> fields;
    int line = 1;
    bool fieldSinceComma = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {  // LF, CR LF or a lone CR
            ++line;
            fieldSinceComma = false;
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        } else if (c == ',') {
            if (!fieldSinceComma) fields.push_back({std::string_view(), line});
            fieldSinceComma = false;
            ++i;
        } else if (isSpace(c)) {
            ++i;
        } else {
            std::size_t j = i;
            while (j < text.size() && text[j] != ',' && text[j] != '\n' && text[j] != '\r' && !isSpace(text[j])) ++j;
            fields.push_back({text.substr(i, j - i), line});
            fieldSinceComma = true;
            i = j;
        }
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

// A field as a fault message quotes it: at most 30 characters.
std::string shown(std::string_view text)
{
    return quotedForMessage(text, 30);
}

}  // namespace

void checkKilledRecord(double year, double count, const std::string& where, const std::string& yearText,
                       const std::string& countText)
{
    if (year != std::trunc(year))
        throw Fault(FaultKind::File, where + ": the year " + yearText + " is not a whole number");
    if (count != std::trunc(count))
        throw Fault(FaultKind::File, where + ": the number killed " + countText + " is not a whole number");
    if (!nearestInteger16(year))
        throw Fault(FaultKind::Overflow, where + ": the year " + yearText + " lies outside " + kInteger16Range);
    if (year < kFirstYear || year > kLastYear)
        throw Fault(FaultKind::Subscript, where + ": the year " + yearText + " lies outside the years 1950 to 2050");
    if (count < 0)
        throw Fault(FaultKind::File,
                    where + ": the number killed " + countText + " is negative; a count of dogs is 0 or more");
    if (count > 3.4e38) throw Fault(FaultKind::Overflow, where + ": the number killed is too large");
}

std::vector<KilledRecord> parseKilledRecordList(std::string_view text, std::string_view fileName)
{
    std::vector<KilledRecord> records;
    const std::vector<Field> fields = splitFields(text);
    const std::string file(fileName);
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        const std::size_t record = i / 2 + 1;
        const std::string where = file + " record " + std::to_string(record) + " (line " +
                                  std::to_string(fields[i].line) + ")";
        if (i + 1 >= fields.size())
            throw Fault(FaultKind::File,
                        where + ": the year " + shown(fields[i].text) + " has no number of dogs killed after it");
        double year = 0;
        double count = 0;
        if (!parseWhole(fields[i].text, year))
            throw Fault(FaultKind::File, where + ": the year " + shown(fields[i].text) + " is not a whole number");
        if (!parseWhole(fields[i + 1].text, count))
            throw Fault(FaultKind::File,
                        where + ": the number killed " + shown(fields[i + 1].text) + " is not a whole number");
        checkKilledRecord(year, count, where, shown(fields[i].text), shown(fields[i + 1].text));
        records.push_back({static_cast<int>(year), static_cast<float>(count)});
    }
    return records;
}

YearlySeries killedByYearOf(const std::vector<KilledRecord>& records)
{
    YearlySeries killed;
    for (const KilledRecord& record : records) killed[record.year] = record.count;
    return killed;
}

YearlySeries parseKilledRecords(std::string_view text, std::string_view fileName)
{
    return killedByYearOf(parseKilledRecordList(text, fileName));
}

std::optional<std::vector<KilledRecord>> readKilledRecordList(const std::filesystem::path& path)
{
    const std::optional<std::string> text = readWholeFile(path, "killed.txt", kSmallTextFileLimit);
    if (!text) return std::nullopt;
    return parseKilledRecordList(*text, "killed.txt");
}

YearlySeries readKilledFile(const std::filesystem::path& path)
{
    const std::optional<std::string> text = readWholeFile(path, "killed.txt", kSmallTextFileLimit);
    if (!text) return {};
    return parseKilledRecords(*text, "killed.txt");
}

}  // namespace karnoth
