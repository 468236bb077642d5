#pragma once

#include <filesystem>
#include <string>

namespace gm {

// One writer at a time for a data folder. The desktop program holds its
// folder's lock for the whole run and gridmoot-cli while it imports, so that
// neither overwrites what the other has just saved (a window's OK writes the
// whole pool file it read at start-up). The lock is an advisory lock on the
// hidden file ".gridmoot.lock" in the folder: it is released when its holder
// ends, by a crash too, so it never goes stale; the file itself stays.
class FolderLock {
public:
    enum class Outcome {
        Taken,   // this process holds the folder now
        Busy,    // another process holds it
        Failed,  // the lock file could not be opened (a read-only folder, say)
    };

    FolderLock() = default;
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // Tries to take the lock of `folder` without waiting; `reason` says why
    // when the file could not be opened.
    Outcome Take(const std::filesystem::path& folder, std::string* reason = nullptr);
    bool Held() const { return fd_ >= 0; }
    void Release();

    static constexpr const char* kFileName = ".gridmoot.lock";

private:
    int fd_ = -1;
};

}  // namespace gm
