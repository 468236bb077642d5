#include <gtest/gtest.h>

#include "core/data/SeasonCsv.h"
#include "core/data/SeasonFile.h"
#include "core/output/RecordingSurface.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/DigitalPlayers.h"
#include "core/sidepools/DigitalPool.h"

namespace gm {
namespace {

using test::FixtureGame;
using test::ReadFile;
using test::WriteFile;

TEST(DigitCounting, LastDigitsOfPlayedGames) {
    SeasonGrid games{};
    games[0][0] = FixtureGame(1, 2, 10, 0);   // team 2 scored nothing: digit 0 counts
    games[1][0] = FixtureGame(3, 1, 0, 20);
    games[2][0] = FixtureGame(1, 4, 30, 27);
    games[2][1] = FixtureGame(5, 6, 0, 0);    // 0-0: not played
    games[3][0] = FixtureGame(7, 1, 21, 13);  // week 4: outside a count through week 3
    games[0][1].HomeTeam = 99;                // bad team number in the file
    games[0][1].AwayTeam = 2;
    games[0][1].HomeScore = 5;
    games[0][1].AwayScore = 3;

    const auto cards = CountDigits(games, 3);
    EXPECT_EQ(cards[1].Count[0], 3);
    EXPECT_EQ(cards[1].Used, 1);
    EXPECT_EQ(DigitLine(cards[1]), "3  X  X  X  X  X  X  X  X  X    1  ");
    EXPECT_EQ(cards[2].Count[0], 1);
    EXPECT_EQ(cards[2].Count[3], 1);
    EXPECT_EQ(cards[5].Used + cards[6].Used + cards[7].Used, 0);

    DigitCard bingo;
    bingo.Count = {1, 2, 1, 1, 1, 1, 1, 1, 1, 12};
    bingo.Used = 10;
    EXPECT_EQ(DigitLine(bingo), "1  2  1  1  1  1  1  1  1  12  Bingo!");
}

// The real 1997 season: Green Bay scored 38, 9, 23 and 38 in weeks 1 to 4.
TEST(DigitCounting, RealSeason) {
    const auto folder = test::SharedData();
    const SeasonImport season = ImportSeasonCsv(test::ReadFile(folder / "nfl-scores-1995-1997.csv"), 1997);
    ASSERT_TRUE(season.Problems.empty());
    const int gb = TeamFromFullName("Green Bay Packers");
    const auto cards = CountDigits(season.Games, 4);
    EXPECT_EQ(DigitLine(cards[static_cast<std::size_t>(gb)]), "X  X  X  1  X  X  X  X  2  1    3  ");
    // Every played game adds one digit to each side.
    int played = 0, counted = 0;
    for (int w = 0; w < kWeeks; ++w)
        for (int g = 0; g < kSlots; ++g) played += season.Games[w][g].Played() ? 2 : 0;
    for (const DigitCard& card : CountDigits(season.Games, kWeeks))
        for (int n : card.Count) counted += n;
    EXPECT_EQ(counted, played);
}

// The pool fixture (three weeks, CurrentWeek 3) with four Digital Pool players.
struct DigitalFixture {
    DigitalFixture() {
        WriteFile(pool.Dir / "Digital.dat",
                  EncodeDigitPlayers({{FitName("Zed"), 8, 0},      // Dallas: 27
                                      {FitName("Amy"), 13, 9},     // Indianapolis: 13
                                      {std::string(18, ' '), 3, 0},  // blank: not a player
                                      {FitName("Bo"), 31, 0},      // bad team: left out, reported
                                      {FitName("Cy"), 8, 0}}));
        pool.Reload();
    }
    test::PoolFixture pool;
    AppState& state = pool.State;
};

TEST(DigitalPool, ListModesAndBadTeams) {
    DigitalFixture f;
    DigitalPool model(f.state);
    ASSERT_EQ(model.LoadNotes().size(), 1u);
    EXPECT_NE(model.LoadNotes()[0].find("Bo"), std::string::npos);
    ASSERT_EQ(model.Players().size(), 3u);

    model.SetMode(DigitalPool::Mode::Teams);
    auto lines = model.Lines();
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[7], "Dallas                   X  X  X  X  X  X  X  1  X  X    1  ");

    model.SetMode(DigitalPool::Mode::Players);
    lines = model.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Amy (Ind)                X  X  X  1  X  X  X  X  X  X    1  ");
    EXPECT_EQ(lines[1].substr(0, 25), "Cy (Dal)                 ");
    EXPECT_EQ(lines[2].substr(0, 25), "Zed (Dal)                ");

