#include <gtest/gtest.h>

#include <random>

#include "core/pool/Grading.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

using test::FixtureGame;

TEST(GradeAgainstSpread, DecidesCoverPushAndUnplayed) {
    struct Case {
        GameRecord game;
        int win, lose;
    } cases[] = {
        {FixtureGame(24, 20, 24, 20, 0, 6.5f), 20, 24},   // away underdog covers
        {FixtureGame(17, 10, 17, 10, 0, 7.0f), 0, 0},     // 17 vs 17: push
        {FixtureGame(5, 6, 30, 20, 0, 7.0f), 5, 6},       // favourite wins by more than the points
        {FixtureGame(5, 6, 10, 13, 3.5f, 0), 5, 6},       // home underdog loses by less
        {FixtureGame(5, 6, 0, 0, 3.5f, 0), 55, 55},       // not played
        {FixtureGame(0, 0, 0, 0), 55, 55},                // empty slot
        {FixtureGame(5, 6, 14, 14), 0, 0},                // tied game, no spread
    };
    for (const Case& c : cases) {
        SeasonGrid games{};
        games[3][2] = c.game;
        GradeAgainstSpread(games);
        EXPECT_EQ(games[3][2].SpreadWinTeam, c.win);
        EXPECT_EQ(games[3][2].SpreadLoseTeam, c.lose);
        EXPECT_EQ(games[0][0].SpreadWinTeam, 55);  // every slot is graded, empty ones too
    }
}

TEST(GradeSelection, SpreadAndStraightUp) {
    SeasonGrid games{};
    games[0][0] = FixtureGame(24, 20, 24, 20, 0, 6.5f);
    games[0][1] = FixtureGame(17, 10, 17, 10, 0, 7.0f);
    games[0][2] = FixtureGame(3, 4, 0, 0);
    games[0][3] = FixtureGame(3, 4, 21, 21);
    GradeAgainstSpread(games);
    struct Case {
        int slot, pick;
        Grade spread, straight;
    } cases[] = {
        {0, 24, Grade::Loss, Grade::Win}, {0, 20, Grade::Win, Grade::Loss}, {1, 17, Grade::Tie, Grade::Win},
        {1, 10, Grade::Tie, Grade::Loss}, {2, 3, Grade::Pending, Grade::Pending}, {3, 4, Grade::Tie, Grade::Tie},
        {0, 0, Grade::None, Grade::None},
        // A team not in the game (the schedule changed after the selections
        // were typed) is neither winner nor loser: a tie, whatever the result.
        {1, 5, Grade::Tie, Grade::Tie}, {0, 9, Grade::Tie, Grade::Tie}, {3, 9, Grade::Tie, Grade::Tie},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GradeSelection(games[0][c.slot], c.pick, true), c.spread) << c.slot << "/" << c.pick;
        EXPECT_EQ(GradeSelection(games[0][c.slot], c.pick, false), c.straight) << c.slot << "/" << c.pick;
    }
}

class TallyTest : public ::testing::Test {
protected:
    void SetUp() override {
        games[1][0] = FixtureGame(24, 20, 24, 20, 0, 6.5f);
        games[1][1] = FixtureGame(17, 10, 17, 10, 0, 7.0f);
        games[1][2] = FixtureGame(3, 4, 0, 0);  // 0-0: not played
        games[1][14] = FixtureGame(8, 9, 27, 20);
        games[2][0] = FixtureGame(1, 2, 10, 3);
        games[2][1] = FixtureGame(3, 4, 20, 10);
        GradeAgainstSpread(games);
        members.resize(4);
        MemberRecord& a = members[0];  // plays everything
        a.Picks[1][0] = 24, a.Confidence[1][0] = 15;
        a.Picks[1][1] = 17, a.Confidence[1][1] = 15;
        a.Picks[1][2] = 3, a.Confidence[1][2] = 9;
        a.Picks[1][14] = 8, a.Confidence[1][14] = 4;
        a.Tiebreak[1] = 10;
        a.Picks[2][0] = 1, a.Confidence[2][0] = 2;
        a.Picks[2][1] = 7, a.Confidence[2][1] = 6;  // team 7 is not in that game
        members[1].Picks[1][2] = 4;  // only an unplayed game
        members[1].Tiebreak[1] = 40;
        members[2].Tiebreak[1] = 50;  // entry without selections: did not play
        members[3].Picks[1][15] = 5;  // stray byte in the never-used slot 15

    }
    SeasonGrid games{};
    std::vector<MemberRecord> members;
};

