#include <gtest/gtest.h>

#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/TeamRecords.h"
#include "core/pool/PoolStandings.h"
#include "core/sample/SamplePool.h"
#include "core/shell/Startup.h"
#include "core/sidepools/SportsBox.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;

const std::vector<fs::path> kSeasons{fs::path(GRIDMOOT_SOURCE_DIR) / "share" / "seasons"};
const std::vector<fs::path> kSample{fs::path(GRIDMOOT_SOURCE_DIR) / "share" / "sample"};

int TeamNumber(const AppState& state, std::string_view city) {
    for (int t = 1; t <= kTeams; ++t)
        if (state.Teams.City(t) == city) return t;
    return 0;
}

class SamplePoolTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_ / "gridmoot-sample";
        ASSERT_TRUE(MakeSamplePool(folder_, kSeasons, kSample)) << "the sample could not be made";
        ASSERT_TRUE(LoadAtStartup(state_, 1LL << 24).empty());
    }
    TempDir dir_;
    fs::path folder_;
    AppState state_{dir_ / "gridmoot-sample"};
};

// Figures of the sample checked against the public 1997 results.
TEST_F(SamplePoolTest, HoldsTheRealSeasonThroughWeekEightAndTheMembersPicks) {
    EXPECT_TRUE(IsSampleFolder(folder_));
    EXPECT_EQ(state_.CurrentWeek, 9);
    EXPECT_EQ(state_.PointSpreads, "Yes");
    EXPECT_EQ(state_.PoolSort, "Confidence");
    EXPECT_EQ(state_.MemberCount, 12);
    EXPECT_EQ(state_.LastPlayerNumber, 12);

    // Through week 8 of 1997: Green Bay 5-2, Denver 6-1, Chicago 0-7.
    TeamTable table = NewTeamTable();
    BuildRegRecord(table, state_.Games, WeekRange{0, 7});
    const struct {
        std::string_view City;
        int W, L;
    } records[] = {{"Green Bay", 5, 2}, {"Denver", 6, 1}, {"Chicago", 0, 7}};
    for (const auto& r : records) {
        const TeamRecord& rec = table[static_cast<std::size_t>(TeamNumber(state_, r.City))];
        EXPECT_EQ(rec.Wins, r.W) << r.City;
        EXPECT_EQ(rec.Losses, r.L) << r.City;
    }
    // Nothing after week 8 is played; every week is still scheduled, and only
    // week 9 (the pool's next week) has its lines.
    for (int w = 8; w < kWeeks; ++w)
        for (const GameRecord& g : state_.Games[w]) EXPECT_FALSE(g.Played()) << "week " << w + 1;
    const auto hasLine = [](const WeekGames& week) {
        for (const GameRecord& g : week)
            if (g.HomeSpread != 0.0f || g.AwaySpread != 0.0f) return true;
        return false;
    };
    EXPECT_TRUE(hasLine(state_.Games[8]));
    EXPECT_FALSE(hasLine(state_.Games[9]));
    EXPECT_TRUE(state_.Games[16][kMondaySlot].HasGame());

    // The season standings through week 8, by confidence points against the
    // spread; the leader's total counted by hand from the season's scores and
    // lines and the member's picks: 458 points.
    PoolStandings standings(state_);
    standings.SpinEnd(-1);
    standings.SetView(PoolStandings::View::Season);
    const std::vector<std::string> lines = standings.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find("Sandra Kim"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("458.0"), std::string::npos) << lines[0];
}

TEST_F(SamplePoolTest, TheSideGamesAreFilledIn) {
    SportsBox box(state_, 1);
    EXPECT_EQ(box.EntryCount(), 13);  // the clear entry and the twelve members
    EXPECT_EQ(box.Week(), 9);
    for (int b = 0; b < kBoxesPerWeek; ++b) EXPECT_FALSE(box.Box(b).Empty()) << "box " << b;
    EXPECT_FALSE(box.DigitsRepeat());
    box.SpinWeek(-1);  // week 8 is played: its box has a winner
    EXPECT_GE(box.WinnerBox(), 0);
    EXPECT_FALSE(box.WinnerText().empty());
}

// The same seed gives the same pool; a second run over the sample makes it afresh.
TEST(SamplePool, IsMadeTheSameWayEveryTimeAndRemadeOverItself) {
    TempDir dir;
    ASSERT_TRUE(MakeSamplePool(dir / "a", kSeasons, kSample));
    ASSERT_TRUE(MakeSamplePool(dir / "b", kSeasons, kSample));
    for (std::string_view file : {"Pool97.dat", "1997.nfl", "SportBox.Dat", "Digital.dat", "Vask97.ini"})
        EXPECT_EQ(ReadFile(FindFile(dir / "a", file)), ReadFile(FindFile(dir / "b", file))) << file;

    test::WriteFile(FindFile(dir / "a", "Pool97.dat"), "changed by the user");
    test::WriteFile(dir / "a" / "TxtFiles" / "extra.txt", "a printout");
    ASSERT_TRUE(MakeSamplePool(dir / "a", kSeasons, kSample));
    EXPECT_EQ(ReadFile(FindFile(dir / "a", "Pool97.dat")), ReadFile(FindFile(dir / "b", "Pool97.dat")));
    EXPECT_FALSE(fs::exists(dir / "a" / "TxtFiles" / "extra.txt"));
}

// A folder that holds anything but a sample is never written.
TEST(SamplePool, RefusesAFolderThatIsNotEmptyAndLeavesItAlone) {
    TempDir dir;
    test::WriteFile(dir / "Pool97.dat", "someone's pool");
    const Status s = MakeSamplePool(dir.path(), kSeasons, kSample);
    EXPECT_FALSE(s);
    EXPECT_NE(s.message.find("not empty"), std::string::npos) << s.message;
    EXPECT_EQ(ReadFile(dir / "Pool97.dat"), "someone's pool");
    EXPECT_FALSE(fs::exists(dir / "Sample.txt"));

    TempDir empty;
    const Status missing = MakeSamplePool(empty / "s", kSeasons, {empty / "nowhere"});
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.message.find("1997.NFL"), std::string::npos) << missing.message;
}

TEST(SamplePool, LivesBesideTheUsersOwnFolder) {
    EXPECT_EQ(SampleFolderBeside("/home/a/.local/share/gridmoot"), fs::path("/home/a/.local/share/gridmoot-sample"));
    EXPECT_EQ(SampleFolderBeside("/home/a/.local/share/gridmoot/"), fs::path("/home/a/.local/share/gridmoot-sample"));
}

}  // namespace
}  // namespace gm
