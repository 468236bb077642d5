#include <gtest/gtest.h>

#include "core/data/SeasonFile.h"
#include "core/entry/SeasonEditors.h"
#include "support/TempDir.h"

namespace gm {
namespace {

constexpr int kDallas = 8, kPhiladelphia = 23, kDenver = 9, kMiami = 16;

GameRecord Game(int away, int home) {
    GameRecord g;
    g.AwayTeam = static_cast<std::uint8_t>(away);
    g.HomeTeam = static_cast<std::uint8_t>(home);
    return g;
}

TEST(ScheduleEditor, StoresTeamsWithTheirConferencesAndDivisions) {
    SeasonGrid games{};
    ScheduleEditor editor(games);
    WeekTeams week3 = editor.Week(3);
    week3[0] = {kDallas, kPhiladelphia};
    week3[14] = {kDenver, kMiami};
    EXPECT_TRUE(editor.Differs(3, week3));
    editor.StoreWeek(3, week3);
    EXPECT_TRUE(editor.ScheduleChanged());
    editor.ApplyTo(games);

    const GameRecord& g = games[2][0];
    EXPECT_EQ(g.AwayTeam, kDallas);
    EXPECT_EQ(g.HomeTeam, kPhiladelphia);
    EXPECT_EQ(g.AwayConference, 2);
    EXPECT_EQ(g.HomeConference, 2);
    EXPECT_EQ(g.AwayDivision, 1);
    EXPECT_EQ(g.HomeDivision, 1);
    const GameRecord& monday = games[2][14];
    EXPECT_EQ(monday.AwayConference, 1);
    EXPECT_EQ(monday.AwayDivision, 6);
    EXPECT_EQ(monday.HomeConference, 1);
    EXPECT_EQ(monday.HomeDivision, 4);
}

TEST(ScheduleEditor, ClearingOrChangingASlotKeepsItsOtherFields) {
    SeasonGrid games{};
    GameRecord played = Game(kDallas, kPhiladelphia);
    played.AwayScore = 24;
    played.HomeScore = 17;
    played.WinTeam = kDallas;
    played.HomeSpread = 3.5f;
    played.AwayConference = played.HomeConference = 2;
    played.AwayDivision = played.HomeDivision = 1;
    games[4][0] = played;
    games[4][1] = played;
    ScheduleEditor editor(games);

    WeekTeams week5 = editor.Week(5);
    week5[0] = {0, 0};             // cleared
    week5[1] = {kDenver, kMiami};  // other teams, same scores
    editor.StoreWeek(5, week5);
    editor.ApplyTo(games);

    GameRecord cleared = played;
    cleared.AwayTeam = cleared.HomeTeam = 0;
    EXPECT_EQ(games[4][0], cleared);
    EXPECT_EQ(games[4][1].AwayTeam, kDenver);
    EXPECT_EQ(games[4][1].AwayConference, 1);
    EXPECT_EQ(games[4][1].AwayScore, 24);
    EXPECT_EQ(games[4][1].WinTeam, kDallas);
    EXPECT_EQ(games[4][1].HomeSpread, 3.5f);
}

TEST(ScheduleEditor, ShowingAWeekUnchangedIsNoChange) {
    SeasonGrid games{};
    games[0][3] = Game(kDallas, kPhiladelphia);
    ScheduleEditor editor(games);
    editor.StoreWeek(1, editor.Week(1));
    EXPECT_FALSE(editor.ScheduleChanged());
    WeekTeams typed = editor.Week(2);
    typed[7] = {kMiami, 0};
    // Cancel compares the shown week without storing it.
    EXPECT_TRUE(editor.ChangedWith(2, typed));
    EXPECT_FALSE(editor.ScheduleChanged());
    EXPECT_EQ(editor.Week(2)[7], SlotTeams{});
}

TEST(ScheduleEditor, ABadTeamNumberLeftBlankIsKept) {
    SeasonGrid games{};
    games[0][2] = Game(45, kMiami);  // a number no list shows
    ScheduleEditor editor(games);
    WeekTeams shown = editor.Week(1);
    shown[2].Away = 0;  // what the list can show for it
    EXPECT_FALSE(editor.Differs(1, shown));
    editor.StoreWeek(1, shown);
    EXPECT_EQ(editor.Entry(1, 2).AwayTeam, 45);
    shown[2].Away = kDallas;  // a team the user picked replaces it
    editor.StoreWeek(1, shown);
    EXPECT_TRUE(editor.ScheduleChanged());
    EXPECT_EQ(editor.Entry(1, 2).AwayTeam, kDallas);
}

TEST(Spreads, BoxesFollowThePSEntrysChoice) {
    const SpreadPair homeGets{0.0f, 3.5f};
    EXPECT_EQ(BoxesFromSpreads(homeGets, PSEntrysKind::Underdog), (SlotBoxes{"", "3.5"}));
    // Beside the favourite: the away team gives the home team's points.
    EXPECT_EQ(BoxesFromSpreads(homeGets, PSEntrysKind::Favorite), (SlotBoxes{"3.5", ""}));
    EXPECT_EQ(SpreadsFromBoxes(0.0f, 3.5f, PSEntrysKind::Underdog), homeGets);
    EXPECT_EQ(SpreadsFromBoxes(3.5f, 0.0f, PSEntrysKind::Favorite), homeGets);
    EXPECT_EQ(SpreadHeading(PSEntrysKind::Underdog), " Place Point Spreads Next to Underdog ");
    EXPECT_EQ(SpreadHeading(PSEntrysKind::Favorite), " Place Point Spreads Next to Favorite ");
}

TEST(Spreads, StoredMeaningIsTheSameUnderBothChoices) {
    for (PSEntrysKind kind : {PSEntrysKind::Underdog, PSEntrysKind::Favorite}) {
        SeasonGrid games{};
        games[1][4] = Game(kDenver, kMiami);
        games[1][5] = Game(kDallas, kPhiladelphia);
        games[1][6].HomeSpread = 7.0f;  // no game: keeps its spread and takes no entry
        SpreadEditor editor(games, kind);
        WeekEntryBoxes boxes{};
        for (int s = 0; s < kSlots; ++s) boxes[s] = editor.Shown(2, s);
        // Home team of slot 4 gets 3.5; both teams of slot 5 get points.
        boxes[4] = kind == PSEntrysKind::Underdog ? SlotBoxes{"", "3.5"} : SlotBoxes{"3.5", ""};
        boxes[5] = {"1", "2.5"};
        boxes[6] = {"9", "9"};
        editor.StoreWeek(2, boxes);
        EXPECT_TRUE(editor.SpreadsChanged());
        editor.ApplyTo(games);
        EXPECT_EQ(games[1][4].HomeSpread, 3.5f);
        EXPECT_EQ(games[1][4].AwaySpread, 0.0f);
        const SpreadPair both =
            kind == PSEntrysKind::Underdog ? SpreadPair{1.0f, 2.5f} : SpreadPair{2.5f, 1.0f};
        EXPECT_EQ(games[1][5].AwaySpread, both.Away);
        EXPECT_EQ(games[1][5].HomeSpread, both.Home);
        EXPECT_EQ(games[1][6].HomeSpread, 7.0f);
        EXPECT_EQ(games[1][6].AwaySpread, 0.0f);
    }
}

TEST(Spreads, UntouchedBoxesAreNoChange) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami);
    games[0][0].AwaySpread = 10.5f;
    SpreadEditor editor(games, PSEntrysKind::Favorite);
    WeekEntryBoxes boxes{};
    for (int s = 0; s < kSlots; ++s) boxes[s] = editor.Shown(1, s);
    EXPECT_EQ(boxes[0], (SlotBoxes{"", "10.5"}));
    EXPECT_FALSE(editor.ChangedWith(1, boxes));
    boxes[0].Home = "";
    EXPECT_TRUE(editor.ChangedWith(1, boxes));
}

