#include <gtest/gtest.h>

#include <map>

#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

GameRecord SampleGame() {
    GameRecord g;
    g.HomeTeam = 11;
    g.AwayTeam = 6;
    g.HomeScore = 38;
    g.AwayScore = 24;
    g.WinScore = 38;
    g.LoseScore = 24;
    g.HomeSpread = 0.0f;
    g.AwaySpread = 3.5f;
    g.WinTeam = 11;
    g.LoseTeam = 6;
    g.SpreadWinTeam = 11;
    g.SpreadLoseTeam = 6;
    g.AwayConference = 2;
    g.HomeConference = 2;
    g.AwayDivision = 2;
    g.HomeDivision = 2;
    g.Spare = 0;
    return g;
}

TEST(GameRecordBytes, EveryFieldAtItsOffset) {
    const GameBytes b = EncodeGame(SampleGame());
    const GameBytes expected = {11, 6, 38, 24, 38, 24, 0, 0, 0, 0, 0x00, 0x00, 0x60, 0x40, 11, 6, 11, 6, 2, 2, 2, 2, 0};
    EXPECT_EQ(b, expected);
    EXPECT_EQ(DecodeGame(b), SampleGame());
}

TEST(SeasonFile, RecordOffsetsFollowWeekThenSlot) {
    SeasonGrid games{};
    games[0][0].HomeTeam = 1;
    games[1][0].HomeTeam = 2;
    games[20][14].HomeTeam = 3;
    const std::string bytes = EncodeSeason(games);
    ASSERT_EQ(bytes.size(), 7245u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[345], 2);
    EXPECT_EQ(bytes[7222], 3);
}

TEST(SeasonFile, ShortFileLoadsWhatIsThereAndOddTeamsSurvive) {
    TempDir dir;
    // One and a half records: the second is cut inside its spread field.
    std::string bytes;
    GameRecord odd = SampleGame();
    odd.HomeTeam = 200;  // not a team: must load, show blank and be written back unchanged
    const GameBytes first = EncodeGame(odd);
    bytes.append(reinterpret_cast<const char*>(first.data()), first.size());
    const GameBytes second = EncodeGame(SampleGame());
    bytes.append(reinterpret_cast<const char*>(second.data()), 8);
    WriteFile(dir / "1997.nfl", bytes);

    AppState state(dir.path());
    ASSERT_TRUE(LoadSeason(state, "1997.NFL").ok());
    EXPECT_EQ(state.Games[0][0].HomeTeam, 200);
    EXPECT_EQ(state.Teams.City(200), "");
    EXPECT_EQ(state.Games[0][1].HomeTeam, 11);
    EXPECT_EQ(state.Games[0][1].AwaySpread, 0.0f);  // past the end of the file
    EXPECT_EQ(state.Games[0][2], GameRecord{});
    EXPECT_EQ(state.Games[20][15], GameRecord{});

    ASSERT_TRUE(SaveSeason(state).ok());
    const std::string saved = ReadFile(dir / "1997.nfl");
    ASSERT_EQ(saved.size(), 7245u);
    EXPECT_EQ(static_cast<unsigned char>(saved[0]), 200);
    EXPECT_EQ(saved.substr(0, 23), bytes.substr(0, 23));
}

TEST(SeasonFile, NameCaseDoesNotMakeASecondFile) {
    TempDir dir;
    WriteFile(dir / "1997.NFL", "");
    AppState state(dir.path());
    state.Games[3][4] = SampleGame();
    ASSERT_TRUE(SaveSeason(state).ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "1997.nfl"));
    EXPECT_EQ(ReadFile(dir / "1997.NFL").size(), 7245u);

    AppState again(dir.path());
    ASSERT_TRUE(LoadSeason(again, "1997.nfl").ok());
    EXPECT_EQ(again.Games[3][4], SampleGame());
}

TEST(SeasonFile, MissingFiles) {
    TempDir dir;
    AppState state(dir.path());
    state.Games[0][0] = SampleGame();
    EXPECT_TRUE(LoadSeason(state, "1997.NFL").ok());
    EXPECT_EQ(state.Games[0][0], GameRecord{});
    EXPECT_TRUE(std::filesystem::exists(dir / "1997.NFL"));
    EXPECT_EQ(std::filesystem::file_size(dir / "1997.NFL"), 0u);

    const Status archived = LoadSeason(state, "1995.NFL");
    EXPECT_TRUE(archived.isWarning());
    EXPECT_NE(archived.message.find("1995.NFL"), std::string::npos);
}

TEST(SeasonFile, SaveIntoMissingFolderFailsClearly) {
    TempDir dir;
    AppState state(dir / "gone");
    const Status s = SaveSeason(state);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message.find("1997.nfl"), std::string::npos);
}

