// A typical week run through the main window's menus on a fresh data folder,
// then every file the program wrote, byte by byte.

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

#include "Walkthrough.h"
#include "ui/entry/GameWeekDialog.h"

namespace gm::ui {
namespace {

using test::Child;
using test::Click;
using test::Program;
using test::Type;
using test::Game;
using test::MemberBytes;

constexpr int kDallas = 8, kPhiladelphia = 23, kTennessee = 12, kDenver = 9, kGreenBay = 11, kChicago = 6;

// Member `row` of the selections window: the three games of week 1 and the Monday entry.
void EnterSheet(QDialog& w, std::array<const char*, 3> options, std::array<const char*, 3> points, const char* monday) {
    const int gameSlots[] = {0, 1, 14};
    for (int i = 0; i < 3; ++i) {
        if (auto* op = Child<QRadioButton>(w, QString(options[i]).arg(gameSlots[i]))) op->click();
        Type(w, QString("Text1%1").arg(gameSlots[i]), points[i]);
    }
    Type(w, "txtMP", monday);
}

TEST(Walkthrough, ATypicalWeekWritesEveryFileAsTheOrganiserExpects) {
    Program p;
    EXPECT_EQ(p.File("1997.NFL"), "");
    EXPECT_EQ(p.File("Pool97.dat"), "");

    // Pool options: grade against the spread; a pool title with markup in it.
    p.Menu("OptionItem0", "frmOptions", [](QDialog& w) {
        Click(w, "ckPS");
        auto* title = Child<QLineEdit>(w, "txtTitle");
        title->setText("  Bob & Al's <Pool>  ");
        Click(w, "cmdOK");
    });
    EXPECT_EQ(p.state->PointSpreads, "Yes");

    // Team 12 moves: only its location changes.
    p.Menu("EditItem0", "frmNFLCity", [](QDialog& w) {
        auto* list = Child<QListWidget>(w, "lstTeam");
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->data(Qt::UserRole).toInt() == kTennessee) list->setCurrentRow(i);
        Program::OnModal("frmEditCity", [](QDialog& edit) {
            Type(edit, "txtInput0", "Nashville");
            Click(edit, "cmdOK");
        });
        Click(w, "CmdEdit");
        Click(w, "CmdOK");
    });
    EXPECT_EQ(p.state->Teams.TeamCity[kTennessee], "Nashville");
    EXPECT_EQ(p.state->Teams.TeamName[kTennessee], "Oilers");

    // Week 1: three games, the last one on Monday night.
    p.Menu("EditItem1", "frmSchedule", [](QDialog& w) {
        test::ChooseTeam(w, "Combo10", kDallas);
        test::ChooseTeam(w, "Combo11", kPhiladelphia);
        test::ChooseTeam(w, "Combo12", kTennessee);
        test::ChooseTeam(w, "Combo13", kDenver);
        test::ChooseTeam(w, "Combo128", kGreenBay);
        test::ChooseTeam(w, "Combo129", kChicago);
        Click(w, "CmdOK");
    });
    EXPECT_EQ(p.File("1997.NFL").size(), 7245u);

    // Spreads beside the underdog: Philadelphia gets 3.5, Green Bay half a point
    // (a lone "." is half a point); the second game is even.
    p.Menu("EditItem2", "frmSpreads", [](QDialog& w) {
        EXPECT_EQ(Child<QLabel>(w, "lblAway1")->text(), "Nashville");
        Type(w, "txtHome0", "3.57");
        EXPECT_EQ(Child<QLineEdit>(w, "txtHome0")->text(), "3.5");
        Type(w, "txtAway14", ".");
        EXPECT_EQ(Child<QLineEdit>(w, "txtAway14")->text(), "0.5");
        Click(w, "cmdOK");
    });

    // Three members typed in a row; the list keeps them in alphabetical order.
    p.Menu("EditItem5", "frmPlayer", [](QDialog& w) {
        Program::OnModal("frmAddPlayer", [](QDialog& add) {
            for (const char* name : {"Zed", "amy", "Bob"}) {
                QTest::keyClicks(Child<QLineEdit>(add, "TxtAddPl"), name);
                Click(add, "cmdOK");
            }
            Click(add, "cmdCancel");
        });
        Click(w, "cmdAdd");
        EXPECT_EQ(Child<QLabel>(w, "lblNum")->text(), "3");
        Click(w, "cmdOK");
    });
    ASSERT_EQ(p.state->MemberCount, 3);

