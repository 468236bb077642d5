// The desktop program on a pool folder of today's league: every display opens
// on the 2024 season, the entry and selections windows show 16 games with
// their kick-offs, a season is imported from its games CSV through the menu,
// and pool folders are opened, created and switched with their locks.

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "Walkthrough.h"
#include "core/data/FolderLock.h"
#include "core/data/PoolFile.h"
#include "core/shell/PoolFolders.h"
#include "support/Season2024.h"
#include "ui/members/PickRow.h"

namespace gm::ui {
namespace {

using test::Child;
using test::Program;

// The 2024 season played through week 10, the pool on week 2 (16 games),
// and two members with picks of weeks 1 and 2.
void Seed2024(const gm::test::TempDir& dir, int currentWeek) {
    gm::test::Write2024Folder(dir.path(), 10, currentWeek);
    AppState s(dir.path());
    gm::test::LoadSeason2024(s, 10);
    std::vector<MemberRecord> members(2);
    members[0].Name = FitName("Amy");
    members[1].Name = FitName("Bo");
    for (int m = 0; m < 2; ++m) {
        members[static_cast<std::size_t>(m)].PlayerNumber = static_cast<std::int16_t>(m + 1);
        for (int w = 0; w < 2; ++w)
            for (int g = 0; g < 16; ++g) {
                const GameRecord& game = s.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(g)];
                if (!game.HasGame()) continue;
                members[static_cast<std::size_t>(m)].Picks[w][g] = m == 0 ? game.HomeTeam : game.AwayTeam;
                members[static_cast<std::size_t>(m)].Confidence[w][g] = static_cast<std::uint8_t>(g + 1);
            }
        members[static_cast<std::size_t>(m)].Tiebreak[0] = 40;
    }
    gm::test::WriteFile(dir / "Pool97.dat", EncodePool(members));
}

fs::path GamesCsv() { return gm::test::SharedData() / "nfl-games-2024.csv"; }

TEST(TodayLeague, EveryCommandOpensOnThe2024SeasonLeavingTheFilesAlone) {
    // On week 4: the Pool Experts want three weeks behind them.
    Program p([](const gm::test::TempDir& dir) { Seed2024(dir, 4); });
    ASSERT_EQ(p.state->League().Kind, LeagueKind::Today);
    const auto before = p.Files();

    QStringList opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()); d && d->isVisible()) {
            opened << d->objectName();
            d->reject();
        }
    });
    closer.start(10);
    QStringList forms;
    for (QAction* menu : p.main->menuBar()->actions()) {
        QList<QAction*> items = menu->menu()->actions();
        for (int i = 0; i < items.size(); ++i) {
            QAction* item = items[i];
            if (item->menu()) items.append(item->menu()->actions());
            if (item->isSeparator() || item->menu() || !item->isEnabled()) continue;
            if (item->objectName() == "HelpItem12") continue;  // Exit
            if (const QString form = item->property("form").toString(); !form.isEmpty()) forms << form;
            item->trigger();
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << item->objectName().toStdString();
        }
    }
    closer.stop();
    EXPECT_GE(forms.size(), 40) << forms.join(' ').toStdString();
    for (const QString& form : forms)
        EXPECT_TRUE(opened.contains(form)) << form.toStdString() << " in " << opened.join(' ').toStdString();
    // The archived 1997-league seasons are refused in this folder; the season stays.
    EXPECT_EQ(p.state->League().Kind, LeagueKind::Today);
    p.main->Item("SeasonItem2")->trigger();
    EXPECT_EQ(p.Files(), before);
}

