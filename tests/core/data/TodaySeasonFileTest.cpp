#include <gtest/gtest.h>

#include "core/data/IniFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/data/TodaySeasonFile.h"
#include "support/Season2024.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

SeasonGrid OneGame() {
    SeasonGrid games{};
    GameRecord& g = games[21][15];  // the last record of the file
    g.HomeTeam = 26;
    g.AwayTeam = 16;
    g.HomeScore = 40;
    g.AwayScore = 22;
    ApplyResult(g);
    g.HomeSpread = 1.5f;
    g.KickoffDate = 20250209;
    g.KickoffTime = 1830;
    return games;
}

TEST(TodaySeasonFile, HeaderAndRecordsByteForByte) {
    const std::string bytes = EncodeTodaySeason(OneGame(), 2024);
    ASSERT_EQ(bytes.size(), 16u + 22 * 16 * 29);
    EXPECT_EQ(bytes.substr(0, 16), std::string("GMSEASON\x01\x00\xE8\x07\x16\x10\x20\x1D", 16));
    const std::string last = bytes.substr(bytes.size() - 29);
    const GameBytes game = EncodeGame(OneGame()[21][15]);
    EXPECT_EQ(last.substr(0, 23), std::string(reinterpret_cast<const char*>(game.data()), 23));
    // 20250209 = 0x0134FE61, 1830 = 0x0726, little-endian.
    EXPECT_EQ(last.substr(23), std::string("\x61\xFE\x34\x01\x26\x07", 6));

    const TodaySeasonRead back = DecodeTodaySeason(bytes);
    EXPECT_EQ(back.Result.level, Status::Level::Ok);
    EXPECT_EQ(back.Year, 2024);
    EXPECT_EQ(back.Games, OneGame());
}

TEST(TodaySeasonFile, DamagedFilesLoadAsFarAsTheyCan) {
    const std::string good = EncodeTodaySeason(OneGame(), 2024);
    auto with = [&](std::size_t at, char byte) {
        std::string b = good;
        b[at] = byte;
        return b;
    };
    std::string badTeam = good;
    badTeam[badTeam.size() - 29] = 33;
    const struct {
        std::string Bytes;
        std::string Says;
        bool LastGameKept;
    } cases[] = {
        {good.substr(0, good.size() - 10), "ends after 351 of 352 games", false},
        {good.substr(0, 12), "ends inside its header", false},
        {good + "xx", "2 bytes past the last game", true},
        {with(12, 0), "weeks 0 read as 22", true},
        {with(13, 17), "slots 17 where 16 belong", false},
        {with(14, 30), "teams 30 where 32 belong", true},
        {with(15, 5), "record size 5 read as 29", true},
        {with(11, 0), "year 232 is not a season", true},
        {badTeam, "1 game names a team outside 1 to 32", false},
    };
    for (const auto& c : cases) {
        const TodaySeasonRead r = DecodeTodaySeason(c.Bytes);
        EXPECT_TRUE(r.Result.isWarning()) << c.Says;
        EXPECT_NE(r.Result.message.find(c.Says), std::string::npos) << r.Result.message;
        EXPECT_EQ(r.Games[21][15] == OneGame()[21][15], c.LastGameKept) << c.Says;
        for (const WeekGames& week : r.Games)
            for (const GameRecord& g : week) {
                EXPECT_LE(g.HomeTeam, kMaxTeams);
                EXPECT_LE(g.AwayTeam, kMaxTeams);
            }
    }
}

TEST(TodaySeasonFile, ForeignAndNewerFilesAreRefused) {
    std::string newer = EncodeTodaySeason(OneGame(), 2024);
    newer[8] = 2;
    const struct {
        std::string Bytes;
        std::string Says;
    } cases[] = {
        {std::string(7245, '\0'), "not a season file of today's league"},
        {"GMSEASO", "not a season file of today's league"},
        {newer, "newer Gridmoot (format version 2"},
    };
    for (const auto& c : cases) {
        const TodaySeasonRead r = DecodeTodaySeason(c.Bytes);
        EXPECT_FALSE(r.Result.ok()) << c.Says;
        EXPECT_NE(r.Result.message.find(c.Says), std::string::npos) << r.Result.message;
        EXPECT_EQ(r.Games, SeasonGrid{});
    }
}

