#include "model/rebound.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

// A street of 1000 from 1950, falling by `fall` a year through the programme years, then
// climbing by `climb` a year.
YearlySeries street(int start, int stop, double fall, double climb)
{
    YearlySeries total;
    double value = 1000;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        if (year >= start && year <= stop) value -= fall;
        if (year > stop) value += climb;
        total[year] = static_cast<float>(value);
    }
    return total;
}

TEST(Rebound, TheFirstYearBackAtNineTenthsAfterTheStop)
{
    struct Case {
        const char* what;
        int start;
        std::optional<int> stop;
        double fall, climb;
        std::optional<Rebound> expected;
    };
    const Case cases[] = {
        // 2020..2025 falls to 700; back at 900 after 200 / 25 = 8 years: 2033.
        {"back", 2020, 2025, 50, 25, Rebound{2019, 2025, 2033}},
        {"exactly at 0.9 B counts", 2020, 2024, 50, 50, Rebound{2019, 2024, 2027}},
        {"not back by 2050", 2020, 2025, 50, 1, Rebound{2019, 2025, std::nullopt}},
        {"never fell below 0.9 B", 2020, 2025, 10, 25, std::nullopt},
        {"never stops", 2020, std::nullopt, 50, 25, std::nullopt},
        {"stops in 2050", 2020, 2050, 50, 25, std::nullopt},
        {"starts in 1950: no year before it", 1950, 1960, 50, 25, std::nullopt},
        {"starts in 1951", 1951, 1955, 50, 25, Rebound{1950, 1955, 1961}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const YearlySeries total = street(c.start, c.stop.value_or(kLastYear), c.fall, c.climb);
        const std::optional<Rebound> found = reboundOf(total, c.start, c.stop);
        EXPECT_EQ(found, c.expected);
        if (found && found->year) {
            EXPECT_EQ(*found->yearsAfterStop(), *found->year - *c.stop);
        }
    }
}

}  // namespace
}  // namespace karnoth
