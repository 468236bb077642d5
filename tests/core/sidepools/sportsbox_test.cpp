#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/data/PoolFile.h"
#include "core/data/SeasonCsv.h"
#include "core/data/Settings.h"
#include "core/output/RecordingSurface.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/SportsBox.h"
#include "core/sidepools/SportsBoxSheet.h"

namespace gm {
namespace {

using test::ReadFile;
using test::WriteFile;

// The pool fixture (season of three weeks, four members, CurrentWeek 3) with
// Sports Box players and settings of our own.
struct BoxFixture {
    explicit BoxFixture(int players = 0, const std::string& settings = "") {
        std::vector<BoxRecord> list;
        for (int i = 1; i <= players; ++i) list.push_back({FitName("Player " + std::to_string(i)), i});
        WriteFile(pool.Dir / "SBPlayer.dat", EncodeBoxPlayers(list));
        WriteFile(pool.Dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=1\r\n" + settings);
        pool.Reload();
    }
    test::PoolFixture pool;
    AppState& state = pool.State;
};

std::map<int, int> BoxesPerOwner(const SportsBox& box) {
    std::map<int, int> owners;
    for (int b = 0; b < 100; ++b) ++owners[box.Box(b).OwnerNumber];
    return owners;
}

// Week 1 game 15 of the fixture is Dal 27 - Den 20 (home 27, away 20); each
// case puts its own score there. Box b is owned by "Owner b".
TEST(SportsBoxWinner, ScoreDigitsChooseTheBox) {
    const std::string repeat(sbtext::DigitsRepeat);
    struct Case {
        const char* name;
        int home, away;
        std::string top, left;
        int box;
        std::string text, note;
    } cases[] = {
        {"away 17 home 24, digits in order", 24, 17, "0123456789", "0123456789", 74, "Owner 74", ""},
        {"digits shuffled", 24, 17, "9876543210", "1234567890", 65, "Owner 65", ""},
        {"a shutout still has a score", 7, 0, "0123456789", "0123456789", 7, "Owner 7", ""},
        {"not played (0-0): no winner", 0, 0, "0123456789", "0123456789", -1, "", ""},
        // A repeated digit counts at its last place: 8 stands at top 0 and 8.
        {"top repeats the home digit", 38, 24, "8123456789", "0123456789", 48, "Owner 48", repeat},
        {"side repeats the away digit", 38, 24, "0123456789", "4123456744", 98, "Owner 98", repeat},
        {"both repeat", 38, 24, "8123456789", "4123456789", 48, "Owner 48", repeat},
        {"repeats off the score", 24, 17, "0123456788", "1123456789", 74, "Owner 74", repeat},
        {"not played, digits repeat", 0, 0, "8123456789", "0123456789", -1, "", repeat},
        // A digit shown nowhere wins no box.
        {"no column shows the home digit", 30, 24, "8123456789", "0123456789", -1, "",
         std::string(sbtext::NoColumnShows) + "0"},
        {"no row shows the away digit", 38, 20, "0123456789", "1123456789", -1, "",
         std::string(sbtext::NoRowShows) + "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoxFixture f(0, "[Digits]\r\nTop1=" + c.top + "\r\nLeft1=" + c.left + "\r\n");
        f.state.Games[0][14] = test::FixtureGame(8, 9, c.home, c.away);
        SeasonBoxes boxes{};
        for (int b = 0; b < 100; ++b) boxes[0][b] = {FitName("Owner " + std::to_string(b)), 1000 + b};
        WriteFile(f.pool.Dir / "SportBox.Dat", EncodeBoxes(boxes));
        SportsBox box(f.state, 1);
        EXPECT_EQ(box.WinnerBox(), c.box);
        EXPECT_EQ(box.WinnerText(), c.text);
        EXPECT_EQ(box.DigitsNote(), c.note);
    }
}

// The 1997 season opened on Monday night: Chicago 24 at Green Bay 38.
TEST(SportsBoxWinner, RepeatedTopDigitOnTheRealSeasonNamesTheLastPlace) {
    const auto folder = test::SharedData();
    BoxFixture f(0, "[Digits]\r\nTop1=8123456789\r\n");
    const SeasonImport season = ImportSeasonCsv(ReadFile(folder / "nfl-scores-1995-1997.csv"), 1997);
    ASSERT_TRUE(season.Problems.empty());
    f.state.Games = season.Games;
    SeasonBoxes boxes{};
    boxes[0][40] = {FitName("First Place"), 1};
    boxes[0][48] = {FitName("Last Place"), 2};
    WriteFile(f.pool.Dir / "SportBox.Dat", EncodeBoxes(boxes));
    SportsBox box(f.state, 1);
    ASSERT_EQ(box.AwayTeamText() + " " + box.AwayScoreText() + " at " + box.HomeTeamText() + " " + box.HomeScoreText(),
              "Chicago 24 at Green Bay 38");
    EXPECT_EQ(box.WinnerBox(), 48);
    EXPECT_EQ(box.WinnerText(), "Last Place");

    RecordingSurface surface;
    ASSERT_TRUE(box.Print(surface, 1));
    std::vector<std::string> texts;
    for (const auto& op : surface.Texts()) texts.push_back(op.text);
    const auto after = std::find(texts.begin(), texts.end(), "BOX WINNER");
    ASSERT_NE(after, texts.end());
    ASSERT_GE(texts.end() - after, 3);
    EXPECT_EQ(after[1], "Last Place");
    EXPECT_EQ(after[2], sbtext::DigitsRepeat);
}

TEST(SportsBoxWinner, GameWithoutTeamsShowsNothing) {
    BoxFixture f;
    SportsBox box(f.state, 1);
    ASSERT_TRUE(box.SpinGame(-1));  // game 14 of week 1 is empty
    EXPECT_EQ(box.HomeTeamText(), "");
    EXPECT_EQ(box.AwayScoreText(), "");
    EXPECT_EQ(box.WinnerBox(), -1);
    EXPECT_EQ(box.WinnerText(), "");
}

TEST(SportsBoxSettings, DigitKeysReadInEitherFormBadValuesFallBack) {
    BoxFixture f(0,
                 "[Digits]\r\nTop1=9876543210\r\nLeft 1=1234567890\r\nTop 2=5555555555\r\nLeft2=12345\r\n"
                 "Top3=abcdefghij\r\n[GameNumber]\r\nWeek 1=3\r\nWeek2=99\r\nWeek3=1\r\n");
    SportsBox box(f.state, 1);
    EXPECT_EQ(box.TopDigits(), "9876543210");
    EXPECT_EQ(box.LeftDigits(), "1234567890");
    EXPECT_EQ(box.GameNumber(), 3);
    box.SpinWeek(1);
    EXPECT_EQ(box.TopDigits(), "5555555555");  // repeats are kept for the user to mend
    EXPECT_EQ(box.LeftDigits(), "0123456789");
    EXPECT_EQ(box.GameNumber(), 15);
    box.SpinWeek(1);
    EXPECT_EQ(box.TopDigits(), "0123456789");
    EXPECT_EQ(box.GameNumber(), 1);
    ASSERT_EQ(box.LoadNotes().size(), 3u);  // Left2, Week2, Top3
    EXPECT_NE(box.LoadNotes()[0].find("\"12345\""), std::string::npos);
}

TEST(SportsBoxSettings, SaveWritesKeysWithoutBlankAndTheCounter) {
    BoxFixture f(0, "[Digits]\r\nTop 4=9876543210\r\n");
    SportsBox box(f.state, 1);
    ASSERT_TRUE(box.SpinGame(-1));
    EXPECT_TRUE(box.Changed());
    box.AddPlayer("Newcomer");
    ASSERT_TRUE(box.Save());
    EXPECT_FALSE(box.Changed());
    const IniFile& ini = f.state.Settings;
    EXPECT_EQ(ini.Read("Digits", "Top4", "", 20), "9876543210");
    EXPECT_EQ(ini.Read("Digits", "Left21", "", 20), "0123456789");
    EXPECT_EQ(ini.Read("GameNumber", "Week1", "", 20), "14");
    EXPECT_EQ(ini.Read("GameNumber", "Week21", "", 20), "15");
    EXPECT_EQ(ini.Read("SportsBox", "BoxPlayers", "", 20), std::to_string(f.state.LastPlayerNumber));
    // The player list changed too, so OK keeps it.
    EXPECT_EQ(DecodeBoxPlayers(ReadFile(f.pool.Dir / "SBPlayer.dat")).size(), 1u);
    EXPECT_EQ(ReadFile(f.pool.Dir / "SportBox.Dat").size(), 42000u);
}

TEST(SportsBoxState, WeekChangeIsNoChangeBoxesAndDigitsAre) {
    BoxFixture f(3);
    SportsBox box(f.state, 1);
    EXPECT_TRUE(box.SpinWeek(1));
    EXPECT_EQ(f.state.CurrentWeek, 2);
    EXPECT_FALSE(box.Changed());
    EXPECT_FALSE(box.SpinWeek(-2));
    EXPECT_EQ(box.Week(), 2);

    EXPECT_EQ(box.EnterDigit(true, 0, ""), SportsBox::DigitAnswer::Unchanged);
    EXPECT_EQ(box.EnterDigit(true, 0, "12"), SportsBox::DigitAnswer::Refused);
    EXPECT_EQ(box.EnterDigit(true, 0, "x"), SportsBox::DigitAnswer::Refused);
    EXPECT_FALSE(box.Changed());
    EXPECT_EQ(box.EnterDigit(true, 0, "9"), SportsBox::DigitAnswer::Set);
    EXPECT_EQ(box.TopDigits(), "9123456789");
    EXPECT_TRUE(box.Changed());

    box.AssignBox(42, 2);
    EXPECT_EQ(box.BoxCaption(42), "2");
    EXPECT_EQ(box.OwnerText(42), "Player 2");
    box.AssignBox(42, 0);
    EXPECT_EQ(box.BoxCaption(42), "");
    box.Reset();
    EXPECT_EQ(box.TopDigits(), "0123456789");
}

TEST(SportsBoxPlayers, ListLinesAddImportRemove) {
    BoxFixture f;
    SportsBox box(f.state, 1);
    EXPECT_EQ(SportsBox::PlayerLine({FitName("Al"), 7}), "Al                  7");
    EXPECT_EQ(SportsBox::PlayerLine({FitName("Al"), 123}), "Al                123");
    EXPECT_EQ(SportsBox::PlayerLine({FitName("Al"), 4567}), "Al                4567");  // written whole

    const int before = f.state.LastPlayerNumber;
    EXPECT_EQ(box.AddPlayer("   ").Entry, -1);
    EXPECT_FALSE(box.Changed());
    const auto added = box.AddPlayer("A guest with a very long name");
    EXPECT_EQ(added.Entry, 1);
    EXPECT_EQ(box.Entry(1).OwnerName, "A guest with a ver");
    EXPECT_EQ(box.Entry(1).OwnerNumber, before + 1);
    EXPECT_TRUE(box.Changed());  // closing now would ask

    EXPECT_EQ(box.ImportMembers(), 4);
    EXPECT_EQ(box.ImportMembers(), 0);  // names already listed are passed over
    EXPECT_EQ(box.PlayerLines().front(), "** Clear Box **");
    EXPECT_EQ(box.EntryCount(), 6);
    EXPECT_FALSE(box.RemovePlayer(0));
    EXPECT_TRUE(box.RemovePlayer(1));
    EXPECT_EQ(box.EntryCount(), 5);
    ASSERT_TRUE(box.SavePlayers());
    EXPECT_EQ(DecodeBoxPlayers(ReadFile(f.pool.Dir / "SBPlayer.dat")).size(), 4u);
    EXPECT_EQ(LeadingNumber(ReadSetting(f.state.Settings, keys::BoxPlayers)), before + 1);
}

// Numbers already on boxes or players are never handed out again, even when
// the counter in the settings file is behind.
TEST(SportsBoxPlayers, CounterNeverBehindTheFiles) {
    BoxFixture f(3);
    SeasonBoxes boxes{};
    boxes[5][5] = {FitName("Old"), 40};
    WriteFile(f.pool.Dir / "SportBox.Dat", EncodeBoxes(boxes));
    f.state.LastPlayerNumber = 0;
    SportsBox box(f.state, 1);
    EXPECT_EQ(box.AddPlayer("New").Entry, 4);
    EXPECT_EQ(box.Entry(4).OwnerNumber, 41);
}

struct SchemeCase {
    SportsBox::Scheme scheme;
    int players;
};

TEST(SportsBoxSchemes, FillWithZeroToOneHundredAndOnePlayers) {
    using S = SportsBox::Scheme;
    for (S scheme : {S::OnePerBox, S::OnePerBoxRandom, S::Equal, S::EqualRandom, S::Grid, S::Digits}) {
        for (int players : {0, 1, 7, 99, 100, 101}) {
            SCOPED_TRACE("scheme " + std::to_string(static_cast<int>(scheme)) + ", players " + std::to_string(players));
            BoxFixture f(players);
            SportsBox box(f.state, 1234);
            box.AssignBox(0, 0);
            box.Clear();
            const OutputMessage note = box.Fill(scheme);
            const auto owners = BoxesPerOwner(box);
            const int empty = owners.count(0) ? owners.at(0) : 0;
            if (players == 0) {
                EXPECT_TRUE(note.failed());
                EXPECT_EQ(note.Title, "Insufficient # of Players");
                EXPECT_EQ(empty, 100);
                continue;
            }
            for (const auto& [owner, count] : owners) EXPECT_LE(owner, players);
            const bool tooMany = players > 100 && (scheme == S::OnePerBox || scheme == S::OnePerBoxRandom ||
                                                   scheme == S::Equal || scheme == S::EqualRandom);
            EXPECT_EQ(note.icon != OutputMessage::Icon::None, tooMany);
            switch (scheme) {
                case S::OnePerBox:
                    EXPECT_EQ(empty, std::max(0, 100 - players));
                    for (const auto& [owner, count] : owners)
                        if (owner) EXPECT_EQ(count, 1);
                    break;
                case S::Equal: {
                    const int each = std::max(1, 100 / players);
                    EXPECT_EQ(empty, 100 - std::min(100, each * players));
                    for (const auto& [owner, count] : owners)
                        if (owner) EXPECT_EQ(count, each);
                    break;
                }
                case S::OnePerBoxRandom:
                case S::EqualRandom:
                case S::Grid:
                    EXPECT_EQ(empty, 0);
                    break;
                case S::Digits:
                    EXPECT_EQ(empty, 100);  // only the digits move
                    EXPECT_TRUE(DigitsComplete(box.TopDigits()));
                    EXPECT_TRUE(DigitsComplete(box.LeftDigits()));
                    break;
            }
            if (scheme == S::EqualRandom && players <= 100 && players > 0) {
                const int each = 100 / players;
                for (const auto& [owner, count] : owners) EXPECT_GE(count, each);
            }
        }
    }
}

// Every player can land in every box, and every digit at every position: the
// draws are not limited to part of the arrangements.
TEST(SportsBoxSchemes, EveryBoxAndDigitPositionReachable) {
    BoxFixture f(1);
    SportsBox box(f.state, 2026);
    std::set<int> boxesHit;
    std::set<char> firstTop;
    for (int run = 0; run < 3000 && (boxesHit.size() < 100 || firstTop.size() < 10); ++run) {
        box.Fill(SportsBox::Scheme::OnePerBox);
        for (int b = 0; b < 100; ++b)
            if (!box.Box(b).Empty()) boxesHit.insert(b);
        box.Fill(SportsBox::Scheme::Digits);
        firstTop.insert(box.TopDigits()[0]);
    }
    EXPECT_EQ(boxesHit.size(), 100u);
    EXPECT_EQ(firstTop.size(), 10u);
}

TEST(SportsBoxPrint, GridOwnersAndWinnerOnEachCopy) {
    BoxFixture f(2, "[Digits]\r\nTop1=0123456789\r\nLeft1=0123456789\r\n");
    f.state.Games[0][14] = test::FixtureGame(8, 9, 24, 17);
    SportsBox box(f.state, 1);
    box.AssignBox(74, 2);
    box.AssignBox(3, 1);
    RecordingSurface surface;
    ASSERT_TRUE(box.Print(surface, 2));
    EXPECT_EQ(surface.Pages(), 2);
    std::vector<std::string> texts;
    for (const auto& op : surface.Texts())
        if (op.page == 0) texts.push_back(op.text);
    const auto has = [&](const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_EQ(texts.at(1), "The Sports Box  Week 1");
    EXPECT_TRUE(has("Dallas : 24"));
    EXPECT_TRUE(has("Denver : 17"));
    EXPECT_TRUE(has("BOX WINNER"));
    EXPECT_TRUE(has("Player 2"));  // the winner, box 74
    EXPECT_TRUE(has(": Player 2          "));
    EXPECT_TRUE(has(": Player 1          "));
    EXPECT_TRUE(has("Players: The LAST digit in each teams score is the Winning number."));
    int boxes = 0;
    for (const auto& op : surface.Ops())
        if (op.kind == RecordingSurface::Op::Kind::Line && op.box && op.page == 0) ++boxes;
    EXPECT_EQ(boxes, 100);

    RecordingSurface failing;
    failing.FailAtPrint(5, "Out of paper");
    const Status s = box.Print(failing, 1);
    EXPECT_FALSE(s);
    EXPECT_EQ(s.message, "Out of paper");
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

// The fixture fills weeks 1 to 3 (week 1: slots 0, 1 and 14); the play-off
// weeks are filled here: an imported Super Bowl stands alone in slot 14.
TEST(SportsBoxSheet, UsesTheWeeksChosenGameElseMondayElseTheFirstGame) {
    struct Case {
        const char* settings;
        int week;
        int slot;
    } cases[] = {
        {"", 1, 14},
        {"[GameNumber]\r\nWeek1=1\r\n", 1, 0},
        {"[GameNumber]\r\nWeek 1=2\r\n", 1, 1},
        {"[GameNumber]\r\nWeek1=77\r\n", 1, 14},
        {"[GameNumber]\r\nWeek1=5\r\n", 1, 14},  // chosen slot holds no game
        {"", 18, 14},                                // imported wild cards: the last one
        {"", 19, 0},                                 // play-offs from slot 0, Monday empty
        {"[GameNumber]\r\nWeek19=15\r\n", 19, 0},  // as saved by the Sports Box's OK
        {"[GameNumber]\r\nWeek19=3\r\n", 19, 2},
        {"", 20, 2},                                 // first filled slot
        {"", 21, 14},
        {"[GameNumber]\r\nWeek21=1\r\n", 21, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.settings) + " week " + std::to_string(c.week));
        BoxFixture f(0, c.settings);
        auto& games = f.state.Games;
        for (int slot : {0, 1, 2, 14}) games[17][slot] = test::FixtureGame(slot + 1, slot + 5, 0, 0);
        for (int slot : {0, 1, 2, 3}) games[18][slot] = test::FixtureGame(slot + 1, slot + 5, 0, 0);
        games[19][2] = test::FixtureGame(3, 7, 0, 0);
        games[20][14] = test::FixtureGame(11, 9, 0, 0);
        f.state.CurrentWeek = c.week;
        SportsBoxSheet sheet(f.state);
        EXPECT_EQ(sheet.GameSlot(), c.slot);
        EXPECT_FALSE(sheet.HomeCity().empty());
    }
}

TEST(SportsBoxSheet, PrintsOneEmptyGridWithDigitsWhenAsked) {
    BoxFixture f(0, "[GameNumber]\r\nWeek1=1\r\n");
    SportsBoxSheet sheet(f.state);
    for (bool digits : {false, true}) {
        sheet.PrintDigits = digits;
        RecordingSurface surface;
        ASSERT_TRUE(sheet.Print(surface));
        EXPECT_EQ(surface.Pages(), 1);
        std::vector<std::string> texts;
        for (const auto& op : surface.Texts()) texts.push_back(op.text);
        const auto count = [&](const std::string& t) { return std::count(texts.begin(), texts.end(), t); };
        EXPECT_EQ(count("The Sports Box  Week 1"), 1);
        EXPECT_EQ(count("Home Team: Pittsburgh"), 1);
        EXPECT_EQ(count("Away Team: " + f.state.Teams.City(20)), 1);
        EXPECT_EQ(count("PLEASE PRINT NEATLY."), 1);
        EXPECT_EQ(count("7"), digits ? 2 : 0);  // along the top and down the side
    }
}

}  // namespace
}  // namespace gm