TEST(Scores, ResultRule) {
    struct Case {
        const char* away;
        const char* home;
        int winTeam, loseTeam, winScore, loseScore;
    };
    const Case cases[] = {
        {"24", "17", kDenver, kMiami, 24, 17},  // away wins
        {"10", "31", kMiami, kDenver, 31, 10},  // home wins
        {"20", "20", 0, 0, 20, 20},             // tie
        {"", "", 0, 0, 0, 0},                   // cleared: not yet played
        {"3", "", kDenver, kMiami, 3, 0},
    };
    for (const Case& c : cases) {
        SeasonGrid games{};
        games[0][2] = Game(kDenver, kMiami);
        games[0][2].WinTeam = 99;  // stale results are always worked out again
        ScoreEditor editor(games);
        WeekEntryBoxes boxes{};
        for (int s = 0; s < kSlots; ++s) boxes[s] = editor.Shown(1, s);
        boxes[2] = {c.away, c.home};
        editor.StoreWeek(1, boxes);
        editor.ApplyTo(games);
        const GameRecord& g = games[0][2];
        EXPECT_EQ(g.WinTeam, c.winTeam) << c.away << "-" << c.home;
        EXPECT_EQ(g.LoseTeam, c.loseTeam) << c.away << "-" << c.home;
        EXPECT_EQ(g.WinScore, c.winScore) << c.away << "-" << c.home;
        EXPECT_EQ(g.LoseScore, c.loseScore) << c.away << "-" << c.home;
        EXPECT_EQ(g.AwayTeam, kDenver);
    }
}

