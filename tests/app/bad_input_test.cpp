// Bad input of every kind the window can meet: odd texts in every box, every scroll bar at both
// ends, broken, huge, binary and unreadable settings and killed-dogs files, and a shutdown whose
// write fails. Each case must leave the window alive, report a fault in words that name the input
// where one is due, and leave the window able to answer the next event: with the defaults back in
// place a Run gives the default report and no new fault.

#include "app/form1.h"
#include "app/layout.h"
#include "app/settings_file.h"
#include "form_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace karnoth {
namespace {

namespace fs = std::filesystem;
using testing::FormTest;

constexpr std::string_view kDefaultReport = "intrinsic doubling time 1.65 years, 1st year survival 0.43";
constexpr std::string_view kDefaultThreshold = "juv survival, < 0.13";
constexpr std::string_view kDefaultLifespanAtBirth = "expected lifespan at birth = 0.7";
constexpr std::string_view kDefaultLifespanAtOne = "expected lifespan at one year = 7.4";

// A settings file whose every value differs from the layout's default.
constexpr std::array<std::string_view, 11> kSavedLines = {" 2000", "0.8", "0.2", "2",    "6",  "1991",
                                                          "2000",  "0.5", "3",   " 100", " 20"};
constexpr unsigned kAllFields = (1u << 11) - 1;
constexpr std::array<std::string_view, 11> kSavedValues = {"2000", "0.8", "0.2", "2",   "6", "1991",
                                                           "2000", "0.5", "3",   "100", "20"};

std::string savedFile(std::size_t lines, std::string_view lineEnd = "\r\n")
{
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) text += std::string(kSavedLines[i]) + std::string(lineEnd);
    return text;
}

std::string binaryGarbage(std::size_t size)
{
    std::mt19937 random(20240611);
    std::string text(size, '\0');
    for (char& c : text) c = static_cast<char>(random() & 0xff);
    return text;
}

const LayoutRow& layoutRow(std::string_view name)
{
    const LayoutRow* row = findLayoutRow(name);
    if (row == nullptr) throw std::invalid_argument("no control " + std::string(name));
    return *row;
}

std::vector<std::string_view> namesOf(ControlKind kind, ControlKind orKind)
{
    std::vector<std::string_view> names;
    for (const LayoutRow& row : formLayout())
        if (row.kind == kind || row.kind == orKind) names.push_back(row.name);
    return names;
}

// The control's value as a text: a box's text, a scroll bar's value in decimal.
std::string shownValue(const Form1& form, std::string_view control)
{
    const Control& c = form.control(control);
    return c.row->kind == ControlKind::TextBox ? c.text : std::to_string(c.value);
}

std::string defaultValue(std::string_view control)
{
    const LayoutRow& row = layoutRow(control);
    return row.kind == ControlKind::TextBox ? std::string(row.text) : std::to_string(row.value);
}

// "nan" or "inf" as a word of its own, in any case.
bool holdsNonNumber(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view word : {"nan", "inf"})
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const bool starts = at == 0 || !std::isalpha(static_cast<unsigned char>(text[at - 1]));
            const std::size_t after = at + word.size();
            const bool ends = after == text.size() || !std::isalpha(static_cast<unsigned char>(text[after]));
            if (starts && ends) return true;
        }
    return false;
}

// How a fault quotes typed text: control characters as "?".
std::string shownInFault(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32) c = '?';
    return text;
}

class BadInputTest : public FormTest {
protected:
    void SetUp() override { expectFaults(); }

    // Every fault since `from` is a sentence a user can act on: not empty, not a screenful (eleven
    // bad settings lines quoted at 30 characters each fit), no control characters copied from the
    // input.
    void expectClearFaults(std::size_t from)
    {
        const auto& faults = form().faults();
        for (std::size_t i = from; i < faults.size(); ++i) {
            EXPECT_FALSE(faults[i].empty());
            EXPECT_LT(faults[i].size(), 1500u) << faults[i].substr(0, 1500);
            for (char c : faults[i]) {
                EXPECT_FALSE(static_cast<unsigned char>(c) < 32) << "control character in: " << faults[i];
            }
        }
    }

