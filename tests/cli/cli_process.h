#pragma once
// karnoth-cli run as a process, in a directory of its own: its exit status, standard output and
// standard error.

#include "temp_dir.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace karnoth::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs karnoth-cli with --dir `dir` and `arguments` (each quoted for the shell).
inline CliRun runCli(const TempDir& dir, const std::vector<std::string>& arguments)
{
    std::string command = std::string(KARNOTH_CLI) + " --dir '" + dir.path().string() + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    command += " > '" + dir.file("cli.out").string() + "' 2> '" + dir.file("cli.err").string() + "'";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = dir.read("cli.out");
    run.err = dir.read("cli.err");
    return run;
}

}  // namespace karnoth::testing
