#pragma once
// The inputs the window opens with, in one place: each text as the layout types it and the number
// it stands for. The layout table takes the texts, ModelInputs the numbers.

#include <string_view>

namespace karnoth {

struct DefaultText {
    std::string_view text;  // as typed into its box (".1", not "0.1")
    double value;
};

inline constexpr DefaultText kDefaultAdultSurvival{"0.9", 0.9};
inline constexpr DefaultText kDefaultStreetJuvenileSurvival{".1", 0.1};
inline constexpr DefaultText kDefaultAgeAtFirstLitter{"1", 1};
inline constexpr DefaultText kDefaultAgeAtLastLitter{"7", 7};
inline constexpr DefaultText kDefaultProbPregnant{"0.75", 0.75};
inline constexpr DefaultText kDefaultFemalePupsPerLitter{"2", 2};
inline constexpr DefaultText kDefaultOwnedSterilisedPercent{"50", 50};
inline constexpr DefaultText kDefaultProgrammeStart{"2005", 2005};
inline constexpr DefaultText kDefaultFirstYearMultiplier{"1", 1};
inline constexpr DefaultText kDefaultCullFrom{"1990", 1990};
inline constexpr DefaultText kDefaultCullTo{"2005", 2005};

// The scroll bars' ranges: their lowest and highest values.
struct BarLimits {
    int lowest;
    int highest;
};
inline constexpr BarLimits kAbandonedPerYearBar{1, 30000};  // females per year
inline constexpr BarLimits kProgrammeRateBar{0, 1000};      // tenths of a per cent per year
inline constexpr BarLimits kOwnedShareBar{0, 100};          // per cent aimed at owned dogs

// The scroll bars' initial values.
inline constexpr int kDefaultAbandonedPerYear = 4000;  // females
inline constexpr int kDefaultProgrammeRate = 252;      // tenths of a per cent per year (25.2 %)
inline constexpr int kDefaultOwnedShare = 50;          // per cent of the programme aimed at owned dogs

}  // namespace karnoth
