// The league, conference, favourite/underdog, who's-hot and points windows,
// driven through their named controls on the four-week fixture season.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/nfl/fixtures/NflFixture.h"
#include "ui/nfl/TeamEmblem.h"
#include "ui/nfl/frmConference.h"
#include "ui/nfl/frmFavUnd.h"
#include "ui/nfl/frmLeague.h"
#include "ui/nfl/frmPFPA.h"
#include "ui/nfl/frmWhosHot.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

std::string Golden(const std::string& name) {
    return test::ReadFile(std::filesystem::path(GRIDMOOT_FIXTURES) / "core/nfl/golden" / name);
}

struct WindowFixture {
    explicit WindowFixture(int week = 4) : state(test::NflFixtureState(dir.path(), week)) {
        std::filesystem::create_directory(dir / "TxtFiles");
        std::filesystem::create_directory(dir / "Webpages");
        ctx.Windows = &registry;
        // The team results window stands in as a recorder.
        registry.Add(Display::TeamResults, [this](UiContext& c, QWidget*) { opened.push_back(c.State.ResultsTeam); });
    }
    test::TempDir dir;
    AppState state;
    ScriptedPrompter prompts;
    WindowRegistry registry;
    UiContext ctx{state, prompts};
    std::vector<int> opened;
};

std::vector<std::string> Lines(QWidget& window, const char* list) {
    std::vector<std::string> lines;
    auto* l = window.findChild<QListWidget*>(list);
    for (int i = 0; i < l->count(); ++i) lines.push_back(l->item(i)->text().toStdString());
    return lines;
}

QString Text(QWidget& window, const char* label) { return window.findChild<QLabel*>(label)->text(); }

// Answers the "Send Output To" dialog once it is up.
void ChooseOutput(const char* option) {
    QTimer::singleShot(0, [option] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no dialog to answer";
        if (dialog->objectName() != "frmPNFLResults") {
            dialog->reject();
            return ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
        }
        dialog->findChild<QRadioButton*>(option)->click();
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
}

void Print(QWidget& window, const char* option) {
    ChooseOutput(option);
    window.findChild<QPushButton*>("cmdPrint")->click();
}

// ---- Every window writes the display's files ----------------------------------

struct WindowCase {
    const char* form;
    int week;
    std::function<std::unique_ptr<QDialog>(UiContext&)> make;
    const char* textFile;
    const char* webFile;
};

const WindowCase kWindows[] = {
    {"frmLeague", 4, [](UiContext& c) { return std::make_unique<frmLeague>(c); }, "League4.txt", "league.htm"},
    {"frmConference", 4, [](UiContext& c) { return std::make_unique<frmConference>(c); }, "Conf4.txt", "nflconf.htm"},
    {"frmFavUnd", 4, [](UiContext& c) { return std::make_unique<frmFavUnd>(c); }, "FavUnd4.txt", "favund.htm"},
    {"frmWhosHot", 2, [](UiContext& c) { return std::make_unique<frmWhosHot>(c); }, "WhosHot.txt", "whoshot.htm"},
    {"frmPFPA", 4, [](UiContext& c) { return std::make_unique<frmPFPA>(c); }, "Points.txt", "points.htm"},
};

TEST(NflStandingsWindows, PrintWritesTheTextFileAndWebPage) {
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(c.form);
        WindowFixture f(c.week);
        const auto window = c.make(f.ctx);
        EXPECT_EQ(window->objectName(), c.form);
        Print(*window, "OpText");
        EXPECT_EQ(test::ReadFile(f.dir / "TxtFiles" / c.textFile), Golden(c.textFile));
        Print(*window, "OpWeb");
        EXPECT_EQ(test::ReadFile(f.dir / "Webpages" / c.webFile), Golden(c.webFile));
        ASSERT_EQ(f.prompts.Asked().size(), 2u);
        EXPECT_EQ(f.prompts.Asked()[0].Text.toStdString(), std::string("A text file named ") + c.textFile + " was created.");
    }
}

