#pragma once
// The model's inputs as the user knows them: each by the caption beside its box or bar, and the
// values it can take. A value outside them is an OutsideRange fault naming the caption and the
// range ("adult survival 1.5 is outside its range: at least 0 and below 1"). Years have no range of
// their own: a year outside the table faults where the projection needs it.

#include <string_view>

namespace karnoth {

enum class InputField {
    adultSurvival,  // "adult survival", 0 <= S < 1
    streetJuvenileSurvival,  // "juvenile survival", 0..1
    ageAtFirstLitter,  // "age at first litter", >= 0
    ageAtLastLitter,  // "age at last litter", >= 0 and not below the age at first litter
    probPregnant,  // "prob. pregnant", 0..1
    femalePupsPerLitter,  // "female pups per litter", >= 0
    ownedSterilisedPercent,  // "% owned dogs sterilised", 0..100
    firstYearMultiplier,  // "times in first year", >= 0
    abandonedPerYear,  // "abandoned per year", >= 0
    programmeRate,  // "sterilisation rate (tenths of a %)", 0..1000
    ownedShare,  // "share aimed at owned dogs (%)", 0..100
    programmeStart,  // "sterilising starts in"
    cullFrom,  // "dogs killed from"
    cullTo,  // "dogs killed to"
    immigrantsPerYear,  // "females arriving per year", >= 0
    carryingCapacity,  // "street carrying capacity", > 0
    compensation,  // "compensation", above 0 and at most 20
    programmeStop,  // "sterilising stops after", a year not before the start
    operationsPerYear,  // "sterilisations per year", >= 0
};

// The caption a message names the field by.
std::string_view fieldCaption(InputField field);

// The values a field takes, in words ("0 to 1", "at least 0 and below 1"); empty for a year.
std::string_view fieldRangeWords(InputField field);

// Raises the OutsideRange fault when `value` is outside the field's range (or not finite). Year
// fields take any value.
void requireInRange(InputField field, double value);

// The age at last litter must not lie below the age at first litter (OutsideRange).
void requireLastLitterNotBeforeFirst(double ageAtLastLitter, double ageAtFirstLitter);

// The programme's last year must not lie before its first (OutsideRange).
void requireStopNotBeforeStart(int programmeStop, int programmeStart);

// No litter before age one: an age at first litter below this many years is taken as this, however
// it is given (typed into the window, opened from a scenario, moved by an analysis).
inline constexpr double kEarliestFirstLitter = 1;
inline constexpr std::string_view kEarliestFirstLitterText = "1";

// The age at first litter a run takes for `given`: the floor when it lies below it, else as given
// (a value that is not a number stays one, for its range check to name).
inline double ageAtFirstLitterTaken(double given)
{
    return given < kEarliestFirstLitter ? kEarliestFirstLitter : given;
}

}  // namespace karnoth
