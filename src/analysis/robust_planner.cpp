#include "analysis/robust_planner.h"

#include "analysis/replicate_draws.h"
#include "analysis/shortest_text.h"
#include "analysis/stochastic_projection.h"
#include "model/engine.h"
#include "model/projection.h"
#include "support/fault.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <tuple>

namespace karnoth {
namespace {

constexpr int kAllShares = 100;  // per cent

// A replicate's minimal rate for one share: a step of the scan, or one of these.
constexpr std::int16_t kNeverMet = -1;
constexpr std::int16_t kFaulted = -2;

// What a replicate brings to every cell: its equilibrium and settings (the projection's start,
// whatever the rate and share, since only the programme reads them), its stream where its years
// begin, and its years before the programme, run once. No start when its preparation faults.
struct ReplicateStart {
    std::optional<RunStart> start;
    std::optional<RandomStream> years;
    std::optional<ProjectionInParts> past;  // to the year before the start; none when that met anything
};

// One run of a replicate at one cell: whether it faults, and its street totals. A run that cannot
// meet the target stops after the target year (`whole` false): what follows could only fault.
struct CellRun {
    bool faulted = true;
    bool whole = true;  // ran to 2050, or faulted
    double baseline = 0;  // street total in the year before the start
    double atTarget = 0;  // street total in the target year
};

class ReplicateCells {
public:
    ReplicateCells(const RobustPlanRequest& request, const PlanBasis& basis, const YearlyChance& chance)
        : request_(request), basis_(basis), chance_(chance)
    { }

    // The run at (ownedShare, rate); to 2050 when `whole`, else only as far as the target tells.
    CellRun run(const ReplicateStart& replicate, int ownedShare, int rate, bool whole)
    {
        if (!replicate.start) return {};
        if (replicate.past) {
            // Into the last run's parts: a copy, without allocating for every run.
            if (part_)
                *part_ = *replicate.past;
            else
                part_.emplace(*replicate.past);
            ProjectionInParts& part = *part_;
            setCell(part.settings(), ownedShare, rate);
            const int targetYear = request_.plan.settings.targetYear;
            if (part.runTo(targetYear)) {
                CellRun cell{false, false, part.streetTotal(basis_.baselineYear), part.streetTotal(targetYear)};
                if (!whole && !reachesTarget(cell)) return cell;
                if (part.runTo(kLastYear)) {
                    cell.whole = true;
                    return cell;
                }
            }
        }
        // The parts met something (a fault, most likely): the whole run tells what.
        return wholeRun(replicate, ownedShare, rate);
    }

    bool meets(const CellRun& cell) const { return !cell.faulted && reachesTarget(cell); }

private:
    void setCell(ProjectionSettings& settings, int ownedShare, int rate) const
    {
        settings.ownedShare = ownedShare;
        if (basis_.operationsStep)
            settings.operationsPerYear = rate * *basis_.operationsStep;
        else
            settings.programmeRate = rate;
    }

    // A street that died out before the start is already at its target.
    bool reachesTarget(const CellRun& cell) const
    {
        return cell.baseline == 0 ||
               meetsPlanTarget(cell.atTarget, cell.baseline, request_.plan.settings.targetPercent);
    }

    CellRun wholeRun(const ReplicateStart& replicate, int ownedShare, int rate)
    {
        RunStart start = *replicate.start;
        setCell(start.settings, ownedShare, rate);
        const YearlySeries& killed = request_.plan.killedByYear;
        const RunSeries* series = &record_.series;
        try {
            if (chance_.any()) {
                RandomStream stream = *replicate.years;
                projectWithChance(start, killed, chance_, stream, chanceSeries_);
                series = &chanceSeries_;
            } else {
                record_ = ProjectionRecord{};
                project(start.equilibrium, start.settings, killed, record_);
            }
        } catch (const Fault&) {
            return {};
        }
        return {false, true, series->streetTotal[basis_.baselineYear],
                series->streetTotal[request_.plan.settings.targetYear]};
    }