    // Whether a fault since `from` mentions every one of `words`.
    bool faultMentions(std::size_t from, std::initializer_list<std::string_view> words)
    {
        const auto& faults = form().faults();
        for (std::size_t i = from; i < faults.size(); ++i) {
            bool all = true;
            for (std::string_view word : words) all = all && faults[i].find(word) != std::string::npos;
            if (all) return true;
        }
        return false;
    }

    std::string allFaults(std::size_t from)
    {
        std::string all;
        for (std::size_t i = from; i < form().faults().size(); ++i) all += form().faults()[i] + "\n";
        return all;
    }

    void expectNoNonNumberCaption()
    {
        for (const Control& control : form().controls()) {
            if (control.row->kind == ControlKind::Label) {
                EXPECT_FALSE(holdsNonNumber(control.text)) << control.row->name << ": " << control.text;
            }
        }
    }

    // The next event is answered correctly: with the defaults typed, checked and scrolled back in
    // and no killed.txt, a Run reports the default figures and no fault.
    void expectAnswersNextEvent()
    {
        std::error_code ignored;
        fs::remove_all(dir.file("killed.txt"), ignored);
        for (std::string_view box : namesOf(ControlKind::TextBox, ControlKind::TextBox))
            form().typeText(box, std::string(layoutRow(box).text));
        for (std::string_view box : namesOf(ControlKind::CheckBox, ControlKind::CheckBox))
            form().setCheckValue(box, layoutRow(box).value);
        for (std::string_view bar : namesOf(ControlKind::HScrollBar, ControlKind::VScrollBar))
            form().setScrollValue(bar, layoutRow(bar).value);
        const std::size_t before = form().faults().size();
        form().click("cmdRun");
        EXPECT_EQ(form().faults().size(), before) << allFaults(before);
        EXPECT_EQ(form().currentFault(), "");
        EXPECT_EQ(form().caption("Label14"), kDefaultReport);
        EXPECT_EQ(form().caption("Label1(1)"), kDefaultThreshold);
        EXPECT_EQ(form().caption("Label9"), kDefaultLifespanAtBirth);
        EXPECT_EQ(form().caption("Label10"), kDefaultLifespanAtOne);
    }
};

// ---- Text boxes -------------------------------------------------------------------------------

struct TextBoxInput {
    std::string_view box;
    std::string_view inputName;  // how a fault names the box
};

constexpr TextBoxInput kTextBoxes[] = {
    {"txtAdultSurv", "adult survival"},
    {"txtJuvSurv", "juvenile survival"},
    {"txtRecruit", "age at first litter"},
    {"txtSenile", "age at last litter"},
    {"txtFecundity", "prob. pregnant"},
    {"txtLitter", "female pups per litter"},
    {"txtCurrentOwnedSteril", "% owned dogs sterilised"},
    {"txtStart", "sterilising starts in"},
    {"txtTimes", "times in first year"},
    {"txtFrom", "dogs killed from"},
    {"txtTo", "dogs killed to"},
};

struct TypedText {
    std::string label;
    std::string text;
    bool isNumber;  // a number needs no fault of its own; anything else must be reported
};

const std::vector<TypedText>& typedTexts()
{
    static const std::vector<TypedText> texts = {
        {"Empty", "", false},
        {"Blank", " ", false},
        {"Minus", "-", false},
        {"Point", ".", false},
        {"BeyondDouble", "1e400", false},
        {"BeyondDoubleNegative", "-1e400", false},
        {"NaN", "nan", false},
        {"Inf", "inf", false},
        {"DecimalComma", "1,5", false},
        {"Hexadecimal", "0x10", false},
        {"SevenInBlanks", "  7  ", true},
        {"TenThousandDigits", std::string(10000, '9'), false},
        {"TenThousandLetters", std::string(10000, 'x'), false},
        {"NonAscii",
         "\xc3\xbc"
         "berleben \xc2\xbd",
         false},
        {"ArabicIndicDigits", "\xd9\xa0\xd9\xab\xd9\xa9", false},
        {"ControlCharacters",
         std::string("1\0"
                     "2\x1b",
                     4),
         false},
    };
    return texts;
}

