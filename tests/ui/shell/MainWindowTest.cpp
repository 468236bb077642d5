#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>

#include "Fixture.h"
#include "core/data/Settings.h"
#include "ui/display/ElectronicSign.h"
#include "ui/shell/frmBgColor.h"
#include "ui/shell/MainWindow.h"

namespace gm::ui {
namespace {

QString Caption(const frmMain& w, const QString& item) {
    const QAction* a = w.Item(item);
    return a ? a->text() : QString("<missing %1>").arg(item);
}

TEST(MainWindow, MenusCarryTheirCaptionsAndFollowTheRegistry) {
    test::ShellFixture f;
    f.Stand(Display::PoolStandings);
    f.Stand(Display::NflSchedule);
    frmMain w(*f.ctx);

    QStringList menus;
    for (QAction* a : w.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Season", "&Edits", "&NFL Displays", "&Pool Displays", "&Options", "&Tools",
                                  "&Reports", "&Help"}));

    const std::pair<const char*, const char*> items[] = {
        {"SeasonItem0", "NFL 199&5"},         {"SeasonItem2", "NFL Current"},
        {"EditItem2", "N&FL Point Spreads"},  {"EditItem6", "Pool &Selections"},
        {"NFLITEM9", "&Points For/ Points Against"}, {"NFLITEM14", "The NFL &Analyzer"},
        {"PoolItem0", "Player Matri&x"},      {"PoolItem12", "The Pool E&xperts"},
        {"PoolItem15", "&Digital Pool"},      {"DigitItem1", "&Open Digital Pool"},
        {"OptionItem2", "Printer &Setup"},    {"ToolItem1", "Clip&board"},
        {"ReportItem0", "&Pick Sheets"},      {"PiksheetItem3", "T&opTen"},
        {"ReportItem4", "&Sport Box "},       {"HelpItem3", "&About"},
        {"HelpItem10", "&Quick Tour"},        {"HelpItem12", "&Exit"},
    };
    for (const auto& [name, caption] : items) EXPECT_EQ(Caption(w, name), caption) << name;
    for (const char* sep : {"EditItem4", "NFLITEM2", "NFLITEM13", "PoolItem1", "PoolItem7", "PoolItem13",
                            "OptionItem5", "ReportItem5", "HelpItem9", "HelpItem11"}) {
        ASSERT_NE(w.Item(sep), nullptr) << sep;
        EXPECT_TRUE(w.Item(sep)->isSeparator()) << sep;
    }

    // Registered windows are enabled; the rest wait for theirs.
    EXPECT_TRUE(w.Item("PoolItem2")->isEnabled());
    EXPECT_TRUE(w.Item("EditItem1")->isEnabled());
    EXPECT_FALSE(w.Item("PoolItem0")->isEnabled());
    EXPECT_FALSE(w.Item("PoolItem15")->isEnabled());
    EXPECT_FALSE(w.Item("ReportItem0")->isEnabled());
    EXPECT_TRUE(w.Item("OptionItem2")->isEnabled());

    w.Item("PoolItem2")->trigger();
    EXPECT_EQ(f.opened["frmPoolStn"], 1);
}

TEST(MainWindow, StartsWithTheBannerAndTheSchemeTitles) {
    test::ShellFixture f;
    f.state->ColorScheme = 2;
    frmMain w(*f.ctx);
    ASSERT_NE(w.Sign(), nullptr);
    EXPECT_EQ(w.Sign()->Text(), "Lumex Electronic Message");
    EXPECT_EQ(w.Sign()->LampColor(), QColor(255, 255, 0));
    EXPECT_EQ(w.Sign()->Rate(), 3);
    EXPECT_TRUE(w.Sign()->Scrolling());
    const auto* top = w.findChild<QLabel*>("Label11");
    const auto* shadow = w.findChild<QLabel*>("Label10");
    ASSERT_TRUE(top && shadow);
    EXPECT_EQ(top->text(), "The  1997  Office  Football  Pool");
    EXPECT_EQ(top->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(shadow->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w.findChild<QLabel*>("Label21")->text(), "The Gridmoot Edition");
    ASSERT_NE(f.ctx->Printer, nullptr);
    EXPECT_GE(f.ctx->Printer->resolution(), 600);  // fine enough for twips

    // The painted background: scheme 2 fades from black at the top to blue.
    w.resize(640, 480);
    const QImage image = w.Backdrop()->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, image.height() - 1), QColor(0, 0, 255));
}

// A scheme clicked in the colour dialog shows when it closes, saved or not;
// only Save writes it.
TEST(MainWindow, AClickedSchemeShowsAfterCancel) {
    test::ShellFixture f;
    frmMain w(*f.ctx);
    w.resize(640, 480);
    w.show();
    QApplication::processEvents();
    int paints = 0;
    struct Counter : QObject {
        int* n;
        explicit Counter(int* count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*n;
            return false;
        }
    } counter(&paints);
    w.Backdrop()->installEventFilter(&counter);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmBgColor*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton*>("OpColor8")->click();
        dialog->findChild<QPushButton*>("cmdCancel")->click();
    });
    w.OpenBackgroundColors();
    paints = 0;
    QApplication::processEvents();
    EXPECT_EQ(f.state->ColorScheme, 9);
    EXPECT_GT(paints, 0);
    EXPECT_EQ(f.Settings().find("[Colors]"), std::string::npos);
}