    const RobustPlanRequest& request_;
    const PlanBasis& basis_;
    const YearlyChance& chance_;
    ProjectionRecord record_;
    RunSeries chanceSeries_;
    std::optional<ProjectionInParts> part_;
};

// Replicate k's minimal rate for one share, from its run at rate 0 (which no share changes).
std::int16_t minimalRateOf(ReplicateCells& cells, const ReplicateStart& replicate, const CellRun& atZero,
                           int ownedShare)
{
    if (atZero.faulted) return kFaulted;
    if (cells.meets(atZero)) return 0;
    // The runs this search has made, so that no rate runs twice; whether a rate faults needs its
    // whole run, whether it meets the target only what the target year tells.
    std::vector<std::pair<int, CellRun>> made{{kLowestProgrammeRate, atZero}};
    const auto at = [&](int rate, bool whole = true) -> const CellRun& {
        for (auto& [madeRate, cell] : made)
            if (madeRate == rate) {
                if (whole && !cell.whole) cell = cells.run(replicate, ownedShare, rate, true);
                return cell;
            }
        made.emplace_back(rate, cells.run(replicate, ownedShare, rate, whole));
        return made.back().second;
    };
    // h: the highest rate that does not fault.
    int highest = kHighestProgrammeRate;
    if (at(kHighestProgrammeRate).faulted) {
        int lo = kLowestProgrammeRate;
        int hi = kHighestProgrammeRate;
        while (hi - lo > 1) {
            const int mid = lo + (hi - lo) / 2;
            (at(mid).faulted ? hi : lo) = mid;
        }
        highest = lo;
    }
    if (!cells.meets(at(highest))) return kNeverMet;
    // Bisection keeping "does not meet at lo, meets at hi". Where meeting rises steadily with the
    // rate, hi ends at the smallest rate that meets. Where it does not (the street total need not
    // fall steadily), hi still ends at a rate that meets with the rate one below not meeting, but
    // at whichever such edge lies inside the brackets the halving chose, which may be above a
    // lower rate that also meets.
    int lo = kLowestProgrammeRate;
    int hi = highest;
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        (cells.meets(at(mid, false)) ? hi : lo) = mid;
    }
    return static_cast<std::int16_t>(hi);
}

std::optional<std::string> confidenceProblem(double confidence)
{
    if (confidence >= kLeastConfidence && confidence <= kMostConfidence) return std::nullopt;
    return "the confidence " + shortestText(confidence) + " % must be a number from " + shortestText(kLeastConfidence) +
           " to " + shortestText(kMostConfidence) + " per cent";
}

// Whether the settings draw anything: a range or chance. Otherwise every replicate would be the
// window's run.
bool drawsAnything(const std::optional<UncertaintyRequest>& uncertainty)
{
    return uncertainty && (!uncertainty->ranges.empty() || uncertainty->chance.any());
}

// The uncertainty settings for the window's inputs: one replicate of the window's run when they
// draw nothing.
UncertaintyRequest replicatesFor(const RobustPlanRequest& request)
{
    UncertaintyRequest replicates;
    if (drawsAnything(request.uncertainty))
        replicates = *request.uncertainty;
    else
        replicates.replicates = 1;
    replicates.inputs = request.plan.inputs;
    replicates.killedByYear = request.plan.killedByYear;
    replicates.target.reset();
    replicates.anchor.reset();
    return replicates;
}

RobustRow rowOf(int ownedShare, const std::vector<std::int16_t>& minimal, std::size_t shares, std::size_t share,
                double confidence)
{
    RobustRow row;
    row.ownedShare = ownedShare;
    std::vector<std::size_t> reaching(kPlanRateCount, 0);  // replicates whose minimal rate is each rate
    for (std::size_t k = share; k < minimal.size(); k += shares) {
        const std::int16_t rate = minimal[k];
        if (rate == kFaulted) {
            ++row.faulted;
            continue;
        }
        ++row.valid;
        if (rate >= 0) ++reaching[static_cast<std::size_t>(rate)];
    }
    if (row.valid == 0) return row;
    row.probability.resize(kPlanRateCount);
    std::size_t met = 0;
    for (int rate = kLowestProgrammeRate; rate <= kHighestProgrammeRate; ++rate) {
        met += reaching[static_cast<std::size_t>(rate)];
        row.probability[static_cast<std::size_t>(rate)] = double(met) / double(row.valid);
        // C % of the valid replicates, compared in whole products so that 90 % of 1000 is 900.
        if (!row.minimalRate && double(met) * 100 >= confidence * double(row.valid)) row.minimalRate = rate;
    }
    return row;
}

}  // namespace

std::optional<double> RobustPlan::probability(int ownedShare, int rate) const
{
    const int step = settings.ownedShareStep;
    if (rows.empty() || step <= 0 || ownedShare < 0 || ownedShare > kAllShares || ownedShare % step != 0 ||
        rate < kLowestProgrammeRate || rate > kHighestProgrammeRate)
        throw std::out_of_range("the robust plan has no cell at owned share " + std::to_string(ownedShare) +
                                " and rate " + std::to_string(rate));
    const RobustRow& row = rows[static_cast<std::size_t>(ownedShare / step)];
    if (row.probability.empty()) return std::nullopt;
    return row.probability[static_cast<std::size_t>(rate)];
}

