#include <gtest/gtest.h>

#include <filesystem>

#include "core/nfl/Matchup.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "core/output/RecordingSurface.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"

namespace gm {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

// Dallas at Washington in week 4: weeks 1 to 3 count. Dallas won at home
// over the Giants (a push, division), lost at Arizona (division) and beat
// Philadelphia at home (covered, division); Washington tied Miami at home
// (no spread, outside the conference) and lost at the Giants (division).
TEST(Matchup, ComparisonLinesOfAGame) {
    const MatchupTable table = BuildMatchupTable(NflFixtureSeason(), 4);
    const Lines lines = MatchupLines(table, TeamTables::Defaults(), Dal, Was);
    const Lines expected{
        "Regular Stats",
        "   Season Record    2  1  0   73   48        0  1  1   20   48",
        "         At Home    2  0  0   59   27        0  0  1   17   17",
        "         On Road    0  1  0   14   21        0  1  0    3   31",
        "    Last 3 Weeks    2  1  0   73   48        0  1  1   20   48",
        "      Conference    2  1  0   73   48        0  1  0    3   31",
        "  Non Conference    0  0  0    0    0        0  0  1   17   17",
        "        Division    2  1  0   73   48        0  1  0    3   31",
        "",
        "Pt Spread Stats",
        "   Season Record    1  1  1   **   **        0  1  1   **   **",
        "         At Home    1  0  1   **   **        0  0  1   **   **",
        "         On Road    0  1  0   **   **        0  1  0   **   **",
        "    Last 3 Weeks    1  1  1   **   **        0  1  1   **   **",
        "      Conference    1  1  1   **   **        0  1  0   **   **",
        "  Non Conference    0  0  0   **   **        0  0  1   **   **",
        "        Division    1  1  1   **   **        0  1  0   **   **",
        "",
        "                    Dallas                   Washington",
    };
    EXPECT_EQ(lines, expected);
}

// Which weeks a matchup counts: never the chosen week itself; the last-3
// rows the three weeks before it, fewer in weeks 2 and 3.
TEST(Matchup, WeekRanges) {
    struct Case {
        int week;
        WeekRange all, last3;
    };
    for (const Case& c : std::vector<Case>{{1, {0, -1}, {0, -1}},
                                           {2, {0, 0}, {0, 0}},
                                           {3, {0, 1}, {0, 1}},
                                           {4, {0, 2}, {0, 2}},
                                           {5, {0, 3}, {1, 3}},
                                           {21, {0, 19}, {17, 19}}}) {
        SCOPED_TRACE(c.week);
        EXPECT_EQ(MatchupRange(c.week).WkStart, c.all.WkStart);
        EXPECT_EQ(MatchupRange(c.week).WkEnd, c.all.WkEnd);
        EXPECT_EQ(MatchupLast3Range(c.week).WkStart, c.last3.WkStart);
        EXPECT_EQ(MatchupLast3Range(c.week).WkEnd, c.last3.WkEnd);
    }
}

TEST(Matchup, WeekOneShowsNothingAndTheChosenWeekNeverCounts) {
    const SeasonGrid season = NflFixtureSeason();
    // Week 1: every group empty for every team.
    const MatchupTable first = BuildMatchupTable(season, 1);
    for (int t = 1; t <= kTeams; ++t) {
        const MatchupRecord& m = first[static_cast<std::size_t>(t)];
        for (const TeamRecord* r : {&m.Season, &m.Home, &m.Road, &m.L3, &m.Div, &m.Conf, &m.Ps, &m.PsHome,
                                    &m.PsRoad, &m.PsL3, &m.PsDiv, &m.PsConf})
            EXPECT_EQ(r->Wins + r->Losses + r->Ties + r->PointsFor + r->PointsAgainst, 0) << t;
    }
    // Week 2 counts week 1 only, though week 2 is scored: Denver 1-0 (27-10).
    const MatchupTable second = BuildMatchupTable(season, 2);
    EXPECT_EQ(second[Den].Season.Wins, 1);
    EXPECT_EQ(second[Den].Season.PointsFor, 27);
    EXPECT_EQ(second[Den].Season.PointsAgainst, 10);
    // Week 5: the last-3 rows leave out week 1 (Denver's win at Buffalo).
    const MatchupTable fifth = BuildMatchupTable(season, 5);
    EXPECT_EQ(fifth[Den].Season.Wins, 3);
    EXPECT_EQ(fifth[Den].L3.Wins, 2);
    EXPECT_EQ(fifth[Den].L3.PointsFor, 50);
    EXPECT_EQ(fifth[Den].PsL3.Ties, 1);  // the push at home to Buffalo in week 4
}

// Non Conference is Season minus Conference in all five columns; on the real
// 1997 season every team's home and road groups add up to its season.
TEST(Matchup, GroupsAddUpOnTheRealSeason) {
    const SeasonGrid season = RealSeason1997();
    const MatchupTable table = BuildMatchupTable(season, 18);
    const TeamTables teams = TeamTables::Defaults();
    TeamTable outside = NewTeamTable();
    CountRecords(outside, season, MatchupRange(18),
                 {Venue::Overall, Judge::StraightUp, Role::Any, false, GameFilter::NonConference});
    for (int t = 1; t <= kTeams; ++t) {
        SCOPED_TRACE(t);
        const MatchupRecord& m = table[static_cast<std::size_t>(t)];
        EXPECT_EQ(m.Home.Wins + m.Road.Wins, m.Season.Wins);
        EXPECT_EQ(m.Home.PointsFor + m.Road.PointsFor, m.Season.PointsFor);
        EXPECT_EQ(m.PsHome.Losses + m.PsRoad.Losses, m.Ps.Losses);
        EXPECT_EQ(m.Season.Wins + m.Season.Losses + m.Season.Ties, 16);
        // Row 6 (Non Conference) against a count of the games outside the conference.
        const Lines lines = MatchupLines(table, teams, t, t);
        std::string row = "  Non Conference";
        row += "  ";
        const TeamRecord& o = outside[static_cast<std::size_t>(t)];
        for (auto [w, v] : {std::pair{3, o.Wins}, {3, o.Losses}, {3, o.Ties}, {5, o.PointsFor}, {5, o.PointsAgainst}}) {
            const std::string n = std::to_string(v);
            row += std::string(static_cast<std::size_t>(w) - n.size(), ' ') + n;
        }
        EXPECT_EQ(lines[6].substr(0, row.size()), row);
    }
}

struct MatchupOutput : ::testing::Test {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 4);
};

