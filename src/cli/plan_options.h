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
#include "analysis/robust_planner.h"
#include "app/form1.h"
#include "cli/cli_session.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace karnoth {

// What --plan, --split-step and --cost asked for once the command line is parsed; nullopt without
// --plan.
using GivenPlanSettings = std::function<std::optional<PlanSettings>()>;

// The robust plan --robust-plan made for the form (made once, when first asked for); nullptr
// without --robust-plan.
using GivenRobustPlan = std::function<const RobustPlan*(Form1&)>;

// `robustPlan`, set once every option is added, gives --plan-grid its column "probability".
GivenPlanSettings addPlanOptions(CLI::App& app, CliSession& session, std::shared_ptr<const GivenRobustPlan> robustPlan);

// The plan's request at the window's inputs as a Run would read them now, or why there is none. In
// order: the start year's text is not a number, the start year or the target year is out of range,
// the window's inputs make a run fault before it has read them all ("the run at programme rate 0
// faults").
std::variant<PlanRequest, std::string> planRequestAtWindow(Form1& form, const PlanSettings& settings);

// Step `rate` of a scan as shown: a per cent a year ("9.9%"), or operations a year ("500/yr") when
// the scan runs over operations in steps of `operationsStep`.
std::string scanStepText(std::optional<double> operationsStep, int rate);

// The plan of planRequestAtWindow: a plan with the reason as its fault when there is no request.
Plan planAtWindow(Form1& form, const PlanSettings& settings, const BatchRunner& runner);

}  // namespace karnoth
