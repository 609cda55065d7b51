#include "analysis/uncertainty.h"

#include "model/engine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace karnoth {
namespace {

UncertaintyResult ran(const UncertaintyRequest& request, int threads = 2)
{
    const std::optional<UncertaintyResult> result = runUncertainty(request, BatchRunner(threads));
    EXPECT_TRUE(result.has_value());
    return result.value_or(UncertaintyResult{});
}

const SeriesBands& bandsOf(const UncertaintyResult& result, int series)
{
    return series == 0 ? *result.streetTotal : series == 1 ? *result.streetBreeders : *result.extraSterilisations;
}

const YearlySeries& seriesOf(const RunSeries& run, int series)
{
    return series == 0 ? run.streetTotal : series == 1 ? run.streetBreeders : run.extraSterilisations;
}

YearlySeries cullingCounts()
{
    YearlySeries killed;
    for (int year = 1989; year <= 2004; ++year) killed[year] = 800;
    return killed;
}

TEST(Uncertainty, WithoutRangesOrChanceEveryPercentileIsTheModelsRun)
{
    UncertaintyRequest request;
    request.replicates = 40;
    request.killedByYear = cullingCounts();
    const UncertaintyResult result = ran(request);
    EXPECT_EQ(result.valid, 40u);
    EXPECT_EQ(result.faulted, 0u);
    EXPECT_FALSE(result.firstFault.has_value());
    const RunSeries model = runModel(request.inputs, request.killedByYear).result().series;
    for (int series = 0; series < 3; ++series)
        for (std::size_t p = 0; p < kBandPercentiles.size(); ++p)
            for (int year = kFirstYear; year <= kLastYear; ++year)
                ASSERT_EQ(bandsOf(result, series).bands[p][year - kFirstYear], double(seriesOf(model, series)[year]))
                    << "series " << series << ", p" << kBandPercentiles[p] << ", " << year;
}

// The street total is proportional to the abandoned per year G, so the sorted street totals of 1950
// are c x the sorted draws of G, one in each stratum of width w = (HIGH - LOW) / n. The p-th
// percentile at x = (n - 1) p / 100 therefore lies in c x [LOW + floor(x) w, LOW + (ceil(x) + 1) w];
// plain random draws would stray several strata from it.
TEST(Uncertainty, RangesAreSampledOnePerStratum)
{
    UncertaintyRequest request;
    request.replicates = 100;
    request.seed = 2024;
    request.ranges = {{InputField::abandonedPerYear, 1000, 5000}};
    const UncertaintyResult result = ran(request);
    ASSERT_EQ(result.valid, 100u);
    const double perDog = runModel(ModelInputs{}).result().series.streetTotal[1950] / 4000.0;
    const double width = 4000.0 / 100;
    for (std::size_t p = 0; p < kBandPercentiles.size(); ++p) {
        const double x = 99 * kBandPercentiles[p] / 100;
        const double value = result.streetTotal->bands[p][0];
        EXPECT_GE(value, perDog * (1000 + std::floor(x) * width) * (1 - 1e-6)) << kBandPercentiles[p];
        EXPECT_LE(value, perDog * (1000 + (std::ceil(x) + 1) * width) * (1 + 1e-6)) << kBandPercentiles[p];
    }
}

TEST(Uncertainty, TheSameSeedGivesTheSameResultWhateverTheThreadCount)
{
    UncertaintyRequest request;
    request.replicates = 300;
    request.seed = 99;
    request.killedByYear = cullingCounts();
    request.ranges = {{InputField::streetJuvenileSurvival, 0.05, 0.14},  // some replicates fault
                      {InputField::adultSurvival, 0.85, 0.92},
                      {InputField::programmeRate, 150, 350}};
    request.chance = {0.05, true};
    request.target = TargetRequest{2030, 50};
    const UncertaintyResult one = ran(request, 1);
    ASSERT_GT(one.faulted, 0u);
    ASSERT_GT(one.valid, 0u);
    for (int threads : {2, 4}) {
        const UncertaintyResult other = ran(request, threads);
        EXPECT_EQ(other.valid, one.valid) << threads;
        EXPECT_EQ(other.firstFault, one.firstFault) << threads;
        EXPECT_EQ(other.target->probability, one.target->probability) << threads;
        for (int series = 0; series < 3; ++series)
            EXPECT_EQ(bandsOf(other, series).bands, bandsOf(one, series).bands) << threads << " threads, " << series;
    }
    // The order the ranges are given in does not matter; another seed gives other bands.
    std::swap(request.ranges.front(), request.ranges.back());
    EXPECT_EQ(ran(request).streetTotal->bands, one.streetTotal->bands);
    request.seed = 100;
    EXPECT_NE(ran(request).streetTotal->bands, one.streetTotal->bands);
}

// Juvenile survival at or above 1 / pups per yearling (0.1278 with the defaults) has no steady
// state. With LOW..HIGH = 0.05..0.2 the share (0.2 - 0.1278) / 0.15 of the strata lies above it,
// so the faulted count is that share of n within one replicate.
TEST(Uncertainty, ReplicatesOutsideTheDomainAreCountedAndLeftOut)
{
    UncertaintyRequest request;
    request.replicates = 200;
    request.ranges = {{InputField::streetJuvenileSurvival, 0.05, 0.2}};
    const UncertaintyResult result = ran(request);
    const double threshold = 1 / double(runModel(ModelInputs{}).result().pupsPerYearling);
    EXPECT_NEAR(double(result.faulted), 200 * (0.2 - threshold) / 0.15, 1.0);
    EXPECT_EQ(result.valid + result.faulted, 200u);
    ASSERT_TRUE(result.firstFault.has_value());
    EXPECT_NE(result.firstFault->find("juvenile survival"), std::string::npos) << *result.firstFault;
    EXPECT_TRUE(result.streetTotal.has_value());

    request.ranges = {{InputField::adultSurvival, 1.1, 1.2}};
    request.target = TargetRequest{2030, 50};
    const UncertaintyResult none = ran(request);
    EXPECT_EQ(none.valid, 0u);
    EXPECT_EQ(none.faulted, 200u);
    EXPECT_FALSE(none.streetTotal.has_value());
    EXPECT_FALSE(none.extraSterilisations.has_value());
    EXPECT_FALSE(none.target->probability.has_value());
    EXPECT_TRUE(none.target->fault.has_value());
}

// With the defaults the street total of 2030 is 31 % of that of 2004, the year before the start.
// Varying G scales each replicate's totals alike, so measured against each replicate's own
// baseline every replicate meets a 50 % target and none a 30 % one.
TEST(Uncertainty, TheTargetIsMeasuredAgainstEachReplicatesOwnBaseline)
{
    UncertaintyRequest request;
    request.replicates = 60;
    request.ranges = {{InputField::abandonedPerYear, 1000, 8000}};
    request.target = TargetRequest{2030, 50};
    const UncertaintyResult met = ran(request);
    EXPECT_EQ(met.target->year, 2030);
    EXPECT_EQ(met.target->percent, 50);
    EXPECT_EQ(met.target->probability, 1.0);
    EXPECT_FALSE(met.target->fault.has_value());
    request.target = TargetRequest{2030, 30};
    EXPECT_EQ(ran(request).target->probability, 0.0);

    request.ranges.clear();
    request.target = TargetRequest{2004, 50};  // before the start
    EXPECT_TRUE(ran(request).target->fault.has_value());
    request.target = TargetRequest{2030, 50};
    request.inputs.programmeStart = 2100;  // no year before the start inside the projection
    const UncertaintyResult noStart = ran(request);
    EXPECT_FALSE(noStart.target->probability.has_value());
    EXPECT_NE(noStart.target->fault->find("2100"), std::string::npos);
    request.target.reset();
    EXPECT_FALSE(ran(request).target.has_value());
}

// Whole dogs only: the binomial and Poisson draws have the model's means, so the medians follow the
// deterministic run. Stated tolerance: 1 % of it in every year. The interquartile range of 400
// replicates is at most 2.5 % of the street total here, so the median's standard error is about
// 0.1 %; a sampler or step off by 1 % in its mean moves the medians by more than that.
TEST(Uncertainty, WholeDogMediansFollowTheDeterministicRun)
{
    UncertaintyRequest request;
    request.replicates = 400;
    request.seed = 7;
    request.chance.wholeDogs = true;
    const UncertaintyResult result = ran(request);
    ASSERT_EQ(result.valid, 400u);
    const RunSeries model = runModel(request.inputs).result().series;
    const std::size_t median = 2;
    for (int series = 0; series < 3; ++series) {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            const double expected = seriesOf(model, series)[year];
            EXPECT_NEAR(bandsOf(result, series).bands[median][year - kFirstYear], expected, 0.01 * expected)
                << "series " << series << ", " << year;
        }
    }
    // Chance is there: the street totals spread.
    EXPECT_LT(result.streetTotal->bands[1][2040 - kFirstYear], result.streetTotal->bands[3][2040 - kFirstYear]);
}

