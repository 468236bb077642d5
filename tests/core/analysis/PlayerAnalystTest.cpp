// The Player Analyst: the categories a graded selection is booked to, the
// result lines, the reports, and a cross-check with the pool standings on the
// real 1997 season.

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "core/analysis/PlayerAnalyst.h"
#include "core/data/SeasonCsv.h"
#include "core/output/RecordingSurface.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

constexpr int kArizona = 1, kDallas = 8, kDenver = 9, kGreenBay = 11, kNyGiants = 20, kPhiladelphia = 23,
              kPittsburgh = 24;

// A game with its result and the conference fields schedule setup writes.
GameRecord Game(int home, int away, int homeScore, int awayScore, float homeSpread = 0, float awaySpread = 0) {
    GameRecord g = test::FixtureGame(home, away, homeScore, awayScore, homeSpread, awaySpread);
    g.HomeConference = static_cast<std::uint8_t>(TeamConference(home));
    g.AwayConference = static_cast<std::uint8_t>(TeamConference(away));
    return g;
}

PlayerCell Cell(int w, int l, int t, float points) {
    PlayerCell c{w, l, t, points, 0};
    c.UpdatePct();
    return c;
}

// One selection on one game, graded both ways.
struct BookingCase {
    const char* what;
    GameRecord game;
    int pick;
    bool spread;
    PlayerCell overall;
    PlayerCategory category;  // the home/road category that gets it
    PlayerCategory favUnd;    // Overall: no favourite or underdog category
    int bettingOn;            // team booked "When Betting On", 0 for none
};

