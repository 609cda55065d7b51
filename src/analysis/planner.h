#pragma once
// Which programme reaches a target, and at what cost. The model runs once for every programme rate
// 0..1000 (tenths of a per cent a year) and every owned share 0, step, 2 x step, ..., 100 (per
// cent), at the window's inputs with only those two replaced; each run is a cell of the grid.
//
//   baseline        = streetTotal[start - 1] of the run at rate 0 (start = the programme's first year)
//   a cell meets    : streetTotal[targetYear] <= baseline * P / 100          (double precision)
//   sterilisations  = programmeOwned and programmeStreet, each summed over start..targetYear
//   cost            = costOwned * owned sterilisations + costStreet * street sterilisations
//
// A cell whose run faults is invalid and never meets the target. For each owned share the minimal
// rate is the smallest rate whose cell meets the target, found by trying every rate (the street
// total need not fall as the rate rises). The cheapest cell is the valid one of least cost that
// meets the target, ties to the lower rate, then to the lower share.
//
// With operations a year set in the inputs the planner scans operations instead of the rate: step
// i of the scan (the cells' and rows' `rate`, 0..1000) runs i x q female operations a year, where q
// is the smallest of 1, 2 or 5 times a power of ten (at least 1) with 1000 q at least the baseline,
// and every sentence above holds with "rate" read as "operations a year".

#include "analysis/batch_runner.h"
#include "catalogue/input_catalogue.h"
#include "model/model_inputs.h"
#include "model/model_result.h"
#include "model/rate_grid.h"
#include "support/yearly_series.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace karnoth {

inline constexpr int kLowestProgrammeRate =
    inputRow(InputField::programmeRate).bar->lowest;  // tenths of a per cent a year
inline constexpr int kHighestProgrammeRate = inputRow(InputField::programmeRate).bar->highest;
inline constexpr int kPlanRateCount = kHighestProgrammeRate - kLowestProgrammeRate + 1;
// The programme's first year: its baseline, the year before, must lie in the yearly table.
inline constexpr int kFirstPlannableStart = kFirstYear + 1;  // 1951

// The most one operation may cost, in the caller's unit: beyond it a plan's sums lose their cents.
inline constexpr double kMostCost = 1e12;
// The highest target, per cent of the baseline: far beyond any sensible target.
inline constexpr double kMostTargetPercent = 100000;

// What a plan aims at and what one operation costs.
struct PlanSettings {
    int targetYear = 0;  // the year the street total is judged in; start..2050
    double targetPercent =
        50;  // P, per cent of the baseline; above 0 (100 or more allowed), at most kMostTargetPercent
    double costOwned = 1;  // one owned sterilisation; 0 to kMostCost (1 and 1 count operations)
    double costStreet = 1;  // one street sterilisation; 0 to kMostCost
    int ownedShareStep = 5;  // per cent between the grid's owned shares; divides 100

    friend bool operator==(const PlanSettings&, const PlanSettings&) = default;
};

// The settings a planner starts from: the target ten years after the programme's start (2050 at
// the latest), at 50 % of the baseline, every operation costing 1, owned shares in steps of 5 %.
PlanSettings defaultPlanSettings(int programmeStart);

struct PlanRequest {
    ModelInputs inputs;  // the window's inputs as its last run read them; runs take them asTheWindowRuns
    YearlySeries killedByYear;
    PlanSettings settings;
};

// What one run gives a plan. Street total and sterilisations are female dogs, cost in the caller's
// unit.
struct PlanFigures {
    double streetTotal = 0;  // streetTotal[targetYear]
    double percentOfBaseline = 0;  // 100 * streetTotal / baseline
    double sterilisedOwned = 0;  // programme sterilisations start..targetYear
    double sterilisedStreet = 0;
    double cost = 0;
    // The programme's operations a year in the run (owned and street): in its first year, and the
    // mean over its years (start to its stop, or to 2050).
    double operationsFirstYear = 0;
    double operationsMeanPerYear = 0;
    double streetCoverage = 0;  // street sterilised share of females aged one and over in targetYear, 0..1
};