// Anchored, each replicate is first matched to the count: with its inputs pinned (a range of no
// width) every replicate's street total in the survey year is that of the calibration, exactly;
// with a real range the replicates start together at the count, where unanchored they spread.
TEST(Uncertainty, AnchoredReplicatesStartFromTheCount)
{
    UncertaintyRequest request;
    request.replicates = 40;
    request.ranges = {{InputField::adultSurvival, 0.88, 0.88}};
    request.anchor = CountAnchor{2010, 60000, CalibratedInput::abandonedPerYear};
    ModelInputs pinned = request.inputs;
    pinned.adultSurvival = 0.88;
    const Calibration matched = matchCount(
        CalibrationRequest{pinned, {}, 2010, 60000, CalibratedInput::abandonedPerYear}, BatchRunner(1));
    const UncertaintyResult exact = ran(request);
    ASSERT_EQ(exact.valid, 40u);
    for (const auto& band : exact.streetTotal->bands) EXPECT_EQ(band[2010 - kFirstYear], matched.streetTotal);

    request.ranges = {{InputField::adultSurvival, 0.86, 0.9}};
    const SeriesBands anchored = *ran(request).streetTotal;
    request.anchor.reset();
    const SeriesBands loose = *ran(request).streetTotal;
    const auto spread = [](const SeriesBands& bands) {
        return bands.bands[4][2010 - kFirstYear] - bands.bands[0][2010 - kFirstYear];
    };
    EXPECT_LT(spread(anchored), 0.02 * 60000);  // the abandonment bar's whole steps, no more
    EXPECT_GT(spread(loose), 10 * spread(anchored));
    EXPECT_NEAR(anchored.bands[2][2010 - kFirstYear], 60000, 0.01 * 60000);
}

