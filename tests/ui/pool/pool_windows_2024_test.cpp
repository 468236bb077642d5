// The pool windows on the real 2024 season of today's league with the
// hand-counted pool of core/pool/fixtures/Pool2024Fixture.h.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <string>
#include <vector>

#include "core/pool/fixtures/Pool2024Fixture.h"
#include "support/TempDir.h"
#include "ui/pool/frmPMatrix.h"
#include "ui/pool/frmPoolStn.h"
#include "ui/shell/SpinButton.h"
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

std::vector<std::string> ListLines(QWidget& window) {
    std::vector<std::string> lines;
    auto* list = window.findChild<QListWidget*>("lstPlayer");
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

QString Text(QWidget& window, const char* label) { return window.findChild<QLabel*>(label)->text(); }

// Opens on the Super Bowl week; the end spin stops at 22, goes back to the
// Wild Card week and its six games. GRIDMOOT_SCREENSHOTS names a folder for
// a picture of the season view.
TEST(frmPoolStn2024, RunsToTheSuperBowl) {
    Window2024 f;
    frmPoolStn window(f.ctx);
    EXPECT_EQ(Text(window, "lblEnd"), "22");
    EXPECT_EQ(ListLines(window), (std::vector<std::string>{
                                     "Bob                  1  0  0     1.0   0     4   10   0     27.0    2",
                                     "Alice                0  1  0     0.0  12    10    7   0     94.0    1",
                                 }));
    emit window.findChild<SpinButton*>("SpinButton1")->SpinUp();
    EXPECT_EQ(Text(window, "lblEnd"), "22");
    EXPECT_EQ(f.State.CurrentWeek, 22);
    for (int i = 0; i < 3; ++i) emit window.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(Text(window, "lblEnd"), " 19");
    EXPECT_EQ(ListLines(window).size(), 3u);  // all three played the Wild Card week
    for (int i = 0; i < 3; ++i) emit window.findChild<SpinButton*>("SpinButton1")->SpinUp();
    window.findChild<QRadioButton*>("OpSeason")->click();
    EXPECT_EQ(ListLines(window)[0], "  1 Alice                 10    7   0     94.0    0  1  0     0.0  12");

    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (!folder.isEmpty()) {
        window.show();
        EXPECT_TRUE(window.grab().save(folder + "/pool-standings-2024.png"));
    }
}

// The player matrix of week 4: 16 game columns, SEA @ DET last.
TEST(frmPMatrix2024, SixteenGamesOfWeekFour) {
    Window2024 f;
    f.State.CurrentWeek = 4;
    frmPMatrix window(f.ctx);
    const std::vector<std::string> lines = ListLines(window);
    ASSERT_GE(lines.size(), 2u);
    // Alice: name, 16 game columns (her DET on the Monday night game last), tiebreak 60.
    EXPECT_EQ(lines[0].size(), 18u + 16u * 4u + 4u);
    EXPECT_EQ(lines[0].substr(0, 5), "Alice");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 8), " DET  60");
    EXPECT_EQ(lines[1], std::string(87, '-'));  // the rule four columns longer than 1997's
}

}  // namespace
}  // namespace gm::ui
