#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QRadioButton>

#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/SideFiles.h"
#include "ui/shell/UiContext.h"
#include "ui/sidepools/frmDPlayer.h"
#include "ui/sidepools/frmDPool.h"
#include "ui/sidepools/frmOffBar.h"
#include "ui/sidepools/frmSBPrint.h"

namespace gm::ui {
namespace {

// Writes pictures of the side-pool windows for a person to look at; runs only
// when GRIDMOOT_SCREENSHOTS names a folder.
TEST(Screenshots, SidePoolWindows) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    QDir().mkpath(folder);
    test::PoolFixture pool;
    test::WriteFile(pool.Dir / "SBPlayer.dat", EncodeBoxPlayers({{FitName("Al Adams"), 101}, {FitName("Bea Bright"), 102},
                                                                 {FitName("Cy Young"), 1234}}));
    test::WriteFile(pool.Dir / "Digital.dat", EncodeDigitPlayers({{FitName("Zed"), 8, 0}, {FitName("Amy"), 13, 0}}));
    pool.State.CurrentWeek = 1;
    // Week 1 is Dallas 27 - Denver 20; a 7 shown twice along the top puts the
    // digits note beside the winner.
    test::WriteFile(pool.Dir / "Vask97.ini", "[Digits]\r\nTop1=7123456789\r\n");
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};

    frmOffBar box(ctx, nullptr, 3);
    box.findChild<QRadioButton*>("OpREqual")->click();
    box.show();
    EXPECT_TRUE(box.grab().save(folder + "/sportsbox.png"));
    frmSBPrint sheet(ctx);
    sheet.show();
    EXPECT_TRUE(sheet.grab().save(folder + "/sbprint.png"));
    frmDPlayer players(ctx);
    players.findChild<QListWidget*>("lstPlayer")->setCurrentRow(0);
    players.show();
    EXPECT_TRUE(players.grab().save(folder + "/dplayer.png"));
    frmDPool digits(ctx);
    digits.findChild<QRadioButton*>("OpShow2")->click();
    digits.show();
    EXPECT_TRUE(digits.grab().save(folder + "/dpool.png"));
}

}  // namespace
}  // namespace gm::ui
