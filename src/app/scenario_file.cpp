#include "app/scenario_file.h"

#include "analysis/sensitivity.h"
#include "analysis/uncertainty.h"
#include "app/layout.h"
#include "catalogue/input_catalogue.h"
#include "support/fault.h"
#include "support/quoted_text.h"
#include "support/text_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <iterator>
#include <limits>

namespace karnoth {
namespace {

using Json = nlohmann::json;

constexpr std::size_t kMostQuoted = 60;  // characters of a value that a message quotes

constexpr std::string_view kFormat = "karnoth-scenario";
constexpr int kVersion = 2;

constexpr std::string_view kFirstYear1950 = "1950";
constexpr std::string_view kTenYearsBeforeStart = "tenYearsBeforeStart";  // what this program writes; it reads 1 and 2

// The text boxes version 2 added. A version 1 file has none of them: they open at their initial
// text, which leaves every mechanism they hold off.
constexpr std::string_view kAddedInVersion2[] = {control::txtImmigrants, control::txtCapacity, control::txtCompensation,
                                                 control::txtStop, control::txtOperations};

bool addedInVersion2(std::string_view control)
{
    return std::find(std::begin(kAddedInVersion2), std::end(kAddedInVersion2), control) != std::end(kAddedInVersion2);
}

class Reader {
public:
    explicit Reader(std::string_view shownName) : file_(shownName) { }

    [[noreturn]] void bad(const std::string& field, const std::string& problem) const
    {
        throw Fault(FaultKind::File, file_ + ": " + field + " " + problem);
    }

    // A JSON value as a message shows it, as JSON (a text in its quotes): short, one line, no
    // control characters. Only its first characters are ever written out, so a huge value costs
    // nothing.
    static std::string shown(const Json& value)
    {
        std::string text;
        preview(value, text);
        const std::string quoted = quotedForMessage(text, kMostQuoted);
        return quoted.substr(1, quoted.size() - 2);
    }

    std::string optionalString(const Json& root, const char* key) const
    {
        const auto it = root.find(key);
        if (it == root.end() || it->is_null()) return {};
        if (!it->is_string()) bad(std::string("\"") + key + "\"", shown(*it) + " is not a text");
        return it->get<std::string>();
    }

    // A whole number: an integer, or a number with no fraction (2036.0).
    static bool wholeNumber(const Json& value, double& out)
    {
        if (!value.is_number()) return false;
        out = value.get<double>();
        return std::isfinite(out) && out == std::trunc(out);
    }

    void readInputs(const Json& root, int version, Scenario& scenario) const
    {
        const auto inputs = root.find("inputs");
        if (inputs == root.end()) bad("\"inputs\"", "is missing");
        if (!inputs->is_object()) bad("\"inputs\"", "is not an object of controls by name");
        for (const auto& [name, value] : inputs->items()) {
            const LayoutRow* row = findLayoutRow(name);
            // A name no control has may be anything: it is quoted short, as a value is.
            const std::string field = "inputs " + quotedForMessage(name, kMostQuoted);
            if (!row) bad(field, "is not a control of the window");
            switch (row->kind) {
            case ControlKind::TextBox:
                if (!value.is_string()) bad(field, shown(value) + " is not a text");
                scenario.texts[name] = value.get<std::string>();
                break;
            case ControlKind::HScrollBar:
            case ControlKind::VScrollBar: {
                double number = 0;
                if (!wholeNumber(value, number)) bad(field, shown(value) + " is not a whole number");
                if (number < row->range->lowest() || number > row->range->highest())
                    bad(field, shown(value) + " lies outside the scroll bar's range " +
                                   std::to_string(row->range->lowest()) + " to " +
                                   std::to_string(row->range->highest()));
                scenario.values[name] = static_cast<int>(number);
                break;
            }
            case ControlKind::CheckBox: {
                double number = 0;
                if (!wholeNumber(value, number) || (number != 0 && number != 1))
                    bad(field, shown(value) + " is not 0 (unchecked) or 1 (checked)");
                scenario.values[name] = static_cast<int>(number);
                break;
            }
            default: bad(field, "is not an input of the window");
            }
        }
        // Every input must be there: a scenario restores the whole window.
        for (const InputRow& input : kInputCatalogue) {
            const std::string name(input.control);
            if (inputs->contains(name)) continue;
            if (version == 1 && addedInVersion2(name))
                scenario.texts[name] = std::string(input.defaultText);
            else
                bad("inputs \"" + name + "\"", "is missing");
        }
    }

