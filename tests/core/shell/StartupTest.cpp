#include <gtest/gtest.h>

#include "core/data/Settings.h"
#include "core/shell/Startup.h"
#include "support/TempDir.h"

namespace gm {
namespace {

TEST(Startup, FirstStartPreparesAnEmptyFolder) {
    test::TempDir shipped, root;
    test::WriteFile(shipped / "1995.NFL", std::string(7245, 'a'));
    test::WriteFile(shipped / "1996.NFL", std::string(7245, 'b'));
    const fs::path folder = root / "pool";

    const auto problems = PrepareDataFolder(folder, {root / "missing", shipped.path()});
    EXPECT_TRUE(problems.empty());
    EXPECT_TRUE(fs::is_directory(folder / "Webpages"));
    EXPECT_TRUE(fs::is_directory(folder / "TxtFiles"));
    EXPECT_EQ(fs::file_size(folder / "1997.NFL"), 0u);
    EXPECT_EQ(fs::file_size(folder / "Pool97.dat"), 0u);
    EXPECT_EQ(test::ReadFile(folder / "1995.NFL"), std::string(7245, 'a'));
    EXPECT_EQ(test::ReadFile(folder / "1996.NFL"), std::string(7245, 'b'));
    EXPECT_FALSE(fs::exists(folder / "Vask97.ini"));

    AppState state(folder);
    EXPECT_TRUE(LoadAtStartup(state, 1LL << 24).empty());
    EXPECT_EQ(state.CurrentWeek, 1);
    EXPECT_EQ(state.ColorScheme, 1);
    EXPECT_EQ(state.PointSpreads, "No");
    EXPECT_EQ(state.Title, "The Acme Office Pool");
    EXPECT_EQ(state.MemberCount, 0);
    EXPECT_TRUE(state.CurrentSeasonOpen);
    EXPECT_EQ(state.SeasonYear, "1997");
}

TEST(Startup, ExistingFilesAreLeftAlone) {
    test::TempDir shipped, folder;
    test::WriteFile(shipped / "1995.NFL", "shipped");
    test::WriteFile(folder / "1995.nfl", "mine");
    test::WriteFile(folder / "1997.nfl", "season");
    test::WriteFile(folder / "POOL97.DAT", "");
    fs::create_directory(folder / "webpages");

    EXPECT_TRUE(PrepareDataFolder(folder.path(), {shipped.path()}).empty());
    EXPECT_EQ(test::ReadFile(folder / "1995.nfl"), "mine");
    EXPECT_FALSE(fs::exists(folder / "1995.NFL"));
    EXPECT_EQ(test::ReadFile(folder / "1997.nfl"), "season");
    EXPECT_FALSE(fs::exists(folder / "1997.NFL"));
    EXPECT_FALSE(fs::exists(folder / "Pool97.dat"));
    EXPECT_FALSE(fs::exists(folder / "Webpages"));
    EXPECT_FALSE(fs::exists(folder / "1996.NFL"));  // nothing shipped to copy
}

TEST(Startup, TeamSchemeFallsBackOnA256ColourDisplay) {
    test::TempDir folder;
    test::WriteFile(folder / "Vask97.ini", "[Colors]\nColor=9\n[Gridmoot]\nCurrentWeek=7\n");
    AppState low(folder.path());
    LoadAtStartup(low, 256);
    EXPECT_EQ(low.ColorScheme, 1);
    EXPECT_EQ(low.CurrentWeek, 7);
    AppState high(folder.path());
    LoadAtStartup(high, 65536);
    EXPECT_EQ(high.ColorScheme, 9);
}

TEST(Startup, AFolderThatCannotBeMadeIsReported) {
    test::TempDir root;
    test::WriteFile(root / "file", "x");
    const auto problems = PrepareDataFolder(root / "file" / "pool", {});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_FALSE(problems[0].ok());
}

}  // namespace
}  // namespace gm
