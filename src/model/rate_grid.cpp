#include "model/rate_grid.h"

#include "model/engine.h"
#include "model/input_field.h"
#include "model/run_steps.h"
#include "model/typed_inputs.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace karnoth {
namespace {

using rate_lanes::kLanes;

// The lanes' build: AVX2's registers hold twice the lanes of SSE2's.
rate_lanes::BatchProjector batchProjector(LaneBuild lanes)
{
#ifdef KARNOTH_AVX2_LANES
    if (lanes == LaneBuild::fastest && __builtin_cpu_supports("avx2")) return rate_lanes::avx2::projectBatch;
#else
    (void)lanes;
#endif
    return rate_lanes::generic::projectBatch;
}

}  // namespace

RateGridRun rateGridRunOf(const ProjectionRecord& record, int startYear, const RateGridYears& years)
{
    RateGridRun run;
    run.streetTotal = record.series.streetTotal[years.targetYear];
    run.streetSterilisedShare = record.streetSterilisedShare[years.targetYear];
    for (int year = startYear; year <= years.targetYear; ++year) {
        run.sterilisedOwned += record.programmeOwned[year];
        run.sterilisedStreet += record.programmeStreet[year];
    }
    const YearlySeries& operations = record.series.extraSterilisations;
    run.operationsFirstYear = operations[startYear];
    for (int year = startYear; year <= years.lastProgrammeYear; ++year) run.operationsSum += operations[year];
    return run;
}

RateGrid::RateGrid(const ModelInputs& inputs, const YearlySeries& killedByYear, const RateGridYears& years,
                   LaneBuild lanes)
    : inputs_(inputs), killedByYear_(killedByYear), years_(years), project_(batchProjector(lanes))
{
    const int startYear = inputs.programmeStart;
    if (startYear <= kFirstYear || years.targetYear < startYear || years.targetYear > kLastYear ||
        years.lastProgrammeYear < startYear || years.lastProgrammeYear > kLastYear)
        throw std::invalid_argument("a rate grid reads its runs from a start in 1951..2050 to a year not before it");
    scansOperations_ = inputs.operationsPerYear.has_value();
    // The cells replace the rate (or the operations) and the owned share; 0 lies in their ranges.
    ModelInputs neutral = inputs;
    neutral.ownedShare = 0;
    if (scansOperations_)
        neutral.operationsPerYear = 0.0;
    else
        neutral.programmeRate = 0;
    TypedInputs source(neutral, killedByYear);
    RunObserver nobody;
    ModelResult prepared;
    try {
        settings_ = prepareProjection(source, nobody, prepared).settings;
    } catch (const Fault&) {
        return;  // every cell faults as its own run says
    }
    // The years before the start, every lane alike.
    rate_lanes::LaneBatch before;
    rate_lanes::BatchEnd atStart;
    const rate_lanes::BatchStart fromEquilibrium{&prepared.equilibrium,
                                                 settings_.density ? settings_.density->equilibriumTotal : 0.0,
                                                 kFirstYear, startYear - 1};
    project_(fromEquilibrium, settings_, killedByYear_, {years_.targetYear, years_.lastProgrammeYear}, before,
             &atStart);
    if (before.unusual[0]) return;  // every cell runs on its own
    atStart_ = atStart.state;
    crowdingAtStart_ = atStart.crowdingTotal;
    shared_ = true;
}

RateGridRun RateGrid::runAlone(const RateGridCell& cell) const
{
    ModelInputs inputs = inputs_;
    if (scansOperations_)
        inputs.operationsPerYear = cell.rateOrOperations;
    else
        inputs.programmeRate = cell.rateOrOperations;
    inputs.ownedShare = cell.ownedShare;
    ModelResult result;
    RateGridRun run;
    if (std::optional<Fault> fault = runModelInto(inputs, killedByYear_, result))
        run.fault = std::move(fault);
    else
        run = rateGridRunOf(result, inputs.programmeStart, years_);
    return run;
}

void RateGrid::run(std::span<const RateGridCell> cells, std::span<RateGridRun> runs) const
{
    if (!shared_) {
        for (std::size_t i = 0; i < cells.size(); ++i) runs[i] = runAlone(cells[i]);
        return;
    }
    const InputField scanned = scansOperations_ ? InputField::operationsPerYear : InputField::programmeRate;
    const rate_lanes::BatchStart startOfProgramme{&atStart_, crowdingAtStart_, settings_.programmeStart, kLastYear};
    for (std::size_t begin = 0; begin < cells.size(); begin += kLanes) {
        const std::size_t count = std::min<std::size_t>(kLanes, cells.size() - begin);
        rate_lanes::LaneBatch batch;
        std::array<bool, kLanes> outsideRange{};
        for (int lane = 0; lane < kLanes; ++lane) {
            // A batch short of lanes repeats its last cell.
            const RateGridCell& cell = cells[begin + std::min<std::size_t>(lane, count - 1)];
            try {
                requireInRange(scanned, cell.rateOrOperations);
                requireInRange(InputField::ownedShare, cell.ownedShare);
            } catch (const Fault&) {
                outsideRange[lane] = true;
            }
            (scansOperations_ ? batch.operations : batch.rate)[lane] = cell.rateOrOperations;
            batch.ownedShare[lane] = cell.ownedShare;
        }
        project_(startOfProgramme, settings_, killedByYear_, {years_.targetYear, years_.lastProgrammeYear}, batch,
                 nullptr);
        for (std::size_t lane = 0; lane < count; ++lane) {
            RateGridRun& run = runs[begin + lane];
            if (outsideRange[lane] || batch.unusual[lane]) {
                run = runAlone(cells[begin + lane]);
                continue;
            }
            run.fault.reset();
            run.streetTotal = batch.streetTotal[lane];
            run.streetSterilisedShare = batch.streetSterilisedShare[lane];
            run.sterilisedOwned = batch.sterilisedOwned[lane];
            run.sterilisedStreet = batch.sterilisedStreet[lane];
            run.operationsFirstYear = batch.operationsFirstYear[lane];
            run.operationsSum = batch.operationsSum[lane];
        }
    }
}

}  // namespace karnoth
