#include <gtest/gtest.h>

#include <filesystem>

#include "core/nfl/NflResults.h"
#include "core/nfl/TeamResults.h"
#include "core/output/RecordingSurface.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/nfl/fixtures/NflFixture.h"

namespace gm {
namespace {

using test::NflGame;
using Lines = std::vector<std::string>;

// ---- Weekly results --------------------------------------------------------

struct WeekCase {
    int week;
    Lines lines;
};

// The fixture's weeks as the results text shows them: the home team in
// capitals, the winner first, the underdog's points beside it.
TEST(NflResults, EachWeekAsTheResultsTextShowsIt) {
    const std::string title = "               NFL  Results  Week ";
    const std::string monday = "               Monday Nite Game";
    const std::string caps = "              Home teams are in CAPS";
    const std::vector<WeekCase> cases{
        // A push (Dal by 4, NyG +4), a home underdog that lost (Buf +3), a
        // game entered 0-0 (away team first) and a Monday tie without a spread.
        {1,
         {title + "1", "", "              DALLAS 24  20  NY Giants +4", "              Denver 27  10  BUFFALO +3",
          "             Arizona  0   0  PHILADELPHIA", "", monday, "", "               Miami 17  17  WASHINGTON", "",
          caps}},
        // Underdogs that won, away (Den +2.5) and at home (Ari +6.5), carry
        // their mark before the name.
        {2,
         {title + "2", "", "           NY GIANTS 31   3  Washington +7", "         +2.5 Denver 20  13  KANSAS CITY",
          "", monday, "", "        +6.5 ARIZONA 21  14  Dallas", "", caps}},
        {3,
         {title + "3", "", "              DALLAS 35   7  Philadelphia +10",
          "          +1.5 MIAMI 24  21  NY Giants", "", caps}},
        // A game not yet played shows the away team first.
        {4, {title + "4", "", "              DENVER 30  20  Buffalo +10", "              Dallas  0   0  WASHINGTON", "", caps}},
        // A week without games has only the title and the note.
        {9, {title + "9", "", "", caps}},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        AppState state = test::NflFixtureState(dir.path(), c.week);
        NflResults results(state);
        EXPECT_EQ(results.ResultsLines(), c.lines) << "week " << c.week;
    }
}

TEST(NflResults, RowsHideEmptySlotsAndKeepTheScoresAsStored) {
    test::TempDir dir;
    AppState state = test::NflFixtureState(dir.path(), 1);
    NflResults results(state);
    int shown = 0;
    for (const auto& row : results.Rows()) shown += row.Shown ? 1 : 0;
    EXPECT_EQ(shown, 4);
    EXPECT_FALSE(results.Rows()[3].Shown);
    const ResultRow& monday = results.Rows()[kMondaySlot];
    EXPECT_EQ(monday.WinText, "Miami");
    EXPECT_EQ(monday.LoseText, "WASHINGTON");
    EXPECT_EQ(monday.WinScoreText, "17");
    EXPECT_EQ(monday.LoseScoreText, "17");
}

TEST(NflResults, SpinStopsAtTheSeasonEndsAndMovesTheCurrentWeek) {
    test::TempDir dir;
    AppState state = test::NflFixtureState(dir.path(), 2);
    NflResults results(state);
    EXPECT_EQ(results.WeekText(), "2");
    ASSERT_TRUE(results.Spin(-1));
    EXPECT_EQ(results.WeekText(), " 1");
    EXPECT_EQ(state.CurrentWeek, 1);
    EXPECT_FALSE(results.Spin(-1));
    EXPECT_EQ(results.Week(), 1);
    EXPECT_EQ(results.TextFile().FileName, "NFLWk 1.txt");
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(results.Spin(+1));
    EXPECT_FALSE(results.Spin(+1));
    EXPECT_EQ(state.CurrentWeek, 21);
    EXPECT_EQ(results.WeekText(), " 21");
}

TEST(NflResults, TextFileWebPageAndSilentClipboard) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "TxtFiles");
    std::filesystem::create_directory(dir / "Webpages");
    AppState state = test::NflFixtureState(dir.path(), 3);
    NflResults results(state);
    const std::string body =
        "               NFL  Results  Week 3\r\n"
        "\r\n"
        "              DALLAS 35   7  Philadelphia +10\r\n"
        "          +1.5 MIAMI 24  21  NY Giants\r\n"
        "\r\n"
        "              Home teams are in CAPS\r\n";

