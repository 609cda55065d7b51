#pragma once
// Scenario files written by hand for tests: every input of the window as its JSON object, and the
// file around it.

#include <map>
#include <string>

namespace karnoth::testing {

// Every input of the window, the layout's values unless `changes` say otherwise (a value as JSON;
// "<missing>" leaves the control out).
inline std::string windowInputsJson(const std::map<std::string, std::string>& changes = {})
{
    std::map<std::string, std::string> inputs = {{"txtCurrentOwnedSteril", "\"50\""},
                                                 {"vscGainLoss", "4000"},
                                                 {"txtAdultSurv", "\"0.9\""},
                                                 {"txtJuvSurv", "\".1\""},
                                                 {"txtRecruit", "\"1\""},
                                                 {"txtSenile", "\"7\""},
                                                 {"txtLitter", "\"2\""},
                                                 {"txtFecundity", "\"0.75\""},
                                                 {"txtFrom", "\"1990\""},
                                                 {"txtTo", "\"2005\""},
                                                 {"txtStart", "\"2005\""},
                                                 {"chkSterilise", "0"},
                                                 {"txtTimes", "\"1\""},
                                                 {"hscSterilise", "252"},
                                                 {"vscTarget", "50"},
                                                 {"chkLog", "0"}};
    for (const auto& [name, value] : changes) {
        if (value == "<missing>")
            inputs.erase(name);
        else
            inputs[name] = value;
    }
    std::string json = "{";
    for (const auto& [name, value] : inputs) json += (json.size() > 1 ? ", \"" : "\"") + name + "\": " + value;
    return json + "}";
}

// A scenario of `version` (1 by default, which has no inputs of a real town) with these inputs;
// `more` is added after them (", \"killed\": [...]").
inline std::string scenarioFileJson(const std::string& inputs, const std::string& more = "", int version = 1)
{
    return R"({"format": "karnoth-scenario", "version": )" + std::to_string(version) + R"(, "inputs": )" + inputs +
           more + "}";
}

// The inputs of a real town as version 2 holds them, at their initial texts.
inline const std::map<std::string, std::string> kRealTownInitialTexts = {{"txtImmigrants", "\"0\""},
                                                                         {"txtCapacity", "\"\""},
                                                                         {"txtCompensation", "\"1\""},
                                                                         {"txtStop", "\"\""},
                                                                         {"txtOperations", "\"\""}};

}  // namespace karnoth::testing
