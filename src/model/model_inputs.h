#pragma once
// The inputs of one run of the model, typed and named by meaning. Every quantity is a real number,
// the three the window holds as scroll-bar integers too, so that analyses can vary them
// continuously; years are whole years. The defaults are the window's.

#include "model/default_inputs.h"

namespace karnoth {

struct ModelInputs {
    double adultSurvival = kDefaultAdultSurvival.value;                    // S, per year from age one; 0 <= S < 1
    double streetJuvenileSurvival = kDefaultStreetJuvenileSurvival.value;  // Sj, street pups' first year; 0..1
    double ageAtFirstLitter = kDefaultAgeAtFirstLitter.value;              // R, years; >= 0
    double ageAtLastLitter = kDefaultAgeAtLastLitter.value;                // L, years; >= R, <= 10 once rounded
    double probPregnant = kDefaultProbPregnant.value;                      // P, per breeding female and year; 0..1
    double femalePupsPerLitter = kDefaultFemalePupsPerLitter.value;        // Lit; >= 0
    double ownedSterilisedPercent = kDefaultOwnedSterilisedPercent.value;  // Cs, per cent of owned yearlings; 0..100
    double abandonedPerYear = kDefaultAbandonedPerYear;                    // G, owned yearlings a year; >= 0
    double programmeRate = kDefaultProgrammeRate;                          // H, tenths of a per cent a year; 0..1000
    double ownedShare = kDefaultOwnedShare;                                // T, per cent aimed at owned dogs; 0..100
    int programmeStart = static_cast<int>(kDefaultProgrammeStart.value);   // first year of the programme
    double firstYearMultiplier = kDefaultFirstYearMultiplier.value;        // Times, effort in that year; >= 0
    int cullFrom = static_cast<int>(kDefaultCullFrom.value);               // culling years, inclusive
    int cullTo = static_cast<int>(kDefaultCullTo.value);
    bool onlyYearlings = false;  // the street programme treats only 1-year-olds

    friend bool operator==(const ModelInputs&, const ModelInputs&) = default;
};

}  // namespace karnoth