    const OutputMessage text = WriteTextFile(state, results.TextFile());
    EXPECT_EQ(text.Title, "NFL Results Text File");
    EXPECT_EQ(text.Text, "A text file named NFLWk3.txt was created.");
    EXPECT_EQ(test::ReadFile(dir / "TxtFiles" / "NFLWk3.txt"), body);

    const ClipboardOutput clip = results.Clipboard();
    EXPECT_EQ(clip.Text, body);
    EXPECT_EQ(clip.Confirmation.icon, OutputMessage::Icon::None);

    state.Color = "WB";
    const OutputMessage web = WriteWebPage(state, results.WebPage());
    EXPECT_EQ(web.Title, "NFL Results Web Page");
    EXPECT_EQ(web.Text, "A Web Page named nfl.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page.");
    EXPECT_EQ(test::ReadFile(dir / "Webpages" / "nfl.htm"),
              "<HTML>\r\n"
              "<HEAD><TITLE>NFL Weekly Results</TITLE></HEAD>\r\n"
              "<BODY BGCOLOR=#FFFFCC TEXT=BLACK>\r\n"
              "<CENTER><H2><FONT COLOR=RED> The Acme Office Pool </FONT></H2></CENTER>\r\n"
              "<P></P><HR><P></P>\r\n"
              "<PRE><STRONG>\r\n" +
                  body +
                  "</STRONG></PRE><P></P><HR><P></P>\r\n"
                  "<CENTER><FONT COLOR=RED><STRONG> \r\n"
                  "The Acme Office Pool </STRONG></FONT></CENTER>\r\n"
                  "<P></P></BODY>\r\n"
                  "</HTML>\r\n");
}

// Team names come from the settings file: on the page they cannot add markup.
TEST(NflResults, WebPageEscapesTeamNames) {
    test::TempDir dir;
    AppState state = test::NflFixtureState(dir.path(), 3);
    state.Teams.TeamCity[test::Phi] = "<i>Philly</i>";
    NflResults results(state);
    const std::string page = WebPageBytes(state, results.WebPage());
    EXPECT_NE(page.find("DALLAS 35   7  &lt;i&gt;Philly&lt;/i&gt; +10"), std::string::npos) << page;
    EXPECT_EQ(page.find("<i>"), std::string::npos);
}

