#include "app/settings_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

std::pair<int, int> ranges(std::string_view control)
{
    if (control == "vscGainLoss") return {1, 30000};
    if (control == "hscSterilise") return {0, 1000};
    return {0, 100};
}

const std::string kDefaults = " 4000\r\n0.9\r\n.1\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\n2\r\n 252\r\n 50\r\n";

TEST(SettingsFile, ReadsTheElevenFieldsAndNormalisesTexts)
{
    const LoadedSettings loaded = parseSettings(kDefaults, ranges);
    EXPECT_FALSE(loaded.problem);
    const char* texts[] = {"4000", "0.9", "0.1", "1", "7", "1990", "2005", "0.75", "2", "252", "50"};
    for (std::size_t i = 0; i < 11; ++i) {
        ASSERT_TRUE(loaded.fields[i]) << i;
        EXPECT_EQ(loaded.fields[i]->text, texts[i]) << i;
    }
    EXPECT_EQ(loaded.fields[0]->value, 4000);
}

TEST(SettingsFile, LineEndingsAndBlanks)
{
    std::string lf = kDefaults;
    std::erase(lf, '\r');
    for (const std::string& text :
         {lf, std::string(" 4000 \r\n 0.90 \r\n.1\r\n1\r\n7\r\n1990\r\n2005\r\n0.75\r\n2\r\n252 "
                          "\r\n50\r\nextra\r\n")}) {
        const LoadedSettings loaded = parseSettings(text, ranges);
        EXPECT_FALSE(loaded.problem) << *loaded.problem;
        EXPECT_EQ(loaded.fields[1]->text, "0.9");
        EXPECT_EQ(loaded.fields[10]->value, 50);
    }
}

// A lone CR ends a line as LF and CR LF do, so no later field moves up a line; a byte-order mark
// is not part of the first field.
TEST(SettingsFile, ALoneCrAndAByteOrderMarkKeepEveryFieldInItsLine)
{
    testing::TempDir dir;
    dir.write("karnoth.ini", "\xEF\xBB\xBF"
                             "4000\r\n0.85\r.1\r\n1\n7\r1990\r2005\r0.75\r2\r252\r50\r\n");
    const LoadedSettings loaded = readSettingsFile(dir.file("karnoth.ini"), ranges);
    EXPECT_FALSE(loaded.problem) << *loaded.problem;
    EXPECT_EQ(loaded.fields[0]->value, 4000);
    EXPECT_EQ(loaded.fields[1]->text, "0.85");
    EXPECT_EQ(loaded.fields[2]->text, "0.1");
    EXPECT_EQ(loaded.fields[4]->text, "7");
    EXPECT_EQ(loaded.fields[10]->value, 50);
}

TEST(SettingsFile, BadFieldsKeepTheirDefaultsAndOneReportNamesThem)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<std::size_t> bad;  // field indexes that keep their defaults
        std::vector<std::string> mentions;
    } cases[] = {
        {"empty",
         "",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         {"lines 1 to 11", "abandoned per year", "share aimed at owned dogs (%)"}},
        {"truncated",
         " 4000\r\n0.9\r\n.1",
         {3, 4, 5, 6, 7, 8, 9, 10},
         {"lines 4 to 11 (age at first litter, age at last litter"}},
        {"last line missing",
         " 4000\n0.9\n.1\n1\n7\n1990\n2005\n0.75\n2\n 252\n",
         {10},
         {"line 11 (share aimed at owned dogs (%)) missing"}},
        {"not a number",
         " 4000\nabc\n.1\n1\n7\n1990\n2005\n0.75\n2\n 252\n 50\n",
         {1},
         {"line 2 (adult survival) \"abc\" is not a number"}},
        {"comma", " 4000\n0,9\n.1\n1\n7\n1990\n2005\n0.75\n2\n 252\n 50\n", {1}, {"line 2"}},
        {"beyond 16 bits",
         " 4000\n0.9\n.1\n1\n7\n40000\n2005\n0.75\n2\n 252\n 50\n",
         {5},
         {"line 6 (dogs killed from)"}},
        {"outside the bar", " 0\n0.9\n.1\n1\n7\n1990\n2005\n0.75\n2\n 1001\n 50\n", {0, 9}, {"line 1", "line 10"}},
        {"beyond a single", " 4000\n1e39\n.1\n1\n7\n1990\n2005\n0.75\n2\n 252\n 50\n", {1}, {"line 2"}},
        {"binary", std::string("\x00\xff\x01\n\x80", 5), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {"line 1", "line 2"}},
    };
    for (const auto& c : cases) {
        const LoadedSettings loaded = parseSettings(c.text, ranges);
        ASSERT_TRUE(loaded.problem) << c.name;
        EXPECT_EQ(loaded.problem->rfind("karnoth.ini: ", 0), 0u) << c.name;
        for (const std::string& mention : c.mentions)
            EXPECT_NE(loaded.problem->find(mention), std::string::npos) << c.name << ": " << *loaded.problem;
        for (std::size_t i = 0; i < 11; ++i) {
            const bool bad = std::find(c.bad.begin(), c.bad.end(), i) != c.bad.end();
            EXPECT_EQ(loaded.fields[i].has_value(), !bad) << c.name << " field " << i + 1;
        }
    }
}

TEST(SettingsFile, IntegerFieldsRoundHalvesToEven)
{
    const LoadedSettings loaded = parseSettings(" 4000.5\n0.9\n.1\n2.5\n7.5\n1990\n2005\n0.75\n2\n 252\n 50\n", ranges);
    EXPECT_EQ(loaded.fields[0]->value, 4000);
    EXPECT_EQ(loaded.fields[3]->text, "2");
    EXPECT_EQ(loaded.fields[4]->text, "8");
}

TEST(SettingsFile, WritesOneLineAFieldWithCrLf)
{
    std::array<SettingsValue, 11> fields{{{4000, ""},
                                          {0, "0.9"},
                                          {0, ".1"},
                                          {0, "1"},
                                          {0, "7"},
                                          {0, "1990"},
                                          {0, "2005"},
                                          {0, "0.75"},
                                          {0, "2"},
                                          {252, ""},
                                          {50, ""}}};
    EXPECT_EQ(formatSettings(fields), kDefaults) << "a blank before a scroll bar's value that is not negative";
    fields[10].value = -3;
    EXPECT_NE(formatSettings(fields).find("\r\n-3\r\n"), std::string::npos);
    fields[1].text = "0.\n9";  // a line break would shift every later field
    EXPECT_EQ(parseSettings(formatSettings(fields), ranges).fields[2]->text, "0.1");
}

}  // namespace
}  // namespace karnoth
