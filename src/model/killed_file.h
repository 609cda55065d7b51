#pragma once
// The killed-dogs file "killed.txt": records of two whole numbers, a year and the street dogs
// killed in it, separated by commas, blanks or line ends. A later record for a year overwrites an
// earlier one; years not in the file stay 0, and an absent file means nobody is culled.
//
// A record that is not two whole numbers, a lone last number, a year outside 1950..2050 or a
// file that exists but cannot be read is a Fault that names the file and the record.

#include "support/yearly_series.h"

#include <filesystem>
#include <string_view>

namespace karnoth {

YearlySeries readKilledFile(const std::filesystem::path& path);

// The same, from the file's text; `fileName` is how the file is named in fault messages.
YearlySeries parseKilledRecords(std::string_view text, std::string_view fileName);

}  // namespace karnoth