TEST(PlayerAnalystTally, BooksEachSelectionToItsCategories) {
    using C = PlayerCategory;
    const BookingCase cases[] = {
        {"home favourite covers", Game(kDallas, kPhiladelphia, 24, 17, 0, 3), kDallas, true, Cell(1, 0, 0, 4),
         C::NfcHome, C::NfcFavorites, kDallas},
        {"road underdog loses the game but covers", Game(kDallas, kPhiladelphia, 24, 20, 0, 6.5f), kPhiladelphia, true,
         Cell(1, 0, 0, 4), C::NfcRoad, C::NfcUnderdogs, kPhiladelphia},
        {"same game straight up is a loss", Game(kDallas, kPhiladelphia, 24, 20, 0, 6.5f), kPhiladelphia, false,
         Cell(0, 1, 0, 0), C::NfcRoad, C::NfcUnderdogs, kPhiladelphia},
        {"push earns half", Game(kPittsburgh, kDenver, 17, 10, 0, 7), kDenver, true, Cell(0, 0, 1, 2),
         C::AfcRoad, C::AfcUnderdogs, kDenver},
        {"home underdog in the AFC", Game(kPittsburgh, kDenver, 20, 27, 3.5f, 0), kPittsburgh, false,
         Cell(0, 1, 0, 0), C::AfcHome, C::AfcUnderdogs, kPittsburgh},
        {"equal spreads: no favourite", Game(kGreenBay, kArizona, 13, 10), kGreenBay, true, Cell(1, 0, 0, 4),
         C::NfcHome, C::Overall, kGreenBay},
        {"a team not in the game counts as a tie only overall", Game(kDallas, kPhiladelphia, 24, 17), kNyGiants, false,
         Cell(0, 0, 1, 2), C::Overall, C::Overall, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SeasonGrid games{};
        games[0][0] = c.game;
        if (c.spread) GradeAgainstSpread(games);
        MemberRecord m = test::FixtureMember("Al");
        test::Pick(m, 0, 0, c.pick, 4);
        const PlayerRecord r = TallyPlayer(games, m, c.spread, 0, 0);

        EXPECT_EQ(r.Category(C::Overall), c.overall);
        for (int k = 1; k < kPlayerCategories; ++k) {
            const auto cat = static_cast<C>(k);
            const bool booked = cat == c.category || cat == c.favUnd;
            EXPECT_EQ(r.Category(cat), booked ? c.overall : PlayerCell{}) << PlayerCategoryCaption(cat);
        }
        // "In Games Involving": both teams and their divisions.
        for (int team : {static_cast<int>(c.game.HomeTeam), static_cast<int>(c.game.AwayTeam)})
            EXPECT_EQ(r.TeamInvolving[team], c.overall) << team;
        for (int team = 1; team <= kTeams; ++team)
            EXPECT_EQ(r.TeamBettingOn[team], team == c.bettingOn ? c.overall : PlayerCell{}) << team;
    }
}

TEST(PlayerAnalystTally, DallasPhiladelphiaWinShowsUnderAllThreeHeadings) {
    SeasonGrid games{};
    games[0][0] = Game(kDallas, kPhiladelphia, 24, 17);
    games[0][1] = Game(kGreenBay, kDenver, 10, 3);
    MemberRecord m = test::FixtureMember("Al");
    test::Pick(m, 0, 0, kDallas, 5);
    test::Pick(m, 0, 1, kDenver, 2);
    const PlayerRecord r = TallyPlayer(games, m, false, 0, 0);

    const PlayerCell win = Cell(1, 0, 0, 5), loss = Cell(0, 1, 0, 0);
    EXPECT_EQ(r.TeamInvolving[kDallas], win);
    EXPECT_EQ(r.TeamInvolving[kPhiladelphia], win);
    EXPECT_EQ(r.TeamBettingOn[kDallas], win);
    EXPECT_EQ(r.TeamBettingOn[kPhiladelphia], PlayerCell{});
    EXPECT_EQ(PlayerBettingAgainst(r.TeamInvolving[kPhiladelphia], r.TeamBettingOn[kPhiladelphia]), win);
    EXPECT_EQ(PlayerBettingAgainst(r.TeamInvolving[kDallas], r.TeamBettingOn[kDallas]), PlayerCell{});
    // The division game counts for NFC East once per team; the other game
    // once for each of two divisions.
    EXPECT_EQ(r.DivisionInvolving[1], Cell(2, 0, 0, 10));
    EXPECT_EQ(r.DivisionBettingOn[1], win);
    EXPECT_EQ(PlayerBettingAgainst(r.DivisionInvolving[1], r.DivisionBettingOn[1]), win);
    EXPECT_EQ(r.DivisionInvolving[2], loss);  // Green Bay
    EXPECT_EQ(r.DivisionInvolving[6], loss);  // Denver
    EXPECT_EQ(r.DivisionBettingOn[6], loss);
    EXPECT_EQ(PlayerBettingAgainst(r.DivisionInvolving[2], r.DivisionBettingOn[2]), loss);
}

TEST(PlayerAnalystTally, UnplayedGamesAndWeeksOutsideTheRangeCountNothing) {
    SeasonGrid games{};
    games[0][0] = Game(kDallas, kPhiladelphia, 0, 0, 0, 3);  // 0-0: not played
    games[1][0] = Game(kDallas, kPhiladelphia, 24, 17);
    games[2][0] = Game(kDallas, kPhiladelphia, 24, 17);
    MemberRecord m = test::FixtureMember("Al");
    for (int w = 0; w < 3; ++w) test::Pick(m, w, 0, kDallas, 1);
    for (bool spread : {false, true}) {
        SeasonGrid g = games;
        if (spread) GradeAgainstSpread(g);
        EXPECT_EQ(TallyPlayer(g, m, spread, 0, 0).Category(PlayerCategory::Overall), PlayerCell{});
        EXPECT_EQ(TallyPlayer(g, m, spread, 0, 1).Category(PlayerCategory::Overall), Cell(1, 0, 0, 1));
        EXPECT_EQ(TallyPlayer(g, m, spread, 2, 1).Category(PlayerCategory::Overall), PlayerCell{});  // start > end
    }
}

TEST(PlayerAnalystTally, SeasonOfSelectionsOnOneTeamDoesNotWrap) {
    SeasonGrid games{};
    MemberRecord m = test::FixtureMember("Al");
    for (int w = 0; w < kWeeks; ++w)
        for (int s = 0; s < kSlots; ++s) {
            games[w][s] = Game(kDallas, kPhiladelphia, 24, 17);
            test::Pick(m, w, s, kDallas, 1);
        }
    const PlayerRecord r = TallyPlayer(games, m, false, 0, kWeeks - 1);
    EXPECT_EQ(r.Category(PlayerCategory::Overall).Wins, 315);
    EXPECT_EQ(r.TeamBettingOn[kDallas].Wins, 315);
    EXPECT_EQ(r.DivisionInvolving[1].Wins, 630);
    EXPECT_EQ(PlayerTeamLine("Dallas", r.TeamBettingOn[kDallas], true), "Dallas       315  0 0  315.0");
    EXPECT_EQ(PlayerCategoryLine(r.Category(PlayerCategory::Overall), false), "315   315   0 0   100.0");
}

TEST(PlayerAnalystLines, ColumnsOfTheResultLines) {
    struct Case {
        PlayerCell cell;
        bool points;
        const char* category;
        const char* team;
    };
    const Case cases[] = {
        {Cell(9, 5, 1, 7.5f), false, " 15     9   5 1    63.3", "Dallas         9  5 1   63.3"},
        {Cell(9, 5, 1, 7.5f), true, " 15     9   5 1     7.5", "Dallas         9  5 1    7.5"},
        {PlayerCell{}, false, "  0     0   0 0     0.0", "Dallas         0  0 0    0.0"},
        {Cell(12, 0, 0, 110.5f), true, " 12    12   0 0   110.5", "Dallas        12  0 0  110.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlayerCategoryLine(c.cell, c.points), c.category);
        EXPECT_EQ(PlayerTeamLine("Dallas", c.cell, c.points), c.team);
    }
}

// The small fixture pool with the conference fields filled in.
struct AnalystPool : test::PoolFixture {
    explicit AnalystPool(const std::string& options = "") : PoolFixture(options) {
        for (auto& week : State.Games)
            for (auto& g : week) {
                g.HomeConference = static_cast<std::uint8_t>(TeamConference(g.HomeTeam));
                g.AwayConference = static_cast<std::uint8_t>(TeamConference(g.AwayTeam));
            }
    }
};

TEST(PlayerAnalystReport, TextFileLinesAndConfirmation) {
    AnalystPool f("PoolSort=WinPct\r\nPointSpreads=Yes\r\n");
    PlayerAnalyst a(f.State);  // Al Adams, weeks 1 to 3
    const TextFileOutput out = a.TextFile();
    EXPECT_EQ(out.FileName, "Analyst.txt");
    EXPECT_EQ(out.ConfirmTitle, "The Players Analyst");
    EXPECT_EQ(out.ConfirmText, "A Handicapping text file named Analyst.txt\r\n was created.");

    const auto& l = out.Lines;
    ASSERT_EQ(l.size(), 8u + 30 + 1 + 2 + 6 + 1 + 4 + 2 + 4 + 1 + 4);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], CenterTitle66("Al Adams's Personalized Handicapping Record"));
    EXPECT_EQ(l[2], CenterTitle66("Week 1 To Week 3"));
    EXPECT_EQ(l[4], "    In Games Involving                  When Betting On               When Betting Against");
    EXPECT_EQ(l[6],
              "Team           W  L T   Pct.     Team           W  L T   Pct.     Team           W  L T   Pct.");
    // Week 1 against the spread: Pittsburgh does not cover 6.5 against the
    // NY Giants (loss), Tennessee-New England is a push (tie), Dallas covers
    // 3 against Denver (win). Week 2: Arizona covers 3.5 (win); Green Bay-
    // Indianapolis, a tied pick'em, is a push (tie).
    EXPECT_EQ(l[8 + kArizona - 1],
              "Arizona        1  0 0  100.0     Arizona        1  0 0  100.0     Arizona        0  0 0    0.0");
    EXPECT_EQ(l[8 + kNyGiants - 1],
              "NY Giants      0  1 0    0.0     NY Giants      0  0 0    0.0     NY Giants      0  1 0    0.0");
    EXPECT_EQ(l[38], "");
    EXPECT_EQ(l[39], std::string(42, ' ') + "Divisions");
    // NFC East: the wins of Dallas and Arizona, the Giants' loss (booked to
    // the NFC East by the Giants, to the AFC Central by Pittsburgh).
    EXPECT_EQ(l[41],
              "NFC East       2  1 0   66.7     NFC East       2  0 0  100.0     NFC East       0  1 0    0.0");
    EXPECT_EQ(l[48], std::string(40, ' ') + "Conferences");
    EXPECT_EQ(l[50], std::string(38, ' ') + "Gms     W   L T    Pct.");
    EXPECT_EQ(l[52], std::string(20, ' ') + " Overall Record     5     2   1 2    60.0");
    EXPECT_EQ(l[54], std::string(20, ' ') + " AFC Home Teams     2     0   1 1    25.0");
    EXPECT_EQ(l[56], std::string(20, ' ') + " NFC Home Teams     3     2   0 1    83.3");
    EXPECT_EQ(l[59], std::string(21, ' ') + " AFC Favorites     2     0   1 1    25.0");
    EXPECT_EQ(l[61], std::string(21, ' ') + " NFC Favorites     1     1   0 0   100.0");
    EXPECT_EQ(l.back(), std::string(21, ' ') + " NFC Underdogs     1     1   0 0   100.0");
}

