// The pool marquee window: its yellow sign, its labels, the week spin and
// the cycle the sign's "finished" signal drives.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "core/pool/fixtures/PoolFixture.h"
#include "ui/analysis/frmPTape.h"
#include "ui/display/ElectronicSign.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

template <typename T>
T* Child(QWidget& w, const char* name) {
    auto* c = w.findChild<T*>(name);
    if (!c) ADD_FAILURE() << "no control " << name;
    return c;
}

QString Label(QWidget& w, const char* name) { return Child<QLabel>(w, name)->text(); }

TEST(frmPTape, SignCycleLabelsAndWeekSpin) {
    test::PoolFixture pool;
    pool.State.CurrentWeek = 1;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    ctx.ScreenColorsOverride = 256;  // the grid stays on
    frmPTape window(ctx);
    ElectronicSign* sign = window.Sign();
    ASSERT_TRUE(sign);
    EXPECT_EQ(sign->LampColor(), QColor(255, 255, 0));
    EXPECT_EQ(sign->Text(), " ");
    EXPECT_EQ(window.windowTitle(), "This Week In The Office Pool");
    EXPECT_EQ(Label(window, "lblWeek"), "1");
    EXPECT_EQ(Label(window, "lblSort"), "Con. Pts");
    EXPECT_EQ(Label(window, "lblTB"), "Mon. Pts");
    EXPECT_EQ(Label(window, "lblPlayed"), "3");
    EXPECT_EQ(Label(window, "lblRank"), "");

    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "Al Adams  Won 3  Lost 0  Tied 0  CPts 6.0  Tb 7 ");
    EXPECT_EQ(sign->Mode(), 3);
    EXPECT_EQ(Label(window, "lblRank"), "1");
    emit sign->finished(sign);  // the pause: only the rate changes
    EXPECT_EQ(sign->Mode(), 0);
    EXPECT_EQ(sign->Rate(), 20);  // 30, as far as the sign goes
    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "Cathy  Won 2  Lost 1  Tied 0  CPts 5.0  Tb 0 ");
    EXPECT_EQ(Label(window, "lblRank"), "2");

    auto* spin = Child<SpinButton>(window, "SpinButton1");
    emit spin->SpinUp();
    EXPECT_EQ(pool.State.CurrentWeek, 2);
    EXPECT_EQ(Label(window, "lblWeek"), " 2");
    EXPECT_EQ(Label(window, "lblPlayed"), "2");
    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "Al Adams  Won 1  Lost 0  Tied 1  CPts 2.5  Tb 4 ");
    EXPECT_EQ(Label(window, "lblRank"), "1");

    auto* grid = Child<QPushButton>(window, "cmdGrid");
    EXPECT_EQ(grid->text(), "Hide &Grid");
    grid->click();
    EXPECT_FALSE(sign->Grid());
    EXPECT_EQ(grid->text(), "Show &Grid");
}

TEST(frmPTape, EmptyPoolShowsNothingAndDoesNotFail) {
    test::PoolFixture pool;
    pool.State.Members.clear();
    pool.State.MemberCount = 0;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    frmPTape window(ctx);
    ElectronicSign* sign = window.Sign();
    for (int i = 0; i < 4; ++i) emit sign->finished(sign);
    EXPECT_EQ(Label(window, "lblPlayed"), "0");
    EXPECT_EQ(Label(window, "lblRank"), "");
    EXPECT_TRUE(prompts.Asked().empty());
}

}  // namespace
}  // namespace gm::ui