TEST(TodaySeasonFile, AFolderOfTodaysLeagueLoadsAndSavesItsOwnFile) {
    TempDir dir;
    {
        AppState state(dir.path());
        test::LoadSeason2024(state);
        ASSERT_TRUE(SaveSeason(state).ok());
        EXPECT_FALSE(std::filesystem::exists(dir / "1997.nfl"));
    }
    EXPECT_EQ(ReadFile(dir / "Season.gms").substr(0, 8), "GMSEASON");
    // The organiser's own names of teams 31 and 32 come back with the season.
    WriteFile(dir / "Vask97.ini", "[Team Names]\n31=Oilers\n32=Football Team\n");
    WriteFile(dir / "1997.NFL", "");  // a first start leaves one behind

    AppState state(dir.path());
    ASSERT_EQ(LoadSeason(state, kCurrentSeasonRead).level, Status::Level::Ok);
    EXPECT_EQ(state.League().Kind, LeagueKind::Today);
    EXPECT_EQ(state.SeasonYear, "2024");
    EXPECT_EQ(state.SeasonFileName, "Season.gms");
    EXPECT_EQ(state.Teams.TeamName[31], "Oilers");
    EXPECT_EQ(state.Teams.TeamName[32], "Football Team");
    EXPECT_EQ(state.Teams.TeamName[1], "Cardinals");
    AppState expected(dir.path());
    test::LoadSeason2024(expected);
    EXPECT_EQ(state.Games, expected.Games);

    // The previous seasons are of the 1997 league: the folder stays as it is.
    const SeasonSwitch previous = SelectSeason(state, SeasonChoice::Season1995);
    EXPECT_FALSE(previous.Load.ok());
    EXPECT_NE(previous.Load.message.find("1997 league"), std::string::npos);
    EXPECT_EQ(state.League().Kind, LeagueKind::Today);
    EXPECT_EQ(state.Games, expected.Games);
    const SeasonSwitch current = SelectSeason(state, SeasonChoice::Current);
    EXPECT_TRUE(current.Load.ok());
    EXPECT_EQ(current.Title, "Open 2024 NFL Season");
    EXPECT_EQ(state.SeasonYear, "2024");

    // A damaged file loads what it can and says so.
    std::string bytes = ReadFile(dir / "Season.gms");
    WriteFile(dir / "Season.gms", bytes.substr(0, bytes.size() / 2));
    const Status damaged = LoadSeason(state, kCurrentSeasonRead);
    EXPECT_TRUE(damaged.isWarning());
    EXPECT_NE(damaged.message.find("Season.gms"), std::string::npos);
    EXPECT_TRUE(state.Games[0][0].HasGame());
    EXPECT_FALSE(state.Games[21][0].HasGame());
}

TEST(TodaySeasonFile, ReadersOfTheOtherLeagueRefuseAndChangeNothing) {
    TempDir dir;
    const std::string today = EncodeTodaySeason(OneGame(), 2024);
    AppState state(dir.path());
    state.Games[0][0].HomeTeam = 5;
    const SeasonGrid before = state.Games;
    for (const char* name : {"1997.nfl", "1996.NFL"}) {
        WriteFile(dir / name, today);
        const Status s = LoadSeason(state, name);
        EXPECT_FALSE(s.ok()) << name;
        EXPECT_NE(s.message.find("today's league, not a 1997 season file"), std::string::npos) << s.message;
        EXPECT_EQ(state.Games, before);
        EXPECT_EQ(state.League().Kind, LeagueKind::Nfl1997);
        std::filesystem::remove(dir / name);
    }

    WriteFile(dir / "season.GMS", std::string(100, 'x'));
    const Status wrong = LoadSeason(state, kCurrentSeasonRead);
    EXPECT_FALSE(wrong.ok());
    EXPECT_NE(wrong.message.find("season.GMS"), std::string::npos) << wrong.message;
    EXPECT_EQ(state.Games, before);
    EXPECT_EQ(state.League().Kind, LeagueKind::Nfl1997);
}

// Settings are read before the season in gridmoot-cli: the week a folder of
// today's league is on must survive even when it lies past the 1997 weeks.
TEST(TodaySeasonFile, TheCurrentWeekOfTodaysLeagueIsKeptWhicheverIsReadFirst) {
    test::TempDir dir;
    test::Write2024Folder(dir.path(), 22, 22);
    for (bool settingsFirst : {true, false}) {
        AppState state(dir.path());
        if (settingsFirst) ReadSettings(state, 1LL << 24);
        ASSERT_TRUE(LoadSeason(state, kCurrentSeasonRead).ok());
        if (!settingsFirst) ReadSettings(state, 1LL << 24);
        EXPECT_EQ(state.League().Kind, LeagueKind::Today);
        EXPECT_EQ(state.CurrentWeek, 22) << "settings first: " << settingsFirst;
    }
    // A 1997 folder still refuses a week past its 21.
    test::TempDir old;
    AppState state(old.path());
    state.CurrentWeek = 22;
    ASSERT_TRUE(WriteCurrentWeek(state).ok());
    ReadSettings(state, 1LL << 24);
    EXPECT_EQ(state.CurrentWeek, 1);
}

}  // namespace
}  // namespace gm
