#include "analysis/stochastic_projection.h"

#include "analysis/samplers.h"
#include "model/run_steps.h"
#include "model/typed_inputs.h"
#include "model/yearly_steps.h"
#include "support/fault.h"
#include "support/number_masks.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace karnoth {
namespace {

using yearly_steps::YearSurvival;

// What a replicate leaves to chance: its own random stream, and each year's survivals. With a
// year-to-year SD, each survival is multiplied by a factor drawn from a normal distribution of mean
// 1 and clipped to [0, 1]; a first-year survival above 1 is only kept from falling below 0.
// Without, the model's own. A street that dies out is an outcome the replicate goes on from.
struct ReplicateChance {
    static constexpr bool varies = true;
    static constexpr bool emptyStreetIsOutcome = true;
    RandomStream stream;
    double yearToYearSd;

    YearSurvival survivals(const ProjectionSettings& in, float firstYearSurvival)
    {
        if (!(yearToYearSd > 0)) return {in.adultSurvival, in.streetJuvenileSurvival, firstYearSurvival};
        return survivalsWith(normal(stream, 1.0, yearToYearSd), in, firstYearSurvival);
    }

    static YearSurvival survivalsWith(double factor, const ProjectionSettings& in, float firstYearSurvival)
    {
        const auto clipped = [](double value) { return std::clamp(value, 0.0, 1.0); };
        const double ownedFirstYear = firstYearSurvival * factor;
        return {clipped(in.adultSurvival * factor), clipped(in.streetJuvenileSurvival * factor),
                firstYearSurvival > 1 ? std::max(ownedFirstYear, 0.0) : clipped(ownedFirstYear)};
    }
};

// Counts as the model keeps them: singles, each step rounding as the model's own run does. Their
// only draw is each year's factor, whatever the counts, so a replicate's later factors can be
// drawn once for all the programmes that go on from one past (`knownFactors`, the next year's
// first; none while they are drawn as the years run).
struct VaryingSingles : yearly_steps::SingleCounts, ReplicateChance {
    using ReplicateChance::emptyStreetIsOutcome;
    using ReplicateChance::varies;
    const double* knownFactors = nullptr;

    YearSurvival survivals(const ProjectionSettings& in, float firstYearSurvival)
    {
        if (!knownFactors) return ReplicateChance::survivals(in, firstYearSurvival);
        return survivalsWith(*knownFactors++, in, firstYearSurvival);
    }
};

// Whole animals in doubles (exact up to kMostWholeDogs), every event drawn.
struct WholeCounts : ReplicateChance {
    using Count = double;
    static Count fromModel(float value) { return std::round(double(value)); }
    template <class Stores>
    static Count add(Stores, Count a, Count b, const char*)
    {
        return a + b;
    }
    template <class Stores>
    static Count subtract(Stores, Count a, Count b, const char*)
    {
        return a - b;
    }
    Count draw(Count count, double probability)
    {
        if (!(count <= kMostWholeDogs)) [[unlikely]]
            throw Fault(FaultKind::Overflow,
                        "a group of " + formatGrouped(count, NumberLocale{}) + " dogs is too many to count one by one");
        return static_cast<double>(binomial(stream, static_cast<std::int64_t>(count), std::min(probability, 1.0)));
    }
    // A survival above 1 (owned first-year survival with few pups per yearling) gives floor(p)
    // yearlings per pup and one more with chance p - floor(p).
    template <class Stores>
    Count survivors(Stores, Count count, double survival, const char*)
    {
        const double whole = std::floor(survival);
        return count * whole + draw(count, survival - whole);
    }
    template <class Stores>
    Count ownedRecruits(Stores stores, Count pups, double survival, const char* what)
    {
        return survivors(stores, pups, survival, what);
    }
    template <class Stores>
    Count streetRecruits(Stores, Count pups, double survival, Count abandoned)
    {
        return draw(pups, survival) + abandoned;
    }
    template <class Stores>
    Count taken(Stores, Count count, double share, const char*)
    {
        return draw(count, share);
    }
    template <class Stores>
    Count ownedProgramme(Stores, Count yearlings, double H, double T, const double* effort)
    {
        return draw(yearlings, H / 1000.0 * T / 100.0 * (effort ? *effort : 1.0));
    }
    template <class Stores>
    Count streetProgramme(Stores, Count fertile, double H, double T, const double* effort)
    {
        return draw(fertile, (1.0 - T / 100.0) * (H / 1000.0) * (effort ? *effort : 1.0));
    }
    template <class Stores>
    Count afterCull(Stores, Count fertile, double killed, Count total)
    {
        return fertile - draw(fertile, killed / total);
    }
    // Arrivals are a Poisson count.
    template <class Stores>
    Count afterArrivals(Stores, Count yearlings, double arriving)
    {
        return yearlings + static_cast<double>(poisson(stream, arriving));
    }
    // Operations are whole: the nearest whole number wanted, never more than there are.
    template <class Stores>
    static Count operationsDone(Stores, double wanted, Count fertile, const char*)
    {
        return std::min(std::round(wanted), std::max(0.0, fertile));
    }
    // Spread by rounding the running total, so that the classes' parts are whole, add up to `done`
    // and none takes more dogs than its class has.
    template <class Stores>
    static Count operationsOnClass(Stores, Count inClass, Count before, Count done, Count fertile)
    {
        return std::round((before + inClass) * done / fertile) - std::round(before * done / fertile);
    }
    template <class Stores>
    Count births(Stores, Count breeders, double P, double Lit, const char*)
    {
        const double mean = Lit * P * breeders;
        if (!(mean <= kMostWholeDogs))
            throw Fault(FaultKind::Overflow, "the pups born in a year (on average " +
                                                 formatGrouped(mean, NumberLocale{}) +
                                                 ") are too many to count one by one");
        return static_cast<double>(poisson(stream, mean));
    }
};

template <class Counts>
void projectCounting(const RunStart& start, const YearlySeries& killedByYear, Counts counts, RandomStream& stream,
                     RunSeries& series)
{
    PopulationState state = start.equilibrium;
    ProjectionRecord record;
    yearly_steps::projectFastThenChecked(state, start.settings, killedByYear, counts, record);
    stream = counts.stream;
    series = record.series;
}

// One kind of counts run in parts.
template <class Counts>
struct CountedParts {
    Counts counts;
    PopulationState equilibrium;
    ProjectionSettings settings;
    const YearlySeries* killedByYear;
    yearly_steps::ProjectionPause<typename Counts::Count> pause;
    ProjectionRecord record;
    int nextYear = kFirstYear;
    std::shared_ptr<const std::vector<double>> laterFactors;  // from nextYear on, where drawn ahead

