// The NFL displays on a season of today's league (the real 2024 season, 32
// teams in eight divisions, 22 weeks of up to 16 games), and the pieces they
// share with 1997 giving exactly the 1997 answers for a 1997 season.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/nfl/Analyzer.h"
#include "core/nfl/ConferenceStandings.h"
#include "core/nfl/FavUndStandings.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/Marquee.h"
#include "core/nfl/Matchup.h"
#include "core/nfl/NflGraph.h"
#include "core/nfl/NflResults.h"
#include "core/nfl/PointsStandings.h"
#include "core/nfl/TeamResults.h"
#include "core/nfl/WhosHot.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "core/output/RecordingSurface.h"
#include "support/Season2024.h"

namespace gm {
namespace {

class Season2024 : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadSeason2024(state_);
        state_.CurrentWeek = 18;  // the end of the regular season
    }
    int Team(std::string_view id) const { return LeagueToday().TeamFromId(id); }

    test::TempDir dir_;
    AppState state_{dir_.path()};
};

// Regular-season records of weeks 1 to 18, counted by hand from
// tests/data/nfl-games-2024.csv: overall, points, division and conference.
struct FinalRecord {
    std::string_view Id;
    int W, L, T, PF, PA;
    int DivW, DivL, ConfW, ConfL;
};
constexpr FinalRecord kFinal2024[] = {
    {"ARI", 8, 9, 0, 400, 379, 3, 3, 4, 8},   {"ATL", 8, 9, 0, 389, 423, 4, 2, 7, 5},
    {"BAL", 12, 5, 0, 518, 361, 4, 2, 8, 4},  {"BUF", 13, 4, 0, 525, 368, 5, 1, 9, 3},
    {"CAR", 5, 12, 0, 341, 534, 2, 4, 4, 8},  {"CHI", 5, 12, 0, 310, 370, 1, 5, 3, 9},
    {"CIN", 9, 8, 0, 472, 434, 3, 3, 6, 6},   {"CLE", 3, 14, 0, 258, 435, 2, 4, 3, 9},
    {"DAL", 7, 10, 0, 350, 468, 3, 3, 5, 7},  {"DEN", 10, 7, 0, 425, 311, 3, 3, 6, 6},
    {"DET", 15, 2, 0, 564, 342, 6, 0, 11, 1}, {"GB", 11, 6, 0, 460, 338, 1, 5, 6, 6},
    {"HOU", 10, 7, 0, 372, 372, 5, 1, 8, 4},  {"IND", 8, 9, 0, 377, 427, 3, 3, 7, 5},
    {"JAX", 4, 13, 0, 320, 435, 3, 3, 4, 8},  {"KC", 15, 2, 0, 385, 326, 5, 1, 10, 2},
    {"LA", 10, 7, 0, 367, 386, 4, 2, 6, 6},   {"LAC", 11, 6, 0, 402, 301, 4, 2, 8, 4},
    {"LV", 4, 13, 0, 309, 434, 0, 6, 3, 9},   {"MIA", 8, 9, 0, 345, 364, 3, 3, 6, 6},
    {"MIN", 14, 3, 0, 432, 332, 4, 2, 9, 3},  {"NE", 4, 13, 0, 289, 417, 2, 4, 3, 9},
    {"NO", 5, 12, 0, 338, 398, 2, 4, 4, 8},   {"NYG", 3, 14, 0, 273, 415, 0, 6, 1, 11},
    {"NYJ", 5, 12, 0, 338, 404, 2, 4, 5, 7},  {"PHI", 14, 3, 0, 463, 303, 5, 1, 9, 3},
    {"PIT", 10, 7, 0, 380, 347, 3, 3, 7, 5},  {"SEA", 10, 7, 0, 375, 368, 4, 2, 6, 6},
    {"SF", 6, 11, 0, 389, 436, 1, 5, 4, 8},   {"TB", 10, 7, 0, 502, 385, 4, 2, 8, 4},
    {"TEN", 3, 14, 0, 311, 460, 1, 5, 3, 9},  {"WAS", 12, 5, 0, 485, 391, 4, 2, 9, 3},
};