TEST(SelectSeason, ArchivedSeasonsRenameTeamsAndCurrentRestoresSettings) {
    TempDir dir;
    WriteFile(dir / "Vask97.ini", "[Team Location]\r\n3=Charm City\r\n");
    AppState state(dir.path());
    LoadTeamTables(state);
    ASSERT_EQ(state.Teams.TeamCity[3], "Charm City");

    SeasonSwitch s = SelectSeason(state, SeasonChoice::Season1995);
    EXPECT_EQ(s.Title, "View Previous NFL Season");
    EXPECT_EQ(s.Text, "The 1995 NFL Season is now available for viewing.");
    EXPECT_FALSE(s.SpreadsEnabled);
    EXPECT_FALSE(state.CurrentSeasonOpen);
    EXPECT_EQ(state.SeasonYear, "1995");
    EXPECT_EQ(state.Teams.TeamCity[3], "Cleveland");
    EXPECT_EQ(state.Teams.TeamNameAbbr[3], "Bro");
    EXPECT_EQ(state.Teams.TeamCity[12], "Houston");

    s = SelectSeason(state, SeasonChoice::Season1996);
    EXPECT_EQ(s.Text, "The 1996 NFL Season is now opened.");
    EXPECT_EQ(state.Teams.TeamCity[3], "Baltimore");
    EXPECT_EQ(state.Teams.TeamCity[12], "Houston");

    s = SelectSeason(state, SeasonChoice::Current);
    EXPECT_EQ(s.Title, "Open 1997 NFL Season");
    EXPECT_EQ(s.Text, "The Current NFL Season is now opened.");
    EXPECT_TRUE(s.SpreadsEnabled);
    EXPECT_TRUE(state.CurrentSeasonOpen);
    EXPECT_EQ(state.Teams.TeamCity[3], "Charm City");
    EXPECT_EQ(state.Teams.TeamName[3], "Ravens");
    EXPECT_EQ(state.Teams.TeamCity[12], "Tennessee");
}

// A season file that cannot be read ends the switch: the season in memory, its
// year, the current-season flag, the team names and every file stay as they
// were. Otherwise the next OK of the score window would write the archived
// season shown into "1997.nfl".
TEST(SelectSeason, UnreadableSeasonFileChangesNothing) {
    struct Case {
        const char* what;
        SeasonChoice from;
        SeasonChoice to;
        const char* unreadable;
    } cases[] = {
        {"back to the current season", SeasonChoice::Season1995, SeasonChoice::Current, "1997.NFL"},
        {"to an archived season", SeasonChoice::Current, SeasonChoice::Season1996, "1996.NFL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteFile(dir / "Vask97.ini", "[Team Location]\r\n3=Charm City\r\n");
        SeasonGrid current{}, archived{};
        current[0][0] = SampleGame();
        archived[5][3] = SampleGame();
        archived[5][3].HomeTeam = 3;
        for (const char* name : {"1995.NFL", "1996.NFL"}) WriteFile(dir / name, EncodeSeason(archived));
        WriteFile(dir / "1997.NFL", EncodeSeason(current));
        AppState state(dir.path());
        LoadTeamTables(state);
        ASSERT_TRUE(SelectSeason(state, c.from).Load.ok());

        // A folder in the file's place: unreadable even to an administrator.
        std::filesystem::remove(dir / c.unreadable);
        std::filesystem::create_directory(dir / c.unreadable);
        const AppState before = state;
        const auto listing = [&] {
            std::map<std::string, std::string> files;
            for (const auto& e : std::filesystem::directory_iterator(dir.path()))
                files[e.path().filename().string()] = e.is_regular_file() ? ReadFile(e.path()) : "<folder>";
            return files;
        };
        const auto filesBefore = listing();

        const SeasonSwitch s = SelectSeason(state, c.to);
        EXPECT_FALSE(s.Load.ok());
        EXPECT_NE(s.Load.message.find(c.unreadable), std::string::npos) << s.Load.message;
        EXPECT_FALSE(s.Title.empty());
        EXPECT_EQ(s.SpreadsEnabled, before.CurrentSeasonOpen);
        EXPECT_EQ(state.Games, before.Games);
        EXPECT_EQ(state.SeasonYear, before.SeasonYear);
        EXPECT_EQ(state.CurrentSeasonOpen, before.CurrentSeasonOpen);
        EXPECT_EQ(state.SeasonFileName, before.SeasonFileName);
        EXPECT_EQ(state.Teams.TeamCity, before.Teams.TeamCity);
        EXPECT_EQ(state.Teams.TeamName, before.Teams.TeamName);
        EXPECT_EQ(state.Teams.TeamCityAbbr, before.Teams.TeamCityAbbr);
        EXPECT_EQ(state.Teams.TeamNameAbbr, before.Teams.TeamNameAbbr);
        EXPECT_EQ(listing(), filesBefore);
    }
}

}  // namespace
}  // namespace gm
