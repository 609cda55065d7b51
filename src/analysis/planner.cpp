#include "analysis/planner.h"

#include "analysis/input_domains.h"
#include "analysis/shortest_text.h"
#include "model/engine.h"
#include "model/rate_grid.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace karnoth {
namespace {

constexpr int kAllShares = 100;  // per cent: the grid's owned shares run 0..100

std::size_t rowCount(int ownedShareStep)
{
    return static_cast<std::size_t>(kAllShares / ownedShareStep + 1);
}

// One row per owned share: the first rate that meets the target, else the figures at rate 1000.
std::vector<PlanRow> rowsOf(const std::vector<PlanCell>& cells, int ownedShareStep)
{
    std::vector<PlanRow> rows(rowCount(ownedShareStep));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        PlanRow& row = rows[r];
        row.ownedShare = static_cast<int>(r) * ownedShareStep;
        const PlanCell* rowCells = &cells[r * kPlanRateCount];
        for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate; ++rate) {
            if (rowCells[rate].meetsTarget) {
                row.minimalRate = rate;
                row.figures = rowCells[rate].figures;
                break;
            }
        }
        if (!row.minimalRate && rowCells[kHighestProgrammeRate].valid)
            row.figures = rowCells[kHighestProgrammeRate].figures;
    }
    return rows;
}

// The valid cell of least cost that meets the target; ties to the lower rate, then the lower share.
std::optional<PlanCheapest> cheapestOf(const std::vector<PlanCell>& cells)
{
    const PlanCell* best = nullptr;
    for (const PlanCell& cell : cells) {
        if (!cell.meetsTarget) continue;
        if (!best || std::tie(cell.figures.cost, cell.rate, cell.ownedShare) <
                         std::tie(best->figures.cost, best->rate, best->ownedShare))
            best = &cell;
    }
    if (!best) return std::nullopt;
    return PlanCheapest{best->ownedShare, best->rate, best->figures};
}

}  // namespace

PlanFigures planFigures(const RateGridRun& run, const PlanSettings& settings, const PlanBasis& basis)
{
    PlanFigures figures;
    figures.streetTotal = run.streetTotal;
    figures.percentOfBaseline = 100.0 * figures.streetTotal / basis.baseline;
    figures.sterilisedOwned = run.sterilisedOwned;
    figures.sterilisedStreet = run.sterilisedStreet;
    figures.cost = settings.costOwned * figures.sterilisedOwned + settings.costStreet * figures.sterilisedStreet;
    figures.operationsFirstYear = run.operationsFirstYear;
    figures.operationsMeanPerYear = run.operationsSum / (basis.lastProgrammeYear - basis.startYear + 1);
    figures.streetCoverage = run.streetSterilisedShare;
    return figures;
}

PlanFigures planFigures(const ModelResult& result, const PlanSettings& settings, const PlanBasis& basis)
{
    return planFigures(rateGridRunOf(result, basis.startYear, {settings.targetYear, basis.lastProgrammeYear}), settings,
                       basis);
}

bool meetsPlanTarget(double streetTotal, double baseline, double targetPercent)
{
    return streetTotal <= baseline * targetPercent / 100;
}

ModelInputs PlanBasis::cellInputs(int ownedShare, int rate) const
{
    ModelInputs inputs = taken;
    if (operationsStep)
        inputs.operationsPerYear = rate * *operationsStep;
    else
        inputs.programmeRate = rate;
    inputs.ownedShare = ownedShare;
    return inputs;
}

double operationsScanStep(double baseline)
{
    for (double power = 1;; power *= 10)
        for (double multiple : {1.0, 2.0, 5.0})
            if (1000 * multiple * power >= baseline) return multiple * power;
}

PlanSettings defaultPlanSettings(int programmeStart)
{
    PlanSettings settings;
    settings.targetYear = std::min(programmeStart + 10, kLastYear);
    return settings;
}

const PlanCell& Plan::cell(int ownedShare, int rate) const
{
    const int step = settings.ownedShareStep;
    if (cells.empty() || step <= 0 || ownedShare < 0 || ownedShare > kAllShares || ownedShare % step != 0 ||
        rate < kLowestProgrammeRate || rate > kHighestProgrammeRate)
        throw std::out_of_range("the plan has no cell at owned share " + std::to_string(ownedShare) + " and rate " +
                                std::to_string(rate));
    return cells[static_cast<std::size_t>(ownedShare / step) * kPlanRateCount + static_cast<std::size_t>(rate)];
}

std::optional<std::string> planSettingsProblem(const PlanSettings& settings)
{
    if (!(settings.targetPercent > 0 && settings.targetPercent <= kMostTargetPercent))
        return "the target percent " + shortestText(settings.targetPercent) + " is not a number above 0 and at most " +
               formatPlain(kMostTargetPercent, NumberLocale{});
    const std::pair<const char*, double> costs[]{{"an owned", settings.costOwned}, {"a street", settings.costStreet}};
    for (const auto& [which, cost] : costs)
        if (!(cost >= 0 && cost <= kMostCost))
            return std::string("the cost of ") + which + " sterilisation " + shortestText(cost) +
                   " is not a number from 0 to " + formatPlain(kMostCost, NumberLocale{});
    if (settings.ownedShareStep <= 0 || kAllShares % settings.ownedShareStep != 0)
        return "the owned-share step " + std::to_string(settings.ownedShareStep) +
               " does not divide 100 (it may be 1, 2, 4, 5, 10, 20, 25, 50 or 100)";
    return std::nullopt;
}

