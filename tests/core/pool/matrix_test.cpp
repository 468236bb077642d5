#include <gtest/gtest.h>

#include "core/output/RecordingSurface.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

using Lines = std::vector<std::string>;
const std::string kSep(83, '-');

TEST(SpreadPointsText, HalvesPickemAndEmptySlots) {
    struct Case {
        GameRecord game;
        std::string matrix, report;
    } cases[] = {
        {test::FixtureGame(5, 6, 0, 0, 0, 3.5f), "3\u00BD", "3.5"},
        {test::FixtureGame(5, 6, 0, 0, 7.0f, 0), "7", "7"},
        {test::FixtureGame(5, 6, 0, 0, 0, 0), "Pk", "0"},
        {GameRecord{}, " ", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpreadPointsText(c.game, true), c.matrix);
        EXPECT_EQ(SpreadPointsText(c.game, false), c.report);
    }
    // The team given points is the underdog; an even game makes the home team favourite.
    const GameRecord even = test::FixtureGame(5, 6, 0, 0, 0, 0);
    EXPECT_EQ(FavoriteOf(even), 5);
    EXPECT_EQ(UnderdogOf(even), 6);
    const GameRecord homeDog = test::FixtureGame(5, 6, 0, 0, 3.5f, 0);
    EXPECT_EQ(FavoriteOf(homeDog), 6);
}

TEST(PlayerMatrix, StraightUpWithConfidenceRows) {
    test::PoolFixture f;
    f.State.CurrentWeek = 1;
    PlayerMatrix m(f.State);
    EXPECT_TRUE(m.ShowAll());
    EXPECT_EQ(m.PlayedCount(), 3);
    m.SetConfidenceRows(true);
    const std::string blank60(60, ' ');
    EXPECT_EQ(m.TextFile().Lines,
              (Lines{
                  "                        Player Selections For Week 1",
                  "",
                  "      AWAY         NyG  Ne                                                 Den",
                  "  ",
                  "      HOME         Pit Ten                                                 Dal  TB",
                  kSep,
                  "                     3   2                                                   1",
                  "Al Adams           Pit Ten                                                 Dal  40",
                  kSep,
                  "                     3   1                                                   2",
                  "<b>Bob & Al</b>    NyG  Ne                                                 Den  50",
                  kSep,
                  "                     1   3                                                   2",
                  "Cathy              NyG Ten                                                 Dal  47",
                  kSep,
                  std::string(18, ' ') + blank60,
                  "Dee                                                                              0",
              }));
    EXPECT_EQ(m.ScreenLabels(),
              (Lines{"      HOME         PIT TEN                                                 DAL  TB",
                     "      AWAY         NyG  Ne                                                 Den"}));
    // Double-click acts on selections rows only.
    EXPECT_EQ(m.MemberAtLine(0), -1);
    EXPECT_EQ(m.MemberAtLine(4), 1);
    EXPECT_EQ(m.MemberAtLine(5), -1);
    m.SetConfidenceRows(false);
    m.SetShowAll(false);
    EXPECT_EQ(m.ListLines().size(), 6u);
    EXPECT_EQ(m.MemberAtLine(4), 2);
    EXPECT_EQ(m.PlayedCount(), 3);
}

TEST(PlayerMatrix, SpreadHeadingsAndFileNameAfterSpin) {
    test::PoolFixture f("PointSpreads=Yes\r\n");
    PlayerMatrix m(f.State);
    EXPECT_EQ(m.TextFile().FileName, "Picks3.txt");
    ASSERT_TRUE(m.Spin(-1));
    ASSERT_TRUE(m.Spin(-1));
    EXPECT_FALSE(m.Spin(-1));
    EXPECT_EQ(f.State.CurrentWeek, 1);
    EXPECT_EQ(m.TextFile().FileName, "Picks 1.txt");
    const Lines heading{"  FAVORITE         PIT TEN                                                 DAL",
                        "      PTS.          6\u00BD   7                                                   3",
                        "  UNDERDOG         NyG  Ne                                                 Den  TB"};
    EXPECT_EQ(m.HeadingRows(), heading);
    // Every output and every copy carries the same rows, "  TB" once.
    const auto text = m.TextFile();
    EXPECT_EQ(Lines(text.Lines.begin() + 2, text.Lines.begin() + 5), heading);
    EXPECT_EQ(m.HeadingRows(), heading);
    // The half sign is byte 189 in the file.
    EXPECT_NE(TextFileBytes(text.Lines).find("6\xBD"), std::string::npos);

    ASSERT_TRUE(m.Spin(+2));
    EXPECT_EQ(m.HeadingRows()[0].substr(18, 8), " CAR  GB");
    EXPECT_EQ(m.HeadingRows()[1].substr(18, 9), "  3\u00BD  Pk");
}

