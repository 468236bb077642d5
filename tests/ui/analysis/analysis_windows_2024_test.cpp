// The pool analysis windows on the real 2024 season of today's league with
// the hand-counted pool of core/pool/fixtures/Pool2024Fixture.h.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <string>
#include <vector>

#include "core/pool/fixtures/Pool2024Fixture.h"
#include "support/AccessKeys.h"
#include "support/TempDir.h"
#include "ui/analysis/frmExpert.h"
#include "ui/analysis/frmOddEnd.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct Window2024 {
    Window2024() {
        test::Load2024Pool(State);
        State.CurrentWeek = 22;
    }
    test::TempDir Dir;
    AppState State{Dir.path()};
    ScriptedPrompter prompts;
    UiContext ctx{State, prompts};
};

// Eleven team groups, the eight divisions among them, beside 32 teams.
TEST(frmOddEnd2024, TheEightDivisionsAndThirtyTwoTeams) {
    Window2024 f;
    frmOddEnd window(f.ctx);
    std::vector<std::string> captions;
    for (int i = 0;; ++i) {
        auto* option = window.findChild<QRadioButton*>(QString("opPick%1").arg(i));
        if (!option) break;
        captions.push_back(option->text().toStdString());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"&All Teams", "&NFC Teams", "NFC &East", "NFC No&rth", "NFC &South",
                                                  "NFC &West", "A&FC Teams", "AFC Eas&t", "AFC North", "AFC South",
                                                  "AFC West"}));
    EXPECT_TRUE(test::DuplicateAccessKeys(window).isEmpty()) << test::DuplicateAccessKeys(window).join("; ").toStdString();
    EXPECT_EQ(window.findChild<QComboBox*>("cboTeam")->count(), 32);
    EXPECT_EQ(window.findChild<QComboBox*>("cboTeam")->itemText(31), "Washington");

    window.findChild<QRadioButton*>("opPick3")->click();  // NFC North
    auto* list = window.findChild<QListWidget*>("lstPlayer");
    ASSERT_EQ(list->count(), 3);
    // Alice 4-3 with 22 points (counted in the core tests), first by points.
    EXPECT_EQ(list->item(0)->text().toStdString().substr(0, 5), "Alice");
    EXPECT_EQ(window.Model().Rows()[0].Points, 22.0f);
}

// Sixteen game rows; the Super Bowl in the first, the rest blank.
TEST(frmExpert2024, SixteenRowsForTheSuperBowlWeek) {
    Window2024 f;
    frmExpert window(f.ctx);
    ASSERT_NE(window.findChild<QLabel*>("lblGame15"), nullptr);
    EXPECT_EQ(window.findChild<QLabel*>("lblGame16"), nullptr);
    EXPECT_EQ(window.findChild<QLabel*>("lblPlayer0")->text().trimmed(), "Alice");
    EXPECT_EQ(window.findChild<QLabel*>("lblWon0")->text(), "No");
    EXPECT_EQ(window.findChild<QLabel*>("lblGame1")->text(), "");
}

}  // namespace
}  // namespace gm::ui
