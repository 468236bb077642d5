#include <gtest/gtest.h>

#include "core/output/HomePage.h"
#include "core/output/WebPage.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;

std::string Crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto l : lines) (out += l) += "\r\n";
    return out;
}

TEST(WebPage, LeaguePageInBothColourSchemes) {
    TempDir dir;
    AppState state(dir.path());
    state.Title = "Acme Pool";
    const WebPageOutput page{WebPageId::League,
                             "",
                             {},
                             {WebLine::Plain("NFL Standings: Week 5"), WebLine::Plain(""),
                              WebLine::Head("NFC Eastern     W  L  T   PF   PA"),
                              WebLine::Plain("Dallas          4  1  0  120   80")},
                             "",
                             ""};

    EXPECT_EQ(WebPageBytes(state, page),
              Crlf({"<HTML>", "<HEAD><TITLE>NFL League Standings</TITLE></HEAD>",
                    "<BODY BGCOLOR=#003399 TEXT=WHITE>",
                    "<CENTER><H2><FONT COLOR=LIME>Acme Pool </FONT></H2></CENTER>", "<P></P><HR><P></P>",
                    "<PRE><STRONG>", "NFL Standings: Week 5", "",
                    "<FONT COLOR=YELLOW>NFC Eastern     W  L  T   PF   PA</FONT>",
                    "Dallas          4  1  0  120   80", "</STRONG></PRE><P></P><HR><P></P>",
                    "<CENTER><FONT COLOR=LIME><STRONG>", "Acme Pool </STRONG></FONT></CENTER>",
                    "<P></P></BODY>", "</HTML>"}));

    state.Color = "WB";
    const std::string light = WebPageBytes(state, page);
    state.Color = "bw";  // only "BW" itself is the dark scheme
    EXPECT_EQ(WebPageBytes(state, page), light);
    EXPECT_NE(light.find("\r\n<BODY BGCOLOR=TAN TEXT=BLACK>\r\n"), std::string::npos);
    EXPECT_NE(light.find("<CENTER><H2><FONT COLOR=RED>Acme Pool </FONT></H2></CENTER>"), std::string::npos);
    EXPECT_NE(light.find("<FONT COLOR=BLUE>NFC Eastern"), std::string::npos);
}

TEST(WebPage, FixedRedTitleAndOtherBlocks) {
    TempDir dir;
    AppState state(dir.path());
    state.Title = "P";
    const std::vector<WebLine> lines{WebLine::Plain("x")};

    const std::string conference = WebPageBytes(state, {WebPageId::Conference, "", {}, lines, "", ""});
    EXPECT_NE(conference.find("\r\n<CENTER><H2><FONT COLOR=RED> P </FONT></H2></CENTER>\r\n"),
              std::string::npos);
    EXPECT_NE(conference.find("\r\n<CENTER><FONT COLOR=RED><STRONG> \r\nP </STRONG></FONT></CENTER>\r\n"),
              std::string::npos);

    struct Case {
        WebPageId page;
        std::string_view block;
    };
    const std::vector<Case> cases = {
        {WebPageId::Points, "<PRE><STRONG><FONT COLOR=YELLOW>\r\nx\r\n</STRONG></PRE><P></P><HR><P></P>\r\n"},
        {WebPageId::AllPicks, "<PRE><FONT SIZE=2>\r\nx\r\n</PRE></FONT><P></P><HR><P></P>\r\n"},
        {WebPageId::PlayerMatrix, "<PRE>\r\nx\r\n</PRE><P></P><HR><P></P>\r\n"},
        {WebPageId::PoolAnalyst, "<FONT SIZE=4>\r\n<PRE>\r\nx\r\n</PRE><P></P><HR><P></P>\r\n</FONT>\r\n"},
    };
    for (const auto& c : cases) {
        const std::string bytes = WebPageBytes(state, {c.page, "", {}, lines, "", ""});
        EXPECT_NE(bytes.find(std::string("<P></P><HR><P></P>\r\n") + std::string(c.block)), std::string::npos)
            << StyleOf(c.page).TitleLine;
    }
}