TEST_F(MatchupOutput, TextFileClipboardAndPageNamedAfterBothTeams) {
    MatchupChooser chooser(state);
    chooser.Select(1);  // Dallas at Washington
    auto matchup = chooser.View();
    ASSERT_TRUE(matchup);

    const TextFileOutput file = matchup->TextFile();
    EXPECT_EQ(file.FileName, "Dal@Was.txt");
    EXPECT_EQ(file.ConfirmTitle, "This Weeks Matchups");
    ASSERT_EQ(file.Lines.size(), 24u);
    EXPECT_EQ(file.Lines[0], "                        This Weeks Matchups");
    EXPECT_EQ(file.Lines[2], "                        Dallas at Washington");
    EXPECT_EQ(file.Lines[4], "Category            W  L  T   PF   PA        W  L  T   PF   PA   NOTES");
    EXPECT_EQ(file.Lines[5], "Regular Stats");
    EXPECT_EQ(file.Lines[6], "   Season Record    2  1  0   73   48        0  1  1   20   48 ________");
    EXPECT_EQ(file.Lines[13], "");
    EXPECT_EQ(file.Lines[14], "Pt Spread Stats");
    EXPECT_EQ(file.Lines[21], "        Division    1  1  1   **   **        0  1  0   **   ** ________");
    EXPECT_EQ(file.Lines[23], "                    Dallas                   Washington");

    const ClipboardOutput clip = matchup->Clipboard();
    EXPECT_EQ(clip.Text.substr(0, 47), "                        This Weeks Matchups\r\n\r\n");
    EXPECT_EQ(clip.Confirmation.Text, "Dallas at Washington is on the clipboard");
    EXPECT_EQ(clip.Confirmation.Title, "This Weeks Matchups");

    const WebPageOutput page = matchup->WebPage();
    EXPECT_EQ(page.FileName, "Dal@Was.htm");
    state.Color = "BW";
    const std::string html = WebPageBytes(state, page);
    EXPECT_NE(html.find("<BODY BGCOLOR=#663300 TEXT=WHITE>"), std::string::npos);
    EXPECT_NE(html.find("<FONT COLOR=YELLOW>                        This Weeks Matchups</FONT>"), std::string::npos);
    EXPECT_NE(html.find("   Season Record    2  1  0   73   48        0  1  1   20   48\r\n"), std::string::npos);
    EXPECT_EQ(html.find("NOTES"), std::string::npos);
    EXPECT_EQ(html.find("____"), std::string::npos);
}

