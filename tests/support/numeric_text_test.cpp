#include "support/fault.h"
#include "support/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace karnoth {
namespace {

struct ParseCase {
    std::string text;
    ParseStatus status;
    double value;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> { };

TEST_P(ParseNumberTest, ReadsTheNumberOrSaysWhyNot)
{
    const ParseCase& c = GetParam();
    const ParsedNumber parsed = parseNumber(c.text);
    EXPECT_EQ(parsed.status, c.status) << '"' << c.text << '"';
    if (c.status == ParseStatus::Ok) {
        EXPECT_DOUBLE_EQ(parsed.value, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    ::testing::Values(ParseCase{"0.9", ParseStatus::Ok, 0.9}, ParseCase{".1", ParseStatus::Ok, 0.1},
                      ParseCase{"7.", ParseStatus::Ok, 7}, ParseCase{"  7  ", ParseStatus::Ok, 7},
                      ParseCase{"-3", ParseStatus::Ok, -3}, ParseCase{"+2.5", ParseStatus::Ok, 2.5},
                      ParseCase{"1e3", ParseStatus::Ok, 1000}, ParseCase{"1E-2", ParseStatus::Ok, 0.01},
                      ParseCase{"2D2", ParseStatus::Ok, 200}, ParseCase{"1e-400", ParseStatus::Ok, 0},
                      ParseCase{"0.000e999999", ParseStatus::Ok, 0}, ParseCase{"1e400", ParseStatus::Overflow, 0},
                      ParseCase{"-1e400", ParseStatus::Overflow, 0}, ParseCase{"", ParseStatus::NotANumber, 0},
                      ParseCase{" ", ParseStatus::NotANumber, 0}, ParseCase{"-", ParseStatus::NotANumber, 0},
                      ParseCase{".", ParseStatus::NotANumber, 0}, ParseCase{"nan", ParseStatus::NotANumber, 0},
                      ParseCase{"inf", ParseStatus::NotANumber, 0}, ParseCase{"1,5", ParseStatus::NotANumber, 0},
                      ParseCase{"0x10", ParseStatus::NotANumber, 0}, ParseCase{"1e", ParseStatus::NotANumber, 0},
                      ParseCase{"1 2", ParseStatus::NotANumber, 0}, ParseCase{"\xc3\xa9", ParseStatus::NotANumber, 0}));

TEST(NumericText, FaultsNameTheInput)
{
    try {
        textToDouble("abc", "adult survival");
        FAIL() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::NotANumber);
        EXPECT_STREQ(fault.what(), "adult survival: \"abc\" is not a number");
    }
    try {
        textToDouble(std::string(10000, '9'), "juvenile survival");
        FAIL() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
        EXPECT_LT(std::string(fault.what()).size(), 120u) << "a long text is not repeated in full";
    }
}

TEST(NumericText, WholeNumbersRoundHalvesToEvenWithin16Bits)
{
    const struct {
        double value;
        int expected;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {7.4, 7}, {32767.4, 32767}, {-32768, -32768}};
    for (const auto& c : cases) EXPECT_EQ(toInteger16(c.value, "x"), c.expected) << c.value;
    for (double bad : {32767.5, -32768.6, 1e10}) EXPECT_THROW(toInteger16(bad, "x"), Fault) << bad;
    EXPECT_EQ(textToInteger16(" 2005 ", "sterilising starts in"), 2005);
}

}  // namespace
}  // namespace karnoth
