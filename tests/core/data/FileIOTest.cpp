#include <gtest/gtest.h>

#include "core/data/FileIO.h"
#include "core/data/TextCodec.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(FileIO, AtomicWriteReplacesAndLeavesNoTemporary) {
    TempDir dir;
    WriteFile(dir / "Pool97.dat", "old");
    ASSERT_TRUE(WriteFileAtomic(dir / "Pool97.dat", "new contents").ok());
    EXPECT_EQ(ReadFile(dir / "Pool97.dat"), "new contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(FileIO, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    // A folder in the target's place cannot be replaced: the write must fail
    // cleanly, say which file, and leave nothing behind.
    fs::create_directory(dir / "1997.nfl");
    WriteFile(dir / "1997.nfl" / "inside", "keep");
    const Status s = WriteFileAtomic(dir / "1997.nfl", "x");
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message.find("\"1997.nfl\""), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "1997.nfl" / "inside"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    if (test::PermissionsEnforced()) {
        WriteFile(dir / "Pool97.dat", "precious");
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(WriteFileAtomic(dir / "Pool97.dat", "x").ok());
        fs::permissions(dir.path(), fs::perms::owner_all);
        EXPECT_EQ(ReadFile(dir / "Pool97.dat"), "precious");

        // A read-only file in a writable folder is not replaced behind the user's back.
        fs::permissions(dir / "Pool97.dat", fs::perms::owner_read);
        const Status readOnly = WriteFileAtomic(dir / "Pool97.dat", "x");
        EXPECT_FALSE(readOnly.ok());
        EXPECT_NE(readOnly.message.find("\"Pool97.dat\""), std::string::npos);
        fs::permissions(dir / "Pool97.dat", fs::perms::owner_all);
        EXPECT_EQ(ReadFile(dir / "Pool97.dat"), "precious");
    }
}

TEST(FileIO, ReplacedFileKeepsItsPermissions) {
    TempDir dir;
    WriteFile(dir / "Vask97.ini", "[Options]\n");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(dir / "Vask97.ini", mode);
    ASSERT_TRUE(WriteFileAtomic(dir / "Vask97.ini", "[Colors]\n").ok());
    EXPECT_EQ(fs::status(dir / "Vask97.ini").permissions(), mode);
}

TEST(FileIO, FindFileIgnoresCase) {
    TempDir dir;
    WriteFile(dir / "POOL97.DAT", "x");
    EXPECT_EQ(FindFile(dir.path(), "Pool97.dat"), dir / "POOL97.DAT");
    EXPECT_EQ(FindFile(dir.path(), "Temp.dat"), dir / "Temp.dat");
    EXPECT_EQ(FindFile(dir / "missing", "a"), dir / "missing" / "a");
}

TEST(TextCodec, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    bool lossless = false;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Utf8ToCp1252("日本", &lossless), "??");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Utf8Left("Zoë Smith", 3), "Zoë");
    EXPECT_EQ(Utf8Length("Zoë"), 3u);
}

}  // namespace
}  // namespace gm