    void drawChanceAhead()
    {
        if constexpr (std::is_same_v<Counts, VaryingSingles>) {
            if (!(counts.yearToYearSd > 0) || counts.knownFactors) return;
            RandomStream stream = counts.stream;
            auto factors = std::make_shared<std::vector<double>>();
            for (int year = nextYear; year <= kLastYear; ++year)
                factors->push_back(normal(stream, 1.0, counts.yearToYearSd));
            laterFactors = std::move(factors);
            counts.knownFactors = laterFactors->data();
        }
    }

    bool runTo(int lastYear)
    {
        try {
            yearly_steps::projectYears<yearly_steps::FastStores, Counts, true>(
                equilibrium, settings, *killedByYear, counts, record, {nextYear, lastYear}, &pause);
        } catch (const yearly_steps::NotFinite&) {
            return false;
        } catch (const Fault&) {
            return false;
        }
        nextYear = lastYear + 1;
        return true;
    }
};

}  // namespace

struct ProjectionInParts::Parts {
    std::variant<CountedParts<yearly_steps::SingleCounts>, CountedParts<VaryingSingles>, CountedParts<WholeCounts>>
        kind;
};

ProjectionInParts::ProjectionInParts(const RunStart& start, const YearlySeries& killedByYear,
                                     const YearlyChance& chance, const RandomStream& stream)
{
    const auto parts = [&](auto counts) {
        using Counts = decltype(counts);
        return std::make_unique<Parts>(Parts{
            CountedParts<Counts>{counts, start.equilibrium, start.settings, &killedByYear, {}, {}, kFirstYear, {}}});
    };
    if (chance.wholeDogs)
        parts_ = parts(WholeCounts{{stream, chance.yearToYearSd}});
    else if (chance.any())
        parts_ = parts(VaryingSingles{{}, {stream, chance.yearToYearSd}});
    else
        parts_ = parts(yearly_steps::SingleCounts{});
}

ProjectionInParts::ProjectionInParts(const ProjectionInParts& other)
    : parts_(std::make_unique<Parts>(*other.parts_)) { }

ProjectionInParts& ProjectionInParts::operator=(const ProjectionInParts& other)
{
    *parts_ = *other.parts_;
    return *this;
}

ProjectionInParts::~ProjectionInParts() = default;

ProjectionSettings& ProjectionInParts::settings()
{
    return std::visit([](auto& kind) -> ProjectionSettings& { return kind.settings; }, parts_->kind);
}

bool ProjectionInParts::runTo(int lastYear)
{
    return std::visit([lastYear](auto& kind) { return kind.runTo(lastYear); }, parts_->kind);
}

void ProjectionInParts::drawChanceAhead()
{
    std::visit([](auto& kind) { kind.drawChanceAhead(); }, parts_->kind);
}

float ProjectionInParts::streetTotal(int year) const
{
    return std::visit([year](const auto& kind) { return kind.record.series.streetTotal[year]; }, parts_->kind);
}

RunStart prepareRun(const ModelInputs& inputs)
{
    const YearlySeries noCulling;
    TypedInputs source(inputs, noCulling);
    RunObserver nobody;
    ModelResult result;
    const PreparedProjection prepared = prepareProjection(source, nobody, result);
    return {result.equilibrium, prepared.settings};
}

void projectWithChance(const RunStart& start, const YearlySeries& killedByYear, const YearlyChance& chance,
                       RandomStream& stream, RunSeries& series)
{
    if (chance.wholeDogs)
        projectCounting(start, killedByYear, WholeCounts{{stream, chance.yearToYearSd}}, stream, series);
    else
        projectCounting(start, killedByYear, VaryingSingles{{}, {stream, chance.yearToYearSd}}, stream, series);
}

}  // namespace karnoth
