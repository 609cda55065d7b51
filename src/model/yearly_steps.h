#pragma once
// The fourteen yearly steps of a projection, written once. The model's own run counts in singles
// with nothing left to chance; the uncertainty analysis runs the same steps with counts that draw
// whole animals and with a survival factor drawn each year. What differs is a `Counts` policy:
//
//   using Count = float or double;                 how a class of dogs is held
//   static constexpr bool varies;                  whether two years from one state may differ
//   static constexpr bool emptyStreetIsOutcome;    a street that dies out is a result, not a fault
//   YearSurvival survivals(settings, firstYearSurvival);   this year's survivals (drawn first)
//   and the counting operations below (survivors, taken, births, the programme, the cull).
//
// and a `Stores` policy: the fast pass only rounds each store to a single and checks the state
// once at the end; the checked pass checks every store and words the fault. A projection runs
// fast and, when anything went wrong, again checked from the same start (and the same random
// draws), so both give the same singles and the fault is found where it happened.

#include "model/input_field.h"
#include "model/population_state.h"
#include "model/projection.h"
#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace karnoth::yearly_steps {

inline constexpr const char* kOwnedStep = "the owned population's year";
inline constexpr const char* kStreetStep = "the street population's year";

// A sum, difference or product of two singles formed in double and stored as a single equals the
// same operation done in single precision (a double has more than twice a single's digits, so the
// second rounding never changes the first), so those steps work on singles directly.
struct CheckedStores {
    static constexpr bool fast = false;
    static float single(double value, const char* what) { return toSingle(value, what); }
    static double result(double value, const char* what) { return checkedResult(value, what); }
    static float checked(float value, const char* what)
    {
        if (!std::isfinite(value)) [[unlikely]] {
            if (std::isnan(value)) raiseInvalid(what);
            raiseOverflow(what);
        }
        return value;
    }
    static float add(float a, float b, const char* what) { return checked(a + b, what); }
    static float subtract(float a, float b, const char* what) { return checked(a - b, what); }
    static float multiply(float a, float b, const char* what) { return checked(a * b, what); }
};

struct FastStores {
    static constexpr bool fast = true;
    static float single(double value, const char*) { return static_cast<float>(value); }
    static double result(double value, const char*) { return value; }
    static float add(float a, float b, const char*) { return a + b; }
    static float subtract(float a, float b, const char*) { return a - b; }
    static float multiply(float a, float b, const char*) { return a * b; }
};

// Thrown by the fast pass when a year ends with a value that is not finite or a step removed more
// dogs than there are: the checked pass then finds the step and words the fault.
struct NotFinite { };

// This year's survivals: adult, street pups' first year, owned pups' first year.
struct YearSurvival {
    double adult;
    double streetJuvenile;
    double ownedFirstYear;
};

// The model's own counts: singles, each step rounding as the model always has, nothing drawn.
struct SingleCounts {
    using Count = float;
    static constexpr bool varies = false;
    static constexpr bool emptyStreetIsOutcome = false;

