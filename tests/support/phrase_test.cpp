#include "support/phrase.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

TEST(Phrase, TextFillsEachMarkerWithItsArgument)
{
    const struct {
        const char* name;
        Phrase phrase;
        std::string text;
    } cases[] = {
        {"in order", {"in %1: %2 of %3 a year", {"2005", "3,000", "4,000"}}, "in 2005: 3,000 of 4,000 a year"},
        {"out of order", {"%2 after %1", {"first", "second"}}, "second after first"},
        {"twice", {"below %1, keep it below %1.", {"0.13"}}, "below 0.13, keep it below 0.13."},
        {"a per cent sign beside a marker", {"%1% of %2 %", {"70", "100"}}, "70% of 100 %"},
        {"a marker without an argument is kept", {"%1 and %2", {"one"}}, "one and %2"},
        {"a per cent sign at the end", {"rate %", {}}, "rate %"},
        {"an argument that looks like a marker is not filled again", {"%1 then %2", {"%2", "b"}}, "%2 then b"},
        {"%0 is not a marker", {"%0 %1", {"x"}}, "%0 x"},
        {"empty", {}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.phrase.text(), c.text) << c.name;
}

TEST(Phrase, EqualsComparesThePatternsTextNotItsAddress)
{
    const std::string copy = "%1 cannot be read: %2";
    const Phrase a{"%1 cannot be read: %2", {"killed.txt", "why"}, 0b10};
    EXPECT_EQ(a, (Phrase{copy.c_str(), {"killed.txt", "why"}, 0b10}));
    EXPECT_NE(a, (Phrase{copy.c_str(), {"killed.txt", "why"}, 0b00})) << "which arguments are words matters";
    EXPECT_NE(a, (Phrase{copy.c_str(), {"killed.txt", "other"}, 0b10}));
}

}  // namespace
}  // namespace karnoth
