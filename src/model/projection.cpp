#include "model/projection.h"

#include "model/input_field.h"
#include "support/checked_math.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace karnoth {
namespace {

constexpr const char* kOwnedStep = "the owned population's year";
constexpr const char* kStreetStep = "the street population's year";

// How a step stores its double result into a single. The checked stores raise the fault that names
// the step; the fast ones only round. A projection runs fast and checks each year's state once at
// its end; only when something went wrong does it run again checked, to find and word the fault.
// Both give the same singles, since they round the same doubles.
//
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

// Thrown by the fast pass when a year ends with a value that is not finite.
struct NotFinite {};

// True when no single is infinite or NaN (all exponent bits set); branch-free, so it vectorises.
bool allFinite(const float* values, std::size_t count)
{
    std::uint32_t bad = 0;
    for (std::size_t i = 0; i < count; ++i)
        bad |= (std::bit_cast<std::uint32_t>(values[i]) & 0x7f800000u) == 0x7f800000u;
    return bad == 0;
}

template <std::size_t N>
bool allFinite(const std::array<float, N>& values)
{
    return allFinite(values.data(), N);
}

// A sum stored in a single after every addition.
template <class Stores>
float sumSingle(const std::array<float, kOldestAge + 1>& classes, int from, int to, const char* what)
{
    float sum = 0;
    for (int a = from; a <= to; ++a) sum = Stores::add(sum, classes[a], what);
    return sum;
}

// Ages 2..10 become S times last year's class below; the old oldest class leaves the model. Every
// class is read before it is overwritten (from a copy, so the loop vectorises).
template <class Stores>
void ageClasses(std::array<float, kOldestAge + 1>& classes, double S, const char* what)
{
    const std::array<float, kOldestAge + 1> lastYear = classes;
    for (int a = 2; a <= kOldestAge; ++a) classes[a] = Stores::single(S * lastYear[a - 1], what);
}

std::string grouped(double value) { return formatGrouped(value, NumberLocale{}); }

[[noreturn]] void raiseTooManyRemoved(const std::string& what)
{
    throw Fault(FaultKind::ImpossibleState, what);
}

// Whether year Y does what the year before did, so that from the same state it gives the same.
bool repeatsTheYearBefore(int Y, const ProjectionSettings& in, const YearlySeries& killedByYear)
{
    const int start = in.programmeStart;
    if (Y == 2005 || Y == start || Y - 1 == start || (Y >= start) != (Y - 1 >= start)) return false;
    const bool culls = in.cullFrom <= Y && Y <= in.cullTo;
    const bool culledBefore = in.cullFrom <= Y - 1 && Y - 1 <= in.cullTo;
    if (culls != culledBefore) return false;
    return !culls || (Y - 2 >= kFirstYear && killedByYear[Y - 1] == killedByYear[Y - 2]);
}

// The age classes, bit for bit (a -0 differs from a 0, a NaN from itself: then the year is run).
bool sameClasses(const PopulationState& a, const PopulationState& b)
{
    return std::memcmp(a.ownedFertile.data(), b.ownedFertile.data(), sizeof a.ownedFertile) == 0 &&
           std::memcmp(a.ownedSterile.data(), b.ownedSterile.data(), sizeof a.ownedSterile) == 0 &&
           std::memcmp(a.streetFertile.data(), b.streetFertile.data(), sizeof a.streetFertile) == 0 &&
           std::memcmp(a.streetSterile.data(), b.streetSterile.data(), sizeof a.streetSterile) == 0;
}

void copyClasses(const PopulationState& from, PopulationState& to)
{
    to.ownedFertile = from.ownedFertile;
    to.ownedSterile = from.ownedSterile;
    to.streetFertile = from.streetFertile;
    to.streetSterile = from.streetSterile;
}

// This year's figures are the year before's.
void repeatYearBefore(ProjectionRecord& record, int offset)
{
    for (YearlySeries* series : {&record.series.streetTotal, &record.series.streetBreeders,
                                 &record.series.extraSterilisations, &record.series.ownedBreeders,
                                 &record.programmeOwned, &record.programmeStreet})
        series->at1950Plus(offset) = series->at1950Plus(offset - 1);
}

template <class Stores>
void projectYears(PopulationState& s, const ProjectionSettings& in, const YearlySeries& killedByYear,
                  ProjectionRecord& record)
{
    RunSeries& series = record.series;
    auto& of = s.ownedFertile;
    auto& os = s.ownedSterile;
    auto& sf = s.streetFertile;
    auto& ss = s.streetSterile;
    const double S = in.adultSurvival;
    const double Sj = in.streetJuvenileSurvival;
    const double P = in.probPregnant;
    const double Lit = in.femalePupsPerLitter;
    const double H = in.programmeRate;
    const double T = in.ownedShare;
    const int R = in.firstBreedingAge;
    const int L = in.lastBreedingAge;
    float firstYearOwnedExtra = 0;
    const double ownersShare = 1.0 - s.unsterilisedShare;
    const float ownersShareSingle = static_cast<float>(ownersShare);
    const bool ownersShareIsSingle = double(ownersShareSingle) == ownersShare;
    // Fast pass: each year's fertile plus sterilised street females of each age 1..10, in double.
    std::array<std::array<double, kYearCount>, kOldestAge> streetClasses;
    // The state as the year before began, to notice a year that only repeats the one before.
    PopulationState lastYearsStart = s;

    for (int Y = kFirstYear; Y <= kLastYear; ++Y) {
        const int offset = Y - kFirstYear;
        const bool programmeRuns = Y >= in.programmeStart;
        const bool startYear = Y == in.programmeStart;

        // A year is a function of the state it starts from and of what happens in it. When it
        // starts from the very state the year before started from (an equilibrium the singles
        // hold exactly, as they do before the programme at the defaults) and the same things
        // happen in it (the programme running or not, and neither year its first; culling or not,
        // with the same count; not 2005, whose share of abandoned dogs is recorded), it ends as
        // that year did: its figures are that year's and the state stays.
        if (Y > kFirstYear && repeatsTheYearBefore(Y, in, killedByYear) && sameClasses(s, lastYearsStart)) {
            repeatYearBefore(record, offset);
            if constexpr (Stores::fast)
                for (auto& classSums : streetClasses) classSums[offset] = classSums[offset - 1];
            continue;
        }
        copyClasses(s, lastYearsStart);

        // 1. Ageing of owned dogs: each class from last year's class below it.
        ageClasses<Stores>(of, S, kOwnedStep);
        ageClasses<Stores>(os, S, kOwnedStep);
        // 2. Owned recruits survive their first year at firstYearSurvival.
        of[1] = Stores::multiply(s.firstYearSurvival, of[0], kOwnedStep);
        // 3. Owners keep at most retainedYearlings a year; the surplus goes to the street:
        // abandoned = yearlings - retained, none when that is not above 0, and the yearlings less
        // the abandoned. Two cases need no arithmetic on the yearlings, and skipping it lets the
        // processor run on without waiting for last year's owned births (a predicted branch, not a
        // data dependency): with fewer yearlings than retained none are abandoned and the yearlings
        // stay; with between retained and twice retained, yearlings - retained is exact (the two
        // lie within a factor of two), so the yearlings less it are retained exactly.
        float abandonedThisYear = 0;
        const float retained = s.retainedYearlings;
        if (of[1] < retained) {
            // none abandoned
        } else if (of[1] <= 2 * retained) {
            abandonedThisYear = Stores::subtract(of[1], retained, kOwnedStep);
            of[1] = retained;
        } else {
            abandonedThisYear = Stores::subtract(of[1], retained, kOwnedStep);
            if (!(abandonedThisYear >= 0)) abandonedThisYear = 0;
            of[1] = Stores::subtract(of[1], abandonedThisYear, kOwnedStep);
        }
        // 4. Owners sterilise their share of the yearlings they keep, (1 - unsterilisedShare) x
        // yearlings in double; when that share is itself a single (0.5 by default) the product of
        // two singles rounds the same in single precision, without the conversions.
        const float ownersSterilise = ownersShareIsSingle
                                          ? Stores::multiply(ownersShareSingle, of[1], kOwnedStep)
                                          : Stores::single(ownersShare * of[1], kOwnedStep);
        of[1] = Stores::subtract(of[1], ownersSterilise, kOwnedStep);
        os[1] = ownersSterilise;
        // 5. The programme treats owned yearlings only, from the start year on.
        if (programmeRuns) {
            float X = Stores::single(H * of[1] / 1000.0 * T / 100.0, kOwnedStep);
            if (startYear) X = Stores::single(X * in.firstYearMultiplier, kOwnedStep);
            const float before = of[1];
            of[1] = Stores::subtract(of[1], X, kOwnedStep);
            if (!(of[1] >= -0.5f)) [[unlikely]] {
                if constexpr (Stores::fast) throw NotFinite{};
                raiseTooManyRemoved("in " + std::to_string(Y) + " the programme sterilises " + grouped(X) +
                                    " owned yearlings, more than there are (" + grouped(before) + ")");
            }
            os[1] = Stores::add(os[1], X, kOwnedStep);
            series.extraSterilisations.at1950Plus(offset) = X;
            record.programmeOwned.at1950Plus(offset) = X;
            if (startYear) firstYearOwnedExtra = X;
        }
        // 6. Owned births.
        series.ownedBreeders.at1950Plus(offset) = sumSingle<Stores>(of, R, L, kOwnedStep);
        of[0] = Stores::single(Lit * (P * series.ownedBreeders.at1950Plus(offset)), kOwnedStep);

        // 7. Ageing of street dogs.
        ageClasses<Stores>(sf, S, kStreetStep);
        ageClasses<Stores>(ss, S, kStreetStep);
        // 8. Street recruits: surviving street pups and this year's abandoned owned yearlings.
        sf[1] = Stores::single(Stores::result(Sj * sf[0] + abandonedThisYear, kStreetStep), kStreetStep);
        // 9. The share of abandoned dogs among the 2005 street yearlings, for the survey sentence.
        if (Y == 2005) {
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
            float& total = series.streetTotal.at1950Plus(offset);
            total = sumSingle<Stores>(sf, 1, kOldestAge, kStreetStep);
            if (Y - 1 < kFirstYear)
                throw Fault(FaultKind::Subscript,
                            "culling in " + std::to_string(Y) + " needs the dogs killed in " +
                                std::to_string(Y - 1) +
                                ", before the first year 1950: dogs killed from must be 1951 or later",
                            std::string(fieldCaption(InputField::cullFrom)));
            const double killed = killedByYear[Y - 1];
            if (total == 0)
                throw Fault(FaultKind::DivisionByZero,
                            "no fertile street dogs are left to cull in " + std::to_string(Y) +
                                ": the cull divides by a street total of 0");
            for (int a = 1; a <= kOldestAge; ++a) {
                sf[a] = Stores::single(Stores::result(sf[a] - sf[a] * killed / total, kStreetStep), kStreetStep);
                if (!(sf[a] >= -0.5f)) [[unlikely]] {
                    if constexpr (Stores::fast) throw NotFinite{};
                    raiseTooManyRemoved("in " + std::to_string(Y) + " the culling recorded for " +
                                        std::to_string(Y - 1) + " (" + grouped(killed) +
                                        ") removes more street females than there are (" + grouped(total) + ")");
                }
            }
        }
        // 12. The street programme, from the start year on.
        if (programmeRuns) {
            const int treated = in.onlyYearlings ? 1 : kOldestAge;
            float streetExtraThisYear = 0;
            for (int a = 1; a <= treated; ++a) {
                float X = Stores::single((1.0 - T / 100.0) * (H * sf[a] / 1000.0), kStreetStep);
                if (startYear) X = Stores::single(X * in.firstYearMultiplier, kStreetStep);
                const float before = sf[a];
                sf[a] = Stores::subtract(sf[a], X, kStreetStep);
                if (!(sf[a] >= -0.5f)) [[unlikely]] {
                    if constexpr (Stores::fast) throw NotFinite{};
                    raiseTooManyRemoved("in " + std::to_string(Y) + " the programme sterilises " + grouped(X) +
                                        " fertile street females aged " + std::to_string(a) +
                                        ", more than there are (" + grouped(before) + ")");
                }
                ss[a] = Stores::add(ss[a], X, kStreetStep);
                streetExtraThisYear = Stores::add(streetExtraThisYear, X, kStreetStep);
            }
            float& extra = series.extraSterilisations.at1950Plus(offset);
            extra = Stores::add(extra, streetExtraThisYear, kStreetStep);
            record.programmeStreet.at1950Plus(offset) = streetExtraThisYear;
            if (startYear) record.firstYear = FirstYearNumbers{extra, firstYearOwnedExtra, streetExtraThisYear};
        }
        // 13. Street births.
        series.streetBreeders.at1950Plus(offset) = sumSingle<Stores>(sf, R, L, kStreetStep);
        sf[0] = Stores::single(Lit * (P * series.streetBreeders.at1950Plus(offset)), kStreetStep);
        // 14. Street females aged 1 to 10, fertile and sterilised (overwrites the cull's total). The
        // fast pass adds them up after the last year, every year at once, since this chain of
        // additions would otherwise hold up each year; the order of additions is the same.
        if constexpr (Stores::fast) {
            for (int a = 1; a <= kOldestAge; ++a) streetClasses[a - 1][offset] = double(sf[a]) + ss[a];
            // A value that is not finite stays so in whatever it feeds (or fails a count check on
            // its way), and the fast pass checks the series and the state once, at the end. The
            // sterilised owned yearlings feed nothing and age out, so they are checked here.
            if (!std::isfinite(os[1])) [[unlikely]]
                throw NotFinite{};
        } else {
            float total = 0;
            for (int a = 1; a <= kOldestAge; ++a)
                total = Stores::single(double(total) + (double(sf[a]) + ss[a]), kStreetStep);
            series.streetTotal.at1950Plus(offset) = total;
        }
    }
    if constexpr (Stores::fast) {
        std::array<float, kYearCount>& totals = series.streetTotal.values();
        totals.fill(0);
        for (const auto& classSums : streetClasses)
            for (int offset = 0; offset < kYearCount; ++offset)
                totals[offset] = static_cast<float>(double(totals[offset]) + classSums[offset]);
        const bool finite = allFinite(totals) && allFinite(series.streetBreeders.values()) &&
                            allFinite(series.extraSterilisations.values()) &&
                            allFinite(series.ownedBreeders.values()) && allFinite(record.programmeOwned.values()) &&
                            allFinite(record.programmeStreet.values()) && allFinite(of) && allFinite(os) &&
                            allFinite(sf) && allFinite(ss) && std::isfinite(record.abandonedShare2005);
        if (!finite) [[unlikely]]
            throw NotFinite{};
    }
}

}  // namespace

