#pragma once
// Scenario files on the command line: --save-scenario and --load-scenario are events, applied in
// order with the others; --compare FILE (repeatable) adds "comparison", each scenario run by the
// engine on its own inputs and culling records, independently of the window.

#include "cli/cli_session.h"

#include <CLI/CLI.hpp>

namespace karnoth {

void addScenarioOptions(CLI::App& app, CliSession& session);

}  // namespace karnoth