TEST_F(TallyTest, WeekAgainstSpreadWithHalfPointsAndMargin) {
    auto rows = NewRows(4);
    EXPECT_EQ(TallyWeek(rows, games, members, {true, false}, 1), 2);
    ComputePercentages(rows);
    // Loss (24 vs 26.5), push, not played, Monday win.
    EXPECT_EQ(rows[0].WeekWins, 1);
    EXPECT_EQ(rows[0].WeekLosses, 1);
    EXPECT_EQ(rows[0].WeekTies, 1);
    EXPECT_FLOAT_EQ(rows[0].WeekPoints, 4 + 7.5f);
    EXPECT_EQ(rows[0].TiebreakDiff[1], 3);  // |10 - (27 - 20)|
    EXPECT_EQ(Format1(rows[0].WeekPct), "50.0");
    EXPECT_TRUE(rows[1].PlayedWeek);
    EXPECT_EQ(rows[1].WeekWins + rows[1].WeekLosses + rows[1].WeekTies, 0);
    EXPECT_EQ(rows[1].WeekPct, 0.0f);
    EXPECT_EQ(rows[1].TiebreakDiff[1], 33);
    EXPECT_FALSE(rows[2].PlayedWeek);
    EXPECT_EQ(rows[2].TiebreakDiff[1], 0);  // did not play: keeps 0
    EXPECT_FALSE(rows[3].PlayedWeek);
}

TEST_F(TallyTest, StraightUpRangeAndTotalPoints) {
    auto rows = NewRows(4);
    EXPECT_EQ(TallyRange(rows, games, members, {false, true}, 0, 2), 2);
    EXPECT_EQ(TallyWeek(rows, games, members, {false, true}, 1), 2);
    EXPECT_EQ(rows[0].RangeWins, 4);
    EXPECT_EQ(rows[0].RangeLosses, 0);
    EXPECT_EQ(rows[0].RangeTies, 1);  // the pick of a team not in its game: a tie, half its 6 points
    EXPECT_FLOAT_EQ(rows[0].RangePoints, 15 + 15 + 4 + 2 + 3);
    EXPECT_EQ(rows[0].TiebreakDiff[1], 37);  // |10 - 47|

    EXPECT_TRUE(rows[1].PlayedRange);
    EXPECT_FALSE(rows[2].PlayedRange);

    auto empty = NewRows(4);  // start after end: nothing counted
    EXPECT_EQ(TallyRange(empty, games, members, {false, true}, 2, 1), 0);
    EXPECT_EQ(empty[0].RangeWins, 0);
}

