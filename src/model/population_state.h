#pragma once
// The female dogs of one run by age class, all single precision, zero at the start of every run.
// Ages run to 10; an animal that would turn 11 leaves the model.

#include <array>

namespace karnoth {

inline constexpr int kOldestAge = 10;

struct PopulationState {
    std::array<float, kOldestAge + 1> ownedFertile{};  // [0] holds the female pups born this year
    std::array<float, kOldestAge + 1> ownedSterile{};  // [1..10] used
    std::array<float, kOldestAge + 1> streetFertile{};  // [0] holds the newborn females
    std::array<float, kOldestAge + 1> streetSterile{};  // [1..10] used
    float unsterilisedShare = 0;  // 1 - Cs / 100
    float pupsPerYearling = 0;
    float firstYearSurvival = 0;
    float retainedYearlings = 0;  // owned yearlings owners keep each year
};

}  // namespace karnoth
