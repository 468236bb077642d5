#include <gtest/gtest.h>

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "MembersFixture.h"
#include "support/BlockedFolder.h"
#include "ui/members/frmPicks.h"
#include "ui/shell/SpinButton.h"

namespace gm::ui {
namespace {

using test::Byte;
using test::Member;
using test::MembersFixture;

const std::string kConfidenceIni =
    "[Options]\r\nPoolSort=Confidence\r\nMaxCPoints=MaxGames\r\nPSEntrys=Favorite\r\n[Gridmoot]"
    "\r\nCurrentWeek=3\r\n";

// Record 0 "Bob", record 1 "alice": the chooser lists alice first.
std::vector<MemberRecord> Members() {
    MemberRecord bob = Member("Bob", 1);
    bob.Picks[2][5] = 12;  // away team of game 5
    bob.Confidence[2][5] = 6;
    bob.Confidence[9][9] = 99;  // another week: never shown, never touched
    return {bob, Member("alice", 2)};
}

template <class T = QWidget>
T* Child(QWidget& w, const QString& name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

void Click(QWidget& w, const QString& name) {
    Child<QAbstractButton>(w, name)->click();
}
QString Box(QWidget& w, int row) {
    return Child<QLineEdit>(w, QStringLiteral("Text1%1").arg(row))->text();
}
bool Checked(QWidget& w, const char* option, int row) {
    return Child<QRadioButton>(w, QStringLiteral("%1%2").arg(option).arg(row))->isChecked();
}
bool Available(QWidget& w, int value) {
    return !Child<QLabel>(w, QStringLiteral("lblNotUsed%1").arg(value - 1))->isHidden();
}

TEST(frmPicks, WeekOfSelectionsWithConfidencePointsIsSavedAndReloaded) {
    MembersFixture f(Members(), kConfidenceIni);
    // CurrentPlayer holds a record index, as the pool displays set it: record 0
    // is Bob, though the chooser lists him second.
    f.state.CurrentPlayer = 0;
    const std::string aliceBefore = f.Pool().substr(kMemberRecordSize);
    {
        frmPicks w(f.ctx);
        w.show();
        EXPECT_EQ(Child<QComboBox>(w, "Combo1")->currentText(), "Bob               ");  // 18 characters
        EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), "3");
        EXPECT_EQ(Child<QLabel>(w, "lblFavUnd")->text(), " Favorite Shows Points ");
        EXPECT_EQ(Child<QRadioButton>(w, "OpHome1")->text(), "Baltimore +7");
        EXPECT_FALSE(Child<QWidget>(w, "Picture112")->isHidden());
        EXPECT_TRUE(Child<QWidget>(w, "Picture113")->isHidden());
        EXPECT_TRUE(Checked(w, "OpAway", 5));
        EXPECT_EQ(Box(w, 5), "6");
        // 13 games under "15 Down To XX": 3 to 15, less the 6 in use.
        for (int v = 1; v <= 15; ++v) EXPECT_EQ(Available(w, v), v >= 3 && v != 6) << v;

        Click(w, "cmdFav");
        Click(w, "OpAway0");
        Click(w, "cmdCAscend");
        for (int g = 0; g < 13; ++g) EXPECT_EQ(Box(w, g), QString::number(g + 3));
        for (int v = 1; v <= 15; ++v) EXPECT_FALSE(Available(w, v)) << v;

        auto* first = Child<QLineEdit>(w, "Text10");
        first->selectAll();
        test::KeyClicks(first, "714");  // never more than two digits: "14"
        EXPECT_EQ(first->text(), "14");
        f.prompts.Answer(PromptAnswer::No);  // keep the duplicate of game 11
        w.OnConfidenceLeft(0);
        ASSERT_EQ(f.prompts.Asked().size(), 1u);
        EXPECT_EQ(f.prompts.Asked()[0].Title, "Duplicate Value");
        EXPECT_EQ(f.prompts.Asked()[0].Text,
                  "You have entered a duplicate number.\nWould you like to correct it ?");
        EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Stop);
        EXPECT_TRUE(Available(w, 3));  // no game holds 3 any more

