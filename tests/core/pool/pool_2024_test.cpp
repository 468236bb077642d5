// Grading and the pool displays on the real 2024 season of today's league:
// 16-game weeks, two Monday games in week 4, a six-game playoff week and the
// Super Bowl in week 22. Every expected figure was counted by hand from the
// games CSV; the counts are in fixtures/Pool2024Fixture.h beside the picks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/pool/Grading.h"
#include "core/pool/PoolRoom.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/fixtures/Pool2024Fixture.h"
#include "support/TempDir.h"

namespace gm {
namespace {

constexpr int kAlice = 0, kBob = 1, kCarol = 2;

struct Pool2024 {
    test::TempDir Dir;
    AppState State{Dir.path()};
    Pool2024() {
        test::Load2024Pool(State);
        State.CurrentWeek = 22;
    }
    std::span<const MemberRecord> Members() const { return {State.Members.data(), State.Members.size()}; }
    GradingRules Rules(bool spread, bool totalPoints = true) const {
        GradingRules r = GradingRules::From(State);
        r.AgainstSpread = spread;
        r.MondayTotalPoints = totalPoints;
        return r;
    }
};

// The tiebreak game is the week's last by kick-off: the later of week 4's two
// Monday games (SEA @ DET 8:15 after TEN @ MIA 7:30), the Sunday night game of
// week 18, the Monday game of the six-game Wild Card week, the Super Bowl.
TEST(Pool2024, TiebreakGameIsTheWeeksLastKickoff) {
    Pool2024 p;
    const GradingRules rules = p.Rules(false);
    struct Case {
        int Week;
        const char *Away, *Home;
    } cases[] = {{4, "SEA", "DET"}, {14, "CIN", "DAL"}, {18, "MIN", "DET"}, {19, "MIN", "LA"}, {22, "KC", "PHI"}};
    for (const Case& c : cases) {
        const int slot = test::Slot2024(p.State, c.Week, c.Away, c.Home);
        ASSERT_GE(slot, 0) << c.Week;
        EXPECT_EQ(rules.TiebreakSlot(p.State.Games, c.Week - 1), slot) << "week " << c.Week;
    }
    // Week 4's two Monday games fill the last two slots; the 1997 Monday slot
    // (14) holds the earlier one, which must not be the tiebreak game.
    EXPECT_EQ(test::Slot2024(p.State, 4, "TEN", "MIA"), 14);
    EXPECT_EQ(test::Slot2024(p.State, 4, "SEA", "DET"), 15);
    // Its result: total points 71 (42 + 29), margin 13; week 19: 36 and 18.
    EXPECT_EQ(MondayResult(p.State.Games, 3, p.Rules(false, true)), 71);
    EXPECT_EQ(MondayResult(p.State.Games, 3, p.Rules(false, false)), 13);
    EXPECT_EQ(MondayResult(p.State.Games, 18, p.Rules(false, true)), 36);
    EXPECT_EQ(MondayResult(p.State.Games, 18, p.Rules(false, false)), 18);
}

// One week of each member, straight up and against the spread, with
// confidence points and the tiebreak difference (total points).
TEST(Pool2024, WeeksGradedByHand) {
    Pool2024 p;
    struct Case {
        int Week;
        bool Spread;
        int Member;
        int W, L, T;
        float Points;
        int Diff;  // -1: the member did not play the week
    } cases[] = {
        // Week 4: 16 games, the tiebreak game SEA @ DET (71 points).
        {4, false, kAlice, 5, 2, 0, 67.0f, 11},   // |60 - 71|
        {4, false, kBob, 2, 5, 0, 10.0f, 28},     // |43 - 71|, not |43 - 43|
        {4, false, kCarol, 0, 0, 0, 0.0f, -1},    // an entry without selections
        {4, true, kAlice, 2, 5, 0, 24.0f, 11},
        {4, true, kBob, 5, 2, 0, 16.0f, 28},
        // Week 14: GB 31 @ DET 34 with GB +3 is a push: a tie, half the points.
        // The tiebreak game CIN @ DAL (47 points); neither made an entry.
        {14, false, kAlice, 0, 1, 0, 0.0f, 47},
        {14, false, kCarol, 1, 0, 0, 9.0f, 47},
        {14, true, kAlice, 0, 0, 1, 5.0f, 47},
        {14, true, kCarol, 0, 0, 1, 4.5f, 47},
        // Week 18: MIN @ DET on Sunday night (40 points).
        {18, false, kAlice, 3, 2, 0, 18.0f, 0},
        {18, false, kBob, 1, 2, 0, 16.0f, 5},
        {18, false, kCarol, 1, 0, 0, 3.0f, 2},
        {18, true, kAlice, 3, 2, 0, 19.0f, 0},
        {18, true, kBob, 1, 2, 0, 15.0f, 5},
        {18, true, kCarol, 1, 0, 0, 3.0f, 2},
        // Week 19 (Wild Card, six games): MIN @ LA on Monday (36 points).
        {19, false, kAlice, 2, 1, 0, 9.0f, 0},
        {19, false, kBob, 0, 3, 0, 0.0f, 14},
        {19, false, kCarol, 1, 0, 0, 1.0f, 6},
        {19, true, kAlice, 2, 1, 0, 9.0f, 0},
        {19, true, kBob, 0, 3, 0, 0.0f, 14},
        // Week 22: the Super Bowl, KC 22 @ PHI 40 (62 points).
        {22, false, kAlice, 0, 1, 0, 0.0f, 12},
        {22, false, kBob, 1, 0, 0, 1.0f, 0},
        {22, false, kCarol, 0, 0, 0, 0.0f, -1},
        {22, true, kAlice, 0, 1, 0, 0.0f, 12},
        {22, true, kBob, 1, 0, 0, 1.0f, 0},
    };
    SeasonGrid graded = p.State.Games;
    GradeAgainstSpread(graded, p.State.League());
    for (const Case& c : cases) {
        std::vector<StandingsRow> rows = NewRows(3);
        TallyWeek(rows, c.Spread ? graded : p.State.Games, p.Members(), p.Rules(c.Spread), c.Week - 1);
        const StandingsRow& r = rows[static_cast<std::size_t>(c.Member)];
        const std::string where = "week " + std::to_string(c.Week) + (c.Spread ? " ATS" : " SU") + " member " +
                                  std::to_string(c.Member);
        EXPECT_EQ(r.WeekWins, c.W) << where;
        EXPECT_EQ(r.WeekLosses, c.L) << where;
        EXPECT_EQ(r.WeekTies, c.T) << where;
        EXPECT_EQ(r.WeekPoints, c.Points) << where;
        EXPECT_EQ(r.PlayedWeek, c.Diff >= 0) << where;
        EXPECT_EQ(r.TiebreakDiff[static_cast<std::size_t>(c.Week - 1)], c.Diff >= 0 ? c.Diff : 0) << where;
    }

    // By winning margin: week 4's SEA @ DET by 13, week 19's LA by 18, the
    // Super Bowl by 18.
    const struct {
        int Week, Member, Diff;
    } margins[] = {{4, kAlice, 47}, {4, kBob, 30}, {19, kAlice, 18}, {19, kCarol, 12}, {22, kBob, 44}};
    for (const auto& c : margins) {
        std::vector<StandingsRow> rows = NewRows(3);
        TallyWeek(rows, p.State.Games, p.Members(), p.Rules(false, false), c.Week - 1);
        EXPECT_EQ(rows[static_cast<std::size_t>(c.Member)].TiebreakDiff[static_cast<std::size_t>(c.Week - 1)], c.Diff)
            << "week " << c.Week << " member " << c.Member;
    }
}

// Weeks 1 to 22 added up: the playoff weeks count like any other.
TEST(Pool2024, SeasonTotalsOverAllTwentyTwoWeeks) {
    Pool2024 p;
    SeasonGrid graded = p.State.Games;
    GradeAgainstSpread(graded, p.State.League());
    struct Case {
        bool Spread;
        int Member, W, L, T;
        float Points;
    } cases[] = {
        {false, kAlice, 10, 7, 0, 94.0f}, {false, kBob, 4, 10, 0, 27.0f}, {false, kCarol, 3, 0, 0, 13.0f},
        {true, kAlice, 7, 9, 1, 57.0f},   {true, kBob, 7, 7, 0, 32.0f},   {true, kCarol, 2, 0, 1, 8.5f},
    };
    for (const Case& c : cases) {
        std::vector<StandingsRow> rows = NewRows(3);
        EXPECT_EQ(TallyRange(rows, c.Spread ? graded : p.State.Games, p.Members(), p.Rules(c.Spread), 0, 21), 3);
        const StandingsRow& r = rows[static_cast<std::size_t>(c.Member)];
        EXPECT_EQ(r.RangeWins, c.W) << c.Member << (c.Spread ? " ATS" : " SU");
        EXPECT_EQ(r.RangeLosses, c.L) << c.Member << (c.Spread ? " ATS" : " SU");
        EXPECT_EQ(r.RangeTies, c.T) << c.Member << (c.Spread ? " ATS" : " SU");
        EXPECT_EQ(r.RangePoints, c.Points) << c.Member << (c.Spread ? " ATS" : " SU");
    }
    // The playoffs alone (weeks 19 to 22), straight up: Alice 2-2, Bob 1-3, Carol 1-0.
    std::vector<StandingsRow> rows = NewRows(3);
    TallyRange(rows, p.State.Games, p.Members(), p.Rules(false), 18, 21);
    EXPECT_EQ(std::vector<int>({rows[0].RangeWins, rows[0].RangeLosses, rows[1].RangeWins, rows[1].RangeLosses,
                                rows[2].RangeWins, rows[2].RangeLosses}),
              std::vector<int>({2, 2, 1, 3, 1, 0}));
}

// The standings window's lines for the Super Bowl week and the season, both
// grading methods, and its spin running to week 22 and no further.
TEST(Pool2024, StandingsThroughTheSuperBowl) {
    Pool2024 p;
    {
        PoolStandings s(p.State);
        EXPECT_EQ(s.EndWeek(), 22);
        // Week 22: Bob's 1 point ranks him first of the two who played.
        EXPECT_EQ(s.Lines(), (std::vector<std::string>{
                                 "Bob                  1  0  0     1.0   0     4   10   0     27.0    2",
                                 "Alice                0  1  0     0.0  12    10    7   0     94.0    1",
                             }));
        s.SetView(PoolStandings::View::Season);
        EXPECT_EQ(s.Lines(), (std::vector<std::string>{
                                 "  1 Alice                 10    7   0     94.0    0  1  0     0.0  12",
                                 "  2 Bob                    4   10   0     27.0    1  0  0     1.0   0",
                                 "  3 Carol                  3    0   0     13.0    0  0  0     0.0   0",
                             }));
        EXPECT_FALSE(s.SpinEnd(+1));
        EXPECT_EQ(s.EndWeek(), 22);
        EXPECT_TRUE(s.SpinEnd(-3));  // week 19
        EXPECT_EQ(p.State.CurrentWeek, 19);
        EXPECT_EQ(s.Lines()[0], "  1 Alice                 10    6   0     94.0    2  1  0     9.0   0");
    }
    p.State.CurrentWeek = 22;
    p.State.PointSpreads = "Yes";
    PoolStandings s(p.State);
    s.SetView(PoolStandings::View::Season);
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{
                             "  1 Alice                  7    9   1     57.0    0  1  0     0.0  12",
                             "  2 Bob                    7    7   0     32.0    1  0  0     1.0   0",
                             "  3 Carol                  2    0   1      8.5    0  0  0     0.0   0",
                         }));
}

