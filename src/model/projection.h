#pragma once
// The yearly projection from 1950 to 2050 of the owned and street females: survival, births,
// abandonment of surplus owned yearlings, the owners' own sterilisation, culling, and from the
// programme's start year the sterilisation programme split between owned and street dogs.

#include "model/population_state.h"
#include "model/run_series.h"
#include "model/street_density.h"

#include <climits>
#include <optional>

namespace karnoth {

struct ProjectionSettings {
    double adultSurvival = 0;  // S, per year
    double streetJuvenileSurvival = 0;  // Sj, street pups' first year
    double probPregnant = 0;  // P
    double femalePupsPerLitter = 0;  // Lit
    double programmeRate = 0;  // H, tenths of a per cent per year
    double ownedShare = 0;  // T, per cent of the programme aimed at owned dogs
    int programmeStart = 0;
    double firstYearMultiplier = 1;  // Times; used only in the start year
    int cullFrom = 0;  // culling years, inclusive
    int cullTo = 0;
    int firstBreedingAge = 0;  // R and L rounded (halves to even), within 0..10
    int lastBreedingAge = 0;
    bool onlyYearlings = false;  // the street programme treats only 1-year-olds
    int programmeStop = INT_MAX;  // the programme's last year
    double immigrantsPerYear = 0;  // M, fertile yearlings joining the street each year
    std::optional<StreetDensity> density;  // none: street pups survive at Sj whatever the crowding
    std::optional<double> operationsPerYear;  // Q; none: the rate sets the programme

    // Whether the programme sterilises in `year`.
    bool programmeRuns(int year) const { return programmeStart <= year && year <= programmeStop; }
};

// The programme's sterilisations in its start year (single precision): all, owned, street.
struct FirstYearNumbers {
    float total = 0;
    float owned = 0;
    float street = 0;
};

// What the projection fills as it goes; after a fault, what it had filled until then.
struct ProjectionRecord {
    RunSeries series;
    YearlySeries programmeOwned;  // the programme's owned sterilisations per year
    YearlySeries programmeStreet;  // and its street sterilisations; the two add up to extraSterilisations
    std::optional<FirstYearNumbers> firstYear;  // set in the start year, when it lies in 1950..2050
    float abandonedShare2005 = 0;  // abandoned yearlings / street yearlings in 2005
    // Coverage at the end of each year, a share 0..1 of females aged 1..10: street sterilised over
    // the street total, and owned sterilised (by owners and the programme) over all owned.
    YearlySeries streetSterilisedShare;
    YearlySeries ownedSterilisedShare;
};

// The breeding ages index the age classes 0..10: a Subscript fault when the age at first litter
// rounds below 0 or the age at last litter above 10 (an empty range R > L reads no class).
void requireBreedingAgesInTable(int firstBreedingAge, int lastBreedingAge);

// Advances `state`, the equilibrium, year by year through 1950..2050. Faults, each stopping the
// projection in the year it happens: culling in 1950 (no count for 1949); a cull with no fertile
// street dogs; no street yearlings in 2005; a step that removes more dogs than there are (a count
// below -0.5 after the owned programme, the cull or the street programme; between -0.5 and 0 is
// rounding and is kept); overflow. `killedByYear` holds the culling counts, none negative.
//
// It runs with the arithmetic unchecked and checks the state once a year; when anything went wrong
// it runs again as projectCheckingEveryStore, which finds the step and words the fault.
void project(PopulationState& state, const ProjectionSettings& settings, const YearlySeries& killedByYear,
             ProjectionRecord& record);

// The same with every store checked as it is made: slower, the same singles, the same faults.
void projectCheckingEveryStore(PopulationState& state, const ProjectionSettings& settings,
                               const YearlySeries& killedByYear, ProjectionRecord& record);

}  // namespace karnoth
