#include <gtest/gtest.h>

#include <filesystem>

#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

// The files each display writes into "TxtFiles" and "Webpages", byte for byte.
class WritersTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(f.Dir / "TxtFiles");
        std::filesystem::create_directory(f.Dir / "Webpages");
        f.State.CurrentWeek = 2;
    }
    std::string Txt(const std::string& name) { return test::ReadFile(f.Dir / "TxtFiles" / name); }
    std::string Web(const std::string& name) { return test::ReadFile(f.Dir / "Webpages" / name); }

    test::PoolFixture f;
    const std::string gap = std::string(65, ' ');  // the thirteen empty slots of week 2 in the all-picks report
};

TEST_F(WritersTest, StandingsWebPageEscapesNames) {
    PoolStandings s(f.State);
    s.SetView(PoolStandings::View::Season);
    const OutputMessage done = WriteWebPage(f.State, s.WebPage());
    EXPECT_EQ(done.Title, "Office Pool Standings Web Page");
    EXPECT_EQ(done.Text,
              "An Office Pool Standings Web Page Named standing.htm was created.\r\n\r\n"
              "Don't forget to update your Office Pool Index Page.");
    EXPECT_EQ(Web("standing.htm"),
              "<HTML>\r\n"
              "<HEAD><TITLE>Pool Standings </TITLE></HEAD>\r\n"
              "<BODY BGCOLOR=#2F2F4F TEXT=YELLOW>\r\n"
              "<CENTER><H2><FONT COLOR=LIME>The Acme Office Pool </FONT></H2></CENTER>\r\n"
              "<P></P><HR><P></P>\r\n"
              "<PRE><STRONG>\r\n"
              "Season Standings   Week 1 To Week 2\r\n"
              "Mon. Tiebreaker: Total Points\r\n"
              "Standings Determined By: Confidence Pts.\r\n"
              "Point Spreads: Not Used\r\n"
              "\r\n"
              "<FONT COLOR=WHITE>Pos  Vadorurizizs         TW   TL   TT   TPts.    W  L  T    Pts.  T/B</FONT>\r\n"
              "\r\n"
              "  1 Al Adams               4    0   1      8.5    1  0  1     2.5   4\r\n"
              "  2 Cathy                  2    1   0      5.0    0  0  0     0.0   0\r\n"
              "  3 &lt;b&gt;Bob &amp; Al&lt;/b&gt;        0    4   1      1.0    0  1  1     1.0   6\r\n"
              "</STRONG></PRE><P></P><HR><P></P>\r\n"
              "<CENTER><FONT COLOR=LIME><STRONG>\r\n"
              "The Acme Office Pool </STRONG></FONT></CENTER>\r\n"
              "<P></P></BODY>\r\n"
              "</HTML>\r\n");
}

TEST_F(WritersTest, MatrixTextFileAndWebPage) {
    PlayerMatrix m(f.State);
    m.SetShowAll(false);
    const OutputMessage done = WriteTextFile(f.State, m.TextFile());
    EXPECT_EQ(done.Title, "Player Selections Text File");
    EXPECT_EQ(done.Text, "A text file named Picks2.txt was created.");
    const std::string sep(83, '-');
    const std::string body =
        "      AWAY         Atl                                                     Ind\r\n"
        "  \r\n"
        "      HOME         Ari                                                      Gb  TB\r\n" +
        sep + "\r\n" + "Al Adams           Ari                                                      Gb  30\r\n" + sep +
        "\r\n" + "<b>Bob & Al</b>    Atl                                                     Ind  20\r\n";
    EXPECT_EQ(Txt("Picks2.txt"), "                        Player Selections For Week 2\r\n\r\n" + body);

    f.State.Color = "WB";
    const OutputMessage web = WriteWebPage(f.State, m.WebPage());
    EXPECT_EQ(web.Title, "Player Selections Web Page");
    std::string escaped = body;
    escaped.replace(escaped.find("<b>Bob & Al</b>"), 15, "&lt;b&gt;Bob &amp; Al&lt;/b&gt;");
    EXPECT_EQ(Web("picks.htm"),
              "<HTML>\r\n"
              "<HEAD><TITLE> Player Selections </TITLE></HEAD>\r\n"
              "<BODY BGCOLOR=#FFFFCC TEXT=BLACK>\r\n"
              "<CENTER><H2><FONT COLOR=RED>The Acme Office Pool </FONT></H2></CENTER>\r\n"
              "<P></P><HR><P></P>\r\n"
              "<PRE>\r\n"
              "<FONT COLOR=BLUE>                        Player Selections For Week 2</FONT>\r\n"
              "\r\n" +
                  escaped +
                  "</PRE><P></P><HR><P></P>\r\n"
                  "<CENTER><FONT COLOR=RED><STRONG>\r\n"
                  "The Acme Office Pool </STRONG></FONT></CENTER>\r\n"
                  "<P></P></BODY>\r\n"
                  "</HTML>\r\n");
}

TEST_F(WritersTest, AllPicksTextFileAndWebPage) {
    AllPicksReport r(f.State);
    const std::string report =
        "                                Player Selections   Week 2\r\n"
        "\r\n"
        "     Away Team     Atl  " + gap + "Ind  \r\n"
        "                    @   " + gap + " @   \r\n"
        "     Home Team     Ari  " + gap + "Gb    TB  Con.Pts\r\n"
        "\r\n"
        "\r\n"
        "Al Adams           Ari  " + gap + "Gb    30     8.5\r\n"
        "                   2    " + gap + "1    \r\n"
        "\r\n"
        "<b>Bob & Al</b>    Atl  " + gap + "Ind   20     1\r\n"
        "                   1    " + gap + "2    \r\n"
        "\r\n";
    const OutputMessage done = WriteTextFile(f.State, r.TextFile());
    EXPECT_EQ(done.Title, "Selection Sheet Text File");
    EXPECT_EQ(Txt("Pks2.txt"), report);

    const OutputMessage web = WriteWebPage(f.State, r.WebPage());
    EXPECT_EQ(web.Title, "Player Selection Web Page");
    EXPECT_EQ(web.Text, "A Web Page named picks.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page.");
    std::string escaped = report;
    escaped.replace(escaped.find("<b>Bob & Al</b>"), 15, "&lt;b&gt;Bob &amp; Al&lt;/b&gt;");
    EXPECT_EQ(Web("picks.htm"),
              "<HTML>\r\n"
              "<HEAD><TITLE>Player Selections</TITLE></HEAD>\r\n"
              "<BODY BGCOLOR=#663300 TEXT=WHITE>\r\n"
              "<CENTER><H2><FONT COLOR=RED> The Acme Office Pool </FONT></H2></CENTER>\r\n"
              "<P></P><HR><P></P>\r\n"
              "<PRE><FONT SIZE=2>\r\n" +
                  escaped +
                  "</PRE></FONT><P></P><HR><P></P>\r\n"
                  "<CENTER><FONT COLOR=RED><STRONG> \r\n"
                  "The Acme Office Pool </STRONG></FONT></CENTER>\r\n"
                  "<P></P></BODY>\r\n"
                  "</HTML>\r\n");
}

}  // namespace
}  // namespace gm
