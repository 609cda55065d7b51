#pragma once
// karnoth-cli's robust plan, computed after the events at the window's inputs as a Run would read
// them:
//
//   --robust-plan C   with --plan YEAR:PERCENT, for each owned share the rate that meets the target
//                     in at least C % (50..99) of the replicates --uncertainty and its options
//                     describe (one replicate, the window's run, without them); adds "robust" to the
//                     plan and the column "probability" to --plan-grid.
//
// A malformed C, one outside 50..99, or --robust-plan without --plan, is a usage error (exit 2).

#include "cli/cli_session.h"
#include "cli/plan_options.h"
#include "cli/uncertainty_options.h"

#include <CLI/CLI.hpp>

namespace karnoth {

GivenRobustPlan addRobustPlanOptions(CLI::App& app, CliSession& session, GivenPlanSettings planSettings,
                                     GivenUncertainty uncertainty);

}  // namespace karnoth
