#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/data/SeasonCsv.h"
#include "core/data/Settings.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/SideFiles.h"
#include "support/PdfText.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/sidepools/frmOffBar.h"
#include "ui/sidepools/frmSBPrint.h"

namespace gm::ui {
namespace {

using test::PdfText;
using test::ReadFile;
using test::WriteFile;

// The pool fixture (four members) with three Sports Box players; week 1's
// Monday game is Dallas 27 - Denver 20. The "printer" writes a PDF file.
struct BoxWindows {
    explicit BoxWindows(int players = 3) {
        std::vector<BoxRecord> list;
        for (int i = 1; i <= players; ++i) list.push_back({FitName("Boxer " + std::to_string(i)), 100 + i});
        WriteFile(pool.Dir / "SBPlayer.dat", EncodeBoxPlayers(list));
        pool.State.CurrentWeek = 1;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((pool.Dir / "out.pdf").string()));
        ctx.Printer = &printer;
    }
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    QPrinter printer;
    UiContext ctx{pool.State, prompts};
};

template <typename T = QWidget>
T* Child(QWidget& w, const QString& name) {
    auto* c = w.findChild<T*>(name);
    if (!c) ADD_FAILURE() << "no control " << name.toStdString();
    return c;
}

// Answers the next modal dialog (an input box, the copies dialog) once it is up.
void OnModal(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no dialog to answer";
        answer(*dialog);
    });
}

void Type(const QString& text) {
    OnModal([text](QDialog& d) {
        auto* input = qobject_cast<QInputDialog*>(&d);
        if (!input) {
            d.reject();
            return ADD_FAILURE() << "expected an input box, got " << d.objectName().toStdString();
        }
        input->setTextValue(text);
        input->accept();
    });
}

// Drops list entry `row` on a control, as the mouse would at the end of a drag.
void DragEntry(QWidget& window, int row, QWidget* target) {
    auto* list = Child<QListWidget>(window, "lstPlayer");
    std::unique_ptr<QMimeData> data(list->model()->mimeData({list->model()->index(row, 0)}));
    ASSERT_TRUE(data);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

TEST(frmOffBar, DragAndDropOntoBoxesAndTheWasteBasket) {
    BoxWindows f;
    frmOffBar window(f.ctx, nullptr, 7);
    window.show();
    auto* list = Child<QListWidget>(window, "lstPlayer");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "** Clear Box **");
    EXPECT_EQ(list->item(2)->text(), "Boxer 2           102");
    EXPECT_EQ(Child<QLabel>(window, "lblHomeTeam")->text(), "Dallas");
    EXPECT_EQ(Child<QLabel>(window, "lblGame")->text(), "15");

    // Away 20, home 27: box 7 wins.
    DragEntry(window, 2, Child(window, "lblBox7"));
    EXPECT_EQ(Child<QLabel>(window, "lblBox7")->text(), "102");
    EXPECT_EQ(Child<QLabel>(window, "lblWinner")->text(), "Boxer 2");
    EXPECT_TRUE(window.Model().Changed());
    DragEntry(window, 0, Child(window, "lblBox7"));
    EXPECT_EQ(Child<QLabel>(window, "lblBox7")->text(), "");
    EXPECT_EQ(Child<QLabel>(window, "lblWinner")->text(), "");

    DragEntry(window, 3, Child(window, "lblBox8"));
    DragEntry(window, 3, Child(window, "Picture1"));
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(Child<QLabel>(window, "lblBox8")->text(), "103");  // the box keeps its owner
    DragEntry(window, 0, Child(window, "Picture1"));              // "** Clear Box **" stays
    EXPECT_EQ(list->count(), 3);

    // Double click on a box names its owner.
    QTest::mouseDClick(Child(window, "lblBox8"), Qt::LeftButton);
    ASSERT_FALSE(f.prompts.Asked().empty());
    EXPECT_EQ(f.prompts.Asked().back().Title, "Box Owner");
    EXPECT_EQ(f.prompts.Asked().back().Text, "Boxer 3");
}