// Pictures for a person to look at (GRIDMOOT_SCREENSHOTS names the folder);
// the rows and kick-offs are checked whether or not pictures are written.
TEST(TodayLeague, SelectionsScheduleSpreadsAndScoresShowSixteenGamesWithKickoffs) {
    Program p([](const gm::test::TempDir& dir) { Seed2024(dir, 2); });
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    auto picture = [&](QDialog& d, const char* name) {
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(d.grab().save(folder + "/" + name));
    };

    p.Menu("EditItem6", "frmPicks", [&](QDialog& d) {
        int shown = 0;
        for (PickRow* r : d.findChildren<PickRow*>()) shown += r->isVisible();
        EXPECT_EQ(shown, 16);
        EXPECT_EQ(Child<QLabel>(d, "lblMonNite")->text(), "Tiebreak &Game");
        // Week 2 of 2024 ended on Monday night: Atlanta at Philadelphia.
        EXPECT_EQ(Child<QLabel>(d, "lblTiebreakGame")->text(), "Atlanta at Philadelphia, Mon 9/16 8:15 PM");
        int available = 0;
        for (int i = 0; i < 16; ++i)
            if (auto* l = d.findChild<QLabel*>(QString("lblNotUsed%1").arg(i))) available += l->text() == QString::number(i + 1);
        EXPECT_EQ(available, 16);
        picture(d, "desk-selections-2024.png");
        d.done(QDialog::Rejected);
    });
    p.Menu("EditItem0", "frmNFLCity", [&](QDialog& d) {
        auto* list = Child<QListWidget>(d, "lstTeam");
        ASSERT_EQ(list->count(), 32);
        EXPECT_TRUE(list->item(31)->text().startsWith("Washington      WAS")) << list->item(31)->text().toStdString();
        d.done(QDialog::Rejected);
    });
    p.Menu("EditItem1", "frmSchedule", [&](QDialog& d) {
        EXPECT_NE(d.findChild<QWidget*>("Combo131"), nullptr);  // slot 16's home team
        EXPECT_EQ(Child<QLabel>(d, "lblKickoff0")->text(), "Thu 9/12 8:15 PM");
        EXPECT_TRUE(Child<QLabel>(d, "lblKickoff15")->text().endsWith("Tiebreak"));
        picture(d, "desk-schedule-2024.png");
        d.done(QDialog::Rejected);
    });
    for (const auto& [item, form, png] : {std::tuple{"EditItem3", "frmScores", "desk-scores-2024.png"},
                                          std::tuple{"EditItem2", "frmSpreads", "desk-spreads-2024.png"}}) {
        p.Menu(item, form, [&, png = png](QDialog& d) {
            EXPECT_TRUE(Child<QWidget>(d, "txtHome15")->isEnabled());
            EXPECT_FALSE(Child<QLabel>(d, "lblKickoff15")->text().isEmpty());
            picture(d, png);
            d.done(QDialog::Rejected);
        });
    }
}

// Import Season... on a folder a first start prepared: what was read, what it
// changes, saved on OK; the same file again changes nothing.
TEST(TodayLeague, ImportSeasonShowsWhatItReadAndSavesOnlyOnOK) {
    Program p;
    const QString csv = QString::fromStdString(GamesCsv().string());
    p.ctx->ChooseOpenFile = [&](QWidget*, const QString&, const QString&) { return csv; };

    const auto before = p.Files();
    p.Menu("SeasonItem4", "frmImportSeason", [&](QDialog& d) {
        EXPECT_EQ(Child<QSpinBox>(d, "spnSeason")->value(), 2024);
        EXPECT_TRUE(Child<QPlainTextEdit>(d, "txtRead")->toPlainText().startsWith(
            "Read 285 games in 22 weeks of the 2024 season from nfl-games-2024.csv."))
            << Child<QPlainTextEdit>(d, "txtRead")->toPlainText().toStdString();
        EXPECT_FALSE(Child<QPlainTextEdit>(d, "txtChanges")->toPlainText().isEmpty());
        EXPECT_TRUE(Child<QPushButton>(d, "cmdOK")->isEnabled());
        Child<QPushButton>(d, "cmdCancel")->click();
    });
    EXPECT_EQ(p.Files(), before) << "Cancel saved something";
    EXPECT_EQ(p.state->League().Kind, LeagueKind::Nfl1997);

    p.Menu("SeasonItem4", "frmImportSeason", [&](QDialog& d) { Child<QPushButton>(d, "cmdOK")->click(); });
    EXPECT_TRUE(p.Exists("Season.gms"));
    EXPECT_EQ(p.state->League().Kind, LeagueKind::Today);
    EXPECT_EQ(p.state->Games[21][0].HomeScore, 40);
    ASSERT_FALSE(p.prompts.Asked().empty());
    EXPECT_EQ(p.prompts.Asked().back().Title, "Import Season");

    p.Menu("SeasonItem4", "frmImportSeason", [&](QDialog& d) {
        EXPECT_FALSE(Child<QPushButton>(d, "cmdOK")->isEnabled());
        EXPECT_TRUE(Child<QPlainTextEdit>(d, "txtChanges")->toPlainText().contains("up to date"));
        d.reject();
    });
}