    void readKilled(const Json& root, Scenario& scenario) const
    {
        const auto killed = root.find("killed");
        if (killed == root.end() || killed->is_null()) return;
        if (!killed->is_array()) bad("\"killed\"", "is not a list of [year, count] records");
        for (std::size_t i = 0; i < killed->size(); ++i) {
            const Json& record = (*killed)[i];
            const std::string where = file_ + ": killed record " + std::to_string(i + 1);
            if (!record.is_array() || record.size() != 2)
                throw Fault(FaultKind::File, where + ": " + shown(record) + " is not a pair [year, count]");
            if (!record[0].is_number())
                throw Fault(FaultKind::File, where + ": the year " + shown(record[0]) + " is not a whole number");
            if (!record[1].is_number())
                throw Fault(FaultKind::File,
                            where + ": the number killed " + shown(record[1]) + " is not a whole number");
            const double year = record[0].get<double>();
            const double count = record[1].get<double>();
            if (year == std::trunc(year) && (year < kFirstYear || year > kLastYear))
                throw Fault(FaultKind::File,
                            where + ": the year " + shown(record[0]) + " lies outside the years 1950 to 2050");
            checkKilledRecord(year, count, where, shown(record[0]), shown(record[1]));
            scenario.killed.push_back({static_cast<int>(year), static_cast<float>(count)});
        }
    }

    void readPlanner(const Json& root, Scenario& scenario) const
    {
        const auto planner = root.find("planner");
        if (planner == root.end() || planner->is_null()) return;
        if (!planner->is_object()) bad("\"planner\"", "is not an object");
        PlannerSettings settings;
        const auto number = [&](const char* key, double& out, bool whole) {
            const auto it = planner->find(key);
            if (it == planner->end()) bad(std::string("planner \"") + key + "\"", "is missing");
            double value = 0;
            if (whole ? !wholeNumber(*it, value) : !(it->is_number() && std::isfinite(value = it->get<double>())))
                bad(std::string("planner \"") + key + "\"",
                    shown(*it) + (whole ? " is not a whole number" : " is not a number"));
            out = value;
        };
        double targetYear = 0;
        number("targetYear", targetYear, true);
        number("targetPercent", settings.targetPercent, false);
        number("costOwned", settings.costOwned, false);
        number("costStreet", settings.costStreet, false);
        if (targetYear < -32768 || targetYear > 32767) bad("planner \"targetYear\"", "is not a year");
        settings.targetYear = static_cast<int>(targetYear);
        if (!(settings.targetPercent > 0)) bad("planner \"targetPercent\"", "must be above 0");
        if (settings.costOwned < 0) bad("planner \"costOwned\"", "must be 0 or more");
        if (settings.costStreet < 0) bad("planner \"costStreet\"", "must be 0 or more");
        if (const auto step = planner->find("ownedShareStep"); step != planner->end()) {
            double value = 0;
            if (!wholeNumber(*step, value) || value < 1 || value > 100 || std::fmod(100, value) != 0)
                bad("planner \"ownedShareStep\"", shown(*step) + " does not divide 100");
            settings.ownedShareStep = static_cast<int>(value);
        }
        scenario.planner = settings;
    }

    // A number of `section` (a whole one when `whole`) from `lowest` to `highest`.
    double boundedNumber(const Json& section, const std::string& sectionName, const char* key, bool whole,
                         double lowest, double highest) const
    {
        const std::string field = sectionName + " \"" + key + "\"";
        const auto it = section.find(key);
        if (it == section.end()) bad(field, "is missing");
        double value = 0;
        if (whole ? !wholeNumber(*it, value) : !(it->is_number() && std::isfinite(value = it->get<double>())))
            bad(field, shown(*it) + (whole ? " is not a whole number" : " is not a number"));
        if (value < lowest || value > highest)
            bad(field, shown(*it) + " lies outside " + shortText(lowest) + " to " + shortText(highest));
        return value;
    }

