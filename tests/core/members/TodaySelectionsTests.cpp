#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/data/PoolFile.h"
#include "core/members/Selections.h"
#include "support/Season2024.h"
#include "support/TempDir.h"

// The selections model on the 2024 season: 16 games a week, 22 weeks, the
// tiebreak game the week's last by kick-off, and confidence scales that give
// one distinct value per game.
namespace gm {
namespace {

UnitRandom Zero() {
    return [] { return 0.0; };
}

struct Pool2024 {
    test::TempDir dir;
    AppState state{dir.path()};

    Pool2024() {
        test::LoadSeason2024(state);
        MemberRecord a;
        a.Name = FitName("Pat");
        const GameRecord& last = state.Games[1][15];  // week 2, the 16th game
        a.Picks[1][15] = last.AwayTeam;
        a.Confidence[1][15] = 16;
        a.Picks[21][0] = state.Games[21][0].HomeTeam;  // the Super Bowl
        a.Tiebreak[21] = 62;
        test::WriteFile(dir / "Pool97.dat", EncodePool(std::vector<MemberRecord>{a}));
        EXPECT_TRUE(LoadPool(state).ok());
    }
};

std::set<int> Values(const Sheet& s) {
    std::set<int> out;
    for (const SheetRow& r : s.Rows)
        if (r.Exists) out.insert(ByteBoxValue(r.ConfidenceText));
    return out;
}

TEST(TodaySelections, SixteenRowsAndTheTiebreakGameByKickoff) {
    Pool2024 p;
    SelectionsModel model(p.state);
    const Sheet week2 = model.Load(0, 2);
    ASSERT_EQ(week2.Rows.size(), 16u);
    EXPECT_EQ(week2.GameCount, 16);
    EXPECT_EQ(week2.Rows[15].Choice, PickChoice::Away);
    EXPECT_EQ(week2.Rows[15].ConfidenceText, "16");
    EXPECT_EQ(week2.TiebreakRow, LeagueToday().TiebreakSlot(p.state.Games[1]));
    EXPECT_FALSE(week2.Rows[static_cast<std::size_t>(week2.TiebreakRow)].Kickoff.empty());
    EXPECT_TRUE(week2.Rows[static_cast<std::size_t>(week2.TiebreakRow)].Kickoff.starts_with("Mon "));

    // Week 22 is reachable and keeps its pick and tiebreak entry.
    const Sheet superBowl = model.Load(0, 22);
    EXPECT_EQ(superBowl.Week, 22);
    EXPECT_EQ(superBowl.GameCount, 1);
    EXPECT_EQ(superBowl.TiebreakRow, 0);
    EXPECT_EQ(superBowl.Rows[0].Choice, PickChoice::Home);
    EXPECT_EQ(superBowl.TiebreakText, "62");
    EXPECT_EQ(model.Load(0, 40).Week, 22);
}

// "15 Down To XX" and "1 To MaxGames" on the 1997 scale and on today's: a
// full week of either league gets as many distinct values as it has games.
TEST(TodaySelections, ConfidenceScalesGiveOneValuePerGame) {
    struct Case {
        int games;
        MaxCPointsKind scale;
        int top;
        ConfidenceRange range;
    };
    const Case cases[] = {
        {16, MaxCPointsKind::MaxGames, 16, {1, 16}},    {16, MaxCPointsKind::GamesPlayed, 16, {1, 16}},
        {14, MaxCPointsKind::MaxGames, 16, {3, 16}},    {14, MaxCPointsKind::GamesPlayed, 16, {1, 14}},
        {1, MaxCPointsKind::MaxGames, 16, {16, 16}},    {15, MaxCPointsKind::MaxGames, 15, {1, 15}},
        {13, MaxCPointsKind::MaxGames, 15, {3, 15}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConfidenceRangeFor(c.games, c.scale, c.top), c.range) << c.games << " top " << c.top;
        EXPECT_EQ(c.range.Max - c.range.Min + 1, c.games) << c.games;
    }

    Pool2024 p;
    for (const char* scale : {"MaxGames", "GamesPlayed"}) {
        p.state.MaxCPoints = scale;
        SelectionsModel model(p.state);
        for (const int week : {2, 5}) {  // 16 games; 14 games (byes)
            const Sheet base = model.Load(0, week);
            for (const ConfidenceFill fill : {ConfidenceFill::Ascend, ConfidenceFill::Descend, ConfidenceFill::Random}) {
                Sheet s = base;
                ApplyConfidenceFill(s, fill, model.Options().Scale, Zero());
                const std::set<int> values = Values(s);
                ASSERT_EQ(static_cast<int>(values.size()), s.GameCount) << scale << " week " << week;
                EXPECT_EQ(*values.begin(), s.Range.Min) << scale << " week " << week;
                EXPECT_EQ(*values.rbegin(), s.Range.Max) << scale << " week " << week;
                // Every value given is one the range check accepts.
                for (int r = 0; r < 16; ++r)
                    if (s.Rows[static_cast<std::size_t>(r)].Exists) EXPECT_FALSE(OutsideRange(s, r)) << r;
                // All of them used: the "Available" list is empty.
                const auto shown = AvailableValues(s);
                EXPECT_EQ(std::count(shown.begin(), shown.end(), true), 0) << scale << " week " << week;
            }
        }
    }
}

TEST(TodaySelections, CommitWritesSlot16AndWeek22OnlyThroughTheLeague) {
    Pool2024 p;
    SelectionsModel model(p.state);
    Sheet s = model.Load(0, 22);
    s.Rows[0].Choice = PickChoice::Away;
    s.Rows[0].ConfidenceText = "1";
    s.TiebreakText = "45";
    model.Store(s);
    Sheet w2 = model.Load(0, 2);
    w2.Rows[15].Choice = PickChoice::Home;
    model.Store(w2);
    EXPECT_TRUE(model.Changed());
    ASSERT_TRUE(model.Commit(p.state).ok());

    AppState again(p.dir.path());
    ASSERT_TRUE(LoadPool(again).ok());
    const MemberRecord& m = again.Members[0];
    EXPECT_EQ(m.Picks[21][0], p.state.Games[21][0].AwayTeam);
    EXPECT_EQ(m.Confidence[21][0], 1);
    EXPECT_EQ(m.Tiebreak[21], 45);
    EXPECT_EQ(m.Picks[1][15], p.state.Games[1][15].HomeTeam);
}

}  // namespace
}  // namespace gm