// Abbreviations from the settings file cannot lead a file out of its folder.
TEST_F(MatchupOutput, FileNamesKeepToTheFolder) {
    state.Teams.TeamCityAbbr[Dal] = "../..";
    state.Teams.TeamCityAbbr[Was] = "W/a s";
    MatchupChooser chooser(state);
    chooser.Select(1);
    const auto matchup = chooser.View();
    ASSERT_TRUE(matchup);
    EXPECT_EQ(matchup->TextFile().FileName, "Team8@Was.txt");
    EXPECT_EQ(matchup->WebPage().FileName, "Team8@Was.htm");
}

TEST_F(MatchupOutput, PrintoutHasTheNotesColumn) {
    MatchupChooser chooser(state);
    chooser.Select(1);
    const auto matchup = chooser.View();
    RecordingSurface surface;
    ASSERT_TRUE(matchup->Print(surface, 1).ok());
    const auto texts = surface.Texts();
    std::vector<std::string> printed;
    for (const auto& op : texts) printed.push_back(op.text);
    ASSERT_GE(printed.size(), 22u);
    EXPECT_EQ(printed[1], "This Weeks Matchups");
    EXPECT_EQ(texts[1].font.Size, 36);
    EXPECT_TRUE(texts[1].font.Italic);
    EXPECT_EQ(printed[2], "Dallas at Washington");
    EXPECT_EQ(printed[4], "Category            W  L  T   PF   PA        W  L  T   PF   PA   NOTES");
    EXPECT_EQ(printed[6], "   Season Record    2  1  0   73   48        0  1  1   20   48 ________");
    EXPECT_EQ(texts[6].font.Name, "Courier New");
}

// The chooser: only slots with a game are offered; the week spin forgets the
// selection, moves CurrentWeek and makes the table stale; viewing builds it once.
TEST_F(MatchupOutput, ChooserSelectionSpinAndStaleTable) {
    MatchupChooser chooser(state);
    const auto options = chooser.Options();
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[0].Caption, "Buffalo at Denver");
    EXPECT_EQ(options[1].Slot, 1);
    EXPECT_FALSE(chooser.View());  // nothing selected yet

    chooser.Select(5);  // an empty slot selects nothing
    EXPECT_EQ(chooser.Selected(), -1);
    chooser.Select(0);
    EXPECT_TRUE(chooser.Stale());
    ASSERT_TRUE(chooser.View());
    EXPECT_FALSE(chooser.Stale());

    EXPECT_TRUE(chooser.Spin(-1));
    EXPECT_EQ(state.CurrentWeek, 3);
    EXPECT_EQ(chooser.WeekText(), " 3");
    EXPECT_EQ(chooser.Selected(), -1);
    EXPECT_TRUE(chooser.Stale());
    chooser.Select(1);  // Miami hosting the Giants in week 3
    const auto matchup = chooser.View();
    ASSERT_TRUE(matchup);
    EXPECT_EQ(matchup->Away(), NyG);
    EXPECT_EQ(matchup->Lines()[1], "   Season Record    1  1  0   51   27        0  0  1   17   17");

    state.CurrentWeek = 21;
    MatchupChooser last(state);
    EXPECT_FALSE(last.Spin(+1));
    EXPECT_EQ(state.CurrentWeek, 21);
}

}  // namespace
}  // namespace gm