TEST(MainWindow, SeasonSwitchChangesTeamsAndTheSpreadItem) {
    test::ShellFixture f;
    f.Stand(Display::PointSpreads);
    ASSERT_TRUE(gm::WriteSetting(f.state->Settings, {"Team Location", "3", "", 16}, "Charm City").ok());
    gm::LoadTeamTables(*f.state);
    frmMain w(*f.ctx);
    ASSERT_TRUE(w.Item("EditItem2")->isEnabled());

    w.Item("SeasonItem0")->trigger();
    EXPECT_EQ(f.state->Teams.TeamCity[3], "Cleveland");
    EXPECT_EQ(f.state->Teams.TeamName[12], "Oilers");
    EXPECT_FALSE(f.state->CurrentSeasonOpen);
    EXPECT_FALSE(w.Item("EditItem2")->isEnabled());
    ASSERT_FALSE(f.prompts.Asked().empty());
    EXPECT_EQ(f.prompts.Asked().back().Title, "View Previous NFL Season");
    EXPECT_EQ(f.prompts.Asked().back().Text, "The 1995 NFL Season is now available for viewing.");

    w.Item("SeasonItem1")->trigger();
    EXPECT_EQ(f.state->Teams.TeamCity[3], "Baltimore");
    EXPECT_EQ(f.prompts.Asked().back().Text, "The 1996 NFL Season is now opened.");

    w.Item("SeasonItem2")->trigger();
    EXPECT_EQ(f.state->Teams.TeamCity[3], "Charm City");
    EXPECT_EQ(f.state->Teams.TeamCity[12], "Tennessee");
    EXPECT_TRUE(w.Item("EditItem2")->isEnabled());
    EXPECT_EQ(f.prompts.Asked().back().Title, "Open 1997 NFL Season");
    EXPECT_EQ(f.prompts.Asked().back().Icon, PromptIcon::Information);
}

TEST(MainWindow, RefusalsComeBeforeTheWindow) {
    test::ShellFixture f;
    f.Stand(Display::Selections);
    f.Stand(Display::PoolExperts);
    frmMain w(*f.ctx);

    w.Item("EditItem6")->trigger();
    EXPECT_EQ(f.opened["frmPicks"], 0);
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Insufficient # of Players");
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Exclamation);

    f.state->MemberCount = 1;
    f.state->CurrentWeek = 3;
    w.Item("PoolItem12")->trigger();
    EXPECT_EQ(f.opened["frmExpert"], 0);
    EXPECT_EQ(f.prompts.Asked().back().Title, "Insufficient Data");

    w.Item("EditItem6")->trigger();
    EXPECT_EQ(f.opened["frmPicks"], 1);
    f.state->CurrentWeek = 4;
    w.Item("PoolItem12")->trigger();
    EXPECT_EQ(f.opened["frmExpert"], 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the hourglass is gone once the window is done
}

// The tour opens its windows through the menu's own door: in order, each after
// its box, with the menu's refusals (no members: no selections, graphs or
// StatPak), and Cancel in any box ends it.
TEST(MainWindow, QuickTourVisitsTheWindowsInOrderWithTheMenusRefusals) {
    const std::vector<std::string> order{"frmPlayer", "frmOptions", "frmSpreads", "frmCompact", "frmPicks",
                                         "frmPMatrix", "frmOffBar", "frmScores", "frmPoolStn", "frmPGraph",
                                         "frmStats", "frmNFLDisp"};
    test::ShellFixture f;
    std::vector<std::string> visits;
    for (const auto& form : order)
        for (const DisplayRow& row : AllDisplays())
            if (row.Window == form)
                f.windows.Add(row.Id, [&visits, form](UiContext&, QWidget*) { visits.push_back(form); });
    frmMain w(*f.ctx);
    ASSERT_EQ(f.state->MemberCount, 0);

    w.Item("HelpItem10")->trigger();
    const std::vector<std::string> opened{"frmPlayer", "frmOptions", "frmSpreads", "frmCompact", "frmPMatrix",
                                          "frmOffBar", "frmScores", "frmPoolStn", "frmNFLDisp"};
    EXPECT_EQ(visits, opened);
    QStringList titles;
    for (const auto& asked : f.prompts.Asked()) titles << asked.Title;
    EXPECT_EQ(titles.count("The Gridmoot Quick Tour"), 12);
    EXPECT_EQ(titles.count("Insufficient # of Players"), 3);
    const auto& boxes = f.prompts.Asked();
    const auto selections = std::find_if(boxes.begin(), boxes.end(), [](const auto& b) {
        return b.Text.endsWith("to enter player selections. ");
    });
    ASSERT_NE(selections, boxes.end());
    EXPECT_EQ(selections[-1].Title, "The Gridmoot Quick Tour");  // refused right after its own box

    // Cancel in the third box: two windows, and nothing after.
    visits.clear();
    f.prompts.Clear();
    f.prompts.Answer(PromptAnswer::Ok);
    f.prompts.Answer(PromptAnswer::Ok);
    f.prompts.Answer(PromptAnswer::Cancel);
    w.Item("HelpItem10")->trigger();
    EXPECT_EQ(visits, (std::vector<std::string>{"frmPlayer", "frmOptions"}));
    EXPECT_EQ(f.prompts.Asked().size(), 3u);

    // With an archived season shown the spreads are passed by, as their menu
    // item is off, and the pool displays are refused.
    w.Item("SeasonItem0")->trigger();
    visits.clear();
    w.Item("HelpItem10")->trigger();
    EXPECT_EQ(visits, (std::vector<std::string>{"frmPlayer", "frmOptions", "frmCompact", "frmOffBar", "frmScores",
                                                "frmNFLDisp"}));
}

