#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/nfl/fixtures/NflFixture.h"
#include "support/ui/PdfPrinter.h"
#include "support/PdfText.h"
#include "ui/display/ChartView.h"
#include "ui/display/ElectronicSign.h"
#include "ui/nfl/frmAnalyze.h"
#include "ui/nfl/frmGraph.h"
#include "ui/nfl/frmMatchup.h"
#include "ui/nfl/frmNFLDisp.h"
#include "ui/nfl/frmTResults.h"
#include "ui/nfl/frmThisWeek.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct WindowFixture {
    explicit WindowFixture(int week = 4) : state(test::NflFixtureState(dir.path(), week)) {
        std::filesystem::create_directory(dir.path() / "TxtFiles");
        std::filesystem::create_directory(dir.path() / "Webpages");
        ctx.Windows = &windows;
    }
    test::TempDir dir;
    AppState state;
    ScriptedPrompter prompts;
    WindowRegistry windows;
    UiContext ctx{state, prompts};
};

template <typename T>
T* Child(QWidget& w, const char* name) {
    auto* c = w.findChild<T*>(name);
    if (!c) ADD_FAILURE() << "no control " << name;
    return c;
}

using test::PdfText;

// Presses a team button of the matchup window and reads the team the real
// team results window opens on ("" when none opens).
std::string TeamOpenedBy(QPushButton* button) {
    auto shown = std::make_shared<std::string>();
    QTimer::singleShot(0, [shown] {
        auto* results = qobject_cast<frmTResults*>(QApplication::activeModalWidget());
        if (!results) return;
        *shown = results->findChild<QComboBox*>("Combo1")->currentText().toStdString();
        results->reject();
    });
    button->click();
    QCoreApplication::processEvents();  // the check above runs even when nothing opened
    return *shown;
}

// Opens the matchup of the chooser's game `caption` and runs `step` on it.
void OnMatchup(frmThisWeek& chooser, const QString& caption, const std::function<void(frmMatchup&)>& step) {
    const auto options = chooser.Model().Options();
    const auto it = std::find_if(options.begin(), options.end(),
                                 [&](const auto& o) { return QString::fromStdString(o.Caption) == caption; });
    ASSERT_NE(it, options.end()) << caption.toStdString();
    chooser.findChild<QRadioButton*>(QString("OpGame%1").arg(it->Slot))->click();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<frmMatchup*>(QApplication::activeModalWidget());
        if (!window) return;
        ran = true;
        step(*window);
        window->accept();
    });
    chooser.findChild<QPushButton*>("cmdView")->click();
    EXPECT_TRUE(ran) << "no matchup window for " << caption.toStdString();
}

// The chooser lists the week's games; View without a choice says so; with a
// choice the matchup window shows the 19 lines and its team buttons open the
// team results on that team, which the matchup window clears on closing.
TEST(frmThisWeek, ChooseAGameAndViewItsMatchup) {
    WindowFixture f;
    RegisterNflWindows(f.windows);
    frmThisWeek chooser(f.ctx);
    EXPECT_EQ(Child<QLabel>(chooser, "lblWeek")->text(), "4");
    EXPECT_EQ(Child<QRadioButton>(chooser, "OpGame1")->text(), "Dallas at Washington");
    EXPECT_TRUE(Child<QRadioButton>(chooser, "OpGame1")->isVisibleTo(&chooser));
    EXPECT_FALSE(Child<QRadioButton>(chooser, "OpGame2")->isVisibleTo(&chooser));
    EXPECT_FALSE(Child<QLabel>(chooser, "lblMonday")->isVisibleTo(&chooser));

    Child<QPushButton>(chooser, "cmdView")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "The GRIDMOOT");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "You first need to select a game matchup.");

    OnMatchup(chooser, "Dallas at Washington", [&](frmMatchup& window) {
        auto* list = Child<QListWidget>(window, "List1");
        EXPECT_EQ(list->count(), 19);
        EXPECT_EQ(list->item(1)->text(), "   Season Record    2  1  0   73   48        0  1  1   20   48");
        EXPECT_EQ(TeamOpenedBy(Child<QPushButton>(window, "cmdHome")), "Washington");  // the last team number
        EXPECT_EQ(TeamOpenedBy(Child<QPushButton>(window, "cmdAway")), "Dallas");
    });
    EXPECT_EQ(f.state.ResultsTeam, 0);

    // The week spin forgets the choice and lists the new week.
    emit Child<SpinButton>(chooser, "SpinButton1")->SpinDown();
    EXPECT_EQ(Child<QLabel>(chooser, "lblWeek")->text(), " 3");
    EXPECT_EQ(f.state.CurrentWeek, 3);
    EXPECT_EQ(chooser.Model().Selected(), -1);
    EXPECT_FALSE(Child<QRadioButton>(chooser, "OpGame1")->isChecked());
    EXPECT_EQ(Child<QRadioButton>(chooser, "OpGame1")->text(), "NY Giants at Miami");
}