// ---- League -------------------------------------------------------------------

TEST(frmLeague, OpensOverallAndFollowsItsControls) {
    WindowFixture f;
    frmLeague window(f.ctx);
    EXPECT_EQ(window.windowTitle(), "NFL League Standings");
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpOverall")->isChecked());
    EXPECT_FALSE(window.findChild<QCheckBox*>("ckLast3")->isChecked());
    EXPECT_FALSE(window.findChild<QCheckBox*>("ckPSpread")->isChecked());
    EXPECT_EQ(Text(window, "lblWeek"), "4");
    for (int list = 0; list < 6; ++list) {
        const std::string name = "lstTeam" + std::to_string(list);
        EXPECT_EQ(Lines(window, name.c_str()), window.Model().ListLines(list));
        EXPECT_EQ(window.findChild<QGroupBox*>(QString("frTeam%1").arg(list))->title().toStdString(),
                  window.Model().FrameCaption(list));
    }
    EXPECT_EQ(Lines(window, "lstTeam0")[0], "Arizona         1  0  0   21   14    ");

    window.findChild<QRadioButton*>("OpRoad")->click();
    EXPECT_EQ(window.Model().Scope(), Venue::Road);
    EXPECT_EQ(Lines(window, "lstTeam0").back(), "NY Giants       0  2  0   41   48    ");
    window.findChild<QCheckBox*>("ckPSpread")->click();
    EXPECT_EQ(Lines(window, "lstTeam0").back().substr(26), "**   **    ");

    emit window.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(Text(window, "lblWeek"), " 3");
    EXPECT_EQ(f.state.CurrentWeek, 3);
    Print(window, "OpText");
    EXPECT_TRUE(std::filesystem::exists(f.dir / "TxtFiles" / "League 3.txt"));

    window.findChild<QPushButton*>("cmdHint")->click();
    ASSERT_FALSE(f.prompts.Asked().empty());
    EXPECT_EQ(f.prompts.Asked().back().Title, "Viewing Team Results");
    EXPECT_EQ(f.prompts.Asked().back().Text,
              "By double-clicking on a team, you will be able to view their season history.");
    EXPECT_EQ(f.prompts.Asked().back().Icon, PromptIcon::Information);
}

TEST(NflStandingsWindows, WeekSpinsBeepAtTheirLimitsAndNothingChanges) {
    WindowFixture f(1);
    frmLeague league(f.ctx);
    emit league.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(Text(league, "lblWeek"), "1");
    EXPECT_EQ(f.state.CurrentWeek, 1);

    f.state.CurrentWeek = 21;
    frmWhosHot hot(f.ctx);
    emit hot.findChild<SpinButton*>("SpinButton2")->SpinUp();
    EXPECT_EQ(Text(hot, "lblEndWeek"), "21");
    emit hot.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(Text(hot, "lblStWeek"), " 20");
    EXPECT_EQ(f.state.CurrentWeek, 21) << "who's hot leaves the program's week alone";

    frmPFPA points(f.ctx);
    emit points.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(Text(points, "lblStart"), "1");
    emit points.findChild<SpinButton*>("SpinButton2")->SpinDown();
    EXPECT_EQ(Text(points, "lblEnd"), " 20");
    EXPECT_EQ(f.state.CurrentWeek, 20) << "the end week is the program's week";
}

// ---- Double-click to the team results ------------------------------------------

