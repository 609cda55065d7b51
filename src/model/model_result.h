#pragma once
// What one run of the model gives, typed: the yearly series, the breeding quantities, the growth
// rate, the equilibrium it starts from, the programme's first year and the street's rebound after it.

#include "model/population_state.h"
#include "model/projection.h"
#include "model/rebound.h"

#include <optional>

namespace karnoth {

// The projection's record (series, the programme's owned and street sterilisations per year, its
// first year, the 2005 share of abandoned dogs) and what the run found before it.
struct ModelResult : ProjectionRecord {
    float pupsPerYearling = 0;  // female pups over the breeding life of a female alive at one
    float firstYearSurvival = 0;  // of owned pups
    double growthRate = 0;  // yearly factor of an owned population breeding freely
    double doublingTime = 0;  // years, ln 2 / ln growthRate
    PopulationState equilibrium;  // the state the projection starts from in 1950
    double currentlySterilisedPerYear = 0;  // owned yearlings owners sterilise a year at equilibrium
    std::optional<Rebound> rebound;  // none unless a programme that stops brought the street down
};

}  // namespace karnoth
