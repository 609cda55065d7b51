#pragma once
// A town small enough to work out by hand. Dogs live one adult year (adult survival 0) and breed
// once, at one (ages at first and last litter 1), every female pregnant with two female pups; a
// street pup survives its first year at 1/4; owners sterilise none of their yearlings themselves.
// Then a female alive at one leaves 2 female pups, owned pups survive at 1 / (0.3 x 2) = 5/3, and
// with G abandoned a year the equilibrium holds
//   owned:  6G/7 pups, 10G/7 yearlings of whom owners keep 3G/7 and abandon G;
//   street: 4G pups, 2G yearlings (1/4 of 4G born plus G abandoned): the street total is 2G.
// No killed.txt; the programme starts in 2005.

#include "model/model_inputs.h"

#include <algorithm>

namespace karnoth::test {

inline ModelInputs tinyTown(double abandoned = 1000)
{
    ModelInputs inputs;
    inputs.adultSurvival = 0;
    inputs.streetJuvenileSurvival = 0.25;
    inputs.ageAtFirstLitter = 1;
    inputs.ageAtLastLitter = 1;
    inputs.probPregnant = 1;
    inputs.femalePupsPerLitter = 2;
    inputs.ownedSterilisedPercent = 0;
    inputs.abandonedPerYear = abandoned;
    inputs.programmeStart = 2005;
    inputs.firstYearMultiplier = 1;
    return inputs;
}

struct HandFigures {
    double streetTotal;  // in the year after the start
    double sterilisedOwned;  // in the start year and the year after
    double sterilisedStreet;
};

// The tiny town one year into a programme at rate h (a fraction a year) with a share t aimed at
// owned dogs, `times` the effort in its first year, worked through the year's steps by hand.
inline HandFigures tinyTownYearAfterStart(double h, double t, double times = 1, double abandoned = 1000)
{
    const double g = abandoned;
    // Start year: the programme takes its share of the 3G/7 owned yearlings kept and of the 2G
    // street yearlings; those left fertile have two pups each.
    const double ownedStart = times * h * t * (3 * g / 7);
    const double streetStart = times * h * (1 - t) * (2 * g);
    const double ownedPups = 2 * (3 * g / 7 - ownedStart);
    const double streetPups = 2 * (2 * g - streetStart);
    // The year after: owned pups survive at 5/3, owners keep at most 3G/7, the rest go to the street.
    const double ownedRecruits = 5.0 / 3.0 * ownedPups;
    const double abandonedNow = std::max(0.0, ownedRecruits - 3 * g / 7);
    const double kept = ownedRecruits - abandonedNow;
    const double streetYearlings = 0.25 * streetPups + abandonedNow;  // sterilised or not, all counted
    return {streetYearlings, ownedStart + h * t * kept, streetStart + h * (1 - t) * streetYearlings};
}

}  // namespace karnoth::test
