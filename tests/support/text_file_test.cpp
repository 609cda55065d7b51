#include "support/fault.h"
#include "support/live_temporary_files.h"
#include "support/text_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace karnoth {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

std::string faultOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Fault& fault) {
        return fault.what();
    }
    return "(no fault)";
}

std::size_t entriesIn(const fs::path& directory)
{
    return std::distance(fs::directory_iterator(directory), {});
}

mode_t modeOf(const fs::path& path)
{
    struct stat info { };
    ::lstat(path.c_str(), &info);
    return info.st_mode;
}

TEST(TextFile, AbsentFileIsNormal)
{
    TempDir dir;
    EXPECT_FALSE(readWholeFile(dir.file("none.txt"), "none.txt", kSmallTextFileLimit).has_value());
}

TEST(TextFile, ReplacesContentWhole)
{
    TempDir dir;
    dir.write("a.ini", "old");
    replaceWholeFile(dir.file("a.ini"), "new\r\n", "a.ini");
    EXPECT_EQ(*readWholeFile(dir.file("a.ini"), "a.ini", kSmallTextFileLimit), "new\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1) << "no temporary file left";
}

TEST(TextFile, AByteOrderMarkIsNotPartOfTheText)
{
    TempDir dir;
    dir.write("bom.txt", "\xEF\xBB\xBF"
                         "1995,1200\r\n");
    EXPECT_EQ(*readWholeFile(dir.file("bom.txt"), "bom.txt", kSmallTextFileLimit), "1995,1200\r\n");
}

// Only a regular file of sensible size is read, and anything else is refused at once: a FIFO with
// no writer would otherwise block forever, /dev/zero would fill memory.
TEST(TextFile, ReadsOnlyRegularFilesWithinTheirLimit)
{
    TempDir dir;
    fs::create_directory(dir.file("folder"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    dir.write("large", std::string(kSmallTextFileLimit + 1, '1'));
    dir.write("just fits", std::string(kSmallTextFileLimit, '1'));
    ::alarm(20);  // a read that blocks ends the test instead of hanging it
    const struct {
        fs::path path;
        const char* why;
    } cases[] = {
        {dir.file("folder"), "Is a directory"},
        {dir.file("fifo"), "pipe"},
        {"/dev/zero", "device"},
        {dir.file("large"), "larger than 1 MiB"},
    };
    for (const auto& c : cases) {
        const std::string message = faultOf([&] { readWholeFile(c.path, c.path.string(), kSmallTextFileLimit); });
        EXPECT_EQ(message.rfind(c.path.string() + " cannot be read: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.why), std::string::npos) << message;
    }
    ::alarm(0);
    EXPECT_EQ(readWholeFile(dir.file("just fits"), "just fits", kSmallTextFileLimit)->size(), kSmallTextFileLimit);
    EXPECT_EQ(readWholeFile(dir.file("large"), "large", kScenarioFileLimit)->size(), kSmallTextFileLimit + 1);
}

TEST(TextFile, FailuresLeaveTheOldFileAndNameThePathWhole)
{
    TempDir dir;
    dir.write("locked.ini", "keep");
    ::chmod(dir.file("locked.ini").c_str(), 0444);
    EXPECT_THROW(replaceWholeFile(dir.file("locked.ini"), "lost", "locked.ini"), Fault);
    EXPECT_EQ(dir.read("locked.ini"), "keep");

    EXPECT_EQ(faultOf([&] { replaceWholeFile(dir.file("nodir/x.karnoth"), "x", "nodir/x.karnoth"); }),
              "nodir/x.karnoth cannot be written: No such file or directory");
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

// A target that is not a regular file is refused and left as it is: a folder, a FIFO (which a
// rename would replace) and a device (which root could otherwise replace by a plain file).
TEST(TextFile, WritesOnlyOverRegularFiles)
{
    TempDir dir;
    fs::create_directory(dir.file("folder"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    ::symlink("fifo", dir.file("link to fifo").c_str());
    const struct {
        fs::path path;
        const char* why;
        bool (*stillThere)(const fs::path&);
    } cases[] = {
        {dir.file("folder"), "Is a directory", [](const fs::path& p) { return fs::is_directory(p); }},
        {dir.file("fifo"), "pipe", [](const fs::path& p) { return fs::is_fifo(p); }},
        {dir.file("link to fifo"), "pipe", [](const fs::path& p) { return fs::is_fifo(p); }},
        {"/dev/null", "device", [](const fs::path& p) { return fs::is_character_file(p); }},
    };
    ::alarm(20);
    for (const auto& c : cases) {
        const std::string message = faultOf([&] { replaceWholeFile(c.path, "data", c.path.string()); });
        EXPECT_EQ(message.rfind(c.path.string() + " cannot be written: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.why), std::string::npos) << message;
        EXPECT_TRUE(c.stillThere(c.path)) << c.path;
    }
    ::alarm(0);
    EXPECT_EQ(entriesIn(dir.path()), 3) << "no temporary file left";
}

// A link kept in one folder and pointing at a file in another (a dotfiles folder) is written
// through: the link stays a link, its target gets the text, and the temporary file was beside the
// target, so the rename never crosses file systems.
TEST(TextFile, ASymbolicLinkIsWrittenThrough)
{
    TempDir dir;
    fs::create_directory(dir.file("dotfiles"));
    fs::create_directory(dir.file("work"));
    dir.write("dotfiles/karnoth.ini", "old");
    fs::create_symlink("../dotfiles/karnoth.ini", dir.file("work/karnoth.ini"));
    fs::create_symlink(dir.file("work/karnoth.ini"), dir.file("work/second link.ini"));
    fs::create_symlink("../dotfiles/new.karnoth", dir.file("work/dangling.karnoth"));

    replaceWholeFile(dir.file("work/second link.ini"), "new", "second link.ini");
    replaceWholeFile(dir.file("work/dangling.karnoth"), "created", "dangling.karnoth");

    EXPECT_TRUE(fs::is_symlink(dir.file("work/karnoth.ini")));
    EXPECT_TRUE(fs::is_symlink(dir.file("work/second link.ini")));
    EXPECT_TRUE(fs::is_symlink(dir.file("work/dangling.karnoth")));
    EXPECT_EQ(dir.read("dotfiles/karnoth.ini"), "new");
    EXPECT_EQ(dir.read("dotfiles/new.karnoth"), "created");
    EXPECT_EQ(entriesIn(dir.file("dotfiles")), 2);
    EXPECT_EQ(entriesIn(dir.file("work")), 3);
}

TEST(TextFile, AnExistingFileKeepsItsPermissionsAndANewOneFollowsTheUmask)
{
    TempDir dir;
    dir.write("private.karnoth", "secret");
    ::chmod(dir.file("private.karnoth").c_str(), 0600);
    dir.write("shared.csv", "old");
    ::chmod(dir.file("shared.csv").c_str(), 0664);
    replaceWholeFile(dir.file("private.karnoth"), "still secret", "private.karnoth");
    replaceWholeFile(dir.file("shared.csv"), "new", "shared.csv");
    EXPECT_EQ(modeOf(dir.file("private.karnoth")) & 07777, 0600u);
    EXPECT_EQ(modeOf(dir.file("shared.csv")) & 07777, 0664u);

    for (const mode_t mask : {mode_t{022}, mode_t{077}, mode_t{002}}) {
        const mode_t before = ::umask(mask);
        const fs::path file = dir.file("new " + std::to_string(mask));
        replaceWholeFile(file, "x", file.string());
        ::umask(before);
        EXPECT_EQ(modeOf(file) & 07777, 0666u & ~mask) << "umask " << mask;
    }
}

// Runs `child` in a forked process and returns its wait status.
int inChild(const std::function<int()>& child)
{
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(child());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

TEST(TextFile, AFullDiskLeavesTheOldFileAndNoTemporaryFile)
{
    TempDir dir;
    dir.write("plan.csv", "old content");
    const int status = inChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        const rlimit limit{16, 16};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
        const std::string message = faultOf(
            [&] { replaceWholeFile(dir.file("plan.csv"), std::string(4096, 'x'), "plan.csv"); });
        return message.rfind("plan.csv cannot be written: ", 0) == 0 ? 0 : 11;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("plan.csv"), "old content");
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

// A process stopped while it writes leaves no temporary file behind, and still ends by the signal.
TEST(TextFile, ATemporaryFileIsRemovedWhenTheProcessIsStopped)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        TempDir dir;
        const int status = inChild([&] {
            dir.write("g.csv.Ab12Cd", "half");
            const LiveTemporaryFile live(dir.file("g.csv.Ab12Cd").string());
            ::raise(signal);
            return 0;
        });
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(entriesIn(dir.path()), 0);
    }
}

}  // namespace
}  // namespace karnoth