// The tallies add up exactly what grading each selection on its own gives,
// whatever the games and the selections hold (stray teams, empty slots, ties).
TEST(TallyWeek, AgreesWithGradingEachSelection) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> team(0, 31), score(0, 4), spread(0, 3), conf(0, 15);
    for (int round = 0; round < 200; ++round) {
        SeasonGrid games{};
        for (int g = 0; g < kSlots; ++g) {
            const int home = team(rng), away = home ? (home % 30) + 1 : 0;  // empty slot when home is 0
            games[0][g] = FixtureGame(home, away, score(rng) * 7, score(rng) * 7, spread(rng) * 3.5f, spread(rng) * 3.5f);
        }
        GradeAgainstSpread(games);
        std::vector<MemberRecord> members(1);
        for (int g = 0; g < kStoredSlots; ++g) {
            const int r = team(rng) % 4;
            const GameRecord& game = games[0][g];
            members[0].Picks[0][g] = static_cast<std::uint8_t>(r == 0 ? 0 : r == 1 ? game.HomeTeam : r == 2 ? game.AwayTeam : team(rng));
            members[0].Confidence[0][g] = static_cast<std::uint8_t>(conf(rng));
        }
        for (bool spreadRules : {true, false}) {
            int w = 0, l = 0, t = 0;
            float points = 0;
            bool played = false;
            for (int g = 0; g < kSlots; ++g) {
                const int pick = members[0].Picks[0][g];
                played = played || pick != 0;
                switch (GradeSelection(games[0][g], pick, spreadRules)) {
                    case Grade::Win: ++w, points += members[0].Confidence[0][g]; break;
                    case Grade::Loss: ++l; break;
                    case Grade::Tie: ++t, points += members[0].Confidence[0][g] / 2.0f; break;
                    default: break;
                }
            }
            auto rows = NewRows(1);
            TallyWeek(rows, games, members, {spreadRules, true}, 0);
            ASSERT_EQ(rows[0].WeekWins, w) << round;
            ASSERT_EQ(rows[0].WeekLosses, l) << round;
            ASSERT_EQ(rows[0].WeekTies, t) << round;
            ASSERT_FLOAT_EQ(rows[0].WeekPoints, points) << round;
            ASSERT_EQ(rows[0].PlayedWeek, played) << round;
        }
    }
}

// A range tally is the sum of its weeks; the standings' single walk fills
// the same rows as the two tallies, for ranges inside, around and after the
// week, and an empty range.
TEST(TallyRangeAndWeek, SameRowsAsTallyRangeThenTallyWeek) {
    std::mt19937 rng(23);
    SeasonGrid games{};
    for (int w = 0; w < kWeeks; ++w)
        for (int g = 0; g < kSlots; ++g) {
            const int home = 1 + static_cast<int>(rng() % 29);
            const bool played = w < 15 && rng() % 8 != 0;
            games[w][g] = FixtureGame(home, home + 1, played ? static_cast<int>(rng() % 5) * 7 : 0,
                                      played ? static_cast<int>(rng() % 5) * 7 : 0, 0, static_cast<float>(rng() % 3) * 3.5f);
        }
    GradeAgainstSpread(games);
    std::vector<MemberRecord> members(50);
    for (MemberRecord& m : members)
        for (int w = 0; w < kWeeks; ++w) {
            if (rng() % 5 == 0) continue;  // a week without selections
            for (int g = 0; g < kStoredSlots; ++g) {
                m.Picks[w][g] = static_cast<std::uint8_t>(rng() % 4 == 0 ? 0 : rng() % 32);
                m.Confidence[w][g] = static_cast<std::uint8_t>(rng() % 256);
            }
            m.Tiebreak[w] = static_cast<std::uint8_t>(rng() % 100);
        }
    struct Case {
        int first, last, week;
    } cases[] = {{0, 16, 16}, {0, 20, 20}, {4, 11, 2}, {12, 3, 3}, {20, 20, 20}, {2, 9, 14}};
    for (const Case& c : cases) {
        for (bool spread : {true, false}) {
            const GradingRules rules{spread, !spread};
            auto expected = NewRows(50);
            const int range = TallyRange(expected, games, members, rules, c.first, c.last);
            const int week = TallyWeek(expected, games, members, rules, c.week);
            // The range is the sum of its weeks, each tallied alone.
            std::vector<int> wins(50), losses(50), ties(50);
            std::vector<float> points(50);
            for (int w = c.first; w <= c.last; ++w) {
                auto one = NewRows(50);
                TallyWeek(one, games, members, rules, w);
                for (std::size_t i = 0; i < one.size(); ++i)
                    wins[i] += one[i].WeekWins, losses[i] += one[i].WeekLosses, ties[i] += one[i].WeekTies,
                        points[i] += one[i].WeekPoints;
            }
            for (std::size_t i = 0; i < expected.size(); ++i)
                EXPECT_TRUE(expected[i].RangeWins == wins[i] && expected[i].RangeLosses == losses[i] &&
                            expected[i].RangeTies == ties[i] && expected[i].RangePoints == points[i])
                    << "member " << i << " weeks " << c.first << "-" << c.last;
            auto rows = NewRows(50);
            const PlayedCounts played = TallyRangeAndWeek(rows, games, members, rules, c.first, c.last, c.week);
            EXPECT_EQ(played.Range, range);
            EXPECT_EQ(played.Week, week);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const StandingsRow& a = rows[i];
                const StandingsRow& b = expected[i];
                EXPECT_TRUE(a.RangeWins == b.RangeWins && a.RangeLosses == b.RangeLosses && a.RangeTies == b.RangeTies &&
                            a.RangePoints == b.RangePoints && a.PlayedRange == b.PlayedRange &&
                            a.WeekWins == b.WeekWins && a.WeekLosses == b.WeekLosses && a.WeekTies == b.WeekTies &&
                            a.WeekPoints == b.WeekPoints && a.PlayedWeek == b.PlayedWeek &&
                            a.TiebreakDiff == b.TiebreakDiff)
                    << "member " << i << " weeks " << c.first << "-" << c.last << " week " << c.week;
            }
        }
    }
}

