#include "cli/command_line.h"

#include "cli/plan_options.h"
#include "cli/report_options.h"
#include "cli/scenario_options.h"
#include "cli/uncertainty_options.h"
#include "cli/window_options.h"

namespace karnoth {

void addCommandLineOptions(CLI::App& app, CliSession& session)
{
    addWindowOptions(app, session);
    const GivenPlanSettings planSettings = addPlanOptions(app, session);
    addSensitivityOptions(app, session);
    const GivenUncertainty uncertainty = addUncertaintyOptions(app, session, planSettings);
    const ComparedFiles compared = addScenarioOptions(app, session);
    addReportOptions(app, session, planSettings, compared, uncertainty);
}

}  // namespace karnoth
