// The report's summary in plain words, from figures set by hand: what is proposed, the target met
// or missed, the cost as the planner counts it, the coverage, and the rebound only after a stop.

#include "render/report_summary.h"

#include <gtest/gtest.h>

namespace karnoth::render {
namespace {

PlanSettings target2035()
{
    PlanSettings target;
    target.targetYear = 2035;
    target.targetPercent = 50;
    target.costOwned = 30;
    target.costStreet = 55;
    return target;
}

ReportedProgramme programmeFrom2026()
{
    ReportedProgramme programme;
    programme.start = 2026;
    programme.firstYearOperations = 12281.4;
    programme.averageOperations = 7155.2;
    programme.baselineYear = 2025;
    programme.baseline = 119813;
    programme.streetTotalInTargetYear = 59000;
    programme.firstYearMet = 2033;
    programme.sterilisedOwned = 3000;
    programme.sterilisedStreet = 80604;
    programme.cost = 30 * 3000 + 55 * 80604;
    programme.coverageInTargetYear = 0.404;
    return programme;
}

TEST(ReportSummary, SaysWhetherTheTargetIsMetOrMissed)
{
    struct Case {
        const char* what;
        TargetReach reach;
        std::optional<int> firstYear;
        const char* sentence;
    };
    for (const Case& c : {
             Case{"met in its year", TargetReach::inTargetYear, 2035,
                  "It reaches 50 % of 2025's street dogs in 2035: meets the target of 2035."},
             Case{"met earlier", TargetReach::early, 2031,
                  "It reaches 50 % of 2025's street dogs in 2031, 4 years early: meets the target of 2035."},
             Case{"met a year earlier", TargetReach::early, 2034,
                  "It reaches 50 % of 2025's street dogs in 2034, a year early: meets the target of 2035."},
             Case{"missed", TargetReach::late, 2037,
                  "It reaches 50 % of 2025's street dogs only in 2037: misses the target of 2035."},
             Case{"never met", TargetReach::never, std::nullopt,
                  "It does not reach 50 % of 2025's street dogs by 2050: misses the target of 2035."},
             Case{"above again", TargetReach::againAbove, 2031,
                  "It reaches 50 % of 2025's street dogs in 2031 but is above it again in 2035: misses the target "
                  "of 2035."},
         }) {
        const QString sentence = targetReachSentence(c.reach, c.firstYear, target2035(), 2025);
        EXPECT_EQ(sentence.toStdString(), c.sentence) << c.what;
        EXPECT_FALSE(sentence.contains(QStringLiteral("target met"))) << c.what;
    }
}

TEST(ReportSummary, SaysWhatIsProposedWhatItAchievesItsCostAndCoverage)
{
    const QString summary = summaryParagraphs(programmeFrom2026(), target2035(), 200, 40).join(' ');
    for (const char* part :
         {"from 2026 to 2050, the last year projected, at a yearly rate of 20 %, 40 % aimed at owned dogs and 60 % at "
          "street dogs",
          "12,281 operations in 2026, its first year, and 7,155 a year on average",
          "By 2035, the target year, the street holds 59,000 females aged one and over: 49 % of the baseline, 119,813 "
          "in 2025",
          "The target is at most 50 %", "in 2033, 2 years early: meets the target of 2035",
          "3,000 operations on owned and 80,604 on street females", "At 30 an owned and 55 a street operation",
          "that is 4,523,220", "In 2035, 40 % of the street females aged one and over are sterilised"})
        EXPECT_TRUE(summary.contains(QString::fromUtf8(part))) << part << "\n in: " << summary.toStdString();
    EXPECT_FALSE(summary.contains(QStringLiteral("stops"))) << "no rebound without a stop";
}

TEST(ReportSummary, AProgrammeOfOperationsThatStopsSaysSoAndTellsTheRebound)
{
    ReportedProgramme programme = programmeFrom2026();
    programme.operationsPerYear = 3000;
    programme.stop = 2040;
    programme.firstYearMet = 2037;
    programme.streetTotalInTargetYear = 65000;
    programme.rebound = Phrase{"back to 90 % of 2025's street dogs in 2046, 6 years after the programme stops"};
    const QString summary = summaryParagraphs(programme, target2035(), 200, 40).join(' ');
    for (const char* part :
         {"from 2026 to 2040, when it stops, at 3,000 operations a year", "only in 2037: misses the target of 2035",
          "Once the programme stops after 2040, the street is back to 90 % of 2025's street dogs in 2046"})
        EXPECT_TRUE(summary.contains(QString::fromUtf8(part))) << part << "\n in: " << summary.toStdString();
    EXPECT_FALSE(summary.contains(QStringLiteral("yearly rate")));
}

TEST(ReportSummary, StatesTheChanceOfSuccessOnlyWhenAnUncertaintyWasComputed)
{
    ReportedChance computed;
    computed.ranges = {{InputField::adultSurvival, 0.85, 0.95}, {InputField::programmeRate, 150, 252}};
    computed.chance = YearlyChance{0.05, true};
    computed.replicates = 1000;
    computed.valid = 998;
    computed.seed = 3;
    computed.probability = 0.87349;
    ReportedChance untold = computed;
    untold.anchored = true;
    untold.probability.reset();
    untold.fault = "no replicate ran without a fault";
    struct Case {
        const char* what;
        std::optional<ReportedChance> chance;
        std::vector<const char*> parts;
    };
    for (const Case& c : {
             Case{"none computed", std::nullopt, {}},
             Case{"told",
                  computed,
                  {"Chance of success: allowing for what is uncertain (adult survival 0.85 to 0.95; sterilisation rate "
                   "15 to 25.2; year-to-year SD 0.05; whole dogs), the programme meets the target in 87.3 % of 998 "
                   "valid replicates (of 1,000, seed 3)."}},
             Case{"untold",
                  untold,
                  {"Chance of success: it cannot be told",
                   "every replicate matched to the counted street dogs): no replicate ran without a fault."}},
         }) {
        const QString summary = summaryParagraphs(programmeFrom2026(), target2035(), 200, 40, c.chance).join(' ');
        EXPECT_EQ(summary.contains(QStringLiteral("Chance of success")), c.chance.has_value()) << c.what;
        for (const char* part : c.parts)
            EXPECT_TRUE(summary.contains(QString::fromUtf8(part))) << part << "\n in: " << summary.toStdString();
    }
}

}  // namespace
}  // namespace karnoth::render