std::optional<std::string> planYearsProblem(int startYear, int targetYear)
{
    if (startYear < kFirstPlannableStart || startYear > kLastYear)
        return "the programme's start year " + std::to_string(startYear) + " lies outside " +
               std::to_string(kFirstPlannableStart) + ".." + std::to_string(kLastYear);
    if (targetYear < startYear || targetYear > kLastYear)
        return "the target year " + std::to_string(targetYear) + " lies outside the programme's years " +
               std::to_string(startYear) + ".." + std::to_string(kLastYear);
    return std::nullopt;
}

Plan unmadePlan(const PlanSettings& settings, std::string fault)
{
    Plan plan;
    plan.settings = settings;
    plan.fault = std::move(fault);
    return plan;
}

std::variant<PlanBasis, std::string> planBasis(const PlanRequest& request)
{
    PlanBasis basis;
    basis.startYear = request.inputs.programmeStart;
    if (std::optional<std::string> problem = planYearsProblem(basis.startYear, request.settings.targetYear))
        return *problem;
    basis.taken = asTheWindowRuns(request.inputs);
    const bool scansOperations = basis.taken.operationsPerYear.has_value();
    ModelInputs atRateZero = basis.taken;
    atRateZero.programmeRate = kLowestProgrammeRate;
    if (scansOperations) atRateZero.operationsPerYear = 0.0;
    ModelResult baselineRun;
    if (std::optional<Fault> fault = runModelInto(atRateZero, request.killedByYear, baselineRun))
        return std::string(scansOperations ? "the run at 0 operations a year faults: "
                                           : "the run at programme rate 0 faults: ") +
               fault->what();
    basis.baselineYear = basis.startYear - 1;
    basis.baseline = baselineRun.series.streetTotal[basis.baselineYear];
    if (!(basis.baseline > 0))
        return "the baseline, the street total in " + std::to_string(basis.baselineYear) +
               (scansOperations ? " at 0 operations a year" : " at programme rate 0") + ", is " +
               shortestText(basis.baseline) + ", not above 0";
    // The programme's years; a stop after 2050 ends with the table.
    basis.lastProgrammeYear = std::min(basis.taken.programmeStop.value_or(kLastYear), kLastYear);
    if (scansOperations) basis.operationsStep = operationsScanStep(basis.baseline);
    return basis;
}

std::optional<Plan> makePlan(const PlanRequest& request, const BatchRunner& runner, const BatchControl& control)
{
    const PlanSettings& settings = request.settings;
    if (std::optional<std::string> problem = planSettingsProblem(settings)) throw std::invalid_argument(*problem);
    std::variant<PlanBasis, std::string> found = planBasis(request);
    if (std::string* fault = std::get_if<std::string>(&found)) return unmadePlan(settings, std::move(*fault));
    const PlanBasis& basis = std::get<PlanBasis>(found);

    Plan plan;
    plan.settings = settings;
    plan.baselineYear = basis.baselineYear;
    plan.baseline = basis.baseline;
    plan.operationsStep = basis.operationsStep;
    const int step = settings.ownedShareStep;
    plan.cells.resize(rowCount(step) * kPlanRateCount);
    // The runs share everything before the programme's start; each block of cells, a whole number
    // of the runs the grid projects together, is projected from there. Progress still counts cells.
    const RateGrid grid(basis.taken, request.killedByYear, RateGridYears{settings.targetYear, basis.lastProgrammeYear});
    constexpr std::size_t kBlock = 8 * RateGrid::kRunsAtOnce;
    const std::size_t cellCount = plan.cells.size();
    BatchControl blockControl{control.stop, {}};
    if (control.progress)
        blockControl.progress = [&](std::size_t blocksDone, std::size_t) {
            control.progress(std::min(blocksDone * kBlock, cellCount), cellCount);
        };
    const bool finished = runner.forEachRange(
        (cellCount + kBlock - 1) / kBlock,
        [&](std::size_t firstBlock, std::size_t endBlock) {
            const std::size_t begin = firstBlock * kBlock;
            const std::size_t end = std::min(endBlock * kBlock, cellCount);
            std::vector<RateGridCell> gridCells(end - begin);
            std::vector<RateGridRun> runs(end - begin);
            for (std::size_t i = begin; i < end; ++i) {
                PlanCell& cell = plan.cells[i];
                cell.ownedShare = static_cast<int>(i / kPlanRateCount) * step;
                cell.rate = static_cast<int>(i % kPlanRateCount);
                gridCells[i - begin] = {plan.scanValue(cell.rate), static_cast<double>(cell.ownedShare)};
            }
            grid.run(gridCells, runs);
            for (std::size_t i = begin; i < end; ++i) {
                PlanCell& cell = plan.cells[i];
                const RateGridRun& run = runs[i - begin];
                if (run.fault) {
                    cell.fault = run.fault->what();
                    continue;
                }
                cell.valid = true;
                cell.figures = planFigures(run, settings, basis);
                cell.meetsTarget = meetsPlanTarget(cell.figures.streetTotal, basis.baseline, settings.targetPercent);
            }
        },
        blockControl);
    if (!finished) return std::nullopt;
    plan.rows = rowsOf(plan.cells, step);
    plan.cheapest = cheapestOf(plan.cells);
    return plan;
}

}  // namespace karnoth
