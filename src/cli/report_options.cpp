#include "cli/report_options.h"

#include "cli/session_report.h"

#include <iostream>
#include <memory>
#include <utility>

namespace karnoth {

void addReportOptions(CLI::App& app, CliSession& session, GivenPlanSettings planSettings, ComparedFiles compared,
                      GivenUncertainty uncertainty, GivenRobustPlan robustPlan)
{
    const std::string help =
        reportsAvailable()
            ? "write a PDF report of the window after the events, with the --compare scenarios, a plan (--plan and "
              "--cost, or ten years after the start at 50 % and costs 1:1), with --uncertainty the chance of "
              "meeting its target and with --robust-plan the rates that hold"
            : "write a PDF report (not in this build: it has no Qt)";
    app.add_option_function<std::string>(
           "--report",
           [&session, planSettings = std::move(planSettings), compared = std::move(compared),
            uncertainty = std::move(uncertainty), robustPlan = std::move(robustPlan)](const std::string& file) {
               session.fileOutputs.push_back([file, planSettings, compared, uncertainty, robustPlan](Form1& form) {
                   return writeSessionReport(form, file, planSettings(), compared(), uncertainty(), robustPlan(form),
                                             std::cerr);
               });
           },
           help)
        ->type_name("FILE.pdf");
}

}  // namespace karnoth
