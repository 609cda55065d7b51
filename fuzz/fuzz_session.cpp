// A user session on the window model: the input decodes to a sequence of events (typing into any
// text box, moving any scroll bar within its range, check boxes, Run, writing or removing
// killed.txt, closing and starting again). After every event the window must be alive and
// consistent:
//   - no caption and no printed chart text holds "nan" or "inf", and every chart point is finite;
//   - no caption is still empty unless a fault explains it: after start-up the indicator and
//     report captions are set unless a handler faulted, Label4 and Label2 are always set, and
//     Label2 names the bar's value unless the run of its last change faulted;
//   - no run leaves negative dogs: every yearly count of the last projection is above -10 (ten
//     age classes, each kept down to -0.5 as rounding);
//   - closing writes the eleven values exactly, and starting again restores each of them as the
//     settings reader reads the file, or keeps the default and reports why;
//   - opening a scenario file (the window's own, saved and then mutated, or random bytes) either
//     sets every input as the file says, or reports a fault naming the file and changes nothing.
// Any violation aborts, so libFuzzer keeps the input.

#include "app/form1.h"
#include "app/layout.h"
#include "app/scenario_file.h"
#include "app/settings_file.h"
#include "panel/change_handlers.h"
#include "support/fault.h"
#include "support/numeric_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using karnoth::Control;
using karnoth::ControlKind;
using karnoth::Form1;
using karnoth::LayoutRow;

std::string eventLog;  // printed when an invariant fails, so a crash input explains itself

[[noreturn]] void violated(const std::string& what)
{
    std::fprintf(stderr, "events:\n%s\ninvariant violated: %s\n", eventLog.c_str(), what.c_str());
    std::abort();
}

// A text as a JSON file keeps it: a byte sequence that is not UTF-8 becomes U+FFFD, since the file
// must be UTF-8 (the window's own texts always are).
std::string asStoredInJson(const std::string& text)
{
    using Json = nlohmann::json;
    return Json::parse(Json(text).dump(-1, ' ', false, Json::error_handler_t::replace)).get<std::string>();
}

std::vector<const LayoutRow*> controlsOfKind(ControlKind kind, ControlKind orKind)
{
    std::vector<const LayoutRow*> found;
    for (const LayoutRow& row : karnoth::formLayout())
        if (row.kind == kind || row.kind == orKind) found.push_back(&row);
    return found;
}

const std::vector<const LayoutRow*>& textBoxes()
{
    static const auto boxes = controlsOfKind(ControlKind::TextBox, ControlKind::TextBox);
    return boxes;
}

const std::vector<const LayoutRow*>& scrollBars()
{
    static const auto bars = controlsOfKind(ControlKind::HScrollBar, ControlKind::VScrollBar);
    return bars;
}

const std::vector<const LayoutRow*>& checkBoxes()
{
    static const auto boxes = controlsOfKind(ControlKind::CheckBox, ControlKind::CheckBox);
    return boxes;
}

const LayoutRow& layoutRow(std::string_view name)
{
    const LayoutRow* row = karnoth::findLayoutRow(name);
    if (row == nullptr) violated("no control " + std::string(name));
    return *row;
}

// "nan" or "inf" as a word of its own, in any case ("NaN", "-inf", "Infinity", "1.#INF").
bool holdsNonNumber(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view word : {"nan", "inf"}) {
        for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            const bool startsWord = at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]));
            const std::size_t after = at + word.size();
            const bool endsWord = after == lower.size() || !std::isalpha(static_cast<unsigned char>(lower[after])) ||
                                  lower.compare(at, 8, "infinity") == 0;
            if (startsWord && endsWord) return true;
        }
    }
    return false;
}

// Tracks, for one window, whether vscGainLoss changed during the current event.
class GainLossWatch : public karnoth::FormListener {
public:
    void controlChanged(const Control& control) override
    {
        if (control.row->name == "vscGainLoss") changedInEvent = true;
    }
    void chartChanged() override { }
    void faultReported(const std::string&) override { }
    void runCompleted() override { }
    bool changedInEvent = false;
};

