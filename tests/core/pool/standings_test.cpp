#include <gtest/gtest.h>

#include "core/output/RecordingSurface.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

using Lines = std::vector<std::string>;

TEST(PoolStandings, OpensOnCurrentWeekInConfidenceMode) {
    test::PoolFixture f;
    PoolStandings s(f.State);
    EXPECT_EQ(s.InitialSortChoice(), "Con. Pts");
    EXPECT_EQ(s.Heading(), " Vadorurizizs        W  L  T    Pts.  T/B   TW   TL   TT   TPts.  SRank");
    EXPECT_EQ(s.Lines(), (Lines{
                             "Al Adams             0  0  0     0.0  21     4    0   1      8.5    1",
                             "Cathy                0  0  0     0.0  33     2    1   0      5.0    2",
                         }));
    EXPECT_EQ(s.ActiveText(), "Played Week 3");
    EXPECT_EQ(s.ActiveNumText(), "2");
    EXPECT_EQ(s.LeftLabel(), " Week 3 ");
    EXPECT_EQ(s.RightLabel(), " Weeks 1 - 3 ");
    EXPECT_EQ(s.PoolSizeText(), "4");

    s.SetView(PoolStandings::View::Season);
    EXPECT_EQ(s.Heading(), "Pos  Vadorurizizs         TW   TL   TT   TPts.    W  L  T    Pts.  T/B");
    EXPECT_EQ(s.Lines(), (Lines{
                             "  1 Al Adams               4    0   1      8.5    0  0  0     0.0  21",
                             "  2 Cathy                  2    1   0      5.0    0  0  0     0.0  33",
                             "  3 <b>Bob & Al</b>        0    4   1      1.0    0  0  0     0.0   0",
                         }));
    EXPECT_EQ(s.ActiveText(), "Played Weeks 1-3");
    EXPECT_EQ(s.ActiveNumText(), "3");
    EXPECT_EQ(s.LeftLabel(), " Weeks 1 - 3 ");
    // The group labels go where the range and week columns begin.
    EXPECT_EQ(s.GroupColumns(), std::make_pair(23, 46));
    EXPECT_EQ(s.Lines()[0].substr(23, 5), "    4");
    EXPECT_EQ(s.Lines()[0].substr(46, 5), "    0");
    s.SetView(PoolStandings::View::OneWeek);
    EXPECT_EQ(s.GroupColumns(), std::make_pair(19, 40));
    EXPECT_EQ(s.Lines()[0].substr(19, 3), "  0");
    EXPECT_EQ(s.Lines()[0].substr(40, 6), "     4");
    s.SetView(PoolStandings::View::Season);

    s.SetShowAll(true);  // lists everybody, changes no number
    EXPECT_EQ(s.Lines().size(), 4u);
    EXPECT_EQ(s.Lines()[3], "  4 Dee                    0    0   0      0.0    0  0  0     0.0   0");
    EXPECT_EQ(s.ActiveNumText(), "3");
}

TEST(PoolStandings, PercentagesAgainstTheSpreadAfterASpin) {
    test::PoolFixture f("PointSpreads=Yes\r\nPoolSort=WinPct\r\n");
    PoolStandings s(f.State);
    EXPECT_EQ(s.InitialSortChoice(), "Win Pct");
    ASSERT_TRUE(s.SpinEnd(-1));
    EXPECT_EQ(f.State.CurrentWeek, 2);
    EXPECT_EQ(s.EndLabel(), " 2");
    EXPECT_EQ(s.Heading(), " Vadorurizizs        W  L  T    Pct.  T/B   TW   TL  TT    Pct.   SRank");
    EXPECT_EQ(s.Lines(), (Lines{
                             "Al Adams             1  0  1    75.0   4     2    1   2    60.0     2",
                             "<b>Bob & Al</b>      0  1  1    25.0   6     1    2   2    40.0     3",
                         }));
    s.SetView(PoolStandings::View::Season);
    EXPECT_EQ(s.Lines()[0], "  1 Cathy                  2    0   1     83.3    0  0  0     0.0   0");
    EXPECT_EQ(s.TextFile().FileName, "PStnd 2.txt");
}

