#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "support/TempDir.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/UiContext.h"

namespace gm::test {

// A data folder with a pool, a season and a settings file, loaded the way the
// program starts, and a context whose questions are answered by script.
struct MembersFixture {
    TempDir dir;
    AppState state{dir.path()};
    ui::ScriptedPrompter prompts;
    ui::UiContext ctx{.State = state,
                      .Prompts = prompts,
                      .ScreenColorsOverride = 1LL << 24,
                      .OpenUrl = {},
                      .StartProgram = {}};

    MembersFixture(const std::vector<MemberRecord>& members, const std::string& ini) {
        WriteFile(dir / "Pool97.dat", EncodePool(members));
        WriteFile(dir / "Vask97.ini", ini);
        WriteFile(dir / "1997.NFL", EncodeSeason(Season()));
        Load();
    }

    void Load() {
        ReadSettings(state, 1LL << 24);
        EXPECT_TRUE(LoadPool(state).ok());
        EXPECT_TRUE(LoadSeason(state, "1997.NFL").ok());
        state.CurrentSeasonOpen = true;
    }

    // Week 3 holds 13 games: home team 2g+1, away team 2g+2; the away side of
    // game 1 gets 7 points.
    static SeasonGrid Season() {
        SeasonGrid games{};
        for (int g = 0; g < 13; ++g) {
            games[2][static_cast<std::size_t>(g)].HomeTeam = static_cast<std::uint8_t>(2 * g + 1);
            games[2][static_cast<std::size_t>(g)].AwayTeam = static_cast<std::uint8_t>(2 * g + 2);
        }
        games[2][1].AwaySpread = 7;
        games[3][0].HomeTeam = 5;
        games[3][0].AwayTeam = 6;
        return games;
    }

    std::string Pool() const { return ReadFile(dir / "Pool97.dat"); }
    std::string Ini() const { return ReadFile(dir / "Vask97.ini"); }
    std::string SeasonBytes() const { return ReadFile(dir / "1997.NFL"); }
};

inline MemberRecord Member(std::string_view name, int number) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = static_cast<std::int16_t>(number);
    return m;
}

inline int Byte(const std::string& pool, int record, int offset) {
    return static_cast<unsigned char>(pool.at(static_cast<std::size_t>(record * kMemberRecordSize + offset)));
}

// Key presses delivered straight to a widget, as typing into it would.
inline void KeyClick(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

inline void KeyClicks(QWidget* w, const QString& text) {
    for (QChar c : text) {
        const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        KeyClick(w, key, QString(c));
    }
}

// Runs `drive` on the modal window that the next exec() opens.
inline void WhenModalOpens(std::function<void(QWidget*)> drive) {
    QTimer::singleShot(0, [drive = std::move(drive)] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        drive(w);
    });
}

}  // namespace gm::test