TEST(frmOffBar, KeyboardDoesWhatTheMouseDoes) {
    BoxWindows f;
    frmOffBar window(f.ctx, nullptr, 7);
    window.show();
    QApplication::setActiveWindow(&window);
    auto* list = Child<QListWidget>(window, "lstPlayer");
    list->setCurrentRow(1);
    QWidget* box = Child(window, "lblBox0");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), Child(window, "lblBox11"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(Child<QLabel>(window, "lblBox11")->text(), "101");

    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->count(), 3);

    // Enter on a digit asks for it; a bad answer is refused.
    Type("12");
    QTest::keyClick(Child(window, "lblTop3"), Qt::Key_Return);
    ASSERT_FALSE(f.prompts.Asked().empty());
    EXPECT_EQ(f.prompts.Asked().back().Title, "Wake Up!");
    Type("9");
    QTest::mouseDClick(Child(window, "lblTop3"), Qt::LeftButton);
    EXPECT_EQ(Child<QLabel>(window, "lblTop3")->text(), "9");
    EXPECT_EQ(window.Model().TopDigits(), "0129456789");
}

TEST(frmOffBar, SchemesAddAndClosingAsks) {
    BoxWindows f(0);
    frmOffBar window(f.ctx, nullptr, 7);
    window.show();
    auto* grid = Child<QRadioButton>(window, "opGrid");
    grid->click();
    EXPECT_FALSE(grid->isChecked());
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Insufficient # of Players");
    EXPECT_FALSE(window.Model().Changed());

    const int before = f.ctx.State.LastPlayerNumber;
    Type("Walk-in Wally");
    Child<QPushButton>(window, "cmdAdd")->click();
    auto* list = Child<QListWidget>(window, "lstPlayer");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(window.Model().Entry(1).OwnerNumber, before + 1);
    grid->click();
    EXPECT_TRUE(grid->isChecked());
    EXPECT_EQ(Child<QLabel>(window, "lblBox55")->text(), QString::number(before + 1));

    // A week change clears the options and is no change by itself; the
    // boxes filled in week 1 make closing ask.
    emit Child<SpinButton>(window, "SpinButton1")->SpinUp();
    EXPECT_FALSE(grid->isChecked());
    EXPECT_EQ(Child<QLabel>(window, "lblWeek")->text(), "2");
    EXPECT_EQ(Child<QLabel>(window, "lblBox55")->text(), "");
    f.prompts.Answer(PromptAnswer::Cancel);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(f.prompts.Asked().back().Title, "Cancel SportsBox Entries");

    // Yes saves the boxes, the new player and the counter.
    f.prompts.Answer(PromptAnswer::Yes);
    Child<QPushButton>(window, "cmdCancel")->click();
    EXPECT_FALSE(window.isVisible());
    const SeasonBoxes saved = DecodeBoxes(ReadFile(f.pool.Dir / "SportBox.Dat"));
    EXPECT_EQ(saved[0][55].OwnerNumber, before + 1);
    EXPECT_EQ(DecodeBoxPlayers(ReadFile(f.pool.Dir / "SBPlayer.dat")).size(), 1u);
    EXPECT_EQ(LeadingNumber(ReadSetting(f.ctx.State.Settings, keys::BoxPlayers)), before + 1);
}

TEST(frmOffBar, PrintsTheBoxOnThePrinter) {
    BoxWindows f;
    frmOffBar window(f.ctx, nullptr, 7);
    DragEntry(window, 1, Child(window, "lblBox7"));
    OnModal([](QDialog& copies) {
        EXPECT_EQ(copies.objectName(), "frmCopies");
        Child<QScrollBar>(copies, "hsbCopies")->setValue(2);
        Child<QPushButton>(copies, "cmdOK")->click();
    });
    Child<QPushButton>(window, "cmdPrint")->click();
    EXPECT_TRUE(f.prompts.Asked().empty());
    const std::string text = PdfText(f.pool.Dir / "out.pdf");
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    int titles = 0;
    // (pdftotext may close up the two blanks before "Week")
    for (auto at = text.find("The Sports Box"); at != std::string::npos; at = text.find("The Sports Box", at + 1))
        ++titles;
    EXPECT_EQ(titles, 2) << text;
    EXPECT_NE(text.find("Dallas : 27"), std::string::npos) << text;
    EXPECT_NE(text.find("Boxer 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Box Ownership"), std::string::npos) << text;
}