TEST(WebPage, UserTextShowsAsTypedAndCannotAddMarkup) {
    TempDir dir;
    AppState state(dir.path());
    state.Title = "<script>alert(1)</script>";
    const WebPageOutput page{WebPageId::Standings,
                             "",
                             {WebLine::Markup("<H3>kept</H3>")},
                             {WebLine::Plain("  1 <b>Bob & Al</b>   3"), WebLine::Head("\"Pos\" <i>")},
                             "",
                             ""};
    const std::string bytes = WebPageBytes(state, page);

    EXPECT_EQ(bytes.find("<script>"), std::string::npos);
    EXPECT_EQ(bytes.find("<b>"), std::string::npos);
    EXPECT_NE(bytes.find("&lt;script&gt;alert(1)&lt;/script&gt; </FONT></H2>"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n  1 &lt;b&gt;Bob &amp; Al&lt;/b&gt;   3\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("<FONT COLOR=WHITE>&quot;Pos&quot; &lt;i&gt;</FONT>"), std::string::npos);
    EXPECT_NE(bytes.find("<P></P><HR><P></P>\r\n<H3>kept</H3>\r\n<PRE><STRONG>\r\n"), std::string::npos);

    // Beyond Windows-1252: a numeric reference, not a '?'; the rest as single bytes.
    state.Title = "\xC5\x81\xC3\xB3" "d\xC5\xBA Z\xC3\xB6" "e \xE2\x82\xAC \xF0\x9F\x8F\x88";  // Łódź Zöe € (football)
    EXPECT_NE(WebPageBytes(state, page).find("&#321;\xF3" "d&#378; Z\xF6" "e \x80 &#127944; </FONT>"), std::string::npos);
}

TEST(WebPage, WritesIntoWebpagesWithItsConfirmation) {
    TempDir dir;
    std::filesystem::create_directory(dir / "WEBPAGES");
    test::WriteFile(dir / "WEBPAGES" / "Standing.HTM", "old");
    AppState state(dir.path());

    const auto standings = WriteWebPage(state, {WebPageId::Standings, "", {}, {}, "", ""});
    EXPECT_EQ(standings.icon, OutputMessage::Icon::Information);
    EXPECT_EQ(standings.Title, "Office Pool Standings Web Page");
    EXPECT_EQ(standings.Text,
              "A Web Page named standing.htm was created.\r\n\r\n"
              "Don't forget to update your Office Pool Index Page.");
    // Replaced under its own name, which the home page links.
    EXPECT_EQ(ReadFile(dir / "WEBPAGES" / "standing.htm").substr(0, 8), "<HTML>\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "WEBPAGES"), {}), 1);

    // A display that builds its file name and its own words.
    const auto team = WriteWebPage(state, {WebPageId::TeamResults,
                                           "Ari.htm",
                                           {},
                                           {},
                                           "Arizona Cardinals Web Page",
                                           "A Web Page named Ari.htm was created."});
    EXPECT_EQ(team.Title, "Arizona Cardinals Web Page");
    EXPECT_EQ(team.Text, "A Web Page named Ari.htm was created.");
    EXPECT_TRUE(std::filesystem::exists(dir / "WEBPAGES" / "Ari.htm"));
}

TEST(WebPage, EveryPageHasItsRow) {
    for (int i = 0; i <= static_cast<int>(WebPageId::PoolExperts); ++i) {
        const auto& style = StyleOf(static_cast<WebPageId>(i));
        EXPECT_EQ(static_cast<int>(style.Page), i);
        EXPECT_TRUE(style.TitleLine.starts_with("<HEAD><TITLE>")) << i;
    }
}

// The home page.

const std::string kHomeHead =
    Crlf({"<HTML>", "<HEAD><TITLE> The Office Pool </TITLE></HEAD>",
          "<BODY BGCOLOR=#330000 TEXT=WHITE LINK=#FFFFCC VLINK=#9F9F5F ALINK=#9F9F5F>",
          "<CENTER><H1><I><FONT COLOR=YELLOW> Acme &amp; Co </FONT></I></H1></CENTER>", "<P></P><HR><P></P>",
          "<FONT SIZE=4 COLOR=RED> NFL Handicapping Pages </FONT><P></P>", "<P></P><UL><STRONG>"});
const std::string kHomeFoot =
    Crlf({"</UL></STRONG>", "<P></P><HR><P></P>",
          "<CENTER><FONT COLOR=YELLOW><STRONG> Acme &amp; Co </STRONG></FONT></CENTER>", "<P></P></BODY>",
          "</HTML>"});

TEST(HomePage, WithNoPagesKeepsBothSectionsAndSaysSo) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Webpages");
    AppState state(dir.path());
    state.Title = "Acme & Co";
    std::string confirmation;

    ASSERT_TRUE(WriteHomePage(state, &confirmation));

    EXPECT_EQ(ReadFile(dir / "Webpages" / "index.htm"),
              kHomeHead +
                  Crlf({"</UL>", "</UL>", "<P></P><HR><P></P>",
                        "<FONT SIZE=4 COLOR=RED> Our Pool Pages </FONT><P></P><UL>"}) +
                  kHomeFoot);
    EXPECT_EQ(confirmation,
              "An Office Pool Home Page named index.htm was created\r\nwith the following links:\r\n"
              "\r\nThere were no links created.");
}

TEST(HomePage, LinksThePagesPresentInOrder) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Webpages");
    for (auto name : {"experts.htm", "POINTS.HTM", "nfl.htm", "standing.htm", "statpak.htm", "Ari.htm"})
        test::WriteFile(dir / "Webpages" / name, "x");
    std::filesystem::create_directory(dir / "Webpages" / "league.htm");  // a folder is not a page
    AppState state(dir.path());
    state.Title = "Acme & Co";
    std::string confirmation;

    ASSERT_TRUE(WriteHomePage(state, &confirmation));

    EXPECT_EQ(ReadFile(dir / "Webpages" / "index.htm"),
              kHomeHead +
                  Crlf({"<LI><a href=nfl.htm> NFL Weekly Results </a><P>", "</UL>",
                        "<LI><a href=points.htm> NFL PF/PA Statistics </a><P>", "</UL>", "<P></P><HR><P></P>",
                        "<FONT SIZE=4 COLOR=RED> Our Pool Pages </FONT><P></P><UL>",
                        "<LI><a href=standing.htm>Current Player Standings </a><P>",
                        "<LI><a href=experts.htm> The Pool Experts </a><P>"}) +
                  kHomeFoot);
    EXPECT_EQ(confirmation,
              "An Office Pool Home Page named index.htm was created\r\nwith the following links:\r\n"
              "\r\nNFL Weekly Results (nfl.htm)\r\nNFL Statistics (points.htm)"
              "\r\nCurrent Player Standings (standing.htm)\r\nThe Pool Experts (experts.htm)");
}

TEST(HomePage, ReplacesAnOldCopyUnderItsOwnName) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Webpages");
    test::WriteFile(dir / "Webpages" / "INDEX.HTM", "old");
    AppState state(dir.path());
    ASSERT_TRUE(WriteHomePage(state, nullptr));
    EXPECT_FALSE(std::filesystem::exists(dir / "Webpages" / "INDEX.HTM"));
    EXPECT_EQ(ReadFile(dir / "Webpages" / "index.htm").substr(0, 8), "<HTML>\r\n");
    EXPECT_EQ(HomePagePath(state), dir / "Webpages" / "index.htm");
}

TEST(HomePage, WithoutWebpagesUsesTheDataFolder) {
    TempDir dir;
    test::WriteFile(dir / "picks.htm", "x");
    AppState state(dir.path());
    std::string confirmation;
    ASSERT_TRUE(WriteHomePage(state, &confirmation));
    EXPECT_NE(ReadFile(dir / "index.htm").find("<LI><a href=picks.htm>"), std::string::npos);
    EXPECT_EQ(HomePagePath(state), dir / "index.htm");
    EXPECT_TRUE(confirmation.ends_with("\r\nWeekly Player Picks (picks.htm)"));
}

}  // namespace
}  // namespace gm