    // Their sheets with confidence points (1 to 3 for a three-game week) and
    // the Monday-night entry; Zed takes every home team with the quick picks.
    p.Menu("EditItem6", "frmPicks", [](QDialog& w) {
        auto* who = Child<QComboBox>(w, "Combo1");
        ASSERT_EQ(who->count(), 3);
        EXPECT_EQ(who->itemText(0), "amy               ");  // the 18-character name field
        EnterSheet(w, {"OpAway%1", "OpHome%1", "OpAway%1"}, {"3", "1", "2"}, "45");
        who->setCurrentIndex(1);
        EnterSheet(w, {"OpHome%1", "OpAway%1", "OpHome%1"}, {"1", "2", "3"}, "40");
        who->setCurrentIndex(2);
        Click(w, "cmdHome");
        Click(w, "cmdCAscend");
        Type(w, "txtMP", "501");  // two digits at most
        EXPECT_EQ(Child<QLineEdit>(w, "txtMP")->text(), "50");
        Click(w, "cmdOK");
    });

    // The games are played: a road win, a tie, a Monday-night road win.
    p.Menu("EditItem3", "frmScores", [](QDialog& w) {
        Type(w, "txtAway0", "24");
        Type(w, "txtHome0", "17");
        Type(w, "txtAway1", "20");
        Type(w, "txtHome1", "20");
        Type(w, "txtAway14", "27");
        Type(w, "txtHome14", "20");
        Click(w, "cmdOK");
    });

    // The season file: 315 records, the three games in slots 0, 1 and 14 of week 1.
    std::string expectedSeason(7245, '\0');
    {
        std::string& expected = expectedSeason;
        Game g0{kPhiladelphia, kDallas, 17, 24, 24, 17, 3.5f, 0, kDallas, kPhiladelphia, 0, 0, 2, 2, 1, 1};
        Game g1{kDenver, kTennessee, 20, 20, 20, 20, 0, 0, 0, 0, 0, 0, 1, 1, 5, 6};
        Game g14{kChicago, kGreenBay, 20, 27, 27, 20, 0, 0.5f, kGreenBay, kChicago, 0, 0, 2, 2, 2, 2};
        expected.replace(0, 23, g0.Bytes());
        expected.replace(23, 23, g1.Bytes());
        expected.replace(14 * 23, 23, g14.Bytes());
        const std::string actual = p.File("1997.NFL");
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i)
            ASSERT_EQ(int(static_cast<unsigned char>(actual[i])), int(static_cast<unsigned char>(expected[i])))
                << "season file offset " << i;
    }

