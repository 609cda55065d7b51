#pragma once
// Temporary files being written right now, removed if SIGINT or SIGTERM stops the process before
// they are renamed into place: a stopped save leaves no "name.XXXXXX" behind.

#include <string>

namespace karnoth {

// Records `path` as live until the returned guard is released or destroyed. Installs the signal
// handler on first use; the handler only unlinks the live paths, then lets the signal do what it
// did before (by default, end the process).
class LiveTemporaryFile {
public:
    explicit LiveTemporaryFile(const std::string& path);
    ~LiveTemporaryFile() { release(); }
    LiveTemporaryFile(const LiveTemporaryFile&) = delete;
    LiveTemporaryFile& operator=(const LiveTemporaryFile&) = delete;

    // The file is no longer ours to remove (it was renamed into place or unlinked).
    void release();

private:
    int slot_ = -1;  // -1 when more files are live at once than the table holds
};

}  // namespace karnoth
