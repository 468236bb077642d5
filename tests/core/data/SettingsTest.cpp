#include <gtest/gtest.h>

#include "core/data/IniFile.h"
#include "core/data/PoolOptions.h"
#include "core/data/Settings.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(IniFile, ReadsLikeTheProfileFunctions) {
    TempDir dir;
    WriteFile(dir / "Vask97.ini",
              "; pool settings\r\n"
              "[options]\r\n"
              "pointspreads = Yes \r\n"
              "Quoted=\"  padded  \"\r\n"
              "Long=0123456789ABCDEF\r\n"
              "[Empty]\r\n");
    const IniFile ini(dir / "Vask97.ini");
    EXPECT_EQ(ini.Read("Options", "PointSpreads", "No", 5), "Yes");
    EXPECT_EQ(ini.Read("OPTIONS", "quoted", "", 20), "  padded  ");
    EXPECT_EQ(ini.Read("Options", "Long", "", 5), "0123");        // buffer of 5 keeps 4
    EXPECT_EQ(ini.Read("Options", "Missing", "Deflt", 4), "Def");  // defaults are cut too
    EXPECT_EQ(ini.Read("Nowhere", "Key", "d", 10), "d");
    EXPECT_EQ(IniFile(dir / "none.ini").Read("Options", "PoolSort", "Confidence", 11), "Confidence");
}

TEST(IniFile, WritingAKeyKeepsTheRestOfTheFile) {
    TempDir dir;
    const std::string original =
        "; kept comment\r\n"
        "[Gridmoot]\r\n"
        "CurrentWeek=3\r\n"
        "Other=x\r\n"
        "\r\n"
        "[Colors]\r\n"
        "Color=2\r\n";
    WriteFile(dir / "Vask97.ini", original);
    const IniFile ini(dir / "Vask97.ini");
    ASSERT_TRUE(ini.Write("GridMoot", "currentweek", "12").ok());
    ASSERT_TRUE(ini.Write("Colors", "Extra", "y").ok());
    ASSERT_TRUE(ini.Write("WebPage", "Title", "Bob's Pool").ok());
    EXPECT_EQ(ReadFile(dir / "Vask97.ini"),
              "; kept comment\r\n"
              "[Gridmoot]\r\n"
              "CurrentWeek=12\r\n"
              "Other=x\r\n"
              "\r\n"
              "[Colors]\r\n"
              "Color=2\r\n"
              "Extra=y\r\n"
              "\r\n"
              "[WebPage]\r\n"
              "Title=Bob's Pool\r\n");

    // A byte-order mark left by an editor must not hide the first section.
    WriteFile(dir / "Vask97.ini", "\xEF\xBB\xBF[Gridmoot]\r\nCurrentWeek=5\r\n");
    EXPECT_EQ(ini.Read("Gridmoot", "CurrentWeek", "1", 4), "5");
    ASSERT_TRUE(ini.Write("GridMoot", "CurrentWeek", "6").ok());
    EXPECT_EQ(ReadFile(dir / "Vask97.ini"), "\xEF\xBB\xBF[Gridmoot]\r\nCurrentWeek=6\r\n");
}

TEST(IniFile, ValuesStayOnOneLineAndSectionsDeleteWhole) {
    TempDir dir;
    const IniFile ini(dir / "Vask97.ini");
    ASSERT_TRUE(ini.Write("WebPage", "Title", "Evil\r\n[Options]\r\nPointSpreads=Yes").ok());
    EXPECT_EQ(ini.Read("Options", "PointSpreads", "No", 5), "No");
    ASSERT_TRUE(ini.Write("Team Names", "3", "Browns").ok());
    ASSERT_TRUE(ini.Write("Team Names", "12", "Titans").ok());
    ASSERT_TRUE(ini.DeleteSection("team names").ok());
    EXPECT_EQ(ini.Read("Team Names", "3", "Ravens", 17), "Ravens");
    EXPECT_EQ(ReadFile(dir / "Vask97.ini").find("Titans"), std::string::npos);
    EXPECT_NE(ini.Read("WebPage", "Title", "", 100).find("Evil"), std::string::npos);
}

TEST(IniFile, Windows1252OnDiskUtf8InMemory) {
    TempDir dir;
    const IniFile ini(dir / "Vask97.ini");
    ASSERT_TRUE(ini.Write("Team Location", "1", "Montréal").ok());
    EXPECT_NE(ReadFile(dir / "Vask97.ini").find("Montr\xE9" "al"), std::string::npos);
    EXPECT_EQ(ini.Read("Team Location", "1", "", 17), "Montréal");
}

TEST(IniFile, LeadingNumber) {
    const std::pair<const char*, long> cases[] = {{"12", 12}, {" 7th", 7}, {"abc", 0}, {"", 0}, {"-3", -3}, {"21x", 21}};
    for (const auto& [text, value] : cases) EXPECT_EQ(LeadingNumber(text), value) << text;
}

