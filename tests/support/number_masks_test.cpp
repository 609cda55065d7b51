#include "support/fault.h"
#include "support/number_locale.h"
#include "support/number_masks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace karnoth {
namespace {

struct MaskCase {
    double value;
    const char* grouped;
    const char* wholeOrEmpty;
    const char* fixed;
    const char* oneDecimal;
};

TEST(NumberMasks, EveryMaskRoundsHalvesAwayFromZero)
{
    const MaskCase cases[] = {
        {0, "0", "", "0.00", "0.0"},
        {0.4, "0", "", "0.40", "0.4"},
        {0.5, "1", "1", "0.50", "0.5"},
        {-0.5, "-1", "-1", "-0.50", "-0.5"},
        {2.5, "3", "3", "2.50", "2.5"},
        {0.125, "0", "", "0.13", "0.1"},  // 0.125 is exact: a true half at two decimals
        {0.25, "0", "", "0.25", "0.3"},  // and at one
        {-0.001, "0", "", "0.00", "0.0"},  // no minus sign on a zero
        {1200, "1,200", "1200", "1200.00", "1200.0"},
        {-1234567.891, "-1,234,568", "-1234568", "-1234567.89", "-1234567.9"},
        {1.005, "1", "1", "1.00", "1.0"},  // 1.005 is stored just below the half
        {0.6513, "1", "1", "0.65", "0.7"},
        {7.4132, "7", "7", "7.41", "7.4"},
        {1.6482, "2", "2", "1.65", "1.6"},
    };
    for (const MaskCase& c : cases) {
        EXPECT_EQ(formatGrouped(c.value), c.grouped) << c.value;
        EXPECT_EQ(formatWholeOrEmpty(c.value), c.wholeOrEmpty) << c.value;
        EXPECT_EQ(formatFixed(c.value), c.fixed) << c.value;
        EXPECT_EQ(formatOneDecimal(c.value), c.oneDecimal) << c.value;
    }
}

TEST(NumberMasks, HugeSinglesKeepEveryDigit)
{
    EXPECT_EQ(formatGrouped(3.4028234663852886e38), "340,282,346,638,528,859,811,704,183,484,516,925,440");
}

TEST(NumberMasks, NonFiniteValuesNeverReachACaption)
{
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(formatGrouped(bad), Fault);
        EXPECT_THROW(formatFixed(bad), Fault);
        EXPECT_THROW(formatPlain(bad), Fault);
    }
}

TEST(NumberMasks, PlainAndGeneralForms)
{
    const struct {
        double value;
        const char* plain;
    } plain[] = {{25.2, "25.2"}, {12.5, "12.5"}, {5, "5"}, {0.5, "0.5"}, {0, "0"}, {-3276.8, "-3276.8"}};
    for (const auto& c : plain) EXPECT_EQ(formatPlain(c.value), c.plain) << c.value;

    const struct {
        float value;
        const char* general;
    } general[] = {{0.1f, "0.1"},   {0.9f, "0.9"},    {2.0f, "2"},    {0.75f, "0.75"}, {0.123456789f, "0.1234568"},
                   {1e7f, "1E+07"}, {1e-5f, "1E-05"}, {-1.5f, "-1.5"}};
    for (const auto& c : general) EXPECT_EQ(formatSingleGeneral(c.value), c.general) << c.value;

    EXPECT_EQ(formatPrintNumber(1950), " 1950 ");
    EXPECT_EQ(formatPrintNumber(-5), "-5 ");
}

TEST(NumberMasks, SeparatorsComeFromTheLocale)
{
    setNumberLocale({',', '.'});
    EXPECT_EQ(formatGrouped(1234567), "1.234.567");
    EXPECT_EQ(formatFixed(0.4251), "0,43");
    EXPECT_EQ(formatPlain(25.2), "25,2");
    setNumberLocale({});
    EXPECT_EQ(formatGrouped(1234567), "1,234,567");
}

}  // namespace
}  // namespace karnoth
