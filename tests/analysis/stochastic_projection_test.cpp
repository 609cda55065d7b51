#include "analysis/stochastic_projection.h"

#include "model/engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace karnoth {
namespace {

struct Scenario {
    const char* name;
    ModelInputs inputs;
    YearlySeries killed;
};

YearlySeries cullingCounts()
{
    YearlySeries killed;
    for (int year = 1989; year <= 2004; ++year) killed[year] = 500.0f + 100.0f * float(year % 7);
    return killed;
}

// Inputs that take every branch of the yearly steps.
std::vector<Scenario> runningScenarios()
{
    std::vector<Scenario> scenarios;
    scenarios.push_back({"defaults", ModelInputs{}, {}});
    scenarios.push_back({"culling", ModelInputs{}, cullingCounts()});
    ModelInputs yearlings;
    yearlings.onlyYearlings = true;
    yearlings.programmeStart = 1950;
    yearlings.firstYearMultiplier = 3;
    yearlings.programmeRate = 300.5;  // a bar between whole values
    scenarios.push_back({"only yearlings from 1950, three times the effort", yearlings, {}});
    ModelInputs fractional;
    fractional.ageAtFirstLitter = 1.6;
    fractional.ageAtLastLitter = 8.4;
    fractional.adultSurvival = 0.83;
    fractional.ownedShare = 100;
    fractional.programmeStart = 2060;
    scenarios.push_back({"fractional ages, no programme in the projection", fractional, cullingCounts()});
    ModelInputs fewPups;  // pups per yearling below 1 / 0.3: first-year survival above 1
    fewPups.adultSurvival = 0.5;
    fewPups.streetJuvenileSurvival = 0.2;
    scenarios.push_back({"first-year survival above 1", fewPups, {}});
    ModelInputs field;  // every field mechanism on: the replicate shares them with the model
    field.streetJuvenileSurvival = 0.3;
    field.immigrantsPerYear = 500;
    field.carryingCapacity = 100000;
    field.compensation = 8;
    field.programmeStop = 2030;
    field.operationsPerYear = 20000;
    scenarios.push_back({"arrivals, a steep capacity, operations, a stop", field, cullingCounts()});
    ModelInputs smooth = field;
    smooth.compensation = 1;
    smooth.operationsPerYear.reset();
    smooth.onlyYearlings = true;
    scenarios.push_back({"a smooth capacity, the rate, only yearlings", smooth, {}});
    return scenarios;
}

RunSeries projected(const Scenario& scenario, const YearlyChance& chance, std::uint64_t seed = 1)
{
    RandomStream stream(seed, StreamPurpose::replicate, 0);
    RunSeries series;
    projectWithChance(prepareRun(scenario.inputs), scenario.killed, chance, stream, series);
    return series;
}

std::vector<const YearlySeries*> seriesOf(const RunSeries& s)
{
    return {&s.streetTotal, &s.streetBreeders, &s.extraSterilisations, &s.ownedBreeders};
}

TEST(StochasticProjection, WithoutChanceItIsTheModelsOwnProjection)
{
    for (const Scenario& scenario : runningScenarios()) {
        const ModelOutcome model = runModel(scenario.inputs, scenario.killed);
        ASSERT_TRUE(model.ok()) << scenario.name << ": " << model.fault().what();
        const RunSeries own = projected(scenario, YearlyChance{});
        const auto expected = seriesOf(model.result().series);
        const auto actual = seriesOf(own);
        for (std::size_t s = 0; s < expected.size(); ++s)
            EXPECT_EQ(actual[s]->values(), expected[s]->values()) << scenario.name << ", series " << s;
    }
}

// A projection in parts is the whole one, single for single: cut in the year before the programme
// starts (its settings only then set, as the planners set them) and again in 2020, without chance,
// with a year-to-year SD and with whole dogs.
TEST(StochasticProjection, InPartsItIsTheWholeRun)
{
    for (const Scenario& scenario : runningScenarios()) {
        const int start = scenario.inputs.programmeStart;
        const int firstCut = start > kFirstYear && start <= kLastYear ? start - 1 : 1990;
        ModelInputs beforeTheProgramme = scenario.inputs;
        if (firstCut == start - 1) {
            beforeTheProgramme.programmeRate = 0;
            beforeTheProgramme.ownedShare = 0;
            if (beforeTheProgramme.operationsPerYear) beforeTheProgramme.operationsPerYear = 0.0;
        }
        const RunStart prepared = prepareRun(scenario.inputs);
        for (const YearlyChance chance : {YearlyChance{}, YearlyChance{0.05, false}, YearlyChance{0.05, true}}) {
            SCOPED_TRACE(std::string(scenario.name) + (chance.wholeDogs ? ", whole dogs" : chance.any() ? ", SD" : ""));
            const YearlySeries whole = chance.any()
                                           ? projected(scenario, chance).streetTotal
                                           : runModel(scenario.inputs, scenario.killed).result().series.streetTotal;
            const ProjectionInParts past(prepareRun(beforeTheProgramme), scenario.killed, chance,
                                         RandomStream(1, StreamPurpose::replicate, 0));
            ProjectionInParts part = past;
            ASSERT_TRUE(part.runTo(firstCut));
            part.drawChanceAhead();
            ProjectionInParts onwards = part;
            onwards.settings() = prepared.settings;
            ASSERT_TRUE(onwards.runTo(2020));
            ASSERT_TRUE(onwards.runTo(kLastYear));
            for (int year = kFirstYear; year <= kLastYear; ++year)
                ASSERT_EQ(year <= firstCut ? part.streetTotal(year) : onwards.streetTotal(year), whole[year]) << year;
        }
    }
}

TEST(StochasticProjection, FaultsWhereTheModelFaults)
{
    struct Faulting {
        const char* name;
        void (*change)(ModelInputs&);
    };
    const Faulting cases[] = {
        {"prob. pregnant 1.2", [](ModelInputs& in) { in.probPregnant = 1.2; }},
        {"juvenile survival above its threshold", [](ModelInputs& in) { in.streetJuvenileSurvival = 0.13; }},
        {"culling from 1950", [](ModelInputs& in) { in.cullFrom = 1950; }},
        {"twenty times the effort", [](ModelInputs& in) { in.firstYearMultiplier = 20; }},
    };
    for (const Faulting& c : cases) {
        Scenario scenario{c.name, ModelInputs{}, {}};
        c.change(scenario.inputs);
        const ModelOutcome model = runModel(scenario.inputs);
        ASSERT_FALSE(model.ok()) << c.name;
        try {
            projected(scenario, YearlyChance{});
            ADD_FAILURE() << c.name << " did not fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), model.fault().kind()) << c.name << ": " << fault.what();
            EXPECT_STREQ(fault.what(), model.fault().what()) << c.name;
        }
    }
}

// With nobody abandoned the street is empty from the start: the model's run faults (no street
// yearlings in 2005 for its share of the abandoned, a cull that divides by an empty street), but
// here dying out is an outcome. The cull removes nothing and the run goes on; owners' yearlings
// above what they keep, when chance makes some, refill the street.
TEST(StochasticProjection, AnEmptyStreetIsAnOutcomeNotAFault)
{
    ModelInputs nobodyAbandoned;
    nobodyAbandoned.abandonedPerYear = 0;
    ASSERT_FALSE(runModel(nobodyAbandoned, cullingCounts()).ok());
    const Scenario empty{"nobody abandoned, culling 1990..2005", nobodyAbandoned, cullingCounts()};
    for (const YearlyChance& chance :
         {YearlyChance{}, YearlyChance{0, true}, YearlyChance{0.3, false}, YearlyChance{0.3, true}}) {
        SCOPED_TRACE(testing::Message() << "SD " << chance.yearToYearSd << (chance.wholeDogs ? ", whole dogs" : ""));
        RunSeries series;
        ASSERT_NO_THROW(series = projected(empty, chance));
        for (float total : series.streetTotal.values()) EXPECT_GE(total, 0);
        if (!chance.any()) {
            for (float total : series.streetTotal.values()) EXPECT_EQ(total, 0);
        }
    }
}

// Each whole-dog count is a whole number; the programme's share is capped at every dog, so twenty
// times the effort sterilises every fertile dog it reaches instead of faulting.
TEST(StochasticProjection, WholeDogsAreWholeAndSharesAreCapped)
{
    Scenario capped{"twenty times the effort", ModelInputs{}, cullingCounts()};
    capped.inputs.firstYearMultiplier = 20;
    for (const Scenario& scenario : {runningScenarios()[1], capped}) {
        const RunSeries series = projected(scenario, YearlyChance{0, true});
        for (const YearlySeries* s : seriesOf(series))
            for (float value : s->values()) EXPECT_EQ(value, std::round(value)) << scenario.name;
    }
    // Arrivals are drawn whole and operations are done whole.
    const RunSeries field = projected(runningScenarios()[5], YearlyChance{0, true});
    for (const YearlySeries* s : seriesOf(field))
        for (float value : s->values()) EXPECT_EQ(value, std::round(value)) << "field mechanisms";
    const RunSeries series = projected(capped, YearlyChance{0, true});
    // In the start year every fertile street dog aged 1..10 is sterilised, so none breed.
    EXPECT_EQ(series.streetBreeders[2005], 0);
    EXPECT_GT(series.extraSterilisations[2005], 0);
}

// A small year-to-year SD changes the run by little, also when the owned first-year survival lies
// above 1 (it is not clipped to 1).
TEST(StochasticProjection, SmallYearToYearVariationStaysCloseToTheModel)
{
    for (const Scenario& scenario : runningScenarios()) {
        const RunSeries model = runModel(scenario.inputs, scenario.killed).result().series;
        const RunSeries varied = projected(scenario, YearlyChance{1e-7, false});
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            const double expected = model.streetTotal[year];
            EXPECT_NEAR(varied.streetTotal[year], expected, 1e-4 * expected) << scenario.name << " " << year;
        }
    }
}

