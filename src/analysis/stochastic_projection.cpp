#include "analysis/stochastic_projection.h"

#include "analysis/samplers.h"
#include "model/breeding.h"
#include "model/equilibrium.h"
#include "model/growth_rate.h"
#include "model/input_field.h"
#include "support/fault.h"
#include "support/number_masks.h"
#include "support/numeric_text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace karnoth {
namespace {

double checked(InputField field, double value)
{
    requireInRange(field, value);
    return value;
}

// Counts as the model keeps them: singles, each step rounding as the model's projection does (a
// product or sum of two singles formed in double and stored equals the single operation).
struct ContinuousCounts {
    using Count = float;
    static Count fromModel(float value) { return value; }
    Count survivors(Count count, double survival) { return static_cast<float>(survival * count); }
    Count streetRecruits(Count pups, double survival, Count abandoned)
    {
        return static_cast<float>(survival * pups + abandoned);
    }
    Count taken(Count count, double share) { return static_cast<float>(share * count); }
    // `effort` is the first-year multiplier in the start year, else 1 (a product by 1 is exact).
    Count ownedProgramme(Count yearlings, double H, double T, double effort)
    {
        const float treated = static_cast<float>(H * yearlings / 1000.0 * T / 100.0);
        return static_cast<float>(treated * effort);
    }
    Count streetProgramme(Count fertile, double H, double T, double effort)
    {
        const float treated = static_cast<float>((1.0 - T / 100.0) * (H * fertile / 1000.0));
        return static_cast<float>(treated * effort);
    }
    Count afterCull(Count fertile, double killed, Count total)
    {
        return static_cast<float>(fertile - fertile * killed / total);
    }
    Count births(Count breeders, double P, double Lit) { return static_cast<float>(Lit * (P * breeders)); }
};

// Whole animals in doubles (exact up to kMostWholeDogs), every event drawn.
struct WholeCounts {
    using Count = double;
    RandomStream& stream;

