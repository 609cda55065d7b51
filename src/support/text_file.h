#pragma once
// Whole-file input and output in one go, as a careful editor handles files: each file is opened,
// read or written and closed within one call. Messages name the path as the caller shows it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

// Size limits by kind of file, in bytes: a few lines of settings or culling records, and a
// scenario with long notes.
constexpr std::size_t kSmallTextFileLimit = std::size_t{1} << 20;  // karnoth.ini, killed.txt: 1 MiB
constexpr std::size_t kScenarioFileLimit = std::size_t{16} << 20;  // scenario files: 16 MiB

// The file's bytes without a leading UTF-8 byte-order mark, or nullopt when no file of that name
// exists (which is normal). Only a regular file is read: a folder, FIFO or device is refused at
// once (it is opened without blocking), and so is a file above `sizeLimit` bytes. Anything that
// cannot be read is a File Fault naming `shownName`.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string_view shownName,
                                         std::size_t sizeLimit);

// Replaces the file's content without ever leaving it half-written: the text goes to a new file
// beside the file, which is then renamed over it. A symbolic link is written through (the file it
// finally names is replaced, the link stays). An existing file keeps its permission bits; a new one
// gets 0666 less the umask. The old file stays as it was when anything fails (read-only file or
// folder, disk full, a name that is a folder, FIFO or device), the temporary file is removed, also
// when SIGINT or SIGTERM stops the process, and the failure is a File Fault naming `shownName`.
void replaceWholeFile(const std::filesystem::path& path, std::string_view bytes, std::string_view shownName);

}  // namespace karnoth
