// Every NFL window on the real 2024 season of today's league: 32 teams in
// eight divisions, 22 weeks of up to 16 games.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "core/nfl/fixtures/NflFixture.h"
#include "support/Season2024.h"
#include "ui/nfl/frmAnalyze.h"
#include "ui/nfl/frmConference.h"
#include "ui/nfl/frmFavUnd.h"
#include "ui/nfl/frmGraph.h"
#include "ui/nfl/frmLeague.h"
#include "ui/nfl/frmMatchup.h"
#include "ui/nfl/frmNFLDisp.h"
#include "ui/nfl/frmNFLResults.h"
#include "ui/nfl/frmPFPA.h"
#include "ui/nfl/frmTResults.h"
#include "ui/nfl/frmThisWeek.h"
#include "ui/nfl/frmWhosHot.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct Window2024 {
    explicit Window2024(int week = 18) {
        std::filesystem::create_directory(dir / "TxtFiles");
        std::filesystem::create_directory(dir / "Webpages");
        test::LoadSeason2024(state);
        state.CurrentWeek = week;
    }
    test::TempDir dir;
    AppState state{dir.path()};
    ScriptedPrompter prompts;
    UiContext ctx{state, prompts};
};

// The lines of every list of a window whose name starts with `prefix`, in list order.
std::vector<std::vector<std::string>> ListsOf(QWidget& window, const QString& prefix) {
    std::vector<std::vector<std::string>> lists;
    for (int i = 0;; ++i) {
        auto* list = window.findChild<QListWidget*>(prefix + QString::number(i));
        if (!list) break;
        std::vector<std::string> lines;
        for (int row = 0; row < list->count(); ++row) lines.push_back(list->item(row)->text().toStdString());
        lists.push_back(lines);
    }
    return lists;
}

struct WindowCase {
    const char* form;
    std::function<std::unique_ptr<QDialog>(UiContext&)> make;
};

const std::vector<WindowCase> kWindows{
    {"frmNFLResults", [](UiContext& c) { return std::make_unique<frmNFLResults>(c); }},
    {"frmTResults", [](UiContext& c) { return std::make_unique<frmTResults>(c); }},
    {"frmLeague", [](UiContext& c) { return std::make_unique<frmLeague>(c); }},
    {"frmConference", [](UiContext& c) { return std::make_unique<frmConference>(c); }},
    {"frmWhosHot", [](UiContext& c) { return std::make_unique<frmWhosHot>(c); }},
    {"frmFavUnd", [](UiContext& c) { return std::make_unique<frmFavUnd>(c); }},
    {"frmPFPA", [](UiContext& c) { return std::make_unique<frmPFPA>(c); }},
    {"frmThisWeek", [](UiContext& c) { return std::make_unique<frmThisWeek>(c); }},
    {"frmGraph", [](UiContext& c) { return std::make_unique<frmGraph>(c); }},
    {"frmNFLDisp", [](UiContext& c) { return std::make_unique<frmNFLDisp>(c); }},
    {"frmAnalyze", [](UiContext& c) { return std::make_unique<frmAnalyze>(c); }},
};

TEST(TodayLeagueWindows, EveryNflWindowOpensOnThe2024Season) {
    for (int week : {1, 18, 22}) {
        Window2024 f(week);
        for (const WindowCase& c : kWindows) {
            SCOPED_TRACE(std::string(c.form) + " week " + std::to_string(week));
            const auto window = c.make(f.ctx);
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            EXPECT_EQ(window->objectName(), c.form);
            EXPECT_FALSE(window->grab().isNull());
            window->close();
        }
    }
}