TEST_F(Season2024, LeagueAndConferenceStandingsGiveEveryTeamsFinalRecord) {
    ASSERT_EQ(std::size(kFinal2024), 32u);
    const LeagueStandings league(state_);
    ConferenceStandings conference(state_);
    for (const FinalRecord& f : kFinal2024) {
        SCOPED_TRACE(f.Id);
        const int team = Team(f.Id);
        ASSERT_NE(team, 0);
        const TeamRecord& r = RecordOf(league.Table(), team);
        EXPECT_EQ(r.Team, team);
        EXPECT_EQ((std::vector<int>{r.Wins, r.Losses, r.Ties, r.PointsFor, r.PointsAgainst}),
                  (std::vector<int>{f.W, f.L, f.T, f.PF, f.PA}));
        const TeamRecord& c = RecordOf(conference.Table(), team);
        EXPECT_EQ((std::vector<int>{c.Wins, c.Losses, c.DivWins, c.DivLosses, c.DivTies, c.ConfWins, c.ConfLosses}),
                  (std::vector<int>{f.W, f.L, f.DivW, f.DivL, 0, f.ConfW, f.ConfL}));
        // The team's line sits in the list of its own division, in both windows.
        const int list = DivisionListOf(team, LeagueToday());
        const std::vector<int> data = league.ListItemData(list);
        EXPECT_NE(std::find(data.begin(), data.end(), team - 1), data.end());
        conference.SetConference(LeagueToday().Conference(team) == kConferenceNFC ? Conference::NFC : Conference::AFC);
        bool listed = false;
        for (int i = 0; i < conference.ListCount(); ++i) {
            const std::vector<int> shown = conference.ListItemData(i);
            listed = listed || std::find(shown.begin(), shown.end(), team - 1) != shown.end();
        }
        EXPECT_TRUE(listed);
    }
}

TEST_F(Season2024, LeagueStandingsShowEightDivisionsOfFourInStandingsOrder) {
    const LeagueStandings league(state_);
    ASSERT_EQ(league.ListCount(), 8);
    const std::vector<std::string> captions{
        "NFC East        W  L  T   PF   PA", "NFC North       W  L  T   PF   PA", "NFC South       W  L  T   PF   PA",
        "NFC West        W  L  T   PF   PA", "AFC East        W  L  T   PF   PA", "AFC North       W  L  T   PF   PA",
        "AFC South       W  L  T   PF   PA", "AFC West        W  L  T   PF   PA"};
    for (int list = 0; list < 8; ++list) {
        EXPECT_EQ(league.FrameCaption(list), captions[static_cast<std::size_t>(list)]);
        EXPECT_EQ(league.ListLines(list).size(), 4u) << list;
    }
    // Fewest losses first; equal records (Denver, the Chargers are not equal)
    // keep team-number order.
    EXPECT_EQ(league.ListLines(1), (std::vector<std::string>{
                                       "Detroit        15  2  0  564  342    ",
                                       "Minnesota      14  3  0  432  332    ",
                                       "Green Bay      11  6  0  460  338    ",
                                       "Chicago         5 12  0  310  370    ",
                                   }));
    EXPECT_EQ(league.ListLines(7).front(), "Kansas City    15  2  0  385  326    ");
    EXPECT_EQ(league.ListLines(0).back(), "NY Giants       3 14  0  273  415    ");

    // The written body: eight headers, each followed by its four teams.
    std::vector<std::string> headers;
    int teamLines = 0;
    for (const auto& line : league.Body()) {
        if (line.Header)
            headers.push_back(line.Text);
        else if (!line.Text.empty())
            ++teamLines;
    }
    EXPECT_EQ(headers, captions);
    EXPECT_EQ(teamLines, 32);
}

TEST_F(Season2024, ConferenceStandingsShowFourDivisionsWithTheLeaguesHeadings) {
    ConferenceStandings conference(state_);
    conference.SetConference(Conference::AFC);
    ASSERT_EQ(conference.ListCount(), 4);
    EXPECT_EQ(conference.FrameCaption(0), LeagueToday().Headings[4]);
    EXPECT_EQ(conference.FrameCaption(3), LeagueToday().Headings[7]);
    EXPECT_EQ(conference.ListLines(0).front(),
              "Buffalo        13  4  0  525  368      5  1  0     9  3  0    4  1  0");
    conference.SetConference(Conference::NFC);
    EXPECT_EQ(conference.FrameCaption(1), LeagueToday().Headings[1]);
    EXPECT_EQ(conference.ListLines(1).front(),
              "Detroit        15  2  0  564  342      6  0  0    11  1  0    4  1  0");

    // The writers print both conferences: the NFC headers end "vs. AFC", the AFC ones "vs. NFC".
    std::vector<std::string> headers;
    for (const auto& line : conference.Body())
        if (line.Header) headers.push_back(line.Text);
    ASSERT_EQ(headers.size(), 8u);
    EXPECT_EQ(headers[0], "NFC East        W  L  T   PF   PA    Division   Conference   vs. AFC");
    EXPECT_EQ(headers[7], "AFC West        W  L  T   PF   PA    Division   Conference   vs. NFC");
}