TEST(PlayerAnalystReport, ClipboardHasTwoColumnsWithNotes) {
    AnalystPool f;  // confidence points, straight up
    PlayerAnalyst a(f.State);
    a.SelectMember(2);  // Cathy
    const ClipboardOutput clip = a.Clipboard();
    EXPECT_EQ(clip.Confirmation.Title, "The Player Analyst");
    EXPECT_EQ(clip.Confirmation.Text, "Cathy's Handicapping Statistics are now on the Clipboard");
    const auto lines = a.ClipboardLines();
    EXPECT_EQ(lines[6], "Team           W  L T   Pts.     Team           W  L T   Pts.   NOTES:");
    EXPECT_EQ(lines[7], std::string(61, '-'));
    EXPECT_EQ(lines[8 + kPittsburgh - 1].size(), 61u);
    EXPECT_EQ(lines[8 + kDallas - 1], "Dallas         1  0 0    2.0     Dallas         1  0 0    2.0");
    EXPECT_EQ(lines[39], "                          Divisions");
    EXPECT_EQ(clip.Text.substr(0, 2), "\r\n");
}

TEST(PlayerAnalystReport, MemberWithoutSelectionsShowsZeros) {
    AnalystPool f;
    PlayerAnalyst a(f.State);
    a.SelectMember(3);  // Dee
    for (int k = 0; k < kPlayerCategories; ++k)
        EXPECT_EQ(a.CategoryText(static_cast<PlayerCategory>(k)), "  0     0   0 0     0.0");
    for (const auto& line : a.TeamLines(false)) EXPECT_EQ(line.substr(13), "  0  0 0    0.0");
    // A pool without members: nothing chosen, nothing to crash on.
    f.State.Members.clear();
    f.State.MemberCount = 0;
    PlayerAnalyst empty(f.State);
    EXPECT_EQ(empty.Member(), -1);
    EXPECT_EQ(empty.CategoryText(PlayerCategory::Overall), "  0     0   0 0     0.0");
    EXPECT_FALSE(empty.TextLines().empty());
}