    static YearSurvival survivals(const ProjectionSettings& in, float firstYearSurvival)
    {
        return {in.adultSurvival, in.streetJuvenileSurvival, firstYearSurvival};
    }
    static Count fromModel(float value) { return value; }
    template <class Stores>
    static Count add(Stores, Count a, Count b, const char* what)
    {
        return Stores::add(a, b, what);
    }
    template <class Stores>
    static Count subtract(Stores, Count a, Count b, const char* what)
    {
        return Stores::subtract(a, b, what);
    }
    template <class Stores>
    static Count survivors(Stores, Count count, double survival, const char* what)
    {
        return Stores::single(survival * count, what);
    }
    // The owned pups' first year: both factors are singles, so their product rounds in single.
    template <class Stores>
    static Count ownedRecruits(Stores, Count pups, double survival, const char* what)
    {
        return Stores::single(survival * pups, what);
    }
    template <class Stores>
    static Count streetRecruits(Stores, Count pups, double survival, Count abandoned)
    {
        return Stores::single(Stores::result(survival * pups + abandoned, kStreetStep), kStreetStep);
    }
    // A share of a group, as the owners sterilise their yearlings.
    template <class Stores>
    static Count taken(Stores, Count count, double share, const char* what)
    {
        return Stores::single(share * count, what);
    }
    // The programme on owned yearlings: H / 1000 of them, T / 100 of that, times the first-year
    // multiplier in the start year (`effort`, else nothing is multiplied).
    template <class Stores>
    static Count ownedProgramme(Stores, Count yearlings, double H, double T, const double* effort)
    {
        const float treated = Stores::single(H * yearlings / 1000.0 * T / 100.0, kOwnedStep);
        return effort ? Stores::single(treated * *effort, kOwnedStep) : treated;
    }
    template <class Stores>
    static Count streetProgramme(Stores, Count fertile, double H, double T, const double* effort)
    {
        const float treated = Stores::single((1.0 - T / 100.0) * (H * fertile / 1000.0), kStreetStep);
        return effort ? Stores::single(treated * *effort, kStreetStep) : treated;
    }
    template <class Stores>
    static Count afterCull(Stores, Count fertile, double killed, Count total)
    {
        return Stores::single(Stores::result(fertile - fertile * killed / total, kStreetStep), kStreetStep);
    }
    template <class Stores>
    static Count births(Stores, Count breeders, double P, double Lit, const char* what)
    {
        return Stores::single(Lit * (P * breeders), what);
    }
    // The street yearlings after this year's arrivals.
    template <class Stores>
    static Count afterArrivals(Stores, Count yearlings, double arriving)
    {
        return Stores::single(double(yearlings) + arriving, kStreetStep);
    }
    // Operations wanted on a group of `fertile` dogs: never more than there are, nor fewer than 0.
    template <class Stores>
    static Count operationsDone(Stores, double wanted, Count fertile, const char* what)
    {
        return Stores::single(std::min(wanted, std::max(0.0, double(fertile))), what);
    }
    // One class's part of `done` operations spread over `fertile` dogs in proportion to the class;
    // `before` counts the classes before it (whole counts round their running total).
    template <class Stores>
    static Count operationsOnClass(Stores, Count inClass, Count /*before*/, Count done, Count fertile)
    {
        return Stores::single(double(inClass) * done / fertile, kStreetStep);
    }
};

using Classes = std::array<float, kOldestAge + 1>;

// True when no value is infinite or NaN; for singles branch-free (all exponent bits set), so it
// vectorises.
inline bool allFinite(const float* values, std::size_t count)
{
    std::uint32_t bad = 0;
    for (std::size_t i = 0; i < count; ++i)
        bad |= (std::bit_cast<std::uint32_t>(values[i]) & 0x7f800000u) == 0x7f800000u;
    return bad == 0;
}

inline bool allFinite(const double* values, std::size_t count)
{
    bool finite = true;
    for (std::size_t i = 0; i < count; ++i) finite &= std::isfinite(values[i]);
    return finite;
}

template <class T, std::size_t N>
bool allFinite(const std::array<T, N>& values)
{
    return allFinite(values.data(), N);
}

// A count held as a yearly series value: a single.
template <class Stores, class Count>
float stored(Count value, const char* what)
{
    if constexpr (std::is_same_v<Count, float>)
        return value;
    else
        return Stores::single(value, what);
}

// A sum over the classes from..to, each addition counted as the policy counts.
template <class Counts, class Stores, class Count, std::size_t N>
Count sumClasses(const std::array<Count, N>& classes, int from, int to, const char* what)
{
    Count sum = 0;
    for (int a = from; a <= to; ++a) sum = Counts::add(Stores{}, sum, classes[a], what);
    return sum;
}

inline std::string grouped(double value)
{
    return formatGrouped(value, NumberLocale{});
}