TEST(MainWindow, ClosingWritesTheWeekAndStopsTheSign) {
    test::ShellFixture f;
    auto w = std::make_unique<frmMain>(*f.ctx);
    w->show();
    f.state->CurrentWeek = 9;
    w->Item("HelpItem12")->trigger();
    EXPECT_FALSE(w->Sign()->Scrolling());
    EXPECT_EQ(f.Settings(), "[GridMoot]\r\nCurrentWeek=9\r\n");
    AppState reread(f.dir.path());
    ReadSettings(reread, 1LL << 24);
    EXPECT_EQ(reread.CurrentWeek, 9);
    EXPECT_TRUE(f.prompts.Asked().empty());
}

// A settings file that cannot be rewritten (here a folder in its place, which
// even an administrator cannot write as a file) is left alone, and the user
// hears why instead of finding the week lost at the next start.
TEST(MainWindow, ClosingSaysSoWhenTheWeekCannotBeKept) {
    test::ShellFixture f;
    const std::filesystem::path settings = f.state->Settings.path();
    std::filesystem::remove(settings);
    std::filesystem::create_directory(settings);
    auto w = std::make_unique<frmMain>(*f.ctx);
    w->show();
    f.prompts.Clear();
    f.state->CurrentWeek = 9;
    w->Item("HelpItem12")->trigger();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Stop);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Unable To Save");
    EXPECT_TRUE(f.prompts.Asked()[0].Text.contains("Vask97.ini")) << f.prompts.Asked()[0].Text.toStdString();
    EXPECT_TRUE(std::filesystem::is_directory(settings));
}

TEST(MainWindow, BackupToAFolder) {
    test::ShellFixture f;
    gm::test::TempDir target;
    gm::test::WriteFile(f.dir / "1997.NFL", "season");
    frmMain w(*f.ctx);

    f.prompts.Answer(PromptAnswer::Cancel);
    w.BackupTo(QString::fromStdString(target.path().string()));
    EXPECT_FALSE(std::filesystem::exists(target / "1997.NFL"));

    f.prompts.Clear();
    w.BackupTo(QString::fromStdString(target.path().string()));
    ASSERT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_EQ(f.prompts.Asked()[1].Title, "Backup Gridmoot Data Files");
    EXPECT_EQ(f.prompts.Asked()[1].Text, "The following files were copied:\n\nPool97.dat\n1997.NFL\n");
    EXPECT_EQ(gm::test::ReadFile(target / "1997.NFL"), "season");

    f.prompts.Clear();
    w.BackupTo(QString::fromStdString((target / "gone").string()));
    ASSERT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_TRUE(f.prompts.Asked()[1].Text.startsWith("Error:76 ")) << f.prompts.Asked()[1].Text.toStdString();
}

TEST(MainWindow, ToolsStartTheDesktopsProgramsOrSaySo) {
    test::ShellFixture f;
    gm::test::TempDir bin;
    gm::test::WriteFile(bin / "galculator", "#!/bin/sh\n");
    std::filesystem::permissions(bin / "galculator", std::filesystem::perms::owner_all);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.path().string()));
    frmMain w(*f.ctx);
    w.Item("ToolItem2")->trigger();
    w.Item("ToolItem0")->trigger();
    qputenv("PATH", oldPath);

    ASSERT_EQ(f.programs.size(), 1u);
    EXPECT_TRUE(f.programs[0].endsWith("/galculator"));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Program Not Installed");
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Stop);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.startsWith(
        "You Need to Install the Notepad Application in your Windows Directory"));
}

TEST(MainWindow, HelpOpensThePages) {
    test::ShellFixture f;
    frmMain w(*f.ctx);
    w.Item("HelpItem0")->trigger();
    w.Item("HelpItem1")->trigger();
    ASSERT_EQ(f.urls.size(), 2u) << (f.prompts.Asked().empty() ? "" : f.prompts.Asked()[0].Text.toStdString());
    EXPECT_TRUE(f.urls[0].endsWith("/docs/index.html"));
    EXPECT_TRUE(f.urls[1].endsWith("/docs/index.html#topics"));
}

}  // namespace
}  // namespace gm::ui