TEST(PlayerAnalystWeeks, SpinsKeepTheirLimitsAndEndMovesCurrentWeek) {
    AnalystPool f;
    PlayerAnalyst a(f.State);
    EXPECT_EQ(a.StartLabel(), "1");
    EXPECT_EQ(a.EndLabel(), "3");
    EXPECT_FALSE(a.SpinStart(-1));
    EXPECT_TRUE(a.SpinEnd(-1));
    EXPECT_EQ(f.State.CurrentWeek, 2);
    EXPECT_EQ(a.EndLabel(), " 2");
    EXPECT_EQ(a.CategoryText(PlayerCategory::Overall), "  5     4   0 1     8.5");
    // A start after the end gives empty results.
    EXPECT_TRUE(a.SpinStart(+1));
    EXPECT_TRUE(a.SpinStart(+1));
    EXPECT_EQ(a.CategoryText(PlayerCategory::Overall), "  0     0   0 0     0.0");
    for (int i = 0; i < 19; ++i) a.SpinEnd(+1);
    EXPECT_EQ(a.EndWeek(), 21);
    EXPECT_FALSE(a.SpinEnd(+1));
    EXPECT_EQ(f.State.CurrentWeek, 21);
}

TEST(PlayerAnalystReport, PrintsOneCopyWithTheFooter) {
    AnalystPool f;
    PlayerAnalyst a(f.State);
    RecordingSurface page;
    ASSERT_TRUE(a.Print(page, 5));
    std::string text;
    for (const auto& op : page.Texts()) text += op.text + "\n";
    EXPECT_EQ(page.Pages(), 1);
    EXPECT_NE(text.find("The Pool Players Analyst"), std::string::npos);
    EXPECT_NE(text.find("Al Adams's Personalized Handicapping Record"), std::string::npos);
    EXPECT_NE(text.find("Pts.    NOTES:"), std::string::npos);
    EXPECT_NE(text.find("Tallbrook Office Football Pools"), std::string::npos);
}