// The Pool Room: the Monday record is kept on each week's tiebreak game, and
// the post-season separator follows week 18.
TEST(Pool2024, PoolRoomMondayRecordAndPostSeason) {
    Pool2024 p;
    PoolRoom room(p.State);
    room.FillMondayRecord();
    const auto find = [&](int member) {
        for (const PoolRoomTotals& t : room.MondayRecord())
            if (t.MemberIndex == member) return t;
        ADD_FAILURE() << "member " << member;
        return PoolRoomTotals{};
    };
    // Alice: DET (week 4) W 10, DET (18) W 4, LA (19) W 4, KC (22) L;
    // differences 11 + 0 + 0 + 12.
    const PoolRoomTotals alice = find(kAlice);
    EXPECT_EQ(std::vector<int>({alice.Wins, alice.Losses, alice.Ties, alice.WeeksPlayed, alice.DiffSum}),
              std::vector<int>({3, 1, 0, 4, 23}));
    EXPECT_EQ(alice.HalfPoints, 36);
    EXPECT_FLOAT_EQ(alice.AvgDiff, 5.75f);
    // Bob: SEA, MIN, MIN lost, PHI won; differences 28 + 5 + 14 + 0.
    const PoolRoomTotals bob = find(kBob);
    EXPECT_EQ(std::vector<int>({bob.Wins, bob.Losses, bob.WeeksPlayed, bob.DiffSum}), std::vector<int>({1, 3, 4, 47}));
    // Carol never picked a tiebreak game.
    EXPECT_EQ(find(kCarol).WeeksPlayed, 0);

    room.FillVictoryDefeat();
    const auto& lines = room.VictoryLines();
    ASSERT_EQ(lines.size(), 22u * 3);
    EXPECT_EQ(lines[17 * 3 - 1], std::string(50, '-'));
    EXPECT_EQ(lines[18 * 3 - 1], "-------------------POST SEASON--------------------");
    // Week 22's best: Bob (1-0); worst: Alice (0-1, difference 12).
    EXPECT_EQ(lines[21 * 3], "Week 22: Bob                 1   0  0    1.0   0");
    EXPECT_EQ(lines[21 * 3 + 1], "Week 22: Alice               0   1  0    0.0  12");
    EXPECT_FALSE(room.SpinWeek(+1));
}

