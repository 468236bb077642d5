// The StatPaks and the Pool Room in the running program: opened from their
// menu items and, for the Player StatPak, from a double-click in the standings.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "Walkthrough.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "ui/shell/SpinButton.h"

namespace gm::ui {
namespace {

using test::Child;
using test::Click;
using test::Program;

// The pool fixture's season and members (Al Adams, <b>Bob & Al</b>, Cathy, Dee).
TEST(Walkthrough, StandingsDoubleClickOpensTheMembersStatPakRankedTheStandingsWay) {
    Program p([](const gm::test::TempDir& dir) {
        gm::test::WriteFile(dir / "1997.NFL", EncodeSeason(gm::test::FixtureSeason()));
        gm::test::WriteFile(dir / "Pool97.dat", EncodePool(gm::test::FixtureMembers()));
    });
    p.state->CurrentWeek = 3;
    p.state->PoolSort = "Confidence";
    bool statPakShown = false;
    p.Menu("PoolItem2", "frmPoolStn", [&](QDialog& w) {
        auto* sort = Child<QComboBox>(w, "Combo1");
        sort->setCurrentIndex(sort->findText("Wins"));
        emit sort->activated(sort->currentIndex());
        auto* list = Child<QListWidget>(w, "lstPlayer");
        ASSERT_EQ(list->count(), 2);  // week 3: Al Adams, then Cathy
        Program::OnModal("frmStats", [&](QDialog& s) {
            statPakShown = true;
            EXPECT_EQ(Child<QComboBox>(s, "Combo1")->currentText(), "Cathy");
            EXPECT_EQ(Child<QLabel>(s, "lblRank")->text(), " Wins ");
            emit Child<SpinButton>(s, "SpinButton1")->SpinDown();
            EXPECT_EQ(Child<QListWidget>(s, "lstPlayer")->count(), 2);
            Click(s, "cmdOK");
        });
        const QRect line = list->visualItemRect(list->item(1));
        // The first click of a double-click, then the second (a widget gets only the latter from mouseDClick).
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        // Back in the standings: they follow the week the StatPak moved to.
        EXPECT_EQ(Child<QLabel>(w, "lblEnd")->text(), "2");
        EXPECT_EQ(Child<QLabel>(w, "lblActive")->text(), "Played Week 2");
        Click(w, "cmdOK");
    });
    EXPECT_TRUE(statPakShown);
    EXPECT_EQ(p.state->CurrentWeek, 2);
    EXPECT_EQ(p.state->PoolSort, "Confidence");
    EXPECT_FALSE(p.state->StatPakFromStandings);
    EXPECT_TRUE(p.prompts.Asked().empty());
}

// Each display opens from its menu item and writes its page.
TEST(Walkthrough, StatPaksAndThePoolRoomWriteTheirWebPages) {
    Program p([](const gm::test::TempDir& dir) {
        gm::test::WriteFile(dir / "1997.NFL", EncodeSeason(gm::test::FixtureSeason()));
        gm::test::WriteFile(dir / "Pool97.dat", EncodePool(gm::test::FixtureMembers()));
    });
    p.state->CurrentWeek = 3;
    struct Case {
        const char* item;
        const char* form;
        const char* page;
    };
    for (const Case c : {Case{"PoolItem4", "frmStats", "statpak.htm"}, Case{"PoolItem10", "frmPoolStat", "poolstat.htm"},
                         Case{"PoolItem8", "frmPoolRoom", "poolroom.htm"}}) {
        p.Menu(c.item, c.form, [&](QDialog& w) {
            if (std::string(c.form) == "frmPoolRoom") Click(w, "cmdFirstLast");
            Program::OnModal("frmPNFLResults", [](QDialog& out) {
                Click(out, "OpWeb");
                Click(out, "cmdOK");
            });
            Click(w, "cmdPrint");
            Click(w, "cmdOK");
        });
        const std::string page = p.File(std::string("Webpages/") + c.page);
        EXPECT_NE(page.find("</HTML>"), std::string::npos) << c.page;
    }
    EXPECT_NE(p.File("Webpages/poolroom.htm").find("Week  1: Al Adams"), std::string::npos);
    ASSERT_EQ(p.prompts.Asked().size(), 3u);
    EXPECT_EQ(p.prompts.Asked()[0].Text.toStdString(), "A StatPak Web Page named statpak.htm\r\n was created for Al Adams");
}

}  // namespace
}  // namespace gm::ui