// A synthetic pool over the real 1997 season: every member's overall record
// in the analyst is that member's season line in the standings.
TEST(PlayerAnalystSeason, OverallRecordMatchesTheStandings) {
    const auto folder = test::SharedData();
    ASSERT_FALSE(folder.empty());
    const SeasonImport imported = ImportSeasonCsv(test::ReadFile(folder / "nfl-scores-1995-1997.csv"), 1997);
    ASSERT_GT(imported.GamesPlaced, 0);

    for (const char* spreads : {"Yes", "No"}) {
        SCOPED_TRACE(spreads);
        test::TempDir dir;
        AppState state{dir.path()};
        state.Games = imported.Games;
        state.PointSpreads = spreads;
        state.CurrentWeek = kWeeks;
        std::mt19937 rng(1997);
        for (int i = 0; i < 12; ++i) {
            MemberRecord m = test::FixtureMember("Member " + std::to_string(i));
            for (int w = 0; w < kWeeks; ++w)
                for (int s = 0; s < kSlots; ++s) {
                    const GameRecord& g = state.Games[w][s];
                    if (g.HasGame() && rng() % 6 != 0)
                        test::Pick(m, w, s, rng() % 2 ? g.HomeTeam : g.AwayTeam, 1 + static_cast<int>(rng() % 15));
                }
            state.Members.push_back(m);
        }
        state.MemberCount = static_cast<int>(state.Members.size());

        PoolStandings standings(state);
        PlayerAnalyst analyst(state);
        for (const StandingsRow& row : standings.Rows()) {
            analyst.SelectMember(row.MemberIndex);
            const PlayerCell& overall = analyst.Record().Category(PlayerCategory::Overall);
            EXPECT_EQ(overall.Wins, row.RangeWins);
            EXPECT_EQ(overall.Losses, row.RangeLosses);
            EXPECT_EQ(overall.Ties, row.RangeTies);
            EXPECT_FLOAT_EQ(overall.Points, row.RangePoints);
            EXPECT_FLOAT_EQ(overall.Pct, row.RangePct);
            // Every counted game is booked once as home and once as road
            // across the two conferences.
            const auto& r = analyst.Record();
            int homeRoad = 0;
            for (auto c : {PlayerCategory::AfcHome, PlayerCategory::AfcRoad, PlayerCategory::NfcHome,
                           PlayerCategory::NfcRoad})
                homeRoad += r.Category(c).Games();
            EXPECT_EQ(homeRoad, overall.Games());
        }
    }
}

}  // namespace
}  // namespace gm
