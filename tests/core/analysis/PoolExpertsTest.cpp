#include <gtest/gtest.h>

#include "core/analysis/fixtures/PoolAnalystFixture.h"
#include "core/analysis/PoolExperts.h"
#include "core/output/RecordingSurface.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"

namespace gm {
namespace {

using test::AnalysisFixture;
using namespace test::team;

std::string Name(std::string_view name) { return std::string(name) + std::string(18 - name.size(), ' '); }

// Week 4 on the records of weeks 1 to 3.
TEST(PoolExperts, ExpertPickAndResultPerGame) {
    AnalysisFixture f(4);
    PoolExperts model(f.State);
    struct Row {
        const char* why;
        std::string game, player, record, pick, won, winner, wonScore, loser, lossScore;
    };
    const std::vector<Row> rows{
        {"most wins in Dallas and Philadelphia games, the game between them counted twice", "Phi at Dal",
         Name("Ben"), " 2-1", "Phi", "No", "Dal", "30", "Phi", "10"},
        {"a 0-0 game of Denver not counted; the game not played yet", "Ari at Den", Name("Ann"), " 1-0", "Ari",
         "***", "Ari", "0", "Den", "0"},
        {"equal wins and percentage: member order; the away team won", "NyG at Kc", Name("Ann"), " 0-0", "NyG",
         "Yes", "NyG", "21", "Kc", "14"},
        {"no history at all: the first member, who made no selection", "Min at Chi", Name("Ann"), " 0-0", "***",
         "***", "Chi", "7", "Min", "3"},
    };
    for (std::size_t s = 0; s < rows.size(); ++s) {
        SCOPED_TRACE(rows[s].why);
        const ExpertGame& g = model.Games()[s];
        EXPECT_TRUE(g.HasGame);
        EXPECT_EQ(g.Game, rows[s].game);
        EXPECT_EQ(g.Player, rows[s].player);
        EXPECT_EQ(g.RecordText, rows[s].record);
        EXPECT_EQ(g.Pick, rows[s].pick);
        EXPECT_EQ(g.Won, rows[s].won);
        EXPECT_EQ(g.Winner + g.WonScore + g.Loser + g.LossScore,
                  rows[s].winner + rows[s].wonScore + rows[s].loser + rows[s].lossScore);
    }
    EXPECT_FALSE(model.Games()[4].HasGame);
    EXPECT_EQ(model.Games()[4].Player, "");
    // The expert without a selection and the game not played do not count.
    EXPECT_EQ(model.ExpertWLT(), "1 - 1 - 0");
    EXPECT_EQ(model.ExpertPct(), "50.00");
    EXPECT_EQ(model.PoolWLT(), "3 - 1 - 0");
    EXPECT_EQ(model.PoolPct(), "75.00");
    EXPECT_EQ(model.StatsLabel(), "Week 4 Stats");
    EXPECT_EQ(model.RecordWeekNote(), "Expert Records are From Week 1 to Week 3");
}

// Against the spread Dallas-Philadelphia of week 1 was a push: ties count,
// but the member with more wins is still the expert.
TEST(PoolExperts, AgainstTheSpread) {
    AnalysisFixture f(4, "PointSpreads=Yes\r\n");
    PoolExperts model(f.State);
    // Ann: push twice (tie, tie), Dallas did not cover against Denver: 0-1-2.
    // Ben: push twice, Denver covered: 1-0-2.
    EXPECT_EQ(model.Games()[0].Player, Name("Ben"));
    EXPECT_EQ(model.Games()[0].Record.Ties, 2);
    EXPECT_EQ(model.Games()[0].RecordText, " 1-0");
}

// Wins decide before percentage: 2-2 beats 1-0.
TEST(PoolExperts, WinsBeforePercentage) {
    test::TempDir dir;
    AppState state(dir.path());
    const int opponents[] = {Ari, Chi, Den, Kc};
    for (int w = 0; w < 4; ++w) state.Games[w][0] = test::FixtureGame(Dal, opponents[w], 20, 10);
    state.Games[4][0] = test::FixtureGame(Dal, Phi, 0, 0);
    MemberRecord sure, busy;
    sure.Name = FitName("Sure");
    busy.Name = FitName("Busy");
    test::Pick(sure, 0, 0, Dal, 1);
    for (int w = 0; w < 4; ++w) test::Pick(busy, w, 0, w < 2 ? Dal : opponents[w], 1);
    state.Members = {sure, busy};
    state.MemberCount = 2;
    state.CurrentWeek = 5;
    PoolExperts model(state);
    EXPECT_EQ(model.Games()[0].Player, Name("Busy"));
    EXPECT_EQ(model.Games()[0].RecordText, " 2-2");
}

TEST(PoolExperts, SpinStopsAtWeekFourWithTheMessageAndAt21) {
    AnalysisFixture f(5);
    PoolExperts model(f.State);
    EXPECT_EQ(model.Spin(-1), PoolExperts::SpinResult::Moved);
    EXPECT_EQ(model.WeekLabel(), " 4");
    EXPECT_EQ(f.State.CurrentWeek, 4);
    EXPECT_EQ(model.Spin(-1), PoolExperts::SpinResult::MinimumData);
    EXPECT_EQ(model.Week(), 4);
    for (int w = 5; w <= 21; ++w) EXPECT_EQ(model.Spin(+1), PoolExperts::SpinResult::Moved);
    EXPECT_EQ(model.Spin(+1), PoolExperts::SpinResult::AtLimit);
    EXPECT_EQ(f.State.CurrentWeek, 21);
    EXPECT_EQ(model.RecordWeekNote(), "Expert Records are From Week 1 to Week 20");
}

TEST(PoolExperts, ReportLinesAndWriters) {
    AnalysisFixture f(4);
    PoolExperts model(f.State);
    const std::string blankGame(57, ' ');
    std::vector<std::string> expected{
        std::string(26, ' ') + "THE POOL EXPERTS",
        "",
        "   Game     Expert          Record  Pick   Won?   Game Result",
        std::string(62, '-'),
        "Phi at Dal  " + Name("Ben") + " 2-1  Phi    No    Dal 30  Phi 10",
        "Ari at Den  " + Name("Ann") + " 1-0  Ari    ***   Ari 0   Den 0",
        " NyG at Kc  " + Name("Ann") + " 0-0  NyG    Yes   NyG 21  Kc  14",
        "Min at Chi  " + Name("Ann") + " 0-0  ***    ***   Chi 7   Min 3",
    };
    for (int s = 4; s < 15; ++s) expected.push_back(blankGame);
    for (const char* line : {"", "", "  Pool Experts                         Pool (Overall)",
                             "  ------------                         --------------",
                             "  Won-Loss-Tie                          Won-Loss-Tie",
                             "   1 - 1 - 0                               3 - 1 - 0", "",
                             "    Win Pct.                               Win Pct.",
                             "     50.00                                  75.00"})
        expected.emplace_back(line);
    EXPECT_EQ(model.ReportLines(), expected);

    const TextFileOutput text = model.TextFile();
    EXPECT_EQ(text.FileName, "Experts.txt");
    const OutputMessage saved = WriteTextFile(f.State, text);
    EXPECT_EQ(saved.Title, "The Pool Experts");
    EXPECT_EQ(saved.Text, "A text file named Experts.txt was created.");
    EXPECT_EQ(test::ReadFile(f.Dir / "TxtFiles" / "Experts.txt"), TextFileBytes(expected));

    const ClipboardOutput clip = model.Clipboard();
    const std::string joined = TextFileBytes(expected);
    EXPECT_EQ(clip.Text, joined.substr(0, joined.size() - 2));
    EXPECT_EQ(clip.Confirmation.Title, "The Pool Experts");
    EXPECT_EQ(clip.Confirmation.Text, "The Pool Expert stats are on the clipboard");

    const std::string page = WebPageBytes(f.State, model.WebPage());
    EXPECT_EQ(page.substr(0, page.find("<PRE>")),
              "<HTML>\r\n<HEAD><TITLE>The Pool Experts</TITLE></HEAD>\r\n<BODY BGCOLOR=#663300 TEXT=WHITE>\r\n"
              "<CENTER><H2><FONT COLOR=RED> The Acme Office Pool </FONT></H2></CENTER>\r\n<P></P><HR><P></P>\r\n");
    EXPECT_NE(page.find("<PRE><STRONG>\r\n" + joined + "</STRONG></PRE><P></P><HR><P></P>\r\n"), std::string::npos);
    const OutputMessage web = WriteWebPage(f.State, model.WebPage());
    EXPECT_EQ(web.Title, "The Pool Experts Web Page");
    EXPECT_EQ(web.Text, "A Web Page named experts.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page.");
}

TEST(PoolExperts, PrintsTitleUnderlinedGamesThenSummary) {
    AnalysisFixture f(4);
    PoolExperts model(f.State);
    RecordingSurface page;
    ASSERT_TRUE(model.Print(page, 1));
    const auto texts = page.Texts();
    const auto lines = model.ReportLines();
    ASSERT_EQ(texts.size(), 1 + 1 + 1 + 1 + 15 + 9u);
    EXPECT_EQ(texts[1].text, "The Pool Experts");
    EXPECT_EQ(texts[1].y, 360);
    EXPECT_EQ(texts[1].font, (PageFont{"Arial", 20, false, false, true, 700}));
    EXPECT_EQ(texts[2].text, "");
    EXPECT_EQ(texts[3].text, lines[2]);
    EXPECT_TRUE(texts[3].font.Underline);
    EXPECT_EQ(texts[3].font.Name, "Courier New");
    EXPECT_EQ(texts[4].text, lines[4]);  // no rule on paper
    EXPECT_TRUE(texts[18].font.Underline);
    EXPECT_EQ(texts[19].text, "");
    EXPECT_FALSE(texts[19].font.Underline);
    EXPECT_EQ(texts.back().text, lines.back());
}

// No members: every game shows no expert and nothing counts.
TEST(PoolExperts, EmptyPool) {
    AnalysisFixture f(4, "", {});
    PoolExperts model(f.State);
    EXPECT_EQ(model.Games()[0].Expert, -1);
    EXPECT_EQ(model.Games()[0].Pick, "***");
    EXPECT_EQ(model.ExpertPct(), "0.00");
    EXPECT_EQ(model.PoolWLT(), "0 - 0 - 0");
    RecordingSurface page;
    EXPECT_TRUE(model.Print(page, 1));
}

}  // namespace
}  // namespace gm
