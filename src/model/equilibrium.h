#pragma once
// The owned and street populations at equilibrium, the state the projection starts from in 1950.

#include "model/population_state.h"
#include "model/run_parameters.h"

namespace karnoth {

// With G owned yearlings abandoned per year (all stores single precision):
//   ownedFertile[0]   = G / (firstYearSurvival - 1 / (unsterilisedShare * pupsPerYearling))
//   retainedYearlings = firstYearSurvival * ownedFertile[0] - G
//   ownedFertile[1]   = retainedYearlings * unsterilisedShare, ownedSterile[1] the rest
//   streetFertile[0]  = G / (1 / pupsPerYearling - Sj),  streetFertile[1] = Sj * streetFertile[0] + G
//   every older class = S * the class below; no sterilised street dogs.
// Reads unsterilisedShare, pupsPerYearling and firstYearSurvival from `state`.
void setEquilibrium(PopulationState& state, const RunParameters& p);

}  // namespace karnoth