        auto* monday = Child<QLineEdit>(w, "txtMP");
        monday->selectAll();
        test::KeyClicks(monday, "456");
        EXPECT_EQ(monday->text(), "45");
        Click(w, "cmdOK");
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_EQ(f.state.CurrentPlayer, 0);
    }
    const std::string pool = f.Pool();
    ASSERT_EQ(pool.size(), 2u * kMemberRecordSize);
    EXPECT_EQ(pool.substr(kMemberRecordSize), aliceBefore);
    auto pick = [&](int slot) { return Byte(pool, 0, kPicksOffset + BlockOffset(2, slot)); };
    auto points = [&](int slot) { return Byte(pool, 0, kConfidenceOffset + BlockOffset(2, slot)); };
    EXPECT_EQ(pick(0), 2);
    EXPECT_EQ(points(0), 14);
    for (int g = 1; g < 13; ++g) {
        EXPECT_EQ(pick(g), 2 * g + 1) << g;  // favourites: the home side (even games pick home)
        EXPECT_EQ(points(g), g + 3) << g;
    }
    EXPECT_EQ(pick(13), 0);
    EXPECT_EQ(points(13), 0);
    EXPECT_EQ(Byte(pool, 0, kTiebreakOffset + 2), 45);
    EXPECT_EQ(Byte(pool, 0, kConfidenceOffset + BlockOffset(9, 9)), 99);

    // A new run shows the same sheet.
    AppState again(f.dir.path());
    ScriptedPrompter prompts;
    UiContext ctx{.State = again,
                  .Prompts = prompts,
                  .ScreenColorsOverride = 1LL << 24,
                  .OpenUrl = {},
                  .StartProgram = {}};
    ReadSettings(again, 1LL << 24);
    ASSERT_TRUE(LoadPool(again).ok());
    ASSERT_TRUE(LoadSeason(again, "1997.NFL").ok());
    again.CurrentPlayer = 0;
    frmPicks w(ctx);
    EXPECT_TRUE(Checked(w, "OpAway", 0));
    EXPECT_TRUE(Checked(w, "OpHome", 12));
    EXPECT_EQ(Box(w, 0), "14");
    EXPECT_EQ(Box(w, 12), "15");
    EXPECT_EQ(Child<QLineEdit>(w, "txtMP")->text(), "45");
    EXPECT_FALSE(Available(w, 14));
    EXPECT_TRUE(Available(w, 3));
}

TEST(frmPicks, EditsSurviveSwitchingAndCancelWithNoLeavesEveryFileUntouched) {
    MembersFixture f(Members(), kConfidenceIni);
    const std::string pool = f.Pool(), ini = f.Ini(), season = f.SeasonBytes();
    const auto members = f.state.Members;
    f.state.CurrentPlayer = 0;
    frmPicks w(f.ctx);
    w.show();
    auto* combo = Child<QComboBox>(w, "Combo1");
    auto* spin = Child<SpinButton>(w, "SpinButton1");

    Click(w, "OpHome2");
    combo->setCurrentIndex(0);  // alice
    EXPECT_FALSE(Checked(w, "OpHome", 2));
    Click(w, "cmdHome");
    emit spin->SpinUp();
    EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), " 4");
    EXPECT_EQ(f.state.CurrentWeek, 4);
    EXPECT_TRUE(Child<QWidget>(w, "Picture11")->isHidden());  // week 4 has one game
    emit spin->SpinDown();
    EXPECT_TRUE(Checked(w, "OpHome", 12));
    combo->setCurrentIndex(1);  // Bob
    EXPECT_TRUE(Checked(w, "OpHome", 2));
    EXPECT_TRUE(w.Model().Changed());

    f.prompts.Answer(PromptAnswer::Cancel);
    Click(w, "cmdCancel");
    EXPECT_TRUE(w.isVisible());
    f.prompts.Answer(PromptAnswer::No);
    Click(w, "cmdCancel");
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_EQ(f.prompts.Asked()[1].Title, "Cancel Player Picks");
    EXPECT_EQ(f.prompts.Asked()[1].Text,
              "The Player Selections have been changed.\nWould you like to save these changes?");
    EXPECT_EQ(f.Pool(), pool);
    EXPECT_EQ(f.Ini(), ini);
    EXPECT_EQ(f.SeasonBytes(), season);
    EXPECT_EQ(f.state.Members, members);
    EXPECT_EQ(f.state.CurrentPlayer, 0);
}