    // The pool file: alphabetical, numbered in list order, every pick where it was typed.
    {
        const std::string expected =
            MemberBytes("amy", 1, {kDallas, kDenver, kGreenBay}, {3, 1, 2}, 45) +
            MemberBytes("Bob", 2, {kPhiladelphia, kTennessee, kChicago}, {1, 2, 3}, 40) +
            MemberBytes("Zed", 3, {kPhiladelphia, kDenver, kChicago}, {1, 2, 3}, 50);
        const std::string actual = p.File("Pool97.dat");
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i)
            ASSERT_EQ(int(static_cast<unsigned char>(actual[i])), int(static_cast<unsigned char>(expected[i])))
                << "pool file offset " << i << " (member " << i / 746 << ", byte " << i % 746 << ")";
        EXPECT_FALSE(p.Exists("Temp.dat"));
    }

    // Standings of week 1 against the spread: amy 2-0-1 with 3 + 0.5 + 2 points;
    // Bob and Zed tie on points and rank, Zed first on the Monday tiebreak (3 against 7).
    const std::string heading = " Vadorurizizs        W  L  T    Pts.  T/B   TW   TL   TT   TPts.  SRank";
    const std::string lines[] = {
        "amy                  2  0  1     5.5   2     2    0   1      5.5    1",
        "Zed                  0  2  1     1.0   3     0    2   1      1.0    2",
        "Bob                  0  2  1     1.0   7     0    2   1      1.0    2",
    };
    p.Menu("PoolItem2", "frmPoolStn", [&](QDialog& w) {
        auto* list = Child<QListWidget>(w, "lstPlayer");
        ASSERT_EQ(list->count(), 3);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(list->item(i)->text().toStdString(), lines[i]);
        for (auto* destination : {"OpText", "OpWeb"}) {
            Program::OnModal("frmPNFLResults", [&](QDialog& out) {
                Click(out, destination);
                Click(out, "cmdOK");
            });
            Click(w, "cmdPrint");
        }
        Click(w, "cmdOK");
    });
    const std::string crlf = "\r\n";
    // The title is centred in 66 columns, as every text file's title is.
    std::string text = std::string(20, ' ') + "Player Standings:   Week 1" + crlf + "Mon. Tiebreaker: Total Points" + crlf +
                       "Standings Determined By: Confidence Pts." + crlf + "Point Spreads: In Use" + crlf + crlf +
                       heading + crlf + crlf;
    for (const auto& line : lines) text += line + crlf;
    EXPECT_EQ(p.File("TxtFiles/PStnd1.txt"), text);

    std::string page = "<HTML>" + crlf + "<HEAD><TITLE>Pool Standings </TITLE></HEAD>" + crlf +
                       "<BODY BGCOLOR=#2F2F4F TEXT=YELLOW>" + crlf +
                       "<CENTER><H2><FONT COLOR=LIME>Bob &amp; Al's &lt;Pool&gt; </FONT></H2></CENTER>" + crlf +
                       "<P></P><HR><P></P>" + crlf + "<PRE><STRONG>" + crlf + "Player Standings:   Week 1" + crlf +
                       "Mon. Tiebreaker: Total Points" + crlf + "Standings Determined By: Confidence Pts." + crlf +
                       "Point Spreads: In Use" + crlf + crlf + "<FONT COLOR=WHITE>" + heading + "</FONT>" + crlf +
                       crlf;
    for (const auto& line : lines) page += line + crlf;
    page += "</STRONG></PRE><P></P><HR><P></P>" + crlf;
    const std::string written = p.File("Webpages/standing.htm");
    EXPECT_EQ(written.substr(0, std::min(written.size(), page.size())), page);
    EXPECT_NE(written.find("Bob &amp; Al's &lt;Pool&gt; </STRONG></FONT></CENTER>" + crlf + "<P></P></BODY>" + crlf +
                           "</HTML>" + crlf),
              std::string::npos)
        << written;

    // The player matrix of week 1 to a text file and a web page: the favourite
    // above, the points (half points with the one-half sign), the underdog with
    // the home team in capitals; one row of picks and the Monday entry per member.
    p.Menu("PoolItem0", "frmPMatrix", [](QDialog& w) {
        for (auto* destination : {"OpText", "OpWeb"}) {
            Program::OnModal("frmPNFLResults", [&](QDialog& out) {
                Click(out, destination);
                Click(out, "cmdOK");
            });
            Click(w, "cmdPrint");
        }
        Click(w, "cmdOK");
    });
    const std::string empty12(48, ' '), separator(83, '-');
    std::string matrix = std::string(24, ' ') + "Player Selections For Week 1" + crlf + crlf +
                         "  FAVORITE         Dal DEN" + empty12 + " CHI" + crlf +
                         "      PTS.          3\xBD  Pk" + empty12 + "  0\xBD" + crlf +
                         "  UNDERDOG         PHI Ten" + empty12 + "  Gb  TB" + crlf;
    for (const char* row : {"amy                Dal Den<>  Gb  45", "Bob                Phi Ten<> Chi  40",
                            "Zed                Phi Den<> Chi  50"}) {
        std::string line = row;
        line.replace(line.find("<>"), 2, empty12);
        matrix += separator + crlf + line + crlf;
    }
    EXPECT_EQ(p.File("TxtFiles/Picks1.txt"), matrix);
    EXPECT_TRUE(p.Exists("Webpages/picks.htm"));

    // The all-picks report as a text file, in alphabetical order, with the
    // season's confidence points under each member's picks.
    p.Menu("ReportItem2", "frmMatrix", [](QDialog& w) {
        Click(w, "OpOutput0");
        Click(w, "cmdOK");
    });
    const std::string empty60(60, ' '), blank19(19, ' ');
    std::string allPicks = std::string(32, ' ') + "Player Selections   Week 1" + crlf + crlf +
                           "     Favorite      Dal  DEN  " + empty60 + "CHI  " + crlf +
                           blank19 + "3.5  0    " + empty60 + "0.5  " + crlf +
                           "     Underdog      PHI  Ten  " + empty60 + "Gb    TB  Con.Pts" + crlf + crlf + crlf;
    for (const auto& [picks, figure, points] :
         {std::tuple{"amy                Dal  Den  ", " 45     5.5", "3    1    "},
          {"Bob                Phi  Ten  ", " 40     1", "1    2    "},
          {"Zed                Phi  Den  ", " 50     1", "1    2    "}}) {
        allPicks += std::string(picks) + empty60 + (std::string(picks).substr(0, 3) == "amy" ? "Gb   " : "Chi  ") +
                    figure + crlf + blank19 + points + empty60 + (std::string(picks).substr(0, 3) == "amy" ? "2    " : "3    ") +
                    crlf + crlf;
    }
    EXPECT_EQ(p.File("TxtFiles/Pks1.txt"), allPicks);
    EXPECT_NE(p.File("Vask97.ini").find("[AllPicks]\r\nAPSort=Names\r\nPrintCopies=Active\r\n"), std::string::npos);

    // The home page links the pages that exist, in its own order.
    p.Menu("OptionItem0", "frmOptions", [](QDialog& w) {
        Click(w, "cmdCreate");
        Click(w, "cmdCancel");
    });
    const std::string index = p.File("Webpages/index.htm");
    const std::string indexStart =
        "<HTML>" + crlf + "<HEAD><TITLE> The Office Pool </TITLE></HEAD>" + crlf +
        "<BODY BGCOLOR=#330000 TEXT=WHITE LINK=#FFFFCC VLINK=#9F9F5F ALINK=#9F9F5F>" + crlf +
        "<CENTER><H1><I><FONT COLOR=YELLOW> Bob &amp; Al's &lt;Pool&gt; </FONT></I></H1></CENTER>" + crlf +
        "<P></P><HR><P></P>" + crlf + "<FONT SIZE=4 COLOR=RED> NFL Handicapping Pages </FONT><P></P>" + crlf +
        "<P></P><UL><STRONG>" + crlf + "</UL>" + crlf + "</UL>" + crlf + "<P></P><HR><P></P>" + crlf +
        "<FONT SIZE=4 COLOR=RED> Our Pool Pages </FONT><P></P><UL>" + crlf +
        "<LI><a href=picks.htm>This Weeks Player Selections </a><P>" + crlf +
        "<LI><a href=standing.htm>Current Player Standings </a><P>" + crlf;
    EXPECT_EQ(index.substr(0, std::min(index.size(), indexStart.size())), indexStart);

    // What the user was told, in order, after the three data windows.
    std::vector<std::pair<QString, QString>> told;
    for (const auto& r : p.prompts.Asked()) told.emplace_back(r.Title, r.Text);
    const std::vector<std::pair<QString, QString>> expectedTold = {
        {"Player Standings Text File", "A text file named PStnd1.txt was created."},
        {"Office Pool Standings Web Page",
         "An Office Pool Standings Web Page Named standing.htm was created.\r\n\r\nDon't forget to update your "
         "Office Pool Index Page."},
        {"Player Selections Text File", "A text file named Picks1.txt was created."},
        {"Player Selections Web Page",
         "A Web Page named picks.htm was created.\r\n\r\nDon't forget to update your Office Pool Index Page."},
        {"Selection Sheet Text File", "A text file named Pks1.txt was created."},
        {"Office Pool Home Page",
         "An Office Pool Home Page named index.htm was created\r\nwith the following links:\r\n\r\nWeekly Player "
         "Picks (picks.htm)\r\nCurrent Player Standings (standing.htm)"},
    };
    EXPECT_EQ(told, expectedTold);

    // The standings graded against the spread in memory; the next save of the
    // season carries those results: covers, the push, and 55 for every game not
    // played (the empty slots included). The week moved to becomes the current week.
    p.Menu("EditItem3", "frmScores", [](QDialog& w) {
        qobject_cast<GameWeekDialog*>(&w)->SpinUp();
        Click(w, "cmdOK");
    });
    for (int record = 0; record < 315; ++record) expectedSeason[record * 23 + 16] = expectedSeason[record * 23 + 17] = 55;
    for (auto [record, win, lose] : {std::tuple{0, kDallas, kPhiladelphia}, {1, 0, 0}, {14, kGreenBay, kChicago}}) {
        expectedSeason[record * 23 + 16] = char(win);
        expectedSeason[record * 23 + 17] = char(lose);
    }
    EXPECT_EQ(p.File("1997.NFL"), expectedSeason);
    EXPECT_EQ(p.state->CurrentWeek, 2);

    // Closing the program writes the week and nothing else.
    const std::string pool = p.File("Pool97.dat"), season = p.File("1997.NFL");
    p.main->close();
    EXPECT_EQ(p.File("Pool97.dat"), pool);
    EXPECT_EQ(p.File("1997.NFL"), season);
    const std::string settings = p.File("Vask97.ini");
    const std::string expectedSettings = "[Options]" + crlf + "PoolSort=Confidence" + crlf + "MondayPts=TotalPoints" +
                                         crlf + "PointSpreads=Yes" + crlf + "MaxCPoints=GamesPlayed" + crlf +
                                         "TBMethod=MonGame" + crlf + "SecondaryTB=Monday" + crlf +
                                         "PSEntrys=Underdog" + crlf;
    EXPECT_EQ(settings.substr(0, std::min(settings.size(), expectedSettings.size())), expectedSettings) << settings;
    for (const char* line : {"[WebPage]\r\nTitle=Bob & Al's <Pool>\r\nColor=BW\r\n", "[Team Location]\r\n12=Nashville\r\n",
                             "[SportsBox]\r\nBoxPlayers=3\r\n", "CurrentWeek=2\r\n"})
        EXPECT_NE(settings.find(line), std::string::npos) << line << " in\n" << settings;
    for (const char* absent : {"[Team Names]", "[Team City Abr]", "[Team Name Abr]", "[Colors]"})
        EXPECT_EQ(settings.find(absent), std::string::npos) << absent << " in\n" << settings;
}

