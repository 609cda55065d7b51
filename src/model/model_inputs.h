#pragma once
// The inputs of one run of the model, typed and named by meaning. Every quantity is a real number,
// the three the window holds as scroll-bar integers too, so that analyses can vary them
// continuously; years are whole years. The defaults are the window's (the input catalogue's texts
// and bar values, checked against these). The field's mechanisms (arrivals, a carrying capacity, a
// programme that stops, operations a year) are off at their defaults; a member that can be "none"
// is optional.

#include <optional>

namespace karnoth {

struct ModelInputs {
    double adultSurvival = 0.9;  // S, per year from age one; 0 <= S < 1
    double streetJuvenileSurvival = 0.1;  // Sj, street pups' first year; 0..1
    double ageAtFirstLitter = 1;  // R, years; >= 0
    double ageAtLastLitter = 7;  // L, years; >= R, <= 10 once rounded
    double probPregnant = 0.75;  // P, per breeding female and year; 0..1
    double femalePupsPerLitter = 2;  // Lit; >= 0
    double ownedSterilisedPercent = 50;  // Cs, per cent of owned yearlings; 0..100
    double abandonedPerYear = 4000;  // G, owned yearlings a year; >= 0
    double programmeRate = 252;  // H, tenths of a per cent a year; 0..1000
    double ownedShare = 50;  // T, per cent aimed at owned dogs; 0..100
    int programmeStart = 2005;  // first year of the programme
    double firstYearMultiplier = 1;  // Times, effort in that year; >= 0
    int cullFrom = 1990;  // culling years, inclusive
    int cullTo = 2005;
    bool onlyYearlings = false;  // the street programme treats only 1-year-olds
    double immigrantsPerYear = 0;  // M, fertile yearling females joining the street a year; >= 0
    std::optional<double> carryingCapacity;  // K, street females aged 1..10; > 0; none: no density dependence
    double compensation = 1;  // theta, how sharply pups' survival falls near K; (0, 20]; read only with K
    std::optional<int> programmeStop;  // last programme year; not before the start; none: to 2050
    std::optional<double> operationsPerYear;  // Q, female sterilisations a year; >= 0; none: the rate sets it

    friend bool operator==(const ModelInputs&, const ModelInputs&) = default;
};

}  // namespace karnoth
