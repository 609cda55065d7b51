// karnoth-cli built without Qt: no report can be drawn.

#include "cli/session_report.h"

namespace karnoth {

bool reportsAvailable()
{
    return false;
}

int writeSessionReport(Form1&, const std::string& file, const std::optional<PlanSettings>&,
                       const std::vector<std::string>&, const std::optional<UncertaintyRequest>&, const RobustPlan*,
                       std::ostream& err)
{
    err << "karnoth-cli: --report " << file
        << ": this karnoth-cli was built without Qt (KARNOTH_GUI=OFF) and cannot write a PDF report\n";
    return 1;
}

}  // namespace karnoth