void PrintTo(const TextBoxInput& box, std::ostream* out)
{
    *out << box.box;
}
void PrintTo(const TypedText& typed, std::ostream* out)
{
    *out << typed.label;
}

class TextBoxTest : public BadInputTest, public ::testing::WithParamInterface<std::tuple<TextBoxInput, TypedText>> { };

TEST_P(TextBoxTest, IsReportedByNameAndTheWindowGoesOn)
{
    const auto& [box, typed] = GetParam();
    loaded();
    ASSERT_TRUE(form().faults().empty()) << form().faults().front();
    form().typeText(box.box, typed.text);
    EXPECT_EQ(form().text(box.box), typed.text) << "a typed text stays as typed";
    form().click("cmdRun");  // every box is read by a run, also those without a change handler
    expectClearFaults(0);
    expectNoNonNumberCaption();
    if (!typed.isNumber) {
        // The fault names the box by its label and quotes the start of what was typed.
        EXPECT_TRUE(faultMentions(0, {box.inputName, shownInFault(typed.text.substr(0, 30))})) << "faults:\n"
                                                                                               << allFaults(0);
        EXPECT_NE(form().currentFault(), "") << "the run did not finish, so its fault is current";
    }
    expectAnswersNextEvent();
}

std::string textBoxCaseName(const ::testing::TestParamInfo<std::tuple<TextBoxInput, TypedText>>& info)
{
    return std::string(std::get<0>(info.param).box) + "_" + std::get<1>(info.param).label;
}

INSTANTIATE_TEST_SUITE_P(EveryBoxEveryText, TextBoxTest,
                         ::testing::Combine(::testing::ValuesIn(kTextBoxes), ::testing::ValuesIn(typedTexts())),
                         textBoxCaseName);

// ---- Scroll bars -------------------------------------------------------------------------------

struct ScrollEnd {
    std::string_view bar;
    bool highest;
    bool logScale;
};

std::vector<ScrollEnd> scrollEnds()
{
    std::vector<ScrollEnd> ends;
    for (std::string_view bar : namesOf(ControlKind::HScrollBar, ControlKind::VScrollBar))
        for (bool highest : {false, true})
            for (bool logScale : {false, true}) ends.push_back({bar, highest, logScale});
    return ends;
}

class ScrollEndTest : public BadInputTest, public ::testing::WithParamInterface<ScrollEnd> { };

TEST_P(ScrollEndTest, RunsWithoutFaultAndTheWindowGoesOn)
{
    const ScrollEnd& end = GetParam();
    const ScrollRange& range = *layoutRow(end.bar).range;
    const int value = end.highest ? range.highest() : range.lowest();
    loaded();
    form().setCheckValue("chkLog", end.logScale ? 1 : 0);
    form().setScrollValue(end.bar, value);  // the change starts a run
    EXPECT_EQ(form().value(end.bar), value);
    form().click("cmdRun");
    expectClearFaults(0);
    expectNoNonNumberCaption();
    // Every value a scroll bar can take is a working figure, on either chart scale.
    EXPECT_TRUE(form().faults().empty()) << allFaults(0);
    // A value beyond the range is the caller's mistake, not a fault, and changes nothing.
    EXPECT_THROW(form().setScrollValue(end.bar, end.highest ? value + 1 : value - 1), ControlError);
    EXPECT_EQ(form().value(end.bar), value);
    expectAnswersNextEvent();
}

INSTANTIATE_TEST_SUITE_P(BothEnds, ScrollEndTest, ::testing::ValuesIn(scrollEnds()),
                         [](const ::testing::TestParamInfo<ScrollEnd>& info) {
                             return std::string(info.param.bar) + (info.param.highest ? "_Highest" : "_Lowest") +
                                    (info.param.logScale ? "_LogScale" : "");
                         });