TEST(Uncertainty, MalformedRequestsAreRefused)
{
    const std::function<void(UncertaintyRequest&)> malformed[] = {
        [](UncertaintyRequest& r) { r.replicates = 0; },
        [](UncertaintyRequest& r) { r.replicates = kMostReplicates + 1; },
        [](UncertaintyRequest& r) {
            r.ranges = {{InputField::programmeStart, 2000, 2010}};
        },
        [](UncertaintyRequest& r) {
            r.ranges = {{InputField::adultSurvival, 0.9, 0.8}};
        },
        [](UncertaintyRequest& r) {
            r.ranges = {{InputField::adultSurvival, 0.8, INFINITY}};
        },
        [](UncertaintyRequest& r) {
            r.ranges = {{InputField::ownedShare, 0, 9}, {InputField::ownedShare, 0, 9}};
        },
        [](UncertaintyRequest& r) { r.chance.yearToYearSd = -0.1; },
        [](UncertaintyRequest& r) { r.killedByYear[1990] = -1; },
        // Beyond the window's domains: a bar's range left, an SD above 1 or not a number.
        [](UncertaintyRequest& r) {
            r.ranges = {{InputField::abandonedPerYear, 1e15, 1e16}};
        },
        [](UncertaintyRequest& r) {
            r.ranges = {{InputField::programmeRate, 900, 1001}};
        },
        [](UncertaintyRequest& r) {
            r.ranges = {{InputField::ownedShare, -5, 50}};
        },
        [](UncertaintyRequest& r) { r.chance.yearToYearSd = 5; },
        [](UncertaintyRequest& r) { r.chance.yearToYearSd = std::nextafter(kMostYearToYearSd, 2.0); },
        [](UncertaintyRequest& r) { r.chance.yearToYearSd = NAN; },
        // An anchor in 1950 (no year before it to start from) or to no count.
        [](UncertaintyRequest& r) {
            r.anchor = CountAnchor{1950, 1000};
        },
        [](UncertaintyRequest& r) {
            r.anchor = CountAnchor{2005, 0};
        },
    };
    for (std::size_t i = 0; i < std::size(malformed); ++i) {
        UncertaintyRequest request;
        request.replicates = 10;
        malformed[i](request);
        EXPECT_TRUE(uncertaintyProblem(request)) << i;
        EXPECT_THROW(runUncertainty(request, BatchRunner(1)), std::invalid_argument) << i;
    }
    UncertaintyRequest atTheLimits;
    atTheLimits.ranges = {{InputField::abandonedPerYear, 1, 30000}, {InputField::adultSurvival, 0.5, 1.5}};
    atTheLimits.chance.yearToYearSd = kMostYearToYearSd;
    EXPECT_FALSE(uncertaintyProblem(atTheLimits));
}

