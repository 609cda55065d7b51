#include "app/scenario_file.h"

#include "app/layout.h"
#include "support/fault.h"
#include "support/quoted_text.h"
#include "support/text_file.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <ctime>

namespace karnoth {
namespace {

using Json = nlohmann::json;

constexpr std::string_view kFormat = "karnoth-scenario";
constexpr int kVersion = 1;

class Reader {
public:
    explicit Reader(std::string_view shownName) : file_(shownName) {}

    [[noreturn]] void bad(const std::string& field, const std::string& problem) const
    {
        throw Fault(FaultKind::File, file_ + ": " + field + " " + problem);
    }

    // A JSON value as a message shows it, as JSON (a text in its quotes): short, one line, no
    // control characters.
    static std::string shown(const Json& value)
    {
        const std::string quoted = quotedForMessage(value.dump(-1, ' ', false, Json::error_handler_t::replace), 30);
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

    void readInputs(const Json& root, Scenario& scenario) const
    {
        const auto inputs = root.find("inputs");
        if (inputs == root.end()) bad("\"inputs\"", "is missing");
        if (!inputs->is_object()) bad("\"inputs\"", "is not an object of controls by name");
        for (const auto& [name, value] : inputs->items()) {
            const LayoutRow* row = findLayoutRow(name);
            const std::string field = "inputs \"" + name + "\"";
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
        for (const LayoutRow& row : formLayout()) {
            const bool input = row.kind == ControlKind::TextBox || row.kind == ControlKind::HScrollBar ||
                               row.kind == ControlKind::VScrollBar || row.kind == ControlKind::CheckBox;
            if (input && !inputs->contains(std::string(row.name)))
                bad("inputs \"" + std::string(row.name) + "\"", "is missing");
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
        scenario.planner = settings;
    }

private:
    std::string file_;
};

}  // namespace

Scenario parseScenario(std::string_view json, std::string_view shownName, std::string_view baseName)
{
    const Reader reader(shownName);
    Json root;
    try {
        root = Json::parse(json);
    } catch (const Json::parse_error& error) {
        throw Fault(FaultKind::File, std::string(shownName) + " is not JSON: " + error.what());
    }
    if (!root.is_object()) reader.bad("the file", "is not a JSON object");
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string() || format->get<std::string>() != kFormat)
        reader.bad("\"format\"", format == root.end() ? "is missing: this is not a Karnoth scenario"
                                                      : Reader::shown(*format) + " is not \"karnoth-scenario\"");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || version->get<long long>() != kVersion)
        reader.bad("\"version\"", (version == root.end() ? std::string("is missing") : Reader::shown(*version)) +
                                      ": this program reads version 1");

    Scenario scenario;
    scenario.name = reader.optionalString(root, "name");
    if (scenario.name.empty()) scenario.name = std::string(baseName);
    scenario.notes = reader.optionalString(root, "notes");
    scenario.saved = reader.optionalString(root, "saved");
    reader.readInputs(root, scenario);
    reader.readKilled(root, scenario);
    reader.readPlanner(root, scenario);
    return scenario;
}

Scenario readScenarioFile(const std::filesystem::path& path)
{
    const std::string shown = path.filename().string();
    const std::optional<std::string> text = readWholeFile(path, shown);
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
        if (const auto text = scenario.texts.find(name); text != scenario.texts.end()) inputs[name] = text->second;
        else if (const auto value = scenario.values.find(name); value != scenario.values.end())
            inputs[name] = value->second;
    }
    root["inputs"] = inputs;
    Ordered killed = Ordered::array();
    for (const KilledRecord& record : scenario.killed) {
        // Counts are whole; those beyond 64 bits stay doubles.
        if (std::fabs(record.count) < 9e18f) killed.push_back({record.year, static_cast<long long>(record.count)});
        else killed.push_back({record.year, static_cast<double>(record.count)});
    }
    root["killed"] = killed;
    if (scenario.planner)
        root["planner"] = {{"targetYear", scenario.planner->targetYear},
                           {"targetPercent", scenario.planner->targetPercent},
                           {"costOwned", scenario.planner->costOwned},
                           {"costStreet", scenario.planner->costStreet}};
    return root.dump(2, ' ', false, Ordered::error_handler_t::replace) + "\n";
}

void writeScenarioFile(const std::filesystem::path& path, const Scenario& scenario)
{
    replaceWholeFile(path, formatScenario(scenario), path.filename().string());
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
