#include <gtest/gtest.h>

#include <filesystem>

#include "core/output/RecordingSurface.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/PoolStatPak.h"
#include "core/pool/StatPak.h"
#include "core/pool/StatPakRanking.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

using Lines = std::vector<std::string>;

// Two averages on one line: the first padded to 40 characters.
std::string Two(const std::string& left, const std::string& right) {
    return left + std::string(40 - left.size(), ' ') + right;
}

// The fixture pool, straight up, confidence points, Monday total points,
// current week 3: Al Adams (0), <b>Bob & Al</b> (1, skipped week 3), Cathy (2,
// skipped week 2), Dee (3, never played).

TEST(StatPak, WeekLinesRunningTotalsAndRanks) {
    test::PoolFixture f;
    StatPak s(f.State);
    EXPECT_EQ(s.Week(), 3);
    EXPECT_EQ(s.SelectedMember(), 0);
    EXPECT_EQ(s.RankedBy(), " Con. Pts ");
    EXPECT_EQ(s.Heading(), "Week  W  L  T   Pts.  T/B   TW   TL   TT   TPts.  TTB  WRank  SRank");
    EXPECT_EQ(s.Lines(), (Lines{
                             " 1)   3  0  0    6.0   7     3    0   0      6.0    7    1      1",
                             " 2)   1  0  1    2.5   4     4    0   1      8.5   11    1      1",
                             " 3)   0  0  0    0.0  21     4    0   1      8.5   32    1      1",
                         }));
    // A skipped week: 0-0-0, no difference, totals unchanged, and its low
    // (shared) rank counts in the rank averages.
    ASSERT_TRUE(s.SelectMember(1));
    EXPECT_EQ(s.Lines(), (Lines{
                             " 1)   0  3  0    0.0   3     0    3   0      0.0    3    3      3",
                             " 2)   0  1  1    1.0   6     0    4   1      1.0    9    2      3",
                             " 3)   0  0  0    0.0   0     0    4   1      1.0    9    1      3",
                         }));
    const StatPakAverages bob = s.Averages();
    EXPECT_EQ(bob.Wins, "0.00");
    EXPECT_EQ(bob.Losses, "2.00");  // 4 losses over the 2 weeks played
    EXPECT_EQ(bob.Pct, "10.00");
    EXPECT_EQ(bob.Tb, "4.50");
    EXPECT_EQ(bob.CPts, "0.50");
    EXPECT_EQ(bob.WRank, "2.00");  // (3 + 2 + 1) / 3 weeks shown
    EXPECT_EQ(bob.SRank, "3.00");
}

TEST(StatPak, AveragesOfAMemberWhoNeverPlayed) {
    test::PoolFixture f;
    StatPak s(f.State);
    ASSERT_TRUE(s.SelectMember(3));
    const StatPakAverages dee = s.Averages();
    for (const std::string* v : {&dee.Wins, &dee.Losses, &dee.Pct, &dee.Tb, &dee.CPts}) EXPECT_EQ(*v, "0.00");
    EXPECT_EQ(dee.WRank, "2.33");  // ranks 3, 3, 1: weeks not played count
    EXPECT_EQ(dee.SRank, "3.67");  // 3, 4, 4
}

TEST(StatPak, SpinningForwardAndBackRestoresEveryFigure) {
    test::PoolFixture f("PointSpreads=Yes\r\n");
    f.State.CurrentWeek = 2;
    StatPak fresh(f.State);
    StatPak s(f.State);
    for (int i = 0; i < 19; ++i) ASSERT_TRUE(s.Spin(+1));
    EXPECT_FALSE(s.Spin(+1));
    EXPECT_EQ(f.State.CurrentWeek, 21);
    EXPECT_EQ(s.Lines().size(), 22u);  // 21 weeks and the post-season line before week 18
    EXPECT_EQ(s.Lines()[17], kStatPakPostSeason);
    for (int i = 0; i < 19; ++i) ASSERT_TRUE(s.Spin(-1));
    EXPECT_EQ(f.State.CurrentWeek, 2);
    EXPECT_EQ(s.WeekLabel(), " 2");
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(s.TotalsOf(m), fresh.TotalsOf(m)) << m;
        for (int w = 1; w <= 2; ++w) EXPECT_EQ(s.WeekOf(m, w), fresh.WeekOf(m, w)) << m << " week " << w;
        EXPECT_EQ(s.LinesFor(m), fresh.LinesFor(m));
    }
    ASSERT_TRUE(s.Spin(-1));
    EXPECT_FALSE(s.Spin(-1));
    EXPECT_EQ(s.Week(), 1);
}