    void readSensitivity(const Json& root, Scenario& scenario) const
    {
        const auto section = root.find("sensitivity");
        if (section == root.end() || section->is_null()) return;
        if (!section->is_object()) bad("\"sensitivity\"", "is not an object");
        SensitivitySettings settings;
        // A year of null (or none) follows the planner's target year.
        if (const auto year = section->find("year"); year != section->end() && !year->is_null())
            settings.year = static_cast<int>(
                boundedNumber(*section, "sensitivity", "year", true, kFirstYear, kLastYear));
        settings.deltaPercent = boundedNumber(*section, "sensitivity", "deltaPercent", false, 0, kMostDeltaPercent);
        if (!(settings.deltaPercent > 0)) bad("sensitivity \"deltaPercent\"", "must be above 0");
        scenario.sensitivity = settings;
    }

    void readUncertainty(const Json& root, Scenario& scenario) const
    {
        const auto section = root.find("uncertainty");
        if (section == root.end() || section->is_null()) return;
        if (!section->is_object()) bad("\"uncertainty\"", "is not an object");
        UncertaintySettings settings;
        settings.replicates = static_cast<int>(
            boundedNumber(*section, "uncertainty", "replicates", true, 1, static_cast<double>(kMostReplicates)));
        settings.seed = static_cast<int>(
            boundedNumber(*section, "uncertainty", "seed", true, 0, std::numeric_limits<int>::max()));
        settings.yearToYearSd = boundedNumber(*section, "uncertainty", "yearToYearSd", false, 0, kMostYearToYearSd);
        const auto whole = section->find("wholeDogs");
        if (whole == section->end()) bad("uncertainty \"wholeDogs\"", "is missing");
        if (!whole->is_boolean()) bad("uncertainty \"wholeDogs\"", shown(*whole) + " is not true or false");
        settings.wholeDogs = whole->get<bool>();
        const auto ranges = section->find("ranges");
        if (ranges != section->end()) {
            if (!ranges->is_object()) bad("uncertainty \"ranges\"", "is not an object of inputs by control name");
            for (const auto& item : ranges->items()) {
                const std::string name = item.key();
                const Json& range = item.value();
                const std::string field = "uncertainty range " + quotedForMessage(name, kMostQuoted);
                const auto row = std::find_if(std::begin(kInputCatalogue), std::end(kInputCatalogue),
                                              [&](const InputRow& input) { return input.control == name; });
                if (row == std::end(kInputCatalogue) || row->variedPosition < 0)
                    bad(field, "is not an input the analyses vary");
                if (!range.is_object()) bad(field, shown(range) + " is not an object");
                KeptRange kept;
                const auto varied = range.find("varied");
                if (varied == range.end() || !varied->is_boolean()) bad(field, "\"varied\" is not true or false");
                kept.varied = varied->get<bool>();
                kept.low = optionalString(range, "low");
                kept.high = optionalString(range, "high");
                settings.ranges[name] = kept;
            }
        }
        scenario.uncertainty = settings;
    }

    void readReport(const Json& root, Scenario& scenario) const
    {
        const auto section = root.find("report");
        if (section == root.end() || section->is_null()) return;
        if (!section->is_object()) bad("\"report\"", "is not an object");
        ReportDetails details;
        const auto detail = [&](const char* key, std::string& out) {
            const std::string field = std::string("report \"") + key + "\"";
            const auto it = section->find(key);
            if (it == section->end() || it->is_null()) return;
            if (!it->is_string()) bad(field, shown(*it) + " is not a text");
            out = it->get<std::string>();
            // Characters, not bytes: a title in Spanish or Portuguese is as long as in English.
            const auto characters = std::count_if(out.begin(), out.end(), [](char c) { return (c & 0xC0) != 0x80; });
            if (static_cast<std::size_t>(characters) > kMostReportDetailCharacters)
                bad(field, "is longer than " + std::to_string(kMostReportDetailCharacters) + " characters");
        };
        detail("title", details.title);
        detail("author", details.author);
        detail("organisation", details.organisation);
        detail("place", details.place);
        scenario.report = details;
    }

