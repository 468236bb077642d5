#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/nfl/TeamRecords.h"
#include "core/nfl/fixtures/NflFixture.h"

namespace gm {
namespace {

using test::NflGame;

struct Wlt {
    int w, l, t;
    bool operator==(const Wlt&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Wlt& r) { return os << r.w << "-" << r.l << "-" << r.t; }

Wlt Of(const TeamRecord& r) { return {r.Wins, r.Losses, r.Ties}; }
Wlt ConfOf(const TeamRecord& r) { return {r.ConfWins, r.ConfLosses, r.ConfTies}; }
Wlt DivOf(const TeamRecord& r) { return {r.DivWins, r.DivLosses, r.DivTies}; }

TeamTable Count(const SeasonGrid& games, WeekRange range, RecordCount how) {
    TeamTable table = NewTeamTable();
    CountRecords(table, games, range, how);
    return table;
}

SeasonGrid OneGame(const GameRecord& g) {
    SeasonGrid games{};
    games[0][0] = g;
    return games;
}

// ---- The rules for one game ---------------------------------------------------

struct GameCase {
    const char* what;
    GameRecord game;
    Judge judge;
    Wlt home, away;
    int homePF, homePA;
};

class OneGameRules : public ::testing::TestWithParam<GameCase> {};

TEST_P(OneGameRules, CreditsBothSides) {
    const GameCase& c = GetParam();
    const TeamTable t = Count(OneGame(c.game), {0, 0}, {Venue::Overall, c.judge});
    const auto& home = t[c.game.HomeTeam];
    const auto& away = t[c.game.AwayTeam];
    EXPECT_EQ(Of(home), c.home) << c.what;
    EXPECT_EQ(Of(away), c.away) << c.what;
    EXPECT_EQ(home.PointsFor, c.homePF) << c.what;
    EXPECT_EQ(home.PointsAgainst, c.homePA) << c.what;
    EXPECT_EQ(away.PointsFor, c.homePA) << c.what;
    EXPECT_EQ(away.PointsAgainst, c.homePF) << c.what;
}

GameRecord WinnerStoredAgainstScores() {
    // Score entry's stored winner decides, even when the scores say otherwise.
    GameRecord g = NflGame(8, 20, 24, 20);
    g.WinTeam = 20;
    g.LoseTeam = 8;
    return g;
}

GameRecord StoredSpreadWinnerIgnored() {
    GameRecord g = NflGame(8, 20, 24, 20, 0, 3);
    g.SpreadWinTeam = 20;  // stale: the adjusted scores say Dallas covered
    g.SpreadLoseTeam = 8;
    return g;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneGameRules,
    ::testing::Values(
        GameCase{"a home win", NflGame(8, 20, 24, 20), Judge::StraightUp, {1, 0, 0}, {0, 1, 0}, 24, 20},
        GameCase{"an away win", NflGame(8, 20, 10, 13), Judge::StraightUp, {0, 1, 0}, {1, 0, 0}, 10, 13},
        GameCase{"a tie", NflGame(8, 20, 17, 17), Judge::StraightUp, {0, 0, 1}, {0, 0, 1}, 17, 17},
        GameCase{"0-0 is not played, not a tie", NflGame(8, 20, 0, 0), Judge::StraightUp, {0, 0, 0}, {0, 0, 0}, 0, 0},
        GameCase{"0-0 against the spread", NflGame(8, 20, 0, 0, 0, 3), Judge::Spread, {0, 0, 0}, {0, 0, 0}, 0, 0},
        GameCase{"stored winner decides", WinnerStoredAgainstScores(), Judge::StraightUp, {0, 1, 0}, {1, 0, 0}, 24, 20},
        GameCase{"favourite covers", NflGame(8, 20, 24, 20, 0, 3), Judge::Spread, {1, 0, 0}, {0, 1, 0}, 0, 0},
        GameCase{"winner fails to cover", NflGame(8, 20, 24, 20, 0, 6.5f), Judge::Spread, {0, 1, 0}, {1, 0, 0}, 0, 0},
        GameCase{"push with a winner is a tie for both", NflGame(8, 20, 24, 20, 0, 4), Judge::Spread, {0, 0, 1}, {0, 0, 1}, 0, 0},
        GameCase{"home underdog push", NflGame(8, 20, 17, 20, 3, 0), Judge::Spread, {0, 0, 1}, {0, 0, 1}, 0, 0},
        GameCase{"a tie with no spread is a push", NflGame(8, 20, 13, 13), Judge::Spread, {0, 0, 1}, {0, 0, 1}, 0, 0},
        GameCase{"half points decide", NflGame(8, 20, 20, 24, 3.5f, 0), Judge::Spread, {0, 1, 0}, {1, 0, 0}, 0, 0},
        GameCase{"stored spread winner ignored", StoredSpreadWinnerIgnored(), Judge::Spread, {1, 0, 0}, {0, 1, 0}, 0, 0}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(TeamRecords, FavouriteAndUnderdogCountOnlyGamesWithASpread) {
    struct Case {
        GameRecord game;
        Role role;
        Venue venue;
        int credited;  // 0: nobody
        Wlt record;
    } cases[] = {
        {NflGame(8, 20, 24, 20, 0, 3), Role::Favorite, Venue::Overall, 8, {1, 0, 0}},
        {NflGame(8, 20, 24, 20, 0, 3), Role::Underdog, Venue::Overall, 20, {0, 1, 0}},
        {NflGame(8, 20, 24, 20, 0, 3), Role::Favorite, Venue::Road, 0, {}},
        {NflGame(8, 20, 24, 20, 0, 3), Role::Underdog, Venue::Road, 20, {0, 1, 0}},
        {NflGame(8, 20, 24, 20, 3, 0), Role::Favorite, Venue::Road, 20, {0, 1, 0}},
        {NflGame(8, 20, 24, 20, 3, 0), Role::Underdog, Venue::Home, 8, {1, 0, 0}},
        {NflGame(8, 20, 24, 21, 0, 3), Role::Favorite, Venue::Home, 8, {0, 0, 1}},  // wins by the spread: a push
        {NflGame(8, 20, 24, 20), Role::Favorite, Venue::Overall, 0, {}},            // no spread entered
        {NflGame(8, 20, 24, 20), Role::Underdog, Venue::Overall, 0, {}},
        {NflGame(8, 20, 24, 20, 3, 3), Role::Underdog, Venue::Overall, 0, {}},  // equal spreads: no favourite
    };
    for (const auto& c : cases) {
        const TeamTable t = Count(OneGame(c.game), {0, 0}, {c.venue, Judge::Spread, c.role, true});
        for (int team = 1; team <= kTeams; ++team) {
            const Wlt expected = team == c.credited ? c.record : Wlt{};
            EXPECT_EQ(Of(t[team]), expected) << "team " << team << " role " << int(c.role) << " venue " << int(c.venue);
            EXPECT_EQ(DivOf(t[team]), expected) << "a division game counts in the division columns too";
        }
    }
}

TEST(TeamRecords, PointsOnlyStraightUp) {
    const SeasonGrid games = test::NflFixtureSeason();
    const TeamTable spread = Count(games, {0, 3}, {Venue::Overall, Judge::Spread});
    for (int team = 1; team <= kTeams; ++team) {
        EXPECT_EQ(spread[team].PointsFor, 0);
        EXPECT_EQ(spread[team].PointsAgainst, 0);
    }
    TeamRecord r = spread[test::Den];
    EXPECT_EQ(LeagueLine("Denver", r, false), "Denver          2  0  1   **   **    ");
}

TEST(TeamRecords, FixtureSeasonThroughWeekFour) {
    const SeasonGrid games = test::NflFixtureSeason();
    TeamTable su = NewTeamTable();
    BuildRegRecord(su, games, {0, 3});
    TeamTable ats = NewTeamTable();
    BuildSpreadRecord(ats, games, {0, 3});
    struct Row {
        int team;
        Wlt su;
        int pf, pa;
        Wlt ats;
    } rows[] = {
        {test::Den, {3, 0, 0}, 77, 43, {2, 0, 1}}, {test::Dal, {2, 1, 0}, 73, 48, {1, 1, 1}},
        {test::Mia, {1, 0, 1}, 41, 38, {1, 0, 1}}, {test::Ari, {1, 0, 0}, 21, 14, {1, 0, 0}},
        {test::NyG, {1, 2, 0}, 72, 51, {1, 1, 1}}, {test::Was, {0, 1, 1}, 20, 48, {0, 1, 1}},
        {test::Phi, {0, 1, 0}, 7, 35, {0, 1, 0}},  {test::KC, {0, 1, 0}, 13, 20, {0, 1, 0}},
        {test::Buf, {0, 2, 0}, 30, 57, {0, 1, 1}},
    };
    std::set<int> seen;
    for (const auto& row : rows) {
        seen.insert(row.team);
        EXPECT_EQ(Of(su[row.team]), row.su) << row.team;
        EXPECT_EQ(su[row.team].PointsFor, row.pf) << row.team;
        EXPECT_EQ(su[row.team].PointsAgainst, row.pa) << row.team;
        EXPECT_EQ(Of(ats[row.team]), row.ats) << row.team;
    }
    for (int team = 1; team <= kTeams; ++team)
        if (!seen.count(team)) {
            EXPECT_EQ(Of(su[team]), Wlt{}) << "team " << team << " did not play";
        }
}

TEST(TeamRecords, HomePlusRoadIsOverallAndInterConferenceIsOverallMinusConference) {
    for (const SeasonGrid& games : {test::NflFixtureSeason(), test::RealSeason1997()}) {
        for (Judge judge : {Judge::StraightUp, Judge::Spread}) {
            const WeekRange range{0, kWeeks - 1};
            const TeamTable all = Count(games, range, {Venue::Overall, judge, Role::Any, true});
            const TeamTable home = Count(games, range, {Venue::Home, judge});
            const TeamTable road = Count(games, range, {Venue::Road, judge});
            for (int t = 1; t <= kTeams; ++t) {
                EXPECT_EQ(home[t].Wins + road[t].Wins, all[t].Wins) << t;
                EXPECT_EQ(home[t].Losses + road[t].Losses, all[t].Losses) << t;
                EXPECT_EQ(home[t].Ties + road[t].Ties, all[t].Ties) << t;
                EXPECT_EQ(home[t].PointsFor + road[t].PointsFor, all[t].PointsFor) << t;
                EXPECT_EQ(home[t].PointsAgainst + road[t].PointsAgainst, all[t].PointsAgainst) << t;
                // Division games are conference games; the line's inter-conference
                // columns are what is left.
                EXPECT_LE(all[t].DivWins, all[t].ConfWins);
                EXPECT_LE(all[t].ConfWins + all[t].ConfLosses + all[t].ConfTies, all[t].Wins + all[t].Losses + all[t].Ties);
            }
        }
    }
    // An inter-conference tie in the fixture: Was 17 - Mia 17.
    TeamTable conf = NewTeamTable();
    BuildConfRecord(conf, test::NflFixtureSeason(), {0, 3});
    EXPECT_EQ(ConfOf(conf[test::Was]), (Wlt{0, 1, 0}));
    EXPECT_EQ(ConferenceLine("Washington", conf[test::Was], true),
              "Washington      0  1  1   20   48      0  1  0     0  1  0    0  0  1");
}

TEST(TeamRecords, WeekRangeOfTheStandings) {
    struct Case {
        int week;
        bool last3;
        int start, end;
    } cases[] = {{1, false, 0, 0}, {3, true, 0, 2}, {4, true, 1, 3}, {4, false, 0, 3}, {21, true, 18, 20}};
    for (const auto& c : cases) {
        const WeekRange r = SetWeekRange(c.week, c.last3);
        EXPECT_EQ(r.WkStart, c.start) << c.week << " " << c.last3;
        EXPECT_EQ(r.WkEnd, c.end) << c.week << " " << c.last3;
    }
    // Last 3 weeks at week 4 leaves out week 1.
    TeamTable t = NewTeamTable();
    BuildRegRecord(t, test::NflFixtureSeason(), SetWeekRange(4, true));
    EXPECT_EQ(Of(t[test::Den]), (Wlt{2, 0, 0}));
    EXPECT_EQ(Of(t[test::Was]), (Wlt{0, 1, 0}));
}

TEST(TeamRecords, EmptyOrOutOfBoundsRangesCountNothing) {
    const SeasonGrid games = test::NflFixtureSeason();
    for (WeekRange r : {WeekRange{7, 5}, WeekRange{3, 1}, WeekRange{-5, -1}, WeekRange{25, 40}}) {
        const TeamTable t = Count(games, r, {});
        EXPECT_EQ(t, NewTeamTable()) << r.WkStart << ".." << r.WkEnd;
    }
    // A range past the table's end stops at week 21.
    EXPECT_EQ(Count(games, {0, 99}, {}), Count(games, {0, 20}, {}));
}

TEST(TeamRecords, DamagedTeamNumbersAreNotCounted) {
    SeasonGrid games{};
    games[0][0] = NflGame(200, 8, 21, 14);  // a team number no table holds
    games[0][1] = NflGame(0, 8, 3, 0);
    games[0][2] = NflGame(8, 20, 10, 7);
    games[0][2].WinTeam = 31;  // winner outside the league
    const TeamTable t = Count(games, {0, 0}, {Venue::Overall, Judge::StraightUp, Role::Any, true});
    EXPECT_EQ(Of(t[8]), (Wlt{0, 1, 0}));  // lost to team 200; the game with no home team is no game
    EXPECT_EQ(Of(t[20]), (Wlt{0, 1, 0}));  // named the loser of the third game
}

// ---- Order --------------------------------------------------------------------

TeamTable WithRecords(std::initializer_list<std::tuple<int, Wlt>> records) {
    TeamTable t = NewTeamTable();
    for (const auto& [team, r] : records) {
        t[team].Wins = r.w;
        t[team].Losses = r.l;
        t[team].Ties = r.t;
    }
    return t;
}

std::vector<int> Order(const TeamTable& t, std::initializer_list<int> teams) {
    std::vector<int> order;
    for (int i = 1; i <= kTeams; ++i)
        for (int team : teams)
            if (t[i].Team == team) order.push_back(team);
    return order;
}

TEST(TeamRecords, StandingsSortFewestLossesThenMostWinsThenTeamNumber) {
    // 10-6-0 (team 3), 9-5-2 (team 5), 10-5-1 (team 7), 9-5-2 (team 2).
    TeamTable t = WithRecords({{3, {10, 6, 0}}, {5, {9, 5, 2}}, {7, {10, 5, 1}}, {2, {9, 5, 2}}});
    SortStandings(t);
    EXPECT_EQ(Order(t, {2, 3, 5, 7}), (std::vector<int>{7, 2, 5, 3}));
    // Teams without a loss (here: without a game) lead, in team-number order.
    std::vector<int> unbeaten;
    for (int i = 1; i <= 26; ++i) unbeaten.push_back(t[i].Team);
    EXPECT_TRUE(std::is_sorted(unbeaten.begin(), unbeaten.end()));
    EXPECT_EQ(t[26].Team, 30);
    EXPECT_EQ(t[27].Team, 7);
}

TEST(TeamRecords, SortPassesStandAlone) {
    const TeamTable base = WithRecords({{3, {10, 6, 0}}, {5, {9, 5, 2}}, {7, {10, 5, 1}}});
    TeamTable wins = base;
    SortByWins(wins);  // equal wins keep team-number order whatever the losses
    EXPECT_EQ(Order(wins, {3, 5, 7}), (std::vector<int>{3, 7, 5}));
    TeamTable lossesThenWins = base;
    SortByLosses(lossesThenWins);
    SortByWins(lossesThenWins);  // most wins first, equal wins by fewest losses
    EXPECT_EQ(Order(lossesThenWins, {3, 5, 7}), (std::vector<int>{7, 3, 5}));
}

// ---- Lines and divisions -----------------------------------------------------

TEST(TeamRecords, LineFormats) {
    TeamRecord r;
    r.Wins = 10, r.Losses = 5, r.Ties = 1, r.PointsFor = 307, r.PointsAgainst = 265;
    r.DivWins = 5, r.DivLosses = 2, r.DivTies = 1, r.ConfWins = 8, r.ConfLosses = 3, r.ConfTies = 1;
    struct Case {
        std::string got, want;
    } cases[] = {
        {LeagueLine("NY Giants", r, true), "NY Giants      10  5  1  307  265    "},
        {LeagueLine("NY Giants", r, false), "NY Giants      10  5  1   **   **    "},
        {ConferenceLine("NY Giants", r, true),
         "NY Giants      10  5  1  307  265      5  2  1     8  3  1    2  2  0"},
        // A name longer than its field is cut; a number wider than its column is written whole.
        {LeagueLine("San Francisco Bay Area", TeamRecord{0, 100, 0, 0, 12345, 7}, true),
         "San Francisco B100  0  012345    7    "},
        {TeamNameField("Montréal"), "Montréal       "},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
    EXPECT_EQ(LeagueLine("Dallas", r, true).size(), 37u);
}

TEST(TeamRecords, DivisionTableAndHeaders) {
    std::set<int> all;
    for (int d = 0; d < kDivisionCount; ++d)
        for (int team : DivisionTeams()[d]) {
            all.insert(team);
            EXPECT_EQ(DivisionListOf(team), d);
            EXPECT_EQ(DivisionListOf(team), TeamDivision(team) - 1) << "the team table agrees";
        }
    EXPECT_EQ(all.size(), 30u);
    EXPECT_EQ(DivisionListOf(0), -1);
    EXPECT_EQ(DivisionListOf(31), -1);
    EXPECT_EQ(LeagueHeader(0), "NFC Eastern     W  L  T   PF   PA");
    EXPECT_EQ(LeagueHeader(0).size(), 33u);
    EXPECT_EQ(ConferenceHeader(1), "NFC Central     W  L  T   PF   PA    Division   Conference   vs. AFC");
    EXPECT_EQ(ConferenceHeader(5), "AFC Western     W  L  T   PF   PA    Division   Conference   vs. NFC");
}

// ---- The real 1997 season ----------------------------------------------------

class Season1997 : public ::testing::Test {
protected:
    static void SetUpTestSuite() { games_ = new SeasonGrid(test::RealSeason1997()); }
    static void TearDownTestSuite() { delete games_; }
    static const SeasonGrid& Games() { return *games_; }
    static inline SeasonGrid* games_ = nullptr;
};

TEST_F(Season1997, FinalRegularSeasonRecords) {
    TeamTable t = NewTeamTable();
    BuildConfRecord(t, Games(), SetWeekRange(17, false));
    struct Row {
        int team;
        Wlt record;
        int pf, pa;
    } rows[] = {
        {20, {10, 5, 1}, 307, 265},  // NY Giants, tied with Washington in week 13
        {30, {8, 7, 1}, 327, 289},   // Washington
        {3, {6, 9, 1}, 326, 345},    // Baltimore, tied with Philadelphia in week 12
        {23, {6, 9, 1}, 317, 372},   // Philadelphia
        {11, {13, 3, 0}, 422, 282},  // Green Bay
        {15, {13, 3, 0}, 375, 232},  // Kansas City
        {13, {3, 13, 0}, 313, 401},  // Indianapolis
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Of(t[row.team]), row.record) << row.team;
        EXPECT_EQ(t[row.team].PointsFor, row.pf) << row.team;
        EXPECT_EQ(t[row.team].PointsAgainst, row.pa) << row.team;
    }
    // The tie of week 13 was a division game for both sides.
    EXPECT_EQ(t[20].DivTies, 1);
    EXPECT_EQ(t[30].DivTies, 1);
    // Every team played 16 games, and the league's wins equal its losses.
    int wins = 0, losses = 0;
    for (int team = 1; team <= kTeams; ++team) {
        EXPECT_EQ(t[team].Wins + t[team].Losses + t[team].Ties, 16) << team;
        wins += t[team].Wins;
        losses += t[team].Losses;
    }
    EXPECT_EQ(wins, losses);
}

TEST_F(Season1997, EveryTeamHasExactlyOneByeInWeeksOneToSeventeen) {
    for (int team = 1; team <= kTeams; ++team) {
        int byes = 0;
        for (int w = 0; w < 17; ++w) {
            bool plays = false;
            for (int s = 0; s < kSlots; ++s)
                plays = plays || Games()[w][s].HomeTeam == team || Games()[w][s].AwayTeam == team;
            byes += plays ? 0 : 1;
        }
        EXPECT_EQ(byes, 1) << "team " << team;
    }
}

}  // namespace
}  // namespace gm