TEST(StatPak, OpenedFromTheStandingsRanksByTheirSortAndLeavesThePoolOptionAlone) {
    test::PoolFixture f;  // PoolSort is Confidence
    f.State.StatPakFromStandings = true;
    f.State.StandingsSort = "Wins";
    f.State.CurrentPlayer = 2;  // a record index
    {
        StatPak s(f.State);
        EXPECT_EQ(s.SelectedMember(), 2);
        EXPECT_EQ(s.RankedBy(), " Wins ");
        EXPECT_EQ(s.Heading(), "Week  W  L  T   Pct.  T/B   TW   TL  TT    Pct.   TTB  WRank  SRank");
        // Cathy: 2 wins in week 1, second by wins; 0 in week 2 shares rank 2 with Bob and Dee.
        EXPECT_EQ(s.Lines()[0], " 1)   2  1  0   66.7   0     2    1   0    66.7     0    2      2");
        EXPECT_EQ(s.WeekOf(2, 2).WeekRank, 2);
        s.Close();
        EXPECT_EQ(f.State.PoolSort, "Confidence");
        EXPECT_FALSE(f.State.StatPakFromStandings);
        EXPECT_EQ(f.State.CurrentPlayer, 0);
    }
    // Opened from the menu: the pool option and the first member.
    f.State.CurrentPlayer = 2;
    StatPak menu(f.State);
    EXPECT_EQ(menu.SelectedMember(), 0);
    EXPECT_EQ(menu.RankedBy(), " Con. Pts ");
}

TEST(StatPak, MemberChooserCarriesRecordIndexes) {
    test::PoolFixture f;
    StatPak s(f.State);
    const auto choices = s.MemberChoices();
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[1], std::make_pair(std::string("<b>Bob & Al</b>"), 1));
    EXPECT_EQ(choices[3], std::make_pair(std::string("Dee"), 3));
    EXPECT_FALSE(s.SelectMember(4));
    EXPECT_FALSE(s.SelectMember(-1));
    EXPECT_EQ(s.SelectedMember(), 0);
}

TEST(StatPak, OutputsOfTheMemberShown) {
    test::PoolFixture f("SecondaryTB=None\r\n");
    std::filesystem::create_directory(f.Dir / "TxtFiles");
    f.State.CurrentWeek = 1;
    StatPak s(f.State);
    ASSERT_TRUE(s.SelectMember(2));
    const TextFileOutput file = s.TextFile();
    EXPECT_EQ(file.FileName, "StatPak.txt");
    EXPECT_EQ(file.ConfirmTitle, "Cathy");
    EXPECT_EQ(file.ConfirmText, "A StatPak text file named StatPak.txt\r\n was created for Cathy");
    const Lines expected{
        "",
        std::string(19, ' ') + "Season Statistics for Cathy",
        "",
        "Week  W  L  T   Pts.  T/B   TW   TL   TT   TPts.  TTB  WRank  SRank",
        " " + std::string(66, '-'),
        " 1)   2  1  0    5.0  N/A    2    1   0      5.0  N/A    2      2",
        " " + std::string(64, '-'),
        "",
        Two("Avg Wins: 2.00", "Avg Losses: 1.00"),
        Two("Winning Pct: 66.67", "Avg Tiebreaker Pts:  N/A"),
        Two("Avg Weekly Rank: 2.00", "Avg Season Rank: 2.00"),
        "Avg Confidence Points: 5.00",
    };
    EXPECT_EQ(file.Lines, expected);

    const ClipboardOutput clip = s.Clipboard();
    EXPECT_EQ(clip.Text, ClipboardText(Lines(expected.begin() + 1, expected.end())));
    EXPECT_EQ(clip.Confirmation.Title, "Cathy");
    EXPECT_EQ(clip.Confirmation.Text, "Cathy's Season Stats are on the Clipboard");

    std::filesystem::create_directory(f.Dir / "Webpages");
    const OutputMessage web = WriteWebPage(f.State, s.WebPage());
    EXPECT_EQ(web.Title, "Cathy");
    EXPECT_EQ(web.Text, "A StatPak Web Page named statpak.htm\r\n was created for Cathy");
    const std::string page = test::ReadFile(f.Dir / "Webpages" / "statpak.htm");
    EXPECT_NE(page.find("<HEAD><TITLE> The Player StatPak </TITLE></HEAD>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<PRE>\r\n\r\n" + std::string(19, ' ') + "Season Statistics for Cathy\r\n"),
              std::string::npos);
}