TEST(NflResults, PrintsEachGameWithItsSpreadsAndTheMondayHeading) {
    test::TempDir dir;
    AppState state = test::NflFixtureState(dir.path(), 2);
    NflResults results(state);
    ASSERT_TRUE(results.Spin(-1));  // the title carries the label as shown: " 1"
    RecordingSurface page;
    ASSERT_TRUE(results.Print(page, 1));
    const auto texts = page.Texts();
    std::vector<std::string> printed;
    for (const auto& op : texts) printed.push_back(op.text);
    const Lines expected{"",         "",        "NFL Results:  Week  1", "",  "DALLAS", "24", "-", "20", "NY Giants",
                         "+4",       "",        "Denver",                "27", "-",     "10", "BUFFALO", "+3", "",
                         "Arizona",  "0",       "-",                     "0",  "PHILADELPHIA", "",  "",
                         "Monday Nite Game",    "",                      "Miami", "17", "-", "17", "WASHINGTON", ""};
    EXPECT_EQ(printed, expected);

    const double w = page.ScaleWidth();
    const auto at = [&](const std::string& text) {
        for (const auto& op : texts)
            if (op.text == text) return op;
        ADD_FAILURE() << "not printed: " << text;
        return RecordingSurface::Op{};
    };
    const auto title = at("NFL Results:  Week  1");
    EXPECT_EQ(title.font, (PageFont{"Arial", 24, false, false, true, 600}));
    EXPECT_DOUBLE_EQ(title.x, w / 2 - 21 * 24 * 12 / 2);
    const auto first = at("DALLAS");
    EXPECT_DOUBLE_EQ(first.x, w / 16);
    EXPECT_EQ(first.font, (PageFont{"Arial", 20}));
    const auto mark = at("+4");
    EXPECT_EQ(mark.font.Size, 12);
    EXPECT_DOUBLE_EQ(mark.x, w / 1.7 + 9 * 20 * 12 + 20 * 12);  // after "NY Giants" and a blank
    EXPECT_DOUBLE_EQ(at("24").x + 2 * 20 * 12, w / 2.2);
    EXPECT_DOUBLE_EQ(at("NY Giants").x, w / 1.7);
    EXPECT_EQ(at("Monday Nite Game").font, (PageFont{"Arial", 20, false, false, true, 600}));
    EXPECT_EQ(at("WASHINGTON").font, (PageFont{"Arial", 20}));
}

TEST(NflResults, PrintFailureUsesTheSheetsTitle) {
    test::TempDir dir;
    AppState state = test::NflFixtureState(dir.path(), 1);
    NflResults results(state);
    EXPECT_EQ(results.PrintErrorTitle(), "Unable to Print, Please check your Printer");
    RecordingSurface page;
    page.FailAtPrint(5, "Printer out of paper");
    const Status printed = results.Print(page, 2);
    EXPECT_FALSE(printed);
    EXPECT_EQ(printed.message, "Printer out of paper");
}

// ---- Team results ----------------------------------------------------------

// Dallas in the fixture, with a road tie in week 19 added: a push at home, a
// road loss, a home win, a road game not yet played, open weeks, no game in
// week 18.
AppState DallasState(const std::filesystem::path& folder) {
    AppState state = test::NflFixtureState(folder);
    state.Games[18][0] = NflGame(test::Phi, test::Dal, 17, 17, 0, 3);
    state.ResultsTeam = test::Dal - 1;
    return state;
}

Lines DallasWeeks(bool spread) {
    const auto s = [spread](const std::string& line, const std::string& word) {
        return spread ? line + "    " + word : line;
    };
    Lines lines{s("Week  1    NY Giants       24-20    1  0  0", "TIED"),
                s("Week  2  @ Arizona         14-21    1  1  0", "LOST"),
                s("Week  3    Philadelphia    35- 7    2  1  0", "WON"),
                "Week  4  @ Washington    "};
    for (int week = 5; week <= 9; ++week) lines.push_back("Week  " + std::to_string(week) + "    OFF DATE");
    for (int week = 10; week <= 17; ++week) lines.push_back("Week " + std::to_string(week) + "    OFF DATE");
    lines.push_back("Week 18");
    lines.push_back(s("Week 19  @ Philadelphia    17-17    2  1  1", "WON"));
    lines.push_back("Week 20");
    lines.push_back("Week 21");
    return lines;
}

