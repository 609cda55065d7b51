#include "cli/report_options.h"

#include "cli/session_report.h"

#include <iostream>
#include <memory>
#include <utility>

namespace karnoth {

void addReportOptions(CLI::App& app, CliSession& session, GivenPlanSettings planSettings, ComparedFiles compared,
                      GivenUncertainty uncertainty)
{
    const std::string help =
        reportsAvailable()
            ? "write a PDF report of the window after the events, with the --compare scenarios, a plan (--plan and "
              "--cost, or ten years after the start at 50 % and costs 1:1) and, with --uncertainty, the chance of "
              "meeting its target"
            : "write a PDF report (not in this build: it has no Qt)";
    app.add_option_function<std::string>(
           "--report",
           [&session, planSettings = std::move(planSettings), compared = std::move(compared),
            uncertainty = std::move(uncertainty)](const std::string& file) {
               session.fileOutputs.push_back([file, planSettings, compared, uncertainty](Form1& form) {
                   return writeSessionReport(form, file, planSettings(), compared(), uncertainty(), std::cerr);
               });
           },
           help)
        ->type_name("FILE.pdf");
}

}  // namespace karnoth
