#pragma once
// Scenario files on the command line: --save-scenario and --load-scenario are events, applied in
// order with the others; --compare FILE (repeatable) adds "comparison", each scenario run by the
// engine on its own inputs and culling records, independently of the window.

#include "cli/cli_session.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace karnoth {

// The files --compare named, in the order given, once the command line is parsed.
using ComparedFiles = std::function<std::vector<std::string>()>;

ComparedFiles addScenarioOptions(CLI::App& app, CliSession& session);

}  // namespace karnoth