TEST(WinningPct, Examples) {
    EXPECT_EQ(Format1(WinningPct(9, 5, 1)), "63.3");
    EXPECT_EQ(Format1(WinningPct(0, 0, 0)), "0.0");
    EXPECT_EQ(Format1(WinningPct(0, 7, 1)), "6.3");  // 6.25 rounds up
    EXPECT_EQ(Format1(WinningPct(15, 0, 0)), "100.0");
    EXPECT_EQ(Format2(7.5), "7.50");
}

TEST(RankRows, CompetitionRanks) {
    auto rows = NewRows(4);
    rows[0].RangeWins = 9, rows[1].RangeWins = 10, rows[2].RangeWins = 10, rows[3].RangeWins = 9;
    SortRows(rows, SortKey::RangeWins);
    RankRows(rows, SortKey::RangeWins);
    std::vector<int> order, ranks;
    for (auto& r : rows) order.push_back(r.MemberIndex), ranks.push_back(r.SeasonRank);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 3}));
    EXPECT_EQ(ranks, (std::vector<int>{1, 1, 3, 3}));
}

// The order is defined by an exchange sort that swaps neighbours only when
// strictly out of order.
void ExchangeSort(std::vector<StandingsRow>& rows, SortKey key, int week) {
    auto value = [&](const StandingsRow& r) -> double {
        switch (key) {
            case SortKey::RangeWins: return -r.RangeWins;
            case SortKey::RangePct: return -r.RangePct;
            case SortKey::RangePoints: return -r.RangePoints;
            case SortKey::WeekWins: return -r.WeekWins;
            case SortKey::WeekPct: return -r.WeekPct;
            case SortKey::WeekPoints: return -r.WeekPoints;
            case SortKey::TiebreakDiff: return r.TiebreakDiff[week];
            case SortKey::SeasonRank: return r.SeasonRank;
            case SortKey::MemberIndex: return r.MemberIndex;
        }
        return 0;
    };
    bool swapped = true;
    for (std::size_t p = 1; p < rows.size() && swapped; ++p) {
        swapped = false;
        for (std::size_t i = 0; i + p < rows.size(); ++i)
            if (value(rows[i]) > value(rows[i + 1])) std::swap(rows[i], rows[i + 1]), swapped = true;
    }
}

std::vector<int> Order(const std::vector<StandingsRow>& rows) {
    std::vector<int> out;
    for (auto& r : rows) out.push_back(r.MemberIndex);
    return out;
}

std::vector<StandingsRow> RandomRows(std::mt19937& rng, int n) {
    auto rows = NewRows(n);
    std::uniform_int_distribution<int> small(0, 3);
    for (auto& r : rows) {
        r.RangeWins = static_cast<std::int16_t>(small(rng));
        r.RangeLosses = static_cast<std::int16_t>(small(rng));
        r.RangeTies = static_cast<std::int16_t>(small(rng) / 3);
        r.WeekWins = static_cast<std::uint8_t>(small(rng));
        r.WeekLosses = static_cast<std::uint8_t>(small(rng));
        r.RangePoints = small(rng) * 0.5f;
        r.WeekPoints = small(rng) * 1.5f;
        r.TiebreakDiff[4] = static_cast<std::uint16_t>(small(rng));
        r.SeasonRank = small(rng);
    }
    ComputePercentages(rows);
    std::shuffle(rows.begin(), rows.end(), rng);
    return rows;
}

