#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>
#include <array>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/shell/Startup.h"
#include "support/TempDir.h"
#include "ui/app/AllWindows.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/UiContext.h"

namespace gm::ui::test {

// The program as it starts on a fresh data folder, with every window of the
// program registered and every message box answered by script.
struct Program {
    gm::test::TempDir dir;
    std::unique_ptr<AppState> state;
    ScriptedPrompter prompts;
    WindowRegistry windows;
    std::unique_ptr<UiContext> ctx;
    std::unique_ptr<frmMain> main;
    std::vector<QString> urls;

    // `seed` writes the organiser's files into the folder before the program starts.
    explicit Program(const std::function<void(const gm::test::TempDir&)>& seed = {}) {
        PrepareDataFolder(dir.path(), {std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "share" / "seasons"});
        if (seed) seed(dir);
        state = std::make_unique<AppState>(dir.path());
        LoadAtStartup(*state, 1LL << 24);
        RegisterAllWindows(windows);
        ctx = std::make_unique<UiContext>(UiContext{*state, prompts});
        ctx->Windows = &windows;
        ctx->ScreenColorsOverride = 1LL << 24;
        ctx->OpenUrl = [this](const QString& url) {
            urls.push_back(url);
            return true;
        };
        ctx->StartProgram = [](const QString&) { return true; };
        main = std::make_unique<frmMain>(*ctx);
    }

    // Every file of the data folder and its sub-folders, by relative name.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
            if (e.is_regular_file())
                out[std::filesystem::relative(e.path(), dir.path()).string()] = gm::test::ReadFile(e.path());
        return out;
    }

    std::string File(const std::string& name) const { return gm::test::ReadFile(dir / name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir / name); }

    // Triggers a menu item; `step` runs on the window it opens while that
    // window's own event loop waits, and must close it.
    void Menu(const char* item, const QString& form, std::function<void(QDialog&)> step) {
        QAction* a = main->Item(item);
        ASSERT_NE(a, nullptr) << item;
        ASSERT_TRUE(a->isEnabled()) << item;
        bool ran = false;
        OnModal(form, [&](QDialog& d) {
            ran = true;
            step(d);
        });
        a->trigger();
        EXPECT_TRUE(ran) << form.toStdString() << " did not open from " << item;
    }

    // Runs `step` once the modal window named `form` shows. Gives up after a
    // few seconds, closing whatever modal window is open, so a test never hangs.
    static void OnModal(const QString& form, std::function<void(QDialog&)> step) {
        auto tries = std::make_shared<int>(0);
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [form, step, tries, poll] {
            QWidget* w = QApplication::activeModalWidget();
            if (w && w->objectName() == form && w->isVisible()) {
                auto* dialog = qobject_cast<QDialog*>(w);
                step(*dialog);
                if (dialog->isVisible()) {
                    ADD_FAILURE() << form.toStdString() << " was left open";
                    dialog->done(QDialog::Rejected);
                }
                *poll = nullptr;  // breaks the cycle once done
                return;
            }
            if (++*tries > 1000) {
                ADD_FAILURE() << form.toStdString() << " never showed; active: "
                              << (w ? w->objectName().toStdString() : std::string("none"));
                if (auto* d = qobject_cast<QDialog*>(w)) d->done(QDialog::Rejected);
                *poll = nullptr;
                return;
            }
            QTimer::singleShot(5, [poll] {
                if (*poll) (*poll)();
            });
        };
        QTimer::singleShot(0, [poll] { (*poll)(); });
    }
};

template <typename T>
T* Child(QWidget& w, const QString& name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString() << " in " << w.objectName().toStdString();
    return c;
}

inline void Click(QWidget& w, const QString& name) {
    if (auto* b = Child<QAbstractButton>(w, name)) b->click();
}

// Types into a box as the user would: the box's key rules apply.
inline void Type(QWidget& w, const QString& name, const QString& text) {
    if (auto* box = Child<QLineEdit>(w, name)) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
}

inline void ChooseTeam(QWidget& w, const QString& combo, int team) {
    if (auto* box = Child<QComboBox>(w, combo)) box->setCurrentIndex(box->findData(team));
}

// The little-endian bytes of a single-precision number.
inline std::string FloatBytes(float f) {
    std::string out(4, '\0');
    std::memcpy(out.data(), &f, 4);
    return out;
}

// One game record as the season file holds it.
struct Game {
    int home = 0, away = 0, homeScore = 0, awayScore = 0, winScore = 0, loseScore = 0;
    float homeSpread = 0, awaySpread = 0;
    int winTeam = 0, loseTeam = 0, spreadWin = 0, spreadLose = 0;
    int awayConf = 0, homeConf = 0, awayDiv = 0, homeDiv = 0;

    std::string Bytes() const {
        std::string r;
        for (int b : {home, away, homeScore, awayScore, winScore, loseScore}) r += char(b);
        r += FloatBytes(homeSpread) + FloatBytes(awaySpread);
        for (int b : {winTeam, loseTeam, spreadWin, spreadLose, awayConf, homeConf, awayDiv, homeDiv, 0}) r += char(b);
        return r;
    }
};

// One member record: week 1 picks and points in slots 0, 1 and 14.
inline std::string MemberBytes(const std::string& name, int number, std::array<int, 3> picks,
                               std::array<int, 3> points, int tiebreak) {
    std::string r = name + std::string(18 - name.size(), ' ');
    std::string picksBlock(352, '\0'), pointsBlock(352, '\0');
    const int gameSlots[] = {0, 1, 14};
    for (int i = 0; i < 3; ++i) {
        picksBlock[0 + 22 * gameSlots[i]] = char(picks[i]);
        pointsBlock[0 + 22 * gameSlots[i]] = char(points[i]);
    }
    r += picksBlock + pointsBlock;
    r += char(number & 0xFF);
    r += char(number >> 8);
    std::string tiebreaks(22, '\0');
    tiebreaks[0] = char(tiebreak);
    return r + tiebreaks;
}

// A folder holding a week of play: one game of week 1 (Philadelphia at
// Dallas, scored), one member who picked it, and the pool on week 4 so that
// the Pool Experts have their three weeks of history; every menu item is open.
inline void SeedAWeekOfPlay(const gm::test::TempDir& dir) {
    std::string season(7245, '\0');
    season.replace(0, 23, Game{23, 8, 17, 24, 24, 17, 3.5f, 0, 8, 23, 0, 0, 2, 2, 1, 1}.Bytes());
    gm::test::WriteFile(dir / "1997.NFL", season);
    gm::test::WriteFile(dir / "Pool97.dat", MemberBytes("amy", 1, {8, 0, 0}, {1, 0, 0}, 45));
    gm::test::WriteFile(dir / "Vask97.ini", "[GridMoot]\r\nCurrentWeek=4\r\n");
}

}  // namespace gm::ui::test