    static Count fromModel(float value) { return std::round(double(value)); }
    Count draw(Count count, double probability)
    {
        if (!(count <= kMostWholeDogs)) [[unlikely]]
            throw Fault(FaultKind::Overflow, "a group of " + formatGrouped(count, NumberLocale{}) +
                                                 " dogs is too many to count one by one");
        return static_cast<double>(binomial(stream, static_cast<std::int64_t>(count), std::min(probability, 1.0)));
    }
    // A survival above 1 (owned first-year survival with few pups per yearling) gives floor(p)
    // yearlings per pup and one more with chance p - floor(p).
    Count survivors(Count count, double survival)
    {
        const double whole = std::floor(survival);
        return count * whole + draw(count, survival - whole);
    }
    Count streetRecruits(Count pups, double survival, Count abandoned) { return draw(pups, survival) + abandoned; }
    Count taken(Count count, double share) { return draw(count, share); }
    Count ownedProgramme(Count yearlings, double H, double T, double effort)
    {
        return draw(yearlings, H / 1000.0 * T / 100.0 * effort);
    }
    Count streetProgramme(Count fertile, double H, double T, double effort)
    {
        return draw(fertile, (1.0 - T / 100.0) * (H / 1000.0) * effort);
    }
    Count afterCull(Count fertile, double killed, Count total) { return fertile - draw(fertile, killed / total); }
    Count births(Count breeders, double P, double Lit)
    {
        const double mean = Lit * P * breeders;
        if (!(mean <= kMostWholeDogs))
            throw Fault(FaultKind::Overflow, "the pups born in a year (on average " + formatGrouped(mean, NumberLocale{}) +
                                                 ") are too many to count one by one");
        return static_cast<double>(poisson(stream, mean));
    }
};

// A count after a removal: a value that is not a number or infinite is an overflow, one below
// -0.5 a removal of more dogs than there are (between -0.5 and 0 is rounding).
template <class Count>
void requireCount(Count value, int year, const char* step)
{
    if (value >= -0.5) [[likely]]
        return;
    if (std::isnan(value))
        throw Fault(FaultKind::Overflow, "in " + std::to_string(year) + " the numbers of " + step +
                                             " grew beyond what a single holds");
    throw Fault(FaultKind::ImpossibleState,
                "in " + std::to_string(year) + " " + step + " removes more dogs than there are");
}

// The year's survivals: each multiplied by the factor and clipped to [0, 1]; a first-year
// survival above 1 is only kept from falling below 0.
struct YearSurvival {
    double adult;
    double streetJuvenile;
    double ownedFirstYear;
};

YearSurvival survivalsFor(const ProjectionSettings& in, float firstYearSurvival, double factor)
{
    const auto clipped = [](double value) { return std::clamp(value, 0.0, 1.0); };
    const double ownedFirstYear = firstYearSurvival * factor;
    return {clipped(in.adultSurvival * factor), clipped(in.streetJuvenileSurvival * factor),
            firstYearSurvival > 1 ? std::max(ownedFirstYear, 0.0) : clipped(ownedFirstYear)};
}

template <class Counts>
void projectYears(const RunStart& start, const YearlySeries& killedByYear, double yearToYearSd, Counts counts,
                  RandomStream& stream, RunSeries& series)
{
    using Count = typename Counts::Count;
    using Classes = std::array<Count, kOldestAge + 1>;
    const PopulationState& e = start.equilibrium;
    const ProjectionSettings& in = start.settings;
    Classes of, os, sf, ss;
    for (int a = 0; a <= kOldestAge; ++a) {
        of[a] = Counts::fromModel(e.ownedFertile[a]);
        os[a] = Counts::fromModel(e.ownedSterile[a]);
        sf[a] = Counts::fromModel(e.streetFertile[a]);
        ss[a] = Counts::fromModel(e.streetSterile[a]);
    }
    const Count retainedYearlings = Counts::fromModel(e.retainedYearlings);
    const double ownersShare = 1.0 - e.unsterilisedShare;
    const double H = in.programmeRate;
    const double T = in.ownedShare;
    const int R = in.firstBreedingAge;
    const int L = in.lastBreedingAge;
    const auto sum = [](const Classes& classes, int from, int to) {
        Count total = 0;
        for (int a = from; a <= to; ++a) total += classes[a];
        return total;
    };
    // Ages 2..10 from last year's class below; the oldest leave the model.
    const auto age = [&counts](Classes& classes, double survival) {
        const Classes lastYear = classes;
        for (int a = 2; a <= kOldestAge; ++a) classes[a] = counts.survivors(lastYear[a - 1], survival);
    };
    series = RunSeries{};

    for (int Y = kFirstYear; Y <= kLastYear; ++Y) {
        const int offset = Y - kFirstYear;
        const bool programmeRuns = Y >= in.programmeStart;
        const double effort = Y == in.programmeStart ? in.firstYearMultiplier : 1.0;
        const double factor = yearToYearSd > 0 ? normal(stream, 1.0, yearToYearSd) : 1.0;
        const YearSurvival survival =
            yearToYearSd > 0 ? survivalsFor(in, e.firstYearSurvival, factor)
                             : YearSurvival{in.adultSurvival, in.streetJuvenileSurvival, e.firstYearSurvival};

        // Owned dogs: ageing, recruits, the surplus above the retained yearlings abandoned, the
        // owners' own sterilisation, the programme (yearlings only), births.
        age(of, survival.adult);
        age(os, survival.adult);
        of[1] = counts.survivors(of[0], survival.ownedFirstYear);
        Count abandoned = of[1] - retainedYearlings;
        if (!(abandoned >= 0)) abandoned = 0;
        of[1] -= abandoned;
        const Count ownersSterilise = counts.taken(of[1], ownersShare);
        of[1] -= ownersSterilise;
        os[1] = ownersSterilise;
        if (programmeRuns) {
            const Count treated = counts.ownedProgramme(of[1], H, T, effort);
            of[1] -= treated;
            requireCount(of[1], Y, "the programme on owned yearlings");
            os[1] += treated;
            series.extraSterilisations.at1950Plus(offset) = static_cast<float>(treated);
        }
        const Count ownedBreeders = sum(of, R, L);
        series.ownedBreeders.at1950Plus(offset) = static_cast<float>(ownedBreeders);
        of[0] = counts.births(ownedBreeders, in.probPregnant, in.femalePupsPerLitter);

        // Street dogs: ageing, recruits (surviving pups and the abandoned), the cull, the
        // programme, births.
        age(sf, survival.adult);
        age(ss, survival.adult);
        // The model's 2005 share of abandoned dogs among the street yearlings is a caption of the
        // window's run, never computed here: a street without yearlings that year is no fault.
        sf[1] = counts.streetRecruits(sf[0], survival.streetJuvenile, abandoned);
        ss[1] = 0;
        if (in.cullFrom <= Y && Y <= in.cullTo) {
            if (Y - 1 < kFirstYear)
                throw Fault(FaultKind::Subscript, "culling in " + std::to_string(Y) + " needs the dogs killed in " +
                                                      std::to_string(Y - 1) + ", before the first year 1950");
            // A street with no fertile dogs has none to cull: the cull removes nothing.
            const Count total = sum(sf, 1, kOldestAge);
            const double killed = killedByYear[Y - 1];
            if (total > 0)
                for (int a = 1; a <= kOldestAge; ++a) {
                    sf[a] = counts.afterCull(sf[a], killed, total);
                    requireCount(sf[a], Y, "the cull");
                }
        }
        if (programmeRuns) {
            const int treatedAges = in.onlyYearlings ? 1 : kOldestAge;
            Count streetExtra = 0;
            for (int a = 1; a <= treatedAges; ++a) {
                const Count treated = counts.streetProgramme(sf[a], H, T, effort);
                sf[a] -= treated;
                requireCount(sf[a], Y, "the programme on street females");
                ss[a] += treated;
                streetExtra += treated;
            }
            float& extra = series.extraSterilisations.at1950Plus(offset);
            extra = static_cast<float>(extra + streetExtra);
        }
        const Count streetBreeders = sum(sf, R, L);
        series.streetBreeders.at1950Plus(offset) = static_cast<float>(streetBreeders);
        sf[0] = counts.births(streetBreeders, in.probPregnant, in.femalePupsPerLitter);

        // Street females aged 1 to 10, each class's fertile and sterilised added in double first.
        Count total = 0;
        for (int a = 1; a <= kOldestAge; ++a) total = static_cast<Count>(double(total) + (double(sf[a]) + ss[a]));
        series.streetTotal.at1950Plus(offset) = static_cast<float>(total);
    }
    for (const YearlySeries* values :
         {&series.streetTotal, &series.streetBreeders, &series.extraSterilisations, &series.ownedBreeders})
        for (float value : values->values())
            if (!std::isfinite(value))
                throw Fault(FaultKind::Overflow, "the population grew beyond what a single holds");
}

}  // namespace