TEST(SortRows, EqualsTheExchangeSortForEveryKey) {
    std::mt19937 rng(7);
    for (SortKey key : {SortKey::RangeWins, SortKey::RangePct, SortKey::RangePoints, SortKey::WeekWins,
                        SortKey::WeekPct, SortKey::WeekPoints, SortKey::TiebreakDiff, SortKey::SeasonRank,
                        SortKey::MemberIndex}) {
        for (int n : {0, 1, 2, 40}) {
            auto rows = RandomRows(rng, n);
            auto expected = rows;
            ExchangeSort(expected, key, 4);
            SortRows(rows, key, 4);
            EXPECT_EQ(Order(rows), Order(expected)) << static_cast<int>(key) << " n=" << n;
        }
    }
}

TEST(SeasonOrder, EqualsTheExchangeSortsAppliedOneAfterAnother) {
    std::mt19937 rng(11);
    for (PoolSortKind sort : {PoolSortKind::Wins, PoolSortKind::WinPct, PoolSortKind::Confidence}) {
        for (TBMethodKind method : {TBMethodKind::MonGame, TBMethodKind::Wins, TBMethodKind::WinPct,
                                    TBMethodKind::NotUsed}) {
            for (bool monday : {true, false}) {
                const OrderOptions o{sort, method, monday};
                const auto base = RandomRows(rng, 60);
                const SortKey main = sort == PoolSortKind::Wins     ? SortKey::RangeWins
                                     : sort == PoolSortKind::WinPct ? SortKey::RangePct
                                                                    : SortKey::RangePoints;
                // Form A by hand.
                auto expected = base;
                if (monday) ExchangeSort(expected, SortKey::TiebreakDiff, 4);
                if (method == TBMethodKind::Wins) ExchangeSort(expected, SortKey::RangeWins, 4);
                if (method == TBMethodKind::WinPct) ExchangeSort(expected, SortKey::RangePct, 4);
                ExchangeSort(expected, main, 4);
                auto rows = base;
                SeasonOrder(rows, o, 4, TiebreakForm::A);
                EXPECT_EQ(Order(rows), Order(expected));
                // The week order by hand.
                expected = base;
                if (monday) ExchangeSort(expected, SortKey::TiebreakDiff, 4);
                if (method == TBMethodKind::Wins) ExchangeSort(expected, SortKey::WeekWins, 4);
                if (method == TBMethodKind::WinPct) ExchangeSort(expected, SortKey::WeekPct, 4);
                ExchangeSort(expected, sort == PoolSortKind::Wins     ? SortKey::WeekWins
                                       : sort == PoolSortKind::WinPct ? SortKey::WeekPct
                                                                      : SortKey::WeekPoints,
                             4);
                rows = base;
                WeekOrder(rows, o, 4);
                EXPECT_EQ(Order(rows), Order(expected));
            }
        }
    }
}