TEST(TeamResults, WeeksRecordsAndPoints) {
    test::TempDir dir;
    AppState state = DallasState(dir.path());
    TeamResults team(state);
    EXPECT_EQ(team.Team(), test::Dal);
    Lines list = DallasWeeks(true);
    list.insert(list.begin() + 17, std::string(56, '-'));
    EXPECT_EQ(team.ListLines(), list);
    EXPECT_EQ(team.HomeText(), "2 - 0 - 0");
    EXPECT_EQ(team.AwayText(), "0 - 1 - 1");
    EXPECT_EQ(team.PSText(), "2 - 1 - 1");
    EXPECT_EQ(team.PointsForText(), "90");
    EXPECT_EQ(team.PointsAgainstText(), "65");
    EXPECT_EQ(team.AvgPFText(), "22.5");
    EXPECT_EQ(team.AvgPAText(), "16.3");  // 16.25 rounds up

    // A team without a played game averages 0.0; bad numbers are refused.
    ASSERT_TRUE(team.ChooseTeam(2));
    EXPECT_EQ(team.AvgPFText(), "0.0");
    EXPECT_EQ(team.HomeText(), "0 - 0 - 0");
    EXPECT_EQ(team.ListLines()[0], "Week  1    OFF DATE");
    EXPECT_FALSE(team.ChooseTeam(31));
    EXPECT_FALSE(team.ChooseTeam(0));
    EXPECT_EQ(team.Team(), 2);
}

TEST(TeamResults, OpensOnResultsTeamAndFallsBackOnBadNumbers) {
    test::TempDir dir;
    AppState state = DallasState(dir.path());
    for (const auto& [stored, opened] : std::vector<std::pair<int, int>>{{7, 8}, {0, 1}, {29, 30}, {30, 1}, {-5, 1}}) {
        state.ResultsTeam = stored;
        EXPECT_EQ(TeamResults(state).Team(), opened) << stored;
    }
    EXPECT_EQ(TeamResults(state).TeamChoices().size(), 30u);
    EXPECT_EQ(TeamResults(state).TeamChoices()[7], "Dallas");
}

TEST(TeamResults, TeamFromTextTakesNumbersAbbreviationsAndCities) {
    TeamTables teams = TeamTables::Defaults();
    teams.TeamCityAbbr[27] = " Sea ";
    const std::vector<std::pair<std::string, int>> cases{
        {"8", 8},     {"30", 30},    {"dal", 8},      {"DAL", 8},   {"Green Bay", 11}, {"green bay", 11},
        {"sea", 27},  {"Car", 5},    {"0", 0},        {"31", 0},    {"-1", 0},         {"8x", 0},
        {"", 0},      {"  ", 0},     {"Nowhere", 0},
    };
    for (const auto& [text, team] : cases) EXPECT_EQ(TeamResults::TeamFromText(teams, text), team) << text;
}

TEST(TeamResults, AveragesOverPlayedGamesOnly) {
    // 3 games played out of 17 scheduled, 60 points for.
    test::TempDir dir;
    AppState state(dir.path());
    const int scores[] = {10, 20, 30};
    for (int w = 0; w < 17; ++w)
        state.Games[static_cast<std::size_t>(w)][0] = w < 3 ? NflGame(1, 2, scores[w], 7) : NflGame(1, 2, 0, 0);
    TeamResults team(state);
    EXPECT_EQ(team.AvgPFText(), "20.0");
    EXPECT_EQ(team.AvgPAText(), "7.0");
    EXPECT_EQ(team.GamesPlayed(), 3);
}

TEST(TeamResults, TextFileWithAndWithoutSpreadColumn) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "TxtFiles");
    AppState state = DallasState(dir.path());
    TeamResults team(state);
    for (const bool spread : {true, false}) {
        team.SetShowSpread(spread);
        const OutputMessage done = WriteTextFile(state, team.TextFile());
        EXPECT_EQ(done.Title, "Dallas Cowboys Text File");
        EXPECT_EQ(done.Text, "A text file named Dal.txt was created.");
        Lines lines{"Dallas  Cowboys", "NFL Schedule and Results", "",
                    spread ? " Week       Opponent       Result   W- L- T  PS.Result "
                           : " Week       Opponent       Result   W- L- T "};
        Lines weeks = DallasWeeks(spread);
        weeks.insert(weeks.begin() + 17, std::string(spread ? 52 : 44, '-'));
        lines.insert(lines.end(), weeks.begin(), weeks.end());
        EXPECT_EQ(test::ReadFile(dir / "TxtFiles" / "Dal.txt"), TextFileBytes(lines)) << spread;
    }
    const ClipboardOutput clip = team.Clipboard();
    EXPECT_EQ(clip.Confirmation.Title, "NFL Team Standings");
    EXPECT_EQ(clip.Confirmation.Text, "Dallas Cowboys Season Record \r\nIs Now On The Clipboard");
    EXPECT_EQ(clip.Text.substr(0, 45), "Dallas  Cowboys\r\nNFL Schedule and Results\r\n\r\n");
}

