#pragma once
// Every input of the window in one table. A row joins the control that holds the input to what the
// model calls it (its InputField, which gives the fault caption and range, and its ModelInputs
// member), says how a setting becomes a number, the text or value it starts at, the bar's range
// and the words a user reads about it. The window's tool tips and Help, the CLI's list of controls,
// the report's input table, scenario files, the layout's initial values and the analyses' list of
// varied inputs all read this table. Where an input sits on the window is the layout's (layout.cpp).

#include "catalogue/control_names.h"
#include "model/input_field.h"
#include "model/model_inputs.h"
#include "support/translate_noop.h"

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace karnoth {

// The translation context of every text of the catalogue.
inline constexpr const char* kInputTextContext = "karnoth::InputCatalogue";

// How a control's setting becomes the model's number.
enum class Conversion {
    numberText,  // a text box read as a real number when a step needs it
    yearText,  // a text box read as a whole year (it must fit 16 bits)
    barValue,  // a scroll bar's whole value, in the unit of its ModelInputs member
    checkBox,  // ticked (1) or not (0)
    // A text box whose empty or blank text is the neutral value: its `number` member's default
    // (arrivals: none) or, for an `optionalNumber` member, none (no capacity, no operations).
    optionalNumberText,
    optionalYearText,  // a year text whose empty or blank text is none (the programme never stops)
};

// A scroll bar's lowest and highest value.
struct BarLimits {
    int lowest;
    int highest;
};

struct InputRow {
    std::string_view control;  // the control's layout name, "txtLitter"
    std::optional<InputField> field;  // the model's name of it; none for a check box
    Conversion conversion;
    double ModelInputs::*number = nullptr;  // the member a number input sets; nullptr for a year or check box
    int ModelInputs::*year = nullptr;  // the member a year sets
    std::string_view defaultText = {};  // a text box's initial text, as typed (".1", not "0.1")
    int defaultValue = 0;  // a bar's initial value, a check box's state
    std::optional<BarLimits> bar = std::nullopt;
    int variedPosition = -1;  // its place among the inputs the analyses move (it names it to them); -1: never moved
    // Words for the user, translatable: the caption in Help and the report, what it means, its
    // unit, and what is said after its range (may be empty).
    const char* caption = "";
    const char* meaning = "";
    const char* unit = "";
    const char* rangeNote = "";
    bool barInTenths = false;  // the bar holds tenths of the per cent the user reads (252 is 25.2 %)
    std::optional<double> ModelInputs::*optionalNumber = nullptr;  // the member an input that may be none sets
    std::optional<int> ModelInputs::*optionalYear = nullptr;
    bool chartOnly = false;  // not an input of the model: it only changes how a run is charted
};

// In the order Help and the report list them: life history, owned dogs, the programme, culling,
// then the chart.
inline constexpr auto kInputCatalogue = std::to_array<InputRow>({
    {control::txtAdultSurv, InputField::adultSurvival, Conversion::numberText, &ModelInputs::adultSurvival, nullptr,
     "0.9", 0, std::nullopt, 0, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "adult survival"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "The share of dogs aged one and over that live through a year."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "a share per year (0.9 is 90 %)"), ""},
    {control::txtJuvSurv, InputField::streetJuvenileSurvival, Conversion::numberText,
     &ModelInputs::streetJuvenileSurvival, nullptr, ".1", 0, std::nullopt, 1,
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "juvenile survival"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "The share of street pups that live through their first year."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "a share per year"),
     KARNOTH_TRANSLATE_NOOP(
         "karnoth::InputCatalogue",
         "; below the threshold shown beside it (1 / pups per yearling), or there is no steady state")},
    {control::txtRecruit, InputField::ageAtFirstLitter, Conversion::numberText, &ModelInputs::ageAtFirstLitter, nullptr,
     "1", 0, std::nullopt, 2, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "age at first litter"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "The age at which a female has her first litter."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "years"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; a value below 1 becomes 1")},
    {control::txtSenile, InputField::ageAtLastLitter, Conversion::numberText, &ModelInputs::ageAtLastLitter, nullptr,
     "7", 0, std::nullopt, 3, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "age at last litter"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "The age at which a female has her last litter."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "years"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", ", not below the age at first litter, at most 10 once rounded")},
    {control::txtLitter, InputField::femalePupsPerLitter, Conversion::numberText, &ModelInputs::femalePupsPerLitter,
     nullptr, "2", 0, std::nullopt, 5, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "female pups per litter"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The female pups in one litter (the model counts females only)."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "female pups"), ""},
    {control::txtFecundity, InputField::probPregnant, Conversion::numberText, &ModelInputs::probPregnant, nullptr,
     "0.75", 0, std::nullopt, 4, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "prob. pregnant"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The probability that a female of breeding age is pregnant in a year."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "a probability per year"), ""},
    {control::txtCurrentOwnedSteril, InputField::ownedSterilisedPercent, Conversion::numberText,
     &ModelInputs::ownedSterilisedPercent, nullptr, "50", 0, std::nullopt, 6,
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "% owned dogs sterilised"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The per cent of owned yearlings that their owners have sterilised already."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "per cent"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; from 70 on owned dogs cannot replace themselves")},
    {control::vscGainLoss, InputField::abandonedPerYear, Conversion::barValue, &ModelInputs::abandonedPerYear, nullptr,
     "", 4000, BarLimits{1, 30000}, 8, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "abandoned per year"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The owned one-year-old females abandoned to the street each year at equilibrium; owners "
                            "keep the rest of their yearlings."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "females per year"), ""},
    {control::txtStart, InputField::programmeStart, Conversion::yearText, nullptr, &ModelInputs::programmeStart, "2005",
     0, std::nullopt, -1, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "sterilising starts in"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "The first year of the sterilisation programme."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "a calendar year"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; the model runs from 1950 to 2050")},
    {control::txtTimes, InputField::firstYearMultiplier, Conversion::numberText, &ModelInputs::firstYearMultiplier,
     nullptr, "1", 0, std::nullopt, 7, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "times in first year"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The programme's effort in its first year, as a multiple of its yearly rate."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "times"), ""},
    {control::hscSterilise, InputField::programmeRate, Conversion::barValue, &ModelInputs::programmeRate, nullptr, "",
     252, BarLimits{0, 1000}, 9, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "sterilisation rate"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The share of fertile females the programme sterilises each year, split between owned "
                            "yearlings and street dogs by the owned share."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "per cent per year, in steps of 0.1 %"), "", true},
    {control::vscTarget, InputField::ownedShare, Conversion::barValue, &ModelInputs::ownedShare, nullptr, "", 50,
     BarLimits{0, 100}, 10, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "share aimed at owned dogs"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The per cent of the programme aimed at owned dogs (top of the bar); the rest goes to "
                            "street dogs (bottom)."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "per cent"), ""},
    {control::chkSterilise, std::nullopt, Conversion::checkBox, nullptr, nullptr, "", 0, std::nullopt, -1,
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "only 1-year olds"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "Ticked, the street programme treats only one-year-olds; otherwise every street age from 1 "
                            "to 10. Owned dogs are treated as yearlings either way."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "ticked or not"), ""},
    {control::txtFrom, InputField::cullFrom, Conversion::yearText, nullptr, &ModelInputs::cullFrom, "1990", 0,
     std::nullopt, -1, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "dogs killed from"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                            "The first year of culling. In each culling year the street dogs that killed.txt records "
                            "for the year before are removed from the fertile street dogs aged 1 to 10."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "a calendar year"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; after 1950, since 1950 has no year before it")},
    {control::txtTo, InputField::cullTo, Conversion::yearText, nullptr, &ModelInputs::cullTo, "2005", 0, std::nullopt,
     -1, KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "dogs killed to"),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "The last year of culling (inclusive)."),
     KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "a calendar year"), ""},
    // A real town: dogs arriving, a street that fills up, a programme that ends, effort counted in
    // operations. Each is off when its text is empty (arrivals: 0).
    {.control = control::txtImmigrants,
     .field = InputField::immigrantsPerYear,
     .conversion = Conversion::optionalNumberText,
     .number = &ModelInputs::immigrantsPerYear,
     .defaultText = "0",
     .variedPosition = 11,
     .caption = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "intact females arriving per year"),
     .meaning = KARNOTH_TRANSLATE_NOOP(
         "karnoth::InputCatalogue",
         "Fertile yearling females that join the street from outside each year, before, during and after the "
         "programme. They arrive after the year's sterilising and breed in their first year."),
     .unit = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "females per year"),
     .rangeNote = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; empty is 0")},
    {.control = control::txtCapacity,
     .field = InputField::carryingCapacity,
     .conversion = Conversion::optionalNumberText,
     .defaultText = "",
     .variedPosition = 12,
     .caption = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "street carrying capacity"),
     .meaning = KARNOTH_TRANSLATE_NOOP(
         "karnoth::InputCatalogue",
         "The street females aged one and over that the town's food and shelter can hold. Street pups survive "
         "their first year less often as the street fills (sterilised dogs take space too), so a street that would "
         "grow settles near it."),
     .unit = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "females"),
     .rangeNote = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; empty: pups' survival does not depend on "
                                                                    "crowding"),
     .optionalNumber = &ModelInputs::carryingCapacity},
    {.control = control::txtCompensation,
     .field = InputField::compensation,
     .conversion = Conversion::numberText,
     .number = &ModelInputs::compensation,
     .defaultText = "1",
     .variedPosition = 13,
     .caption = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "compensation"),
     .meaning = KARNOTH_TRANSLATE_NOOP(
         "karnoth::InputCatalogue",
         "How sharply street pups' survival falls near the carrying capacity: 1 falls smoothly as the street "
         "fills; 5 to 10 keeps it near its best below the capacity and drops it steeply above, so a small "
         "programme is absorbed."),
     .unit = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "an exponent"),
     .rangeNote = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; read only when a capacity is set")},
    {.control = control::txtStop,
     .field = InputField::programmeStop,
     .conversion = Conversion::optionalYearText,
     .defaultText = "",
     .caption = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "sterilising stops after"),
     .meaning = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                                       "The programme's last year; after it the population is left to rebound."),
     .unit = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "a calendar year"),
     .rangeNote = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                                         ", not before the start year; empty: the programme never stops"),
     .optionalYear = &ModelInputs::programmeStop},
    {.control = control::txtOperations,
     .field = InputField::operationsPerYear,
     .conversion = Conversion::optionalNumberText,
     .defaultText = "",
     .variedPosition = 14,
     .caption = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "sterilisations per year"),
     .meaning = KARNOTH_TRANSLATE_NOOP(
         "karnoth::InputCatalogue",
         "The female sterilisations the programme does each year, in place of the rate bar; the owned share "
         "splits them. Operations the owned dogs cannot use are not moved to the street, and no year operates "
         "on more fertile dogs than there are."),
     .unit = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "operations per year"),
     .rangeNote = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "; empty: the rate bar sets the programme"),
     .optionalNumber = &ModelInputs::operationsPerYear},
    {.control = control::chkLog,
     .field = std::nullopt,
     .conversion = Conversion::checkBox,
     .caption = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "log scale"),
     .meaning = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue",
                                       "Ticked, the next run charts ln(dogs + 1), so its axis labels are logarithms; "
                                       "point at the chart to read the counts."),
     .unit = KARNOTH_TRANSLATE_NOOP("karnoth::InputCatalogue", "ticked or not"),
     .chartOnly = true},
});

// The row of the control `control`; nullptr for a control that is no input (a label, Run).
constexpr const InputRow* findInput(std::string_view control)
{
    for (const InputRow& row : kInputCatalogue)
        if (row.control == control) return &row;
    return nullptr;
}

// The row of the model's field `field`; nullptr when no control holds it.
constexpr const InputRow* findInput(InputField field)
{
    for (const InputRow& row : kInputCatalogue)
        if (row.field == field) return &row;
    return nullptr;
}

// The row of an input the caller knows is there (a constant of the code): when used in a constant
// expression, a missing one does not compile.
constexpr const InputRow& inputRow(std::string_view control)
{
    if (const InputRow* row = findInput(control)) return *row;
    throw std::out_of_range("no input control of that name");
}
constexpr const InputRow& inputRow(InputField field)
{
    if (const InputRow* row = findInput(field)) return *row;
    throw std::out_of_range("no input control holds that field");
}

// The number of inputs the analyses move.
constexpr std::size_t variedInputCount()
{
    std::size_t count = 0;
    for (const InputRow& row : kInputCatalogue) count += row.variedPosition >= 0 ? 1 : 0;
    return count;
}

}  // namespace karnoth
