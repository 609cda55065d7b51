#include "analysis/plan_csv.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

constexpr const char* kGridHeader =
    "ownedShare,rate,valid,streetTotal,percentOfBaseline,sterilisedOwned,sterilisedStreet,cost,meetsTarget,"
    "operationsFirstYear,operationsMeanPerYear,streetCoverage\n";
constexpr const char* kTableHeader = "ownedShare,minimalRate,streetTotal,sterilisedOwned,sterilisedStreet,cost,"
                                     "operationsFirstYear,operationsMeanPerYear,streetCoverage\n";

TEST(PlanCsv, CellsAndRowsWithNineDigitsAndEmptyFiguresWhereThereAreNone)
{
    Plan plan;
    plan.settings.ownedShareStep = 100;
    PlanCell met{
        0,
        99,
        true,
        "",
        {59745.0703125, 49.865570068, 0, 156391.93994140625, 156391.93994140625, 7654.25, 3476.5390625, 0.6543210987},
        true};
    PlanCell invalid{100, 1000, false, "removes more", {1, 2, 3, 4, 5}, false};
    PlanCell missed{100, 3, true, "", {1e-10, 100, 2.5, 1e12, 0}, false};
    plan.cells = {met, missed, invalid};
    EXPECT_EQ(planGridCsv(plan), std::string(kGridHeader) +
                                     "0,99,1,59745.0703,49.8655701,0,156391.94,156391.94,1,7654.25,3476.53906,"
                                     "0.654321099\n"
                                     "100,3,1,1e-10,100,2.5,1e+12,0,0,0,0,0\n"
                                     "100,1000,0,,,,,,0,,,\n");

    plan.rows = {{0, 99, met.figures}, {50, std::nullopt, missed.figures}, {100, std::nullopt, std::nullopt}};
    EXPECT_EQ(planTableCsv(plan), std::string(kTableHeader) +
                                      "0,99,59745.0703,0,156391.94,156391.94,7654.25,3476.53906,0.654321099\n"
                                      "50,,1e-10,2.5,1e+12,0,0,0,0\n"
                                      "100,,,,,,,,\n");
}

// A plan that scans operations a year names its scan so and gives each step as operations a year.
TEST(PlanCsv, AnOperationsScanGivesOperationsAYear)
{
    Plan plan;
    plan.settings.ownedShareStep = 100;
    plan.operationsStep = 50;
    const PlanFigures figures{100, 50, 0, 25000, 25000, 5000, 2500, 0.5};
    plan.cells = {{0, 0, true, "", figures, false}, {0, 1000, true, "", figures, true}};
    plan.rows = {{0, 1000, figures}, {100, std::nullopt, std::nullopt}};
    EXPECT_EQ(planGridCsv(plan), "ownedShare,operations,valid,streetTotal,percentOfBaseline,sterilisedOwned,"
                                 "sterilisedStreet,cost,meetsTarget,operationsFirstYear,operationsMeanPerYear,"
                                 "streetCoverage\n"
                                 "0,0,1,100,50,0,25000,25000,0,5000,2500,0.5\n"
                                 "0,50000,1,100,50,0,25000,25000,1,5000,2500,0.5\n");
    EXPECT_EQ(planTableCsv(plan), "ownedShare,minimalOperations,streetTotal,sterilisedOwned,sterilisedStreet,cost,"
                                  "operationsFirstYear,operationsMeanPerYear,streetCoverage\n"
                                  "0,50000,100,0,25000,25000,5000,2500,0.5\n"
                                  "100,,,,,,,,\n");
}

TEST(PlanCsv, APlanThatCouldNotBeMadeGivesTheHeadersAlone)
{
    const Plan plan = unmadePlan(PlanSettings{}, "the baseline is 0");
    EXPECT_EQ(planGridCsv(plan), kGridHeader);
    EXPECT_EQ(planTableCsv(plan), kTableHeader);
}

}  // namespace
}  // namespace karnoth
