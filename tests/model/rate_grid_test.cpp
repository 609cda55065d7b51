#include "model/rate_grid.h"

#include "model/engine.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace karnoth {
namespace {

// A grid's runs must equal single runs bit for bit, so figures are compared as bits: a -0 is not
// a 0 here.
bool sameBits(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// What a planner reads of a single run, added up year by year from its own result.
RateGridRun singleRun(const ModelInputs& inputs, const YearlySeries& killed, const RateGridYears& years)
{
    ModelResult result;
    RateGridRun run;
    if (std::optional<Fault> fault = runModelInto(inputs, killed, result)) {
        run.fault = fault;
        return run;
    }
    const int start = inputs.programmeStart;
    run.streetTotal = result.series.streetTotal[years.targetYear];
    run.streetSterilisedShare = result.streetSterilisedShare[years.targetYear];
    for (int year = start; year <= years.targetYear; ++year) {
        run.sterilisedOwned += result.programmeOwned[year];
        run.sterilisedStreet += result.programmeStreet[year];
    }
    run.operationsFirstYear = result.series.extraSterilisations[start];
    for (int year = start; year <= years.lastProgrammeYear; ++year)
        run.operationsSum += result.series.extraSterilisations[year];
    return run;
}

// Why a grid's run differs from the single run, or empty when it does not.
std::string difference(const RateGridRun& grid, const RateGridRun& single)
{
    if (grid.fault.has_value() != single.fault.has_value())
        return single.fault ? std::string("the single run faults: ") + single.fault->what()
                            : std::string("the grid's run faults: ") + grid.fault->what();
    if (single.fault) {
        if (std::string(grid.fault->what()) != single.fault->what() || grid.fault->kind() != single.fault->kind())
            return std::string("fault ") + grid.fault->what() + " against " + single.fault->what();
        return {};
    }
    if (!sameBits(grid.streetTotal, single.streetTotal)) return "street total";
    if (!sameBits(grid.streetSterilisedShare, single.streetSterilisedShare)) return "street sterilised share";
    if (!sameBits(grid.sterilisedOwned, single.sterilisedOwned)) return "owned sterilisations";
    if (!sameBits(grid.sterilisedStreet, single.sterilisedStreet)) return "street sterilisations";
    if (!sameBits(grid.operationsFirstYear, single.operationsFirstYear)) return "operations in the first year";
    if (!sameBits(grid.operationsSum, single.operationsSum)) return "operations summed";
    return {};
}

struct GridCase {
    const char* name;
    ModelInputs inputs;
    YearlySeries killed;
    RateGridYears years;
    int ownedShareStep;
    double operationsStep;  // operations a year per step of the scan; 0: the scan runs over the rate
    bool someFault;  // some cell's run faults
};

std::vector<GridCase> gridCases()
{
    std::vector<GridCase> cases;
    const auto add = [&](const char* name, int step) -> GridCase& {
        cases.push_back(GridCase{name, ModelInputs{}, YearlySeries{}, RateGridYears{2015, 2050}, step, 0, false});
        return cases.back();
    };
    add("defaults", 5);
    {
        GridCase& culling = add("culling with counts, the programme starting among the culled years; high rates fault",
                                10);
        for (int year = 1989; year <= 2004; ++year) culling.killed[year] = 1000.0f + 250.0f * float(year % 5);
        culling.someFault = true;  // high rates leave fewer street dogs than a cull removes
        culling.inputs.programmeStart = 1998;
        culling.years = {2010, 2050};
    }
    {
        GridCase& density = add("a carrying capacity with a steep compensation", 25);
        density.inputs.streetJuvenileSurvival = 0.3;
        density.inputs.carryingCapacity = 100000;
        density.inputs.compensation = 8;
    }
    add("arrivals", 25).inputs.immigrantsPerYear = 500;
    {
        GridCase& stop = add("a programme that stops", 25);
        stop.inputs.programmeStop = 2030;
        stop.years = {2025, 2030};
    }
    {
        GridCase& operations = add("the operations scan, large steps capped by the fertile dogs", 25);
        operations.inputs.operationsPerYear = 20000;
        operations.operationsStep = 200;
    }
    {
        GridCase& doubled = add("a first-year multiplier of 2 faults above half the rate", 25);
        doubled.inputs.firstYearMultiplier = 2;
        doubled.someFault = true;
    }
    add("only yearlings", 25).inputs.onlyYearlings = true;
    {
        GridCase& early = add("a start before 2005, read to the last year", 50);
        early.inputs.programmeStart = 1960;
        early.years = {2050, 2050};
    }
    {
        GridCase& cullIn1950 = add("culling from 1950 faults every run before the start", 50);
        cullIn1950.inputs.cullFrom = 1950;
        cullIn1950.someFault = true;
    }
    return cases;
}

class RateGridLanes : public testing::TestWithParam<LaneBuild> { };

TEST_P(RateGridLanes, EveryCellIsTheSingleRunBitForBit)
{
    for (const GridCase& c : gridCases()) {
        SCOPED_TRACE(c.name);
        std::vector<RateGridCell> cells;
        for (int share = 0; share <= 100; share += c.ownedShareStep)
            for (int rate = 0; rate <= 1000; ++rate)
                cells.push_back({c.operationsStep > 0 ? rate * c.operationsStep : rate, double(share)});
        // Values outside their ranges fault as single runs do, and leave the last batch short.
        cells.push_back({-1, 50});
        cells.push_back({500, 100.5});
        std::vector<RateGridRun> runs(cells.size());
        const RateGrid grid(c.inputs, c.killed, c.years, GetParam());
        grid.run(cells, runs);

        int faults = 0;
        int differing = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            ModelInputs inputs = c.inputs;
            (c.operationsStep > 0 ? *inputs.operationsPerYear : inputs.programmeRate) = cells[i].rateOrOperations;
            inputs.ownedShare = cells[i].ownedShare;
            const RateGridRun single = singleRun(inputs, c.killed, c.years);
            faults += single.fault.has_value();
            const std::string why = difference(runs[i], single);
            if (!why.empty() && ++differing <= 5)
                ADD_FAILURE() << "share " << cells[i].ownedShare << ", " << cells[i].rateOrOperations << ": " << why;
        }
        EXPECT_EQ(differing, 0);
        // The two cells outside their ranges always fault; beyond them only where the case says so.
        EXPECT_EQ(faults > 2, c.someFault) << faults << " faults";
    }
}

INSTANTIATE_TEST_SUITE_P(EachBuild, RateGridLanes, testing::Values(LaneBuild::fastest, LaneBuild::everyProcessor),
                         [](const testing::TestParamInfo<LaneBuild>& info) {
                             return info.param == LaneBuild::fastest ? "Fastest" : "EveryProcessor";
                         });

TEST(RateGrid, YearsTheGridCannotReadAreRefused)
{
    const ModelInputs inputs;  // the programme starts in 2005
    const YearlySeries killed;
    for (const RateGridYears years :
         {RateGridYears{2004, 2050}, RateGridYears{2051, 2050}, RateGridYears{2015, 2004}, RateGridYears{2015, 2051}})
        EXPECT_THROW(RateGrid(inputs, killed, years), std::invalid_argument) << years.targetYear;
    ModelInputs in1950 = inputs;
    in1950.programmeStart = 1950;
    EXPECT_THROW(RateGrid(in1950, killed, {2015, 2050}), std::invalid_argument);
}

}  // namespace
}  // namespace karnoth
