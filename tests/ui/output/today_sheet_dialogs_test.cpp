#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/pool/fixtures/PoolFixture.h"
#include "support/Season2024.h"
#include "ui/output/frmEzEntry.h"
#include "ui/output/frmStandard.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

// The pick-sheet and EZ Entry dialogs on a season of today's league: their
// week runs to the Super Bowl, week 22.
namespace gm::ui {
namespace {

struct TodayFixture {
    TodayFixture() {
        std::filesystem::create_directory(pool.Dir / "TxtFiles");
        test::LoadSeason2024(pool.State);
        pool.State.CurrentWeek = 21;
    }
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
};

template <typename T = QWidget>
T* Get(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

TEST(TodaySheetDialogs, WeekRunsToTwentyTwo) {
    TodayFixture f;
    frmStandard window(f.ctx);
    window.show();
    auto* week = Get<QLineEdit>(window, "txtWeek");
    auto* spin = Get<SpinButton>(window, "SpinButton1");
    for (int i = 0; i < 3; ++i) emit spin->SpinUp();
    EXPECT_EQ(week->text(), "22");
    EXPECT_EQ(f.pool.State.CurrentWeek, 22);

    week->selectAll();
    QTest::keyClick(week, Qt::Key_Backspace);
    QTest::keyClicks(week, "23");
    Get<QAbstractButton>(window, "cmdOK")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Text.toStdString(), "Please type a week from 1 to 22.");
    EXPECT_TRUE(window.isVisible());

    f.pool.State.CurrentWeek = 22;  // typing "23" passed through week 2
    frmEzEntry ez(f.ctx);
    EXPECT_EQ(Get<QLabel>(ez, "lblWeek")->text(), "21");
    EXPECT_EQ(Get<QLabel>(ez, "lblWeek2")->text(), "22");
    emit Get<SpinButton>(ez, "SpinButton1")->SpinUp();
    EXPECT_EQ(Get<QLabel>(ez, "lblWeek2")->text(), "22");
}

}  // namespace
}  // namespace gm::ui
