// karnoth-cli: plays the window without a window. It creates Form1 in a directory, starts it up
// (settings and session files, indicators, the first run), applies the events of the command line in their
// order and prints the window's state, with what each analysis asked for adds to it.

#include "cli/cli_session.h"
#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

// Everything printed reached standard output: a full disk or a closed pipe is an error, never a
// silent exit 0 with half the output.
int finishedOutput(int status)
{
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;  // a failed write left its bytes to retry: errno says why
    const int error = errno;
    if (flushed && std::cout.good() && !std::ferror(stdout)) return status;
    std::cerr << "karnoth-cli: standard output could not be written"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // A closed pipe makes a write fail (EPIPE) instead of ending the process unreported.
    std::signal(SIGPIPE, SIG_IGN);
    CLI::App app{
        "karnoth-cli: the Karnoth window without a window. Starts Form1 in DIR (settings and "
        "session files, indicators, first run), applies the events in their order, prints the window's state."};
    karnoth::CliSession session;
    app.set_version_flag("--version", "karnoth " KARNOTH_VERSION);
    karnoth::addCommandLineOptions(app, session);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return finishedOutput(app.exit(error));
        app.exit(error);
        return 2;
    }
    return finishedOutput(karnoth::runSession(session, std::cout, std::cerr));
}