TEST(TeamResults, WebPageBytes) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "Webpages");
    AppState state(dir.path());
    state.Games[0][0] = NflGame(test::Ari, test::Dal, 21, 14, 6.5f, 0);
    TeamResults team(state);  // Arizona, the first team
    const OutputMessage done = WriteWebPage(state, team.WebPage());
    EXPECT_EQ(done.Title, "Arizona Cardinals Web Page");
    EXPECT_EQ(done.Text,
              "A Web Page named Ari.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page.");
    std::string weeks = "Week  1    Dallas          21-14    1  0  0    WON\r\n";
    for (int week = 2; week <= 17; ++week)
        weeks += (week < 10 ? "Week  " : "Week ") + std::to_string(week) + "    OFF DATE\r\n";
    weeks += std::string(52, '-') + "\r\nWeek 18\r\nWeek 19\r\nWeek 20\r\nWeek 21\r\n";
    EXPECT_EQ(test::ReadFile(dir / "Webpages" / "Ari.htm"),
              "<HTML>\r\n"
              "<HEAD><TITLE>NFL Team Results</TITLE></HEAD>\r\n"
              "<BODY BGCOLOR=#003399 TEXT=WHITE>\r\n"
              "<CENTER><H2><FONT COLOR=LIME>The Acme Office Pool </FONT></H2></CENTER>\r\n"
              "<P></P><HR><P></P>\r\n"
              "<PRE><STRONG><FONT COLOR=YELLOW>\r\n"
              "Arizona  Cardinals\r\n"
              "NFL Schedule and Results\r\n"
              "\r\n"
              " Week       Opponent       Result   W- L- T  PS.Result </FONT>\r\n" +
                  weeks +
                  "</STRONG></PRE><P></P><HR><P></P>\r\n"
                  "<CENTER><FONT COLOR=LIME><STRONG>\r\n"
                  "The Acme Office Pool </STRONG></FONT></CENTER>\r\n"
                  "<P></P></BODY>\r\n"
                  "</HTML>\r\n");
}

// An abbreviation from the settings file never takes a file out of its folder
// and never names a device; the user is told the name actually used.
TEST(TeamResults, HostileAbbreviationsGiveUsableFileNames) {
    struct Case {
        std::string abbr;
        std::string stem;
    };
    const std::vector<Case> cases{
        {"Ari", "Ari"},          {"../../etc/x", "etcx"}, {"..", "Team1"},   {"", "Team1"},
        {"a\\b", "ab"},          {"CON", "Team1"},        {"nul", "Team1"},  {"Com1", "Team1"},
        {"LPT9", "Team1"},       {"COM10", "COM10"},      {"Con1", "Con1"},  {"  ", "Team1"},
        {"X:Y*?", "XY"},         {"St.L", "StL"},         {"\x01\t", "Team1"}, {"Ar\xC3\xA9", "Ar"},
        {"PRN.", "Team1"},       {std::string(100, 'x'), std::string(64, 'x')},
    };
    test::TempDir dir;
    std::filesystem::create_directory(dir / "TxtFiles");
    std::filesystem::create_directory(dir / "Webpages");
    AppState state(dir.path());
    for (const auto& c : cases) {
        state.Teams.TeamCityAbbr[1] = c.abbr;
        TeamResults team(state);
        EXPECT_EQ(team.FileStem(), c.stem) << c.abbr;
        const OutputMessage text = WriteTextFile(state, team.TextFile());
        EXPECT_EQ(text.Text, "A text file named " + c.stem + ".txt was created.") << c.abbr;
        EXPECT_TRUE(std::filesystem::exists(dir / "TxtFiles" / (c.stem + ".txt"))) << c.abbr;
        const OutputMessage web = WriteWebPage(state, team.WebPage());
        EXPECT_EQ(web.Text.substr(0, web.Text.find('\r')), "A Web Page named " + c.stem + ".htm was created.");
        EXPECT_TRUE(std::filesystem::exists(dir / "Webpages" / (c.stem + ".htm"))) << c.abbr;
    }
    // Nothing was written anywhere but the two folders.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
        const auto parent = entry.path().parent_path().filename();
        EXPECT_TRUE(entry.is_directory() || parent == "TxtFiles" || parent == "Webpages") << entry.path();
    }
}