// Printed copies: the member shown, or with "One Per Player" member k on copy k.
TEST(StatPak, PrintsTheMemberShownOrOnePerPlayer) {
    test::PoolFixture f;
    StatPak s(f.State);
    ASSERT_TRUE(s.SelectMember(1));
    const auto headings = [&](PrintCopies copies) {
        RecordingSurface page;
        EXPECT_TRUE(s.Print(page, copies));
        Lines out;
        for (const auto& op : page.Texts())
            if (op.font.Name == "Arial" && !op.text.empty()) out.push_back(op.text);
        return std::make_pair(out, page.Pages());
    };
    EXPECT_EQ(headings(2), std::make_pair(Lines{"<b>Bob & Al</b>'s Season Statistics",
                                                "<b>Bob & Al</b>'s Season Statistics"}, 2));
    EXPECT_EQ(headings({4, true}).first, (Lines{"Al Adams's Season Statistics", "<b>Bob & Al</b>'s Season Statistics",
                                        "Cathy's Season Statistics", "Dee's Season Statistics"}));

    RecordingSurface page;
    ASSERT_TRUE(s.Print(page, 1));
    const auto texts = page.Texts();
    // Heading centred in Arial 16 bold underlined, the column heading bold and
    // underlined, the body plain, the printed labels with their full stops.
    const auto heading = std::find_if(texts.begin(), texts.end(), [](auto& op) { return op.font.Name == "Arial"; });
    ASSERT_NE(heading, texts.end());
    EXPECT_EQ(heading->font, (PageFont{"Arial", 16, true, false, true, 700}));
    EXPECT_DOUBLE_EQ(heading->x, 11520 / 2.0 - 16 * 12 * heading->text.size() / 2.0);
    EXPECT_EQ(heading->y, 0);
    const auto column = std::next(heading, 2);
    EXPECT_EQ(column->text, s.Heading());
    EXPECT_TRUE(column->font.Bold && column->font.Underline);
    EXPECT_EQ(std::next(column)->text, s.Lines()[0]);
    EXPECT_FALSE(std::next(column)->font.Bold || std::next(column)->font.Underline);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](auto& op) { return op.text.rfind("Avg. Wins: 0.00", 0) == 0; }));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](auto& op) { return op.text.rfind("Avg. Weekly Rank: 2.00", 0) == 0; }));
}

TEST(PoolStatPak, WeekLinesAveragesAndSpin) {
    test::PoolFixture f;
    PoolStatPak p(f.State);
    EXPECT_EQ(p.PoolWeekText(), "Week 3");
    EXPECT_EQ(p.Heading(), "Week  Won   Lost Tied   CPts.      TW     TL   TT    TPts.  Played");
    EXPECT_EQ(p.Lines(), (Lines{
                             " 1)     5     4   0     11.0        5      4   0      11.0     3",
                             " 2)     1     1   2      3.5        6      5   2      14.5     2",
                             " 3)     0     0   0      0.0        6      5   2      14.5     2",
                         }));
    PoolStatAverages a = p.Averages();
    EXPECT_EQ(a.Wins, "0.00");
    EXPECT_EQ(a.Tb, "27.00");  // (21 + 33) / 2 players
    ASSERT_TRUE(p.Spin(-1));
    EXPECT_EQ(p.Lines().size(), 2u);
    a = p.Averages();
    EXPECT_EQ(a.Wins, "0.50");
    EXPECT_EQ(a.Losses, "0.50");
    EXPECT_EQ(a.Pct, "50.00");
    EXPECT_EQ(a.Tb, "5.00");
    EXPECT_EQ(a.CPts, "1.75");
    ASSERT_TRUE(p.Spin(+1));
    EXPECT_EQ(p.Lines()[2], " 3)     0     0   0      0.0        6      5   2      14.5     2");
    EXPECT_EQ(p.WeekLabel(), " 3");
}

