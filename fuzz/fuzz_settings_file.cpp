// The settings reader. For any text: every field read is a value the window accepts (a scroll bar
// within its range, a box text that is a number of the field's type), a field that was not read
// is reported, and the values read survive a second save and load unchanged.

#include "app/layout.h"
#include "app/settings_file.h"
#include "catalogue/input_catalogue.h"
#include "model/input_field.h"
#include "support/numeric_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace {

using karnoth::SettingsType;

[[noreturn]] void violated(const char* what, std::size_t field)
{
    std::fprintf(stderr, "invariant violated: %s (line %zu)\n", what, field + 1);
    std::abort();
}

constexpr auto scrollRange = karnoth::layoutScrollRange;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const karnoth::LoadedSettings loaded = karnoth::parseSettings(text, scrollRange);
    if (!loaded.present) violated("a file that is there reads as absent", 0);

    std::array<karnoth::SettingsValue, 11> saved;
    bool anyMissing = false;
    for (std::size_t i = 0; i < karnoth::kSettingsFields.size(); ++i) {
        const karnoth::SettingsField& field = karnoth::kSettingsFields[i];
        const auto& value = loaded.fields[i];
        if (!value) {
            anyMissing = true;
            if (!loaded.problem ||
                loaded.problem->find(std::string(karnoth::fieldCaption(*karnoth::inputRow(field.control).field))) ==
                    std::string::npos)
                violated("a field kept its default without a report naming it", i);
            saved[i].text = "x";  // any text the next load reports; not compared below
            continue;
        }
        if (field.type == SettingsType::ScrollValue) {
            const auto [lowest, highest] = scrollRange(field.control);
            if (value->value < lowest || value->value > highest) violated("a scroll value outside its range", i);
            saved[i].value = value->value;
            continue;
        }
        const karnoth::ParsedNumber number = karnoth::parseNumber(value->text);
        if (number.status != karnoth::ParseStatus::Ok) violated("a box text that is not a number", i);
        if (value->text.find_first_of(" \t") != std::string::npos) violated("a box text with blanks", i);
        if (field.type == SettingsType::IntegerText &&
            (number.value != std::nearbyint(number.value) || number.value < -32768 || number.value > 32767))
            violated("an integer box text that is not a 16-bit whole number", i);
        if (field.type == SettingsType::SingleText && !std::isfinite(static_cast<float>(number.value)))
            violated("a single box text beyond the single range", i);
        saved[i].text = value->text;
    }
    if (!anyMissing && loaded.problem) violated("a report although every field was read", 0);
    if (loaded.problem && loaded.problem->rfind("karnoth.ini: ", 0) != 0)
        violated("a report that does not name the file", 0);

    // One save and load normalises; a second changes nothing.
    const karnoth::LoadedSettings again = karnoth::parseSettings(karnoth::formatSettings(saved), scrollRange);
    for (std::size_t i = 0; i < karnoth::kSettingsFields.size(); ++i) {
        if (!loaded.fields[i]) continue;
        if (!again.fields[i]) violated("a value read once does not read a second time", i);
        if (again.fields[i]->value != loaded.fields[i]->value || again.fields[i]->text != loaded.fields[i]->text)
            violated("a value read once changes on a second save and load", i);
    }
    return 0;
}
