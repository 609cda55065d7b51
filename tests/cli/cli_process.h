#pragma once
// karnoth-cli run as a process, as a user or a script runs it: its exit status and what it wrote.
// The binary's path comes from the build (KARNOTH_CLI_PATH).

#include "temp_dir.h"

#include <spawn.h>
#include <sys/wait.h>

#include <fcntl.h>

#include <string>
#include <vector>

namespace karnoth::testing {

struct CliRun {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs karnoth-cli with `arguments` and its window in `dir` (--dir), its output kept in files there.
inline CliRun runCli(const TempDir& dir, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {KARNOTH_CLI_PATH, "--dir", dir.path().string()});
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const std::string outPath = dir.file("cli.out").string();
    const std::string errPath = dir.file("cli.err").string();
    posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    CliRun run;
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0 && waitpid(pid, &status, 0) == pid &&
        WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    posix_spawn_file_actions_destroy(&files);
    run.out = dir.read("cli.out");
    run.err = dir.read("cli.err");
    return run;
}

}  // namespace karnoth::testing
