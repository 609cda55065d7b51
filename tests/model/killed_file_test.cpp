#include "model/killed_file.h"
#include "support/fault.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace karnoth {
namespace {

TEST(KilledFile, RecordsSetTheirYearsAndLaterOnesWin)
{
    const YearlySeries killed = parseKilledRecords("1990, 100\n1991,200\r\n\n1990 300\n2050,+5\n", "killed.txt");
    EXPECT_EQ(killed[1990], 300);
    EXPECT_EQ(killed[1991], 200);
    EXPECT_EQ(killed[2050], 5);
    EXPECT_EQ(killed[1992], 0);
}

TEST(KilledFile, RecordsMaySpanLines)
{
    const YearlySeries killed = parseKilledRecords("1995\n40\n1996,\n50", "killed.txt");
    EXPECT_EQ(killed[1995], 40);
    EXPECT_EQ(killed[1996], 50);
}

// Whatever wrote the file: a byte-order mark (Windows Notepad) and lone CR line ends (old Macs).
TEST(KilledFile, AByteOrderMarkAndEveryLineEndAreAccepted)
{
    testing::TempDir dir;
    dir.write("killed.txt", "\xEF\xBB\xBF"
                            "1995,40\r1996,50\r\n");
    const YearlySeries killed = readKilledFile(dir.file("killed.txt"));
    EXPECT_EQ(killed[1995], 40);
    EXPECT_EQ(killed[1996], 50);
    try {
        parseKilledRecords("1995,40\r1996,50\r1997,x\r", "killed.txt");
        ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
        EXPECT_NE(std::string(fault.what()).find("record 3 (line 3)"), std::string::npos) << fault.what();
    }
}

TEST(KilledFile, BadRecordsNameTheFileAndTheRecord)
{
    const struct {
        const char* text;
        FaultKind kind;
        const char* mentions;
    } cases[] = {
        {"1949,10", FaultKind::Subscript, "record 1"},
        {"1990,1\n2051,10", FaultKind::Subscript, "record 2"},
        {"-32769,1", FaultKind::Overflow, "-32769"},
        {"1990", FaultKind::File, "no number of dogs killed"},
        {"1990,1,1991", FaultKind::File, "record 2"},
        {"1990,ten", FaultKind::File, "\"ten\""},
        {"19x0,1", FaultKind::File, "year"},
        {"1990.5,1", FaultKind::File, "whole number"},
        {"1990,,1", FaultKind::File, "record 1"},
        {"\x01\x02\xff,1", FaultKind::File, "record 1"},
        {"1995,10\n2001,-5", FaultKind::File, "record 2 (line 2): the number killed \"-5\" is negative"},
    };
    for (const auto& c : cases) {
        try {
            parseKilledRecords(c.text, "killed.txt");
            ADD_FAILURE() << c.text << ": no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << c.text;
            const std::string message = fault.what();
            EXPECT_NE(message.find("killed.txt"), std::string::npos) << message;
            EXPECT_NE(message.find(c.mentions), std::string::npos) << message;
        }
    }
}

TEST(KilledFile, AbsentMeansNobodyIsCulledAndADirectoryIsAFault)
{
    testing::TempDir dir;
    const YearlySeries none = readKilledFile(dir.file("killed.txt"));
    for (float v : none.values()) EXPECT_EQ(v, 0);
    std::filesystem::create_directory(dir.file("killed.txt"));
    EXPECT_THROW(readKilledFile(dir.file("killed.txt")), Fault);
}

}  // namespace
}  // namespace karnoth