// A count after a removal: below -0.5 the step removed more dogs than there are (between -0.5
// and 0 is rounding and is kept). The fast pass leaves the wording to the checked pass.
template <class Stores, class WhatWentWrong>
void requireNotOverdrawn(double count, WhatWentWrong&& message)
{
    if (count >= -0.5) [[likely]]
        return;
    if constexpr (Stores::fast)
        throw NotFinite{};
    else
        throw Fault(FaultKind::ImpossibleState, message());
}

// Whether year Y does what the year before did, so that from the same state it gives the same.
// Crowding reads the street total of the year before, which is that of the state the year starts
// from, except in 1951, since 1950 reads the equilibrium's total in double.
inline bool repeatsTheYearBefore(int Y, const ProjectionSettings& in, const YearlySeries& killedByYear)
{
    const int start = in.programmeStart;
    // Neither year the start, so the programme runs in both or in neither unless Y - 1 was its last.
    if (Y == 2005 || Y == start || Y - 1 == start || Y - 1 == in.programmeStop) return false;
    if (in.density && Y == kFirstYear + 1) return false;
    const bool culls = in.cullFrom <= Y && Y <= in.cullTo;
    const bool culledBefore = in.cullFrom <= Y - 1 && Y - 1 <= in.cullTo;
    if (culls != culledBefore) return false;
    return !culls || (Y - 2 >= kFirstYear && killedByYear[Y - 1] == killedByYear[Y - 2]);
}

template <class Count>
struct Population {
    std::array<Count, kOldestAge + 1> ownedFertile, ownedSterile, streetFertile, streetSterile;
    Count retainedYearlings;

    // The age classes, bit for bit (a -0 differs from a 0, a NaN from itself: then the year is run).
    // The street first: where the two differ, it is mostly there.
    bool sameClassesAs(const Population& other) const
    {
        return std::memcmp(streetFertile.data(), other.streetFertile.data(), sizeof streetFertile) == 0 &&
               std::memcmp(streetSterile.data(), other.streetSterile.data(), sizeof streetSterile) == 0 &&
               std::memcmp(ownedFertile.data(), other.ownedFertile.data(), sizeof ownedFertile) == 0 &&
               std::memcmp(ownedSterile.data(), other.ownedSterile.data(), sizeof ownedSterile) == 0;
    }
};

// The females aged 1..10 of a group of classes, in double, added in pairs so that the three sums
// a year takes do not hold up the year's own chain of steps; singles two at a time where the
// processor converts them so.
template <class Count>
double agedOneToTen(const std::array<Count, kOldestAge + 1>& classes)
{
#ifdef __SSE2__
    if constexpr (std::is_same_v<Count, float>) {
        const __m128 oneToFour = _mm_loadu_ps(&classes[1]);
        const __m128 fiveToEight = _mm_loadu_ps(&classes[5]);
        const __m128 nineAndTen = _mm_loadl_pi(_mm_setzero_ps(), reinterpret_cast<const __m64*>(&classes[9]));
        const __m128d low = _mm_add_pd(_mm_cvtps_pd(oneToFour), _mm_cvtps_pd(_mm_movehl_ps(oneToFour, oneToFour)));
        const __m128d high = _mm_add_pd(_mm_cvtps_pd(fiveToEight),
                                        _mm_cvtps_pd(_mm_movehl_ps(fiveToEight, fiveToEight)));
        const __m128d sums = _mm_add_pd(_mm_add_pd(low, high), _mm_cvtps_pd(nineAndTen));
        return _mm_cvtsd_f64(_mm_add_sd(sums, _mm_unpackhi_pd(sums, sums)));
    }
#endif
    const double first = (double(classes[1]) + double(classes[2])) + (double(classes[3]) + double(classes[4]));
    const double second = (double(classes[5]) + double(classes[6])) + (double(classes[7]) + double(classes[8]));
    return (first + second) + (double(classes[9]) + double(classes[10]));
}

