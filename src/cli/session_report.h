#pragma once
// Writing the report of a karnoth-cli session. A build with Qt draws it (session_report.cpp); a
// build without (KARNOTH_GUI off, as the sanitizer and fuzz builds are) refuses
// (session_report_refused.cpp).

#include "analysis/planner.h"
#include "analysis/robust_planner.h"
#include "analysis/uncertainty.h"
#include "app/form1.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace karnoth {

// Whether this build can write reports.
bool reportsAvailable();

// Writes the report of `form` to `file` (with its own run of the inputs as they are now, see
// render::reportContent), the scenarios in `compared` listed after the window (a file
// that cannot be read is listed with its fault). `planSettings` nullopt: the planner's defaults for
// the window's start. `uncertainty`, when given, is repeated for the report's inputs and target to
// state the chance of meeting it; `robust`, when given, puts its rates beside the planner's table.
// The report details are the form's kept ones. Returns the exit status: 0 when written,
// 1 with a message on `err` otherwise.
int writeSessionReport(Form1& form, const std::string& file, const std::optional<PlanSettings>& planSettings,
                       const std::vector<std::string>& compared, const std::optional<UncertaintyRequest>& uncertainty,
                       const RobustPlan* robust, std::ostream& err);

}  // namespace karnoth