TEST(frmPicks, WeekSpinStopsAtBothEnds) {
    MembersFixture f(Members(), kConfidenceIni);
    f.state.CurrentWeek = 21;
    frmPicks w(f.ctx);
    auto* spin = Child<SpinButton>(w, "SpinButton1");
    emit spin->SpinUp();
    EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), "21");
    EXPECT_EQ(f.state.CurrentWeek, 21);
    for (int i = 0; i < 25; ++i) emit spin->SpinDown();
    EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), " 1");
    EXPECT_EQ(f.state.CurrentWeek, 1);
}

TEST(frmPicks, TabReachesTheTiebreakAfterTheGames) {
    MembersFixture f(Members(), kConfidenceIni);
    frmPicks w(f.ctx);
    QStringList chain;
    QWidget* start = Child<QWidget>(w, "Combo1");
    for (QWidget* at = start->nextInFocusChain(); at != start; at = at->nextInFocusChain())
        if (!at->objectName().isEmpty()) chain << at->objectName();
    EXPECT_LT(chain.indexOf("Text114"), chain.indexOf("txtMP"));
    EXPECT_LT(chain.indexOf("txtMP"), chain.indexOf("cmdFav"));
}

TEST(frmPicks, LeavingABoxAsksAboutDuplicatesAndRange) {
    MembersFixture f(Members(), kConfidenceIni);
    frmPicks w(f.ctx);  // alice, week 3: nothing entered, values 3 to 15
    auto* box0 = Child<QLineEdit>(w, "Text10");
    auto* box1 = Child<QLineEdit>(w, "Text11");
    box0->setText("2");
    f.prompts.Answer(PromptAnswer::No);  // keep it
    w.OnConfidenceLeft(0);
    EXPECT_EQ(box0->text(), "2");
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Possible Incorrect Entry");
    EXPECT_EQ(f.prompts.Asked()[0].Text,
              "You should be entering a value between 3 and 15. Would you like to correct it ?");
    box1->setText("2");
    f.prompts.Answer(PromptAnswer::Yes);  // correct the duplicate: no range question follows
    w.OnConfidenceLeft(1);
    EXPECT_EQ(box1->text(), "");
    EXPECT_EQ(f.prompts.Asked().size(), 2u);
    box1->setText("9");
    w.OnConfidenceLeft(1);
    EXPECT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_FALSE(Available(w, 9));
    // Leaving a box asks only after typing, and not when a message box or
    // another program takes the focus.
    auto leave = [](QWidget* box, Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(box, &out);
    };
    auto* box2 = Child<QLineEdit>(w, "Text12");
    box2->setText("9");
    leave(box2, Qt::TabFocusReason);
    EXPECT_EQ(f.prompts.Asked().size(), 2u);
    box2->clear();
    test::KeyClicks(box2, "9");
    leave(box2, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(f.prompts.Asked().size(), 2u);
    f.prompts.Answer(PromptAnswer::Yes);
    leave(box2, Qt::TabFocusReason);
    ASSERT_EQ(f.prompts.Asked().size(), 3u);
    EXPECT_EQ(f.prompts.Asked()[2].Title, "Duplicate Value");
    EXPECT_EQ(box2->text(), "");
    // Typed points are a change like any other: Cancel asks before dropping them.
    f.prompts.Answer(PromptAnswer::No);
    Click(w, "cmdCancel");
    ASSERT_EQ(f.prompts.Asked().size(), 4u);
    EXPECT_EQ(f.prompts.Asked()[3].Title, "Cancel Player Picks");
}

TEST(frmPicks, WithoutConfidencePointsTheColumnIsGoneAndStoredPointsStay) {
    MembersFixture f(Members(),
                     "[Options]\r\nPoolSort=Wins\r\nSecondaryTB=None\r\nMondayPts=WinningMargin\r\n"
                     "[Gridmoot]\r\nCurrentWeek=3\r\n");
    f.state.CurrentPlayer = 0;
    frmPicks w(f.ctx);
    EXPECT_TRUE(Child<QGroupBox>(w, "frConfidence")->isHidden());
    EXPECT_TRUE(Child<QLabel>(w, "lblHeader")->isHidden());
    EXPECT_TRUE(Child<QLineEdit>(w, "Text10")->isHidden());
    EXPECT_FALSE(Child<QLineEdit>(w, "txtMP")->isEnabled());
    EXPECT_TRUE(Child<QLabel>(w, "lblTiebreaker")->isHidden());
    EXPECT_EQ(Child<QLabel>(w, "lblTiebreaker")->text(), "Winning Margin");
    EXPECT_EQ(Child<QLabel>(w, "lblFavUnd")->text(), " Underdog Shows Points ");
    EXPECT_EQ(Child<QRadioButton>(w, "OpAway1")->text(), "Buffalo +7");

    Click(w, "cmdClear");
    Click(w, "cmdOK");
    const std::string pool = f.Pool();
    EXPECT_EQ(Byte(pool, 0, kPicksOffset + BlockOffset(2, 5)), 0);
    EXPECT_EQ(Byte(pool, 0, kConfidenceOffset + BlockOffset(2, 5)), 6);
}

TEST(frmPicks, FailedSaveSaysSoAndKeepsTheWindowWithItsEdits) {
    MembersFixture f(Members(), kConfidenceIni);
    const std::string pool = f.Pool();
    f.state.CurrentPlayer = 1;  // alice's record
    frmPicks w(f.ctx);
    w.show();
    Click(w, "cmdAway");
    {
        test::BlockedFolder blocked(f.dir.path());
        Click(w, "cmdOK");
    }
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Stop);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.contains("Pool97.dat")) << f.prompts.Asked()[0].Text.toStdString();
    EXPECT_EQ(f.Pool(), pool);
    EXPECT_TRUE(Checked(w, "OpAway", 0));
    Click(w, "cmdOK");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Byte(f.Pool(), 1, kPicksOffset + BlockOffset(2, 0)), 2);
}

}  // namespace
}  // namespace gm::ui