TEST(Scores, OnlyShownWeeksAreWorkedOutAgain) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami);
    games[5][0] = Game(kDenver, kMiami);
    games[5][0].AwayScore = 14;
    games[5][0].WinTeam = 77;  // never shown: kept as it is
    games[5][0].SpreadWinTeam = kNotYetPlayed;
    ScoreEditor editor(games);
    WeekEntryBoxes boxes{};
    for (int s = 0; s < kSlots; ++s) boxes[s] = editor.Shown(1, s);
    EXPECT_EQ(boxes[0], (SlotBoxes{"0", "0"}));
    EXPECT_FALSE(editor.ChangedWith(1, boxes));
    editor.StoreWeek(1, boxes);
    EXPECT_FALSE(editor.ScoresChanged());
    editor.ApplyTo(games);
    EXPECT_EQ(games[5][0].WinTeam, 77);
    EXPECT_EQ(games[5][0].SpreadWinTeam, kNotYetPlayed);
}

TEST(ScheduleEditor, TeamListsRunByLocationIgnoringCase) {
    TeamTables teams;
    for (int t = 1; t <= kTeams; ++t) teams.TeamCity[static_cast<std::size_t>(t)] = "Zeta";
    teams.TeamCity[5] = "denver";
    teams.TeamCity[6] = "Atlanta";
    teams.TeamCity[7] = "\xC3\x89cole";  // an upper-case accented letter sorts with its lower case
    teams.TeamCity[8] = "\xC3\xA9a";
    teams.TeamCity[9] = "Buffalo";
    teams.TeamCity[10] = "DENVER";
    const std::vector<int> order = ScheduleTeamOrder(teams);
    ASSERT_EQ(order.size(), static_cast<std::size_t>(kTeams + 1));
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 8), (std::vector<int>{0, 6, 9, 5, 10, 1, 2, 3}));
    EXPECT_EQ(order[order.size() - 2], 8);
    EXPECT_EQ(order.back(), 7);
    EXPECT_EQ(ScheduleSlotCaption(0), "Game 1");
    EXPECT_EQ(ScheduleSlotCaption(kMondaySlot), "Monday Nite Game");
}

TEST(CommitSeason, SavesOnlyTheCurrentSeason) {
    test::TempDir dir;
    AppState state(dir.path());
    state.CurrentSeasonOpen = false;
    ASSERT_TRUE(CommitSeason(state, [](SeasonGrid& g) { g[0][0].HomeTeam = 5; }));
    EXPECT_EQ(state.Games[0][0].HomeTeam, 5);
    EXPECT_FALSE(std::filesystem::exists(dir / "1997.nfl"));

    state.CurrentSeasonOpen = true;
    ASSERT_TRUE(CommitSeason(state, [](SeasonGrid& g) { g[20][14].AwayTeam = 6; }));
    const std::string bytes = test::ReadFile(dir / "1997.nfl");
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(kSeasonFileSize));
    EXPECT_EQ(bytes[0], 5);
    EXPECT_EQ(bytes[7222 + 1], 6);
}

TEST(CommitSeason, AFailedSavePutsMemoryBack) {
    test::TempDir dir;
    AppState state(dir.path());
    state.CurrentSeasonOpen = true;
    state.Games[0][0] = Game(kDenver, kMiami);
    // A folder where the season file should be: the save fails (even for root).
    std::filesystem::create_directory(dir / "1997.NFL");

    const Status s = CommitSeason(state, [](SeasonGrid& g) { g[0][0].HomeScore = 21; });
    EXPECT_FALSE(s.ok());
    EXPECT_NE(SaveFailedText(s).find("1997.NFL"), std::string::npos) << s.message;
    EXPECT_EQ(state.Games[0][0].HomeScore, 0);
    EXPECT_EQ(state.Games[0][0].HomeTeam, kMiami);
}

TEST(RereadCurrentSeason, DropsUnsavedEditsOfTheCurrentSeasonOnly) {
    test::TempDir dir;
    AppState state(dir.path());
    state.CurrentSeasonOpen = true;
    ASSERT_TRUE(CommitSeason(state, [](SeasonGrid& g) { g[0][0] = Game(kDenver, kMiami); }));
    state.Games[0][0].HomeScore = 21;  // edited in a window, never saved
    ASSERT_TRUE(RereadCurrentSeason(state));
    EXPECT_EQ(state.Games[0][0].HomeScore, 0);
    EXPECT_EQ(state.Games[0][0].HomeTeam, kMiami);

    state.CurrentSeasonOpen = false;  // an archived season is shown
    state.Games[0][0].HomeScore = 21;
    ASSERT_TRUE(RereadCurrentSeason(state));
    EXPECT_EQ(state.Games[0][0].HomeScore, 21);
}

}  // namespace
}  // namespace gm
