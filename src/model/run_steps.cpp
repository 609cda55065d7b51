#include "model/run_steps.h"

#include "model/breeding.h"
#include "model/equilibrium.h"
#include "model/growth_rate.h"
#include "model/street_density.h"
#include "support/numeric_text.h"

#include <algorithm>
#include <climits>
#include <string>

namespace karnoth {
namespace {

// The projection's years and its first-year multiplier, converted before it starts, in the order
// the projection would first need them: the start year (1950), the breeding ages (1950), culling
// from (1950) and to (the first culling year), and the multiplier in the start year. Only what the
// projection reads is asked for: the multiplier only when the start lies in 1950..2050, and the
// last culling year only when the first lies at or before 2050.
ProjectionSettings projectionSettings(InputSource& in, double R, double L)
{
    ProjectionSettings settings;
    settings.programmeStart = in.year(InputField::programmeStart);
    const bool multiplierUsed = settings.programmeStart >= kFirstYear && settings.programmeStart <= kLastYear;
    bool multiplierRead = !multiplierUsed;
    // Reads the multiplier when the start year's programme step (step 5) comes before the step of
    // year `year` that needs the next input.
    auto multiplierIfBefore = [&](int year, int step) {
        if (multiplierRead) return;
        if (settings.programmeStart < year || (settings.programmeStart == year && 5 <= step)) {
            settings.firstYearMultiplier = checkedNumber(in, InputField::firstYearMultiplier);
            multiplierRead = true;
        }
    };
    multiplierIfBefore(kFirstYear, 6);
    settings.firstBreedingAge = toInteger16(R, fieldCaption(InputField::ageAtFirstLitter));
    settings.lastBreedingAge = toInteger16(L, fieldCaption(InputField::ageAtLastLitter));
    requireBreedingAgesInTable(settings.firstBreedingAge, settings.lastBreedingAge);
    multiplierIfBefore(kFirstYear, 11);
    settings.cullFrom = in.year(InputField::cullFrom);
    settings.cullTo = settings.cullFrom;  // no year culls when the first lies beyond the table
    if (settings.cullFrom <= kLastYear) {
        multiplierIfBefore(std::max(settings.cullFrom, kFirstYear), 11);
        settings.cullTo = in.year(InputField::cullTo);
    }
    multiplierIfBefore(INT_MAX, 0);
    settings.onlyYearlings = in.onlyYearlings();
    return settings;
}

}  // namespace

double checkedNumber(InputSource& in, InputField field)
{
    const double value = in.number(field);
    requireInRange(field, value);
    return value;
}

std::optional<double> checkedOptionalNumber(InputSource& in, InputField field)
{
    const std::optional<double> value = in.optionalNumber(field);
    if (value) requireInRange(field, *value);
    return value;
}

BreedingFigures storePupsPerYearling(InputSource& in, RunObserver& observer, double S, double R, double L)
{
    BreedingFigures figures;
    const float years = breedingYears(S, R, L);
    observer.pupsPerYearlingStored(years);
    figures.probPregnant = checkedNumber(in, InputField::probPregnant);
    figures.femalePupsPerLitter = checkedNumber(in, InputField::femalePupsPerLitter);
    figures.pupsPerYearling = pupsFromBreedingYears(years, figures.probPregnant, figures.femalePupsPerLitter);
    observer.pupsPerYearlingStored(figures.pupsPerYearling);
    return figures;
}

PreparedProjection prepareProjection(InputSource& in, RunObserver& observer, ModelResult& result)
{
    PopulationState& state = result.equilibrium;
    const double ownedSterilised = checkedNumber(in, InputField::ownedSterilisedPercent);
    state.unsterilisedShare = unsterilisedShareFor(ownedSterilised);
    const YearlySeries& killedByYear = in.killedByYear();

    const double S = checkedNumber(in, InputField::adultSurvival);
    const double R = checkedNumber(in, InputField::ageAtFirstLitter);
    const double L = checkedNumber(in, InputField::ageAtLastLitter);
    requireLastLitterNotBeforeFirst(L, R);
    const BreedingFigures breeding = storePupsPerYearling(in, observer, S, R, L);
    state.pupsPerYearling = result.pupsPerYearling = breeding.pupsPerYearling;
    state.firstYearSurvival = result.firstYearSurvival = firstYearSurvivalFor(state.pupsPerYearling);
    observer.firstYearSurvivalStored(state.firstYearSurvival);

    result.growthRate = growthRateFor(S, R, L, breeding.probPregnant, breeding.femalePupsPerLitter,
                                      state.firstYearSurvival);
    result.doublingTime = doublingTimeFor(result.growthRate);
    observer.growthRateFound(result);

    requireOwnedSteadyState(state, ownedSterilised);
    const double G = checkedNumber(in, InputField::abandonedPerYear);
    setOwnedEquilibrium(state, S, G);
    const double Sj = checkedNumber(in, InputField::streetJuvenileSurvival);
    const double M = checkedOptionalNumber(in, InputField::immigrantsPerYear).value_or(0);
    std::optional<StreetDensity> density;
    if (const std::optional<double> K = checkedOptionalNumber(in, InputField::carryingCapacity))
        density = streetDensityFor(*K, checkedNumber(in, InputField::compensation), Sj, state.pupsPerYearling);
    // A street that would grow on its own settles at its capacity; without one it must not grow.
    double SjAtEquilibrium = Sj;
    std::optional<double> equilibriumTotal;
    if (density) {
        density->equilibriumTotal = equilibriumStreetTotal(*density, S, Sj, state.pupsPerYearling, G + M);
        SjAtEquilibrium = density->juvenileSurvival(Sj, density->equilibriumTotal);
        equilibriumTotal = density->equilibriumTotal;
    } else {
        requireStreetSteadyState(state, Sj);
    }
    setStreetEquilibrium(state, S, SjAtEquilibrium, G + M, equilibriumTotal);
    result.currentlySterilisedPerYear = currentlySterilisedPerYear(state);
    observer.equilibriumSet(result);

    ProjectionSettings settings = projectionSettings(in, R, L);
    settings.adultSurvival = S;
    settings.streetJuvenileSurvival = Sj;
    settings.probPregnant = breeding.probPregnant;
    settings.femalePupsPerLitter = breeding.femalePupsPerLitter;
    settings.programmeRate = checkedNumber(in, InputField::programmeRate);
    settings.ownedShare = checkedNumber(in, InputField::ownedShare);
    settings.immigrantsPerYear = M;
    settings.density = density;
    // The programme's end and its operations matter only when it runs in some year of the projection.
    if (settings.programmeStart <= kLastYear) {
        if (const std::optional<int> stop = in.optionalYear(InputField::programmeStop)) {
            requireStopNotBeforeStart(*stop, settings.programmeStart);
            settings.programmeStop = *stop;
        }
        settings.operationsPerYear = checkedOptionalNumber(in, InputField::operationsPerYear);
    }
    in.everyInputRead();
    return {settings, &killedByYear};
}

void runSteps(InputSource& in, RunObserver& observer, ModelResult& result)
{
    const PreparedProjection prepared = prepareProjection(in, observer, result);
    PopulationState projected = result.equilibrium;
    try {
        project(projected, prepared.settings, *prepared.killedByYear, result);
    } catch (...) {
        if (result.firstYear) observer.programmeStarted(*result.firstYear, prepared.settings);
        throw;
    }
    if (result.firstYear) observer.programmeStarted(*result.firstYear, prepared.settings);
    result.rebound = reboundOf(result.series.streetTotal, prepared.settings.programmeStart,
                               prepared.settings.programmeStop);
    observer.projectionFinished(result);
}

}  // namespace karnoth
