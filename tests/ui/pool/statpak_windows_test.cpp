#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/output/TextOutput.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "ui/pool/frmPoolRoom.h"
#include "ui/pool/frmPoolStat.h"
#include "ui/pool/frmStats.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct StatFixture {
    explicit StatFixture(const std::string& options = "") : pool(options) {
        std::filesystem::create_directory(pool.Dir / "TxtFiles");
    }
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
};

std::vector<std::string> Items(QListWidget* list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

std::vector<std::string> Items(QComboBox* box) {
    std::vector<std::string> lines;
    for (int i = 0; i < box->count(); ++i) lines.push_back(box->itemText(i).toStdString());
    return lines;
}

std::string Text(QWidget& window, const char* label) {
    return window.findChild<QLabel*>(label)->text().toStdString();
}

// Answers "Send Output To" with one destination.
void ChooseOutput(const char* option) {
    QTimer::singleShot(0, [option] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no dialog to answer";
        if (dialog->objectName() != "frmPNFLResults") {
            dialog->reject();
            return ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
        }
        dialog->findChild<QRadioButton*>(option)->click();
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
}

TEST(frmStats, ShowsTheChosenMemberWeekByWeek) {
    StatFixture f;
    frmStats window(f.ctx);
    auto* combo = window.findChild<QComboBox*>("Combo1");
    auto* list = window.findChild<QListWidget*>("lstPlayer");
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->currentText(), "Al Adams");
    EXPECT_EQ(Items(list), window.Model().LinesFor(0));
    EXPECT_EQ(window.findChild<QGroupBox*>("frStandings")->title().toStdString(), window.Model().Heading());
    EXPECT_EQ(Text(window, "lblRank"), " Con. Pts ");
    EXPECT_EQ(Text(window, "lblWeek"), "3");
    EXPECT_FALSE(window.findChild<QLabel*>("lblCon")->isHidden());

    combo->setCurrentIndex(combo->findData(1));  // chosen by record index
    EXPECT_EQ(window.Model().SelectedMember(), 1);
    EXPECT_EQ(Items(list), window.Model().LinesFor(1));
    EXPECT_EQ(Text(window, "lblLosses"), "2.00");
    EXPECT_EQ(Text(window, "lblTb"), "4.50");
    EXPECT_EQ(Text(window, "lblWRank"), "2.00");
    EXPECT_EQ(Text(window, "lblSRank"), "3.00");
    EXPECT_EQ(Text(window, "lblCon"), "0.50");

    auto* spin = window.findChild<SpinButton*>("SpinButton1");
    emit spin->SpinDown();
    EXPECT_EQ(Text(window, "lblWeek"), " 2");
    EXPECT_EQ(f.pool.State.CurrentWeek, 2);
    EXPECT_EQ(list->count(), 2);
    emit spin->SpinDown();
    emit spin->SpinDown();  // refused at week 1
    EXPECT_EQ(f.pool.State.CurrentWeek, 1);

    ChooseOutput("OpText");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(test::ReadFile(f.pool.Dir / "TxtFiles" / "StatPak.txt"), TextFileBytes(window.Model().TextFile().Lines));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "<b>Bob & Al</b>");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A StatPak text file named StatPak.txt\r\n was created for <b>Bob & Al</b>");

    f.pool.State.StatPakFromStandings = true;
    window.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(f.pool.State.StatPakFromStandings);
    EXPECT_EQ(f.pool.State.CurrentPlayer, 0);
}

TEST(frmStats, OpenedFromTheStandingsShowsTheirMemberAndSort) {
    StatFixture f;
    f.pool.State.StatPakFromStandings = true;
    f.pool.State.CurrentPlayer = 2;
    f.pool.State.StandingsSort = "WinPct";
    frmStats window(f.ctx);
    EXPECT_EQ(window.findChild<QComboBox*>("Combo1")->currentText(), "Cathy");
    EXPECT_EQ(Text(window, "lblRank"), " Win Pct. ");
    EXPECT_TRUE(window.findChild<QLabel*>("lblCon")->isHidden());
    window.reject();  // Escape
    EXPECT_FALSE(f.pool.State.StatPakFromStandings);
    EXPECT_EQ(f.pool.State.PoolSort, "Confidence");
}

TEST(frmPoolStat, ShowsThePoolAndWritesItsClipboardText) {
    StatFixture f;
    frmPoolStat window(f.ctx);
    auto* list = window.findChild<QListWidget*>("lstPlayer");
    EXPECT_EQ(Items(list), window.Model().Lines());
    EXPECT_EQ(Text(window, "lblPoolWeek"), "Week 3");
    EXPECT_EQ(Text(window, "lblTb"), "27.00");
    emit window.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(Text(window, "lblWeek"), " 2");
    EXPECT_EQ(Text(window, "lblPoolWeek"), "Week 2");
    EXPECT_EQ(Text(window, "lblCon"), "1.75");
    EXPECT_EQ(list->count(), 2);

    ChooseOutput("OpClipboard");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), window.Model().Clipboard().Text);
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Text, "The Pool StatPak for Week 2 is on the Clipboard.");
}

TEST(frmPoolRoom, GetFillsEachPanelAndTheWeekEmptiesThem) {
    StatFixture f;
    frmPoolRoom window(f.ctx);
    auto* victory = window.findChild<QListWidget*>("lstFirstLast");
    auto* hottest = window.findChild<QComboBox*>("cboHottest");
    auto* monday = window.findChild<QComboBox*>("cboBestMN");
    auto* tiebreak = window.findChild<QComboBox*>("cboBestTB");
    EXPECT_EQ(Text(window, "lblStat"), window.Model().StatHeading());
    EXPECT_EQ(victory->count(), 0);  // nothing until GET

    for (const char* get : {"cmdFirstLast", "cmdHottest", "cmdBestMN", "cmdBestTB"})
        window.findChild<QPushButton*>(get)->click();
    EXPECT_EQ(Items(victory), window.Model().VictoryLines());
    EXPECT_EQ(Items(hottest), window.Model().HottestLines());
    EXPECT_EQ(Items(monday), window.Model().MondayLines());
    EXPECT_EQ(Items(tiebreak), window.Model().TiebreakLines());
    EXPECT_EQ(monday->currentIndex(), 0);
    EXPECT_EQ(victory->count(), 9);

    ChooseOutput("OpText");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(test::ReadFile(f.pool.Dir / "TxtFiles" / "PoolRoom.txt"), TextFileBytes(window.Model().TextFile().Lines));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A text file named PoolRoom.txt has been created.");

    emit window.findChild<SpinButton*>("SpinButton2")->SpinDown();
    EXPECT_EQ(Text(window, "lblStartWeek"), " 2");
    EXPECT_EQ(hottest->count(), 2);  // the range alone changes no panel
    emit window.findChild<SpinButton*>("SpinButton1")->SpinUp();
    EXPECT_EQ(Text(window, "lblWeek"), " 4");
    EXPECT_EQ(f.pool.State.CurrentWeek, 4);
    EXPECT_EQ(victory->count(), 0);
    EXPECT_EQ(monday->count(), 0);
    EXPECT_EQ(tiebreak->count(), 0);
    EXPECT_EQ(hottest->count(), 2);
}

}  // namespace
}  // namespace gm::ui