    void readConfidence(const Json& root, Scenario& scenario) const
    {
        const auto section = root.find("robustPlan");
        if (section == root.end() || section->is_null()) return;
        if (!section->is_object()) bad("\"robustPlan\"", "is not an object");
        const auto it = section->find("confidence");
        if (it == section->end() || it->is_null()) return;
        if (it->is_string() && it->get<std::string>() == "off") {
            scenario.confidence = kConfidenceOff;
            return;
        }
        if (!it->is_number_integer() || it->get<long long>() < 50 || it->get<long long>() > 99)
            bad("robustPlan \"confidence\"", shown(*it) + " is not a whole per cent from 50 to 99 or \"off\"");
        scenario.confidence = it->get<int>();
    }

    void readView(const Json& root, Scenario& scenario) const
    {
        const auto section = root.find("view");
        if (section == root.end() || section->is_null()) return;
        if (!section->is_object()) bad("\"view\"", "is not an object");
        const auto first = section->find("firstYearShown");
        if (first == section->end() || first->is_null()) return;
        if (*first == kFirstYear1950)
            scenario.firstYearShown = FirstYearShown::Year1950;
        else if (*first == kTenYearsBeforeStart)
            scenario.firstYearShown = FirstYearShown::TenYearsBeforeStart;
        else
            bad("view \"firstYearShown\"", shown(*first) + " is neither \"1950\" nor \"tenYearsBeforeStart\"");
    }

    // Where the windows were. A place is only a convenience, so a bad entry is dropped rather than
    // refusing the inputs beside it.
    static void readWindows(const Json& root, Scenario& scenario)
    {
        const auto section = root.find("windows");
        if (section == root.end() || !section->is_object()) return;
        for (const auto& item : section->items()) {
            if (const std::optional<WindowPlace> place = windowPlace(item.value()))
                scenario.windows[item.key()] = *place;
        }
    }

private:
    static std::optional<WindowPlace> windowPlace(const Json& entry)
    {
        if (!entry.is_object()) return std::nullopt;
        constexpr double kFarthest = 1e6;  // pixels; no desktop reaches this far
        std::array<int, 4> numbers{};
        const char* keys[] = {"x", "y", "width", "height"};
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const auto it = entry.find(keys[i]);
            double value = 0;
            if (it == entry.end() || !wholeNumber(*it, value) || std::fabs(value) > kFarthest) return std::nullopt;
            numbers[i] = static_cast<int>(value);
        }
        const auto maximised = entry.find("maximised");
        if (maximised != entry.end() && !maximised->is_boolean()) return std::nullopt;
        WindowPlace place{numbers[0], numbers[1], numbers[2], numbers[3],
                          maximised != entry.end() && maximised->get<bool>()};
        if (place.width <= 0 || place.height <= 0) return std::nullopt;
        return place;
    }

    static std::string shortText(double value)
    {
        return value == std::trunc(value) ? std::to_string(static_cast<long long>(value)) : Json(value).dump();
    }

    // Appends the value's JSON until `out` holds more than a message quotes.
    static void preview(const Json& value, std::string& out)
    {
        const auto full = [&] { return out.size() > kMostQuoted; };
        if (value.is_object() || value.is_array()) {
            out += value.is_object() ? '{' : '[';
            bool first = true;
            for (const auto& [key, item] : value.items()) {
                if (full()) return;
                if (!first) out += ',';
                first = false;
                if (value.is_object()) out += Json(key).dump(-1, ' ', false, Json::error_handler_t::replace) + ':';
                preview(item, out);
            }
            out += value.is_object() ? '}' : ']';
        } else if (value.is_string()) {
            const std::string& text = value.get_ref<const std::string&>();
            out += Json(text.substr(0, kMostQuoted + 1)).dump(-1, ' ', false, Json::error_handler_t::replace);
        } else {
            out += value.dump();
        }
    }