// ---- karnoth.ini -------------------------------------------------------------------------------

struct SettingsCase {
    std::string label;
    std::string content;
    unsigned restored;  // bit i set: field i comes from the file; clear: it keeps its default
    bool reported;  // a fault naming karnoth.ini is due
};

std::vector<SettingsCase> settingsCases()
{
    std::vector<SettingsCase> cases;
    for (std::size_t lines = 0; lines < 11; ++lines)
        cases.push_back(
            {"TruncatedAfter" + std::to_string(lines) + "Lines", savedFile(lines), (1u << lines) - 1, true});
    const std::string whole = savedFile(11);
    cases.push_back({"CrLf", whole, kAllFields, false});
    cases.push_back({"Lf", savedFile(11, "\n"), kAllFields, false});
    cases.push_back({"LastLineWithoutEnd", whole.substr(0, whole.size() - 2), kAllFields, false});
    cases.push_back({"CrOnly", savedFile(11, "\r"), kAllFields, false});
    cases.push_back({"BinaryGarbage", binaryGarbage(4096), 0, true});
    cases.push_back({"NulBytes", std::string(64, '\0'), 0, true});
    // Up to 1 MiB is read; a larger file is refused whole, before it is read into memory.
    cases.push_back({"AMebibyteWithTheValues", whole + std::string((1u << 20) - whole.size(), 'x'), kAllFields, false});
    cases.push_back({"TenMegabytesAfterTheValues", whole + std::string(10 << 20, 'x'), 0, true});
    // The first line, " 2000", replaced by a hundred thousand digits: too large, the other ten are read.
    cases.push_back({"LongLine", std::string(100000, '7') + whole.substr(5), kAllFields & ~1u, true});
    cases.push_back({"TenMegabyteLine", std::string(10 << 20, '7') + whole.substr(5), 0, true});
    cases.push_back({"TenMegabytesOfLines", std::string(10 << 20, '\n'), 0, true});
    return cases;
}

void PrintTo(const SettingsCase& c, std::ostream* out)
{
    *out << c.label;
}

class SettingsFileTest : public BadInputTest, public ::testing::WithParamInterface<SettingsCase> { };

TEST_P(SettingsFileTest, RestoresWhatItCanAndReportsTheRest)
{
    const SettingsCase& c = GetParam();
    dir.write("karnoth.ini", c.content);
    loaded();
    EXPECT_TRUE(form().formReady()) << "start-up finished";
    for (std::size_t i = 0; i < kSettingsFields.size(); ++i) {
        const std::string_view control = kSettingsFields[i].control;
        EXPECT_EQ(shownValue(form(), control), (c.restored >> i & 1u) ? kSavedValues[i] : defaultValue(control))
            << control;
    }
    if (c.reported) {
        EXPECT_TRUE(faultMentions(0, {"karnoth.ini"})) << allFaults(0);
    } else {
        EXPECT_TRUE(form().faults().empty()) << allFaults(0);
    }
    expectClearFaults(0);
    expectNoNonNumberCaption();
    expectAnswersNextEvent();
}

INSTANTIATE_TEST_SUITE_P(Content, SettingsFileTest, ::testing::ValuesIn(settingsCases()),
                         [](const ::testing::TestParamInfo<SettingsCase>& info) { return info.param.label; });

// ---- Files that exist but cannot be read, for both files ----------------------------------------

enum class Unreadable { Directory, SymlinkLoop, NoPermission };

class UnreadableFileTest : public BadInputTest,
                           public ::testing::WithParamInterface<std::tuple<std::string_view, Unreadable>> {
protected:
    void makeUnreadable(const std::string& name, Unreadable how)
    {
        switch (how) {
        case Unreadable::Directory: fs::create_directory(dir.file(name)); break;
        case Unreadable::SymlinkLoop: fs::create_symlink(name, dir.file(name)); break;
        case Unreadable::NoPermission:
            if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
            dir.write(name, savedFile(11));
            fs::permissions(dir.file(name), fs::perms::none);
            break;
        }
    }
};

