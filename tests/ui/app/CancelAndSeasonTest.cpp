// Every way out of an editing window without saving, the season switch and the
// refusals, run through the main window on a folder holding a week of play.

#include <QListWidget>
#include <QRadioButton>

#include "Walkthrough.h"
#include "core/data/SeasonFile.h"
#include "ui/entry/frmSchedule.h"

namespace gm::ui {
namespace {

using test::Child;
using test::Click;
using test::Program;
using test::Type;

constexpr int kDallas = 8, kPhiladelphia = 23, kDenver = 9;

// Week 1: Dallas won at Philadelphia; amy and Bob have sheets; team 12 renamed.
void WeekOfPlay(const gm::test::TempDir& dir) {
    std::string season(7245, '\0');
    season.replace(0, 23, test::Game{kPhiladelphia, kDallas, 17, 24, 24, 17, 3.5f, 0, kDallas, kPhiladelphia, 0, 0, 2,
                                     2, 1, 1}
                              .Bytes());
    gm::test::WriteFile(dir / "1997.NFL", season);
    gm::test::WriteFile(dir / "Pool97.dat", test::MemberBytes("amy", 1, {kDallas, 0, 0}, {1, 0, 0}, 45) +
                                                test::MemberBytes("Bob", 2, {kPhiladelphia, 0, 0}, {1, 0, 0}, 40));
    gm::test::WriteFile(dir / "Vask97.ini",
                        "[Team Location]\r\n12=Nashville\r\n[SportsBox]\r\nBoxPlayers=2\r\n[GridMoot]\r\nCurrentWeek=1\r\n");
}

// Closes the window with Cancel and answers the save question with No.
void CancelWithNo(Program& p, QDialog& w, const char* cancel) {
    p.prompts.Answer(PromptAnswer::No);
    Click(w, cancel);
}

TEST(Walkthrough, EveryCancelLeavesTheFilesAsTheyWere) {
    Program p(WeekOfPlay);
    const auto before = p.Files();

    p.Menu("EditItem0", "frmNFLCity", [&](QDialog& w) {
        Child<QListWidget>(w, "lstTeam")->setCurrentRow(2);
        Program::OnModal("frmEditCity", [](QDialog& edit) {
            Type(edit, "txtInput0", "Charm City");
            Click(edit, "cmdOK");
        });
        Click(w, "CmdEdit");
        CancelWithNo(p, w, "cmdCancel");
    });
    EXPECT_EQ(p.state->Teams.TeamCity[3], "Baltimore");

    p.Menu("EditItem2", "frmSpreads", [&](QDialog& w) {
        Type(w, "txtHome0", "7");
        CancelWithNo(p, w, "cmdCancel");
    });
    EXPECT_EQ(p.state->Games[0][0].HomeSpread, 3.5f);

    // Cancel in the question keeps the window and the typed score.
    p.Menu("EditItem3", "frmScores", [&](QDialog& w) {
        Type(w, "txtAway0", "3");
        p.prompts.Answer(PromptAnswer::Cancel);
        Click(w, "cmdCancel");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Child<QLineEdit>(w, "txtAway0")->text(), "3");
        CancelWithNo(p, w, "cmdCancel");
    });
    EXPECT_EQ(p.state->Games[0][0].AwayScore, 24);

    p.Menu("EditItem5", "frmPlayer", [&](QDialog& w) {
        Program::OnModal("frmAddPlayer", [](QDialog& add) {
            QTest::keyClicks(Child<QLineEdit>(add, "TxtAddPl"), "Cy");
            Click(add, "cmdOK");
            Click(add, "cmdCancel");
        });
        Click(w, "cmdAdd");
        Child<QListWidget>(w, "lstPlayer")->setCurrentRow(0);
        p.prompts.Answer(PromptAnswer::Yes);  // delete amy
        Click(w, "cmdRemove");
        EXPECT_EQ(Child<QListWidget>(w, "lstPlayer")->count(), 2);
        CancelWithNo(p, w, "cmdCancel");
    });
    EXPECT_EQ(p.state->MemberCount, 2);
    EXPECT_EQ(p.state->LastPlayerNumber, 2);

    // The close box and Escape ask the same question as Cancel.
    p.Menu("EditItem6", "frmPicks", [&](QDialog& w) {
        Click(w, "cmdAway");
        Click(w, "cmdCDescend");
        p.prompts.Answer(PromptAnswer::No);
        w.close();
    });
    EXPECT_EQ(p.state->Members[1].Picks[0][0], kPhiladelphia);

