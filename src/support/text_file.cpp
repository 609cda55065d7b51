#include "support/text_file.h"

#include "support/fault.h"
#include "support/live_temporary_files.h"
#include "support/translate_noop.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace karnoth {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kMostLinksFollowed = 40;  // as the kernel's own limit on a path's links

// What could not be done with a file: "%1" is its name, "%2" why.
constexpr const char* kCannotBeRead = KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1 cannot be read: %2");
constexpr const char* kCannotBeWritten = KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "%1 cannot be written: %2");

// `why` is a fixed text the window may translate, or the system's own words for an error.
[[noreturn]] void raiseFileFault(std::string_view shownName, const char* failure, std::string_view why)
{
    throw Fault(FaultKind::File, Phrase{failure, {std::string(shownName), std::string(why)}, 0b10});
}

[[noreturn]] void raiseFileFault(std::string_view shownName, const char* failure, int error)
{
    raiseFileFault(shownName, failure, std::strerror(error));
}

// Why a file of this type is not read or replaced, or nullptr for a regular file.
const char* notRegularFile(mode_t mode)
{
    if (S_ISREG(mode)) return nullptr;
    if (S_ISDIR(mode)) return std::strerror(EISDIR);
    if (S_ISFIFO(mode)) return KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "it is a pipe (FIFO), not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "it is a device, not a file");
    if (S_ISSOCK(mode)) return KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "it is a socket, not a file");
    return KARNOTH_TRANSLATE_NOOP("karnoth::Phrase", "it is not a regular file");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) { }
    ~FileDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, returning close's error (0 when it succeeded).
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The path that `path` finally names once every symbolic link in its last component is followed
// (the links in its folders are the kernel's business). A link to a name that does not exist yet
// names that name.
std::filesystem::path finalTarget(const std::filesystem::path& path, std::string_view shownName)
{
    std::filesystem::path current = path;
    for (int links = 0;; ++links) {
        struct stat info { };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        if (links == kMostLinksFollowed) raiseFileFault(shownName, kCannotBeWritten, ELOOP);
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) raiseFileFault(shownName, kCannotBeWritten, errno);
        target.resize(static_cast<std::size_t>(length));
        const std::filesystem::path next(target);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
}

// A new file beside `target` that no one else has opened, created with 0666 so that the kernel
// applies the umask.
int createTemporary(const std::filesystem::path& target, std::string& temporary)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.string() + ".";
        for (int i = 0; i < 6; ++i) temporary += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

int writeAll(int fd, std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string_view shownName,
                                         std::size_t sizeLimit)
{
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        raiseFileFault(shownName, kCannotBeRead, errno);
    }
    struct stat info { };
    if (::fstat(file.get(), &info) != 0) raiseFileFault(shownName, kCannotBeRead, errno);
    if (const char* why = notRegularFile(info.st_mode)) raiseFileFault(shownName, kCannotBeRead, why);
    const auto tooLarge = [&] {
        raiseFileFault(shownName, kCannotBeRead,
                       "it is larger than " + std::to_string(sizeLimit >> 20) + " MiB, the most this file may hold");
    };
    if (static_cast<unsigned long long>(info.st_size) > sizeLimit) tooLarge();
    std::string text;
    text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            raiseFileFault(shownName, kCannotBeRead, errno);
        }
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > sizeLimit) tooLarge();  // it grew while we read
    }
    if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
    return text;
}

void replaceWholeFile(const std::filesystem::path& path, std::string_view bytes, std::string_view shownName)
{
    const std::filesystem::path target = finalTarget(path, shownName);
    struct stat info { };
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) raiseFileFault(shownName, kCannotBeWritten, errno);
    if (exists) {
        if (const char* why = notRegularFile(info.st_mode)) raiseFileFault(shownName, kCannotBeWritten, why);
        // A file marked read-only keeps its content, even for a user whom the system would let
        // replace it.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) raiseFileFault(shownName, kCannotBeWritten, EACCES);
    }
    std::string temporary;
    FileDescriptor file(createTemporary(target, temporary));
    if (file.get() < 0) raiseFileFault(shownName, kCannotBeWritten, errno);
    LiveTemporaryFile live(temporary);
    int error = 0;
    if (exists) {
        // The replacement is the same file to everyone who could use the old one. Only root may
        // give a file to its old owner; anyone else's replacement stays theirs.
        if (info.st_uid != ::geteuid() || info.st_gid != ::getegid())
            if (::fchown(file.get(), info.st_uid, info.st_gid) != 0) { }
        if (::fchmod(file.get(), info.st_mode & 07777) != 0) error = errno;
    }
    if (error == 0) error = writeAll(file.get(), bytes);
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (const int closeError = file.close(); error == 0) error = closeError;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    live.release();
    if (error != 0) raiseFileFault(shownName, kCannotBeWritten, error);
}

}  // namespace karnoth
