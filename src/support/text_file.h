#pragma once
// Whole-file text input and output in one go: each file is opened, read or written and closed
// within one call.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karnoth {

// The file's bytes, or nullopt when no file of that name exists (which is normal). A name that
// exists but cannot be read (a directory, no permission, an I/O error) is a File Fault naming
// `shownName`.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string_view shownName);

// Replaces the file's content without ever leaving it half-written: the text goes to a new file
// in the same directory, which is then renamed over the old one. The old file stays as it was when
// anything fails (read-only file or directory, disk full, a directory of that name), and the
// failure is a File Fault naming `shownName`.
void replaceWholeFile(const std::filesystem::path& path, std::string_view text, std::string_view shownName);

}  // namespace karnoth
