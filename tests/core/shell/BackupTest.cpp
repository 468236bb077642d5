#include <gtest/gtest.h>

#include "core/shell/Backup.h"
#include "support/TempDir.h"

namespace gm {
namespace {

TEST(Backup, CopiesThePresentFilesInOrderAndListsThem) {
    test::TempDir data, target;
    test::WriteFile(data / "1997.nfl", "season");
    test::WriteFile(data / "Pool97.dat", "pool");
    test::WriteFile(data / "Vask97.ini", "not a data file");
    // An older copy in another letter case is replaced, not doubled.
    test::WriteFile(target / "POOL97.DAT", "old");

    const BackupResult r = BackUpDataFiles(data.path(), target.path());
    ASSERT_FALSE(r.Error.has_value()) << r.Error->Description;
    EXPECT_EQ(r.Copied, (std::vector<std::string>{"Pool97.dat", "1997.NFL"}));
    EXPECT_EQ(test::ReadFile(target / "POOL97.DAT"), "pool");
    EXPECT_FALSE(fs::exists(target / "Pool97.dat"));
    EXPECT_EQ(test::ReadFile(target / "1997.nfl"), "season");
    EXPECT_FALSE(fs::exists(target / "Vask97.ini"));
    EXPECT_EQ(BackupReport(r.Copied), "The following files were copied:\n\nPool97.dat\n1997.NFL\n");
}

TEST(Backup, AllFiveInTheirOrder) {
    test::TempDir data, target;
    for (const char* name : {"digital.dat", "SportBox.Dat", "SBPlayer.dat", "pool97.dat", "1997.NFL"})
        test::WriteFile(data / name, name);
    const BackupResult r = BackUpDataFiles(data.path(), target.path());
    ASSERT_FALSE(r.Error.has_value());
    EXPECT_EQ(r.Copied,
              (std::vector<std::string>{"Pool97.dat", "SBPlayer.dat", "Sportbox.dat", "Digital.dat", "1997.NFL"}));
    EXPECT_EQ(test::ReadFile(target / "SportBox.Dat"), "SportBox.Dat");
}

TEST(Backup, FailuresEndTheBackupWithoutHarm) {
    test::TempDir data;
    test::WriteFile(data / "Pool97.dat", "pool");

    const BackupResult missing = BackUpDataFiles(data.path(), data / "no-such-folder");
    ASSERT_TRUE(missing.Error.has_value());
    EXPECT_EQ(missing.Error->Number, 76);
    EXPECT_TRUE(missing.Copied.empty());

    // Backing up onto the data folder must not truncate the originals.
    const BackupResult self = BackUpDataFiles(data.path(), data.path());
    ASSERT_TRUE(self.Error.has_value());
    EXPECT_EQ(test::ReadFile(data / "Pool97.dat"), "pool");

    if (test::PermissionsEnforced()) {
        test::TempDir target;
        fs::permissions(target.path(), fs::perms::owner_read | fs::perms::owner_exec);
        const BackupResult ro = BackUpDataFiles(data.path(), target.path());
        ASSERT_TRUE(ro.Error.has_value());
        EXPECT_NE(ro.Error->Description.find("Pool97.dat"), std::string::npos);
    }
}

}  // namespace
}  // namespace gm
