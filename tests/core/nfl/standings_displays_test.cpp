// The league, conference, favourite/underdog, who's-hot and points displays:
// their lines, writers and week controls on the four-week fixture season.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "core/nfl/ConferenceStandings.h"
#include "core/nfl/FavUndStandings.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "core/nfl/PointsStandings.h"
#include "core/nfl/WhosHot.h"
#include "core/output/RecordingSurface.h"

namespace gm {
namespace {

std::string Golden(const std::string& name) {
    return test::ReadFile(std::filesystem::path(GRIDMOOT_FIXTURES) / "core/nfl/golden" / name);
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

class NflDisplays : public ::testing::Test {
protected:
    test::TempDir dir_;
    AppState state_ = test::NflFixtureState(dir_.path(), 4);
};

// ---- Every display's files, byte for byte -------------------------------------

struct FileCase {
    const char* display;
    std::function<std::unique_ptr<Report>(AppState&)> make;
    int week;
    const char* textFile;
    const char* textTitle;
    const char* webFile;
    const char* clipTitle;
    const char* clipText;
};

const FileCase kFiles[] = {
    {"league", [](AppState& s) { return std::make_unique<LeagueStandings>(s); }, 4, "League4.txt",
     "NFL League Text File", "league.htm", "NFL League Standings", "The NFL League Standings are on the clipboard"},
    {"conference", [](AppState& s) { return std::make_unique<ConferenceStandings>(s); }, 4, "Conf4.txt",
     "NFL Conference Text File", "nflconf.htm", "NFL Conference Standings",
     "The NFL Conference Standings are on the clipboard"},
    {"favund", [](AppState& s) { return std::make_unique<FavUndStandings>(s); }, 4, "FavUnd4.txt",
     "Favorite/Underdog Text File", "favund.htm", "Favorite/Underdog Standings",
     "Favorite/Underdog standings are on the clipboard"},
    {"whoshot", [](AppState& s) { return std::make_unique<WhosHot>(s); }, 2, "WhosHot.txt",
     "Favorite/Underdog Text File", "whoshot.htm", "Who's Hot, Who's Not Standings",
     "The Who's Hot, Who's Not Standings are on the clipboard"},
    {"points", [](AppState& s) { return std::make_unique<PointsStandings>(s); }, 4, "Points.txt", "PF/PA  Text File",
     "points.htm", "PF/PA", "PF/PA Stats Are Now On The Clipboard"},
};

TEST_F(NflDisplays, TextFilesWebPagesAndClipboardOfEveryDisplay) {
    for (const FileCase& c : kFiles) {
        SCOPED_TRACE(c.display);
        state_.CurrentWeek = c.week;
        const auto report = c.make(state_);
        ASSERT_TRUE(report->Writers().TextFile && report->Writers().Clipboard && report->Writers().Printer &&
                    report->Writers().WebPage);

        const TextFileOutput text = report->TextFile();
        EXPECT_EQ(text.FileName, c.textFile);
        EXPECT_EQ(text.ConfirmTitle, c.textTitle);
        const OutputMessage written = WriteTextFile(state_, text);
        EXPECT_EQ(written.Text, std::string("A text file named ") + c.textFile + " was created.");
        EXPECT_EQ(test::ReadFile(dir_ / c.textFile), Golden(c.textFile));

        const WebPageOutput page = report->WebPage();
        const OutputMessage saved = WriteWebPage(state_, page);
        EXPECT_FALSE(saved.failed()) << saved.Text;
        EXPECT_EQ(test::ReadFile(dir_ / c.webFile), Golden(c.webFile));

        // The clipboard holds the text file's lines (the league names its
        // season totals differently there).
        const ClipboardOutput clip = report->Clipboard();
        std::string clipText = Golden(c.textFile);
        if (std::string(c.display) == "league")
            clipText.replace(clipText.find("Overall   Overall"), 17, "Overall   Season Totals");
        EXPECT_EQ(clip.Text, clipText);
        EXPECT_EQ(clip.Confirmation.Title, c.clipTitle);
        EXPECT_EQ(clip.Confirmation.Text, c.clipText);
    }
}

TEST_F(NflDisplays, ConfirmationsOfThePages) {
    struct Case {
        std::function<std::unique_ptr<Report>(AppState&)> make;
        const char* title;
        const char* text;
    } cases[] = {
        {kFiles[0].make, "NFL League Web Page",
         "A Web Page named league.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page."},
        {kFiles[1].make, "NFL Conference Web Page",
         "A Web Page named nflconf.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page."},
        {kFiles[2].make, "Favorite/Underdog Web Page",
         "A Web Page named favund.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page."},
        {kFiles[3].make, "NFL Who's Hot Web Page",
         "A Web Page named whoshot.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page."},
        {kFiles[4].make, "NFL Statistics Web Page",
         "An NFL Team Webpage named points.htm was created.\r\nDon't Forget to Update Your Pool Home Page."},
    };
    for (const auto& c : cases) {
        const OutputMessage m = WriteWebPage(state_, c.make(state_)->WebPage());
        EXPECT_EQ(m.Title, c.title);
        EXPECT_EQ(m.Text, c.text);
    }
}

TEST_F(NflDisplays, LightSchemePagesUseTheirOwnColours) {
    state_.Color = "WB";
    struct Case {
        int display;
        const char* body;
        const char* heading;  // the pool title's line
        const char* accent;   // a division header or the block
    } cases[] = {
        {0, "<BODY BGCOLOR=TAN TEXT=BLACK>", "<CENTER><H2><FONT COLOR=RED>The Acme Office Pool </FONT></H2></CENTER>",
         "<FONT COLOR=BLUE>NFC Eastern     W  L  T   PF   PA</FONT>"},
        {1, "<BODY BGCOLOR=#FFFFCC TEXT=BLACK>",
         "<CENTER><H2><FONT COLOR=RED> The Acme Office Pool </FONT></H2></CENTER>",
         "<FONT COLOR=BLUE>AFC Western     W  L  T   PF   PA    Division   Conference   vs. NFC</FONT>"},
        {2, "<BODY BGCOLOR=TAN TEXT=BLACK>", "<CENTER><H2><FONT COLOR=RED> The Acme Office Pool </FONT></H2></CENTER>",
         "<FONT COLOR=BLUE>NFC Central     W  L  T   PF   PA    Division   Conference   vs. AFC</FONT>"},
        {3, "<BODY BGCOLOR=#FFFFCC TEXT=BLACK>", "<CENTER><H2><FONT COLOR=RED>The Acme Office Pool </FONT></H2></CENTER>",
         "<FONT COLOR=BLUE>AFC Eastern     W  L  T   PF   PA    Division   Conference   vs. NFC</FONT>"},
        {4, "<BODY BGCOLOR=YELLOW TEXT=BLACK>", "<CENTER><H2><FONT COLOR=RED>The Acme Office Pool </FONT></H2></CENTER>",
         "<PRE><STRONG><FONT COLOR=BLUE>"},
    };
    for (const auto& c : cases) {
        const auto lines = Split(WebPageBytes(state_, kFiles[c.display].make(state_)->WebPage()));
        SCOPED_TRACE(kFiles[c.display].display);
        ASSERT_GT(lines.size(), 6u);
        EXPECT_EQ(lines[2], c.body);
        EXPECT_EQ(lines[3], c.heading);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.accent), lines.end());
    }
}

// ---- League standings ----------------------------------------------------------

TEST_F(NflDisplays, LeagueScopesPeriodsAndSpread) {
    struct Case {
        Venue scope;
        bool last3, spread;
        std::vector<std::string> nfcEast;
        const char* words;  // second heading line, printer form
    } cases[] = {
        {Venue::Home, false, false,
         {"Dallas          2  0  0   59   27    ", "Arizona         1  0  0   21   14    ",
          "NY Giants       1  0  0   31    3    ", "Philadelphia    0  0  0    0    0    ",
          "Washington      0  0  1   17   17    "},
         "At Home   Season Totals   Regular Standings"},
        {Venue::Road, false, false,
         {"Arizona         0  0  0    0    0    ", "Philadelphia    0  1  0    7   35    ",
          "Washington      0  1  0    3   31    ", "Dallas          0  1  0   14   21    ",
          "NY Giants       0  2  0   41   48    "},
         "On Road   Season Totals   Regular Standings"},
        {Venue::Overall, false, true,
         {"Arizona         1  0  0   **   **    ", "Dallas          1  1  1   **   **    ",
          "NY Giants       1  1  1   **   **    ", "Philadelphia    0  1  0   **   **    ",
          "Washington      0  1  1   **   **    "},
         "Overall   Season Totals   vs. Point Spread"},
        {Venue::Overall, true, false,  // weeks 2 to 4
         {"Dallas          1  1  0   49   28    ", "Arizona         1  0  0   21   14    ",
          "Philadelphia    0  1  0    7   35    ", "Washington      0  1  0    3   31    ",
          "NY Giants       1  1  0   52   27    "},
         "Overall   Last 3 Weeks   Regular Standings"},
    };
    for (const auto& c : cases) {
        LeagueStandings league(state_);
        league.SetScope(c.scope);
        league.SetLast3(c.last3);
        league.SetSpread(c.spread);
        // Sorted: fewest losses, then most wins, then team number.
        std::vector<std::string> got = league.ListLines(0);
        std::vector<std::string> want = c.nfcEast;
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        EXPECT_EQ(got, want) << c.words;
        RecordingSurface surface;
        league.PrintCopy(surface, 0);
        EXPECT_EQ(surface.Texts()[1].text, c.words);
    }
}

TEST_F(NflDisplays, LeagueOrderAndItemData) {
    LeagueStandings league(state_);
    EXPECT_EQ(league.ListCount(), 6);
    EXPECT_EQ(league.ListLines(0).front(), "Arizona         1  0  0   21   14    ");
    EXPECT_EQ(league.ListItemData(0), (std::vector<int>{0, 7, 22, 29, 19}));  // Ari, Dal, Phi, Was, NyG
    EXPECT_EQ(league.ListItemData(5), (std::vector<int>{8, 21, 24, 26, 14}));  // Den ... KC last
    EXPECT_EQ(league.FrameCaption(3), "AFC Eastern     W  L  T   PF   PA");
    EXPECT_EQ(league.ReportTitle(), "NFL League Standings");
}

TEST_F(NflDisplays, WeekSpinsStopAtOneAndTwentyOne) {
    struct Case {
        const char* display;
        std::function<bool(int)> spin;
        std::function<std::string()> label;
        bool movesCurrentWeek;
        std::function<std::string()> fileName;
    };
    LeagueStandings league(state_);
    ConferenceStandings conf(state_);
    FavUndStandings favund(state_);
    WhosHot hot(state_);
    PointsStandings points(state_);
    const Case cases[] = {
        {"league", [&](int s) { return league.SpinWeek(s); }, [&] { return league.WeekText(); }, true,
         [&] { return league.TextFile().FileName; }},
        {"conference", [&](int s) { return conf.SpinWeek(s); }, [&] { return conf.WeekText(); }, true,
         [&] { return conf.TextFile().FileName; }},
        {"favund", [&](int s) { return favund.SpinWeek(s); }, [&] { return favund.WeekText(); }, true,
         [&] { return favund.TextFile().FileName; }},
        {"whoshot start", [&](int s) { return hot.SpinStart(s); }, [&] { return hot.StartText(); }, false,
         [&] { return hot.TextFile().FileName; }},
        {"whoshot end", [&](int s) { return hot.SpinEnd(s); }, [&] { return hot.EndText(); }, false,
         [&] { return hot.TextFile().FileName; }},
        {"points start", [&](int s) { return points.SpinStart(s); }, [&] { return points.StartText(); }, false,
         [&] { return points.TextFile().FileName; }},
        {"points end", [&](int s) { return points.SpinEnd(s); }, [&] { return points.EndText(); }, true,
         [&] { return points.TextFile().FileName; }},
    };
    const std::map<std::string, std::string> bottomNames{{"league", "League 1.txt"}, {"conference", "Conf 1.txt"},
                                                         {"favund", "FavUnd 1.txt"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.display);
        state_.CurrentWeek = 4;
        while (c.spin(+1)) {
        }
        EXPECT_EQ(c.label(), " 21") << "a spun label carries the sign blank";
        EXPECT_FALSE(c.spin(+1));
        EXPECT_EQ(c.label(), " 21");
        while (c.spin(-1)) {
        }
        EXPECT_EQ(c.label(), " 1");
        EXPECT_FALSE(c.spin(-1));
        EXPECT_EQ(c.label(), " 1");
        EXPECT_EQ(state_.CurrentWeek, c.movesCurrentWeek ? 1 : 4);
        if (bottomNames.count(c.display)) {
            EXPECT_EQ(c.fileName(), bottomNames.at(c.display));
        }
    }
}

TEST_F(NflDisplays, AnOutOfRangeCurrentWeekOpensOnTheNearestWeek) {
    state_.CurrentWeek = 40;
    LeagueStandings league(state_);
    EXPECT_EQ(league.Week(), 21);
    state_.CurrentWeek = 0;
    PointsStandings points(state_);
    EXPECT_EQ(points.EndWeek(), 1);
}

// ---- Conference-style windows ------------------------------------------------

TEST_F(NflDisplays, ConferenceShowsOneConferenceAndWritesBoth) {
    ConferenceStandings conf(state_);
    EXPECT_EQ(conf.ListCount(), 3);
    EXPECT_EQ(conf.FrameCaption(0), "NFC Eastern     W  L  T   PF   PA     Division   Conference  vs. AFC ");
    EXPECT_EQ(conf.FrameColor(), 0x0000FFu);
    const auto nfcText = conf.TextFile().Lines;
    conf.SetConference(Conference::AFC);
    EXPECT_EQ(conf.FrameCaption(2), "AFC Western     W  L  T   PF   PA     Division   Conference  vs. NFC ");
    EXPECT_EQ(conf.FrameColor(), 0xFF0000u);
    EXPECT_EQ(conf.ListLines(2).front(), "Denver          3  0  0   77   43      1  0  0     3  0  0    0  0  0");
    EXPECT_EQ(conf.ListItemData(0), (std::vector<int>{15, 12, 17, 20, 3}));  // Mia, Ind, NE, NyJ, Buf
    EXPECT_EQ(conf.TextFile().Lines, nfcText);
}

TEST_F(NflDisplays, ConferenceHeadingWordsPerWriter) {
    ConferenceStandings conf(state_);
    conf.SetLast3(true);
    conf.SetSpread(true);
    EXPECT_EQ(conf.TextFile().Lines[1], "Last 3 Games   vs. Point Spread");
    EXPECT_EQ(conf.WebPage().Lines[1].text, "Last 3 Games   vs. Point Spread");
    RecordingSurface surface;
    conf.PrintCopy(surface, 0);
    EXPECT_EQ(surface.Texts()[1].text, "Last 3 Weeks   vs. Point Spread");
    // Weeks 2 to 4 against the spread: the division columns count only those weeks.
    EXPECT_EQ(conf.ListLines(0)[0], "Arizona         1  0  0   **   **      1  0  0     1  0  0    0  0  0");
}

TEST_F(NflDisplays, FavoriteUnderdogRolesAndScopes) {
    FavUndStandings fu(state_);
    struct Case {
        Role role;
        Venue scope;
        Conference conf;
        int list;
        std::vector<std::string> top;  // the first lines of the list
        const char* title;
        const char* words;
    } cases[] = {
        {Role::Underdog, Venue::Overall, Conference::AFC, 0,
         {"Miami           1  0  0   **   **      0  0  0     0  0  0    1  0  0",
          "Buffalo         0  1  1   **   **      0  0  0     0  1  1    0  0  0"},
         "NFL Underdog Standings: Week 4", "Season Standings   Overall"},
        {Role::Underdog, Venue::Road, Conference::NFC, 0,
         {"Arizona         0  0  0   **   **      0  0  0     0  0  0    0  0  0",
          "Dallas          0  0  0   **   **      0  0  0     0  0  0    0  0  0",
          "NY Giants       0  0  1   **   **      0  0  1     0  0  1    0  0  0"},
         "NFL Underdog Standings: Week 4", "Season Standings   On Road"},
        {Role::Favorite, Venue::Home, Conference::NFC, 0,
         {"Dallas          1  0  1   **   **      1  0  1     1  0  1    0  0  0",
          "NY Giants       1  0  0   **   **      1  0  0     1  0  0    0  0  0"},
         "NFL Favorite Standings: Week 4", "Season Standings   At Home"},
        // Road favourites: Dallas lost at Arizona, the Giants at Miami; equal
        // wins keep team-number order whatever the losses.
        {Role::Favorite, Venue::Road, Conference::NFC, 0,
         {"Arizona         0  0  0   **   **      0  0  0     0  0  0    0  0  0",
          "Dallas          0  1  0   **   **      0  1  0     0  1  0    0  0  0"},
         "NFL Favorite Standings: Week 4", "Season Standings   On Road"},
    };
    for (const auto& c : cases) {
        fu.SetRole(c.role);
        fu.SetScope(c.scope);
        fu.SetConference(c.conf);
        const auto lines = fu.ListLines(c.list);
        for (std::size_t i = 0; i < c.top.size(); ++i) EXPECT_EQ(lines.at(i), c.top[i]) << c.words;
        const auto text = fu.TextFile().Lines;
        EXPECT_EQ(text[0], CenterTitle66(c.title));
        EXPECT_EQ(text[1], c.words);
    }
    fu.SetLast3(true);
    EXPECT_EQ(fu.TextFile().Lines[1], "Last 3 Games   On Road");
}

TEST_F(NflDisplays, WhosHotRanges) {
    state_.CurrentWeek = 3;
    WhosHot hot(state_);
    // At opening only the current week: Dallas beat Philadelphia, Miami the Giants.
    EXPECT_EQ(hot.ListLines(0)[0], "Dallas          1  0  0   35    7      1  0  0     1  0  0    0  0  0");
    // Start 4, end 2: nothing counts.
    hot.SpinStart(+1);
    hot.SpinEnd(-1);
    for (int list = 0; list < 3; ++list)
        for (const auto& line : hot.ListLines(list))
            EXPECT_EQ(line.substr(15), " 0  0  0    0    0      0  0  0     0  0  0    0  0  0");
    EXPECT_EQ(hot.TextFile().Lines[0], CenterTitle66("NFL Regular Standings Between Week 4 and Week 2"));
    hot.SetSpread(true);
    RecordingSurface surface;
    hot.PrintCopy(surface, 0);
    EXPECT_EQ(surface.Texts()[0].text, "NFL vs. Point Spread");
    EXPECT_EQ(surface.Texts()[1].text, "Between Week 4 and Week 2");
    EXPECT_EQ(surface.Texts()[1].font, surface.Texts()[0].font) << "both printed as the title";
}

// ---- Points for and against ---------------------------------------------------

TEST_F(NflDisplays, PointsRankings) {
    struct Case {
        Venue scope;
        bool totals, allowed;
        std::vector<std::string> top;
        const char* lastLine;  // of the second list
        const char* heading3;
    } cases[] = {
        {Venue::Overall, true, false,
         {"  1 Denver          77      3", "  2 Dallas          73      3", "  3 NY Giants       72      3"},
         " 30 Tampa Bay        0      0", "Offensive Statistics: All Games"},
        // The stingiest defence first; teams without a game last, not first.
        {Venue::Overall, true, true,
         {"  1 Arizona         14      1", "  2 Kansas City     20      1", "  3 Philadelphia    35      1"},
         " 30 Tampa Bay        0      0", "Defensive Statistics: All Games"},
        {Venue::Overall, false, true,
         {"  1 Arizona        14.0     1", "  2 Denver         14.3     3", "  3 Dallas         16.0     3"},
         " 30 Tampa Bay       0.0     0", "Defensive Statistics: All Games"},
        {Venue::Road, false, false,
         {"  1 Denver         23.5     2", "  2 NY Giants      20.5     2", "  3 Buffalo        20.0     1"},
         " 30 Tampa Bay       0.0     0", "Offensive Statistics: Away Games"},
        // Philadelphia has no home game: its 0 points allowed do not make it the best defence.
        {Venue::Home, true, true,
         {"  1 NY Giants        3      1", "  2 Arizona         14      1", "  3 Washington      17      1"},
         " 30 Tampa Bay        0      0", "Defensive Statistics: Home Games"},
    };
    for (const auto& c : cases) {
        PointsStandings p(state_);
        p.SetScope(c.scope);
        p.SetTotals(c.totals);
        p.SetAllowed(c.allowed);
        SCOPED_TRACE(c.heading3);
        const auto top = p.ListLines(0);
        for (std::size_t i = 0; i < c.top.size(); ++i) EXPECT_EQ(top.at(i), c.top[i]);
        EXPECT_EQ(p.ListLines(1).back(), c.lastLine);
        EXPECT_EQ(p.HeadingLines()[2], CenterTitle66(c.heading3));
        // Every team with a game ranks ahead of every team without one.
        bool seenNone = false;
        for (const PointsRecord& r : p.Ranking()) {
            if (r.ShownGames == 0) seenNone = true;
            else EXPECT_FALSE(seenNone) << "team " << r.Team << " ranks after a team without a game";
        }
    }
}

TEST_F(NflDisplays, PointsByConferenceKeepsOverallPlaces) {
    PointsStandings p(state_);
    p.SetTotals(true);
    p.SetByConference(true);
    const auto nfc = p.ListLines(0);
    const auto afc = p.ListLines(1);
    ASSERT_EQ(nfc.size(), 15u);
    ASSERT_EQ(afc.size(), 15u);
    EXPECT_EQ(nfc[0], "  2 Dallas          73      3");
    EXPECT_EQ(nfc[1], "  3 NY Giants       72      3");
    EXPECT_EQ(afc[0], "  1 Denver          77      3");
    EXPECT_EQ(afc[1], "  4 Miami           41      2");
    EXPECT_EQ(p.ListItemData(1)[0], 8);
}

TEST_F(NflDisplays, PointsWithTheStartAfterTheEndAreEmpty) {
    PointsStandings p(state_);
    p.SetAllowed(true);
    for (int i = 0; i < 5; ++i) p.SpinStart(+1);
    EXPECT_EQ(p.StartWeek(), 6);
    for (const PointsRecord& r : p.Ranking()) EXPECT_EQ(r.ShownGames, 0);
    EXPECT_EQ(p.ListLines(0)[0], "  1 Arizona         0.0     0") << "equal keys in team-number order";
    EXPECT_EQ(p.TextFile().Lines[1], CenterTitle66("Between Week 6 And Week 4"));
}

// ---- Printing ------------------------------------------------------------------

TEST_F(NflDisplays, LeaguePrintoutFontsAndPageBreaks) {
    LeagueStandings league(state_);
    RecordingSurface surface;
    ASSERT_TRUE(league.Print(surface, 1).ok());
    const auto texts = surface.Texts();
    ASSERT_GT(texts.size(), 10u);
    // texts[0] is the empty line that starts every copy.
    EXPECT_EQ(texts[1].text, "NFL Standings: Week 4");
    EXPECT_EQ(texts[1].font, (PageFont{"Arial", 16, true, false, true, 700}));
    EXPECT_DOUBLE_EQ(texts[1].x, (11520 - 21 * 16 * 12) / 2.0);
    EXPECT_EQ(texts[2].text, "Overall   Season Totals   Regular Standings");
    EXPECT_FALSE(texts[2].font.Underline);
    EXPECT_EQ(texts[4].text, "NFC Eastern     W  L  T   PF   PA");
    EXPECT_EQ(texts[4].font, (PageFont{"Courier New", 15, false, false, true, 700}));
    EXPECT_DOUBLE_EQ(texts[4].x, 720);
    EXPECT_EQ(texts[5].text, "Arizona         1  0  0   21   14    ");
    EXPECT_EQ(texts[5].font, (PageFont{"Courier New", 15, false, false, false, 400}));
    // The six divisions do not fit on one sheet: the next sheet goes on under
    // its division's header.
    ASSERT_EQ(surface.Pages(), 2);
    const auto second = std::find_if(texts.begin(), texts.end(), [](const auto& op) { return op.page == 1 && !op.text.empty(); });
    ASSERT_NE(second, texts.end());
    EXPECT_EQ(second->text.substr(0, 4), "AFC ");
    EXPECT_TRUE(second->font.Underline);
    int printedTeams = 0;
    for (const auto& op : texts)
        if (op.font.Weight == 400 && op.text.size() == 37) ++printedTeams;
    EXPECT_EQ(printedTeams, 30);
}

TEST_F(NflDisplays, PrintoutFontsOfTheOtherDisplays) {
    struct Case {
        int display;
        PageFont title, line;
        double x;
    } cases[] = {
        {1, {"Arial", 20, true, false, true, 700}, {"Courier New", 12, false, false, false, 500}, 0},
        {2, {"Arial", 20, true, false, true, 700}, {"Courier New", 12, false, false, false, 500}, 0},
        {3, {"Arial", 20, true, false, true, 700}, {"Courier New", 12, false, false, false, 400}, 0},
    };
    for (const auto& c : cases) {
        RecordingSurface surface;
        ASSERT_TRUE(kFiles[c.display].make(state_)->Print(surface, 2).ok());
        const auto texts = surface.Texts();
        EXPECT_EQ(texts[1].font, c.title) << c.display;
        const auto line = std::find_if(texts.begin(), texts.end(), [](const auto& op) { return op.text.size() == 69; });
        ASSERT_NE(line, texts.end());
        EXPECT_EQ(line->font, c.line) << c.display;
        EXPECT_DOUBLE_EQ(line->x, c.x);
        // Each copy begins on a sheet of its own.
        std::vector<int> titlePages;
        for (const auto& op : texts)
            if (op.text == texts[1].text) titlePages.push_back(op.page);
        ASSERT_EQ(titlePages.size(), 2u);
        EXPECT_GT(titlePages[1], titlePages[0]);
    }
    RecordingSurface surface;
    PointsStandings(state_).PrintCopy(surface, 0);
    const auto texts = surface.Texts();
    EXPECT_EQ(texts[0].text, "Points Scored");
    EXPECT_EQ(texts[0].font, (PageFont{"Arial", 16, false, false, true, 600}));
    EXPECT_EQ(texts[4].text, std::string(PointsStandings::Caption()));
    EXPECT_TRUE(texts[4].font.Underline);
    EXPECT_EQ(texts[5].font, (PageFont{"Courier New", 14, false, false, false, 400}));
}

// ---- The real 1997 season -------------------------------------------------------

TEST(NflDisplays1997, LeagueStandingsAfterWeekSeventeen) {
    test::TempDir dir;
    AppState state(dir.path());
    state.Games = test::RealSeason1997();
    state.CurrentWeek = 17;
    LeagueStandings league(state);
    const std::vector<std::vector<std::string>> want = {
        {"NY Giants      10  5  1  307  265    ", "Washington      8  7  1  327  289    ",
         "Philadelphia    6  9  1  317  372    ", "Dallas          6 10  0  304  314    ",
         "Arizona         4 12  0  283  379    "},
        {"Green Bay      13  3  0  422  282    ", "Tampa Bay      10  6  0  299  263    ",
         "Detroit         9  7  0  379  306    ", "Minnesota       9  7  0  354  359    ",
         "Chicago         4 12  0  263  421    "},
        {"San Francisco  13  3  0  375  265    ", "Atlanta         7  9  0  320  361    ",
         "Carolina        7  9  0  265  314    ", "New Orleans     6 10  0  237  327    ",
         "St.Louis        5 11  0  299  359    "},
        {"New England    10  6  0  369  289    ", "Miami           9  7  0  339  327    ",
         "NY Jets         9  7  0  348  287    ", "Buffalo         6 10  0  255  367    ",
         "Indianapolis    3 13  0  313  401    "},
        // Equal records in team-number order: Jacksonville (14) before Pittsburgh (24).
        {"Jacksonville   11  5  0  394  318    ", "Pittsburgh     11  5  0  372  307    ",
         "Tennessee       8  8  0  333  310    ", "Cincinnati      7  9  0  355  405    ",
         "Baltimore       6  9  1  326  345    "},
        {"Kansas City    13  3  0  375  232    ", "Denver         12  4  0  472  287    ",
         "Seattle         8  8  0  365  362    ", "Oakland         4 12  0  324  419    ",
         "San Diego       4 12  0  266  425    "},
    };
    for (int list = 0; list < 6; ++list) EXPECT_EQ(league.ListLines(list), want[list]) << "division " << list;
}

}  // namespace
}  // namespace gm