TEST_P(UnreadableFileTest, IsReportedAndTheWindowGoesOn)
{
    const auto& [name, how] = GetParam();
    makeUnreadable(std::string(name), how);
    if (IsSkipped()) return;
    loaded();
    EXPECT_TRUE(form().formReady());
    EXPECT_TRUE(faultMentions(0, {name, "cannot be read"})) << allFaults(0);
    expectClearFaults(0);
    if (name == "killed.txt") {
        const std::size_t before = form().faults().size();
        form().click("cmdRun");  // read again at every run
        EXPECT_TRUE(faultMentions(before, {name, "cannot be read"})) << allFaults(before);
    } else {
        for (const SettingsField& field : kSettingsFields)
            EXPECT_EQ(shownValue(form(), field.control), defaultValue(field.control));
    }
    expectAnswersNextEvent();
    if (name == "karnoth.ini" && how == Unreadable::Directory) {
        const std::size_t before = form().faults().size();
        form().Form_Unload();
        EXPECT_TRUE(faultMentions(before, {"karnoth.ini", "cannot be written"})) << allFaults(before);
        EXPECT_TRUE(fs::is_directory(dir.file("karnoth.ini")));
    }
}

std::string unreadableCaseName(const ::testing::TestParamInfo<std::tuple<std::string_view, Unreadable>>& info)
{
    const char* how[] = {"Directory", "SymlinkLoop", "NoPermission"};
    return std::string(std::get<0>(info.param) == "killed.txt" ? "Killed" : "Settings") + "_" +
           how[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    BothFiles, UnreadableFileTest,
    ::testing::Combine(::testing::Values(std::string_view("karnoth.ini"), std::string_view("killed.txt")),
                       ::testing::Values(Unreadable::Directory, Unreadable::SymlinkLoop, Unreadable::NoPermission)),
    unreadableCaseName);

// ---- killed.txt --------------------------------------------------------------------------------

constexpr std::string_view kKilledRecords[] = {"1990,100", "1995,2000", "2000,300", "2005,400"};

std::string killedFile(std::size_t records, std::string_view lineEnd = "\r\n")
{
    std::string text;
    for (std::size_t i = 0; i < records; ++i) text += std::string(kKilledRecords[i]) + std::string(lineEnd);
    return text;
}

struct KilledCase {
    std::string label;
    std::string content;
    std::vector<std::string_view> mentioned;  // empty: no fault is due; else a fault names all of these
    std::string sameRunAs;  // when set: the run equals one with this file
};

std::vector<KilledCase> killedCases()
{
    std::vector<KilledCase> cases;
    cases.push_back({"Empty", "", {}, "\n"});  // the same as a file with one blank line
    for (std::size_t records = 1; records <= std::size(kKilledRecords); ++records)
        cases.push_back({"TruncatedAfter" + std::to_string(records) + "Lines", killedFile(records), {}, ""});
    cases.push_back(
        {"TruncatedInsideARecord", killedFile(2) + "2000", {"killed.txt", "record 3", "line 3", "2000"}, ""});
    cases.push_back({"TruncatedAfterAComma", killedFile(2) + "2000,", {"killed.txt", "record 3", "2000"}, ""});
    cases.push_back({"CrLf", killedFile(4), {}, killedFile(4, "\n")});
    cases.push_back({"Lf", killedFile(4, "\n"), {}, killedFile(4)});
    cases.push_back({"BinaryGarbage", binaryGarbage(4096), {"killed.txt", "record 1"}, ""});
    // The whole message survives the NULs it quotes.
    cases.push_back({"NulBytes", std::string(64, '\0'), {"killed.txt", "record 1", "no number of dogs killed"}, ""});
    // Up to 1 MiB is read; a larger file is refused whole, before it is read into memory.
    std::string manyRecords;
    while (manyRecords.size() + 8 <= (1u << 20)) manyRecords += "2000,1\r\n";
    cases.push_back({"AMebibyteOfRecords", manyRecords, {}, "2000,1\r\n"});
    while (manyRecords.size() < (10u << 20)) manyRecords += "2000,1\r\n";
    cases.push_back({"TenMegabytesOfRecords", manyRecords, {"killed.txt", "larger than 1 MiB"}, ""});
    cases.push_back({"LongLine", std::string(100000, 'x'), {"killed.txt", "record 1", "line 1"}, ""});
    cases.push_back({"TenMegabyteLine", std::string(10 << 20, 'x'), {"killed.txt", "larger than 1 MiB"}, ""});
    cases.push_back({"Year1949", "1949,10\r\n", {"killed.txt", "record 1", "1949"}, ""});
    cases.push_back({"Year2051", killedFile(2) + "2051,10\r\n", {"killed.txt", "record 3", "line 3", "2051"}, ""});
    cases.push_back({"YearMinus32769", "-32769,10\r\n", {"killed.txt", "record 1", "-32769"}, ""});
    cases.push_back({"DuplicateYearsLaterWins", "2000,5\r\n2000,700\r\n", {}, "2000,700\r\n"});
    cases.push_back({"NegativeCount", "2000,-50\r\n", {"killed.txt", "record 1", "\"-50\" is negative"}, ""});
    cases.push_back({"CountBeyondTheStreetPopulation",
                     "1995,100000000\r\n",
                     {"in 1996 the culling recorded for 1995 (100,000,000) removes more street females"},
                     ""});
    cases.push_back({"CountBeyondSingle", "1995,1" + std::string(40, '0') + "\r\n", {"killed.txt", "record 1"}, ""});
    cases.push_back({"DecimalCount", "1995,1.5\r\n", {"killed.txt", "record 1", "1.5"}, ""});
    cases.push_back({"MissingCount", "1995,,10\r\n", {"killed.txt", "record 1"}, ""});
    return cases;
}

void PrintTo(const KilledCase& c, std::ostream* out)
{
    *out << c.label;
}

class KilledFileTest : public BadInputTest, public ::testing::WithParamInterface<KilledCase> { };

TEST_P(KilledFileTest, RunsOrReportsTheRecordAndTheWindowGoesOn)
{
    const KilledCase& c = GetParam();
    dir.write("killed.txt", c.content);
    loaded();
    form().click("cmdRun");  // the file is read again by every run
    expectClearFaults(0);
    expectNoNonNumberCaption();
    if (c.mentioned.empty()) {
        EXPECT_TRUE(form().faults().empty()) << allFaults(0);
    } else {
        ASSERT_EQ(form().faults().size(), 2u) << "one fault per run:\n" << allFaults(0);
        for (std::string_view word : c.mentioned)
            EXPECT_NE(form().faults()[1].find(word), std::string::npos) << word << " in " << form().faults()[1];
        EXPECT_FALSE(form().lastSeries()) << "no run got as far as its projection";
    }
    if (!c.sameRunAs.empty()) {
        ASSERT_TRUE(form().lastSeries());
        const RunSeries series = *form().lastSeries();
        const std::string report = form().caption("Label3");
        dir.write("killed.txt", c.sameRunAs);
        form().click("cmdRun");
        ASSERT_TRUE(form().lastSeries());
        EXPECT_EQ(form().lastSeries()->streetTotal.values(), series.streetTotal.values());
        EXPECT_EQ(form().caption("Label3"), report);
    }
    expectAnswersNextEvent();
}

INSTANTIATE_TEST_SUITE_P(Content, KilledFileTest, ::testing::ValuesIn(killedCases()),
                         [](const ::testing::TestParamInfo<KilledCase>& info) { return info.param.label; });

TEST_F(BadInputTest, DuplicateKilledYearsDifferFromTheEarlierRecordAlone)
{
    // Guards the duplicate-year case above against a culling span that ignores the year.
    dir.write("killed.txt", "2000,5\r\n");
    loaded();
    const RunSeries first = *form().lastSeries();
    dir.write("killed.txt", "2000,5\r\n2000,700\r\n");
    form().click("cmdRun");
    EXPECT_NE(form().lastSeries()->streetTotal.values(), first.streetTotal.values());
    EXPECT_TRUE(form().faults().empty()) << allFaults(0);
}

// ---- Shutdown whose write fails ----------------------------------------------------------------

// Mounts a small tmpfs over a directory; needs root. Unmounted when the test ends.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& where) : where_(where)
    {
        mounted_ = ::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=16k,mode=0755") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }
    bool makeReadOnly() { return ::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=16k") == 0; }

    // Fills every free block, so the next write fails with "No space left on device".
    void fill() const
    {
        std::ofstream filler(where_ / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        for (int i = 0; i < 64 && filler; ++i) {
            filler.write(block.data(), static_cast<std::streamsize>(block.size()));
            filler.flush();
        }
    }

private:
    fs::path where_;
    bool mounted_ = false;
};

enum class WriteFailure { ReadOnlyFile, ReadOnlyDirectory, DiskFull, FileSizeLimit };

class FailingShutdownTest : public BadInputTest, public ::testing::WithParamInterface<WriteFailure> { };

TEST_P(FailingShutdownTest, KeepsTheOldFileReportsAndCloses)
{
    const WriteFailure failure = GetParam();
    const fs::path home = dir.file("home");
    fs::create_directory(home);
    std::optional<SmallDisk> disk;
    if (failure == WriteFailure::ReadOnlyDirectory || failure == WriteFailure::DiskFull) {
        disk.emplace(home);
        if (!disk->mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    }
    const std::string old = savedFile(11);
    std::ofstream(home / "karnoth.ini", std::ios::binary) << old;

    Form1 form(home);
    form.Form_Load();
    ASSERT_TRUE(form.faults().empty()) << form.faults().front();
    form.setScrollValue("vscGainLoss", 1234);  // something new that cannot be saved

    rlimit oldLimit{};
    switch (failure) {
    case WriteFailure::ReadOnlyFile:
        fs::permissions(home / "karnoth.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        break;
    case WriteFailure::ReadOnlyDirectory: ASSERT_TRUE(disk->makeReadOnly()); break;
    case WriteFailure::DiskFull: disk->fill(); break;
    case WriteFailure::FileSizeLimit: {
        // A write beyond the limit fails with EFBIG instead of stopping the process.
        ::getrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tiny{10, oldLimit.rlim_max};
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        break;
    }
    }
    form.Form_Unload();  // returns: the window closes
    if (failure == WriteFailure::FileSizeLimit) {
        ::setrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, SIG_DFL);
    }

    // karnoth.ini's failure first; the session file beside it fails too unless only karnoth.ini is
    // read-only, and then it is written whole.
    const std::size_t sessionFaults = failure == WriteFailure::ReadOnlyFile ? 0 : 1;
    ASSERT_EQ(form.faults().size(), 1u + sessionFaults) << "each failed write is reported";
    EXPECT_NE(form.faults()[0].find("karnoth.ini"), std::string::npos) << form.faults()[0];
    if (sessionFaults > 0) {
        EXPECT_NE(form.faults()[1].find("karnoth-session.json"), std::string::npos) << form.faults()[1];
    }
    for (const std::string& fault : form.faults())
        EXPECT_NE(fault.find("cannot be written"), std::string::npos) << fault;
    std::ifstream in(home / "karnoth.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), old)
        << "the old file is intact";
    for (const auto& entry : fs::directory_iterator(home)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "karnoth.ini" || name == "filler" ||
                    (name == "karnoth-session.json" && failure == WriteFailure::ReadOnlyFile))
            << "left behind: " << name;
    }
}

std::string failureName(const ::testing::TestParamInfo<WriteFailure>& info)
{
    const char* names[] = {"ReadOnlyFile", "ReadOnlyDirectory", "DiskFull", "FileSizeLimit"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryFailure, FailingShutdownTest,
                         ::testing::Values(WriteFailure::ReadOnlyFile, WriteFailure::ReadOnlyDirectory,
                                           WriteFailure::DiskFull, WriteFailure::FileSizeLimit),
                         failureName);

}  // namespace
}  // namespace karnoth