TEST(PoolStatPak, AWeekNobodyPlayedAveragesZero) {
    test::PoolFixture f("PoolSort=WinPct\r\n");
    f.State.CurrentWeek = 5;
    PoolStatPak p(f.State);
    EXPECT_EQ(p.Heading(), "Week  Won   Lost Tied    Pct.      TW     TL   TT    Pct.   Played");
    EXPECT_EQ(p.Lines()[4], " 5)     0     0   0      0.0        6      5   2    53.8       0");
    const PoolStatAverages a = p.Averages();
    for (const std::string* v : {&a.Wins, &a.Losses, &a.Pct, &a.Tb, &a.CPts}) EXPECT_EQ(*v, "0.00");
}

TEST(PoolStatPak, Outputs) {
    test::PoolFixture f("PoolSort=Wins\r\n");
    f.State.CurrentWeek = 2;
    PoolStatPak p(f.State);
    const Lines expected{
        "",
        std::string(20, ' ') + "Pool Statistics for Week 2",
        "",
        "Week  Won   Lost Tied    Pct.      TW     TL   TT    Pct.   Played",
        " " + std::string(66, '-'),
        " 1)     5     4   0     55.6        5      4   0    55.6       3",
        " 2)     1     1   2     50.0        6      5   2    53.8       2",
        " " + std::string(64, '-'),
        "",
        std::string(20, ' ') + "Player Averages for Week 2",
        "",
        Two("Avg Wins: 0.50", "Avg Losses: 0.50"),
        Two("Winning Pct: 50.00", "Avg Tiebreaker Pts: 5.00"),
    };
    const TextFileOutput file = p.TextFile();
    EXPECT_EQ(file.FileName, "PoolPak.txt");
    EXPECT_EQ(file.Lines, expected);
    EXPECT_EQ(file.ConfirmTitle, "The Pool StatPak");
    EXPECT_EQ(file.ConfirmText, "A Pool StatPak text file named PoolPak.txt\r\n was created.");

    Lines clip(expected.begin() + 1, expected.end());
    clip[0] = std::string(21, ' ') + "Pool StatPak for Week 2";
    EXPECT_EQ(p.Clipboard().Text, ClipboardText(clip));
    EXPECT_EQ(p.Clipboard().Confirmation.Text, "The Pool StatPak for Week 2 is on the Clipboard.");

    std::filesystem::create_directory(f.Dir / "Webpages");
    const OutputMessage web = WriteWebPage(f.State, p.WebPage());
    EXPECT_EQ(web.Title, "The Pool StatPak Web Page");
    EXPECT_EQ(web.Text, "A Web Page named poolstat.htm was created.\r\n\r\n"
                        "Don't forget to update your Office Pool Index Page.");

    RecordingSurface page;
    ASSERT_TRUE(p.Print(page, 2));
    EXPECT_EQ(page.Pages(), 2);
    Lines printed;
    for (const auto& op : page.Texts()) printed.push_back(op.text);
    EXPECT_NE(std::find(printed.begin(), printed.end(), "Pool StatPak for Week: 2"), printed.end());
    EXPECT_NE(std::find(printed.begin(), printed.end(), CenterTitle66("Player Averages for Week: 2")),
              printed.end());
}

// Rankings at pool size: the helper every StatPak week uses.
TEST(StatPakRanking, StableOrdersAndCompetitionRanks) {
    struct Case {
        std::vector<std::uint32_t> key;
        bool descending;
        std::vector<std::int32_t> order;
    };
    const Case cases[] = {
        {{5, 7, 5, 0, 7}, true, {1, 4, 0, 2, 3}},
        {{5, 7, 5, 0, 7}, false, {3, 0, 2, 1, 4}},
        {{0x10000, 0xFF, 0x1000000, 0xFF}, true, {2, 0, 1, 3}},  // every byte decides somewhere
        {{3, 3, 3}, true, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        auto order = MemberOrder(static_cast<int>(c.key.size()));
        StableOrder(order, c.key, c.descending);
        EXPECT_EQ(order, c.order);
    }
    std::vector<std::int32_t> ranks(5);
    CompetitionRanks(std::vector<std::uint32_t>{10, 9, 10, 0, 9}, ranks);
    EXPECT_EQ(ranks, (std::vector<std::int32_t>{1, 3, 1, 5, 3}));
    // Percentages and points order as their values do.
    EXPECT_LT(OrderKey(33.3f), OrderKey(66.7f));
    EXPECT_LT(OrderKey(7.5f), OrderKey(100.0f));
    EXPECT_EQ(OrderKey(-0.0f), OrderKey(0.0f));
}

}  // namespace
}  // namespace gm