// A 1997 season grades slots 0 to 14 only: a stray selection in slot 15 of a
// 1997 pool file never counts, while today's league grades slot 15.
TEST(Pool2024, SlotFifteenCountsOnlyInTodaysLeague) {
    SeasonGrid games{};
    GameRecord& g = games[0][15];
    g.HomeTeam = 1, g.AwayTeam = 2, g.HomeScore = 20, g.AwayScore = 10;
    ApplyResult(g);
    MemberRecord m;
    m.Picks[0][15] = 1;
    m.Confidence[0][15] = 5;
    const MemberRecord members[] = {m};
    for (const League* league : {&League1997(), &LeagueToday()}) {
        std::vector<StandingsRow> rows = NewRows(1);
        GradingRules rules;
        rules.League = league;
        TallyWeek(rows, games, members, rules, 0);
        const bool today = league == &LeagueToday();
        EXPECT_EQ(rows[0].WeekWins, today ? 1 : 0);
        EXPECT_EQ(rows[0].WeekPoints, today ? 5.0f : 0.0f);
        EXPECT_EQ(rows[0].PlayedWeek, today);
        EXPECT_EQ(MadeSelection(m, 0, *league), today);
    }
}

// Every game of the season picked by two members: one takes every home team
// (1 point each), the other every away team (2 points each), both enter a
// tiebreak total of 40 every week. The week-by-week results were counted from
// tests/data/nfl-games-2024.csv on their own (home margin against the CSV's
// spread_line, the home team's expected margin; the tiebreak game the week's
// last kick-off), not by the program.
TEST(Pool2024, EveryWeekOfTheSeasonForAHomeAndAnAwayPicker) {
    test::TempDir dir;
    AppState state(dir.path());
    test::LoadSeason2024(state);
    const League& league = state.League();
    std::vector<MemberRecord> members(2);
    members[0].Name = FitName("Home");
    members[1].Name = FitName("Away");
    for (int w = 0; w < league.Weeks; ++w) {
        for (int s = 0; s < league.Slots; ++s) {
            const GameRecord& g = state.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
            if (!g.HasGame()) continue;
            members[0].Picks[w][s] = g.HomeTeam, members[0].Confidence[w][s] = 1;
            members[1].Picks[w][s] = g.AwayTeam, members[1].Confidence[w][s] = 2;
        }
        members[0].Tiebreak[w] = members[1].Tiebreak[w] = 40;
    }
    SeasonGrid graded = state.Games;
    GradeAgainstSpread(graded, league);
    GradingRules rules = GradingRules::From(state);
    rules.MondayTotalPoints = true;

    // Home picker: straight-up wins and losses, against the spread wins,
    // losses and pushes; the tiebreak game's total points.
    struct Week {
        int Games, SuW, SuL, AtsW, AtsL, AtsP, Total;
    } weeks[] = {
        {16, 11, 5, 9, 7, 0, 51}, {16, 6, 10, 5, 10, 1, 43}, {16, 7, 9, 7, 9, 0, 71},  {16, 9, 7, 9, 7, 0, 71},
        {14, 8, 6, 7, 7, 0, 39},  {14, 4, 10, 3, 11, 0, 43}, {15, 8, 7, 6, 9, 0, 32},  {16, 10, 6, 11, 5, 0, 44},
        {15, 11, 4, 7, 7, 1, 54}, {14, 6, 8, 7, 7, 0, 38},   {14, 8, 6, 9, 5, 0, 44},  {13, 4, 9, 5, 7, 1, 53},
        {16, 8, 8, 8, 8, 0, 73},  {13, 9, 4, 6, 6, 1, 47},   {16, 5, 11, 7, 9, 0, 24}, {16, 13, 3, 12, 4, 0, 34},
        {16, 9, 7, 9, 7, 0, 74},  {16, 9, 7, 10, 6, 0, 40},  {6, 5, 1, 5, 1, 0, 36},   {4, 3, 1, 1, 3, 0, 52},
        {2, 2, 0, 2, 0, 0, 61},   {1, 1, 0, 1, 0, 0, 62},
    };
    static_assert(std::size(weeks) == 22);
    for (int w = 0; w < 22; ++w) {
        const Week& e = weeks[w];
        const int diff = e.Total > 40 ? e.Total - 40 : 40 - e.Total;
        for (bool spread : {false, true}) {
            rules.AgainstSpread = spread;
            std::vector<StandingsRow> rows = NewRows(2);
            EXPECT_EQ(TallyWeek(rows, spread ? graded : state.Games, members, rules, w), 2);
            const int homeW = spread ? e.AtsW : e.SuW, homeL = spread ? e.AtsL : e.SuL, push = spread ? e.AtsP : 0;
            const std::string where = "week " + std::to_string(w + 1) + (spread ? " ATS" : " SU");
            EXPECT_EQ(homeW + homeL + push, e.Games) << where;
            EXPECT_EQ(rows[0].WeekWins, homeW) << where;
            EXPECT_EQ(rows[0].WeekLosses, homeL) << where;
            EXPECT_EQ(rows[0].WeekTies, push) << where;
            EXPECT_EQ(rows[0].WeekPoints, homeW + 0.5f * push) << where;
            EXPECT_EQ(rows[1].WeekWins, homeL) << where;
            EXPECT_EQ(rows[1].WeekLosses, homeW) << where;
            EXPECT_EQ(rows[1].WeekTies, push) << where;
            EXPECT_EQ(rows[1].WeekPoints, 2.0f * homeL + 1.0f * push) << where;
            EXPECT_EQ(rows[0].TiebreakDiff[static_cast<std::size_t>(w)], diff) << where;
            EXPECT_EQ(rows[1].TiebreakDiff[static_cast<std::size_t>(w)], diff) << where;
        }
    }

    // The whole season and the regular season alone (weeks 1 to 18).
    struct Range {
        int Last;
        bool Spread;
        int HomeW, HomeL, Ties;
    } ranges[] = {{22, false, 156, 129, 0}, {22, true, 146, 135, 4}, {18, false, 145, 127, 0}, {18, true, 137, 131, 4}};
    for (const Range& r : ranges) {
        rules.AgainstSpread = r.Spread;
        std::vector<StandingsRow> rows = NewRows(2);
        EXPECT_EQ(TallyRange(rows, r.Spread ? graded : state.Games, members, rules, 0, r.Last - 1), 2);
        const std::string where = "weeks 1-" + std::to_string(r.Last) + (r.Spread ? " ATS" : " SU");
        EXPECT_EQ(rows[0].RangeWins, r.HomeW) << where;
        EXPECT_EQ(rows[0].RangeLosses, r.HomeL) << where;
        EXPECT_EQ(rows[0].RangeTies, r.Ties) << where;
        EXPECT_EQ(rows[0].RangePoints, r.HomeW + 0.5f * r.Ties) << where;
        EXPECT_EQ(rows[1].RangeWins, r.HomeL) << where;
        EXPECT_EQ(rows[1].RangePoints, 2.0f * r.HomeL + 1.0f * r.Ties) << where;
    }
}

}  // namespace
}  // namespace gm