// Keys over their whole range (the largest Monday differences, ranks and
// counts, points in halves, percentages with fractions) and a pool large
// enough that no sort can get away with small-input shortcuts.
TEST(SortRows, WideKeysOnAThousandRowsEqualTheExchangeSort) {
    std::mt19937 rng(1997);
    auto rows = NewRows(1000);
    for (auto& r : rows) {
        r.RangeWins = static_cast<std::int16_t>(rng() % 400);
        r.RangeLosses = static_cast<std::int16_t>(rng() % 400);
        r.RangeTies = static_cast<std::int16_t>(rng() % 3);
        r.WeekWins = static_cast<std::uint8_t>(rng() % 256);
        r.WeekLosses = static_cast<std::uint8_t>(rng() % 16);
        r.RangePoints = static_cast<float>(rng() % 40000) * 0.5f;
        r.WeekPoints = static_cast<float>(rng() % 8) * 0.5f;
        r.TiebreakDiff[4] = static_cast<std::uint16_t>(rng() % 4 == 0 ? 65535 - rng() % 3 : rng() % 70);
        r.SeasonRank = static_cast<std::int32_t>(rng() % 2 ? 32767 - rng() % 5 : rng() % 1000);
    }
    ComputePercentages(rows);
    for (SortKey key : {SortKey::RangeWins, SortKey::RangePct, SortKey::RangePoints, SortKey::WeekWins,
                        SortKey::WeekPct, SortKey::WeekPoints, SortKey::TiebreakDiff, SortKey::SeasonRank,
                        SortKey::MemberIndex}) {
        std::shuffle(rows.begin(), rows.end(), rng);
        auto expected = rows;
        ExchangeSort(expected, key, 4);
        auto sorted = rows;
        SortRows(sorted, key, 4);
        EXPECT_EQ(Order(sorted), Order(expected)) << static_cast<int>(key);
    }
    // The week order (three sorts in a row) on the same rows.
    std::shuffle(rows.begin(), rows.end(), rng);
    auto expected = rows;
    for (SortKey key : {SortKey::TiebreakDiff, SortKey::WeekWins, SortKey::WeekPoints}) ExchangeSort(expected, key, 4);
    WeekOrder(rows, {PoolSortKind::Confidence, TBMethodKind::Wins, true}, 4);
    EXPECT_EQ(Order(rows), Order(expected));
}

TEST(SeasonOrder, FormsDifferOnlyWithWinsOrPctFirstAndMondaySecond) {
    struct Case {
        TBMethodKind method;
        bool monday;
        bool differ;
    } cases[] = {
        {TBMethodKind::MonGame, true, false}, {TBMethodKind::Wins, true, true}, {TBMethodKind::Wins, false, false},
        {TBMethodKind::WinPct, true, true},   {TBMethodKind::WinPct, false, false},
        {TBMethodKind::NotUsed, false, false},
    };
    // Equal points, equal wins/pct for members 0 and 1, who differ only in the
    // Monday difference; member 2 has more wins but the same points.
    auto base = NewRows(3);
    for (auto& r : base) r.RangePoints = 20, r.RangeWins = 5, r.RangeLosses = 5;
    base[0].TiebreakDiff[4] = 9;
    base[1].TiebreakDiff[4] = 2;
    base[2].RangeWins = 6, base[2].TiebreakDiff[4] = 30;
    ComputePercentages(base);
    for (const Case& c : cases) {
        OrderOptions o{PoolSortKind::Confidence, c.method, c.monday};
        auto a = base, b = base;
        SeasonOrder(a, o, 4, TiebreakForm::A);
        SeasonOrder(b, o, 4, TiebreakForm::B);
        EXPECT_EQ(Order(a) != Order(b), c.differ) << static_cast<int>(c.method) << c.monday;
        for (auto& r : a) EXPECT_EQ(r.SeasonRank, 1);  // tiebreakers never split a rank
    }
    OrderOptions wins{PoolSortKind::Confidence, TBMethodKind::Wins, true};
    auto a = base;
    SeasonOrder(a, wins, 4, TiebreakForm::A);
    EXPECT_EQ(Order(a), (std::vector<int>{2, 1, 0}));  // wins first, then the Monday difference
}

TEST(WeekOrder, TiebreakersThenMainKey) {
    auto rows = NewRows(3);
    rows[0].WeekWins = 5, rows[0].TiebreakDiff[2] = 4;
    rows[1].WeekWins = 7, rows[1].TiebreakDiff[2] = 9;
    rows[2].WeekWins = 7, rows[2].TiebreakDiff[2] = 1;
    WeekOrder(rows, {PoolSortKind::Wins, TBMethodKind::MonGame, true}, 2);
    EXPECT_EQ(Order(rows), (std::vector<int>{2, 1, 0}));
    for (auto& r : rows) EXPECT_EQ(r.SeasonRank, 0);  // no ranks for a week
}

}  // namespace
}  // namespace gm
