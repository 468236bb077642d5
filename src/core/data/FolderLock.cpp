#include "FolderLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gm {

FolderLock::FolderLock(FolderLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FolderLock::~FolderLock() { Release(); }

void FolderLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

FolderLock::Outcome FolderLock::Take(const std::filesystem::path& folder, std::string* reason) {
    Release();
    const std::string path = (folder / kFileName).string();
    // The lock file is opened where it is, never replaced: through a link the
    // linked file is locked (a dangling link creates it), and a pipe in its
    // place is not waited on.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    // In a folder that cannot be written, an existing lock file still serves.
    if (fd < 0 && errno != ELOOP && errno != EISDIR) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (reason) *reason = std::strerror(errno);
        return Outcome::Failed;
    }
    // A folder of that name would take the lock too; it is not one.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (reason) *reason = std::strerror(EISDIR);
        return Outcome::Failed;
    }
    int rc;
    do rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) return Outcome::Busy;
        if (reason) *reason = std::strerror(err);
        return Outcome::Failed;
    }
    fd_ = fd;
    return Outcome::Taken;
}

}  // namespace gm
