// The killed-dogs records. For any text: either a yearly series of finite counts or a Fault that
// names the file and the record in plain characters; and a series that was read reads back the
// same when written out as "year,count" lines.

#include "model/killed_file.h"
#include "support/fault.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void violated(const char* what)
{
    std::fprintf(stderr, "invariant violated: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    karnoth::YearlySeries killed;
    try {
        killed = karnoth::parseKilledRecords(text, "killed.txt");
    } catch (const karnoth::Fault& fault) {
        const std::string_view message = fault.what();
        if (message.rfind("killed.txt record ", 0) != 0 || message.find("(line ") == std::string_view::npos)
            violated("a fault that does not name the file, record and line");
        for (char c : message)
            if (static_cast<unsigned char>(c) < 32) violated("a fault that quotes control characters");
        return 0;
    }
    if (text.find_first_not_of(" \t\r\n\f\v") == std::string_view::npos)
        for (float count : killed.values())
            if (count != 0) violated("a blank file culled dogs");

    std::string written;
    for (int year = karnoth::kFirstYear; year <= karnoth::kLastYear; ++year) {
        const float count = killed[year];
        if (!std::isfinite(count)) violated("a count that is not finite");
        if (count != std::nearbyint(count)) violated("a count that is not whole");
        if (count < 0) violated("a negative count");
        if (count != 0) {
            char line[80];
            std::snprintf(line, sizeof line, "%d,%.0f\n", year, static_cast<double>(count));
            written += line;
        }
    }
    const karnoth::YearlySeries again = karnoth::parseKilledRecords(written, "killed.txt");
    if (again.values() != killed.values()) violated("the series does not read back as written");
    return 0;
}