struct PlanCell {
    int ownedShare = 0;  // per cent
    int rate = 0;  // tenths of a per cent a year, or the operations scan's step
    bool valid = false;  // the run ended without a fault; the figures mean nothing otherwise
    std::string fault;  // why the run faulted, when it did
    PlanFigures figures;
    bool meetsTarget = false;
};

struct PlanRow {
    int ownedShare = 0;
    std::optional<int> minimalRate;  // nullopt: no rate meets the target
    // The figures at the minimal rate, or at rate 1000 when no rate meets the target; nullopt when
    // that run faults.
    std::optional<PlanFigures> figures;
};

struct PlanCheapest {
    int ownedShare = 0;
    int rate = 0;
    PlanFigures figures;
};

struct Plan {
    PlanSettings settings;
    std::optional<int> baselineYear;  // start - 1
    std::optional<double> baseline;  // street total in baselineYear, at rate 0
    std::vector<PlanRow> rows;  // one per owned share, 0 upwards
    std::optional<PlanCheapest> cheapest;
    std::vector<PlanCell> cells;  // by owned share, then rate 0..1000
    std::optional<std::string> fault;  // why no plan could be made: then rows and cells are empty
    // q, operations a year per step of the scan; nullopt when the scan runs over the rate.
    std::optional<double> operationsStep;

    // What step `rate` of the scan sets: operations a year (rate x q), or the rate itself.
    double scanValue(int rate) const { return operationsStep ? rate * *operationsStep : rate; }

    // The cell at an owned share of the grid (a multiple of the step) and a rate 0..1000.
    const PlanCell& cell(int ownedShare, int rate) const;
};

// q for a baseline: the smallest of 1, 2, 5, 10, 20, 50, ... whose 1000 times is at least `baseline`.
double operationsScanStep(double baseline);

// Why these settings make no request, for the caller to show: a target percent not above 0 or
// above kMostTargetPercent, a cost below 0 or above kMostCost (or any of them not finite), a step
// that does not divide 100. nullopt when they are fine.
std::optional<std::string> planSettingsProblem(const PlanSettings& settings);

// Why no plan can be made for these years, in the order they are checked: a start year outside
// 1951..2050, then a target year before the start or after 2050. nullopt when they are fine.
std::optional<std::string> planYearsProblem(int startYear, int targetYear);

// A plan that could not be made: the settings, the reason, nothing else.
Plan unmadePlan(const PlanSettings& settings, std::string fault);

// What every cell of a plan shares, from the window's run at rate 0 (0 operations a year in the
// operations scan).
struct PlanBasis {
    ModelInputs taken;  // the request's inputs as the window runs them
    int startYear = 0;  // the programme's first year
    int baselineYear = 0;  // startYear - 1
    double baseline = 0;  // the street total in baselineYear, above 0
    int lastProgrammeYear = 0;  // its stop, or 2050
    std::optional<double> operationsStep;  // as Plan::operationsStep

    // The inputs of the cell at `ownedShare` and step `rate` of the scan.
    ModelInputs cellInputs(int ownedShare, int rate) const;
};

// The basis of a plan, or why there is none: the years checked first (planYearsProblem), then the
// run at rate 0 (its fault, or a baseline not above 0).
std::variant<PlanBasis, std::string> planBasis(const PlanRequest& request);

// streetTotal <= baseline x targetPercent / 100, in double precision.
bool meetsPlanTarget(double streetTotal, double baseline, double targetPercent);

// The figures of a run of one cell that ended without a fault, from the grid's reading of it or
// from the single run's result.
PlanFigures planFigures(const RateGridRun& run, const PlanSettings& settings, const PlanBasis& basis);
PlanFigures planFigures(const ModelResult& result, const PlanSettings& settings, const PlanBasis& basis);

// The plan: the years checked first (planYearsProblem), then the run at rate 0 (its fault, or a
// baseline not above 0, makes an unmade plan), then the grid through the batch runner, whose
// control can stop it and hears its progress. nullopt only when stopped; std::invalid_argument
// when planSettingsProblem finds a problem.
std::optional<Plan> makePlan(const PlanRequest& request, const BatchRunner& runner, const BatchControl& control = {});

}  // namespace karnoth