TEST(NflStandingsWindows, DoubleClickOrEnterOpensTheTeamResults) {
    WindowFixture f;
    frmConference conf(f.ctx);
    conf.findChild<QRadioButton*>("OpAFC")->click();
    auto* west = conf.findChild<QListWidget*>("lstTeam2");
    ASSERT_EQ(west->item(0)->text().left(6), "Denver");
    emit west->itemDoubleClicked(west->item(0));
    west->setCurrentRow(4);
    QTest::keyClick(west, Qt::Key_Return);
    EXPECT_EQ(f.opened, (std::vector<int>{8, 14}));  // Denver, then Kansas City

    frmPFPA points(f.ctx);
    auto* top = points.findChild<QListWidget*>("lstTop15");
    emit top->itemDoubleClicked(top->item(1));
    EXPECT_EQ(f.opened.back(), 7);  // Dallas, second by points per game

    frmLeague league(f.ctx);
    auto* east = league.findChild<QListWidget*>("lstTeam0");
    emit east->itemDoubleClicked(east->item(4));
    EXPECT_EQ(f.opened.back(), 19);  // the Giants, last in their division
    EXPECT_EQ(f.state.ResultsTeam, 19);
}

// ---- Conference-style windows ----------------------------------------------------

TEST(frmConference, ConferenceChoiceChangesFramesColoursAndEmblem) {
    WindowFixture f;
    frmConference window(f.ctx);
    window.show();
    auto* frame = window.findChild<QGroupBox*>("frTeam0");
    EXPECT_EQ(frame->title(), "NFC Eastern     W  L  T   PF   PA     Division   Conference  vs. AFC ");
    EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(window.findChild<TeamEmblem*>("picNFC")->isVisible());
    EXPECT_FALSE(window.findChild<TeamEmblem*>("picAFC")->isVisible());
    EXPECT_EQ(window.findChild<QListWidget*>("lstTeam0")->count(), 5);
    EXPECT_EQ(window.findChildren<QListWidget*>().size(), 3);

    window.findChild<QRadioButton*>("OpAFC")->click();
    EXPECT_EQ(frame->title(), "AFC Eastern     W  L  T   PF   PA     Division   Conference  vs. NFC ");
    EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(window.findChild<TeamEmblem*>("picNFC")->isVisible());
    EXPECT_TRUE(window.findChild<TeamEmblem*>("picAFC")->isVisible());
    EXPECT_EQ(Lines(window, "lstTeam0")[0].substr(0, 5), "Miami");

    window.findChild<QCheckBox*>("ckLast3")->click();
    EXPECT_TRUE(window.Model().Last3());
    window.findChild<QPushButton*>("cmdHint")->click();
    EXPECT_EQ(f.prompts.Asked().back().Title, "Viewing Team Results");
}

TEST(frmFavUnd, RoleConferenceAndScope) {
    WindowFixture f;
    frmFavUnd window(f.ctx);
    EXPECT_EQ(window.windowTitle(), " NFL  Favorite/Underdog  Standings");
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpFav")->isChecked());
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpNFC")->isChecked());
    EXPECT_TRUE(window.findChild<QRadioButton*>("OpOverall")->isChecked());
    EXPECT_EQ(Lines(window, "lstTeam0")[0], "Dallas          1  1  1   **   **      1  1  1     1  1  1    0  0  0");

    window.findChild<QRadioButton*>("OpUnd")->click();
    window.findChild<QRadioButton*>("OpAFC")->click();
    window.findChild<QRadioButton*>("OpHome")->click();
    EXPECT_EQ(window.Model().ShownRole(), Role::Underdog);
    EXPECT_EQ(window.Model().Scope(), Venue::Home);
    // Home underdogs of the AFC East: Buffalo failed to cover, Miami covered.
    EXPECT_EQ(Lines(window, "lstTeam0")[0], "Miami           1  0  0   **   **      0  0  0     0  0  0    1  0  0");
    emit window.findChild<SpinButton*>("SpinButton1")->SpinDown();
    EXPECT_EQ(f.state.CurrentWeek, 3);
    EXPECT_EQ(Text(window, "lblWeek"), " 3");
}

