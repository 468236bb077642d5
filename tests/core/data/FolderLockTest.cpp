// One writer at a time for a data folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/data/FolderLock.h"
#include "support/TempDir.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

TEST(FolderLock, OneHolderAtATimeAndFreeOnceReleased) {
    test::TempDir dir;
    FolderLock first, second;
    ASSERT_EQ(first.Take(dir.path()), FolderLock::Outcome::Taken);
    EXPECT_TRUE(first.Held());
    // A second taker (another program, or another open in this one) waits for nobody.
    EXPECT_EQ(second.Take(dir.path()), FolderLock::Outcome::Busy);
    EXPECT_FALSE(second.Held());

    // Moving the lock keeps it held; ending its holder frees the folder.
    FolderLock moved = std::move(first);
    EXPECT_FALSE(first.Held());
    EXPECT_EQ(second.Take(dir.path()), FolderLock::Outcome::Busy);
    moved.Release();
    EXPECT_EQ(second.Take(dir.path()), FolderLock::Outcome::Taken);
    {
        FolderLock scoped;
        EXPECT_EQ(scoped.Take(dir.path() / "elsewhere"), FolderLock::Outcome::Failed);
    }

    // A missing folder cannot be locked, and says why.
    std::string reason;
    FolderLock none;
    EXPECT_EQ(none.Take(dir / "missing", &reason), FolderLock::Outcome::Failed);
    EXPECT_EQ(reason, "No such file or directory");
}

// The lock file is opened where it is and never replaced: through a link the
// linked file holds the lock and the link stays; a pipe is not waited on; a
// folder of that name is refused, naming why.
TEST(FolderLock, LockFileThatIsNotAPlainFile) {
    const auto linkStays = [](const fs::path& link) { return fs::is_symlink(fs::symlink_status(link)); };
    test::TempDir root;
    const fs::path data = root / "data";
    fs::create_directory(data);
    fs::create_directory(root / "shared");
    const fs::path lockFile = data / FolderLock::kFileName;
    {
        SCOPED_TRACE("dangling relative link");
        fs::create_symlink("../shared/lock", lockFile);
        FolderLock a, b;
        ASSERT_EQ(a.Take(data), FolderLock::Outcome::Taken);
        EXPECT_TRUE(fs::is_regular_file(root / "shared" / "lock"));
        EXPECT_TRUE(linkStays(lockFile));
        // Whoever opens the linked file directly meets the same lock.
        const int fd = ::open((root / "shared" / "lock").c_str(), O_RDWR);
        ASSERT_GE(fd, 0);
        EXPECT_NE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        ::close(fd);
        EXPECT_EQ(b.Take(data), FolderLock::Outcome::Busy);
    }
    {
        SCOPED_TRACE("folder");
        fs::remove(lockFile);
        fs::create_directory(lockFile);
        FolderLock lock;
        std::string reason;
        EXPECT_EQ(lock.Take(data, &reason), FolderLock::Outcome::Failed);
        EXPECT_EQ(reason, "Is a directory");
        EXPECT_TRUE(fs::is_directory(lockFile));
    }
    {
        SCOPED_TRACE("pipe");
        fs::remove(lockFile);
        ASSERT_EQ(::mkfifo(lockFile.c_str(), 0600), 0);
        FolderLock lock;
        EXPECT_NE(lock.Take(data), FolderLock::Outcome::Failed);
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(lockFile)));
    }
    {
        SCOPED_TRACE("loop of links");
        fs::remove(lockFile);
        fs::create_symlink(lockFile, lockFile);
        FolderLock lock;
        std::string reason;
        EXPECT_EQ(lock.Take(data, &reason), FolderLock::Outcome::Failed);
        EXPECT_EQ(reason, "Too many levels of symbolic links");
        EXPECT_TRUE(linkStays(lockFile));
    }
}

}  // namespace
}  // namespace gm