TEST(StochasticProjection, TheSameStreamGivesTheSameRunAndAnotherADifferentOne)
{
    const Scenario scenario = runningScenarios()[1];
    const YearlyChance everything{0.05, true};
    const RunSeries first = projected(scenario, everything, 7);
    EXPECT_EQ(projected(scenario, everything, 7).streetTotal.values(), first.streetTotal.values());
    EXPECT_NE(projected(scenario, everything, 8).streetTotal.values(), first.streetTotal.values());
}

// Replicates share nothing but their inputs: four threads drawing whole-dog replicates with
// year-to-year variation get what one thread gets (and, under ThreadSanitizer, touch no common
// state).
TEST(StochasticProjection, ManyThreadsDrawWhatOneDoes)
{
    const Scenario scenario{"defaults", ModelInputs{}, cullingCounts()};
    const YearlyChance chance{0.1, true};
    constexpr std::uint64_t kReplicates = 16;
    std::vector<float> alone;
    for (std::uint64_t seed = 0; seed < kReplicates; ++seed)
        alone.push_back(projected(scenario, chance, seed).streetTotal[2050]);

    std::vector<float> together(kReplicates);
    std::vector<std::thread> threads;
    for (std::uint64_t t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (std::uint64_t seed = t; seed < kReplicates; seed += 4)
                together[seed] = projected(scenario, chance, seed).streetTotal[2050];
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(together, alone);
}

}  // namespace
}  // namespace karnoth
