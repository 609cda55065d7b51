#pragma once
// The killed-dogs file "killed.txt": records of two whole numbers, a year and the street dogs
// killed in it, separated by commas, blanks or line ends. A later record for a year overwrites an
// earlier one; years not in the file stay 0, and an absent file means nobody is culled.
//
// A record that is not two whole numbers, a lone last number, a year outside 1950..2050, a
// negative count or a file that exists but cannot be read is a Fault that names the file and the
// record.

#include "support/yearly_series.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karnoth {

// One record: street dogs killed in a year (a whole count, single precision).
struct KilledRecord {
    int year;
    float count;
    friend bool operator==(const KilledRecord&, const KilledRecord&) = default;
};

YearlySeries readKilledFile(const std::filesystem::path& path);

// The same, from the file's text; `fileName` is how the file is named in fault messages.
YearlySeries parseKilledRecords(std::string_view text, std::string_view fileName);

// The records in the order the file gives them; nullopt when there is no file.
std::optional<std::vector<KilledRecord>> readKilledRecordList(const std::filesystem::path& path);
std::vector<KilledRecord> parseKilledRecordList(std::string_view text, std::string_view fileName);

// The counts by year; a later record for a year overwrites an earlier one.
YearlySeries killedByYearOf(const std::vector<KilledRecord>& records);

// The checks of one record, its year and count already numbers: a whole year in 1950..2050 and a
// whole count of 0 or more within the single range; otherwise a Fault that begins with `where`
// and quotes the fields as `yearText` and `countText` show them.
void checkKilledRecord(double year, double count, const std::string& where, const std::string& yearText,
                       const std::string& countText);

}  // namespace karnoth
