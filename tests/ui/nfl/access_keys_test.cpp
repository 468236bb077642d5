// Access keys of the NFL windows in the states the menu walk does not reach:
// the matchup window, the analyzer expanded, the team results without the
// spread column and the marquee with its spread shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include "core/nfl/fixtures/NflFixture.h"
#include "support/AccessKeys.h"
#include "ui/nfl/frmAnalyze.h"
#include "ui/nfl/frmNFLDisp.h"
#include "ui/nfl/frmTResults.h"
#include "ui/nfl/frmThisWeek.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct Fixture {
    Fixture() { std::filesystem::create_directory(dir.path() / "TxtFiles"); }
    test::TempDir dir;
    AppState state = test::NflFixtureState(dir.path(), 4);
    ScriptedPrompter prompts;
    UiContext ctx{state, prompts};
};

std::string Duplicates(const QWidget& window) {
    return gm::test::DuplicateAccessKeys(window).join("; ").toStdString();
}

TEST(AccessKeys, NflWindowsInEveryState) {
    Fixture f;
    {
        frmAnalyze analyzer(f.ctx);
        EXPECT_EQ(Duplicates(analyzer), "");
        analyzer.findChild<QPushButton*>("cmdExpand")->click();  // now "&Shrink"
        analyzer.findChild<QPushButton*>("cmdMarquee")->click();
        EXPECT_EQ(Duplicates(analyzer), "") << "expanded, marquee hidden";
    }
    {
        frmTResults team(f.ctx);
        EXPECT_EQ(Duplicates(team), "");
        team.findChild<QCheckBox*>("ckPSResults")->click();
        EXPECT_EQ(Duplicates(team), "") << "without the spread column";
    }
    {
        frmNFLDisp marquee(f.ctx);
        marquee.findChild<QPushButton*>("cmdShow")->click();
        EXPECT_EQ(Duplicates(marquee), "") << "spread shown";
    }
    frmThisWeek chooser(f.ctx);
    chooser.findChild<QRadioButton*>("OpGame1")->click();
    std::string matchup = "no matchup window";
    QTimer::singleShot(0, [&] {
        auto* window = QApplication::activeModalWidget();
        if (!window || window->objectName() != "frmMatchup") return;
        matchup = Duplicates(*window);
        window->close();
    });
    chooser.findChild<QPushButton*>("cmdView")->click();
    EXPECT_EQ(matchup, "");
}

}  // namespace
}  // namespace gm::ui