    model.SetMode(DigitalPool::Mode::Both);
    lines = model.Lines();
    ASSERT_EQ(lines.size(), 30u * 2 + 3);
    const auto dallas = std::find(lines.begin(), lines.end(), "Dallas                   X  X  X  X  X  X  X  1  X  X    1  ");
    ASSERT_NE(dallas, lines.end());
    EXPECT_EQ(*(dallas + 1), " Zed (Dal)");  // file order within a team
    EXPECT_EQ(*(dallas + 2), " Cy (Dal)");
    EXPECT_EQ(*(dallas + 3), std::string(61, '-'));
}

TEST(DigitalPool, SortHighToLowKeepsTiesInTheirOrder) {
    DigitalFixture f;
    DigitalPool model(f.state);
    model.SetSort(true);
    const auto lines = model.Lines();
    // The ten teams with a digit used lead the list, still in team-number order.
    const int used[] = {1, 2, 8, 9, 11, 12, 13, 18, 20, 24};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].substr(0, 25).find(f.state.Teams.City(used[i]) + " "), 0u) << i;
    EXPECT_NE(lines[10].find("X  X  X  X  X  X  X  X  X  X    0"), std::string::npos);
    EXPECT_TRUE(model.Spin(-1));
    EXPECT_EQ(model.WeekLabelText(), " 2");
    EXPECT_EQ(f.state.CurrentWeek, 2);
    EXPECT_FALSE(DigitalPool(f.state).Spin(-2));
    model.SetSort(false);
    EXPECT_EQ(model.Lines()[0].substr(0, 8), "Arizona ");
}

TEST(DigitalPool, Writers) {
    DigitalFixture f;
    DigitalPool model(f.state);
    model.SetMode(DigitalPool::Mode::Players);
    const TextFileOutput text = model.TextFile();
    EXPECT_EQ(text.FileName, "Digital.txt");
    ASSERT_EQ(text.Lines.size(), 9u);
    EXPECT_EQ(text.Lines[0], "");
    EXPECT_EQ(text.Lines[1], std::string(21, ' ') + "Digital Pool for Week 3");
    EXPECT_EQ(text.Lines[4], "     NFL Digits Used ->  0  1  2  3  4  5  6  7  8  9  Total");
    EXPECT_EQ(text.ConfirmText, "A text file named Digital.txt has been created.");

    const ClipboardOutput clip = model.Clipboard();
    EXPECT_EQ(clip.Text.substr(0, 53), std::string(21, ' ') + "Digital Pool for Week 3\r\n\r\n     ");
    EXPECT_EQ(clip.Confirmation.Text, "The Digital Pool for Week 3 is on the Clipboard");

    const std::string page = WebPageBytes(f.state, model.WebPage());
    EXPECT_NE(page.find("<FONT COLOR=YELLOW>     NFL Digits Used"), std::string::npos);
    EXPECT_NE(page.find("Amy (Ind)"), std::string::npos);

    RecordingSurface surface(11520, 2400);  // a short page: the list breaks
    ASSERT_TRUE(model.Print(surface, 1));
    EXPECT_GE(surface.Pages(), 2);
    int headings = 0;
    for (const auto& op : surface.Texts())
        if (op.text == DigitalPool::HeadingLabel()) ++headings;
    EXPECT_EQ(headings, surface.Pages());
}

TEST(DigitalPlayers, EditorUpdateNeedsTeamAndHoldsNames) {
    DigitalFixture f;
    DigitalPlayers editor(f.state);
    ASSERT_EQ(editor.Count(), 4);  // the blank record is not a player; Bo stays to be mended
    EXPECT_EQ(editor.LoadNotes().size(), 1u);
    EXPECT_EQ(editor.Line(0), "Zed                 Dallas");
    EXPECT_EQ(editor.Line(2), "Bo                  ");

    EXPECT_EQ(editor.Update(-1, "   ", 4).Row, -1);
    const auto noTeam = editor.Update(-1, "Dee", 0);
    EXPECT_EQ(noTeam.Row, -1);
    EXPECT_TRUE(noTeam.Message.failed());
    EXPECT_FALSE(editor.Changed());

    EXPECT_EQ(editor.Update(-1, "  A name far longer than it may be  ", 30).Row, 4);
    EXPECT_EQ(editor.Entries()[4].Name, "A name far longer ");
    EXPECT_EQ(editor.Update(2, "Bo", 5).Row, 2);
    EXPECT_EQ(editor.DeleteQuestion(1), "Are you sure you want to delete Amy .\rNo record of the player will remain !");
    editor.Remove(1);
    EXPECT_TRUE(editor.Changed());
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(ReadFile(f.pool.Dir / "Digital.dat"),
              EncodeDigitPlayers({{FitName("Zed"), 8, 0}, {FitName("Bo"), 5, 0}, {FitName("Cy"), 8, 0},
                                  {FitName("A name far longer"), 30, 0}}));
}

}  // namespace
}  // namespace gm