TEST(Settings, NoFileGivesEveryDefault) {
    TempDir dir;
    AppState state(dir.path());
    state.CurrentWeek = 9;
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    EXPECT_EQ(state.PointSpreads, "No");
    EXPECT_EQ(state.PoolSort, "Confidence");
    EXPECT_EQ(state.MondayPts, "TotalPoints");
    EXPECT_EQ(state.MaxCPoints, "GamesPlayed");
    EXPECT_EQ(state.TBMethod, "MonGame");
    EXPECT_EQ(state.SecondaryTB, "Monday");
    EXPECT_EQ(state.PSEntrys, "Underdog");
    EXPECT_EQ(state.CurrentWeek, 1);
    EXPECT_EQ(state.LastPlayerNumber, 0);
    EXPECT_EQ(state.ColorScheme, 1);
    EXPECT_EQ(state.Comment, "Pick Sheets are due by Friday, Noon");
    EXPECT_EQ(state.Team, "City");
    EXPECT_EQ(state.GroupBy, "FavUnd");
    EXPECT_EQ(state.Title, "The Acme Office Pool");
    EXPECT_EQ(state.Color, "BW");
    EXPECT_EQ(state.Teams.TeamCity[26], "San Francisco");
    EXPECT_EQ(state.Teams.TeamName[26], "49er's");
    EXPECT_EQ(state.Teams.TeamCityAbbr[0], "   ");
    EXPECT_EQ(state.Teams.TeamName[0], " ");
    EXPECT_FALSE(std::filesystem::exists(dir / "Vask97.ini"));  // reading never creates the file
}

TEST(Settings, ValuesAreCutAndOutOfRangeNumbersFallBack) {
    TempDir dir;
    WriteFile(dir / "vask97.INI",
              "[gridmoot]\nCurrentWeek=99\n"
              "[SportsBox]\nBoxPlayers=57 players\n"
              "[Colors]\nColor=9\n"
              "[WebPage]\nTitle=" + std::string(50, 'T') + "\n"
              "[Options]\nPoolSort=Sometimes\n"
              "[Team Names]\n7=A very long team name indeed\n"
              "[Team Name Abr]\n7=Bengal\n");
    AppState state(dir.path());
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    EXPECT_EQ(state.CurrentWeek, 1);
    EXPECT_EQ(state.LastPlayerNumber, 57);

    // A counter behind the members of the pool continues from their highest number.
    state.Members.resize(2);
    state.Members[1].PlayerNumber = 80;
    state.MemberCount = 2;
    ReadSettings(state, 1LL << 24);
    EXPECT_EQ(state.LastPlayerNumber, 80);
    EXPECT_EQ(state.ColorScheme, 9);
    EXPECT_EQ(state.Title, std::string(34, 'T'));
    EXPECT_EQ(state.Teams.TeamName[7], "A very long team");
    EXPECT_EQ(state.Teams.TeamNameAbbr[7], "Beng");
    EXPECT_EQ(ParsePoolSort(state.PoolSort), PoolSortKind::Confidence);

    ReadSettings(state, 256);  // team schemes are not available on 256 colours
    EXPECT_EQ(state.ColorScheme, 1);
}

TEST(Settings, CurrentWeekIsWrittenToTheSectionItIsReadFrom) {
    TempDir dir;
    WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=3\r\n");
    AppState state(dir.path());
    state.CurrentWeek = 14;
    ASSERT_TRUE(WriteCurrentWeek(state).ok());
    EXPECT_EQ(ReadFile(dir / "Vask97.ini"), "[Gridmoot]\r\nCurrentWeek=14\r\n");

    TempDir fresh;
    AppState other(fresh.path());
    other.CurrentWeek = 5;
    ASSERT_TRUE(WriteCurrentWeek(other).ok());
    EXPECT_EQ(ReadFile(fresh / "Vask97.ini"), "[GridMoot]\r\nCurrentWeek=5\r\n");
    ReadSettings(other, 1LL << 24);
    EXPECT_EQ(other.CurrentWeek, 5);
}

TEST(PoolOptions, ValuesOutsideTheirSetsGiveTheFallbacks) {
    EXPECT_FALSE(UsesPointSpreads("yes"));
    EXPECT_EQ(ParsePSEntrys("Dog"), PSEntrysKind::Favorite);
    EXPECT_EQ(ParseMondayPts(""), MondayPtsKind::NotUsed);
    EXPECT_EQ(ParseMaxCPoints("x"), MaxCPointsKind::MaxGames);
    EXPECT_EQ(ParseTBMethod("MonGam"), TBMethodKind::NotUsed);
    EXPECT_FALSE(WebDarkBackground("bw"));
    EXPECT_EQ(ParseTBMethod("WinPct"), TBMethodKind::WinPct);
}

}  // namespace
}  // namespace gm
