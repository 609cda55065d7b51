#include "model/rate_grid_lanes.h"

#include "model/yearly_steps.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

// Built twice, KARNOTH_LANE_SET naming the namespace: generic, and avx2 (with -mavx2).
namespace karnoth::rate_lanes::KARNOTH_LANE_SET {
namespace {

// A year's step is one vector operation over the lanes, which the compiler splits into whatever
// registers the processor has.
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

// `x` in every lane, by one broadcast.
template <class Lanes, class Value, std::size_t... lane>
Lanes broadcast(Value x, std::index_sequence<lane...>)
{
    return Lanes{((void)lane, x)...};
}

template <class Lanes, class Value>
Lanes everyLane(Value x)
{
    return broadcast<Lanes>(x, std::make_index_sequence<kLanes>{});
}

Doubles fromArray(const std::array<double, kLanes>& values)
{
    Doubles lanes;
    for (int lane = 0; lane < kLanes; ++lane) lanes[lane] = values[lane];
    return lanes;
}

// Lanes whose value is infinite or not a number: there x - x is not 0.
SingleMask notFinite(Singles x)
{
    return ~((x - x) == Singles{});
}

// Lanes where a removal left fewer than -0.5 dogs (or not a number): a single run stops there.
SingleMask overdrawn(Singles x)
{
    return ~(x >= everyLane<Singles>(-0.5f));
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

// Ages 2..oldest from last year's class below at `survival`.
void ageClasses(LaneClasses& classes, Doubles survival, int oldest)
{
    for (int a = oldest; a >= 2; --a) classes[a] = narrow(survival * wide(classes[a - 1]));
}

}  // namespace

void projectBatch(const BatchStart& start, const ProjectionSettings& in, const YearlySeries& killedByYear,
                  const RateGridYears& years, LaneBatch& batch, BatchEnd* end)
{
    const PopulationState& from = *start.state;
    LaneClasses of, os, sf, ss;
    for (int a = 0; a <= kOldestAge; ++a) {
        of[a] = everyLane<Singles>(from.ownedFertile[a]);
        os[a] = everyLane<Singles>(from.ownedSterile[a]);
        sf[a] = everyLane<Singles>(from.streetFertile[a]);
        ss[a] = everyLane<Singles>(from.streetSterile[a]);
    }
    Doubles crowdingTotal = everyLane<Doubles>(start.crowdingTotal);
    const Doubles H = fromArray(batch.rate);
    const Doubles T = fromArray(batch.ownedShare);
    const Doubles Q = fromArray(batch.operations);
    // Every scalar a step multiplies or divides by, in every lane once and for all (a scalar in a
    // vector operation would be spread over the lanes again at every use).
    const Doubles hundred = everyLane<Doubles>(100.0);
    const Doubles thousand = everyLane<Doubles>(1000.0);
    const Doubles one = everyLane<Doubles>(1.0);
    const Doubles adultSurvival = everyLane<Doubles>(in.adultSurvival);
    const Doubles probPregnant = everyLane<Doubles>(in.probPregnant);
    const Doubles femalePupsPerLitter = everyLane<Doubles>(in.femalePupsPerLitter);
    const Doubles immigrants = everyLane<Doubles>(in.immigrantsPerYear);
    const Doubles firstYearMultiplier = everyLane<Doubles>(in.firstYearMultiplier);
    const SingleMask withoutSign = everyLane<SingleMask>(0x7fffffff);
    const SingleMask largeClass = everyLane<SingleMask>(std::bit_cast<std::int32_t>(1e30f));
    const Doubles ownedPart = T / hundred;
    const Doubles streetPart = one - T / hundred;
    const Singles retained = everyLane<Singles>(from.retainedYearlings);
    const Singles twiceRetained = everyLane<Singles>(2 * from.retainedYearlings);
    const Doubles ownersShare = everyLane<Doubles>(1.0 - from.unsterilisedShare);
    const Doubles ownedFirstYear = everyLane<Doubles>(double(from.firstYearSurvival));
    const int R = in.firstBreedingAge;
    const int L = in.lastBreedingAge;
    const int treatedAges = in.onlyYearlings ? 1 : kOldestAge;
    // The owned classes past the last breeding age and the owned sterilised classes past 1 feed
    // nothing a grid reads: they only age, each a survival below 1 times a class checked finite,
    // so they are left as they start. Yearlings and sterilised yearlings are checked every year.
    const int oldestOwnedRead = R <= L ? std::max(L, 1) : 1;
    const Doubles streetJuvenileUncrowded = everyLane<Doubles>(in.streetJuvenileSurvival);
    Doubles sterilisedOwned{};
    Doubles sterilisedStreet{};
    Doubles operationsSum{};
    SingleMask unusual{};

    for (int Y = start.first; Y <= start.last; ++Y) {
        const bool programmeRuns = in.programmeRuns(Y);
        const bool startYear = Y == in.programmeStart;
        const Doubles effort = startYear ? firstYearMultiplier : one;
        Doubles streetJuvenile = streetJuvenileUncrowded;
        if (in.density)
            for (int lane = 0; lane < kLanes; ++lane)
                streetJuvenile[lane] = in.density->juvenileSurvival(in.streetJuvenileSurvival, crowdingTotal[lane]);
        Singles programmeOwned{};
        Singles programmeStreet{};
        // The sterilised street classes feed only the street total, read in the target year and,
        // under crowding, every year: after the target year they are no longer followed.
        const bool totalRead = in.density || Y == years.targetYear;
        const bool sterilisedTracked = in.density || Y <= years.targetYear;

        // 1.-2. Owned ageing and recruits.
        ageClasses(of, adultSurvival, oldestOwnedRead);
        Singles yearlings = narrow(ownedFirstYear * wide(of[0]));
        // 3. Abandonment, by the three cases of a single run.
        const SingleMask noneAbandoned = yearlings < retained;
        const SingleMask withinTwice = ~noneAbandoned & (yearlings <= twiceRetained);
        const Singles surplus = yearlings - retained;
        const Singles surplusKept = (surplus >= Singles{}) ? surplus : Singles{};
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
                X = narrow(cappedOperations(ownedPart * Q * effort, wide(yearlings)));
            } else {
                X = narrow(H * wide(yearlings) / thousand * T / hundred);
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
        of[0] = narrow(femalePupsPerLitter * (probPregnant * wide(ownedBreeders)));

        // 7.-8. Street ageing and recruits.
        ageClasses(sf, adultSurvival, kOldestAge);
        if (sterilisedTracked) ageClasses(ss, adultSurvival, kOldestAge);
        sf[1] = narrow(streetJuvenile * wide(sf[0]) + wide(abandoned));
        // 9. The 2005 share of abandoned dogs divides by the street yearlings.
        if (Y == 2005) {
            unusual |= sf[1] == Singles{};
            unusual |= notFinite(narrow(wide(abandoned) / wide(sf[1])));
        }
        // 10.-11. New street yearlings are fertile; culling.
        ss[1] = Singles{};
        if (in.cullFrom <= Y && Y <= in.cullTo) {
            if (Y - 1 < kFirstYear) {
                batch.unusual.fill(true);
                return;
            }
            const Singles total = sumClasses(sf, 1, kOldestAge);
            unusual |= total == Singles{};
            const Doubles killed = everyLane<Doubles>(double(killedByYear[Y - 1]));
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
                if (sterilisedTracked) ss[a] = ss[a] + X;
                programmeStreet = programmeStreet + X;
            };
            if (!in.operationsPerYear) {
                for (int a = 1; a <= treatedAges; ++a) {
                    Singles X = narrow(streetPart * (H * wide(sf[a]) / thousand));
                    if (startYear) X = narrow(wide(X) * effort);
                    sterilise(a, X);
                }
            } else {
                const Singles fertileTreated = sumClasses(sf, 1, treatedAges);
                const Doubles fertileWide = wide(fertileTreated);
                const Doubles done = wide(narrow(cappedOperations(streetPart * Q * effort, fertileWide)));
                const SingleMask anyFertile = fertileTreated > Singles{};
                for (int a = 1; a <= treatedAges; ++a)
                    sterilise(a, anyFertile ? narrow(wide(sf[a]) * done / fertileWide) : Singles{});
            }
            extra = extra + programmeStreet;
        }
        if (in.immigrantsPerYear != 0) sf[1] = narrow(wide(sf[1]) + immigrants);
        // 13. Street births.
        const Singles streetBreeders = sumClasses(sf, R, L);
        sf[0] = narrow(femalePupsPerLitter * (probPregnant * wide(streetBreeders)));
        // 14. Street females aged 1 to 10, each class's fertile and sterilised added in double
        // first. Crowding reads the total every year; otherwise only the target year's is read.
        Singles total{};
        if (totalRead) {
            for (int a = 1; a <= kOldestAge; ++a) total = narrow(wide(total) + (wide(sf[a]) + wide(ss[a])));
            crowdingTotal = wide(total);
            unusual |= notFinite(total);
        }
        // Every other year's total is finite when every class lies within +-1e30, which is checked
        // instead: twenty such classes cannot reach the largest single, and neither can sterilised
        // classes no longer followed, which gain at most a fertile class and a half a year.
        SingleMask largest{};  // the largest class's bits without the sign (a single's size orders so)
        for (int a = 1; a <= kOldestAge; ++a) {
            const SingleMask fertile = std::bit_cast<SingleMask>(sf[a]) & withoutSign;
            largest = largest > fertile ? largest : fertile;
            if (sterilisedTracked) {
                const SingleMask sterilised = std::bit_cast<SingleMask>(ss[a]) & withoutSign;
                largest = largest > sterilised ? largest : sterilised;
            }
        }
        unusual |= largest >= largeClass;
        unusual |= notFinite(streetBreeders) | notFinite(ownedBreeders) | notFinite(extra) | notFinite(programmeOwned) |
                   notFinite(programmeStreet) | notFinite(yearlings) | notFinite(os[1]);
        if (Y < in.programmeStart) continue;
        if (Y <= years.targetYear) {
            sterilisedOwned = sterilisedOwned + wide(programmeOwned);
            sterilisedStreet = sterilisedStreet + wide(programmeStreet);
        }
        if (Y <= years.lastProgrammeYear) operationsSum = operationsSum + wide(extra);
        if (Y == in.programmeStart)
            for (int lane = 0; lane < kLanes; ++lane) batch.operationsFirstYear[lane] = extra[lane];
        if (Y == years.targetYear) {
            for (int lane = 0; lane < kLanes; ++lane) {
                yearly_steps::Classes sterilised;
                for (int a = 0; a <= kOldestAge; ++a) sterilised[a] = ss[a][lane];
                const double streetSterilised = yearly_steps::agedOneToTen(sterilised);
                const double laneTotal = total[lane];
                batch.streetTotal[lane] = total[lane];
                batch.streetSterilisedShare[lane] = laneTotal == 0 ? 0.0f
                                                                   : static_cast<float>(streetSterilised / laneTotal);
            }
        }
    }
    for (const LaneClasses* classes : {&of, &os, &sf, &ss})
        for (const Singles& lanes : *classes) unusual |= notFinite(lanes);
    for (int lane = 0; lane < kLanes; ++lane) {
        batch.sterilisedOwned[lane] = sterilisedOwned[lane];
        batch.sterilisedStreet[lane] = sterilisedStreet[lane];
        batch.operationsSum[lane] = operationsSum[lane];
        batch.unusual[lane] = unusual[lane] != 0;
    }
    if (end) {
        end->state = from;
        for (int a = 0; a <= kOldestAge; ++a) {
            end->state.ownedFertile[a] = of[a][0];
            end->state.ownedSterile[a] = os[a][0];
            end->state.streetFertile[a] = sf[a][0];
            end->state.streetSterile[a] = ss[a][0];
        }
        end->crowdingTotal = crowdingTotal[0];
    }
}

}  // namespace karnoth::rate_lanes::KARNOTH_LANE_SET