TEST_F(Season2024, StandingsWeekRunsToTheSuperBowl) {
    LeagueStandings league(state_);
    EXPECT_TRUE(league.SpinWeek(+4));
    EXPECT_EQ(league.Week(), 22);
    EXPECT_EQ(state_.CurrentWeek, 22);
    EXPECT_FALSE(league.SpinWeek(+1));
    // Through the playoffs Philadelphia won four more, Kansas City three (and
    // lost the Super Bowl), Detroit lost its only playoff game.
    const TeamRecord& phi = RecordOf(league.Table(), Team("PHI"));
    const TeamRecord& kc = RecordOf(league.Table(), Team("KC"));
    const TeamRecord& det = RecordOf(league.Table(), Team("DET"));
    EXPECT_EQ((std::vector<int>{phi.Wins, phi.Losses, kc.Wins, kc.Losses, det.Wins, det.Losses}),
              (std::vector<int>{18, 3, 17, 3, 15, 3}));

    // Last 3 weeks at week 22: the Divisional, Conference and Super Bowl weeks.
    league.SetLast3(true);
    EXPECT_EQ(league.Range().WkStart, 19);
    EXPECT_EQ(RecordOf(league.Table(), Team("PHI")).Wins, 3);
}

TEST_F(Season2024, FavouriteUnderdogAndWhosHotListEveryTeamByDivision) {
    FavUndStandings favUnd(state_);
    WhosHot hot(state_);
    for (const DivisionStandings* model : {static_cast<const DivisionStandings*>(&favUnd),
                                           static_cast<const DivisionStandings*>(&hot)}) {
        int teams = 0, headers = 0;
        for (const auto& line : model->Body()) {
            if (line.Header) ++headers;
            else if (!line.Text.empty()) ++teams;
        }
        EXPECT_EQ(headers, 8);
        EXPECT_EQ(teams, 32);
        EXPECT_EQ(model->ListCount(), 4);
    }
    // Who's hot opens on the current week alone: week 18, every team played.
    int played = 0;
    for (int t = 1; t <= 32; ++t) {
        const TeamRecord& r = RecordOf(hot.Table(), t);
        played += r.Wins + r.Losses + r.Ties;
    }
    EXPECT_EQ(played, 32);
    EXPECT_TRUE(hot.SpinEnd(+4));
    EXPECT_FALSE(hot.SpinEnd(+1));
}

TEST_F(Season2024, WeeklyResultsShowSixteenGamesWithTheLastKickoffAsMondayNight) {
    state_.CurrentWeek = 1;
    NflResults results(state_);
    int shown = 0;
    for (const auto& row : results.Rows()) shown += row.Shown ? 1 : 0;
    EXPECT_EQ(shown, 16);
    EXPECT_EQ(results.TiebreakSlot(), 15);
    const auto lines = results.ResultsLines();
    const auto monday = std::find(lines.begin(), lines.end(), "               Monday Nite Game");
    ASSERT_NE(monday, lines.end());
    // Week 1's Monday game: the Jets (given 3.5) at San Francisco, 19-32, and nothing after it.
    ASSERT_LT(monday + 3, lines.end());
    EXPECT_EQ(*(monday + 2), "       SAN FRANCISCO 32  19  NY Jets +3.5");
    EXPECT_EQ(*(monday + 3), "");

    // A week of byes shows fewer rows; the Super Bowl one game, which is the
    // tiebreak game.
    EXPECT_TRUE(results.Spin(+21));
    EXPECT_EQ(results.Week(), 22);
    EXPECT_FALSE(results.Spin(+1));
    shown = 0;
    for (const auto& row : results.Rows()) shown += row.Shown ? 1 : 0;
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(results.TiebreakSlot(), 0);
}