// A replicate whose street empties goes on and counts: at SD 0.5 many streets empty before 2005
// (where the model's run would divide by zero for its share of the abandoned) and the culling
// years 1990..2005 meet an empty street (the model's cull divides by it even with nobody killed),
// yet no replicate faults, and those that died out count in the bands and the target.
// The compensation is read only with a capacity: a range on it alone would vary nothing and is
// refused, also by runUncertainty; with a capacity set or ranged it is taken.
TEST(Uncertainty, ARangeOfTheCompensationNeedsACapacity)
{
    const struct {
        const char* name;
        std::optional<double> capacity;
        bool capacityRanged;
        bool refused;
    } cases[] = {
        {"no capacity", std::nullopt, false, true},
        {"a capacity set", 20000, false, false},
        {"a capacity ranged", std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UncertaintyRequest request;
        request.replicates = 4;
        request.inputs.carryingCapacity = c.capacity;
        request.ranges.push_back({InputField::compensation, 0.5, 8});
        if (c.capacityRanged) request.ranges.push_back({InputField::carryingCapacity, 10000, 40000});
        EXPECT_FALSE(uncertaintyProblem(request));
        const std::optional<std::string> problem = rangeWithoutEffect(request);
        EXPECT_EQ(problem.has_value(), c.refused);
        if (c.refused) {
            EXPECT_NE(problem->find("street carrying capacity"), std::string::npos) << *problem;
            EXPECT_THROW(runUncertainty(request, BatchRunner(1)), std::invalid_argument);
        } else {
            EXPECT_EQ(ran(request).replicates, 4u);
        }
    }
}

TEST(Uncertainty, DyingOutIsAnOutcome)
{
    UncertaintyRequest request;
    request.replicates = 400;
    request.chance.yearToYearSd = 0.5;
    request.target = TargetRequest{2030, 50};
    const UncertaintyResult result = ran(request);
    EXPECT_EQ(result.faulted, 0u) << result.firstFault.value_or("");
    EXPECT_EQ(result.valid, 400u);
    EXPECT_GT(result.diedOut, 0u);
    EXPECT_LT(result.diedOut, 400u);
    ASSERT_TRUE(result.streetTotal.has_value());
    EXPECT_EQ(result.streetTotal->bands[0][2004 - kFirstYear], 0) << "the 5th percentile is a street that died out";
    ASSERT_TRUE(result.target && result.target->probability);

    // Without chance nothing dies out.
    request.chance.yearToYearSd = 0;
    EXPECT_EQ(ran(request).diedOut, 0u);
}

// When no replicate is valid the first fault is the answer's reason.
TEST(Uncertainty, WithoutAValidReplicateTheFirstFaultIsKept)
{
    UncertaintyRequest request;
    request.replicates = 20;
    request.ranges = {{InputField::adultSurvival, 1.1, 1.2}};
    request.chance.yearToYearSd = kMostYearToYearSd;
    const UncertaintyResult result = ran(request);
    EXPECT_EQ(result.valid, 0u);
    EXPECT_EQ(result.diedOut, 0u);
    ASSERT_TRUE(result.firstFault.has_value());
    EXPECT_NE(result.firstFault->find("adult survival"), std::string::npos) << *result.firstFault;
}

// Each replicate takes the age at first litter as the window would: below 1 it runs as 1, so a
// range wholly below the floor gives the model's own run at 1.
TEST(Uncertainty, ReplicatesTakeTheAgeAtFirstLitterFloor)
{
    UncertaintyRequest request;
    request.replicates = 30;
    request.ranges = {{InputField::ageAtFirstLitter, 0, 0.9}};
    const UncertaintyResult result = ran(request);
    ASSERT_EQ(result.valid, 30u);
    const RunSeries model = runModel(ModelInputs{}).result().series;
    for (std::size_t p = 0; p < kBandPercentiles.size(); ++p)
        EXPECT_EQ(result.streetTotal->bands[p][2030 - kFirstYear], double(model.streetTotal[2030])) << p;
}

TEST(Uncertainty, ProgressCountsReplicatesAndAStopGivesNothing)
{
    UncertaintyRequest request;
    request.replicates = 500;
    std::atomic<std::size_t> most{0};
    BatchControl control;
    control.progress = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 500u);
        std::size_t seen = most.load();
        while (done > seen && !most.compare_exchange_weak(seen, done)) { }
    };
    EXPECT_TRUE(runUncertainty(request, BatchRunner(2), control).has_value());
    EXPECT_EQ(most.load(), 500u);

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(runUncertainty(request, BatchRunner(2), {stop.get_token(), {}}).has_value());
}

}  // namespace
}  // namespace karnoth