    std::string file_;
};

// Nesting deeper than this is refused while parsing: a scenario needs three levels, and a value
// nested 100,000 deep would overflow the stack of anything that walks it.
constexpr int kDeepestNesting = 64;

struct TooDeep { };

// nlohmann's message without its "[json.exception...] " tag, and what it last read (which can be
// a whole huge token, or bytes that are not UTF-8) quoted short.
std::string parseProblem(const Json::exception& error)
{
    std::string what = error.what();
    if (const std::size_t tag = what.find("] "); what.starts_with("[json.exception") && tag != std::string::npos)
        what.erase(0, tag + 2);
    constexpr std::string_view kLastRead = "; last read: '";
    if (const std::size_t at = what.find(kLastRead); at != std::string::npos) {
        std::string_view token = std::string_view(what).substr(at + kLastRead.size());
        if (token.ends_with('\'')) token.remove_suffix(1);
        what = what.substr(0, at) + "; last read: " + quotedForMessage(token, kMostQuoted);
    } else if (const std::size_t number = what.find("number overflow parsing '"); number != std::string::npos) {
        // "number overflow parsing '1e400'": beyond the largest double
        std::string_view token = std::string_view(what).substr(number + 25);
        if (token.ends_with('\'')) token.remove_suffix(1);
        what = "the number " + quotedForMessage(token, kMostQuoted) + " is beyond the largest number (about 1.8e308)";
    }
    return what;
}

Json parseLimited(std::string_view json, std::string_view shownName)
{
    const Json::parser_callback_t limitDepth = [](int depth, Json::parse_event_t event, Json&) {
        if ((event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start) &&
            depth >= kDeepestNesting)
            throw TooDeep{};
        return true;
    };
    try {
        return Json::parse(json, limitDepth);
    } catch (const TooDeep&) {
        throw Fault(FaultKind::File, std::string(shownName) + " is not a scenario: its values are nested more than " +
                                         std::to_string(kDeepestNesting) + " deep");
    } catch (const Json::exception& error) {
        throw Fault(FaultKind::File, std::string(shownName) + " is not JSON: " + parseProblem(error));
    }
}

}  // namespace

Scenario parseScenario(std::string_view json, std::string_view shownName, std::string_view baseName)
{
    const Reader reader(shownName);
    const Json root = parseLimited(json, shownName);
    if (!root.is_object()) reader.bad("the file", "is not a JSON object");
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string() || format->get<std::string>() != kFormat)
        reader.bad("\"format\"", format == root.end() ? "is missing: this is not a Karnoth scenario"
                                                      : Reader::shown(*format) + " is not \"karnoth-scenario\"");
    const auto version = root.find("version");
    if (version != root.end() && version->is_number_integer() && version->get<long long>() > kVersion)
        reader.bad("\"version\"", Reader::shown(*version) +
                                      ": the file was saved by a newer Karnoth; this program reads versions 1 and 2");
    if (version == root.end() || !version->is_number_integer() || version->get<long long>() < 1)
        reader.bad("\"version\"", (version == root.end() ? std::string("is missing") : Reader::shown(*version)) +
                                      ": this program reads versions 1 and 2");
    const int fileVersion = static_cast<int>(version->get<long long>());

    Scenario scenario;
    try {
        scenario.name = reader.optionalString(root, "name");
        if (scenario.name.empty()) scenario.name = std::string(baseName);
        scenario.notes = reader.optionalString(root, "notes");
        scenario.saved = reader.optionalString(root, "saved");
        reader.readInputs(root, fileVersion, scenario);
        reader.readKilled(root, scenario);
        reader.readPlanner(root, scenario);
        reader.readSensitivity(root, scenario);
        reader.readUncertainty(root, scenario);
        reader.readReport(root, scenario);
        reader.readConfidence(root, scenario);
        reader.readView(root, scenario);
        Reader::readWindows(root, scenario);
        if (const auto language = root.find("language"); language != root.end() && !language->is_null())
            scenario.language = LanguageSettings{reader.optionalString(root, "language")};
    } catch (const Json::exception& error) {
        // Every value's kind is checked before it is read; this keeps a missed check a message.
        reader.bad("a value", parseProblem(error));
    }
    return scenario;
}