TEST(TeamResults, PrintsTitlesThenTheTableInCourier) {
    test::TempDir dir;
    AppState state = DallasState(dir.path());
    TeamResults team(state);
    team.SetShowSpread(false);
    RecordingSurface page;
    ASSERT_TRUE(team.Print(page, 2));
    EXPECT_EQ(page.Pages(), 2);
    const auto texts = page.Texts();
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(texts[1].text, "Dallas  Cowboys");
    EXPECT_EQ(texts[1].font, (PageFont{"Arial", 24, false, false, true, 600}));
    EXPECT_DOUBLE_EQ(texts[1].x, page.ScaleWidth() / 2 - 15 * 24 * 12 / 2);
    EXPECT_EQ(texts[2].text, "NFL Schedule and Results");
    EXPECT_EQ(texts[4].text, " Week       Opponent       Result   W- L- T ");
    EXPECT_EQ(texts[4].font, (PageFont{"Courier New", 14}));
    EXPECT_DOUBLE_EQ(texts[4].x, 0);
    Lines body;
    for (std::size_t i = 5; i < texts.size() && texts[i].page == 0; ++i) body.push_back(texts[i].text);
    Lines weeks = DallasWeeks(false);
    weeks.insert(weeks.begin() + 17, std::string(44, '-'));
    EXPECT_EQ(body, weeks);
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

// Denver's 1997 season from the public results: 12-4, open in week 7, all
// eight home games won, then four playoff wins ending in the Super Bowl.
TEST(TeamResults, Denver1997MatchesThePublishedResults) {
    test::TempDir dir;
    AppState state(dir.path());
    state.Games = test::RealSeason1997();
    state.ResultsTeam = test::Den - 1;
    TeamResults team(state);
    const Lines list = team.ListLines();
    ASSERT_EQ(list.size(), 22u);
    EXPECT_EQ(list[0], "Week  1    Kansas City     19- 3    1  0  0    WON");
    EXPECT_EQ(list[6], "Week  7    OFF DATE");
    EXPECT_EQ(list[7], "Week  8  @ Oakland         25-28    6  1  0    LOST");
    EXPECT_EQ(list[16], "Week 17    San Diego       38- 3   12  4  0    WON");
    EXPECT_EQ(list[18], "Week 18    Jacksonville    42-17   13  4  0    WON");
    EXPECT_EQ(list[21], "Week 21  @ Green Bay       31-24   16  4  0    WON");
    EXPECT_EQ(team.HomeText(), "9 - 0 - 0");
    EXPECT_EQ(team.AwayText(), "7 - 4 - 0");
    EXPECT_EQ(team.PointsForText(), "583");
    EXPECT_EQ(team.PointsAgainstText(), "359");
    EXPECT_EQ(team.GamesPlayed(), 20);
}

}  // namespace
}  // namespace gm
