// Cross-checks of the StatPaks and the Pool Room against the standings and
// the season itself, on a synthetic pool over the real 1997 season.

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "core/data/SeasonCsv.h"
#include "core/pool/PoolRoom.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/PoolStatPak.h"
#include "core/pool/StatPak.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

SeasonGrid Season1997() {
    const auto folder = test::SharedData();
    if (folder.empty()) throw std::runtime_error("no shared NFL data");
    const SeasonImport imported = ImportSeasonCsv(test::ReadFile(folder / "nfl-scores-1995-1997.csv"), 1997);
    if (!imported.Problems.empty() || imported.GamesPlaced == 0) throw std::runtime_error("1997 not imported");
    return imported.Games;
}

constexpr int kHome = 0;  // always picks the home team
constexpr int kAway = 1;  // always picks the away team

// Home and away pickers, then members picking at random, some skipping weeks.
std::vector<MemberRecord> SyntheticPool(const SeasonGrid& games, int randomMembers) {
    std::mt19937 rng(1997);
    std::vector<MemberRecord> members;
    for (int i = 0; i < 2 + randomMembers; ++i) {
        MemberRecord m = test::FixtureMember(i == kHome ? "Home Picker" : i == kAway ? "Away Picker"
                                                                                   : "Member " + std::to_string(i));
        for (int w = 0; w < kWeeks; ++w) {
            if (i > kAway && rng() % 5 == 0) continue;  // skipped week
            for (int g = 0; g < kSlots; ++g) {
                const GameRecord& game = games[w][g];
                if (!game.HasGame()) continue;
                const bool home = i == kHome || (i != kAway && rng() % 2 == 0);
                test::Pick(m, w, g, home ? game.HomeTeam : game.AwayTeam, 1 + static_cast<int>(rng() % 15));
            }
            m.Tiebreak[w] = static_cast<std::uint8_t>(20 + rng() % 40);
        }
        members.push_back(m);
    }
    return members;
}

struct SeasonPool {
    test::TempDir dir;
    AppState state{dir.path()};

    SeasonPool(const std::string& spreads, const std::string& sort, int randomMembers = 40) {
        state.Games = Season1997();
        state.Members = SyntheticPool(state.Games, randomMembers);
        state.MemberCount = static_cast<int>(state.Members.size());
        state.PointSpreads = spreads;
        state.PoolSort = sort;
        state.CurrentWeek = kWeeks;
    }
};

struct Options {
    const char* spreads;
    const char* sort;
};
constexpr Options kOptions[] = {
    {"No", "Confidence"}, {"Yes", "Confidence"}, {"No", "Wins"}, {"Yes", "WinPct"},
};

TEST(StatPakSeason, SeasonTotalsAndRanksMatchTheStandings) {
    for (const Options& o : kOptions) {
        SCOPED_TRACE(std::string(o.spreads) + " " + o.sort);
        SeasonPool p(o.spreads, o.sort);
        const PoolStandings standings(p.state);
        const StatPak stats(p.state);
        for (const StandingsRow& row : standings.Rows()) {
            const StatPakTotals& t = stats.TotalsOf(row.MemberIndex);
            const StatPakWeek& last = stats.WeekOf(row.MemberIndex, kWeeks);
            EXPECT_EQ(t.Wins, row.RangeWins) << row.MemberIndex;
            EXPECT_EQ(t.Losses, row.RangeLosses) << row.MemberIndex;
            EXPECT_EQ(t.Ties, row.RangeTies) << row.MemberIndex;
            EXPECT_EQ(t.HalfPoints, static_cast<std::int64_t>(row.RangePoints * 2)) << row.MemberIndex;
            EXPECT_EQ(last.SeasonRank, row.SeasonRank) << row.MemberIndex;
        }
    }
}

TEST(StatPakSeason, PoolFiguresAreTheSumOfTheMembers) {
    for (const Options& o : kOptions) {
        SCOPED_TRACE(std::string(o.spreads) + " " + o.sort);
        SeasonPool p(o.spreads, o.sort);
        const StatPak stats(p.state);
        const PoolStatPak pool(p.state);
        for (int w = 1; w <= kWeeks; ++w) {
            PoolStatWeek sum;
            for (int m = 0; m < p.state.MemberCount; ++m) {
                const StatPakWeek& f = stats.WeekOf(m, w);
                sum.Wins += f.Wins;
                sum.Losses += f.Losses;
                sum.Ties += f.Ties;
                sum.HalfPoints += f.HalfPoints;
                sum.DiffSum += f.Diff;
                sum.Players += f.Played ? 1 : 0;
            }
            const PoolStatWeek& week = pool.WeekFigures(w);
            EXPECT_EQ(week.Wins, sum.Wins) << w;
            EXPECT_EQ(week.Losses, sum.Losses) << w;
            EXPECT_EQ(week.Ties, sum.Ties) << w;
            EXPECT_EQ(week.HalfPoints, sum.HalfPoints) << w;
            EXPECT_EQ(week.DiffSum, sum.DiffSum) << w;
            EXPECT_EQ(week.Players, sum.Players) << w;
        }
    }
}

