#include <gtest/gtest.h>

#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/shell/PoolFolders.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::TempDir;

TEST(PoolFolders, RecentListPutsTheNewestFirstOnceAndKeepsFour) {
    TempDir dir;  // the folders need not exist: only their names are kept
    const fs::path a = dir / "a", b = dir / "b", c = dir / "c", d = dir / "d", e = dir / "e";
    PoolFolderList list;
    for (const fs::path& f : {a, b, c, d, e}) list = WithPoolFolder(list, f);
    EXPECT_EQ(list.Last, e);
    EXPECT_EQ(list.Recent, (std::vector<fs::path>{e, d, c, b}));
    // The same folder spelt another way moves to the front instead of appearing twice.
    list = WithPoolFolder(list, c.string() + "/");
    EXPECT_EQ(list.Recent, (std::vector<fs::path>{c, e, d, b}));
    list = WithPoolFolder(list, dir / "x" / ".." / "d");
    EXPECT_EQ(list.Recent, (std::vector<fs::path>{d, c, e, b}));
}

TEST(PoolFolders, KeptInTheUsersSettingsAndReadBackWhateverTheirNames) {
    TempDir dir;
    const IniFile config(dir / "gridmoot.ini");
    EXPECT_TRUE(ReadPoolFolders(config).Recent.empty());
    EXPECT_EQ(RememberedStartFolder(config), fs::path());

    // Names the settings file could not keep as text: "=", ";", "[", non-Latin letters, spaces.
    const fs::path odd = dir / "Pool = 2024; [Büro] Ωmega";
    fs::create_directories(odd);
    PoolFolderList list = WithPoolFolder({}, dir / "gone");
    list = WithPoolFolder(list, odd);
    ASSERT_TRUE(WritePoolFolders(config, list).ok());
    const PoolFolderList back = ReadPoolFolders(config);
    EXPECT_EQ(back.Last, odd);
    EXPECT_EQ(back.Recent, (std::vector<fs::path>{odd, dir / "gone"}));
    EXPECT_EQ(RememberedStartFolder(config), odd);

    // A folder that is gone is not started on.
    ASSERT_TRUE(WritePoolFolders(config, WithPoolFolder(list, dir / "gone")).ok());
    EXPECT_EQ(RememberedStartFolder(config), fs::path());
    EXPECT_EQ(RecentFolderCaption(0, "Smith & Sons"), "&1 Smith && Sons");
}

TEST(PoolFolders, NewFolderMustHoldNoPool) {
    TempDir dir;
    EXPECT_EQ(NewFolderRefusal(dir / "not-yet"), "");
    EXPECT_EQ(NewFolderRefusal(dir.path()), "");
    test::WriteFile(dir / "a-file", "x");
    EXPECT_NE(NewFolderRefusal(dir / "a-file").find("is a file"), std::string::npos);

    // A folder a first start prepared (an empty season, an empty pool) may be used.
    const fs::path prepared = dir / "prepared";
    fs::create_directories(prepared);
    test::WriteFile(prepared / "1997.NFL", EncodeSeason(SeasonGrid{}));
    test::WriteFile(prepared / "Pool97.dat", "");
    EXPECT_EQ(NewFolderRefusal(prepared), "");

    struct Case {
        const char* name;
        std::string bytes;
    };
    SeasonGrid one{};
    one[3][2].HomeTeam = 4;
    one[3][2].AwayTeam = 5;
    MemberRecord m;
    m.Name = FitName("Pat");
    const Case cases[] = {
        {"1997.nfl", EncodeSeason(one)},
        {"POOL97.DAT", EncodePool(std::vector<MemberRecord>{m})},
        {"Season.gms", "GMSEASON"},
    };
    for (const Case& c : cases) {
        const fs::path folder = dir / (std::string("with-") + c.name);
        fs::create_directories(folder);
        test::WriteFile(folder / c.name, c.bytes);
        EXPECT_NE(NewFolderRefusal(folder).find("already holds a pool"), std::string::npos) << c.name;
    }
}

TEST(PoolFolders, EmptyFolderIsOneWithoutMembersAndGames) {
    TempDir dir;
    AppState state(dir.path());
    EXPECT_TRUE(PoolFolderIsEmpty(state));
    state.Games[21][15].HomeTeam = 7;  // a game of the last week and slot of today's league counts
    EXPECT_FALSE(PoolFolderIsEmpty(state));
    state.Games = {};
    state.MemberCount = 1;
    EXPECT_FALSE(PoolFolderIsEmpty(state));
    EXPECT_NE(EmptyFolderText(dir.path()).find("Import Season..."), std::string::npos);
}

}  // namespace
}  // namespace gm
