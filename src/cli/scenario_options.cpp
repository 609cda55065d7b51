#include "cli/scenario_options.h"

#include "app/scenario_file.h"
#include "app/scenario_inputs.h"
#include "cli/form_state_json.h"
#include "model/engine.h"
#include "support/fault.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace karnoth {
namespace {

nlohmann::json comparisonEntry(const std::string& file)
{
    nlohmann::json entry = {{"file", file},
                            {"name", std::filesystem::path(file).stem().string()},
                            {"fault", nullptr},
                            {"series", nullptr},
                            {"sterilisedOwned", nullptr},
                            {"sterilisedStreet", nullptr}};
    try {
        const Scenario scenario = readScenarioFile(file);
        entry["name"] = scenario.name;
        const WindowInputs inputs = scenarioInputs(scenario);
        const ModelOutcome outcome = runModel(inputs.inputs, inputs.killedByYear);
        if (!outcome.ok()) {
            entry["fault"] = outcome.fault().what();
            return entry;
        }
        entry["series"] = runSeriesJson(outcome.result().series);
        entry["sterilisedOwned"] = seriesJson(outcome.result().programmeOwned);
        entry["sterilisedStreet"] = seriesJson(outcome.result().programmeStreet);
    } catch (const Fault& fault) {
        entry["fault"] = fault.what();
    }
    return entry;
}

}  // namespace

ComparedFiles addScenarioOptions(CLI::App& app, CliSession& session)
{
    app.add_option_function<std::string>(
           "--save-scenario",
           [&session](const std::string& file) {
               session.events.push_back({[](const Form1&) {},
                                         [file](Form1& form) {
                                             form.userEvent([&] {
                                                 Scenario scenario = form.currentScenario(
                                                     std::filesystem::path(file).stem().string());
                                                 scenario.saved = currentUtcTime();
                                                 writeScenarioFile(file, scenario);
                                             });
                                         }});
           },
           "save every input, killed.txt's records and the time as a scenario in FILE")
        ->type_name("FILE")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>(
           "--load-scenario",
           [&session](const std::string& file) {
               session.events.push_back(
                   {[](const Form1&) {},
                    [file](Form1& form) { form.userEvent([&] { form.openScenario(readScenarioFile(file)); }); }});
           },
           "open the scenario in FILE: every input set, one run; a bad file changes nothing")
        ->type_name("FILE")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);

    auto files = std::make_shared<std::vector<std::string>>();
    app.add_option_function<std::string>(
           "--compare", [files](const std::string& file) { files->push_back(file); },
           "add \"comparison\": the scenario in FILE run on its own inputs and culling records (repeatable)")
        ->type_name("FILE")
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    session.sections.push_back({[files](Form1&, nlohmann::json& state) {
                                    if (files->empty()) return;
                                    nlohmann::json comparison = nlohmann::json::array();
                                    for (const std::string& file : *files) comparison.push_back(comparisonEntry(file));
                                    state["comparison"] = comparison;
                                },
                                [files](Form1&, std::ostream& out) {
                                    for (const std::string& file : *files) {
                                        const nlohmann::json entry = comparisonEntry(file);
                                        out << "comparison " << entry["name"].get<std::string>() << ": ";
                                        if (!entry["fault"].is_null())
                                            out << entry["fault"].get<std::string>() << "\n";
                                        else
                                            out << "street females in 2050 " << entry["series"]["streetTotal"].back()
                                                << "\n";
                                    }
                                }});
    return [files] { return *files; };
}

}  // namespace karnoth
