// One writer at a time for a data folder.
#include <gtest/gtest.h>

#include "core/data/FolderLock.h"
#include "support/TempDir.h"

namespace gm {
namespace {

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

}  // namespace
}  // namespace gm
