#pragma once
// Every option of karnoth-cli, registered on one CLI11 app: the window's own, the analyses', the
// scenarios' and the report's. Each adds to the session as it is parsed; runSession then runs it.

#include "cli/cli_session.h"

#include <CLI/CLI.hpp>

namespace karnoth {

void addCommandLineOptions(CLI::App& app, CliSession& session);

}  // namespace karnoth
