#include "cli/cli_session.h"

#include "catalogue/control_names.h"
#include "cli/form_state_json.h"

#include "support/fault.h"
#include "support/text_file.h"

#include <iostream>
#include <stdexcept>

namespace karnoth {
namespace {

void printReport(Form1& form, const CliSession& session, std::ostream& out)
{
    out << "formReady: " << (form.formReady() ? "true" : "false") << "\n";
    for (std::string_view label : {control::Label14, control::Label6, control::Label4, control::Label3, control::Label2,
                                   control::Label1_1, control::Label9, control::Label10})
        out << label << ": " << form.caption(label) << "\n";
    for (const CliSection& section : session.sections)
        if (section.printText) section.printText(form, out);
    out << "faults: " << form.faults().size() << "\n";
    for (const std::string& fault : form.faults()) out << "  " << fault << "\n";
}

// The first usage error of the session, if any.
std::optional<std::string> usageProblem(const CliSession& session)
{
    if (!session.usageErrors.empty()) return session.usageErrors.front();
    for (const auto& check : session.usageChecks)
        if (std::optional<std::string> problem = check()) return problem;
    if (session.standardOutputTakenBy.size() > 1)
        return session.standardOutputTakenBy[0] + " and " + session.standardOutputTakenBy[1] +
               " cannot both write to standard output";
    if (!session.standardOutputTakenBy.empty() && session.json)
        return session.standardOutputTakenBy[0] + " writes to standard output, so --json has nowhere to go";
    return std::nullopt;
}

}  // namespace

int writeOutput(const std::string& file, const std::string& text)
{
    if (file == "-") {
        std::cout << text;
        return std::cout ? 0 : 1;
    }
    try {
        replaceWholeFile(file, text, file);
    } catch (const Fault& fault) {
        std::cerr << "karnoth-cli: " << fault.what() << "\n";
        return 1;
    }
    return 0;
}

int runSession(CliSession& session, std::ostream& out, std::ostream& err)
{
    if (const std::optional<std::string> problem = usageProblem(session)) {
        err << "karnoth-cli: " << *problem << "\n";
        return 2;
    }
    Form1 form{std::filesystem::path(session.directory)};
    // Every event is checked against the window before anything runs, so a malformed command line
    // changes nothing.
    try {
        for (const CliEvent& event : session.events) event.check(form);
    } catch (const std::invalid_argument& error) {  // ControlError too
        err << "karnoth-cli: " << error.what() << "\n";
        return 2;
    }

    form.Form_Load();
    for (const CliEvent& event : session.events) event.apply(form);

    if (session.standardOutputTakenBy.empty()) {
        if (session.json) {
            nlohmann::json state = formStateJson(form);
            for (const CliSection& section : session.sections)
                if (section.addJson) section.addJson(form, state);
            out << state.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        } else {
            printReport(form, session, out);
        }
    }
    int status = 0;
    for (const CliFileOutput& write : session.fileOutputs) status = std::max(status, write(form));
    return status;
}

}  // namespace karnoth