// Week 1 of 1997, Chicago 24 at Green Bay 38, with 8 at top 0 and 8: the
// last place counts, so box 48 wins and the note about the digits stands beside it.
TEST(frmOffBar, RepeatedDigitStillNamesTheWinnerInWindowAndPrintout) {
    const auto shared = test::SharedData();
    BoxWindows f;
    const SeasonImport season = ImportSeasonCsv(ReadFile(shared / "nfl-scores-1995-1997.csv"), 1997);
    ASSERT_TRUE(season.Problems.empty());
    f.pool.State.Games = season.Games;
    frmOffBar window(f.ctx, nullptr, 7);
    window.show();
    EXPECT_EQ(Child<QLabel>(window, "lblAwayTeam")->text(), "Chicago");
    EXPECT_EQ(Child<QLabel>(window, "lblHomeSc")->text(), "38");
    DragEntry(window, 1, Child(window, "lblBox40"));
    DragEntry(window, 2, Child(window, "lblBox48"));
    EXPECT_EQ(Child<QLabel>(window, "lblWinner")->text(), "Boxer 2");
    EXPECT_FALSE(Child<QLabel>(window, "lblDigitsNote")->isVisible());

    Type("8");
    QTest::mouseDClick(Child(window, "lblTop0"), Qt::LeftButton);
    ASSERT_EQ(window.Model().TopDigits(), "8123456789");
    EXPECT_EQ(Child<QLabel>(window, "lblWinner")->text(), "Boxer 2");
    auto* note = Child<QLabel>(window, "lblDigitsNote");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QString::fromUtf8(sbtext::DigitsRepeat.data(), sbtext::DigitsRepeat.size()));

    OnModal([](QDialog& copies) {
        Child<QScrollBar>(copies, "hsbCopies")->setValue(1);
        Child<QPushButton>(copies, "cmdOK")->click();
    });
    Child<QPushButton>(window, "cmdPrint")->click();
    const std::string text = PdfText(f.pool.Dir / "out.pdf");
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("Green Bay : 38"), std::string::npos) << text;
    // Once as the winner, once among the owners; the other owner only there.
    EXPECT_EQ(test::Occurrences(text, "Boxer 2"), 2) << text;
    EXPECT_EQ(test::Occurrences(text, "Boxer 1"), 1) << text;
    EXPECT_NE(text.find("Digits repeat"), std::string::npos) << text;
}

TEST(frmSBPrint, PrintsTheSheetForTheWeekChosen) {
    BoxWindows f;
    WriteFile(f.pool.Dir / "Vask97.ini", "[GameNumber]\r\nWeek2=1\r\n");
    frmSBPrint window(f.ctx);
    emit Child<SpinButton>(window, "SpinButton1")->SpinUp();
    EXPECT_EQ(Child<QLabel>(window, "lblWeek")->text(), "2");
    EXPECT_EQ(f.ctx.State.CurrentWeek, 2);
    Child<QCheckBox>(window, "ckDigits")->setChecked(true);
    Child<QPushButton>(window, "cmdPrint")->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const std::string text = PdfText(f.pool.Dir / "out.pdf");
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("Week 2"), std::string::npos) << text;
    EXPECT_NE(text.find("Home Team: Arizona"), std::string::npos) << text;
    EXPECT_NE(text.find("PLEASE PRINT NEATLY."), std::string::npos) << text;
}

}  // namespace
}  // namespace gm::ui