// Texts worth typing besides random ones: the defaults, edges of every field, and non-numbers.
constexpr std::string_view kTexts[] = {
    "",     " ",    "-",     ".",      "0",      "1",     "0.5",     "0.9",    "1.0",    "2",       "7",     "10",
    "11",   "-1",   "1e400", "-1e400", "1e-400", "nan",   "inf",     "1,5",    "0x10",   "  7  ",   "50",    "100",
    "1949", "1950", "2005",  "2050",   "2051",   "32767", "32768",   "-32769", "1e38",   "3.5e38",  "1E+07", ".1",
    "0.75", "1990", "0.3",   "1d2",    "+.5",    "5.",    "0.99999", "1.5",    "0.0001", "99999999"};

class Session {
public:
    Session(const fs::path& dir, FuzzedDataProvider& input) : dir_(dir), input_(input) { }

    void run()
    {
        startWindow();
        for (int events = 0; events < 40 && input_.remaining_bytes() > 0; ++events) step();
    }

private:
    void startWindow()
    {
        form_ = std::make_unique<Form1>(dir_);
        watch_ = GainLossWatch{};
        form_->setListener(&watch_);
        form_->Form_Load();
        labelTwoCurrent_ = true;  // start-up sets it from the bar
        watch_.changedInEvent = false;
        eventLog += "Form_Load\n";
        check();
    }