RunStart prepareRun(const ModelInputs& inputs)
{
    RunStart start;
    PopulationState& state = start.equilibrium;
    const double ownedSterilised = checked(InputField::ownedSterilisedPercent, inputs.ownedSterilisedPercent);
    state.unsterilisedShare = unsterilisedShareFor(ownedSterilised);
    const double S = checked(InputField::adultSurvival, inputs.adultSurvival);
    const double R = checked(InputField::ageAtFirstLitter, inputs.ageAtFirstLitter);
    const double L = checked(InputField::ageAtLastLitter, inputs.ageAtLastLitter);
    requireLastLitterNotBeforeFirst(L, R);
    const float years = breedingYears(S, R, L);
    const double P = checked(InputField::probPregnant, inputs.probPregnant);
    const double Lit = checked(InputField::femalePupsPerLitter, inputs.femalePupsPerLitter);
    state.pupsPerYearling = pupsFromBreedingYears(years, P, Lit);
    state.firstYearSurvival = firstYearSurvivalFor(state.pupsPerYearling);
    doublingTimeFor(growthRateFor(S, R, L, P, Lit, state.firstYearSurvival));

    requireOwnedSteadyState(state, ownedSterilised);
    const double G = checked(InputField::abandonedPerYear, inputs.abandonedPerYear);
    setOwnedEquilibrium(state, S, G);
    const double Sj = checked(InputField::streetJuvenileSurvival, inputs.streetJuvenileSurvival);
    requireStreetSteadyState(state, Sj);
    setStreetEquilibrium(state, S, Sj, G);
    currentlySterilisedPerYear(state);

    ProjectionSettings& settings = start.settings;
    settings.programmeStart = inputs.programmeStart;
    // The multiplier is read only when the programme starts within the projection.
    if (inputs.programmeStart >= kFirstYear && inputs.programmeStart <= kLastYear)
        settings.firstYearMultiplier = checked(InputField::firstYearMultiplier, inputs.firstYearMultiplier);
    settings.firstBreedingAge = toInteger16(R, fieldCaption(InputField::ageAtFirstLitter));
    settings.lastBreedingAge = toInteger16(L, fieldCaption(InputField::ageAtLastLitter));
    requireBreedingAgesInTable(settings.firstBreedingAge, settings.lastBreedingAge);
    settings.cullFrom = inputs.cullFrom;
    settings.cullTo = inputs.cullFrom <= kLastYear ? inputs.cullTo : inputs.cullFrom;
    settings.onlyYearlings = inputs.onlyYearlings;
    settings.adultSurvival = S;
    settings.streetJuvenileSurvival = Sj;
    settings.probPregnant = P;
    settings.femalePupsPerLitter = Lit;
    settings.programmeRate = checked(InputField::programmeRate, inputs.programmeRate);
    settings.ownedShare = checked(InputField::ownedShare, inputs.ownedShare);
    return start;
}

void projectWithChance(const RunStart& start, const YearlySeries& killedByYear, const YearlyChance& chance,
                       RandomStream& stream, RunSeries& series)
{
    if (chance.wholeDogs) projectYears(start, killedByYear, chance.yearToYearSd, WholeCounts{stream}, stream, series);
    else projectYears(start, killedByYear, chance.yearToYearSd, ContinuousCounts{}, stream, series);
}

}  // namespace karnoth
