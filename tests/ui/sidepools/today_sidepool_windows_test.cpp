#include <gtest/gtest.h>

#include <QLabel>

#include "core/pool/fixtures/PoolFixture.h"
#include "support/Season2024.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/sidepools/frmOffBar.h"

// The Sports Box window on the 2024 season of today's league.
namespace gm::ui {
namespace {

template <typename T = QWidget>
T* Child(QWidget& w, const QString& name) {
    auto* c = w.findChild<T*>(name);
    if (!c) ADD_FAILURE() << "no control " << name.toStdString();
    return c;
}

// The week runs to the Super Bowl and the game to 16; each week opens on its
// tiebreak game, the last by kick-off.
TEST(TodaySportsBoxWindow, WeeksTo22GamesTo16) {
    test::PoolFixture pool;
    test::LoadSeason2024(pool.State);
    pool.State.CurrentWeek = 21;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    frmOffBar window(ctx, nullptr, 7);
    window.show();
    // Conference round: Washington at Philadelphia, then Buffalo at Kansas City.
    EXPECT_EQ(Child<QLabel>(window, "lblGame")->text(), "2");
    EXPECT_EQ(Child<QLabel>(window, "lblHomeTeam")->text(), "Kansas City");

    auto* week = Child<SpinButton>(window, "SpinButton1");
    emit week->SpinUp();
    emit week->SpinUp();  // beyond 22: stays
    EXPECT_EQ(Child<QLabel>(window, "lblWeek")->text(), "22");
    EXPECT_EQ(Child<QLabel>(window, "lblHomeTeam")->text(), "Philadelphia");
    EXPECT_EQ(Child<QLabel>(window, "lblHomeSc")->text(), "40");
    EXPECT_EQ(Child<QLabel>(window, "lblAwaySc")->text(), "22");

    emit week->SpinDown();
    emit week->SpinDown();
    emit week->SpinDown();
    emit week->SpinDown();  // week 18: 16 games, Minnesota at Detroit last
    EXPECT_EQ(Child<QLabel>(window, "lblGame")->text(), "16");
    EXPECT_EQ(Child<QLabel>(window, "lblHomeTeam")->text(), "Detroit");
    emit Child<SpinButton>(window, "SpinButton2")->SpinUp();
    EXPECT_EQ(Child<QLabel>(window, "lblGame")->text(), "16");
}

}  // namespace
}  // namespace gm::ui
