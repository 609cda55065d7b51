#pragma once
// A karnoth-cli command line run in this process, as main runs it: every option registered on a
// CLI11 app, parsed, then runSession. What it printed is kept; files go where the arguments say
// (give them as paths in the test's directory).

#include "cli/command_line.h"
#include "temp_dir.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace karnoth::testing {

struct SessionRun {
    int exitCode = -1;
    std::string out;
    std::string err;

    nlohmann::json state() const { return nlohmann::json::parse(out); }
};

// Runs `arguments` with the window in `dir` (--dir). A parse error is exit 2, as in main.
inline SessionRun runCommandLine(const TempDir& dir, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"--dir", dir.path().string()});
    CLI::App app;
    CliSession session;
    addCommandLineOptions(app, session);
    std::ostringstream out;
    std::ostringstream err;
    std::reverse(arguments.begin(), arguments.end());  // CLI11 takes a vector last argument first
    try {
        app.parse(arguments);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, out, err);
        return {code == 0 ? 0 : 2, out.str(), err.str()};
    }
    const int code = runSession(session, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace karnoth::testing
