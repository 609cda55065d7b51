#include "panel/indicators.h"

#include "fake_panel.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

using testing::FakePanel;

struct IndicatorCase {
    std::map<std::string, std::string> texts;
    const char* threshold;  // Label1(1), or nullptr when the computation faults
    const char* atBirth;  // Label9, or nullptr when the lifespans fault
    const char* atOne;  // Label10
};

TEST(Indicators, ThresholdAndLifespansFromTheTexts)
{
    const IndicatorCase cases[] = {
        {{}, "juv survival, < 0.13", "expected lifespan at birth = 0.7", "expected lifespan at one year = 7.4"},
        {{{"txtAdultSurv", "0"}},
         "juv survival, < 0.67",
         "expected lifespan at birth = 0.1",
         "expected lifespan at one year = 1.0"},
        {{{"txtJuvSurv", "0"}},
         "juv survival, < 0.13",
         "expected lifespan at birth = 0.0",
         "expected lifespan at one year = 7.4"},
        // The age at last litter may not lie below the first: no negative threshold.
        {{{"txtRecruit", "9"}}, nullptr, "expected lifespan at birth = 0.7", "expected lifespan at one year = 7.4"},
        {{{"txtRecruit", "7"}},
         "juv survival, < 1.25",
         "expected lifespan at birth = 0.7",
         "expected lifespan at one year = 7.4"},  // one season, survival 0.9^6 to it
        {{{"txtAdultSurv", "1"}}, nullptr, nullptr, nullptr},  // outside its range: every caption kept
        {{{"txtAdultSurv", "-0.1"}}, nullptr, nullptr, nullptr},
        {{{"txtJuvSurv", "1.2"}}, "juv survival, < 0.13", nullptr, nullptr},
        {{{"txtFecundity", "1.5"}}, nullptr, "expected lifespan at birth = 0.7", "expected lifespan at one year = 7.4"},
        {{{"txtLitter", "0"}}, nullptr, "expected lifespan at birth = 0.7", "expected lifespan at one year = 7.4"},
        {{{"txtRecruit", "2.5"}},
         "juv survival, < 0.18",
         "expected lifespan at birth = 0.7",
         "expected lifespan at one year = 7.4"},  // real powers: non-whole ages as typed
    };
    for (const IndicatorCase& c : cases) {
        FakePanel panel;
        for (const auto& [box, text] : c.texts) panel.texts[box] = text;
        if (c.atBirth) {
            ShowLifespans(panel);
            EXPECT_EQ(panel.captions["Label9"], c.atBirth);
            EXPECT_EQ(panel.captions["Label10"], c.atOne);
        } else {
            EXPECT_THROW(ShowLifespans(panel), Fault);
            EXPECT_EQ(panel.captions.count("Label9") + panel.captions.count("Label10"), 0u);
        }
        if (c.threshold) {
            ShowJuvThreshold(panel);
            EXPECT_EQ(panel.captions["Label1(1)"], c.threshold);
        } else {
            EXPECT_THROW(ShowJuvThreshold(panel), Fault);
            EXPECT_EQ(panel.captions.count("Label1(1)"), 0u);
        }
    }
}

TEST(Indicators, PupsPerYearlingIsTheStoredSingle)
{
    FakePanel panel;
    ShowJuvThreshold(panel);
    EXPECT_EQ(panel.pups, 7.82554626f);
    // A fault in the litter size leaves the bracket stored.
    panel.texts["txtLitter"] = "x";
    EXPECT_THROW(ShowJuvThreshold(panel), Fault);
    EXPECT_FLOAT_EQ(panel.pups, 5.217031f);
}

TEST(Indicators, ABadJuvenileSurvivalStopsBothLifespans)
{
    FakePanel panel;
    panel.texts["txtJuvSurv"] = ".";
    EXPECT_THROW(ShowLifespans(panel), Fault);
    EXPECT_TRUE(panel.captions.empty());
}

}  // namespace
}  // namespace karnoth
