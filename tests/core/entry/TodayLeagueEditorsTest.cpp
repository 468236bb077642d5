#include <gtest/gtest.h>

#include <set>

#include "core/entry/EntryBoxes.h"
#include "core/entry/SeasonEditors.h"
#include "core/data/Settings.h"
#include "core/entry/TeamEditor.h"
#include "support/Season2024.h"

// The schedule, spread, score and team editors on a season of today's league:
// 16 slots, 22 weeks, 32 teams in eight divisions.
namespace gm {
namespace {

int Team(std::string_view id) { return LeagueToday().TeamFromId(id); }

TEST(TodayEditors, ScheduleTakesTheSixteenthSlotAndTheLastWeekWithTodaysDivisions) {
    SeasonGrid games{};
    ScheduleEditor editor(games, LeagueToday());
    WeekTeams week = editor.Week(22);
    week[15] = {Team("KC"), Team("PHI")};  // slot 16 of the Super Bowl week
    week[0] = {Team("LAC"), Team("LV")};
    editor.StoreWeek(22, week);
    EXPECT_TRUE(editor.ScheduleChanged());
    editor.ApplyTo(games);

    const GameRecord& last = games[21][15];
    EXPECT_EQ(last.AwayTeam, Team("KC"));
    EXPECT_EQ(last.HomeTeam, Team("PHI"));
    // Kansas City: AFC West (conference 1, division 8); Philadelphia: NFC East (2, 1).
    EXPECT_EQ((std::array{last.AwayConference, last.AwayDivision, last.HomeConference, last.HomeDivision}),
              (std::array<std::uint8_t, 4>{1, 8, 2, 1}));
    // Teams 31 and 32 exist in this league: a number the 1997 league keeps
    // aside as bad data is a team here, and the blank entry clears it.
    EXPECT_EQ(games[21][0].AwayTeam, Team("LAC"));
    EXPECT_GT(Team("WAS"), 30);
    week = editor.Week(22);
    week[1] = {Team("WAS"), Team("TEN")};
    editor.StoreWeek(22, week);
    week[1] = {0, Team("TEN")};
    editor.StoreWeek(22, week);
    EXPECT_EQ(editor.Week(22)[1].Away, 0);
}

TEST(TodayEditors, ScheduleListsAll32TeamsAndSlotCaptionsNameNoMondayGame) {
    const std::vector<int> order = ScheduleTeamOrder(TeamTables::Defaults(LeagueToday()), LeagueToday());
    ASSERT_EQ(order.size(), 33u);
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 33u);
    EXPECT_EQ(ScheduleTeamOrder(TeamTables::Defaults()).size(), 31u);  // 1997 unchanged

