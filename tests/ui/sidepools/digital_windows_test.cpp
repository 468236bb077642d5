#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/SideFiles.h"
#include "support/SendOutputTo.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/sidepools/frmDPlayer.h"
#include "ui/sidepools/frmDPool.h"

namespace gm::ui {
namespace {

using test::ReadFile;
using test::WriteFile;

// The pool fixture (CurrentWeek 3) with two Digital Pool players.
struct DigitalWindows {
    DigitalWindows() {
        WriteFile(pool.Dir / "Digital.dat", EncodeDigitPlayers({{FitName("Zed"), 8, 0}, {FitName("Amy"), 13, 0}}));
        std::filesystem::create_directory(pool.Dir / "TxtFiles");
    }
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    std::filesystem::path Dir() { return pool.Dir.path(); }
};

QPushButton* ButtonOf(QWidget& w, const char* name) { return w.findChild<QPushButton*>(name); }

TEST(frmDPlayer, AddEditDeleteAndSave) {
    DigitalWindows f;
    frmDPlayer window(f.ctx);
    auto* list = window.findChild<QListWidget*>("lstPlayer");
    auto* name = window.findChild<QLineEdit*>("TxtAddPl");
    auto* team = window.findChild<QComboBox*>("cboTeam");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Zed                 Dallas");
    EXPECT_FALSE(ButtonOf(window, "cmdEdit")->isEnabled());
    EXPECT_FALSE(name->isEnabled());

    // Add without a team is refused and nothing changes.
    ButtonOf(window, "cmdAdd")->click();
    EXPECT_TRUE(name->isEnabled());
    QTest::keyClicks(name, "Maxine Longname-Smithers");
    EXPECT_EQ(name->text().size(), 18);
    ButtonOf(window, "cmdUpdate")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Assign Team to Player");
    EXPECT_EQ(list->count(), 2);
    team->setCurrentIndex(29);
    QTest::keyClick(name, Qt::Key_Return);  // swallowed: nothing added, the window not closed
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(window.result(), 0);
    ButtonOf(window, "cmdUpdate")->click();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), "Maxine Longname-Sm  " + team->itemText(29));
    EXPECT_EQ(window.findChild<QLabel*>("lblCount")->text(), "3");

    // Edit the first entry: its name and team come up, Update replaces it.
    ButtonOf(window, "cmdCancelUpdate")->click();
    list->setCurrentRow(0);
    EXPECT_TRUE(ButtonOf(window, "cmdEdit")->isEnabled());
    ButtonOf(window, "cmdEdit")->click();
    EXPECT_EQ(name->text(), "Zed");
    EXPECT_EQ(team->currentData().toInt(), 8);
    name->setText("Zeke");
    ButtonOf(window, "cmdUpdate")->click();
    EXPECT_EQ(list->item(0)->text(), "Zeke                Dallas");

    // Delete asks, No as the default; answering No keeps the player.
    list->setCurrentRow(1);
    f.prompts.Answer(PromptAnswer::No);
    ButtonOf(window, "cmdDelete")->click();
    EXPECT_EQ(f.prompts.Asked().back().Title, "Delete Player");
    EXPECT_EQ(f.prompts.Asked().back().DefaultButton, PromptAnswer::No);
    EXPECT_EQ(list->count(), 3);
    f.prompts.Answer(PromptAnswer::Yes);
    ButtonOf(window, "cmdDelete")->click();
    EXPECT_EQ(list->count(), 2);

    ButtonOf(window, "cmdOK")->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(ReadFile(f.Dir() / "Digital.dat"),
              EncodeDigitPlayers({{FitName("Zeke"), 8, 0}, {FitName("Maxine Longname-Sm"), 30, 0}}));
}

TEST(frmDPlayer, ClosingWithChangesAsks) {
    struct Case {
        PromptAnswer answer;
        bool closes, saved;
    } cases[] = {{PromptAnswer::Cancel, false, false}, {PromptAnswer::No, true, false}, {PromptAnswer::Yes, true, true}};
    for (const auto& c : cases) {
        DigitalWindows f;
        const std::string before = ReadFile(f.Dir() / "Digital.dat");
        frmDPlayer window(f.ctx);
        window.show();
        window.findChild<QListWidget*>("lstPlayer")->setCurrentRow(0);
        f.prompts.Answer(PromptAnswer::Yes);  // delete
        ButtonOf(window, "cmdDelete")->click();
        f.prompts.Answer(c.answer);
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_EQ(f.prompts.Asked().back().Title, "Cancel Player Editing");
        EXPECT_EQ(window.isVisible(), !c.closes);
        EXPECT_EQ(ReadFile(f.Dir() / "Digital.dat") != before, c.saved);
    }
}

TEST(frmDPool, ModesSortSpinAndTextFile) {
    DigitalWindows f;
    frmDPool window(f.ctx);
    auto* list = window.findChild<QListWidget*>("lstDigit");
    EXPECT_EQ(list->count(), 30);
    EXPECT_EQ(window.findChild<QLabel*>("lblWeek")->text(), "3");
    window.findChild<QRadioButton*>("OpShow1")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().startsWith("Amy (Ind)"));
    window.findChild<QRadioButton*>("OpShow2")->click();
    EXPECT_EQ(list->count(), 62);
    window.findChild<QCheckBox*>("ckSort")->click();
    EXPECT_TRUE(window.Model().SortHighToLow());

    emit window.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(window.findChild<QLabel*>("lblWeek")->text(), " 2");
    EXPECT_EQ(f.ctx.State.CurrentWeek, 2);

    test::ChooseOutput("OpText");
    ButtonOf(window, "cmdPrint")->click();
    ASSERT_FALSE(f.prompts.Asked().empty());
    EXPECT_EQ(f.prompts.Asked().back().Text, "A text file named Digital.txt has been created.");
    const std::string text = ReadFile(f.Dir() / "TxtFiles" / "Digital.txt");
    EXPECT_NE(text.find("Digital Pool for Week  2\r\n"), std::string::npos);
    EXPECT_NE(text.find(" Zed (Dal)\r\n"), std::string::npos);
}

}  // namespace
}  // namespace gm::ui