TEST(PlayerMatrix, ClipboardAndPrintout) {
    test::PoolFixture f;
    f.State.CurrentWeek = 2;
    PlayerMatrix m(f.State);
    m.SetShowAll(false);
    EXPECT_EQ(m.Clipboard().Text,
              "                        Player Selections For Week 2\r\n"
              "      AWAY         Atl                                                     Ind\r\n"
              "  \r\n"
              "      HOME         Ari                                                      Gb  TB\r\n"
              "Al Adams           Ari                                                      Gb  30\r\n"
              "<b>Bob & Al</b>    Atl                                                     Ind  20\r\n");

    for (int i = 0; i < 150; ++i) {
        MemberRecord extra = test::FixtureMember("Extra");
        test::Pick(extra, 1, 0, 1, 1);
        f.State.Members.push_back(extra);
    }
    f.State.MemberCount = static_cast<int>(f.State.Members.size());
    for (bool confidence : {false, true}) {
        m.SetConfidenceRows(confidence);
        RecordingSurface surface;
        ASSERT_TRUE(m.Print(surface, 1).ok());
        const auto texts = surface.Texts();
        ASSERT_GE(surface.Pages(), 2);
        EXPECT_EQ(texts[1].text, "Player Selections:  Week 2");
        EXPECT_TRUE(texts[1].font.Underline);
        EXPECT_EQ(texts[1].font.Size, 15);
        EXPECT_DOUBLE_EQ(texts[1].x, (surface.ScaleWidth() - 26 * 15 * 12) / 2);  // centred
        // What starts the second page.
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts[i].page != 1) continue;
            const std::string expected = confidence ? m.HeadingRows()[0] : "Page";
            EXPECT_EQ(texts[i + 1].text, expected);  // after the empty line that starts a page
            if (confidence) EXPECT_EQ(texts[i + 1].font.Weight, 500);
            break;
        }
    }
}

TEST(AllPicksReport, StraightUpByNamesWithConfidence) {
    test::PoolFixture f;
    f.State.CurrentWeek = 1;
    AllPicksReport r(f.State);
    EXPECT_FALSE(r.ByStanding);
    EXPECT_FALSE(r.EntirePool);
    EXPECT_EQ(r.StandingSortCaption(), "Confidence Points");
    const std::string games13(12 * 5, ' ');  // the empty slots 2 to 13
    EXPECT_EQ(r.Lines(), (Lines{
                             "                                Player Selections   Week 1",
                             "",
                             "     Away Team     NyG  Ne   " + games13.substr(0, 60) + "Den  ",
                             "                    @    @   " + games13.substr(0, 60) + " @   ",
                             "     Home Team     Pit  Ten  " + games13.substr(0, 60) + "Dal   TB  Con.Pts",
                             "",
                             "",
                             "Al Adams           Pit  Ten  " + games13.substr(0, 60) + "Dal   40     6",
                             "                   3    2    " + games13.substr(0, 60) + "1    ",
                             "",
                             "<b>Bob & Al</b>    NyG  Ne   " + games13.substr(0, 60) + "Den   50     0",
                             "                   3    1    " + games13.substr(0, 60) + "2    ",
                             "",
                             "Cathy              NyG  Ten  " + games13.substr(0, 60) + "Dal   47     5",
                             "                   1    3    " + games13.substr(0, 60) + "2    ",
                             "",
                         }));
    EXPECT_EQ(r.TextFile().FileName, "Pks1.txt");
    ASSERT_TRUE(r.Spin(+1));
    EXPECT_EQ(r.TextFile().FileName, "Pks 2.txt");
    EXPECT_EQ(r.Lines()[0], "                                Player Selections   Week  2");
}