TEST(TodayLeague, ImportIntoA1997PoolIsRefusedWithTheReason) {
    Program p(test::SeedAWeekOfPlay);
    p.ctx->ChooseOpenFile = [&](QWidget*, const QString&, const QString&) {
        return QString::fromStdString(GamesCsv().string());
    };
    const auto before = p.Files();
    p.Menu("SeasonItem4", "frmImportSeason", [&](QDialog& d) {
        EXPECT_FALSE(Child<QPushButton>(d, "cmdOK")->isEnabled());
        const QString why = Child<QPlainTextEdit>(d, "txtChanges")->toPlainText();
        EXPECT_TRUE(why.contains("1997 pool")) << why.toStdString();
        Child<QPushButton>(d, "cmdOK")->click();  // a disabled OK does nothing
        d.reject();
    });
    EXPECT_EQ(p.Files(), before);
    EXPECT_EQ(p.state->League().Kind, LeagueKind::Nfl1997);
}

// Switching folders hands the lock over: the new folder is held, the old one
// is free again, and a folder another program holds is not opened.
TEST(TodayLeague, PoolFoldersOpenCreateAndSwitchWithTheirLocks) {
    Program p(test::SeedAWeekOfPlay);
    FolderLock held;
    ASSERT_EQ(held.Take(p.dir.path()), FolderLock::Outcome::Taken);
    p.ctx->Lock = &held;
    gm::test::TempDir elsewhere;
    p.ctx->ConfigFile = elsewhere / "config" / "gridmoot.ini";
    const fs::path season2024 = elsewhere / "pool-2024";
    gm::test::Write2024Folder(season2024, 22, 5);
    QString chosen;
    p.ctx->ChooseFolder = [&](QWidget*, const QString&) { return chosen; };

    // Another program holds the folder: refused, nothing changes.
    {
        FolderLock other;
        ASSERT_EQ(other.Take(season2024), FolderLock::Outcome::Taken);
        chosen = QString::fromStdString(season2024.string());
        p.main->Item("SeasonItem6")->trigger();
        ASSERT_FALSE(p.prompts.Asked().empty());
        EXPECT_EQ(p.prompts.Asked().back().Title, "Gridmoot Is Already Open");
        EXPECT_EQ(p.state->DataFolder, p.dir.path());
    }

    p.prompts.Clear();
    p.main->Item("SeasonItem6")->trigger();
    EXPECT_EQ(p.state->DataFolder, season2024);
    EXPECT_EQ(p.state->League().Kind, LeagueKind::Today);
    EXPECT_EQ(p.state->CurrentWeek, 5);
    EXPECT_EQ(p.state->MemberCount, 0);
    EXPECT_TRUE(p.prompts.Asked().empty()) << p.prompts.Asked()[0].Text.toStdString();
    FolderLock probe;
    EXPECT_EQ(probe.Take(season2024), FolderLock::Outcome::Busy);
    EXPECT_EQ(probe.Take(p.dir.path()), FolderLock::Outcome::Taken);  // the old folder is free
    probe.Release();
    // The folder left kept its week; the new one is remembered.
    EXPECT_NE(p.File("Vask97.ini").find("CurrentWeek=4"), std::string::npos);
    const PoolFolderList remembered = ReadPoolFolders(IniFile(p.ctx->ConfigFile));
    EXPECT_EQ(remembered.Last, season2024);
    ASSERT_NE(p.main->Item("RecentItem0"), nullptr);
    EXPECT_EQ(p.main->Item("RecentItem0")->text(), QString::fromStdString("&1 " + season2024.string()));

    // A new pool folder where a pool already is: refused.
    chosen = QString::fromStdString(p.dir.path().string());
    p.main->Item("SeasonItem7")->trigger();
    ASSERT_FALSE(p.prompts.Asked().empty());
    EXPECT_TRUE(p.prompts.Asked().back().Text.contains("already holds a pool"));
    EXPECT_EQ(p.state->DataFolder, season2024);

    // A new, empty one: made, opened and greeted with the hint.
    p.prompts.Clear();
    const fs::path fresh = elsewhere / "new-pool";
    chosen = QString::fromStdString(fresh.string());
    p.main->Item("SeasonItem7")->trigger();
    EXPECT_EQ(p.state->DataFolder, fresh);
    EXPECT_TRUE(fs::exists(fresh / "Pool97.dat"));
    ASSERT_EQ(p.prompts.Asked().size(), 1u);
    EXPECT_EQ(p.prompts.Asked()[0].Title, "A New Pool Folder");
    EXPECT_TRUE(p.prompts.Asked()[0].Text.contains("Import Season..."));
    EXPECT_EQ(probe.Take(season2024), FolderLock::Outcome::Taken);
    probe.Release();

    // Back to the 2024 pool from the recent list.
    p.main->Item("RecentItem1")->trigger();
    EXPECT_EQ(p.state->DataFolder, season2024);
    EXPECT_EQ(p.main->Item("RecentItem0")->text(), QString::fromStdString("&1 " + season2024.string()));
}

}  // namespace
}  // namespace gm::ui