TEST(frmWhosHot, OpensOnTheCurrentWeekAndHelps) {
    WindowFixture f(3);
    frmWhosHot window(f.ctx);
    EXPECT_EQ(Text(window, "lblStWeek"), "3");
    EXPECT_EQ(Text(window, "lblEndWeek"), "3");
    EXPECT_FALSE(window.findChild<QCheckBox*>("ckPSpread")->isChecked());
    EXPECT_EQ(Lines(window, "lstTeam0")[0], "Dallas          1  0  0   35    7      1  0  0     1  0  0    0  0  0");
    window.findChild<QPushButton*>("cmdHelp")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Who's Hot, Who's Not");
    EXPECT_EQ(f.prompts.Asked()[0].Text,
              "By moving the start week button down\r\nyou will be able to view how teams\r\nhave done in recent weeks.");
}

// ---- Points for / against -----------------------------------------------------------

TEST(frmPFPA, ListsOptionsAndTheEmblemTimer) {
    WindowFixture f;
    frmPFPA window(f.ctx);
    EXPECT_EQ(window.findChild<QGroupBox*>("frTop15")->title(), "Rank Team           Pts    Gms ");
    EXPECT_EQ(Lines(window, "lstTop15").size(), 15u);
    EXPECT_EQ(Lines(window, "lstBot15").size(), 15u);
    EXPECT_EQ(Lines(window, "lstTop15")[0], "  1 Denver         25.7     3");
    EXPECT_EQ(Text(window, "lblStart"), "1");
    EXPECT_EQ(Text(window, "lblEnd"), "4");

    window.findChild<QCheckBox*>("ckTP")->click();
    window.findChild<QCheckBox*>("ckPA")->click();
    EXPECT_EQ(Lines(window, "lstTop15")[0], "  1 Arizona         14      1");
    window.findChild<QCheckBox*>("ckSBC")->click();
    EXPECT_EQ(Lines(window, "lstBot15")[0].substr(4, 11), "Kansas City");

    // The emblems take turns, wrapping after the 30th; closing stops them.
    auto* timer = window.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    auto* emblem = window.findChild<TeamEmblem*>("Image1");
    EXPECT_EQ(emblem->Text(), "Ari");
    window.NextEmblem();
    EXPECT_EQ(emblem->Text(), "Atl");
    for (int i = 0; i < 29; ++i) window.NextEmblem();
    EXPECT_EQ(window.ShownEmblem(), 0);
    window.reject();
    EXPECT_FALSE(timer->isActive());
}

// The two lists fill their frames beside the taller column of choices, and
// their fifteen lines fill the lists, at the opening size and a taller one.
TEST(frmPFPA, ListsFillTheirFrames) {
    WindowFixture f;
    frmPFPA window(f.ctx);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const int taller : {0, 200}) {
        window.resize(window.width(), window.sizeHint().height() + taller);
        QTest::qWait(50);
        for (const char* name : {"lstTop15", "lstBot15"}) {
            SCOPED_TRACE(std::string(name) + " in a window taller by " + std::to_string(taller));
            auto* list = window.findChild<QListWidget*>(name);
            auto* frame = qobject_cast<QWidget*>(list->parent());
            const int caption = frame->contentsRect().top();
            EXPECT_LT(frame->height() - caption - list->height(), 40);  // no empty band above or below
            const int row = list->visualItemRect(list->item(0)).height();
            EXPECT_GE(list->visualItemRect(list->item(14)).bottom(), list->viewport()->height() - row);
            EXPECT_LT(list->visualItemRect(list->item(14)).bottom(), list->viewport()->height() + 1);
        }
    }
}

}  // namespace
}  // namespace gm::ui

namespace gm::ui {
namespace {

// Writes pictures of the five windows on the real 1997 season for a person to
// look at; runs only when GRIDMOOT_SCREENSHOTS names a folder.
TEST(NflStandingsScreenshots, OnTheRealSeason) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    QDir().mkpath(folder);
    WindowFixture f(17);
    f.state.Games = test::RealSeason1997();
    for (const WindowCase& c : kWindows) {
        const auto window = c.make(f.ctx);
        window->show();
        EXPECT_TRUE(window->grab().save(folder + "/" + c.form + ".png"));
    }
}

}  // namespace
}  // namespace gm::ui
