#include "cli/command_line.h"

#include "cli/plan_options.h"
#include "cli/report_options.h"
#include "cli/robust_plan_options.h"
#include "cli/scenario_options.h"
#include "cli/uncertainty_options.h"
#include "cli/window_options.h"

#include <memory>

namespace karnoth {

void addCommandLineOptions(CLI::App& app, CliSession& session)
{
    addWindowOptions(app, session);
    // --plan-grid's column "probability" comes from --robust-plan, added once its options are.
    auto robustPlan = std::make_shared<GivenRobustPlan>();
    const GivenPlanSettings planSettings = addPlanOptions(app, session, robustPlan);
    addSensitivityOptions(app, session);
    const GivenUncertainty uncertainty = addUncertaintyOptions(app, session, planSettings);
    *robustPlan = addRobustPlanOptions(app, session, planSettings, uncertainty);
    const ComparedFiles compared = addScenarioOptions(app, session);
    addReportOptions(app, session, planSettings, compared, uncertainty, *robustPlan);
}

}  // namespace karnoth