TEST_F(Season2024, TeamResultsRunOverTwentyTwoWeeksWithTheRuleAfterWeek18) {
    state_.ResultsTeam = Team("DET") - 1;
    TeamResults detroit(state_);
    ASSERT_EQ(detroit.Team(), Team("DET"));
    const auto lines = detroit.ListLines();
    ASSERT_EQ(lines.size(), 23u);  // 22 weeks and the rule
    EXPECT_EQ(lines[18], std::string(56, '-'));
    // Week 5 was Detroit's bye; week 19 its playoff bye, which is no off date.
    EXPECT_EQ(lines[4], "Week  5    OFF DATE");
    EXPECT_EQ(lines[19], "Week 19");
    EXPECT_EQ(lines[17].substr(0, 43), "Week 18    Minnesota       31- 9   15  2  0");
    EXPECT_EQ(lines[20].substr(0, 43), "Week 20    Washington      31-45   15  3  0");
    EXPECT_EQ(detroit.TeamChoices().size(), 32u);
    EXPECT_EQ(TeamResults::TeamFromText(state_.Teams, "32", LeagueToday()), 32);
    EXPECT_EQ(TeamResults::TeamFromText(state_.Teams, "32"), 0) << "1997 has 30 teams";
    EXPECT_EQ(TeamResults::TeamFromText(state_.Teams, "lac", LeagueToday()), Team("LAC"));
    EXPECT_TRUE(detroit.ChooseTeam(32));
    EXPECT_FALSE(detroit.ChooseTeam(33));
}

TEST_F(Season2024, PointsStandingsRankThirtyTwoTeamsInTwoListsOfSixteen) {
    state_.CurrentWeek = 18;
    PointsStandings points(state_);
    points.SetTotals(true);
    ASSERT_EQ(points.Ranking().size(), 32u);
    EXPECT_EQ(points.ListLines(0).size(), 16u);
    EXPECT_EQ(points.ListLines(1).size(), 16u);
    EXPECT_EQ(points.Ranking().front().Team, Team("DET"));  // 564 points
    EXPECT_EQ(points.Ranking().back().Team, Team("CLE"));   // 258 points
    points.SetByConference(true);
    for (int item : points.ListItemData(0)) EXPECT_EQ(LeagueToday().Conference(item + 1), kConferenceNFC);
    EXPECT_EQ(points.ListItemData(0).size(), 16u);
    EXPECT_TRUE(points.SpinEnd(+4));
    EXPECT_FALSE(points.SpinEnd(+1));
}

TEST_F(Season2024, MatchupsOfAWeekOfferEveryGameWithItsKickoff) {
    state_.CurrentWeek = 1;
    MatchupChooser chooser(state_);
    const auto options = chooser.Options();
    ASSERT_EQ(options.size(), 16u);
    EXPECT_EQ(options.front().Caption, "Baltimore at Kansas City");
    EXPECT_EQ(options.front().Kickoff, "Thu 9/5 8:20 PM");
    EXPECT_EQ(chooser.TiebreakSlot(), 15);
    EXPECT_EQ(options.back().Caption, "NY Jets at San Francisco");

    // Week 18's matchup counts weeks 1 to 17 only: Detroit and Minnesota
    // both 14-2 before they met (Detroit won 31-9).
    EXPECT_TRUE(chooser.Spin(+17));
    int game = -1;
    for (const auto& o : chooser.Options())
        if (o.Caption == "Minnesota at Detroit") game = o.Slot;
    ASSERT_GE(game, 0);
    chooser.Select(game);
    ASSERT_TRUE(chooser.View().has_value());
    const MatchupTable table = BuildMatchupTable(state_.Games, 18, LeagueToday());
    const MatchupRecord& det = table[static_cast<std::size_t>(Team("DET"))];
    const MatchupRecord& min = table[static_cast<std::size_t>(Team("MIN"))];
    EXPECT_EQ((std::vector<int>{det.Season.Wins, det.Season.Losses, det.Season.PointsFor, det.Season.PointsAgainst}),
              (std::vector<int>{14, 2, 564 - 31, 342 - 9}));
    EXPECT_EQ((std::vector<int>{min.Season.Wins, min.Season.Losses, min.Season.PointsFor, min.Season.PointsAgainst}),
              (std::vector<int>{14, 2, 432 - 9, 332 - 31}));
    EXPECT_EQ(det.Div.Wins, 5) << "Detroit's sixth division win came in week 18";
}

TEST_F(Season2024, GraphAndMarqueeCoverTwentyTwoWeeks) {
    NflGraph graph(state_);
    EXPECT_EQ(graph.Weeks(), 22);
    // Straight up, all games: each decided game a win and a loss; 272
    // regular-season games and 13 playoff games, none tied.
    EXPECT_EQ(graph.Wins(), 285);
    EXPECT_EQ(graph.Tallies()[18].GraphWins, 6);   // the Wild Card week
    EXPECT_EQ(graph.Tallies()[21].GraphWins, 1);   // the Super Bowl
    RecordingSurface surface;
    graph.PrintCopy(surface, 0);
    int superBowlLabels = 0;
    for (const auto& op : surface.Ops())
        if (op.text == "22") ++superBowlLabels;
    EXPECT_EQ(superBowlLabels, 1) << "the week axis runs to 22";

    state_.CurrentWeek = 21;
    NflMarquee marquee(state_);
    EXPECT_TRUE(marquee.Spin(+1));
    EXPECT_FALSE(marquee.Spin(+1));
    EXPECT_EQ(marquee.Finished().Message, "Philadelphia 40 Kansas City 22");
}