// The pool options change where spreads are typed and shown, in every window
// opened afterwards; what the season file means stays the same.
TEST(Walkthrough, FavouriteEntryPutsTheSameSpreadBesideTheOtherTeam) {
    Program p([](const gm::test::TempDir& dir) {
        std::string season(7245, '\0');
        season.replace(0, 23, Game{kPhiladelphia, kDallas, 0, 0, 0, 0, 3.5f, 0, 0, 0, 0, 0, 2, 2, 1, 1}.Bytes());
        gm::test::WriteFile(dir / "1997.NFL", season);
        gm::test::WriteFile(dir / "Pool97.dat", MemberBytes("amy", 1, {0, 0, 0}, {0, 0, 0}, 0));
    });
    p.Menu("OptionItem0", "frmOptions", [](QDialog& w) {
        Click(w, "OpFav");
        Click(w, "cmdOK");
    });
    p.Menu("EditItem2", "frmSpreads", [](QDialog& w) {
        EXPECT_EQ(Child<QLabel>(w, "lblFavUnd")->text(), " Place Point Spreads Next to Favorite ");
        EXPECT_EQ(Child<QLineEdit>(w, "txtAway0")->text(), "3.5");  // Dallas gives Philadelphia 3.5
        EXPECT_EQ(Child<QLineEdit>(w, "txtHome0")->text(), "");
        Type(w, "txtAway0", "");
        Type(w, "txtHome0", "7");  // now Philadelphia gives Dallas 7
        Click(w, "cmdOK");
    });
    const std::string season = p.File("1997.NFL");
    EXPECT_EQ(season.substr(6, 8), test::FloatBytes(0) + test::FloatBytes(7));
    p.Menu("EditItem6", "frmPicks", [](QDialog& w) {
        EXPECT_EQ(Child<QLabel>(w, "lblFavUnd")->text(), " Favorite Shows Points ");
        EXPECT_EQ(Child<QRadioButton>(w, "OpHome0")->text(), "Philadelphia +7");
        EXPECT_EQ(Child<QRadioButton>(w, "OpAway0")->text(), "Dallas");
        Click(w, "cmdCancel");
    });
}

}  // namespace
}  // namespace gm::ui