void requireBreedingAgesInTable(int firstBreedingAge, int lastBreedingAge)
{
    if (firstBreedingAge > lastBreedingAge) return;  // an empty range reads no class
    if (firstBreedingAge < 0)
        throw Fault(FaultKind::Subscript, "age at first litter " + std::to_string(firstBreedingAge) +
                                              " lies below the youngest age class 0",
                    "age at first litter");
    if (lastBreedingAge > kOldestAge)
        throw Fault(FaultKind::Subscript, "age at last litter " + std::to_string(lastBreedingAge) +
                                              " lies beyond the oldest age class 10",
                    "age at last litter");
}

void project(PopulationState& state, const ProjectionSettings& settings, const YearlySeries& killedByYear,
             ProjectionRecord& record)
{
    const PopulationState start = state;
    try {
        projectYears<FastStores>(state, settings, killedByYear, record);
        return;
    } catch (const NotFinite&) {
    } catch (const Fault&) {
    }
    // Something went wrong: the checked pass finds the step and words its fault, leaving the record
    // as it stood at that step.
    state = start;
    record = ProjectionRecord{};
    projectCheckingEveryStore(state, settings, killedByYear, record);
}

void projectCheckingEveryStore(PopulationState& state, const ProjectionSettings& settings,
                               const YearlySeries& killedByYear, ProjectionRecord& record)
{
    projectYears<CheckedStores>(state, settings, killedByYear, record);
}

}  // namespace karnoth