TEST_F(Season2024, AnalyzerGroupsTeamsIntoTheEightDivisions) {
    Analyzer analyzer(state_);
    analyzer.SetExpanded(true);
    const auto lines = analyzer.ListLines();
    int teamLines = 0;
    std::vector<std::string> groups;
    for (const auto& line : lines) {
        if (line.rfind("  ", 0) == 0) ++teamLines;
        else if (!line.empty()) groups.push_back(line.substr(0, 14));
    }
    EXPECT_EQ(teamLines, 32);
    EXPECT_EQ(groups, (std::vector<std::string>{"NFC           ", " East         ", " North        ", " South        ",
                                                " West         ", "AFC           ", " East         ", " North        ",
                                                " South        ", " West         "}));
    // Weeks 1 to 18 straight up: the NFC North won 45 games, the conferences
    // share the 272 games' wins (no ties in 2024).
    const AnalyzerTables& t = analyzer.CategoryTables();
    EXPECT_EQ(t.Divisions[1].Wins, 45);
    EXPECT_EQ(t.Conferences[0].Wins + t.Conferences[1].Wins, 272);
    EXPECT_EQ(ConferenceOfTeam(Team("DET"), LeagueToday()), 0);
    EXPECT_EQ(ConferenceOfTeam(Team("KC"), LeagueToday()), 1);
    const auto hits = Hits(t, state_.Teams, -100, 100);
    EXPECT_EQ(hits.back(), "32");
}

// The league-aware division helpers give the 1997 answers for the 1997 league.
TEST(LeagueDivisions, The1997LeagueGivesThe1997DivisionsAndHeaders) {
    const League& l97 = League1997();
    for (int team = -1; team <= kMaxTeams + 1; ++team) EXPECT_EQ(DivisionListOf(team, l97), DivisionListOf(team)) << team;
    for (int list = 0; list < kDivisionCount; ++list) {
        EXPECT_EQ(DivisionName(list, l97), DivisionName(list));
        EXPECT_EQ(LeagueHeader(list, l97), LeagueHeader(list));
        EXPECT_EQ(ConferenceHeader(list, l97), ConferenceHeader(list));
    }
    EXPECT_EQ(LargestDivision(l97), kTeamsPerDivision);
    EXPECT_EQ(LargestDivision(LeagueToday()), 4);

    // A fresh table of either league, and the division lists a sort leaves.
    const TeamTable t97 = NewTeamTable();
    EXPECT_EQ(t97.TeamCount(), 30);
    EXPECT_EQ(t97[31].Team, 0);
    const auto order97 = DivisionOrder(t97);
    ASSERT_EQ(order97.size(), 6u);
    for (int d = 0; d < kDivisionCount; ++d)
        EXPECT_EQ(order97[static_cast<std::size_t>(d)],
                  std::vector<int>(DivisionTeams()[static_cast<std::size_t>(d)].begin(),
                                   DivisionTeams()[static_cast<std::size_t>(d)].end()));
    const TeamTable today = NewTeamTable(LeagueToday());
    EXPECT_EQ(today[32].Team, 32);
    const auto order = DivisionOrder(today);
    ASSERT_EQ(order.size(), 8u);
    for (const auto& division : order) EXPECT_EQ(division.size(), 4u);
}

// A team number past 30 in a 1997 season (damaged data) still counts for
// nobody, and the sort never moves an unused entry among the teams.
TEST(LeagueDivisions, A1997TableIgnoresTeamsPastThirty) {
    SeasonGrid games{};
    games[0][0] = test::NflGame(31, 1, 20, 10);
    games[0][1] = test::NflGame(2, 3, 7, 3);
    TeamTable table = NewTeamTable();
    BuildRegRecord(table, games, {0, 0});
    SortStandings(table);
    EXPECT_EQ(table[1].Team, 2);
    EXPECT_EQ(RecordOf(table, 1).Losses, 1) << "the valid side of the game counts, as it always has";
    EXPECT_EQ(table[31].Team, 0);
    EXPECT_EQ(table[31].Wins, 0);
}

}  // namespace
}  // namespace gm
