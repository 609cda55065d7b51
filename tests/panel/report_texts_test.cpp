#include "panel/report_texts.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

TEST(ReportTexts, FirstYearOfOperationsNamesTheYearAndTheOperationsNotTheRates)
{
    EXPECT_EQ(operationsFirstYearSentence(2005, 3000, 100, 2900, 3000).text(),
              "in 2005: 3,000 sterilisations (100 owned, 2,900 street) of 3,000 a year");
    // Twice the operations in the first year, of which the owned could use only 412.4.
    EXPECT_EQ(operationsFirstYearSentence(2030, 4412.4f, 412.4f, 4000, 4000).text(),
              "in 2030: 4,412 sterilisations (412 owned, 4,000 street) of 4,000 a year");
}

TEST(ReportTexts, CoverageIsStatedInThePlannersDefaultTargetYearAndIn2050)
{
    const struct {
        int start;
        int target;
    } years[] = {{2005, 2015}, {1930, 1960}, {1950, 1960}, {2040, 2050}, {2045, 2050}, {3000, 2050}};
    for (const auto& y : years) EXPECT_EQ(coverageTargetYear(y.start), y.target) << y.start;

    YearlySeries share;
    share[2035] = 0.644f;
    share[2050] = 0.71f;
    EXPECT_EQ(coverageSentence(share, 2035).text(), "street coverage 64 % in 2035, 71 % in 2050");
    EXPECT_EQ(coverageSentence(share, 2050).text(), "street coverage 71 % in 2050") << "one year, said once";
    EXPECT_EQ(coverageSentence(YearlySeries{}, 2015).text(), "street coverage 0 % in 2015, 0 % in 2050");
}

TEST(ReportTexts, ReboundSentence)
{
    const struct {
        std::optional<Rebound> rebound;
        const char* expected;
    } cases[] = {
        {std::nullopt, ""},
        {Rebound{2025, 2035, 2041}, "back to 90 % of 2025's street dogs in 2041, 6 years after the programme stops"},
        {Rebound{2004, 2010, 2011}, "back to 90 % of 2004's street dogs in 2011, 1 year after the programme stops"},
        {Rebound{2025, 2035, std::nullopt}, "not back to 90 % of 2025's street dogs by 2050"},
    };
    for (const auto& c : cases) EXPECT_EQ(reboundSentence(c.rebound).text(), c.expected);
}

}  // namespace
}  // namespace karnoth