TEST(StatPakSeason, TheHomePickerHasTheLeaguesHomeRecord) {
    SeasonPool p("No", "Wins");
    int wins = 0, losses = 0, ties = 0;
    for (const auto& week : p.state.Games)
        for (int g = 0; g < kSlots; ++g) {
            const GameRecord& game = week[g];
            if (!game.HasGame() || (game.HomeScore == 0 && game.AwayScore == 0)) continue;
            wins += game.HomeScore > game.AwayScore;
            losses += game.HomeScore < game.AwayScore;
            ties += game.HomeScore == game.AwayScore;
        }
    ASSERT_GT(wins + losses, 200);  // a whole season with its play-offs
    const StatPak stats(p.state);
    EXPECT_EQ(stats.TotalsOf(kHome).Wins, wins);
    EXPECT_EQ(stats.TotalsOf(kHome).Losses, losses);
    EXPECT_EQ(stats.TotalsOf(kHome).Ties, ties);
    EXPECT_EQ(stats.TotalsOf(kAway).Wins, losses);
    EXPECT_EQ(stats.TotalsOf(kAway).Losses, wins);
}

TEST(StatPakSeason, AWeekForwardAndBackIsExact) {
    SeasonPool p("Yes", "WinPct");
    p.state.CurrentWeek = 5;
    const StatPak fresh(p.state);
    const PoolStatPak freshPool(p.state);
    StatPak stats(p.state);
    PoolStatPak pool(p.state);
    while (stats.Spin(+1)) ASSERT_TRUE(pool.Spin(+1));
    EXPECT_EQ(stats.Week(), kWeeks);
    while (stats.Week() > 5) ASSERT_TRUE(stats.Spin(-1) && pool.Spin(-1));
    for (int m = 0; m < p.state.MemberCount; ++m) {
        ASSERT_EQ(stats.TotalsOf(m), fresh.TotalsOf(m)) << m;
        for (int w = 1; w <= 5; ++w) ASSERT_EQ(stats.WeekOf(m, w), fresh.WeekOf(m, w)) << m << " week " << w;
    }
    EXPECT_EQ(pool.Totals(), freshPool.Totals());
    EXPECT_EQ(pool.Lines(), freshPool.Lines());
}

// Each week's best line names a member with the most points of those who
// played, the worst line one with the fewest.
TEST(StatPakSeason, PoolRoomBestAndWorstAreTheWeeksExtremes) {
    SeasonPool p("Yes", "Confidence");
    p.state.SecondaryTB = "None";
    p.state.TBMethod = "NotUsed";
    const StatPak stats(p.state);
    PoolRoom room(p.state);
    room.FillVictoryDefeat();
    ASSERT_EQ(room.BestAndWorst().size(), static_cast<std::size_t>(kWeeks));
    for (int w = 1; w <= kWeeks; ++w) {
        const auto [best, worst] = room.BestAndWorst()[static_cast<std::size_t>(w - 1)];
        for (int m = 0; m < p.state.MemberCount; ++m) {
            if (!stats.WeekOf(m, w).Played) continue;
            EXPECT_GE(stats.WeekOf(best, w).HalfPoints, stats.WeekOf(m, w).HalfPoints) << w;
            EXPECT_LE(stats.WeekOf(worst, w).HalfPoints, stats.WeekOf(m, w).HalfPoints) << w;
        }
        EXPECT_EQ(room.WeeklyPlace(best, w) <= room.WeeklyPlace(worst, w), true);
    }
}

// Sums over the whole pool outgrow 16 bits long before the pool file's
// limit of 32,767 members.
TEST(StatPakSeason, PoolSumsOfAThousandsStrongPool) {
    SeasonPool p("No", "Confidence", 1);
    const MemberRecord one = p.state.Members[kHome];
    constexpr int kCount = 3000;
    p.state.Members.assign(kCount, one);
    p.state.MemberCount = kCount;
    const StatPak stats(p.state);
    const PoolStatPak pool(p.state);
    const StatPakTotals& t = stats.TotalsOf(0);
    ASSERT_GT(t.Wins * kCount, 32767);
    EXPECT_EQ(pool.Totals().Wins, std::int64_t{t.Wins} * kCount);
    EXPECT_EQ(pool.Totals().Losses, std::int64_t{t.Losses} * kCount);
    EXPECT_EQ(pool.Totals().HalfPoints, t.HalfPoints * kCount);
    const PoolStatWeek& last = pool.WeekFigures(kWeeks);
    EXPECT_EQ(last.Players, kCount);
    EXPECT_EQ(last.DiffSum, std::int64_t{stats.WeekOf(0, kWeeks).Diff} * kCount);
    EXPECT_NE(pool.Lines().back().find(std::to_string(std::int64_t{t.Wins} * kCount)), std::string::npos);
    EXPECT_EQ(stats.WeekOf(kCount - 1, kWeeks).SeasonRank, 1);  // all equal: all first
}

}  // namespace
}  // namespace gm
