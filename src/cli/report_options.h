#pragma once
// --report FILE.pdf: the printed report of the window's state after the events, with the
// scenarios of --compare beside it. Its planner part uses --plan, --split-step and --cost when
// given, otherwise the planner's defaults (ten years after the programme's start, 50 %, costs 1
// and 1); with --uncertainty, its summary gives the chance of meeting that target, and with
// --robust-plan the rates that hold stand beside the planner's table. The report is
// headed by the report details the session or an opened scenario keeps. Written after the state is printed; exit 1 when
// it cannot be written, or when this karnoth-cli was built without Qt (it then has no way to draw a PDF).

#include "cli/cli_session.h"
#include "cli/plan_options.h"
#include "cli/scenario_options.h"
#include "cli/uncertainty_options.h"

#include <CLI/CLI.hpp>

namespace karnoth {

void addReportOptions(CLI::App& app, CliSession& session, GivenPlanSettings planSettings, ComparedFiles compared,
                      GivenUncertainty uncertainty, GivenRobustPlan robustPlan);

}  // namespace karnoth
