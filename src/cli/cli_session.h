#pragma once
// A karnoth-cli session: the window started in a directory, the events of the command line applied
// in the order given, then the window's state printed, with whatever each analysis adds to it.
// Each group of options (the window's own, each analysis) adds to the session as it is parsed.

#include "app/form1.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace karnoth {

// One event of the command line.
struct CliEvent {
    // Checks, before anything runs, that the event can be made: throws ControlError or
    // std::invalid_argument with a message for the user (exit 2).
    std::function<void(const Form1&)> check;
    std::function<void(Form1&)> apply;
};

// What an analysis adds to the output, after the events, at the window's state as it then stands.
struct CliSection {
    std::function<void(Form1&, nlohmann::json& state)> addJson;  // adds its key to the state
    std::function<void(Form1&, std::ostream& out)> printText;  // its part of the readable report
};

// An output written somewhere other than standard output, after the report (a file, or standard
// output itself when it is "-"); returns the exit status, 0 when written.
using CliFileOutput = std::function<int(Form1&)>;

struct CliSession {
    std::string directory = ".";
    bool json = false;
    std::vector<CliEvent> events;
    std::vector<CliSection> sections;
    std::vector<CliFileOutput> fileOutputs;
    // An option that writes to standard output ("-") takes it: nothing else is printed. Two such
    // options, or one with --json, is a usage error.
    std::vector<std::string> standardOutputTakenBy;
    // Malformed options found while parsing, and checks made once everything is parsed; each a
    // message for exit 2.
    std::vector<std::string> usageErrors;
    std::vector<std::function<std::optional<std::string>()>> usageChecks;

    void usageError(std::string message) { usageErrors.push_back(std::move(message)); }
};

// Runs the session: checks every option and event (exit 2 with a message on stderr when one is
// malformed), starts the window, applies the events, prints the state (JSON or readable) with every
// section, and writes the file outputs. Returns the exit status.
int runSession(CliSession& session, std::ostream& out, std::ostream& err);

// Writes `text` to `file`, or to standard output when it is "-"; a file is replaced through a
// temporary file and a rename. Returns the exit status: 0 when written, 1 (with the reason on
// stderr) when not.
int writeOutput(const std::string& file, const std::string& text);

}  // namespace karnoth
