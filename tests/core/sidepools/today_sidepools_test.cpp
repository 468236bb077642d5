#include <gtest/gtest.h>

#include "core/data/PoolFile.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/DigitalPlayers.h"
#include "core/sidepools/DigitalPool.h"
#include "core/sidepools/SportsBox.h"
#include "core/sidepools/SportsBoxSheet.h"
#include "support/Season2024.h"

// The Sports Box and the Digital Pool on the 2024 season of today's league:
// 22 weeks, games by place 1 to 16, 32 teams.
namespace gm {
namespace {

using test::ReadFile;
using test::WriteFile;

struct TodayFolder {
    explicit TodayFolder(const std::string& settings = "") {
        if (!settings.empty()) WriteFile(dir.path() / "Vask97.ini", settings);
        test::LoadSeason2024(state);
    }
    test::TempDir dir;
    AppState state{dir.path()};
};

void SpinTo(SportsBox& box, int week) {
    while (box.Week() != week) ASSERT_TRUE(box.SpinWeek(week > box.Week() ? 1 : -1));
}

// A folder's Sports Box file holds its league's weeks: 21 (42,000 bytes) in
// 1997, 22 (44,000) today. A file of the other size still reads: the weeks
// both know keep their boxes, a missing 22nd week is empty, and a 1997
// folder leaves a 22nd week it cannot show out of what it saves.
TEST(TodaySportsBox, FileHoldsTheLeaguesWeeksAndReadsEitherSize) {
    SeasonBoxes written{};
    written[0][3] = {FitName("Week One"), 1};
    written[20][99] = {FitName("Week Twenty-One"), 2};
    written[21][7] = {FitName("Super Bowl"), 3};
    struct Case {
        bool today;
        int weeksInFile;
        std::size_t savedSize;
        bool keepsWeek22;
    } cases[] = {{true, 22, 44000, true}, {true, 21, 44000, false}, {false, 22, 42000, false}, {false, 21, 42000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.today ? "today" : "1997") + " folder, file of " + std::to_string(c.weeksInFile));
        test::PoolFixture pool;
        if (c.today) test::LoadSeason2024(pool.State);
        AppState& state = pool.State;
        WriteFile(pool.Dir / "SportBox.Dat", EncodeBoxes(written, c.weeksInFile));

        SportsBox box(state, 1);
        EXPECT_TRUE(box.LoadNotes().empty());
        EXPECT_EQ(box.AllBoxes()[0][3], written[0][3]);
        EXPECT_EQ(box.AllBoxes()[20][99], written[20][99]);
        EXPECT_EQ(box.AllBoxes()[21][7], c.keepsWeek22 ? written[21][7] : BoxRecord{});
        ASSERT_TRUE(box.Save().ok());
        const std::string saved = ReadFile(pool.Dir / "SportBox.Dat");
        EXPECT_EQ(saved.size(), c.savedSize);
        const SeasonBoxes reread = DecodeBoxes(saved, c.today ? 22 : 21);
        EXPECT_EQ(reread, box.AllBoxes());
    }
}

// Today's weeks: the week runs to 22, the game to 16, and a week whose game
// was never chosen plays its tiebreak game (the last by kick-off) rather than
// game 15, which the Super Bowl week does not have.
TEST(TodaySportsBox, WeeksTo22GamesTo16AndTheTiebreakGameByDefault) {
    TodayFolder f;
    SportsBox box(f.state, 1);
    SpinTo(box, 1);
    EXPECT_EQ(box.GameNumber(), 16);  // Jets at San Francisco, Monday night
    EXPECT_EQ(box.HomeTeamText(), "San Francisco");
    EXPECT_EQ(box.AwayTeamText(), "NY Jets");
    EXPECT_FALSE(box.SpinGame(+1));
    EXPECT_TRUE(box.SpinGame(-1));
    EXPECT_EQ(box.HomeTeamText(), "Detroit");  // Sunday night, LA Rams at Detroit

    SpinTo(box, 22);
    EXPECT_FALSE(box.SpinWeek(+1));
    EXPECT_EQ(f.state.CurrentWeek, 22);
    EXPECT_EQ(box.GameNumber(), 1);
    EXPECT_EQ(box.HomeTeamText(), "Philadelphia");
    EXPECT_EQ(box.AwayTeamText(), "Kansas City");
    // Philadelphia 40, Kansas City 22: home digit 0, away digit 2.
    EXPECT_EQ(box.WinnerBox(), 20);

    ASSERT_TRUE(box.Save().ok());
    const std::string ini = ReadFile(f.dir.path() / "Vask97.ini");
    EXPECT_NE(ini.find("Week22=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Week1=15"), std::string::npos) << ini;  // the game chosen above
    EXPECT_NE(ini.find("Top22=0123456789"), std::string::npos) << ini;
}

// The game numbers the settings may name: up to 16 in today's league, 15 in
// 1997, where a 16 is refused with the words it always had.
TEST(TodaySportsBox, SettingsNameGamesUpToTheLeaguesSlots) {
    struct Case {
        bool today;
        std::string value;
        int read;  // the game the settings give (15 when they name none)
        int game;  // the game the Sports Box plays
        std::string note;
    } cases[] = {
        {true, "16", 16, 16, ""},
        {true, "17", 15, 16,
         "The game of week 1 (\"17\") is not a game number from 1 to 16; the week's tiebreak game is used."},
        {true, "3", 3, 3, ""},
        {false, "16", 15, 15, "The game of week 1 (\"16\") is not a game number from 1 to 15; game 15 is used."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::vector<std::string> notes;
        test::TempDir dir;
        const std::string settings = "[GameNumber]\r\nWeek1=" + c.value + "\r\n";
        WriteFile(dir.path() / "Vask97.ini", settings);
        AppState state(dir.path());
        const League& league = c.today ? LeagueToday() : League1997();
        const BoxSeasonSettings weeks = ReadBoxSettings(state.Settings, notes, league);
        EXPECT_EQ(weeks[0].Game, c.read);
        EXPECT_EQ(notes.empty() ? "" : notes[0], c.note);
        if (c.today) test::LoadSeason2024(state);
        EXPECT_EQ(SportsBox(state, 1).GameNumber(), c.game);
    }
}

TEST(TodaySportsBox, SelectionSheetPlaysTheTiebreakGameOfAnyWeek) {
    TodayFolder f;
    f.state.CurrentWeek = 18;
    SportsBoxSheet sheet(f.state);
    EXPECT_EQ(sheet.HomeCity(), "Detroit");  // Minnesota at Detroit, Sunday night: no Monday game in week 18
    EXPECT_EQ(sheet.AwayCity(), "Minnesota");
    while (sheet.SpinWeek(+1)) {
    }
    EXPECT_EQ(sheet.Week(), 22);
    EXPECT_EQ(sheet.HomeCity(), "Philadelphia");
    EXPECT_EQ(sheet.AwayCity(), "Kansas City");
}

// Every played game of all 22 weeks and 16 places adds a digit for each of
// its teams, 32 teams in all; Kansas City's shutout in week 18 is a 0.
TEST(TodayDigitalPool, CountsAllTeamsWeeksAndPlaces) {
    TodayFolder f;
    int played = 0;
    for (int w = 0; w < 22; ++w)
        for (int s = 0; s < 16; ++s) played += f.state.Games[w][s].Played() ? 2 : 0;
    EXPECT_EQ(played, 2 * 285);
    const DigitCards cards = CountDigits(f.state.Games, 22, LeagueToday());
    int counted = 0;
    for (const DigitCard& card : cards)
        for (int n : card.Count) counted += n;
    EXPECT_EQ(counted, played);
    const int kc = LeagueToday().TeamFromId("KC");
    EXPECT_EQ(CountDigits(f.state.Games, 18, LeagueToday())[kc].Count[0],
              CountDigits(f.state.Games, 17, LeagueToday())[kc].Count[0] + 1);
    const int washington = LeagueToday().TeamFromId("WAS");
    ASSERT_EQ(washington, 32);
    int washingtonGames = 0;
    for (int n : cards[32].Count) washingtonGames += n;
    EXPECT_EQ(washingtonGames, 20);  // 17 games and three in the playoffs
}

// Team 32 is a team of today's league; 33 is not. The list shows 32 teams.
TEST(TodayDigitalPool, PlayersHoldAnyOfThe32Teams) {
    TodayFolder f;
    WriteFile(f.dir.path() / "Digital.dat",
              EncodeDigitPlayers({{FitName("Wes"), 32, 0}, {FitName("Odd"), 33, 0}, {FitName("Kay"), 16, 0}}));
    f.state.CurrentWeek = 22;
    DigitalPool model(f.state);
    ASSERT_EQ(model.LoadNotes().size(), 1u);
    EXPECT_NE(model.LoadNotes()[0].find("Odd"), std::string::npos);
    EXPECT_EQ(model.Lines().size(), 32u);
    EXPECT_EQ(model.Lines()[31].substr(0, 25), "Washington               ");
    EXPECT_FALSE(model.Spin(+1));
    model.SetMode(DigitalPool::Mode::Players);
    const auto lines = model.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(0, 25), "Wes (WAS)                ");

    DigitalPlayers editor(f.state);
    EXPECT_EQ(editor.TeamChoices().size(), 32u);
    EXPECT_EQ(editor.Update(-1, "New", 32).Row, 3);
    EXPECT_TRUE(editor.Update(-1, "Bad", 33).Message.failed());
}

}  // namespace
}  // namespace gm
