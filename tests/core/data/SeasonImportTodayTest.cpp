#include <gtest/gtest.h>

#include <array>

#include "core/data/SeasonCsv.h"
#include "support/Season2024.h"

namespace gm {
namespace {

const std::string kGamesHeader =
    "season,game_type,week,gameday,weekday,gametime,away_team,away_score,home_team,home_score,location,overtime,"
    "spread_line,total_line,div_game,stadium\n";

int Team(std::string_view id) { return LeagueToday().TeamFromId(id); }

int GamesInWeek(const SeasonGrid& g, int week) {
    int n = 0;
    for (const GameRecord& game : g[static_cast<std::size_t>(week - 1)]) n += game.HasGame();
    return n;
}

TEST(SeasonImportToday, The2024SeasonPlacesEveryGameInScheduleOrder) {
    const SeasonImport r = test::Import2024();
    ASSERT_TRUE(r.Problems.empty()) << "line " << r.Problems[0].Line << ": " << r.Problems[0].Reason;
    EXPECT_EQ(r.League, LeagueKind::Today);
    EXPECT_EQ(r.GamesPlaced, 285);

    const std::array<int, 22> perWeek = {16, 16, 16, 16, 14, 14, 15, 16, 15, 14, 14,
                                         13, 16, 13, 16, 16, 16, 16, 6,  4,  2,  1};
    int regular = 0;
    std::array<int, kMaxTeams + 1> played{};
    for (int w = 1; w <= 22; ++w) {
        EXPECT_EQ(GamesInWeek(r.Games, w), perWeek[static_cast<std::size_t>(w - 1)]) << "week " << w;
        const WeekGames& week = r.Games[static_cast<std::size_t>(w - 1)];
        for (int s = 0; s < perWeek[static_cast<std::size_t>(w - 1)]; ++s) {
            const GameRecord& g = week[static_cast<std::size_t>(s)];
            ASSERT_TRUE(g.HasGame()) << "week " << w << " slot " << s;  // filled from slot 0 upward
            EXPECT_NE(g.KickoffDate, 0u);
            EXPECT_TRUE(g.Played());
            if (s > 0) {
                const GameRecord& before = week[static_cast<std::size_t>(s - 1)];
                EXPECT_LE(before.KickoffDate * 10000ull + before.KickoffTime, g.KickoffDate * 10000ull + g.KickoffTime)
                    << "week " << w << " slot " << s;
            }
            EXPECT_EQ(g.HomeConference, LeagueToday().Conference(g.HomeTeam));
            EXPECT_EQ(g.AwayDivision, LeagueToday().Division(g.AwayTeam));
            if (w <= 18) {
                ++regular;
                ++played[g.HomeTeam];
                ++played[g.AwayTeam];
            }
        }
    }
    EXPECT_EQ(regular, 272);
    for (int t = 1; t <= kMaxTeams; ++t) EXPECT_EQ(played[static_cast<std::size_t>(t)], 17) << LeagueToday().TeamId(t);

    // Week 1 opens with Baltimore at Kansas City, Thursday night, Kansas City giving 3.
    const GameRecord& opener = r.Games[0][0];
    EXPECT_EQ(opener.AwayTeam, Team("BAL"));
    EXPECT_EQ(opener.HomeTeam, Team("KC"));
    EXPECT_EQ(opener.KickoffDate, 20240905u);
    EXPECT_EQ(opener.KickoffTime, 2020);
    EXPECT_EQ(opener.WinTeam, Team("KC"));
    EXPECT_EQ(opener.WinScore, 27);
    EXPECT_EQ(opener.LoseScore, 20);
    EXPECT_EQ(opener.AwaySpread, 3.0f);
    EXPECT_EQ(opener.HomeSpread, 0.0f);

    // Week 1's sixteenth game, the Monday night one, breaks its ties.
    const GameRecord& monday = r.Games[0][15];
    EXPECT_EQ(monday.AwayTeam, Team("NYJ"));
    EXPECT_EQ(monday.HomeTeam, Team("SF"));
    EXPECT_EQ(LeagueToday().TiebreakSlot(r.Games[0]), 15);

    // The Super Bowl, on a neutral field, keeps its listed home team; Kansas City was favoured by 1.5.
    const GameRecord& sb = r.Games[21][0];
    EXPECT_EQ(sb.HomeTeam, Team("PHI"));
    EXPECT_EQ(sb.AwayTeam, Team("KC"));
    EXPECT_EQ(sb.HomeSpread, 1.5f);
    EXPECT_EQ(sb.AwaySpread, 0.0f);
    EXPECT_EQ(sb.WinTeam, Team("PHI"));
}

TEST(SeasonImportToday, LinesScoresAndOtherSeasons) {
    const std::string csv = kGamesHeader +
                            "2023,REG,1,2023-09-07,Thursday,20:20,DET,21,KC,20,Home,0,4.5,53,0,x\n"
                            "2024,REG,3,2024-09-22,Sunday,13:00,NYG,,CLE,,Home,0,6,38,0,x\n"
                            "2024,REG,3,2024-09-22,Sunday,13:00,CHI,10,IND,21,Home,0,-1.5,43,0,x\n"
                            "2024,REG,3,2024-09-19,Thursday,20:15,NE,3,NYJ,24,Home,0,0,38,1,x\n"
                            "2024,REG,3,2024-09-22,Sunday,16:05,CAR,36,LV,22,Home,0,,40,0,x\n";
    const SeasonImport r = ImportSeasonCsv(csv, 2024);
    ASSERT_TRUE(r.Problems.empty()) << r.Problems[0].Reason;
    EXPECT_EQ(r.GamesPlaced, 4);  // the 2023 row is not this season's
    const WeekGames& w = r.Games[2];
    const struct {
        int Slot;
        std::string_view Away, Home;
        float AwaySpread, HomeSpread;
        bool Played;
    } cases[] = {
        {0, "NE", "NYJ", 0.0f, 0.0f, true},     // Thursday first; a pick'em credits nobody
        {1, "NYG", "CLE", 6.0f, 0.0f, false},   // home favoured; no scores yet
        {2, "CHI", "IND", 0.0f, 1.5f, true},    // away favoured; same kick-off keeps the file's order
        {3, "CAR", "LV", 0.0f, 0.0f, true},     // no line given yet
    };
    for (const auto& c : cases) {
        const GameRecord& g = w[static_cast<std::size_t>(c.Slot)];
        EXPECT_EQ(g.AwayTeam, Team(c.Away)) << c.Slot;
        EXPECT_EQ(g.HomeTeam, Team(c.Home)) << c.Slot;
        EXPECT_EQ(g.AwaySpread, c.AwaySpread) << c.Slot;
        EXPECT_EQ(g.HomeSpread, c.HomeSpread) << c.Slot;
        EXPECT_EQ(g.Played(), c.Played) << c.Slot;
    }
    EXPECT_EQ(w[1].WinTeam, 0);
    EXPECT_EQ(w[1].LoseTeam, 0);
}

TEST(SeasonImportToday, RowsThatCannotBePlacedAreReportedByLine) {
    const std::string good = "2024,REG,2,2024-09-15,Sunday,13:00,NYG,18,WAS,21,Home,0,1.5,43,1,x\n";
    auto row = [](std::string_view week, std::string_view day, std::string_view time, std::string_view away,
                  std::string_view awayScore, std::string_view home, std::string_view homeScore,
                  std::string_view line) {
        return "2024,REG," + std::string(week) + "," + std::string(day) + ",Sunday," + std::string(time) + "," +
               std::string(away) + "," + std::string(awayScore) + "," + std::string(home) + "," +
               std::string(homeScore) + ",Home,0," + std::string(line) + ",40,0,x\n";
    };
    std::string seventeen = kGamesHeader;
    for (int i = 0; i < 17; ++i)
        seventeen += row("4", "2024-09-29", "13:00", LeagueToday().TeamId(2 * (i % 16) + 1), "1",
                         LeagueToday().TeamId(2 * (i % 16) + 2), "0", "3");
    const struct {
        std::string Csv;
        int Line;
        std::string Says;
    } cases[] = {
        {kGamesHeader + good + row("2", "2024-09-15", "13:00", "OAK", "1", "KC", "0", "3"), 3, "unknown team \"OAK\""},
        {kGamesHeader + row("2", "2024-09-15", "13:00", "KC", "1", "KC", "0", "3"), 2, "cannot play itself"},
        {kGamesHeader + row("0", "2024-09-15", "13:00", "BUF", "1", "KC", "0", "3"), 2, "out of range"},
        {kGamesHeader + row("23", "2024-09-15", "13:00", "BUF", "1", "KC", "0", "3"), 2, "out of range"},
        {kGamesHeader + row("WC", "2024-09-15", "13:00", "BUF", "1", "KC", "0", "3"), 2, "out of range"},
        {seventeen, 18, "game 17 of week 4"},
        {kGamesHeader + row("2", "2024-09-15", "13:00", "BUF", "x", "KC", "0", "3"), 2, "bad score"},
        {kGamesHeader + row("2", "2024-09-15", "13:00", "BUF", "100", "KC", "0", "3"), 2, "bad score"},
        {kGamesHeader + row("2", "2024-09-15", "13:00", "BUF", "", "KC", "7", "3"), 2, "bad score"},
        {kGamesHeader + row("2", "9/15/2024", "13:00", "BUF", "1", "KC", "0", "3"), 2, "bad date"},
        {kGamesHeader + row("2", "2025-02-29", "13:00", "BUF", "1", "KC", "0", "3"), 2, "bad date"},
        {kGamesHeader + row("2", "2024-09-15", "25:00", "BUF", "1", "KC", "0", "3"), 2, "bad kick-off time"},
        {kGamesHeader + row("2", "2024-09-15", "1 PM", "BUF", "1", "KC", "0", "3"), 2, "bad kick-off time"},
        {kGamesHeader + row("2", "2024-09-15", "", "BUF", "1", "KC", "0", "3"), 2, "bad kick-off time"},
        {kGamesHeader + row("2", "2024-09-15", "13:00", "BUF", "1", "KC", "0", "3.25"), 2, "bad line"},
        {kGamesHeader + row("2", "2024-09-15", "13:00", "BUF", "1", "KC", "0", "-120"), 2, "bad line"},
        {kGamesHeader + "20x4,REG,2,2024-09-15,Sunday,13:00,BUF,1,KC,0,Home,0,3,40,0,x\n", 2, "bad season"},
        {"season,game_type,week,gameday,away_team,home_team,spread_line\n", 1, "lacks a column"},
    };
    for (const auto& c : cases) {
        const SeasonImport r = ImportSeasonCsv(c.Csv, 2024);
        ASSERT_EQ(r.Problems.size(), 1u) << c.Says;
        EXPECT_EQ(r.Problems[0].Line, c.Line) << c.Says;
        EXPECT_NE(r.Problems[0].Reason.find(c.Says), std::string::npos) << r.Problems[0].Reason;
    }
}

TEST(SeasonImportToday, TheTestSeasonCanStopAtAWeek) {
    AppState state{"."};
    test::LoadSeason2024(state, 10);
    EXPECT_EQ(state.League().Kind, LeagueKind::Today);
    EXPECT_EQ(state.Teams.TeamName[32], "Commanders");
    EXPECT_TRUE(state.Games[9][0].Played());
    EXPECT_FALSE(state.Games[10][0].Played());
    EXPECT_EQ(state.Games[10][0].WinTeam, 0);
    EXPECT_NE(state.Games[10][0].AwaySpread + state.Games[10][0].HomeSpread, 0.0f);  // the lines stay
}

}  // namespace
}  // namespace gm
