#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "core/pool/fixtures/PoolFixture.h"
#include "ui/pool/frmMatrix.h"
#include "ui/pool/frmPMatrix.h"
#include "ui/pool/frmPoolStn.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct WindowFixture {
    explicit WindowFixture(const std::string& options = "") : pool(options) {
        std::filesystem::create_directory(pool.Dir / "TxtFiles");
    }
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
};

std::vector<std::string> ListLines(QWidget& window) {
    std::vector<std::string> lines;
    auto* list = window.findChild<QListWidget*>("lstPlayer");
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

QString Text(QWidget& window, const char* label) { return window.findChild<QLabel*>(label)->text(); }

// Answers the "Send Output To" dialog once it is up.
void ChooseOutput(const char* option) {
    QTimer::singleShot(0, [option] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no dialog to answer";
        if (dialog->objectName() != "frmPNFLResults") {
            dialog->reject();  // never leave a test waiting on a dialog nobody answers
            return ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
        }
        dialog->findChild<QRadioButton*>(option)->click();
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
}

TEST(frmPoolStn, ViewsSortSpinAndTextFile) {
    WindowFixture f;
    frmPoolStn window(f.ctx);
    EXPECT_EQ(window.findChild<QComboBox*>("Combo1")->currentText(), "Con. Pts");
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpOneWeek")->isChecked());
    EXPECT_EQ(ListLines(window), window.Model().Lines());
    EXPECT_EQ(ListLines(window).size(), 2u);
    EXPECT_EQ(Text(window, "lblActive"), "Played Week 3");
    EXPECT_EQ(Text(window, "lblPoolNum"), "4");

    window.findChild<QRadioButton*>("OpSeason")->click();
    EXPECT_EQ(window.findChild<QGroupBox*>("frStandings")->title().toStdString(), window.Model().Heading());
    EXPECT_EQ(ListLines(window).size(), 3u);
    window.findChild<QCheckBox*>("ckShowAll")->click();
    EXPECT_EQ(ListLines(window).size(), 4u);
    EXPECT_EQ(Text(window, "lblActiveNum"), "3");

    auto* combo = window.findChild<QComboBox*>("Combo1");
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(window.Model().StandingsSort(), "Wins");
    EXPECT_EQ(ListLines(window)[0].substr(0, 13), "  1 Al Adams ");

    emit window.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(Text(window, "lblEnd"), " 2");
    EXPECT_EQ(f.pool.State.CurrentWeek, 2);

    ChooseOutput("OpText");
    window.findChild<QPushButton*>("cmdPrint")->click();
    const std::string written = test::ReadFile(f.pool.Dir / "TxtFiles" / "PStnd 2.txt");
    EXPECT_EQ(written, TextFileBytes(window.Model().TextFile().Lines));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A text file named PStnd 2.txt was created.");
}

TEST(frmPoolStn, DoubleClickOpensTheStatPakAndFollowsItsWeek) {
    WindowFixture f;
    WindowRegistry registry;
    int opened = -1;
    registry.Add(Display::PlayerStatPak, [&](UiContext& ctx, QWidget*) {
        opened = ctx.State.CurrentPlayer;
        EXPECT_TRUE(ctx.State.StatPakFromStandings);
        ctx.State.CurrentWeek = 1;
    });
    f.ctx.Windows = &registry;
    frmPoolStn window(f.ctx);
    window.OnListDoubleClick(1);
    EXPECT_EQ(opened, 2);  // Cathy, the second line of week 3
    EXPECT_EQ(Text(window, "lblEnd"), "1");
    EXPECT_EQ(Text(window, "lblActive"), "Played Week 1");
}

// Enter on a line opens what a double-click opens, and the window stays open.
TEST(PoolWindows, EnterOnALineOpensItsWindowAndKeepsTheListOpen) {
    WindowFixture f;
    WindowRegistry registry;
    int opened = -1;
    registry.Add(Display::PlayerStatPak, [&](UiContext& ctx, QWidget*) { opened = ctx.State.CurrentPlayer; });
    registry.Add(Display::Selections, [&](UiContext& ctx, QWidget*) { opened = ctx.State.CurrentPlayer; });
    f.ctx.Windows = &registry;
    const auto press = [&](QDialog& window, int row) {
        window.show();
        auto* list = window.findChild<QListWidget*>("lstPlayer");
        list->setFocus();
        list->setCurrentRow(row);
        opened = -1;
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.result(), 0);
    };
    frmPoolStn standings(f.ctx);
    press(standings, 1);
    EXPECT_EQ(opened, 2);
    frmPMatrix matrix(f.ctx);
    press(matrix, 2);
    EXPECT_EQ(opened, 1);
}

TEST(frmPMatrix, ChecksSpinHintAndDoubleClick) {
    WindowFixture f;
    WindowRegistry registry;
    int opened = -1;
    registry.Add(Display::Selections, [&](UiContext& ctx, QWidget*) { opened = ctx.State.CurrentPlayer; });
    f.ctx.Windows = &registry;
    frmPMatrix window(f.ctx);
    EXPECT_TRUE(window.findChild<QCheckBox*>("ckShowAll")->isChecked());
    EXPECT_EQ(Text(window, "lblWeek"), "3");
    EXPECT_EQ(Text(window, "lblActiveNum"), "2");
    EXPECT_EQ(ListLines(window).size(), 8u);  // four members, two lines each
    window.findChild<QCheckBox*>("ckShowAll")->click();
    EXPECT_EQ(ListLines(window).size(), 4u);
    window.findChild<QCheckBox*>("ckConPts")->click();
    EXPECT_EQ(ListLines(window), window.Model().ListLines());
    EXPECT_EQ(ListLines(window).size(), 6u);

    window.OnListDoubleClick(3);  // the confidence row of the second member: nothing
    EXPECT_EQ(opened, -1);
    window.OnListDoubleClick(4);
    EXPECT_EQ(opened, 2);
    // With an archived season shown the selections window is refused, as from the menu.
    f.pool.State.CurrentSeasonOpen = false;
    opened = -1;
    window.OnListDoubleClick(4);
    EXPECT_EQ(opened, -1);
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Incorrect NFL Season");
    f.prompts.Clear();
    f.pool.State.CurrentSeasonOpen = true;

    auto* spin = window.findChild<SpinButton*>("SpinButton1");
    emit spin->SpinDown();
    EXPECT_EQ(Text(window, "lblWeek"), " 2");
    EXPECT_EQ(f.pool.State.CurrentWeek, 2);
    EXPECT_EQ(window.findChild<QLabel*>("lblHead0")->text().left(10), "      HOME");

    window.findChild<QPushButton*>("cmdHint")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Some Helpful Hints");

    ChooseOutput("OpText");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(test::ReadFile(f.pool.Dir / "TxtFiles" / "Picks 2.txt"),
              TextFileBytes(window.Model().TextFile().Lines));
}

TEST(frmMatrix, RefusesMissingChoicesThenWritesAndSaves) {
    WindowFixture f("PoolSort=Wins\r\n");
    frmMatrix window(f.ctx);
    EXPECT_EQ(window.findChild<QRadioButton*>("OpSort0")->text(), "Total Win&s");
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpCity")->isChecked());
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpActive")->isChecked());
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpSort1")->isChecked());

    window.OnOK();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Text, "You need to specify where you want the output to go.");
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Incomplete Data");

    window.findChild<QRadioButton*>("OpOutput1")->click();
    EXPECT_FALSE(window.findChild<QScrollBar*>("hsbNumCopies")->isHidden());
    window.OnOK();
    ASSERT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_EQ(f.prompts.Asked()[1].Text, "You need to specify the number\r\nof copies to print");
    window.findChild<QCheckBox*>("CkNum")->click();
    EXPECT_TRUE(window.findChild<QScrollBar*>("hsbNumCopies")->isHidden());
    window.findChild<QCheckBox*>("CkNum")->click();
    window.findChild<QScrollBar*>("hsbNumCopies")->setValue(3);
    EXPECT_EQ(Text(window, "lblNumCopies"), "3");
    QTest::keyClick(window.findChild<QScrollBar*>("hsbNumCopies"), Qt::Key_Right);  // Right raises the count
    EXPECT_EQ(Text(window, "lblNumCopies"), "4");

    window.findChild<QRadioButton*>("OpOutput0")->click();
    window.findChild<QRadioButton*>("OpName")->click();
    window.findChild<QRadioButton*>("OpSort0")->click();
    emit window.findChild<SpinButton*>("SpinButton1")->SpinDown();
    window.OnOK();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(f.prompts.Asked().back().Title, "Selection Sheet Text File");
    EXPECT_EQ(test::ReadFile(f.pool.Dir / "TxtFiles" / "Pks 2.txt"),
              TextFileBytes(window.Model().TextFile().Lines));
    const std::string ini = test::ReadFile(f.pool.Dir / "Vask97.ini");
    EXPECT_NE(ini.find("APSort=Standings"), std::string::npos);
    EXPECT_NE(ini.find("Team=Name"), std::string::npos);
    EXPECT_NE(ini.find("PrintCopies=Active"), std::string::npos);
}

}  // namespace
}  // namespace gm::ui
