// karnoth-cli: plays the window without a window. It creates Form1 in a directory, starts it up
// (settings file, indicators, the first run), applies the events of the command line in their
// order and prints the window's state, with what each analysis asked for adds to it.

#include "cli/cli_session.h"
#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv)
{
    CLI::App app{"karnoth-cli: the Karnoth window without a window. Starts Form1 in DIR (settings file, "
                 "indicators, first run), applies the events in their order, prints the window's state."};
    karnoth::CliSession session;
    karnoth::addCommandLineOptions(app, session);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);
        app.exit(error);
        return 2;
    }
    return karnoth::runSession(session, std::cout, std::cerr);
}