// On the real 1997 season each button opens its own team: the team results
// window counts teams from 0, the matchup from 1.
TEST(frmMatchup, TeamButtonsOpenThatTeamsResultsOnTheRealSeason) {
    struct Case {
        int week;
        const char* game;
        const char* away;
        const char* home;
    };
    for (const Case& c : {Case{12, "Philadelphia at Baltimore", "Philadelphia", "Baltimore"},
                          Case{13, "NY Giants at Washington", "NY Giants", "Washington"}}) {
        SCOPED_TRACE(c.game);
        WindowFixture f(c.week);
        f.state.Games = test::RealSeason1997();
        RegisterNflWindows(f.windows);
        frmThisWeek chooser(f.ctx);
        OnMatchup(chooser, c.game, [&](frmMatchup& window) {
            EXPECT_EQ(TeamOpenedBy(Child<QPushButton>(window, "cmdAway")), c.away);
            EXPECT_EQ(TeamOpenedBy(Child<QPushButton>(window, "cmdHome")), c.home);
        });
    }
}

TEST(frmAnalyze, OptionsRebuildTheListAndChangeBoxesRefuseBadInput) {
    WindowFixture f;
    frmAnalyze window(f.ctx);
    auto* list = Child<QListWidget>(window, "lstTeam");
    EXPECT_EQ(list->count(), 14);
    EXPECT_EQ(Child<QLabel>(window, "lblStWeek")->text(), "1");
    EXPECT_EQ(Child<QLabel>(window, "lblEndWeek")->text(), "4");

    Child<QRadioButton>(window, "OpFu1")->click();
    EXPECT_EQ(list->item(0)->text(), "NFC              3   2 0  60.0   125   75   45.0  +15.0");
    Child<QPushButton>(window, "cmdExpand")->click();
    EXPECT_EQ(list->count(), 44);
    EXPECT_EQ(Child<QPushButton>(window, "cmdExpand")->text(), "&Shrink");

    // Bad change text: the message, and the value kept is the last good one.
    for (const char* bad : {"+", "5-", "", "101"}) {
        f.prompts.Clear();
        auto* box = Child<QLineEdit>(window, "txtChange0");
        box->setText(bad);
        emit box->editingFinished();
        ASSERT_EQ(f.prompts.Asked().size(), 1u) << bad;
        EXPECT_EQ(f.prompts.Asked()[0].Title, "Incorrect Inputs");
        EXPECT_EQ(f.prompts.Asked()[0].Text, "Valid inputs are between -100 and 100");
    }
    f.prompts.Clear();
    Child<QLineEdit>(window, "txtChange0")->setText("-10");
    emit Child<QLineEdit>(window, "txtChange0")->editingFinished();
    Child<QLineEdit>(window, "txtChange1")->setText("+10");
    emit Child<QLineEdit>(window, "txtChange1")->editingFinished();
    EXPECT_TRUE(f.prompts.Asked().empty());
    Child<QCheckBox>(window, "ckPSpread")->click();  // the next rebuild takes the range
    auto* hits = Child<QComboBox>(window, "Combo1");
    EXPECT_GT(hits->count(), 1);
    EXPECT_EQ(hits->itemText(hits->count() - 1), QString::number(hits->count() - 1));

    // The sign's week moves on its own; the tables stay.
    const QString sign = window.Sign()->Text();
    emit Child<SpinButton>(window, "MSpin")->SpinDown();
    EXPECT_EQ(Child<QLabel>(window, "lblMWeek")->text(), " 3");
    EXPECT_NE(window.Sign()->Text(), sign);
    EXPECT_EQ(f.state.CurrentWeek, 4);

    Child<QPushButton>(window, "cmdMarquee")->click();
    EXPECT_FALSE(Child<QWidget>(window, "picDisplay")->isVisibleTo(&window));
    EXPECT_EQ(Child<QPushButton>(window, "cmdMarquee")->text(), "Show &Marquee");
}

// The marquee driven by the sign's finished signal.
TEST(frmNFLDisp, SignCycleAndLabels) {
    WindowFixture f(2);
    frmNFLDisp window(f.ctx);
    ElectronicSign* sign = window.Sign();
    ASSERT_TRUE(sign);
    EXPECT_FALSE(Child<QLabel>(window, "lblFav")->isVisibleTo(&window));
    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "NY Giants 31 Washington 3");
    EXPECT_EQ(sign->Rate(), 18);
    EXPECT_EQ(Child<QLabel>(window, "lblFav")->text(), "NY Giants");
    EXPECT_EQ(Child<QLabel>(window, "lblSpread")->text(), "7");
    emit sign->finished(sign);  // the pause: dark, not the game again
    EXPECT_EQ(sign->Mode(), 0);
    EXPECT_EQ(sign->Rate(), 28);
    EXPECT_TRUE(sign->Pausing());
    EXPECT_FALSE(sign->LampLit(4, 0));

    Child<QPushButton>(window, "cmdShow")->click();
    EXPECT_TRUE(Child<QLabel>(window, "lblFav")->isVisibleTo(&window));
    EXPECT_EQ(Child<QPushButton>(window, "cmdShow")->text(), "&Hide Spread");

    // An empty week says so once, then shows the blank pause.
    for (int i = 0; i < 8; ++i) emit Child<SpinButton>(window, "SpinButton1")->SpinUp();
    EXPECT_EQ(f.state.CurrentWeek, 10);
    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "NO GAMES SCHEDULED FOR THIS WEEK");
    for (int turn = 0; turn < 2; ++turn) {
        emit sign->finished(sign);
        EXPECT_TRUE(sign->Pausing());
        emit sign->finished(sign);
        EXPECT_EQ(sign->Text(), "  ");
        EXPECT_EQ(Child<QLabel>(window, "lblFav")->text(), "");
    }
}