    void step()
    {
        const std::size_t faultsBefore = form_->faults().size();
        watch_.changedInEvent = false;
        bool gainLossEvent = false;
        switch (input_.ConsumeIntegralInRange(0, 8)) {
        case 0:
        case 1: {
            const LayoutRow& box = *textBoxes()[input_.ConsumeIntegralInRange<std::size_t>(0, textBoxes().size() - 1)];
            std::string text = input_.ConsumeBool()
                                   ? std::string(
                                         kTexts[input_.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)])
                                   : input_.ConsumeRandomLengthString(40);
            eventLog += "type " + std::string(box.name) + " \"" + text + "\"\n";
            form_->typeText(box.name, std::move(text));
            break;
        }
        case 2: {
            const LayoutRow& bar =
                *scrollBars()[input_.ConsumeIntegralInRange<std::size_t>(0, scrollBars().size() - 1)];
            const int value = input_.ConsumeIntegralInRange(bar.range->lowest(), bar.range->highest());
            eventLog += "scroll " + std::string(bar.name) + " " + std::to_string(value) + "\n";
            gainLossEvent = bar.name == "vscGainLoss";
            form_->setScrollValue(bar.name, value);
            break;
        }
        case 3: {
            const LayoutRow& box =
                *checkBoxes()[input_.ConsumeIntegralInRange<std::size_t>(0, checkBoxes().size() - 1)];
            const int value = input_.ConsumeBool() ? 1 : 0;
            eventLog += "check " + std::string(box.name) + " " + std::to_string(value) + "\n";
            form_->setCheckValue(box.name, value);
            break;
        }
        case 4:
            eventLog += "Run\n";
            form_->click("cmdRun");
            break;
        case 5: closeAndReload(); return;
        case 6: writeKilledFile(); break;
        case 7: openScenario(); break;
        default:
            eventLog += "remove killed.txt\n";
            fs::remove(dir_ / "killed.txt");
            break;
        }
        if (gainLossEvent && watch_.changedInEvent) labelTwoCurrent_ = form_->faults().size() == faultsBefore;
        check();
    }

    // The window's own scenario with a few bytes changed, or random bytes; opened as the user would.
    void openScenario()
    {
        std::string text;
        if (input_.ConsumeBool()) {
            try {
                text = karnoth::formatScenario(form_->currentScenario("fuzzed"));
            } catch (const karnoth::Fault&) {
                text = "{}";  // killed.txt cannot be read: no scenario of the window's own
            }
            for (int changes = input_.ConsumeIntegralInRange(0, 4); changes > 0 && !text.empty(); --changes)
                text[input_.ConsumeIntegralInRange<std::size_t>(0, text.size() - 1)] = static_cast<char>(
                    input_.ConsumeIntegral<std::uint8_t>());
        } else {
            text = input_.ConsumeRandomLengthString(300);
        }
        const fs::path file = dir_ / "fuzzed.karnoth";
        std::ofstream(file, std::ios::binary) << text;
        eventLog += "open scenario " + std::to_string(text.size()) + " bytes\n";

        const std::vector<Control> before = form_->controls();
        const std::size_t faultsBefore = form_->faults().size();
        std::optional<karnoth::Scenario> scenario;
        form_->userEvent([&] {
            scenario = karnoth::readScenarioFile(file);
            form_->openScenario(*scenario);
        });
        if (!scenario) {
            if (form_->faults().size() != faultsBefore + 1) violated("a bad scenario was not reported once");
            if (form_->faults().back().rfind(file.string(), 0) != 0)
                violated("a bad scenario's fault does not name the file: " + form_->faults().back());
            for (std::size_t i = 0; i < before.size(); ++i)
                if (form_->controls()[i].text != before[i].text || form_->controls()[i].value != before[i].value)
                    if (before[i].row->kind != ControlKind::Label)
                        violated("a bad scenario changed " + std::string(before[i].row->name));
            return;
        }
        for (const auto& [box, typed] : scenario->texts) {
            const bool floored = box == "txtRecruit" && form_->text(box) == "1" &&
                                 karnoth::parseNumber(typed).status == karnoth::ParseStatus::Ok &&
                                 karnoth::parseNumber(typed).value < 1;
            if (form_->text(box) != typed && !floored) violated("the scenario's " + box + " was not set");
        }
        for (const auto& [name, value] : scenario->values)
            if (form_->control(name).value != value) violated("the scenario's " + name + " was not set");
        labelTwoCurrent_ = true;  // opening sets it from the bar, as start-up does
    }

    void writeKilledFile()
    {
        std::string text;
        const int records = input_.ConsumeIntegralInRange(0, 6);
        for (int i = 0; i < records; ++i) {
            const int year = input_.ConsumeIntegralInRange(1940, 2060);
            const long long count = input_.ConsumeIntegralInRange<long long>(-100, 1000000);
            text += std::to_string(year) + (input_.ConsumeBool() ? "," : " ") + std::to_string(count) + "\r\n";
        }
        eventLog += "killed.txt \"" + text + "\"\n";
        std::ofstream(dir_ / "killed.txt", std::ios::binary) << text;
    }

    void closeAndReload()
    {
        std::array<std::string, 11> saved;
        for (std::size_t i = 0; i < karnoth::kSettingsFields.size(); ++i) {
            const karnoth::SettingsField& field = karnoth::kSettingsFields[i];
            if (field.type == karnoth::SettingsType::ScrollValue) {
                const int v = form_->value(field.control);
                saved[i] = (v >= 0 ? " " : "") + std::to_string(v);
            } else {
                saved[i] = form_->text(field.control);
            }
        }
        // Every input as it is: the session file keeps each one karnoth.ini does not restore.
        std::vector<karnoth::Control> inputs;
        for (const karnoth::Control& control : form_->controls())
            if (control.row->kind == karnoth::ControlKind::TextBox ||
                control.row->kind == karnoth::ControlKind::CheckBox ||
                control.row->kind == karnoth::ControlKind::HScrollBar ||
                control.row->kind == karnoth::ControlKind::VScrollBar)
                inputs.push_back(control);
        const std::size_t faultsBefore = form_->faults().size();
        eventLog += "close and reload\n";
        form_->Form_Unload();
        if (form_->faults().size() != faultsBefore) violated("closing faulted: " + form_->faults().back());
        std::ifstream in(dir_ / "karnoth.ini", std::ios::binary);
        const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string written;  // one line each, CR LF, a line break inside a text written as a blank
        for (const std::string& value : saved) {
            for (char c : value) written += (c == '\r' || c == '\n') ? ' ' : c;
            written += "\r\n";
        }
        if (file != written) violated("karnoth.ini does not hold the eleven values");
        const karnoth::LoadedSettings expected = karnoth::parseSettings(file, karnoth::layoutScrollRange);

        startWindow();
        if (!form_->notices().empty()) violated("the session file was not read back: " + form_->notices().front());
        std::vector<std::string> restoredBySettings;
        for (std::size_t i = 0; i < karnoth::kSettingsFields.size(); ++i) {
            checkRestored(i, saved[i], expected);
            if (expected.fields[i]) restoredBySettings.emplace_back(karnoth::kSettingsFields[i].control);
        }
        for (const karnoth::Control& input : inputs) {
            const std::string name(input.row->name);
            if (std::find(restoredBySettings.begin(), restoredBySettings.end(), name) != restoredBySettings.end())
                continue;
            const karnoth::Control& now = form_->control(name);
            if (now.text != asStoredInJson(input.text) || now.value != input.value)
                violated(name + " was not restored from the session file");
        }
    }

    void checkRestored(std::size_t i, const std::string& saved, const karnoth::LoadedSettings& expected)
    {
        const karnoth::SettingsField& field = karnoth::kSettingsFields[i];
        const std::string name(field.control);
        const bool scroll = field.type == karnoth::SettingsType::ScrollValue;
        const auto& value = expected.fields[i];
        if (!value) {
            // The session file restores it instead (checked with the other inputs).
            if (form_->faults().empty()) violated(name + " was not restored and nothing was reported");
            return;
        }
        if (scroll) {
            if (form_->value(name) != value->value) violated(name + " lost its value " + saved);
            return;
        }
        std::string restored = value->text;
        // Age at first litter has a floor of 1 that its change handler applies to every new text.
        if (name == "txtRecruit" && karnoth::parseNumber(restored).value < 1.0) restored = "1";
        if (form_->text(name) != restored)
            violated(name + " reads \"" + form_->text(name) + "\", not \"" + restored + "\"");
        // Independently of the reader: a saved number comes back as the same number of its type, a
        // single to the seven significant digits its text keeps.
        const karnoth::ParsedNumber typed = karnoth::parseNumber(saved);
        const karnoth::ParsedNumber back = karnoth::parseNumber(form_->text(name));
        if (typed.status != karnoth::ParseStatus::Ok || back.status != karnoth::ParseStatus::Ok) return;
        if (field.type == karnoth::SettingsType::SingleText) {
            const double want = static_cast<float>(typed.value);
            if (std::fabs(back.value - want) > std::fabs(want) * 6e-7)
                violated(name + " saved as " + saved + " came back as " + form_->text(name));
            return;
        }
        const double want = std::nearbyint(typed.value);
        if (back.value != want && !(name == "txtRecruit" && want < 1.0 && back.value == 1.0))
            violated(name + " saved as " + saved + " came back as " + form_->text(name));
    }

    void check()
    {
        const bool faulted = !form_->faults().empty();
        for (const Control& control : form_->controls()) {
            if (control.row->kind != ControlKind::Label) continue;
            if (holdsNonNumber(control.text))
                violated(std::string(control.row->name) + " reads \"" + control.text + "\"");
        }
        for (std::string_view label : {"Label1(1)", "Label9", "Label10", "Label14", "Label6", "Label3"})
            if (form_->caption(label) == layoutRow(label).text && !faulted)
                violated(std::string(label) + " still holds its layout caption and no fault was reported");
        if (form_->caption("Label4").empty()) violated("Label4 is empty after start-up");
        if (form_->caption("Label2").empty()) violated("Label2 is empty after start-up");
        const std::string labelTwo = karnoth::abandonedCaption(form_->value("vscGainLoss")).text();
        if (labelTwoCurrent_ && form_->caption("Label2") != labelTwo)
            violated("Label2 reads \"" + form_->caption("Label2") + "\", not \"" + labelTwo + "\"");
        if (const auto& series = form_->lastSeries())
            for (const karnoth::YearlySeries* counts :
                 {&series->streetTotal, &series->streetBreeders, &series->extraSterilisations, &series->ownedBreeders})
                for (float v : counts->values())
                    if (!(v > -10)) violated("a run left " + std::to_string(v) + " dogs in a yearly series");
        for (const karnoth::DrawOp& op : form_->canvas().ops()) {
            if (!std::isfinite(op.x1) || !std::isfinite(op.y1) || !std::isfinite(op.x2) || !std::isfinite(op.y2))
                violated("a chart point is not finite");
            if (holdsNonNumber(op.text)) violated("the chart prints \"" + op.text + "\"");
        }
    }

    fs::path dir_;
    FuzzedDataProvider& input_;
    std::unique_ptr<Form1> form_;
    GainLossWatch watch_;
    bool labelTwoCurrent_ = true;
};

// One directory for the whole fuzzing process, emptied before each input and removed at exit.
class SessionDirectory {
public:
    SessionDirectory()
    {
        std::string pattern = (fs::temp_directory_path() / "karnoth-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) violated("no temporary directory");
        path_ = pattern;
    }
    ~SessionDirectory()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& emptied() const
    {
        for (const auto& entry : fs::directory_iterator(path_)) fs::remove_all(entry.path());
        return path_;
    }

private:
    fs::path path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const SessionDirectory directory;
    const fs::path& dir = directory.emptied();
    eventLog.clear();
    FuzzedDataProvider input(data, size);
    Session(dir, input).run();
    return 0;
}