TEST(TodayLeagueWindows, LeagueStandingsShowEightDivisionFramesOfFourTeams) {
    Window2024 f;
    frmLeague window(f.ctx);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto lists = ListsOf(window, "lstTeam");
    ASSERT_EQ(lists.size(), 8u);
    for (const auto& list : lists) EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(lists[1].front(), "Detroit        15  2  0  564  342    ");
    EXPECT_EQ(lists[7].front(), "Kansas City    15  2  0  385  326    ");
    EXPECT_EQ(lists[0].back(), "NY Giants       3 14  0  273  415    ");
    EXPECT_EQ(window.findChild<QGroupBox*>("frTeam5")->title(), "AFC North       W  L  T   PF   PA");

    // Every line shows whole in its list, and the NFC frames run down the
    // left beside the AFC ones.
    for (int i = 0; i < 8; ++i) {
        auto* list = window.findChild<QListWidget*>(QString("lstTeam%1").arg(i));
        const QRect last = list->visualItemRect(list->item(3));
        EXPECT_LE(last.bottom(), list->viewport()->height()) << i;
        EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(list->item(0)->text())) << i;
    }
    auto* nfcEast = window.findChild<QGroupBox*>("frTeam0");
    auto* nfcWest = window.findChild<QGroupBox*>("frTeam3");
    auto* afcEast = window.findChild<QGroupBox*>("frTeam4");
    EXPECT_EQ(nfcEast->x(), nfcWest->x());
    EXPECT_GT(nfcWest->y(), nfcEast->y());
    EXPECT_GT(afcEast->x(), nfcEast->x());
    EXPECT_EQ(afcEast->y(), nfcEast->y());

    // A picture of the window for a person to look at.
    EXPECT_TRUE(window.grab().save("/tmp/nfl-league-2024.png"));
}

TEST(TodayLeagueWindows, ConferenceWindowsListFourDivisions) {
    Window2024 f;
    frmConference conference(f.ctx);
    frmFavUnd favUnd(f.ctx);
    frmWhosHot hot(f.ctx);
    for (QDialog* window : {static_cast<QDialog*>(&conference), static_cast<QDialog*>(&favUnd),
                            static_cast<QDialog*>(&hot)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        const auto lists = ListsOf(*window, "lstTeam");
        ASSERT_EQ(lists.size(), 4u);
        for (const auto& list : lists) EXPECT_EQ(list.size(), 4u);
        EXPECT_EQ(window->findChild<QGroupBox*>("frTeam1")->title().toStdString(), LeagueToday().Headings[1]);
    }
    conference.findChild<QRadioButton*>("OpAFC")->click();
    EXPECT_EQ(conference.findChild<QGroupBox*>("frTeam3")->title().toStdString(), LeagueToday().Headings[7]);
    EXPECT_EQ(ListsOf(conference, "lstTeam")[3].front().substr(0, 17), "Kansas City    15");
}

TEST(TodayLeagueWindows, WeeklyResultsAndMatchupsPutMondayNightAtTheLastKickoff) {
    Window2024 f(1);
    frmNFLResults results(f.ctx);
    results.show();
    int shown = 0;
    for (int slot = 0; slot < 16; ++slot)
        if (auto* l = results.findChild<QLabel*>(QString("lblWonT%1").arg(slot)); l && l->isVisibleTo(&results)) ++shown;
    EXPECT_EQ(shown, 16);
    auto* monday = results.findChild<QLabel*>("lblMonday");
    auto* last = results.findChild<QLabel*>("lblWonT15");
    auto* before = results.findChild<QLabel*>("lblWonT14");
    ASSERT_TRUE(monday && last && before);
    EXPECT_TRUE(monday->isVisibleTo(&results));
    EXPECT_GT(monday->y(), before->y());
    EXPECT_LT(monday->y(), last->y());

    frmThisWeek chooser(f.ctx);
    chooser.show();
    auto* game = chooser.findChild<QRadioButton*>("OpGame0");
    auto* kickoff = chooser.findChild<QLabel*>("lblKickoff0");
    ASSERT_TRUE(game && kickoff);
    EXPECT_EQ(game->text(), "Baltimore at Kansas City");
    EXPECT_EQ(kickoff->text(), "Thu 9/5 8:20 PM");
    auto* mondayGame = chooser.findChild<QRadioButton*>("OpGame15");
    auto* mondayLabel = chooser.findChild<QLabel*>("lblMonday");
    ASSERT_TRUE(mondayGame && mondayLabel);
    EXPECT_TRUE(mondayLabel->isVisibleTo(&chooser));
    EXPECT_NEAR(mondayLabel->geometry().center().y(), mondayGame->geometry().center().y(), 4);
}

TEST(TodayLeagueWindows, TeamResultsChoosesAmongThirtyTwoTeams) {
    Window2024 f;
    f.state.ResultsTeam = LeagueToday().TeamFromId("WAS") - 1;
    frmTResults window(f.ctx);
    window.show();
    auto* combo = window.findChild<QComboBox*>("Combo1");
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->count(), 32);
    EXPECT_EQ(combo->currentText(), "Washington");
    auto* list = window.findChild<QListWidget*>("lstTResults");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), 23);
}

}  // namespace
}  // namespace gm::ui