TEST(AllPicksReport, SpreadsWinsByStandingAndNoMondayTiebreak) {
    test::PoolFixture f("PointSpreads=Yes\r\nPoolSort=Wins\r\nSecondaryTB=None\r\n");
    f.State.CurrentWeek = 1;
    AllPicksReport r(f.State);
    r.ByStanding = true;
    r.EntirePool = true;
    r.UseTeamNames = true;
    EXPECT_EQ(r.StandingSortCaption(), "Total Wins");
    const Lines lines = r.Lines();
    EXPECT_EQ(lines[2].substr(0, 29), "     Favorite      STE  OIL  ");
    EXPECT_EQ(lines[3].substr(0, 29), "                   6.5  7    ");
    EXPECT_EQ(lines[4].substr(0, 29), "     Underdog      NyG  Pat  ");
    EXPECT_EQ(lines[4].substr(lines[4].size() - 15), "Bro   TB   Wins");
    // Against the spread Al, Bob and Cathy have 1, 1 and 2 wins: Cathy first,
    // then the tie in member order, then Dee; every TB column reads N/A.
    Lines names;
    for (std::size_t i = 7; i < lines.size(); i += 2) {
        names.push_back(lines[i].substr(0, 18));
        EXPECT_EQ(lines[i].substr(94, 4), " N/A");
        EXPECT_EQ(lines[i + 1], "");
    }
    EXPECT_EQ(names, (Lines{"Cathy             ", "Al Adams          ", "<b>Bob & Al</b>   ", "Dee               "}));
    EXPECT_EQ(lines[7].substr(94), " N/A     2");
}

TEST(AllPicksReport, PercentFigureAndSavedChoices) {
    test::PoolFixture f("PoolSort=WinPct\r\n");
    AllPicksReport r(f.State);
    r.ByStanding = true;
    const Lines lines = r.Lines();
    EXPECT_EQ(lines[4].substr(lines[4].size() - 10), "TB  WinPct");
    EXPECT_EQ(lines[7].substr(0, 8), "Al Adams");
    EXPECT_EQ(lines[7].substr(lines[7].size() - 8), "    90.0");
    EXPECT_EQ(lines[9].substr(0, 5), "Cathy");

    r.UseTeamNames = true;
    r.EntirePool = true;
    ASSERT_TRUE(r.SaveChoices().ok());
    AllPicksReport again(f.State);
    EXPECT_TRUE(again.UseTeamNames);
    EXPECT_TRUE(again.EntirePool);
    EXPECT_TRUE(again.ByStanding);
    const std::string ini = test::ReadFile(f.Dir / "Vask97.ini");
    EXPECT_NE(ini.find("APSort=Standings"), std::string::npos);
    EXPECT_NE(ini.find("PrintCopies=Entire"), std::string::npos);
    EXPECT_NE(ini.find("Team=Name"), std::string::npos);
}

TEST(AllPicksReport, PrintoutColumnsRulesAndPages) {
    test::PoolFixture f;
    f.State.CurrentWeek = 1;
    for (int i = 0; i < 80; ++i) {
        MemberRecord extra = test::FixtureMember("Extra");
        test::Pick(extra, 0, 1, 12, 4);
        f.State.Members.push_back(extra);
    }
    f.State.MemberCount = static_cast<int>(f.State.Members.size());
    AllPicksReport r(f.State);
    RecordingSurface surface;
    ASSERT_TRUE(r.Print(surface, 1).ok());
    const double u = surface.ScaleWidth() / 24;
    bool sawHeading = false, sawFigure = false;
    int rules = 0, tbHeadings = 0;
    for (const auto& op : surface.Ops()) {
        if (op.kind == RecordingSurface::Op::Kind::Line) {
            ++rules;
            EXPECT_EQ(op.x, 0);
            EXPECT_EQ(op.x2, surface.ScaleWidth());
            continue;
        }
        if (op.kind != RecordingSurface::Op::Kind::Text) continue;
        EXPECT_LE(op.y, surface.ScaleHeight() - 1440 + 2 * 8 * 24);  // page bottom, plus the member's lines
        if (op.text == "Player Selections:  Week 1") {
            sawHeading = true;
            EXPECT_EQ(op.font.Size, 15);
            EXPECT_TRUE(op.font.Underline);
        }
        if (op.text == "Home Team") EXPECT_EQ(op.x, u);
        if (op.text == "Pit") EXPECT_DOUBLE_EQ(op.x, 4 * u);
        if (op.text == "Dal") EXPECT_DOUBLE_EQ(op.x, 18 * u);
        if (op.text == "TB") {
            ++tbHeadings;
            EXPECT_DOUBLE_EQ(op.x, 19 * u);
        }
        if (op.text == "Con. Pts") EXPECT_DOUBLE_EQ(op.x, 20 * u);
        if (op.text == "6" && op.page == 0 && op.font.Size == 8) {
            sawFigure = true;  // Al's points, right-aligned
            EXPECT_DOUBLE_EQ(op.x + 8 * 12, 375 + 20 * u);
        }
    }
    EXPECT_TRUE(sawHeading);
    EXPECT_TRUE(sawFigure);
    EXPECT_EQ(rules, 83);  // one under every member listed
    EXPECT_GE(surface.Pages(), 2);
    EXPECT_EQ(tbHeadings, surface.Pages());  // the heading rows start every page
}

}  // namespace
}  // namespace gm