std::optional<std::string> robustPlanProblem(const RobustPlanRequest& request)
{
    if (std::optional<std::string> problem = confidenceProblem(request.confidence)) return problem;
    if (std::optional<std::string> problem = planSettingsProblem(request.plan.settings)) return problem;
    return uncertaintyRefusal(replicatesFor(request));
}

std::optional<RobustPlan> makeRobustPlan(const RobustPlanRequest& request, const BatchRunner& runner,
                                         const BatchControl& control)
{
    if (std::optional<std::string> problem = robustPlanProblem(request)) throw std::invalid_argument(*problem);
    const UncertaintyRequest replicates = replicatesFor(request);
    RobustPlan plan;
    plan.settings = request.plan.settings;
    plan.confidence = request.confidence;
    plan.replicates = replicates.replicates;
    std::variant<PlanBasis, std::string> found = planBasis(request.plan);
    if (std::string* fault = std::get_if<std::string>(&found)) {
        plan.fault = std::move(*fault);
        return plan;
    }
    const PlanBasis& basis = std::get<PlanBasis>(found);
    plan.baseline = basis.baseline;
    plan.operationsStep = basis.operationsStep;

    const std::size_t n = replicates.replicates;
    const std::size_t shares = static_cast<std::size_t>(kAllShares / plan.settings.ownedShareStep + 1);
    const std::size_t total = n + n * shares;
    const auto progressFrom = [&](std::size_t offset) {
        BatchControl part{control.stop, {}};
        if (control.progress)
            part.progress = [&, offset](std::size_t done, std::size_t) { control.progress(offset + done, total); };
        return part;
    };

    // Each replicate's draws, its start, and its run at rate 0, which no share changes: the
    // programme then sterilises none, whatever its split.
    const std::vector<SampledRange> sampled = sampledRanges(replicates);
    std::vector<ReplicateStart> starts(n);
    std::vector<CellRun> atZero(n);
    if (!runner.forEachRange(
            n,
            [&](std::size_t begin, std::size_t end) {
                ReplicateCells cells(request, basis, replicates.chance);
                for (std::size_t k = begin; k < end; ++k) {
                    RandomStream stream(replicates.seed, StreamPurpose::replicate, k);
                    ModelInputs inputs = replicateInputs(replicates, sampled, k, stream);
                    // The cell's rate and share replace any drawn ones.
                    inputs.programmeRate = kLowestProgrammeRate;
                    inputs.ownedShare = 0;
                    if (basis.operationsStep) inputs.operationsPerYear = 0.0;
                    ReplicateStart& replicate = starts[k];
                    try {
                        replicate.start = prepareRun(inputs);
                    } catch (const Fault&) {
                        continue;
                    }
                    replicate.years = stream;
                    replicate.past.emplace(*replicate.start, request.plan.killedByYear, replicates.chance, stream);
                    if (replicate.past->runTo(basis.startYear - 1))
                        replicate.past->drawChanceAhead();
                    else
                        replicate.past.reset();
                    atZero[k] = cells.run(replicate, 0, kLowestProgrammeRate, true);
                }
            },
            progressFrom(0)))
        return std::nullopt;

    // Each replicate and share: its minimal rate, in its own slot.
    std::vector<std::int16_t> minimal(n * shares, kFaulted);
    if (!runner.forEachRange(
            n * shares,
            [&](std::size_t begin, std::size_t end) {
                ReplicateCells cells(request, basis, replicates.chance);
                for (std::size_t i = begin; i < end; ++i) {
                    const std::size_t k = i / shares;
                    const int ownedShare = static_cast<int>(i % shares) * plan.settings.ownedShareStep;
                    minimal[i] = minimalRateOf(cells, starts[k], atZero[k], ownedShare);
                }
            },
            progressFrom(n)))
        return std::nullopt;

    ModelResult result;
    for (std::size_t s = 0; s < shares; ++s) {
        const int ownedShare = static_cast<int>(s) * plan.settings.ownedShareStep;
        RobustRow row = rowOf(ownedShare, minimal, shares, s, plan.confidence);
        plan.faulted = std::max(plan.faulted, row.faulted);
        if (row.minimalRate &&
            !runModelInto(basis.cellInputs(ownedShare, *row.minimalRate), request.plan.killedByYear, result))
            row.figures = planFigures(result, plan.settings, basis);
        plan.rows.push_back(std::move(row));
    }
    for (const RobustRow& row : plan.rows) {
        if (!row.figures) continue;
        if (!plan.cheapest || std::tie(row.figures->cost, *row.minimalRate, row.ownedShare) <
                                  std::tie(plan.cheapest->figures.cost, plan.cheapest->rate, plan.cheapest->ownedShare))
            plan.cheapest = PlanCheapest{row.ownedShare, *row.minimalRate, *row.figures};
    }
    return plan;
}

}  // namespace karnoth
