#pragma once
// The window's own options: --dir, the events --text, --value, --click and --close, --json and
// --csv. The help lists every control by name with its caption, kind and range.

#include "cli/cli_session.h"

#include <CLI/CLI.hpp>

#include <string>

namespace karnoth {

void addWindowOptions(CLI::App& app, CliSession& session);

// The controls an event can name, one a line: name, caption, kind and the values it takes.
std::string controlsHelp();

}  // namespace karnoth
