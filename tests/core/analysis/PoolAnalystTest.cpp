#include <gtest/gtest.h>

#include <algorithm>

#include "core/analysis/PoolAnalyst.h"
#include "core/analysis/fixtures/PoolAnalystFixture.h"
#include "core/output/RecordingSurface.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"

namespace gm {
namespace {

using test::AnalysisFixture;
using namespace test::team;
using Mode = PoolAnalyst::Mode;

struct Record {
    int Wins, Losses, Ties;
    float Points;
    bool operator==(const Record&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Record& r) {
    return os << r.Wins << "-" << r.Losses << "-" << r.Ties << " pts " << r.Points;
}

// Ann's, Ben's and Cy's records, in member order.
std::vector<Record> ByMember(const PoolAnalyst& model) {
    std::vector<Record> out(model.Rows().size());
    for (const AnalystRow& r : model.Rows())
        out[static_cast<std::size_t>(r.MemberIndex)] = {r.Wins, r.Losses, r.Ties, r.Points};
    return out;
}

std::string Name(std::string_view name) { return std::string(name) + std::string(19 - name.size(), ' '); }

TEST(PoolAnalyst, GroupsComeFromTheDivisionTable) {
    EXPECT_EQ(PoolAnalyst::GroupTeams(0).size(), 30u);
    EXPECT_EQ(PoolAnalyst::GroupTeams(1),
              (std::vector<int>{1, 2, 5, 6, 8, 10, 11, 17, 19, 20, 23, 26, 28, 29, 30}));
    EXPECT_EQ(PoolAnalyst::GroupTeams(2), (std::vector<int>{1, 8, 20, 23, 30}));
    EXPECT_EQ(PoolAnalyst::GroupTeams(4), (std::vector<int>{2, 5, 19, 26, 28}));
    EXPECT_EQ(PoolAnalyst::GroupTeams(5),
              (std::vector<int>{3, 4, 7, 9, 12, 13, 14, 15, 16, 18, 21, 22, 24, 25, 27}));
    EXPECT_EQ(PoolAnalyst::GroupTeams(7), (std::vector<int>{3, 7, 12, 14, 24}));
    EXPECT_EQ(PoolAnalyst::GroupTeams(8), (std::vector<int>{9, 15, 22, 25, 27}));
    EXPECT_EQ(PoolAnalyst::GroupCaption(3), "NFC Central");
}

// The four ways of counting, straight up and against the spread. Weeks 1 to
// 3 unless given: Ann lost with Dallas at Philadelphia, won with Dallas over
// Denver and took the Giants in the tie; Ben took the other side each time.
TEST(PoolAnalyst, CountingVariants) {
    struct Case {
        const char* what;
        const char* options;
        int week;
        Mode mode;
        int group;  // -1: the team
        int team;
        std::vector<Record> expected;  // Ann, Ben, Cy
    };
    const std::vector<Case> cases{
        {"a division game counts twice, Dal-Den once, the tie twice with half points", "", 3,
         Mode::InGamesInvolving, 2, 0, {{1, 2, 2, 6}, {2, 1, 2, 8}, {0, 0, 0, 0}}},
        {"all teams: every game twice", "", 3, Mode::InGamesInvolving, 0, 0,
         {{2, 2, 2, 10}, {2, 2, 2, 8}, {0, 0, 0, 0}}},
        {"betting on the group: only picks of its teams", "", 3, Mode::WhenBettingOn, 2, 0,
         {{1, 1, 1, 5}, {1, 0, 1, 4}, {0, 0, 0, 0}}},
        {"games involving one team, once each", "", 3, Mode::InGamesInvolving, -1, Dal,
         {{1, 1, 0, 4}, {1, 1, 0, 1}, {0, 0, 0, 0}}},
        {"betting on one team", "", 3, Mode::WhenBettingOn, -1, Dal, {{1, 1, 0, 4}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"a 0-0 game is not counted", "", 3, Mode::InGamesInvolving, -1, Den,
         {{1, 0, 0, 4}, {0, 1, 0, 0}, {0, 0, 0, 0}}},
        {"a 0-0 game is not counted when betting either", "", 3, Mode::WhenBettingOn, -1, Den,
         {{0, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 0}}},
        {"a group holding one side of a game counts it once", "", 3, Mode::InGamesInvolving, 8, 0,
         {{1, 0, 0, 4}, {0, 1, 0, 0}, {0, 0, 0, 0}}},
        {"only weeks up to the week shown", "", 1, Mode::InGamesInvolving, 2, 0,
         {{0, 2, 0, 0}, {2, 0, 0, 2}, {0, 0, 0, 0}}},
        {"spreads: the push and the tie are ties, Denver covered", "PointSpreads=Yes\r\n", 3,
         Mode::InGamesInvolving, 2, 0, {{0, 1, 4, 5}, {1, 0, 4, 9}, {0, 0, 0, 0}}},
        {"spreads: the 0-0 game is marked not played", "PointSpreads=Yes\r\n", 3, Mode::InGamesInvolving, -1, Den,
         {{0, 1, 0, 0}, {1, 0, 0, 2}, {0, 0, 0, 0}}},
        {"spreads: betting on the group", "PointSpreads=Yes\r\n", 3, Mode::WhenBettingOn, 2, 0,
         {{0, 1, 2, 2.5f}, {0, 0, 2, 3.5f}, {0, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisFixture f(c.week, c.options);
        PoolAnalyst model(f.State);
        model.SetMode(c.mode);
        if (c.group >= 0)
            model.ChooseGroup(c.group);
        else
            model.ChooseTeam(c.team);
        EXPECT_EQ(ByMember(model), c.expected);
    }
}

TEST(PoolAnalyst, SpreadResultsAreRefreshedOnOpening) {
    AnalysisFixture f(3, "PointSpreads=Yes\r\n");
    for (auto& week : f.State.Games)
        for (auto& game : week) game.SpreadWinTeam = game.SpreadLoseTeam = 0;
    PoolAnalyst model(f.State);
    EXPECT_EQ(f.State.Games[0][14].SpreadWinTeam, kNotYetPlayed);
    EXPECT_EQ(f.State.Games[1][0].SpreadWinTeam, Den);
}

// Highest first by the pool's sort option; equal members keep member order;
// the points column only in a confidence pool.
TEST(PoolAnalyst, OrderAndListLines) {
    struct Case {
        const char* sort;
        Mode mode;
        int group;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"Confidence", Mode::InGamesInvolving, 2,
         {Name("Ben") + "  2    1   2   60.0     8.0", Name("Ann") + "  1    2   2   40.0     6.0",
          Name("Cy") + "  0    0   0    0.0     0.0"}},
        {"Wins", Mode::InGamesInvolving, 0,
         {Name("Ann") + "  2    2   2   50.0    N/A ", Name("Ben") + "  2    2   2   50.0    N/A ",
          Name("Cy") + "  0    0   0    0.0    N/A "}},
        {"WinPct", Mode::WhenBettingOn, 2,
         {Name("Ben") + "  1    0   1   75.0    N/A ", Name("Ann") + "  1    1   1   50.0    N/A ",
          Name("Cy") + "  0    0   0    0.0    N/A "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sort);
        AnalysisFixture f(3, std::string("PoolSort=") + c.sort + "\r\n");
        PoolAnalyst model(f.State);
        model.SetMode(c.mode);
        model.ChooseGroup(c.group);
        EXPECT_EQ(model.Lines(), c.lines);
    }
}

TEST(PoolAnalyst, FiltersAndCategoryLine) {
    AnalysisFixture f;
    PoolAnalyst model(f.State);
    EXPECT_EQ(model.Group(), 0);
    EXPECT_EQ(model.CurrentMode(), Mode::InGamesInvolving);
    EXPECT_EQ(model.CategoryLine(), std::string(14, ' ') + "Category: In Games Involving All Teams");
    model.ChooseTeam(Dal);
    model.SetMode(Mode::WhenBettingOn);
    EXPECT_EQ(model.Group(), -1);
    EXPECT_EQ(model.CategoryLine(), std::string(13, ' ') + "Category: When Betting On Dallas Cowboys");
    model.ChooseGroup(6);
    EXPECT_EQ(model.Team(), 0);
    EXPECT_EQ(model.CategoryLine(), std::string(16, ' ') + "Category: When Betting On AFC East");
    model.ChooseGroup(9);  // no such group: nothing changes
    model.ChooseTeam(31);
    EXPECT_EQ(model.Group(), 6);
}

TEST(PoolAnalyst, WeekSpinStopsAtOneAnd21AndMovesCurrentWeek) {
    AnalysisFixture f(2);
    PoolAnalyst model(f.State);
    EXPECT_EQ(model.WeekLabel(), "2");
    EXPECT_TRUE(model.Spin(-1));
    EXPECT_EQ(model.WeekLabel(), " 1");
    EXPECT_EQ(f.State.CurrentWeek, 1);
    EXPECT_FALSE(model.Spin(-1));
    EXPECT_EQ(model.Week(), 1);
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(model.Spin(+1));
    EXPECT_FALSE(model.Spin(+1));
    EXPECT_EQ(f.State.CurrentWeek, 21);
}

TEST(PoolAnalyst, TextFileClipboardAndWebPage) {
    AnalysisFixture f;
    PoolAnalyst model(f.State);
    model.ChooseGroup(2);
    model.Spin(+1);
    model.Spin(-1);  // the label now reads " 3"
    const std::string category = std::string(14, ' ') + "Category: In Games Involving NFC East";
    const std::string heading = ". Vadorurizizs        W    L   T    Pct.   Pts.";
    const std::string body = Name("Ben") + "  2    1   2   60.0     8.0\r\n" + Name("Ann") +
                             "  1    2   2   40.0     6.0\r\n" + Name("Cy") + "  0    0   0    0.0     0.0\r\n";

    const TextFileOutput text = model.TextFile();
    EXPECT_EQ(text.FileName, "Poolpros.txt");
    EXPECT_EQ(text.ConfirmTitle, "The Pool Analyst");
    EXPECT_EQ(text.ConfirmText, "A text file named Poolpros.txt has been created.");
    EXPECT_EQ(TextFileBytes(text.Lines), "\r\n" + std::string(18, ' ') + "The Pool Analyst for Week:  3\r\n\r\n" +
                                             category + "\r\n\r\n" + heading + "\r\n\r\n" + body);

    const ClipboardOutput clip = model.Clipboard();
    EXPECT_EQ(clip.Text, std::string(19, ' ') + "The Pool Analyst for Week  3\r\n\r\n" + category + "\r\n\r\n" +
                             heading + "\r\n\r\n" + body);
    EXPECT_EQ(clip.Confirmation.Title, "The Pool Analyst");
    EXPECT_EQ(clip.Confirmation.Text, "The Pool Analyst for Week 3 is on the Clipboard");

    f.State.Color = "WB";
    const WebPageOutput page = model.WebPage();
    EXPECT_EQ(WebPageBytes(f.State, page),
              "<HTML>\r\n"
              "<HEAD><TITLE>The Pool Analyst</TITLE></HEAD>\r\n"
              "<BODY BGCOLOR=#FFFFCC TEXT=BLACK>\r\n"
              "<CENTER><H2><FONT COLOR=RED> The Acme Office Pool </FONT></H2></CENTER>\r\n"
              "<P></P><HR><P></P>\r\n"
              "<H3><CENTER><FONT COLOR=BLUE>The Pool Analyst For Week  3 </FONT></CENTER></H3><P></P>\r\n"
              "<CENTER><FONT SIZE=4><STRONG>" +
                  category +
                  "</STRONG></FONT></CENTER><P></P>\r\n"
                  "<FONT SIZE=4>\r\n"
                  "<PRE>\r\n"
                  "\r\n"
                  "\r\n"
                  "<FONT COLOR=BLUE>" +
                  heading +
                  "</FONT>\r\n"
                  "\r\n" +
                  body +
                  "</PRE><P></P><HR><P></P>\r\n"
                  "</FONT>\r\n"
                  "<CENTER><FONT COLOR=RED><STRONG> \r\n"
                  "The Acme Office Pool </STRONG></FONT></CENTER>\r\n"
                  "<P></P></BODY>\r\n"
                  "</HTML>\r\n");
    const OutputMessage done = WriteWebPage(f.State, page);
    EXPECT_EQ(done.Title, "The Pool Analyst Web Page");
    EXPECT_EQ(done.Text,
              "A Web Page named poolpros.htm has been created.\r\n\r\nDon't forget to update your Office Pool Index "
              "Page.");
    EXPECT_TRUE(std::filesystem::exists(f.Dir / "Webpages" / "poolpros.htm"));
}

// A team name from the settings file cannot add markup to the page.
TEST(PoolAnalyst, WebPageEscapesTeamNames) {
    AnalysisFixture f;
    f.State.Teams.TeamName[Dal] = "<i>Boys</i>";
    PoolAnalyst model(f.State);
    model.ChooseTeam(Dal);
    const std::string page = WebPageBytes(f.State, model.WebPage());
    EXPECT_NE(page.find("Dallas &lt;i&gt;Boys&lt;/i&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<i>"), std::string::npos);
}

TEST(PoolAnalyst, PrintsTitleCategoryHeadingAndLines) {
    AnalysisFixture f;
    PoolAnalyst model(f.State);
    RecordingSurface page;
    ASSERT_TRUE(model.Print(page, 2));
    const auto texts = page.Texts();
    ASSERT_EQ(texts.size(), 2 * 11u);
    EXPECT_EQ(texts[1].text, "The Pool Analyst: Week 3");
    EXPECT_EQ(texts[1].y, 200);
    EXPECT_EQ(texts[1].font, (PageFont{"Sans Serif", 18, false, false, true, 600}));
    EXPECT_EQ(texts[1].x, (page.ScaleWidth() - 24 * 18 * 12) / 2);  // centred: 24 characters of 18 points
    EXPECT_EQ(texts[3].text, "Category: In Games Involving All Teams");
    EXPECT_EQ(texts[3].font, (PageFont{"Sans Serif", 15, false, false, false, 600}));
    EXPECT_EQ(texts[6].text, std::string(PoolAnalyst::kHeading));
    EXPECT_EQ(texts[6].font, (PageFont{"Courier New", 12, false, false, true, 500}));
    EXPECT_EQ(texts[8].text, model.Lines()[0]);
    EXPECT_EQ(texts[11].page, 1);  // the second copy on its own sheet
    EXPECT_EQ(page.Pages(), 2);
}

// A long pool runs onto a second sheet that repeats the heading; the counts
// of a whole season of selections do not wrap.
TEST(PoolAnalyst, LongPoolAndFullSeason) {
    test::TempDir dir;
    AppState state(dir.path());
    for (int w = 0; w < kWeeks; ++w)
        for (int s = 0; s < kSlots; ++s) state.Games[w][s] = test::FixtureGame(1 + s * 2, 2 + s * 2, 21, 7);
    MemberRecord all;
    all.Name = FitName("All Home");
    for (int w = 0; w < kWeeks; ++w)
        for (int s = 0; s < kSlots; ++s) test::Pick(all, w, s, 1 + s * 2, 200);
    state.Members.assign(80, MemberRecord{});
    state.Members[40] = all;
    state.MemberCount = 80;
    state.CurrentWeek = 21;
    PoolAnalyst model(state);
    ASSERT_EQ(model.Rows()[0].MemberIndex, 40);
    EXPECT_EQ(model.Rows()[0].Wins, 630);
    EXPECT_FLOAT_EQ(model.Rows()[0].Points, 126000);
    EXPECT_EQ(model.Lines()[0].substr(19), "630    0   0  100.0126000.0");

    RecordingSurface page;
    ASSERT_TRUE(model.Print(page, 1));
    EXPECT_EQ(page.Pages(), 2);
    const auto texts = page.Texts();
    const auto second = std::find_if(texts.begin(), texts.end(), [](const auto& op) { return op.page == 1; });
    ASSERT_NE(second, texts.end());
    EXPECT_EQ(second[0].text, "");
    EXPECT_EQ(second[1].text, std::string(PoolAnalyst::kHeading));
    EXPECT_TRUE(second[1].font.Underline);
    EXPECT_EQ(second[2].text, "");
    EXPECT_EQ(second[3].text.size(), 46u);
}

// No members: an empty list and writers that still work.
TEST(PoolAnalyst, EmptyPool) {
    AnalysisFixture f(3, "", {});
    PoolAnalyst model(f.State);
    EXPECT_TRUE(model.Rows().empty());
    EXPECT_TRUE(model.Lines().empty());
    EXPECT_EQ(model.TextFile().Lines.size(), 7u);
    RecordingSurface page;
    EXPECT_TRUE(model.Print(page, 1));
}

}  // namespace
}  // namespace gm
