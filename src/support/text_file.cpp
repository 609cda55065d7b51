#include "support/text_file.h"

#include "support/fault.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karnoth {
namespace {

[[noreturn]] void raiseFileFault(std::string_view shownName, const std::string& action, int error)
{
    throw Fault(FaultKind::File,
                std::string(shownName) + " " + action + ": " + std::strerror(error));
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string_view shownName)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        raiseFileFault(shownName, "cannot be read", errno);
    }
    if (S_ISDIR(info.st_mode)) raiseFileFault(shownName, "cannot be read", EISDIR);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) raiseFileFault(shownName, "cannot be read", errno);
    std::string text;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            raiseFileFault(shownName, "cannot be read", error);
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

void replaceWholeFile(const std::filesystem::path& path, std::string_view text, std::string_view shownName)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) raiseFileFault(shownName, "cannot be written", EISDIR);
        // A file marked read-only keeps its content, even for a user whom the system would let
        // replace it.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            raiseFileFault(shownName, "cannot be written", EACCES);
    }
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) raiseFileFault(shownName, "cannot be written", errno);
    ::fchmod(fd, 0644);
    std::size_t written = 0;
    int error = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        raiseFileFault(shownName, "cannot be written", error);
    }
}

}  // namespace karnoth