    p.Menu("OptionItem0", "frmOptions", [&](QDialog& w) {
        Click(w, "ckPS");
        p.prompts.Answer(PromptAnswer::No);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(p.state->PointSpreads, "No");

    // The schedule last: the week moved to stays the current week.
    p.Menu("EditItem1", "frmSchedule", [&](QDialog& w) {
        test::ChooseTeam(w, "Combo11", kDenver);
        qobject_cast<frmSchedule*>(&w)->SpinUp();
        CancelWithNo(p, w, "CmdCancel");
    });
    EXPECT_EQ(p.state->CurrentWeek, 2);
    EXPECT_EQ(p.state->Games[0][0].HomeTeam, kPhiladelphia);

    p.Menu("OptionItem4", "frmBgColor", [&](QDialog& w) {
        Click(w, "OpColor2");
        Click(w, "cmdCancel");
    });

    EXPECT_EQ(p.Files(), before);
    QStringList titles;
    for (const auto& r : p.prompts.Asked()) titles << r.Title;
    EXPECT_EQ(titles, (QStringList{"Cancel NFL Team Editing", "Cancel Point Spreads", "Cancel NFL Scores",
                                   "Cancel NFL Scores", "Delete Player", "Cancel Player Editing",
                                   "Cancel Player Picks", "Gridmoot Options", "Cancel NFL Schedule Setup"}));
}

TEST(Walkthrough, ArchivedSeasonIsForViewingAndTheCurrentOneComesBack) {
    Program p(WeekOfPlay);
    const std::string season = p.File("1997.NFL");
    SeasonGrid archived{};
    {
        AppState probe(p.dir.path());
        ASSERT_TRUE(LoadSeason(probe, "1995.NFL"));
        archived = probe.Games;
    }

    p.main->Item("SeasonItem0")->trigger();
    EXPECT_EQ(p.state->Teams.TeamCity[3], "Cleveland");
    EXPECT_EQ(p.state->Teams.TeamCity[12], "Houston");
    EXPECT_FALSE(p.main->Item("EditItem2")->isEnabled());
    ASSERT_FALSE(p.prompts.Asked().empty());
    EXPECT_EQ(p.prompts.Asked().back().Text, "The 1995 NFL Season is now available for viewing.");

    // The selections window is refused; the schedule's OK changes nothing on disk
    // and the archived season stays loaded.
    p.main->Item("EditItem6")->trigger();
    EXPECT_EQ(p.prompts.Asked().back().Title, "Incorrect NFL Season");
    EXPECT_EQ(p.prompts.Asked().back().Text, "You need to have the 1997 NFL season opened\nto enter player selections. ");
    p.Menu("EditItem1", "frmSchedule", [](QDialog& w) {
        test::ChooseTeam(w, "Combo10", kDenver);
        Click(w, "CmdOK");
    });
    p.Menu("EditItem3", "frmScores", [](QDialog& w) {
        Type(w, "txtAway0", "99");
        Click(w, "cmdOK");
    });
    EXPECT_EQ(p.state->Games[0][0].AwayScore, 99);  // in memory only
    EXPECT_EQ(p.File("1997.NFL"), season);
    EXPECT_EQ(p.state->SeasonYear, "1995");
    EXPECT_EQ(p.state->Games[0][0].AwayTeam, kDenver);  // in memory only
    EXPECT_NE(archived[0][1].HomeTeam, 0);
    EXPECT_EQ(p.state->Games[0][1].HomeTeam, archived[0][1].HomeTeam);

    p.main->Item("SeasonItem2")->trigger();
    EXPECT_EQ(p.prompts.Asked().back().Title, "Open 1997 NFL Season");
    EXPECT_EQ(p.prompts.Asked().back().Text, "The Current NFL Season is now opened.");
    EXPECT_EQ(p.state->Teams.TeamCity[3], "Baltimore");
    EXPECT_EQ(p.state->Teams.TeamCity[12], "Nashville");
    EXPECT_TRUE(p.main->Item("EditItem2")->isEnabled());
    EXPECT_EQ(p.state->Games[0][0].AwayTeam, kDallas);
    EXPECT_EQ(p.File("1997.NFL"), season);
}

// Going back to the current season when "1997.NFL" cannot be read stops at
// the error: the archived season stays shown, for viewing only, and the score
// window's OK still writes nothing.
TEST(Walkthrough, UnreadableCurrentSeasonKeepsTheArchivedSeasonShown) {
    Program p(WeekOfPlay);
    p.main->Item("SeasonItem0")->trigger();
    const SeasonGrid archived = p.state->Games;
    std::filesystem::remove(p.dir / "1997.NFL");
    std::filesystem::create_directory(p.dir / "1997.NFL");  // unreadable, even to an administrator
    const auto before = p.Files();
    p.prompts.Clear();

    p.main->Item("SeasonItem2")->trigger();
    ASSERT_EQ(p.prompts.Asked().size(), 1u);
    EXPECT_EQ(p.prompts.Asked()[0].Icon, PromptIcon::Stop);
    EXPECT_EQ(p.prompts.Asked()[0].Title, "Open 1997 NFL Season");
    EXPECT_TRUE(p.prompts.Asked()[0].Text.contains("1997.NFL")) << p.prompts.Asked()[0].Text.toStdString();
    EXPECT_EQ(p.state->SeasonYear, "1995");
    EXPECT_FALSE(p.state->CurrentSeasonOpen);
    EXPECT_EQ(p.state->Teams.TeamCity[3], "Cleveland");
    EXPECT_EQ(p.state->Games, archived);
    EXPECT_FALSE(p.main->Item("EditItem2")->isEnabled());

    p.Menu("EditItem3", "frmScores", [](QDialog& w) {
        Type(w, "txtAway0", "99");
        Click(w, "cmdOK");
    });
    EXPECT_EQ(p.Files(), before);
    EXPECT_TRUE(std::filesystem::is_directory(p.dir / "1997.NFL"));
}

// The displays that grade selections are refused while an archived season is
// shown (they would grade this year's picks with another year's games); the
// NFL displays, the pool marquee and the Pool StatPak still open, and the
// current season brings the pool back.
TEST(Walkthrough, PoolDisplaysWaitForTheCurrentSeason) {
    Program p(WeekOfPlay);
    p.main->Item("SeasonItem0")->trigger();
    for (const char* item : {"PoolItem0", "PoolItem2", "PoolItem4", "ReportItem2"}) {
        p.prompts.Clear();
        p.main->Item(item)->trigger();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << item;
        ASSERT_EQ(p.prompts.Asked().size(), 1u) << item;
        EXPECT_EQ(p.prompts.Asked()[0].Title, "Incorrect NFL Season") << item;
        EXPECT_EQ(p.prompts.Asked()[0].Text, "You need to have the 1997 NFL season opened\nto view the pool displays. ")
            << item;
    }
    p.Menu("NFLITEM3", "frmLeague", [](QDialog& w) { Click(w, "cmdClose"); });
    p.prompts.Clear();
    p.Menu("PoolItem9", "frmPTape", [](QDialog& w) { Click(w, "cmdOK"); });
    p.Menu("PoolItem10", "frmPoolStat", [](QDialog& w) { Click(w, "cmdOK"); });
    EXPECT_TRUE(p.prompts.Asked().empty());

    p.main->Item("SeasonItem2")->trigger();
    p.Menu("PoolItem2", "frmPoolStn", [](QDialog& w) { Click(w, "cmdOK"); });
}

TEST(Walkthrough, AFreshFolderRefusesTheSelectionsWindow) {
    Program p;
    p.main->Item("EditItem6")->trigger();
    ASSERT_EQ(p.prompts.Asked().size(), 1u);
    EXPECT_EQ(p.prompts.Asked()[0].Title, "Insufficient # of Players");
    EXPECT_EQ(p.prompts.Asked()[0].Text, "You need to have at least one player in pool\nto enter player selections. ");
    EXPECT_EQ(p.prompts.Asked()[0].Icon, PromptIcon::Exclamation);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Walkthrough, DeletingEveryMemberEmptiesThePoolAndTheSelectionsAreRefused) {
    Program p(WeekOfPlay);
    p.Menu("EditItem5", "frmPlayer", [&](QDialog& w) {
        auto* list = Child<QListWidget>(w, "lstPlayer");
        while (list->count() > 0) {
            list->setCurrentRow(0);
            p.prompts.Answer(PromptAnswer::Yes);
            Click(w, "cmdRemove");
        }
        Click(w, "cmdOK");
    });
    EXPECT_EQ(p.File("Pool97.dat"), "");
    EXPECT_EQ(p.state->MemberCount, 0);
    EXPECT_NE(p.File("Vask97.ini").find("BoxPlayers=2"), std::string::npos);
    p.main->Item("EditItem6")->trigger();
    EXPECT_EQ(p.prompts.Asked().back().Title, "Insufficient # of Players");
}

// A name with a letter the pool file's code page has and one it has not.
TEST(Walkthrough, ANameOutsideTheCodePageIsStoredWithAQuestionMarkAndTheUserIsTold) {
    Program p;
    p.Menu("EditItem5", "frmPlayer", [](QDialog& w) {
        Program::OnModal("frmAddPlayer", [](QDialog& add) {
            Child<QLineEdit>(add, "TxtAddPl")->setText(QString::fromUtf8("Zo\xC3\xAB \xE2\x98\x83 <b>&</b>"));
            Click(add, "cmdOK");
            Click(add, "cmdCancel");
        });
        Click(w, "cmdAdd");
        Click(w, "cmdOK");
    });
    EXPECT_EQ(p.File("Pool97.dat").substr(0, 18), "Zo\xEB ? <b>&</b>    ");
    ASSERT_FALSE(p.prompts.Asked().empty());
    EXPECT_NE(p.prompts.Asked().front().Text.indexOf("?"), -1) << p.prompts.Asked().front().Text.toStdString();
}

}  // namespace
}  // namespace gm::ui
