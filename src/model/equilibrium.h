#pragma once
// The owned and street populations at equilibrium, the state the projection starts from in 1950.
// G is the number of owned yearlings abandoned per year; all stores are single precision.

#include "model/population_state.h"

#include <optional>

namespace karnoth {

// Owned dogs replace themselves only while firstYearSurvival > 1 / (unsterilisedShare x
// pupsPerYearling), which with firstYearSurvival = 1 / (0.3 x pupsPerYearling) means fewer than 70 %
// of owned yearlings sterilised by their owners. An ImpossibleState fault unless
// unsterilisedShare x pupsPerYearling != 0 and firstYearSurvival - 1 / (unsterilisedShare x
// pupsPerYearling) > 1e-6 x firstYearSurvival (double precision). Reads the shares from `state`.
void requireOwnedSteadyState(const PopulationState& state, double ownedSterilisedPercent);

//   ownedFertile[0]   = G / (firstYearSurvival - 1 / (unsterilisedShare * pupsPerYearling))
//   retainedYearlings = firstYearSurvival * ownedFertile[0] - G
//   ownedFertile[1]   = retainedYearlings * unsterilisedShare, ownedSterile[1] the rest
//   every older class = S * the class below.
void setOwnedEquilibrium(PopulationState& state, double adultSurvival, double abandonedPerYear);

// Street pups below the juvenile-survival threshold 1 / pupsPerYearling do not replace themselves;
// at or above it the street grows without end. An ImpossibleState fault unless
// 1 / pupsPerYearling - Sj > 1e-6 / pupsPerYearling.
void requireStreetSteadyState(const PopulationState& state, double streetJuvenileSurvival);

// With `inflow` = G + M yearlings joining the street a year (abandoned and arriving) and Sj the
// juvenile survival at equilibrium (Sj*, held back by crowding, when there is a capacity):
//   streetFertile[0] = inflow / (1 / pupsPerYearling - Sj),  streetFertile[1] = Sj * streetFertile[0] + inflow
//   every older class = S * the class below; no sterilised street dogs.
// A closed street held at its capacity (inflow 0, `equilibriumTotal` given) replaces itself
// exactly: streetFertile[1] = equilibriumTotal / (1 + S + ... + S^9), streetFertile[0] =
// streetFertile[1] / Sj.
void setStreetEquilibrium(PopulationState& state, double adultSurvival, double streetJuvenileSurvival, double inflow,
                          std::optional<double> equilibriumTotal = std::nullopt);

// The owned yearlings owners sterilise each year at equilibrium:
// (1 - unsterilisedShare) * ownedFertile[1] / unsterilisedShare.
double currentlySterilisedPerYear(const PopulationState& state);

}  // namespace karnoth
