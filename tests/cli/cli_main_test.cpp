// karnoth-cli as a process: what reaches standard output and standard error, and the exit status.

#include "scenario_json.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace karnoth {
namespace {

struct Finished {
    int status = -1;  // the exit status, or -1 when a signal ended it
    std::string err;
};

// Runs karnoth-cli in `directory` with standard output on `outFd` (closed here) and returns its
// exit status and standard error.
Finished runCli(const std::filesystem::path& directory, std::vector<std::string> arguments, int outFd)
{
    int errPipe[2];
    if (::pipe(errPipe) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        ::close(errPipe[0]);
        if (::chdir(directory.c_str()) != 0) ::_exit(126);
        std::vector<char*> argv{const_cast<char*>(KARNOTH_CLI_PATH)};
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::signal(SIGPIPE, SIG_DFL);  // as a shell would start it
        ::execv(KARNOTH_CLI_PATH, argv.data());
        ::_exit(127);
    }
    ::close(outFd);
    ::close(errPipe[1]);
    Finished finished;
    char buffer[4096];
    for (ssize_t n; (n = ::read(errPipe[0], buffer, sizeof buffer)) > 0;) finished.err.append(buffer, n);
    ::close(errPipe[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    finished.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return finished;
}

// Standard output that cannot take the output: a full disk, and a reader that went away.
TEST(CliMain, AnOutputThatCannotBeWrittenExitsOneAndSaysSo)
{
    testing::TempDir dir;
    const std::vector<std::vector<std::string>> commands = {{"--json"}, {}, {"--csv", "-"}};
    for (const auto& arguments : commands) {
        const Finished full = runCli(dir.path(), arguments, ::open("/dev/full", O_WRONLY));
        EXPECT_EQ(full.status, 1) << full.err;
        EXPECT_NE(full.err.find("standard output"), std::string::npos) << full.err;

        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        ::close(pipeFds[0]);  // nobody reads
        const Finished closed = runCli(dir.path(), arguments, pipeFds[1]);
        EXPECT_EQ(closed.status, 1) << closed.err;
        EXPECT_NE(closed.err.find("standard output"), std::string::npos) << closed.err;
    }
}

// A scenario file that once aborted the program or was reported without its name.
TEST(CliMain, ABadScenarioFileIsReportedByItsPath)
{
    testing::TempDir dir;
    std::filesystem::create_directory(dir.file("plans"));
    dir.write("plans/huge.karnoth", testing::scenarioFileJson(testing::windowInputsJson(), R"(, "x": 1e400)"));
    for (const std::string option : {"--load-scenario", "--compare"}) {
        const Finished finished = runCli(dir.path(), {option, "plans/huge.karnoth"}, ::open("/dev/null", O_WRONLY));
        EXPECT_NE(finished.status, -1) << option << " crashed";
    }
    int outPipe[2];
    ASSERT_EQ(::pipe(outPipe), 0);
    const pid_t reader = ::fork();
    if (reader == 0) {
        ::close(outPipe[1]);
        std::string out;
        char buffer[4096];
        for (ssize_t n; (n = ::read(outPipe[0], buffer, sizeof buffer)) > 0;) out.append(buffer, n);
        const bool named = out.find("plans/huge.karnoth is not JSON") != std::string::npos &&
                           out.find("internal error") == std::string::npos;
        ::_exit(named ? 0 : 1);
    }
    ::close(outPipe[0]);
    const Finished loaded = runCli(dir.path(), {"--load-scenario", "plans/huge.karnoth"}, outPipe[1]);
    EXPECT_EQ(loaded.status, 0) << loaded.err;
    int status = 0;
    ::waitpid(reader, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the fault names plans/huge.karnoth";
}

}  // namespace
}  // namespace karnoth
