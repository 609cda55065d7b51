#pragma once
// A plan that holds in most futures: for each owned share of the planner's grid, the programme rate
// that reaches the target in at least a chosen share C of the futures the uncertainty settings
// allow.
//
// - Replicates: replicate i draws its inputs and its chance from the same stream as replicate i of
//   the uncertainty analysis with the same seed (uncertainty.h): ranges on the rate or the owned
//   share are drawn too, so that the streams stay aligned, and then replaced by the cell's rate and
//   share. Without uncertainty settings, or with no range and no chance, there is one replicate:
//   the window's run. An anchor to a count is not used here.
// - Replicate i meets the target at share s and rate r when its run there does not fault and its
//   street total in the target year is at most P % of its own baseline, its street total in the
//   year before the start (double precision). A street that died out before the start has a
//   baseline of 0 and meets the target at every rate that does not fault.
// - Replicate i is faulted for share s when its run at rate 0 faults: it is left out of that
//   share's probabilities and counted.
// - h, the highest rate that does not fault: 1000 when 1000 does not, else by bisection on whole
//   steps keeping "no fault at lo, fault at hi", h = lo.
// - The minimal rate m_i(s): 0 when the replicate meets the target at 0; none when it does not
//   meet it at h; else by bisection in [0, h] keeping "does not meet at lo, meets at hi", m = hi.
// - The probability at (s, r): the share of the share's valid replicates with m_i(s) <= r, so it
//   never falls as r rises. The robust minimal rate at confidence C: the smallest r whose
//   probability is at least C, or none.
// - The cheapest robust programme: the row (share, robust minimal rate) whose cost, from the
//   window's own run there and the planner's costs, is lowest; ties to the lower rate, then to the
//   lower share; none when no row has a rate.
//
// With operations a year set, the scan runs over the planner's operations steps (planner.h) and
// every "rate" above reads "step of the operations scan".

#include "analysis/batch_runner.h"
#include "analysis/planner.h"
#include "analysis/uncertainty.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace karnoth {

// The confidence a robust plan may ask for, per cent.
inline constexpr double kLeastConfidence = 50;
inline constexpr double kMostConfidence = 99;

struct RobustPlanRequest {
    PlanRequest plan;  // the window's inputs and culling, the target, the costs, the share step
    // The uncertainty settings: ranges, chance, replicates, seed. Their inputs, culling, target and
    // anchor are not read. None: one replicate, the window's run.
    std::optional<UncertaintyRequest> uncertainty;
    double confidence = 90;  // C, per cent, kLeastConfidence..kMostConfidence
};

struct RobustRow {
    int ownedShare = 0;  // per cent
    std::size_t valid = 0;  // replicates that run at rate 0 without a fault
    std::size_t faulted = 0;  // replicates whose run at rate 0 faults
    // probability[r], r = 0..1000: the share of the valid replicates whose minimal rate is at most
    // r, 0..1; empty when no replicate is valid.
    std::vector<double> probability;
    std::optional<int> minimalRate;  // the robust minimal rate; none when no rate reaches C
    // The window's own run at (ownedShare, minimalRate); none without a rate or when that run faults.
    std::optional<PlanFigures> figures;
};

struct RobustPlan {
    PlanSettings settings;
    double confidence = 0;  // per cent
    std::size_t replicates = 0;  // as asked for (faulted ones included); 1 without uncertainty
    std::size_t faulted = 0;  // the most replicates faulted at any share
    std::optional<double> baseline;  // the window's run's street total in the year before the start
    std::optional<double> operationsStep;  // as Plan::operationsStep
    std::vector<RobustRow> rows;  // one per owned share, 0 upwards
    std::optional<PlanCheapest> cheapest;
    std::optional<std::string> fault;  // why no robust plan could be made: then rows are empty

    // The probability at an owned share of the grid and a rate 0..1000; std::out_of_range
    // otherwise, none when that share has no valid replicate.
    std::optional<double> probability(int ownedShare, int rate) const;
};

// Why the request cannot be made, for the caller to show: a confidence outside 50..99 per cent or
// not finite, the plan's settings (planSettingsProblem), the uncertainty settings
// (uncertaintyProblem and rangeWithoutEffect at the window's inputs). nullopt when it can.
std::optional<std::string> robustPlanProblem(const RobustPlanRequest& request);

// The robust plan: the plan's years and the window's run at rate 0 are checked as the planner
// checks them (a fault makes a plan with `fault` set), then the replicates run through the batch
// runner, whose control can stop it and hears its progress (in replicate-and-share pairs). The
// result does not depend on the number of threads. nullopt only when stopped;
// std::invalid_argument when robustPlanProblem finds a problem.
std::optional<RobustPlan> makeRobustPlan(const RobustPlanRequest& request, const BatchRunner& runner,
                                         const BatchControl& control = {});

}  // namespace karnoth
