#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "MembersFixture.h"
#include "support/BlockedFolder.h"
#include "ui/members/frmPlayer.h"

namespace gm::ui {
namespace {

using test::Byte;
using test::Member;
using test::MembersFixture;

const char* kIni = "[SportsBox]\r\nBoxPlayers=12\r\n";

MemberRecord Bob() {
    MemberRecord bob = Member("Bob", 7);
    for (int w = 0; w < kWeeks; ++w) {
        bob.Picks[w][3] = static_cast<std::uint8_t>(w + 1);
        bob.Confidence[w][3] = static_cast<std::uint8_t>(15 - w % 15);
        bob.Tiebreak[w] = static_cast<std::uint8_t>(30 + w);
    }
    return bob;
}

QStringList Listed(frmPlayer& w) {
    QStringList out;
    auto* list = w.findChild<QListWidget*>("lstPlayer");
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void Click(QWidget* w, const char* name) {
    auto* b = w->findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    ASSERT_TRUE(b->isEnabled()) << name;
    b->click();
}

void Rename(frmPlayer& w, int row, const QString& text) {
    w.findChild<QListWidget*>("lstPlayer")->setCurrentRow(row);
    test::WhenModalOpens([text](QWidget* edit) {
        EXPECT_EQ(edit->objectName(), "frmEditPlayer");
        auto* box = edit->findChild<QLineEdit*>("TxtEditPl");
        box->selectAll();
        test::KeyClicks(box, text);
        Click(edit, "cmdOK");
    });
    Click(&w, "cmdEdit");
}

TEST(frmPlayer, RenamedMemberKeepsEveryPickAndMovesToItsPlaceInTheFile) {
    MembersFixture f({Bob(), Member("Carl", 9)}, kIni);
    const std::string before = f.Pool();
    frmPlayer w(f.ctx);
    EXPECT_EQ(Listed(w), (QStringList{"Bob", "Carl"}));
    EXPECT_FALSE(w.findChild<QPushButton*>("cmdEdit")->isEnabled());

    Rename(w, 0, "Bob");  // same text: no change
    EXPECT_FALSE(w.List().Changed());
    Rename(w, 0, "Zeke");
    EXPECT_EQ(Listed(w), (QStringList{"Carl", "Zeke"}));
    EXPECT_TRUE(f.state.MembersChanged);
    Click(&w, "cmdOK");
    EXPECT_EQ(w.result(), QDialog::Accepted);

    const std::string after = f.Pool();
    ASSERT_EQ(after.size(), 2u * kMemberRecordSize);
    EXPECT_EQ(after.substr(0, kMemberRecordSize),
              before.substr(kMemberRecordSize, kMemberRecordSize));  // Carl whole
    EXPECT_EQ(after.substr(kMemberRecordSize, 18), "Zeke              ");
    EXPECT_EQ(after.substr(kMemberRecordSize + 18),
              before.substr(18, kMemberRecordSize - 18));  // Bob's picks and number
    EXPECT_FALSE(std::filesystem::exists(f.dir / "Temp.dat"));
    EXPECT_EQ(f.state.Settings.Read("SportsBox", "BoxPlayers", "", 9), "12");
    EXPECT_FALSE(f.state.MembersChanged);
}

// Both name boxes select their whole text each time they get the focus, by
// mouse as by keyboard, so typing replaces the name rather than adding to it.
TEST(frmPlayer, NameBoxesSelectTheirWholeTextOnEveryFocus) {
    MembersFixture f({Bob()}, kIni);
    frmPlayer w(f.ctx);
    w.show();
    w.findChild<QListWidget*>("lstPlayer")->setCurrentRow(0);
    const auto check = [](const char* boxName, const QString& start) {
        return [boxName, start](QWidget* dialog) {
            QApplication::setActiveWindow(dialog);
            auto* box = dialog->findChild<QLineEdit*>(boxName);
            ASSERT_NE(box, nullptr) << boxName;
            if (!start.isEmpty()) EXPECT_EQ(box->text(), start);
            box->setText("Bobby");
            for (int round = 0; round < 2; ++round) {
                dialog->findChild<QPushButton*>("cmdCancel")->setFocus(Qt::TabFocusReason);
                box->deselect();
                box->setCursorPosition(2);
                if (round == 0)
                    box->setFocus(Qt::TabFocusReason);
                else
                    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
                QApplication::processEvents();
                ASSERT_TRUE(box->hasFocus()) << boxName << " round " << round;
                EXPECT_EQ(box->selectedText(), "Bobby") << boxName << " round " << round;
            }
            dialog->findChild<QPushButton*>("cmdCancel")->click();
        };
    };
    test::WhenModalOpens(check("TxtEditPl", "Bob"));
    Click(&w, "cmdEdit");
    test::WhenModalOpens(check("TxtAddPl", ""));
    Click(&w, "cmdAdd");
    EXPECT_EQ(Listed(w), QStringList{"Bob"});
}

TEST(frmPlayer, MembersAddedThenDiscardedWithNoLeaveEverythingAsItWas) {
    MembersFixture f({Bob()}, kIni);
    const std::string pool = f.Pool(), ini = f.Ini();
    frmPlayer w(f.ctx);
    w.show();
    test::WhenModalOpens([](QWidget* add) {
        EXPECT_EQ(add->objectName(), "frmAddPlayer");
        auto* box = add->findChild<QLineEdit*>("TxtAddPl");
        EXPECT_FALSE(add->findChild<QPushButton*>("cmdOK")->isEnabled());
        test::KeyClick(box, Qt::Key_Return);  // empty: nothing added
        test::KeyClicks(box, "anna");
        test::KeyClick(box, Qt::Key_Return);
        EXPECT_TRUE(box->text().isEmpty());
        test::KeyClicks(box, "Dave");
        Click(add, "cmdOK");
        Click(add, "cmdCancel");
    });
    Click(&w, "cmdAdd");
    EXPECT_EQ(Listed(w), (QStringList{"anna", "Bob", "Dave"}));
    EXPECT_EQ(w.findChild<QLabel*>("lblNum")->text(), "3");

    f.prompts.Answer(PromptAnswer::Cancel);
    Click(&w, "cmdCancel");
    EXPECT_TRUE(w.isVisible());
    f.prompts.Answer(PromptAnswer::No);
    Click(&w, "cmdCancel");
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Cancel Player Editing");
    EXPECT_EQ(f.prompts.Asked()[0].Text,
              "The Players File has been changed.\nWould you like to save these changes?");
    EXPECT_EQ(f.prompts.Asked()[0].Buttons, PromptButtons::YesNoCancel);

    EXPECT_EQ(f.Pool(), pool);
    EXPECT_EQ(f.Ini(), ini);
    EXPECT_EQ(f.state.MemberCount, 1);
    EXPECT_EQ(f.state.LastPlayerNumber, 12);
    EXPECT_FALSE(f.state.MembersChanged);
}

// The pool file keeps 18 characters of a name: the box takes no more as typed.
// A name a member already has in another letter case is added only after Yes.
TEST(frmPlayer, AddBoxTakesEighteenCharactersAndAsksBeforeANameInOtherCase) {
    MembersFixture f({Bob()}, kIni);
    frmPlayer w(f.ctx);
    w.show();
    test::WhenModalOpens([&](QWidget* add) {
        auto* box = add->findChild<QLineEdit*>("TxtAddPl");
        QTest::keyClicks(box, "Bartholomew Cunningham-Rhys");
        EXPECT_EQ(box->text(), "Bartholomew Cunnin");
        test::KeyClick(box, Qt::Key_Return);
        EXPECT_TRUE(f.prompts.Asked().empty());

        QTest::keyClicks(box, "bob");
        f.prompts.Answer(PromptAnswer::No);
        test::KeyClick(box, Qt::Key_Return);
        ASSERT_EQ(f.prompts.Asked().size(), 1u);
        EXPECT_EQ(f.prompts.Asked()[0].Buttons, PromptButtons::YesNo);
        EXPECT_EQ(f.prompts.Asked()[0].Text,
                  "\"bob\" differs from the member \"Bob\" only in letter case.\nAdd \"bob\" as another member?");
        EXPECT_EQ(box->text(), "bob");  // not added: still there to change
        f.prompts.Answer(PromptAnswer::Yes);
        Click(add, "cmdOK");
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(f.prompts.Asked().size(), 2u);
        Click(add, "cmdCancel");
    });
    Click(&w, "cmdAdd");
    EXPECT_EQ(Listed(w), (QStringList{"Bartholomew Cunnin", "Bob", "bob"}));
    Click(&w, "cmdOK");
    const std::string pool = f.Pool();
    ASSERT_EQ(pool.size(), 3u * kMemberRecordSize);
    EXPECT_EQ(pool.substr(0, 18), "Bartholomew Cunnin");
}

TEST(frmPlayer, AddedMembersSavedWithYesGetTheNextNumbers) {
    MembersFixture f({Bob()}, kIni);
    frmPlayer w(f.ctx);
    w.show();
    w.AddName("Amy");
    w.AddName(QString::fromUtf8("Łukasz"));  // not in Windows-1252
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Player Name");
    EXPECT_EQ(Listed(w), (QStringList{"?ukasz", "Amy", "Bob"}));
    f.prompts.Answer(PromptAnswer::Yes);
    Click(&w, "cmdCancel");
    EXPECT_FALSE(w.isVisible());
    const std::string pool = f.Pool();
    ASSERT_EQ(pool.size(), 3u * kMemberRecordSize);
    EXPECT_EQ(pool.substr(0, 18), "?ukasz            ");
    EXPECT_EQ(Byte(pool, 0, kPlayerNumberOffset), 13);
    EXPECT_EQ(Byte(pool, 1, kPlayerNumberOffset), 14);
    EXPECT_EQ(Byte(pool, 2, kPlayerNumberOffset), 7);
    EXPECT_EQ(f.state.Settings.Read("SportsBox", "BoxPlayers", "", 9), "14");
}

TEST(frmPlayer, DeleteAsksAndOnlyYesDeletes) {
    MembersFixture f({Bob(), Member("Carl", 9)}, kIni);
    frmPlayer w(f.ctx);
    auto* list = w.findChild<QListWidget*>("lstPlayer");
    list->setCurrentRow(1);
    f.prompts.Answer(PromptAnswer::No);
    Click(&w, "cmdRemove");
    EXPECT_EQ(Listed(w), (QStringList{"Bob", "Carl"}));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Delete Player");
    EXPECT_EQ(f.prompts.Asked()[0].DefaultButton, PromptAnswer::No);
    EXPECT_EQ(f.prompts.Asked()[0].Text,
              "Are you sure you want to delete Carl .\nNo record of the player will remain !");
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Exclamation);
    EXPECT_FALSE(w.List().Changed());

    for (int i = 0; i < 2; ++i) {
        list->setCurrentRow(0);
        f.prompts.Answer(PromptAnswer::Yes);
        Click(&w, "cmdRemove");
    }
    EXPECT_EQ(w.findChild<QLabel*>("lblNum")->text(), "0");
    EXPECT_FALSE(w.findChild<QPushButton*>("cmdRemove")->isEnabled());
    // The switched-off Delete button does not strand the keyboard: the list
    // has the focus, and Tab goes on to Add.
    EXPECT_EQ(w.focusWidget(), list);
    QWidget* next = list->nextInFocusChain();
    while (next != list && !qobject_cast<QPushButton*>(next)) next = next->nextInFocusChain();
    EXPECT_EQ(next, w.findChild<QPushButton*>("cmdAdd"));
    Click(&w, "cmdOK");
    EXPECT_EQ(f.Pool().size(), 0u);
    EXPECT_EQ(f.state.MemberCount, 0);
}

TEST(frmPlayer, FailedSaveSaysSoAndKeepsTheEdits) {
    MembersFixture f({Bob()}, kIni);
    const std::string pool = f.Pool();
    frmPlayer w(f.ctx);
    w.show();
    w.AddName("Amy");
    {
        test::BlockedFolder blocked(f.dir.path());
        Click(&w, "cmdOK");
    }
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Stop);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.contains("Temp.dat") ||
                f.prompts.Asked()[0].Text.contains("Pool97.dat"))
        << f.prompts.Asked()[0].Text.toStdString();
    EXPECT_EQ(f.Pool(), pool);
    EXPECT_EQ(f.state.LastPlayerNumber, 12);
    EXPECT_EQ(Listed(w), (QStringList{"Amy", "Bob"}));

    Click(&w, "cmdOK");  // the folder is back: now it saves
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(f.Pool().size(), 2u * kMemberRecordSize);
}

}  // namespace
}  // namespace gm::ui
