#include "support/fault.h"
#include "support/text_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace karnoth {
namespace {

using testing::TempDir;

TEST(TextFile, AbsentFileIsNormal)
{
    TempDir dir;
    EXPECT_FALSE(readWholeFile(dir.file("none.txt"), "none.txt").has_value());
}

TEST(TextFile, ReplacesContentWhole)
{
    TempDir dir;
    dir.write("a.ini", "old");
    replaceWholeFile(dir.file("a.ini"), "new\r\n", "a.ini");
    EXPECT_EQ(*readWholeFile(dir.file("a.ini"), "a.ini"), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
}

TEST(TextFile, FailuresLeaveTheOldFileAndSaySo)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.ini"));
    EXPECT_THROW(readWholeFile(dir.file("folder.ini"), "folder.ini"), Fault);
    EXPECT_THROW(replaceWholeFile(dir.file("folder.ini"), "x", "folder.ini"), Fault);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.ini")));

    dir.write("locked.ini", "keep");
    ::chmod(dir.file("locked.ini").c_str(), 0444);
    EXPECT_THROW(replaceWholeFile(dir.file("locked.ini"), "lost", "locked.ini"), Fault);
    EXPECT_EQ(dir.read("locked.ini"), "keep");

    EXPECT_THROW(replaceWholeFile(dir.file("no/such/dir.ini"), "x", "dir.ini"), Fault);
}

}  // namespace
}  // namespace karnoth