TEST(frmGraph, TotalsFollowTheOptionsAndTheChartPrintsAndSaves) {
    WindowFixture f;
    frmGraph window(f.ctx);
    EXPECT_EQ(Child<QLineEdit>(window, "TxtWins")->text(), "8");
    EXPECT_EQ(Child<QLineEdit>(window, "TxtLosses")->text(), "8");
    Child<QRadioButton>(window, "OpMethod0")->click();
    Child<QRadioButton>(window, "OpLoc0")->click();
    EXPECT_EQ(Child<QLineEdit>(window, "TxtWins")->text(), "2");
    EXPECT_EQ(Child<QLineEdit>(window, "TxtLosses")->text(), "1");
    Child<QRadioButton>(window, "OpType1")->click();
    EXPECT_TRUE(window.Model().Line());

    Child<QPushButton>(window, "cmdHint")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Reading Graphs");

    // Printed to PDF through the printer of Printer Setup: the model's chart
    // on paper, the one `report graph` prints, with its caption and totals.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const test::PdfPrinter printer(f.ctx, f.dir.path() / "graph.pdf");
    Child<QPushButton>(window, "cmdPrint")->click();
    ASSERT_TRUE(std::filesystem::exists(printer.File()));
    const std::string text = printer.Text();
    EXPECT_NE(text.find("1997 NFL League Data"), std::string::npos) << text;
    if (!text.empty()) {
        EXPECT_NE(text.find("Total Wins 2"), std::string::npos) << text;
        EXPECT_NE(text.find("Total Losses 1"), std::string::npos) << text;
    }
    EXPECT_EQ(f.prompts.Asked().size(), 1u);  // the hint only: the printout went through

    // The picture: confirmed only once written.
    f.prompts.Clear();
    Child<QPushButton>(window, "cmdBMP")->click();
    const auto picture = f.dir.path() / "Webpages" / "1997NFLGraph.bmp";
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Windows Bitmap");
    EXPECT_TRUE(std::filesystem::exists(picture));
    EXPECT_GT(std::filesystem::file_size(picture), 1000u);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.startsWith("A Windows Bitmap file named 1997NFLGraph.bmp"));

    // A folder that cannot be written: a failure, no confirmation.
    f.prompts.Clear();
    std::filesystem::remove(picture);
    std::filesystem::create_directory(picture);  // a folder where the picture should go
    Child<QPushButton>(window, "cmdBMP")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Exclamation);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.contains("1997NFLGraph.bmp"));
    EXPECT_TRUE(std::filesystem::is_directory(picture));
}

// Pictures of the windows on the real 1997 season, to look at as a user would.
TEST(Screenshots, MatchupGraphMarqueeAndAnalyzer) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    WindowFixture f(9);
    f.state.Games = test::RealSeason1997();
    frmThisWeek chooser(f.ctx);
    chooser.show();
    EXPECT_TRUE(chooser.grab().save(folder + "/thisweek.png"));
    const auto slot = chooser.Model().Options().front().Slot;
    chooser.findChild<QRadioButton*>(QString("OpGame%1").arg(slot))->click();
    QTimer::singleShot(0, [&] {
        auto* window = QApplication::activeModalWidget();
        EXPECT_TRUE(window->grab().save(folder + "/matchup.png"));
        window->close();
    });
    chooser.findChild<QPushButton*>("cmdView")->click();

    frmGraph graph(f.ctx);
    graph.show();
    QTest::qWait(200);
    EXPECT_TRUE(graph.grab().save(folder + "/graph-bar.png"));
    graph.findChild<QRadioButton*>("OpMethod0")->click();
    graph.findChild<QRadioButton*>("OpType1")->click();
    QTest::qWait(200);
    EXPECT_TRUE(graph.grab().save(folder + "/graph-line.png"));

    frmNFLDisp marquee(f.ctx);
    marquee.show();
    emit marquee.Sign()->finished(marquee.Sign());
    marquee.findChild<QPushButton*>("cmdShow")->click();
    for (int i = 0; i < 60; ++i) marquee.Sign()->Advance();
    EXPECT_TRUE(marquee.grab().save(folder + "/marquee.png"));

    frmAnalyze analyzer(f.ctx);
    analyzer.show();
    analyzer.findChild<QRadioButton*>("OpFu1")->click();
    analyzer.findChild<QPushButton*>("cmdExpand")->click();
    for (int i = 0; i < 80; ++i) analyzer.Sign()->Advance();
    EXPECT_TRUE(analyzer.grab().save(folder + "/analyzer.png"));
}

}  // namespace
}  // namespace gm::ui