// This year's figures are the year before's.
inline void repeatYearBefore(ProjectionRecord& record, int offset)
{
    for (YearlySeries* series :
         {&record.series.streetTotal, &record.series.streetBreeders, &record.series.extraSterilisations,
          &record.series.ownedBreeders, &record.programmeOwned, &record.programmeStreet, &record.ownedSterilisedShare})
        series->at1950Plus(offset) = series->at1950Plus(offset - 1);
}

// The years a projection runs: all of them, or a part when it runs in parts.
struct YearSpan {
    int first = kFirstYear;
    int last = kLastYear;
    bool whole() const { return first == kFirstYear && last == kLastYear; }
};

// Where a projection run in parts stands between them: the classes at the end of its last year and
// the street total crowding reads next. With the same counts (the same stream), the next part goes
// on exactly as one projection would.
template <class Count>
struct ProjectionPause {
    Population<Count> population;
    double crowdingTotal = 0;
};

// Projects `start`, the equilibrium, through 1950..2050 into `record`, and leaves the last year's
// classes in `start` when the counts are singles. Faults: culling in 1950 (no count for 1949); a
// cull with no fertile street dogs and no street yearlings in 2005, unless the counts make an
// empty street an outcome (the cull then removes nothing, and the 2005 share is not recorded); a
// step that removes more dogs than there are; overflow.
//
// In parts (`inParts`): `span` names the years this call runs; a part after the first goes on from
// `pause`, and every part leaves its end there. A part fills and checks only its own years of
// `record`. A whole run keeps its years constant, so that nothing of this costs it anything.
template <class Stores, class Counts, bool inParts = false>
void projectYears(PopulationState& start, const ProjectionSettings& in, const YearlySeries& killedByYear,
                  Counts& counts, ProjectionRecord& record, YearSpan span = {},
                  ProjectionPause<typename Counts::Count>* pause = nullptr)
{
    using Count = typename Counts::Count;
    constexpr Stores stores{};
    if constexpr (!inParts) span = YearSpan{};
    RunSeries& series = record.series;
    Population<Count> p;
    if (inParts && span.first > kFirstYear) {
        p = pause->population;
    } else {
        for (int a = 0; a <= kOldestAge; ++a) {
            p.ownedFertile[a] = Counts::fromModel(start.ownedFertile[a]);
            p.ownedSterile[a] = Counts::fromModel(start.ownedSterile[a]);
            p.streetFertile[a] = Counts::fromModel(start.streetFertile[a]);
            p.streetSterile[a] = Counts::fromModel(start.streetSterile[a]);
        }
        p.retainedYearlings = Counts::fromModel(start.retainedYearlings);
    }
    auto& of = p.ownedFertile;
    auto& os = p.ownedSterile;
    auto& sf = p.streetFertile;
    auto& ss = p.streetSterile;
    const double H = in.programmeRate;
    const double T = in.ownedShare;
    const int R = in.firstBreedingAge;
    const int L = in.lastBreedingAge;
    Count firstYearOwnedExtra = 0;
    const double ownersShare = 1.0 - start.unsterilisedShare;
    // Ages 2..10 become last year's class below times the year's survival; the old oldest class
    // leaves the model. Every class is read before it is overwritten (from a copy, so the loop
    // vectorises).
    const auto ageClasses = [&](std::array<Count, kOldestAge + 1>& classes, double survival, const char* what) {
        const std::array<Count, kOldestAge + 1> lastYear = classes;
        for (int a = 2; a <= kOldestAge; ++a) classes[a] = counts.survivors(stores, lastYear[a - 1], survival, what);
    };
    // The fast pass with singles: each year's fertile plus sterilised street females of each age
    // 1..10, in double, added up after the last year. Not under crowding, which needs each year's
    // total the next year.
    constexpr bool deferTotals = Stores::fast && std::is_same_v<Count, float>;
    const bool deferring = deferTotals && !in.density;
    std::array<std::array<double, deferTotals ? kYearCount : 1>, kOldestAge> streetClasses;
    // The state as the year before began, to notice a year that only repeats the one before; once
    // a year has repeated, the state is the one it started from, so the next needs no comparison.
    // Under crowding the singles wander by a unit in the last place around the equilibrium rather
    // than hold it, so a repeat is too rare there to look for.
    Population<Count> lastYearsStart = p;
    bool repeatedLastYear = false;
    const bool noticeRepeats = !in.density;
    // Each year's sterilised street females aged 1..10, to be divided by the year's street total
    // once it is known (the fast pass adds the totals up after the last year).
    std::array<double, kYearCount> streetSterilised;
    // The street total crowding reads: the year before's as stored, the equilibrium's in 1950.
    double crowdingTotal = in.density ? in.density->equilibriumTotal : 0.0;
    if (inParts && span.first > kFirstYear) crowdingTotal = pause->crowdingTotal;

    for (int Y = span.first; Y <= span.last; ++Y) {
        const int offset = Y - kFirstYear;
        const bool programmeRuns = in.programmeRuns(Y);
        const bool startYear = Y == in.programmeStart;
        const double* effort = startYear ? &in.firstYearMultiplier : nullptr;

        // A year is a function of the state it starts from and of what happens in it. When nothing
        // is drawn, and it starts from the very state the year before started from (an equilibrium
        // the singles hold exactly, as they do before the programme at the defaults) and the same
        // things happen in it (the programme running or not, and neither year its first; culling
        // or not, with the same count; not 2005, whose share of abandoned dogs is recorded), it
        // ends as that year did: its figures are that year's and the state stays.
        if constexpr (!Counts::varies) {
            if (noticeRepeats && Y > span.first && repeatsTheYearBefore(Y, in, killedByYear) &&
                (repeatedLastYear || p.sameClassesAs(lastYearsStart))) {
                repeatYearBefore(record, offset);
                streetSterilised[offset] = streetSterilised[offset - 1];
                if (deferring)
                    for (auto& classSums : streetClasses) classSums[offset] = classSums[offset - 1];
                repeatedLastYear = true;
                continue;
            }
            repeatedLastYear = false;
            if (noticeRepeats) lastYearsStart = p;
        }
        // Chance, when there is any, is drawn first each year: the survival factor, then the
        // whole-dog draws step by step.
        YearSurvival survival = counts.survivals(in, start.firstYearSurvival);
        if (in.density) survival.streetJuvenile = in.density->juvenileSurvival(survival.streetJuvenile, crowdingTotal);

        // 1. Ageing of owned dogs: each class from last year's class below it.
        ageClasses(of, survival.adult, kOwnedStep);
        ageClasses(os, survival.adult, kOwnedStep);
        // 2. Owned recruits survive their first year at firstYearSurvival.
        of[1] = counts.ownedRecruits(stores, of[0], survival.ownedFirstYear, kOwnedStep);
        // 3. Owners keep at most retainedYearlings a year; the surplus goes to the street:
        // abandoned = yearlings - retained, none when that is not above 0, and the yearlings less
        // the abandoned. Two cases need no arithmetic on the yearlings, and skipping it lets the
        // processor run on without waiting for last year's owned births (a predicted branch, not a
        // data dependency): with fewer yearlings than retained none are abandoned and the yearlings
        // stay; with between retained and twice retained, yearlings - retained is exact (the two
        // lie within a factor of two), so the yearlings less it are retained exactly.
        Count abandonedThisYear = 0;
        const Count retained = p.retainedYearlings;
        if (of[1] < retained) {
            // none abandoned
        } else if (of[1] <= 2 * retained) {
            abandonedThisYear = counts.subtract(stores, of[1], retained, kOwnedStep);
            of[1] = retained;
        } else {
            abandonedThisYear = counts.subtract(stores, of[1], retained, kOwnedStep);
            if (!(abandonedThisYear >= 0)) abandonedThisYear = 0;
            of[1] = counts.subtract(stores, of[1], abandonedThisYear, kOwnedStep);
        }
        // 4. Owners sterilise their share of the yearlings they keep.
        const Count ownersSterilise = counts.taken(stores, of[1], ownersShare, kOwnedStep);
        of[1] = counts.subtract(stores, of[1], ownersSterilise, kOwnedStep);
        os[1] = ownersSterilise;
        // 5. The programme treats owned yearlings only, from the start year on.
        if (programmeRuns) {
            const Count X = in.operationsPerYear
                                ? counts.operationsDone(stores,
                                                        T / 100.0 * *in.operationsPerYear * (effort ? *effort : 1.0),
                                                        of[1], kOwnedStep)
                                : counts.ownedProgramme(stores, of[1], H, T, effort);
            const Count before = of[1];
            of[1] = counts.subtract(stores, of[1], X, kOwnedStep);
            requireNotOverdrawn<Stores>(of[1], [&] {
                return "in " + std::to_string(Y) + " the programme sterilises " + grouped(X) +
                       " owned yearlings, more than there are (" + grouped(before) + ")";
            });
            os[1] = counts.add(stores, os[1], X, kOwnedStep);
            const float treated = stored<Stores>(X, kOwnedStep);
            series.extraSterilisations.at1950Plus(offset) = treated;
            record.programmeOwned.at1950Plus(offset) = treated;
            if (startYear) firstYearOwnedExtra = X;
        }
        // 6. Owned births.
        const Count ownedBreeders = sumClasses<Counts, Stores>(of, R, L, kOwnedStep);
        series.ownedBreeders.at1950Plus(offset) = stored<Stores>(ownedBreeders, kOwnedStep);
        of[0] = counts.births(stores, ownedBreeders, in.probPregnant, in.femalePupsPerLitter, kOwnedStep);

        // 7. Ageing of street dogs.
        ageClasses(sf, survival.adult, kStreetStep);
        ageClasses(ss, survival.adult, kStreetStep);
        // 8. Street recruits: surviving street pups and this year's abandoned owned yearlings.
        sf[1] = counts.streetRecruits(stores, sf[0], survival.streetJuvenile, abandonedThisYear);
        // 9. The share of abandoned dogs among the 2005 street yearlings, for the survey sentence.
        if (Y == 2005 && !(Counts::emptyStreetIsOutcome && sf[1] == 0)) {
            if (sf[1] == 0)
                throw Fault(FaultKind::DivisionByZero,
                            "there are no street yearlings in 2005, so the share of abandoned dogs "
                            "among them divides by zero");
            record.abandonedShare2005 = Stores::single(abandonedThisYear / double(sf[1]), kStreetStep);
        }
        // 10. New street yearlings are all fertile.
        ss[1] = 0;
        // 11. Culling: last year's count, spread over the fertile street classes 1..10 in
        // proportion to their size before the cull. Sterilised dogs and newborns are spared.
        if (in.cullFrom <= Y && Y <= in.cullTo) {
            const Count total = sumClasses<Counts, Stores>(sf, 1, kOldestAge, kStreetStep);
            series.streetTotal.at1950Plus(offset) = stored<Stores>(total, kStreetStep);
            if (Y - 1 < kFirstYear)
                throw Fault(FaultKind::Subscript,
                            "culling in " + std::to_string(Y) + " needs the dogs killed in " + std::to_string(Y - 1) +
                                ", before the first year 1950: dogs killed from must be 1951 or later",
                            std::string(fieldCaption(InputField::cullFrom)));
            const double killed = killedByYear[Y - 1];
            if (total == 0 && !Counts::emptyStreetIsOutcome)
                throw Fault(FaultKind::DivisionByZero, "no fertile street dogs are left to cull in " +
                                                           std::to_string(Y) +
                                                           ": the cull divides by a street total of 0");
            if (total != 0) {
                for (int a = 1; a <= kOldestAge; ++a) {
                    sf[a] = counts.afterCull(stores, sf[a], killed, total);
                    requireNotOverdrawn<Stores>(sf[a], [&] {
                        return "in " + std::to_string(Y) + " the culling recorded for " + std::to_string(Y - 1) + " (" +
                               grouped(killed) + ") removes more street females than there are (" + grouped(total) +
                               ")";
                    });
                }
            }
        }
        // 12. The street programme, from the start year on.
        if (programmeRuns) {
            const int treatedAges = in.onlyYearlings ? 1 : kOldestAge;
            Count streetExtraThisYear = 0;
            // Sterilises X of the fertile street females aged a.
            const auto sterilise = [&](int a, Count X) {
                const Count before = sf[a];
                sf[a] = counts.subtract(stores, sf[a], X, kStreetStep);
                requireNotOverdrawn<Stores>(sf[a], [&] {
                    return "in " + std::to_string(Y) + " the programme sterilises " + grouped(X) +
                           " fertile street females aged " + std::to_string(a) + ", more than there are (" +
                           grouped(before) + ")";
                });
                ss[a] = counts.add(stores, ss[a], X, kStreetStep);
                streetExtraThisYear = counts.add(stores, streetExtraThisYear, X, kStreetStep);
            };
            if (!in.operationsPerYear) {
                for (int a = 1; a <= treatedAges; ++a)
                    sterilise(a, counts.streetProgramme(stores, sf[a], H, T, effort));
            } else {
                // The street's share of the operations is spread over the treated classes in
                // proportion to their fertile dogs, never more than there are.
                const Count fertileTreated = sumClasses<Counts, Stores>(sf, 1, treatedAges, kStreetStep);
                const Count done = counts.operationsDone(
                    stores, (1.0 - T / 100.0) * *in.operationsPerYear * (effort ? *effort : 1.0), fertileTreated,
                    kStreetStep);
                Count fertileBefore = 0;
                for (int a = 1; a <= treatedAges; ++a) {
                    const Count inClass = sf[a];
                    sterilise(a, fertileTreated > 0
                                     ? counts.operationsOnClass(stores, inClass, fertileBefore, done, fertileTreated)
                                     : Count(0));
                    fertileBefore = counts.add(stores, fertileBefore, inClass, kStreetStep);
                }
            }
            float& extra = series.extraSterilisations.at1950Plus(offset);
            if constexpr (std::is_same_v<Count, float>)
                extra = Stores::add(extra, streetExtraThisYear, kStreetStep);
            else
                extra = Stores::single(double(extra) + streetExtraThisYear, kStreetStep);
            record.programmeStreet.at1950Plus(offset) = stored<Stores>(streetExtraThisYear, kStreetStep);
            if (startYear)
                record.firstYear = FirstYearNumbers{extra, stored<Stores>(firstYearOwnedExtra, kOwnedStep),
                                                    stored<Stores>(streetExtraThisYear, kStreetStep)};
        }
        // Arrivals join the street yearlings after the year's catching round, in time to breed.
        if (in.immigrantsPerYear != 0) sf[1] = counts.afterArrivals(stores, sf[1], in.immigrantsPerYear);
        // 13. Street births.
        const Count streetBreeders = sumClasses<Counts, Stores>(sf, R, L, kStreetStep);
        series.streetBreeders.at1950Plus(offset) = stored<Stores>(streetBreeders, kStreetStep);
        sf[0] = counts.births(stores, streetBreeders, in.probPregnant, in.femalePupsPerLitter, kStreetStep);
        // Coverage: sterilised females aged 1..10 over all of them, owned and street.
        streetSterilised[offset] = agedOneToTen(ss);
        const double ownedSterilised = agedOneToTen(os);
        const double owned = agedOneToTen(of) + ownedSterilised;
        record.ownedSterilisedShare.at1950Plus(offset) = owned == 0 ? 0.0f
                                                                    : static_cast<float>(ownedSterilised / owned);
        // 14. Street females aged 1 to 10, each class's fertile and sterilised added in double
        // first. The fast pass adds them up after the last year, every year at once, since this
        // chain of additions would otherwise hold up each year; the order of additions is the same.
        if (deferring) {
            for (int a = 1; a <= kOldestAge; ++a) streetClasses[a - 1][offset] = double(sf[a]) + ss[a];
        } else {
            Count total = 0;
            for (int a = 1; a <= kOldestAge; ++a) {
                const double sum = double(total) + (double(sf[a]) + ss[a]);
                if constexpr (std::is_same_v<Count, float>)
                    total = Stores::single(sum, kStreetStep);
                else
                    total = sum;
            }
            series.streetTotal.at1950Plus(offset) = stored<Stores>(total, kStreetStep);
            crowdingTotal = series.streetTotal.at1950Plus(offset);
        }
        // A value that is not finite stays so in whatever it feeds (or fails a count check on its
        // way), and the fast pass checks the series and the state once, at the end. The sterilised
        // owned yearlings feed nothing and age out, so they are checked here.
        if constexpr (deferTotals)
            if (!std::isfinite(os[1])) [[unlikely]]
                throw NotFinite{};
    }
    // The offsets of the years this call ran.
    const int firstOffset = span.first - kFirstYear;
    const int endOffset = span.last - kFirstYear + 1;
    if (deferring) {
        std::array<float, kYearCount>& totals = series.streetTotal.values();
        std::fill(totals.begin() + firstOffset, totals.begin() + endOffset, 0.0f);
        for (const auto& classSums : streetClasses)
            for (int offset = firstOffset; offset < endOffset; ++offset)
                totals[offset] = static_cast<float>(double(totals[offset]) + classSums[offset]);
    }
    for (int offset = firstOffset; offset < endOffset; ++offset) {
        const double total = series.streetTotal.at1950Plus(offset);
        record.streetSterilisedShare.at1950Plus(offset) = total == 0
                                                              ? 0.0f
                                                              : static_cast<float>(streetSterilised[offset] / total);
    }
    if constexpr (Stores::fast) {
        bool finite = allFinite(of) && allFinite(os) && allFinite(sf) && allFinite(ss);
        if (!inParts || span.whole()) {
            finite = finite && allFinite(series.streetTotal.values()) && allFinite(series.streetBreeders.values()) &&
                     allFinite(series.extraSterilisations.values()) && allFinite(series.ownedBreeders.values()) &&
                     allFinite(record.programmeOwned.values()) && allFinite(record.programmeStreet.values()) &&
                     std::isfinite(record.abandonedShare2005);
        } else {
            const std::size_t years = static_cast<std::size_t>(endOffset - firstOffset);
            for (const YearlySeries* s : {&series.streetTotal, &series.streetBreeders, &series.extraSterilisations,
                                          &series.ownedBreeders, &record.programmeOwned, &record.programmeStreet})
                finite = finite && allFinite(s->values().data() + firstOffset, years);
            if (span.first <= 2005 && 2005 <= span.last) finite = finite && std::isfinite(record.abandonedShare2005);
        }
        if (!finite) [[unlikely]]
            throw NotFinite{};
    }
    if (inParts) {
        pause->population = p;
        pause->crowdingTotal = crowdingTotal;
    }
    if constexpr (std::is_same_v<Count, float>) {
        start.ownedFertile = of;
        start.ownedSterile = os;
        start.streetFertile = sf;
        start.streetSterile = ss;
    }
}

// Runs the fast pass; when anything went wrong, runs again checked from the same start with a
// fresh copy of the counts (so the same draws), leaving the record as it stood at the faulty step.
// `counts` ends as the pass that finished left it.
template <class Counts>
void projectFastThenChecked(PopulationState& state, const ProjectionSettings& settings,
                            const YearlySeries& killedByYear, Counts& counts, ProjectionRecord& record)
{
    const PopulationState start = state;
    Counts fast = counts;
    try {
        projectYears<FastStores>(state, settings, killedByYear, fast, record);
        counts = fast;
        return;
    } catch (const NotFinite&) {
    } catch (const Fault&) { }
    state = start;
    record = ProjectionRecord{};
    projectYears<CheckedStores>(state, settings, killedByYear, counts, record);
}

}  // namespace karnoth::yearly_steps