Scenario readScenarioFile(const std::filesystem::path& path)
{
    const std::string shown = path.string();
    const std::optional<std::string> text = readWholeFile(path, shown, kScenarioFileLimit);
    if (!text) throw Fault(FaultKind::File, shown + " does not exist");
    return parseScenario(*text, shown, path.stem().string());
}

std::string formatScenario(const Scenario& scenario)
{
    using Ordered = nlohmann::ordered_json;
    Ordered root;
    root["format"] = kFormat;
    root["version"] = kVersion;
    root["name"] = scenario.name;
    root["notes"] = scenario.notes;
    root["saved"] = scenario.saved;
    // Controls in the layout's order, texts as typed.
    Ordered inputs = Ordered::object();
    for (const LayoutRow& row : formLayout()) {
        const std::string name(row.name);
        if (const auto text = scenario.texts.find(name); text != scenario.texts.end())
            inputs[name] = text->second;
        else if (const auto value = scenario.values.find(name); value != scenario.values.end())
            inputs[name] = value->second;
    }
    root["inputs"] = inputs;
    Ordered killed = Ordered::array();
    for (const KilledRecord& record : scenario.killed) {
        // Counts are whole; those beyond 64 bits stay doubles.
        if (std::fabs(record.count) < 9e18f)
            killed.push_back({record.year, static_cast<long long>(record.count)});
        else
            killed.push_back({record.year, static_cast<double>(record.count)});
    }
    root["killed"] = killed;
    if (scenario.planner)
        root["planner"] = {{"targetYear", scenario.planner->targetYear},
                           {"targetPercent", scenario.planner->targetPercent},
                           {"costOwned", scenario.planner->costOwned},
                           {"costStreet", scenario.planner->costStreet}};
    if (scenario.planner && scenario.planner->ownedShareStep)
        root["planner"]["ownedShareStep"] = *scenario.planner->ownedShareStep;
    if (scenario.sensitivity)
        root["sensitivity"] = {{"year", scenario.sensitivity->year ? Json(*scenario.sensitivity->year) : Json()},
                               {"deltaPercent", scenario.sensitivity->deltaPercent}};
    if (const std::optional<UncertaintySettings>& uncertainty = scenario.uncertainty) {
        Ordered ranges = Ordered::object();
        for (const auto& [name, range] : uncertainty->ranges)
            ranges[name] = {{"varied", range.varied}, {"low", range.low}, {"high", range.high}};
        root["uncertainty"] = {{"replicates", uncertainty->replicates},
                               {"seed", uncertainty->seed},
                               {"yearToYearSd", uncertainty->yearToYearSd},
                               {"wholeDogs", uncertainty->wholeDogs},
                               {"ranges", ranges}};
    }
    if (const std::optional<ReportDetails>& report = scenario.report)
        root["report"] = {{"title", report->title},
                          {"author", report->author},
                          {"organisation", report->organisation},
                          {"place", report->place}};
    if (scenario.confidence)
        root["robustPlan"] = {
            {"confidence", *scenario.confidence == kConfidenceOff ? Json("off") : Json(*scenario.confidence)}};
    if (scenario.firstYearShown)
        root["view"] = {{"firstYearShown",
                         *scenario.firstYearShown == FirstYearShown::Year1950 ? kFirstYear1950 : kTenYearsBeforeStart}};
    if (!scenario.windows.empty()) {
        Ordered windows = Ordered::object();
        for (const auto& [key, place] : scenario.windows)
            windows[key] = {{"x", place.x},
                            {"y", place.y},
                            {"width", place.width},
                            {"height", place.height},
                            {"maximised", place.maximised}};
        root["windows"] = windows;
    }
    if (scenario.language) root["language"] = scenario.language->code;
    return root.dump(2, ' ', false, Ordered::error_handler_t::replace) + "\n";
}

void writeScenarioFile(const std::filesystem::path& path, const Scenario& scenario)
{
    replaceWholeFile(path, formatScenario(scenario), path.string());
}

std::string currentUtcTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

}  // namespace karnoth