TEST(PoolStandings, SpinLimitsAndEmptyRange) {
    test::PoolFixture f;
    PoolStandings s(f.State);
    EXPECT_EQ(s.TextFile().FileName, "PStnd3.txt");  // not spun: plain digits
    EXPECT_FALSE(s.SpinStart(-1));
    for (int i = 0; i < 18; ++i) ASSERT_TRUE(s.SpinEnd(+1));
    EXPECT_FALSE(s.SpinEnd(+1));
    EXPECT_EQ(f.State.CurrentWeek, 21);
    while (s.StartWeek() < 21) ASSERT_TRUE(s.SpinStart(+1));
    ASSERT_TRUE(s.SpinEnd(-1));
    // Start after end: every total is 0 and all share rank 1.
    s.SetView(PoolStandings::View::Season);
    s.SetShowAll(true);
    ASSERT_GT(s.StartWeek(), s.EndWeek());
    for (const StandingsRow& r : s.Rows()) {
        EXPECT_EQ(r.RangeWins + r.RangeLosses + r.RangeTies, 0);
        EXPECT_EQ(r.SeasonRank, 1);
    }
    EXPECT_EQ(s.ActiveNumText(), "0");
}

TEST(PoolStandings, NamesOrderKeepsRanksAndNoSecondaryTiebreakShowsNA) {
    test::PoolFixture f("SecondaryTB=None\r\nTBMethod=Wins\r\nPoolSort=Wins\r\n");
    PoolStandings s(f.State);
    s.ChooseSort("Names");
    s.SetView(PoolStandings::View::Season);
    EXPECT_TRUE(s.SortByName());
    EXPECT_EQ(s.Heading(), "Pos  Vadorurizizs         TW   TL  TT     Pct.    W  L  T    Pct.  T/B");
    EXPECT_EQ(s.Lines(), (Lines{
                             "  1 Al Adams               4    0   1     90.0    0  0  0     0.0  N/A",
                             "  3 <b>Bob & Al</b>        0    4   1     10.0    0  0  0     0.0  N/A",
                             "  2 Cathy                  2    1   0     66.7    0  0  0     0.0  N/A",
                         }));
    s.ChooseSort("Con. Pts");
    EXPECT_FALSE(s.SortByName());
    EXPECT_EQ(s.StandingsSort(), "Confidence");
}

// Opening honours both tiebreakers (form A); a change of weeks or sort uses
// the first one only (form B), so the same week can list tied members apart.
TEST(PoolStandings, OpeningUsesBothTiebreakersAChangeOnlyTheFirst) {
    test::PoolFixture f("TBMethod=Wins\r\nSecondaryTB=Monday\r\nPoolSort=Confidence\r\n");
    MemberRecord far = test::FixtureMember("Far");
    test::Pick(far, 0, 0, 24, 3), far.Tiebreak[0] = 40;  // 7 off the Monday total of 47
    MemberRecord near = far;
    near.Name = FitName("Near"), near.Tiebreak[0] = 47;
    f.State.Members = {far, near};
    f.State.MemberCount = 2;
    f.State.CurrentWeek = 1;
    const auto names = [](const PoolStandings& s) {
        Lines out;
        for (const auto& line : s.Lines()) out.push_back(line.substr(0, 8));
        return out;
    };
    PoolStandings s(f.State);
    s.SetView(PoolStandings::View::Season);
    EXPECT_EQ(names(s), (Lines{"  1 Near", "  1 Far "}));
    ASSERT_TRUE(s.SpinEnd(+1));
    ASSERT_TRUE(s.SpinEnd(-1));
    EXPECT_EQ(names(s), (Lines{"  1 Far ", "  1 Near"}));
}

// The rows are worked out when first read after a change: the counts follow
// a spin at once, and switching to the season view starts from the one-week
// order, so members sharing a rank stay in that order (nearest Monday entry
// first), not in member order.
TEST(PoolStandings, SeasonViewKeepsTheWeekOrderOfTiedMembers) {
    test::PoolFixture f("TBMethod=Wins\r\nSecondaryTB=Monday\r\n");
    MemberRecord& al = f.State.Members[0];
    MemberRecord& cathy = f.State.Members[2];
    cathy.Picks = al.Picks;
    cathy.Confidence = al.Confidence;
    cathy.Tiebreak = al.Tiebreak;
    cathy.Tiebreak[1] = 26;  // week 2's Monday game ended 13-13: Al is 4 off, Cathy exact
    PoolStandings s(f.State);
    ASSERT_TRUE(s.SpinEnd(-1));
    EXPECT_EQ(s.ActiveNumText(), "3");
    EXPECT_EQ(s.PlayedRangeCount(), 3);
    s.SetView(PoolStandings::View::Season);
    const Lines lines = s.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 12), "  1 Cathy   ");
    EXPECT_EQ(lines[1].substr(0, 12), "  1 Al Adams");
    EXPECT_EQ(s.ListedMembers(), (std::vector<int>{2, 0, 1}));
}

