// The scenario reader. For any bytes: reading either gives a scenario or a File Fault naming the
// file in a short message (never another exception, a crash or a stack overflow), and a scenario
// read survives a save and a second read unchanged.

#include "app/scenario_file.h"
#include "support/fault.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void violated(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "invariant violated: %s: %s\n", what, detail.c_str());
    std::abort();
}

constexpr std::string_view kShownName = "fuzz/input.karnoth";
// A message names the file and the field, and quotes at most some 60 characters of a value.
constexpr std::size_t kLongestMessage = 400;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    karnoth::Scenario scenario;
    try {
        scenario = karnoth::parseScenario(text, kShownName, "input");
    } catch (const karnoth::Fault& fault) {
        const std::string message = fault.what();
        if (fault.kind() != karnoth::FaultKind::File) violated("a fault that is not a file's", message);
        if (!message.starts_with(kShownName)) violated("a message that does not name the file", message);
        if (message.size() > kLongestMessage) violated("a message that quotes too much", message);
        return 0;
    }
    karnoth::Scenario again;
    try {
        again = karnoth::parseScenario(karnoth::formatScenario(scenario), kShownName, "input");
    } catch (const karnoth::Fault& fault) {
        violated("a saved scenario does not read back", fault.what());
    }
    if (!(again == scenario)) violated("a scenario changes on a save and a second read", scenario.name);
    return 0;
}