namespace gm::ui {
namespace {

// The window shown and active, so that key events go where the focus is.
void ShowActive(QWidget& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Keys go where the focus is, as typing sends them; shortcuts apply.
QWidget* Target(QWidget& w) {
    return QApplication::focusWidget() ? QApplication::focusWidget() : &w;
}

void Key(QWidget& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Target(w), key, modifiers);
}

void Type(QWidget& w, const QString& text) {
    for (QChar c : text) QTest::keyClick(Target(w), c.toLatin1());
}

std::string Focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "(none)";
}

// A whole week typed from the keyboard alone: each game is one tab stop whose
// arrows and team letters choose, then its points, row after row.
TEST(frmPicks, SheetTypedFromTheKeyboardIsSavedAsTyped) {
    MembersFixture f(Members(), kConfidenceIni);
    f.state.CurrentPlayer = 1;  // alice: week 3 empty, 13 games, points 3 to 15
    frmPicks w(f.ctx);
    ShowActive(w);
    Child<QWidget>(w, "Combo1")->setFocus(Qt::TabFocusReason);
    Key(w, Qt::Key_Tab);
    EXPECT_EQ(Focused(), "SpinButton1");
    f.prompts.Answer(PromptAnswer::No);  // keep the duplicate typed on game 5
    for (int g = 0; g < 13; ++g) {
        Key(w, Qt::Key_Tab);
        ASSERT_EQ(Focused(), "Picture1" + std::to_string(g));
        if (g == 4) {
            Type(w, "ddd");  // Detroit at Denver: Detroit, Denver, Detroit
        } else if (g == 7) {
            Key(w, Qt::Key_Right);
            Type(w, "n");  // Minnesota at Miami: neither starts with n, so "None"
        } else {
            Key(w, g % 3 == 1 ? Qt::Key_Left : Qt::Key_Right);  // from "None": home, or away
            if (g % 3 == 2) Key(w, Qt::Key_Down);               // away, then home
        }
        Key(w, Qt::Key_Tab);
        ASSERT_EQ(Focused(), "Text1" + std::to_string(g));
        if (g != 7) Type(w, g == 5 ? "3" : QString::number(g + 3));
        if (g == 5) EXPECT_TRUE(f.prompts.Asked().empty());
    }
    Key(w, Qt::Key_Tab);
    EXPECT_EQ(Focused(), "txtMP");
    ASSERT_EQ(f.prompts.Asked().size(), 1u);  // asked when Tab left game 5's box
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Duplicate Value");
    Type(w, "45");
    Key(w, Qt::Key_Tab);
    EXPECT_EQ(Focused(), "cmdFav");  // the buttons follow
    for (int i = 0; i < 20 && Focused() != "cmdOK"; ++i) Key(w, Qt::Key_Tab);
    Key(w, Qt::Key_Space);
    EXPECT_FALSE(w.isVisible());

    const std::string pool = f.Pool();
    auto pick = [&](int slot) { return Byte(pool, 1, kPicksOffset + BlockOffset(2, slot)); };
    auto points = [&](int slot) { return Byte(pool, 1, kConfidenceOffset + BlockOffset(2, slot)); };
    for (int g = 0; g < 13; ++g) {
        SCOPED_TRACE(g);
        const int home = 2 * g + 1, away = 2 * g + 2;
        const int wanted = g == 4 ? away : g == 7 ? 0 : g % 3 == 0 ? away : home;
        EXPECT_EQ(pick(g), wanted);
        EXPECT_EQ(points(g), g == 7 ? 0 : g == 5 ? 3 : g + 3);
    }
    EXPECT_EQ(Byte(pool, 1, kTiebreakOffset + 2), 45);
}

// However a confidence box is left, a duplicate is asked about; "Yes" empties
// the box and brings the focus back, and nothing moves on.
TEST(frmPicks, DuplicateIsAskedHoweverTheBoxIsLeft) {
    const std::pair<const char*, std::function<void(frmPicks&)>> ways[] = {
        {"Tab", [](frmPicks& w) { Key(w, Qt::Key_Tab); }},
        {"Shift+Tab", [](frmPicks& w) { Key(w, Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"a click on another game", [](frmPicks& w) { QTest::mouseClick(Child<QWidget>(w, "OpHome4"), Qt::LeftButton); }},
        {"a click on OK", [](frmPicks& w) { QTest::mouseClick(Child<QWidget>(w, "cmdOK"), Qt::LeftButton); }},
        // Alt+O and Enter press OK without taking the focus from the box.
        {"OK pressed from the keyboard", [](frmPicks& w) { Child<QPushButton>(w, "cmdOK")->click(); }},
        {"the week's spin arrow", [](frmPicks& w) { emit Child<SpinButton>(w, "SpinButton1")->SpinUp(); }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        MembersFixture f(Members(), kConfidenceIni);
        f.state.CurrentPlayer = 1;
        const std::string pool = f.Pool();
        frmPicks w(f.ctx);
        ShowActive(w);
        Child<QLineEdit>(w, "Text10")->setText("9");
        auto* box = Child<QLineEdit>(w, "Text12");
        box->setFocus(Qt::TabFocusReason);
        Type(w, "9");
        f.prompts.Answer(PromptAnswer::Yes);
        leave(w);
        ASSERT_EQ(f.prompts.Asked().size(), 1u);
        EXPECT_EQ(f.prompts.Asked()[0].Title, "Duplicate Value");
        EXPECT_EQ(box->text(), "");
        EXPECT_EQ(Focused(), "Text12");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), "3");
        EXPECT_TRUE(f.Pool() == pool);
    }
}

TEST(frmPicks, AvailableFollowsEveryKeystroke) {
    MembersFixture f(Members(), kConfidenceIni);
    f.state.CurrentPlayer = 1;
    frmPicks w(f.ctx);
    ShowActive(w);
    Child<QLineEdit>(w, "Text10")->setFocus(Qt::TabFocusReason);
    Type(w, "1");
    EXPECT_TRUE(Available(w, 12));
    Type(w, "2");
    EXPECT_FALSE(Available(w, 12));
    Key(w, Qt::Key_Backspace);
    EXPECT_TRUE(Available(w, 12));
    EXPECT_TRUE(f.prompts.Asked().empty());  // nothing is asked before the box is left
}

}  // namespace
}  // namespace gm::ui