TEST(PoolStandings, OutputHeaderLines) {
    struct Case {
        std::string options;
        Lines header;
    } cases[] = {
        {"", {"Player Standings:   Week 3", "Mon. Tiebreaker: Total Points", "Standings Determined By: Confidence Pts.",
              "Point Spreads: Not Used"}},
        {"MondayPts=WinningMargin\r\nPointSpreads=Yes\r\nPoolSort=Wins\r\n",
         {"Player Standings:   Week 3", "Mon. Tiebreaker: Winning Margin", "Standings Determined By: Total Wins",
          "Point Spreads: In Use"}},
        {"TBMethod=WinPct\r\nPoolSort=WinPct\r\n",
         {"Player Standings:   Week 3", "Tiebreak Method: Winning Pct.", "Standings Determined By: Winning Pct.",
          "Point Spreads: Not Used"}},
        {"TBMethod=Bogus\r\n", {"Player Standings:   Week 3", "Tiebreak Method: None",
                                "Standings Determined By: Confidence Pts.", "Point Spreads: Not Used"}},
    };
    for (const Case& c : cases) {
        test::PoolFixture f(c.options);
        EXPECT_EQ(PoolStandings(f.State).OutputHeader(), c.header) << c.options;
    }
    test::PoolFixture f;
    PoolStandings s(f.State);
    s.SpinStart(+1);
    EXPECT_EQ(s.OutputHeader()[0], "Player Standings:   Week 2 To 3");
    s.SetView(PoolStandings::View::Season);
    EXPECT_EQ(s.OutputHeader()[0], "Season Standings   Week 2 To Week 3");
}

TEST(PoolStandings, TextFileAndClipboardText) {
    test::PoolFixture f;
    PoolStandings s(f.State);
    const std::string expected =
        "                    Player Standings:   Week 3\r\n"
        "Mon. Tiebreaker: Total Points\r\n"
        "Standings Determined By: Confidence Pts.\r\n"
        "Point Spreads: Not Used\r\n"
        "\r\n"
        " Vadorurizizs        W  L  T    Pts.  T/B   TW   TL   TT   TPts.  SRank\r\n"
        "\r\n"
        "Al Adams             0  0  0     0.0  21     4    0   1      8.5    1\r\n"
        "Cathy                0  0  0     0.0  33     2    1   0      5.0    2\r\n";
    EXPECT_EQ(TextFileBytes(s.TextFile().Lines), expected);
    EXPECT_EQ(s.TextFile().ConfirmTitle, "Player Standings Text File");

    std::string clip = expected;  // the same without the empty line after the heading
    clip.erase(clip.find("SRank\r\n") + 7, 2);
    EXPECT_EQ(s.Clipboard().Text, clip);
    EXPECT_EQ(s.Clipboard().Confirmation.Text, "Player Standings are now on the Clipboard");
}

TEST(PoolStandings, PrintoutRepeatsTheHeadingOnEveryPage) {
    test::PoolFixture f;
    for (int i = 0; i < 60; ++i) {  // enough members for a second page
        MemberRecord m = test::FixtureMember("Extra " + std::to_string(i));
        test::Pick(m, 2, 0, 5, 1);
        f.State.Members.push_back(m);
    }
    f.State.MemberCount = static_cast<int>(f.State.Members.size());
    PoolStandings s(f.State);
    RecordingSurface surface;
    ASSERT_TRUE(s.Print(surface, 2).ok());
    const auto texts = surface.Texts();
    const std::string heading = s.Heading();
    int headings = 0;
    std::vector<int> headingPages;
    for (const auto& op : texts) {
        if (op.text == heading) {
            ++headings;
            headingPages.push_back(op.page);
            EXPECT_TRUE(op.font.Underline);
            EXPECT_EQ(op.font.Name, "Courier New");
            EXPECT_EQ(op.font.Size, 12);
        }
        if (op.text == "Tallbrook Office Football Pools") {
            EXPECT_EQ(op.x, 360);
            EXPECT_TRUE(op.font.Italic);
            EXPECT_EQ(op.font.Weight, 500);
        }
        if (op.text == "Mon. Tiebreaker: Total Points") EXPECT_DOUBLE_EQ(op.x, surface.ScaleWidth() * 0.6);
        EXPECT_LE(op.y, surface.ScaleHeight());
    }
    EXPECT_EQ(surface.Pages(), 4);  // two copies of two pages
    EXPECT_EQ(headingPages, (std::vector<int>{0, 1, 2, 3}));
    int bodyLines = 0;
    for (const auto& op : texts)
        if (op.text.find("Extra ") != std::string::npos) ++bodyLines;
    EXPECT_EQ(bodyLines, 120);
}

}  // namespace
}  // namespace gm
