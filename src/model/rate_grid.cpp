#include "model/rate_grid.h"

#include "model/engine.h"
#include "model/input_field.h"
#include "model/run_steps.h"
#include "model/typed_inputs.h"
#include "model/yearly_steps.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace karnoth {
namespace {

// Runs projected at once. Each lane is one run; a year's step is one vector operation over the
// lanes, which the compiler splits into whatever registers the processor has.
constexpr int kLanes = 8;
using Singles = float __attribute__((vector_size(kLanes * sizeof(float))));
using Doubles = double __attribute__((vector_size(kLanes * sizeof(double))));
using SingleMask = std::int32_t __attribute__((vector_size(kLanes * sizeof(std::int32_t))));
using LaneClasses = std::array<Singles, kOldestAge + 1>;

// A single widened to double and a double rounded to a single, lane by lane, as a single run
// converts them (to nearest).
Doubles wide(Singles x)
{
    return __builtin_convertvector(x, Doubles);
}

Singles narrow(Doubles x)
{
    return __builtin_convertvector(x, Singles);
}

Doubles everyLane(double x)
{
    Doubles lanes;
    for (int lane = 0; lane < kLanes; ++lane) lanes[lane] = x;
    return lanes;
}

Singles everyLane(float x)
{
    Singles lanes;
    for (int lane = 0; lane < kLanes; ++lane) lanes[lane] = x;
    return lanes;
}

// Lanes whose value is infinite or not a number: there x - x is not 0.
SingleMask notFinite(Singles x)
{
    return ~((x - x) == 0.0f);
}

// Lanes where a removal left fewer than -0.5 dogs (or not a number): a single run faults there.
SingleMask overdrawn(Singles x)
{
    return ~(x >= -0.5f);
}

// std::min(wanted, std::max(0.0, fertile)), lane by lane, with the same choices on ties and NaN.
Doubles cappedOperations(Doubles wanted, Doubles fertile)
{
    const Doubles zero{};
    const Doubles atLeastZero = (zero < fertile) ? fertile : zero;
    return (atLeastZero < wanted) ? atLeastZero : wanted;
}

// The classes from..to added in singles from 0, in order.
Singles sumClasses(const LaneClasses& classes, int from, int to)
{
    Singles sum{};
    for (int a = from; a <= to; ++a) sum = sum + classes[a];
    return sum;
}

// Ages 2..10 from last year's class below at `survival`; the oldest class leaves.
void ageClasses(LaneClasses& classes, double survival)
{
    for (int a = kOldestAge; a >= 2; --a) classes[a] = narrow(survival * wide(classes[a - 1]));
}

struct LaneState {
    LaneClasses ownedFertile, ownedSterile, streetFertile, streetSterile;
    Doubles crowdingTotal;  // the street total crowding reads this year
};

// Each lane's programme: rate H (tenths of a per cent), owned share T (per cent), operations Q.
struct LaneProgramme {
    Doubles rate{};
    Doubles ownedShare{};
    Doubles operations{};
};

struct LaneFigures {
    Singles streetTotal{};
    std::array<float, kLanes> streetSterilisedShare{};
    Doubles sterilisedOwned{};
    Doubles sterilisedStreet{};
    Singles operationsFirstYear{};
    Doubles operationsSum{};
    SingleMask unusual{};  // lanes that must be run on their own
};

// The years first..last of the projection for every lane: the steps of a single run's fast pass
// (yearly_steps.h with singles), each lane's operations in the same order. Where a single run
// would fault, stop on a value that is not finite, or check a removal, the lane is marked unusual
// instead; its other figures then mean nothing. Figures are read from the programme's start on.
void projectLanes(LaneState& p, const ProjectionSettings& in, const PopulationState& start,
                  const YearlySeries& killedByYear, int first, int last, const LaneProgramme& programme,
                  const RateGridYears& years, LaneFigures& out)
{
    auto& of = p.ownedFertile;
    auto& os = p.ownedSterile;
    auto& sf = p.streetFertile;
    auto& ss = p.streetSterile;
    const Doubles& H = programme.rate;
    const Doubles& T = programme.ownedShare;
    const Doubles& Q = programme.operations;
    const Doubles streetPart = 1.0 - T / 100.0;
    const Singles retained = everyLane(start.retainedYearlings);
    const Singles twiceRetained = everyLane(2 * start.retainedYearlings);
    const double ownersShare = 1.0 - start.unsterilisedShare;
    const double ownedFirstYear = start.firstYearSurvival;
    const int R = in.firstBreedingAge;
    const int L = in.lastBreedingAge;
    const int treatedAges = in.onlyYearlings ? 1 : kOldestAge;
    SingleMask& unusual = out.unusual;

    for (int Y = first; Y <= last; ++Y) {
        const bool programmeRuns = in.programmeRuns(Y);
        const bool startYear = Y == in.programmeStart;
        const double effort = startYear ? in.firstYearMultiplier : 1.0;
        Doubles streetJuvenile = everyLane(in.streetJuvenileSurvival);
        if (in.density)
            for (int lane = 0; lane < kLanes; ++lane)
                streetJuvenile[lane] = in.density->juvenileSurvival(in.streetJuvenileSurvival, p.crowdingTotal[lane]);
        Singles programmeOwned{};
        Singles programmeStreet{};

        // 1.-2. Owned ageing and recruits.
        ageClasses(of, in.adultSurvival);
        ageClasses(os, in.adultSurvival);
        Singles yearlings = narrow(ownedFirstYear * wide(of[0]));
        // 3. Abandonment, by the three cases of a single run.
        const SingleMask noneAbandoned = yearlings < retained;
        const SingleMask withinTwice = ~noneAbandoned & (yearlings <= twiceRetained);
        const Singles surplus = yearlings - retained;
        const Singles surplusKept = (surplus >= 0.0f) ? surplus : Singles{};
        const Singles abandoned = noneAbandoned ? Singles{} : (withinTwice ? surplus : surplusKept);
        yearlings = noneAbandoned ? yearlings : (withinTwice ? retained : yearlings - surplusKept);
        // 4. Owners sterilise their share.
        const Singles ownersSterilise = narrow(ownersShare * wide(yearlings));
        yearlings = yearlings - ownersSterilise;
        os[1] = ownersSterilise;
        // 5. The programme on owned yearlings.
        if (programmeRuns) {
            Singles X;
            if (in.operationsPerYear) {
                X = narrow(cappedOperations(T / 100.0 * Q * effort, wide(yearlings)));
            } else {
                X = narrow(H * wide(yearlings) / 1000.0 * T / 100.0);
                if (startYear) X = narrow(wide(X) * effort);
            }
            yearlings = yearlings - X;
            unusual |= overdrawn(yearlings);
            os[1] = os[1] + X;
            programmeOwned = X;
        }
        of[1] = yearlings;
        // 6. Owned births.
        const Singles ownedBreeders = sumClasses(of, R, L);
        of[0] = narrow(in.femalePupsPerLitter * (in.probPregnant * wide(ownedBreeders)));

        // 7.-8. Street ageing and recruits.
        ageClasses(sf, in.adultSurvival);
        ageClasses(ss, in.adultSurvival);
        sf[1] = narrow(streetJuvenile * wide(sf[0]) + wide(abandoned));
        // 9. The 2005 share of abandoned dogs divides by the street yearlings.
        if (Y == 2005) {
            unusual |= sf[1] == 0.0f;
            unusual |= notFinite(narrow(wide(abandoned) / wide(sf[1])));
        }
        // 10.-11. New street yearlings are fertile; culling.
        ss[1] = Singles{};
        if (in.cullFrom <= Y && Y <= in.cullTo) {
            if (Y - 1 < kFirstYear) {
                unusual = ~SingleMask{};
                return;
            }
            const Singles total = sumClasses(sf, 1, kOldestAge);
            unusual |= total == 0.0f;
            const double killed = killedByYear[Y - 1];
            for (int a = 1; a <= kOldestAge; ++a) {
                sf[a] = narrow(wide(sf[a]) - wide(sf[a]) * killed / wide(total));
                unusual |= overdrawn(sf[a]);
            }
        }
        // 12. The street programme.
        Singles extra = programmeOwned;
        if (programmeRuns) {
            const auto sterilise = [&](int a, Singles X) {
                sf[a] = sf[a] - X;
                unusual |= overdrawn(sf[a]);
                ss[a] = ss[a] + X;
                programmeStreet = programmeStreet + X;
            };
            if (!in.operationsPerYear) {
                for (int a = 1; a <= treatedAges; ++a) {
                    Singles X = narrow(streetPart * (H * wide(sf[a]) / 1000.0));
                    if (startYear) X = narrow(wide(X) * effort);
                    sterilise(a, X);
                }
            } else {
                const Singles fertileTreated = sumClasses(sf, 1, treatedAges);
                const Doubles fertileWide = wide(fertileTreated);
                const Doubles done = wide(narrow(cappedOperations(streetPart * Q * effort, fertileWide)));
                const SingleMask anyFertile = fertileTreated > 0.0f;
                for (int a = 1; a <= treatedAges; ++a)
                    sterilise(a, anyFertile ? narrow(wide(sf[a]) * done / fertileWide) : Singles{});
            }
            extra = extra + programmeStreet;
        }
        if (in.immigrantsPerYear != 0) sf[1] = narrow(wide(sf[1]) + in.immigrantsPerYear);
        // 13. Street births.
        const Singles streetBreeders = sumClasses(sf, R, L);
        sf[0] = narrow(in.femalePupsPerLitter * (in.probPregnant * wide(streetBreeders)));
        // 14. Street females aged 1 to 10, each class's fertile and sterilised added in double first.
        Singles total{};
        for (int a = 1; a <= kOldestAge; ++a) total = narrow(wide(total) + (wide(sf[a]) + wide(ss[a])));
        p.crowdingTotal = wide(total);

        unusual |= notFinite(total) | notFinite(streetBreeders) | notFinite(ownedBreeders) | notFinite(extra) |
                   notFinite(programmeOwned) | notFinite(programmeStreet) | notFinite(os[1]);
        if (Y < in.programmeStart) continue;
        if (Y <= years.targetYear) {
            out.sterilisedOwned = out.sterilisedOwned + wide(programmeOwned);
            out.sterilisedStreet = out.sterilisedStreet + wide(programmeStreet);
        }
        if (Y == in.programmeStart) out.operationsFirstYear = extra;
        if (Y <= years.lastProgrammeYear) out.operationsSum = out.operationsSum + wide(extra);
        if (Y == years.targetYear) {
            out.streetTotal = total;
            for (int lane = 0; lane < kLanes; ++lane) {
                yearly_steps::Classes sterilised;
                for (int a = 0; a <= kOldestAge; ++a) sterilised[a] = ss[a][lane];
                const double streetSterilised = yearly_steps::agedOneToTen(sterilised);
                const double laneTotal = total[lane];
                out.streetSterilisedShare[lane] = laneTotal == 0 ? 0.0f
                                                                 : static_cast<float>(streetSterilised / laneTotal);
            }
        }
    }
    for (const LaneClasses* classes : {&of, &os, &sf, &ss})
        for (const Singles& lanes : *classes) unusual |= notFinite(lanes);
}

// Every lane at the one state `start`.
LaneState everyLaneAt(const PopulationState& start, double crowdingTotal)
{
    LaneState p;
    for (int a = 0; a <= kOldestAge; ++a) {
        p.ownedFertile[a] = everyLane(start.ownedFertile[a]);
        p.ownedSterile[a] = everyLane(start.ownedSterile[a]);
        p.streetFertile[a] = everyLane(start.streetFertile[a]);
        p.streetSterile[a] = everyLane(start.streetSterile[a]);
    }
    p.crowdingTotal = everyLane(crowdingTotal);
    return p;
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

RateGrid::RateGrid(const ModelInputs& inputs, const YearlySeries& killedByYear, const RateGridYears& years)
    : inputs_(inputs), killedByYear_(killedByYear), years_(years)
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
    atStart_ = prepared.equilibrium;
    LaneState p = everyLaneAt(atStart_, settings_.density ? settings_.density->equilibriumTotal : 0.0);
    LaneFigures figures;
    projectLanes(p, settings_, atStart_, killedByYear_, kFirstYear, startYear - 1, LaneProgramme{}, years_, figures);
    if (figures.unusual[0]) return;  // the years before the start are for every cell to run on its own
    for (int a = 0; a <= kOldestAge; ++a) {
        atStart_.ownedFertile[a] = p.ownedFertile[a][0];
        atStart_.ownedSterile[a] = p.ownedSterile[a][0];
        atStart_.streetFertile[a] = p.streetFertile[a][0];
        atStart_.streetSterile[a] = p.streetSterile[a][0];
    }
    crowdingAtStart_ = p.crowdingTotal[0];
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
    for (std::size_t begin = 0; begin < cells.size(); begin += kLanes) {
        const std::size_t count = std::min<std::size_t>(kLanes, cells.size() - begin);
        LaneProgramme programme;
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
            (scansOperations_ ? programme.operations : programme.rate)[lane] = cell.rateOrOperations;
            programme.ownedShare[lane] = cell.ownedShare;
        }
        LaneState p = everyLaneAt(atStart_, crowdingAtStart_);
        LaneFigures figures;
        projectLanes(p, settings_, atStart_, killedByYear_, settings_.programmeStart, kLastYear, programme, years_,
                     figures);
        for (std::size_t lane = 0; lane < count; ++lane) {
            RateGridRun& run = runs[begin + lane];
            if (outsideRange[lane] || figures.unusual[lane]) {
                run = runAlone(cells[begin + lane]);
                continue;
            }
            run.fault.reset();
            run.streetTotal = figures.streetTotal[lane];
            run.streetSterilisedShare = figures.streetSterilisedShare[lane];
            run.sterilisedOwned = figures.sterilisedOwned[lane];
            run.sterilisedStreet = figures.sterilisedStreet[lane];
            run.operationsFirstYear = figures.operationsFirstYear[lane];
            run.operationsSum = figures.operationsSum[lane];
        }
    }
}

}  // namespace karnoth
