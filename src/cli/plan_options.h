#pragma once
// The planner's options. After the events, at the window's inputs as a Run would read them:
//   --plan YEAR:PERCENT   the plan: street total in YEAR at most PERCENT % of the baseline
//   --split-step N        owned shares 0, N, 2N, ..., 100 (N divides 100; default 5)
//   --cost OWNED:STREET   the cost of one owned and one street sterilisation (default 1:1)
//   --plan-grid FILE      every cell as CSV ("-": standard output, and nothing else is printed)
// and an event, applied in order with the others:
//   --calibrate YEAR:COUNT  sets vscGainLoss to the value whose run gives the street total nearest
//                           to COUNT in YEAR (1951..2050, COUNT above 0), as the window does.
//   --calibrate-adjust WHAT what every --calibrate adjusts instead: abandoned (the default),
//                           immigrants (txtImmigrants) or capacity (txtCapacity).
// A malformed value, or --split-step, --cost or --plan-grid without --plan, is a usage error.

#include "analysis/planner.h"
#include "app/form1.h"
#include "cli/cli_session.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <optional>

namespace karnoth {

// What --plan, --split-step and --cost asked for once the command line is parsed; nullopt without
// --plan.
using GivenPlanSettings = std::function<std::optional<PlanSettings>()>;

GivenPlanSettings addPlanOptions(CLI::App& app, CliSession& session);

// The plan at the window's inputs as a Run would read them now. In order: the start year's text
// is not a number, the start year or the target year is out of range, the window's inputs make a
// run fault before it has read them all ("the run at programme rate 0 faults"), then makePlan.
Plan planAtWindow(Form1& form, const PlanSettings& settings, const BatchRunner& runner);

}  // namespace karnoth