    EXPECT_EQ(ScheduleSlotCaption(League1997(), 14), "Monday Nite Game");
    EXPECT_EQ(ScheduleSlotCaption(League1997(), 3), "Game 4");
    EXPECT_EQ(ScheduleSlotCaption(LeagueToday(), 14), "Game 15");
    EXPECT_EQ(ScheduleSlotCaption(LeagueToday(), 15), "Game 16");
}

TEST(TodayEditors, KickoffCaptionMarksTheWeeksLastGame) {
    AppState state{fs::path("/nonexistent")};
    test::LoadSeason2024(state);
    const League& today = LeagueToday();
    const WeekGames& week1 = state.Games[0];
    const int tiebreak = today.TiebreakSlot(week1);
    ASSERT_GE(tiebreak, 0);
    // 2024 week 1 opened on Thursday night (Baltimore at Kansas City) and
    // closed on Monday night (the Jets at San Francisco).
    EXPECT_EQ(KickoffCaption(today, week1, 0), "Thu 9/5 8:20 PM");
    EXPECT_EQ(week1[static_cast<std::size_t>(tiebreak)].HomeTeam, Team("SF"));
    EXPECT_EQ(KickoffCaption(today, week1, tiebreak), "Mon 9/9 8:15 PM  Tiebreak");
    // Only the tiebreak game carries the mark, and 1997 games carry nothing.
    int marked = 0;
    for (int s = 0; s < today.Slots; ++s) marked += KickoffCaption(today, week1, s).ends_with("Tiebreak");
    EXPECT_EQ(marked, 1);
    WeekGames old{};
    old[14].HomeTeam = 3;
    old[14].AwayTeam = 4;
    EXPECT_EQ(KickoffCaption(League1997(), old, 14), "");
}

TEST(TodayEditors, SpreadsAndScoresOfTheSixteenthSlotAndWeek22) {
    AppState state{fs::path("/nonexistent")};
    test::LoadSeason2024(state);
    // Week 2 of 2024 has 16 games.
    ASSERT_TRUE(state.Games[1][15].HasGame());

    SpreadEditor spreads(state.Games, PSEntrysKind::Underdog, LeagueToday());
    EXPECT_TRUE(spreads.HasGame(2, 15));
    WeekEntryBoxes boxes{};
    for (int s = 0; s < 16; ++s) boxes[static_cast<std::size_t>(s)] = spreads.Shown(2, s);
    boxes[15] = {"6.5", "0"};
    spreads.StoreWeek(2, boxes);
    EXPECT_TRUE(spreads.SpreadsChanged());
    SeasonGrid out = state.Games;
    spreads.ApplyTo(out);
    EXPECT_EQ(out[1][15].AwaySpread, 6.5f);

    ScoreEditor scores(state.Games, LeagueToday());
    ASSERT_TRUE(scores.HasGame(22, 0));
    EXPECT_EQ(scores.Shown(22, 0).Home, "40");  // Super Bowl LIX: Philadelphia 40, Kansas City 22
    WeekEntryBoxes final{};
    final[0] = {"23", "40"};
    scores.StoreWeek(22, final);
    scores.ApplyTo(out);
    EXPECT_EQ(out[21][0].AwayScore, 23);
    EXPECT_EQ(out[21][0].WinTeam, Team("PHI"));

    // A 1997 editor over the same grid never touches slot 16 or week 22.
    SeasonGrid old = state.Games;
    ScoreEditor oldScores(old, League1997());
    SeasonGrid blank{};
    oldScores.ApplyTo(blank);
    EXPECT_FALSE(blank[21][0].Played());
    EXPECT_FALSE(blank[1][15].Played());
}

TEST(TodayEditors, WeekSpinStopsAtTheLeaguesLastWeek) {
    struct Case {
        int week, step, last, next;
    };
    const Case cases[] = {
        {21, 1, 21, 0}, {21, 1, 22, 22}, {22, 1, 22, 0}, {1, -1, 22, 0}, {2, -1, 22, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(SpinWeek(c.week, c.step, c.last), c.next) << c.week << " " << c.last;
    EXPECT_EQ(SpinWeek(21, 1), 0);  // the 1997 spin
}

TEST(TodayEditors, TeamEditorEditsAndSavesTeams31And32) {
    test::TempDir dir;
    AppState state(dir.path());
    state.SetLeague(LeagueToday());
    TeamEditor editor(state.Teams, LeagueToday().Teams);
    const int washington = Team("WAS");
    EXPECT_EQ(editor.Names(washington)[kCityAbbrField], "WAS");
    editor.Edit(washington, {"Washington", "Commanders", "WSH", "Cmd"});
    EXPECT_TRUE(editor.TeamsChanged());
    ASSERT_TRUE(editor.Save(state).ok());
    EXPECT_EQ(state.Teams.CityAbbr(washington), "WSH");
    EXPECT_EQ(state.Settings.Read(keys::TeamCityAbbrSection, std::to_string(washington), "", 10), "WSH");

    // The 1997 editor takes no team past 30.
    TeamEditor old(TeamTables::Defaults());
    old.Edit(31, {"A", "B", "C", "D"});
    EXPECT_FALSE(old.TeamsChanged());
}

}  // namespace
}  // namespace gm
