#pragma once
// karnoth-cli's analyses of how sure the answer is, computed after the events at the window's
// inputs as a Run would read them:
//
//   --sensitivity YEAR[:DELTA]   the street total in YEAR with each input moved DELTA % (0..100, default 10)
//                                both ways; adds "sensitivity"
//   --uncertainty N              N replicates (1..100000) of the projection; adds "uncertainty"
//     --seed S                   the random seed, a whole number 0..2^64-1 (default 1)
//     --vary NAME=LOW:HIGH       a uniform range for the input NAME (a control name), repeatable
//     --year-to-year SD          yearly survival factors of mean 1 and SD SD, 0..1 (default 0, none)
//     --whole-dogs               whole animals: binomial survival and removals, Poisson pups
//     --plan YEAR:PERCENT        (the planner's target) adds the chance of meeting it
//
// A malformed value, an unknown NAME, what the analyses' problem() functions refuse (a DELTA
// outside (0, 100], LOW above HIGH, a bar's range left, an SD outside 0..1, N outside 1..100000),
// or an option of --uncertainty given without it, is a usage error (exit 2).

#include "analysis/uncertainty.h"
#include "cli/cli_session.h"
#include "cli/plan_options.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <optional>

namespace karnoth {

void addSensitivityOptions(CLI::App& app, CliSession& session);

// The request --uncertainty and its options give (its inputs and target still to be set); none
// without --uncertainty. --report states the chance of meeting its target with it.
using GivenUncertainty = std::function<std::optional<UncertaintyRequest>()>;

// The target whose chance --uncertainty gives is --plan's (`planSettings`).
GivenUncertainty addUncertaintyOptions(CLI::App& app, CliSession& session, GivenPlanSettings planSettings);

}  // namespace karnoth
