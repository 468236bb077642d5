#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <future>
#include <string>

namespace gm::test {

// Reads a pipe in a thread of its own, as the program at the other end
// would. The test holds a writing end too, so that nothing waits on a save
// that never comes to the pipe: the reader's end comes when the test lets go.
class PipeReader {
public:
    explicit PipeReader(const std::filesystem::path& fifo)
        : keep_(::open(fifo.c_str(), O_RDWR | O_CLOEXEC)), fd_(::open(fifo.c_str(), O_RDONLY | O_CLOEXEC)) {
        // Both ends are open before the thread starts, so no open waits on another.
        read_ = std::async(std::launch::async, [fd = fd_] {
            std::string got;
            char buf[4096];
            for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;)
                got.append(buf, static_cast<std::size_t>(n));
            return got;
        });
    }
    ~PipeReader() { Finish(); }
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    // What arrived, once the save is over.
    std::string Finish() {
        if (keep_ >= 0) ::close(keep_);
        keep_ = -1;
        std::string got = read_.valid() ? read_.get() : std::string();
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        return got;
    }

private:
    int keep_;
    int fd_;
    std::future<std::string> read_;
};

// A null device (as /dev/null) at `path`, so that a test never writes to the
// system's own: a save that wrongly replaced it would break the machine for
// everyone when run as root. False where devices may not be made.
inline bool MakeNullDevice(const std::filesystem::path& path) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

}  // namespace gm::test
