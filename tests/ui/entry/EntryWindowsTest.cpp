#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "support/TempDir.h"
#include "ui/entry/frmEditCity.h"
#include "ui/entry/frmNFLCity.h"
#include "ui/entry/frmSchedule.h"
#include "ui/entry/frmScores.h"
#include "ui/entry/frmSpreads.h"

namespace gm::ui {
namespace {

constexpr int kDallas = 8, kDenver = 9, kMiami = 16, kPhiladelphia = 23, kTennessee = 12;

GameRecord Game(int away, int home, int awayScore = 0, int homeScore = 0) {
    GameRecord g;
    g.AwayTeam = static_cast<std::uint8_t>(away);
    g.HomeTeam = static_cast<std::uint8_t>(home);
    g.AwayScore = static_cast<std::uint8_t>(awayScore);
    g.HomeScore = static_cast<std::uint8_t>(homeScore);
    ApplyResult(g);
    return g;
}

// A data folder with a season file and settings, loaded the way start-up does it.
struct EntryWindows : ::testing::Test {
    test::TempDir dir;
    AppState state{dir.path()};
    ScriptedPrompter prompts;
    UiContext ctx{state, prompts};

    void Load(const SeasonGrid& games, std::string_view ini = "") {
        test::WriteFile(dir / "1997.NFL", EncodeSeason(games));
        if (!ini.empty()) test::WriteFile(dir / "Vask97.ini", ini);
        ASSERT_TRUE(LoadSeason(state, kCurrentSeasonRead));
        state.CurrentSeasonOpen = true;
        ReadSettings(state, 1 << 24);
        LoadTeamTables(state);
    }

    std::string Season() const { return test::ReadFile(FindFile(dir.path(), "1997.nfl")); }
    std::string Ini() const { return test::ReadFile(dir / "Vask97.ini"); }

    // The bytes of one game record in the season file.
    static std::string Record(const std::string& season, int week, int slot) {
        return season.substr(static_cast<std::size_t>(((week - 1) * kSlots + slot) * kGameRecordSize),
                             kGameRecordSize);
    }
    static float FloatAt(const std::string& record, int offset) {
        float f;
        std::memcpy(&f, record.data() + offset, 4);
        return f;
    }

    static void Key(QWidget* w, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }
    // Types as the keyboard does, one key at a time.
    static void Keys(QWidget* w, const QString& keys) {
        for (QChar c : keys) Key(w, c.toUpper().unicode(), QString(c));
    }

    template <typename T = QWidget>
    static T* Child(QWidget& w, const QString& name) {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static void Spin(QWidget& w, const char* arrow) {
        Child<QWidget>(w, "SpinButton1")->findChild<QToolButton*>(arrow)->click();
    }
    static void Pick(QWidget& w, int combo, int team) {
        auto* box = Child<QComboBox>(w, QString("Combo1%1").arg(combo));
        box->setCurrentIndex(box->findData(team));
    }
    static void Type(QWidget& w, const QString& box, const QString& keys) {
        auto* b = Child<QLineEdit>(w, box);
        b->selectAll();
        if (keys.isEmpty()) {
            Key(b, Qt::Key_Backspace);
        } else {
            Keys(b, keys);
        }
    }
};

TEST_F(EntryWindows, AllFourWindowsAreRegistered) {
    WindowRegistry registry;
    RegisterEntryWindows(registry);
    for (Display d : {Display::NflTeams, Display::NflSchedule, Display::PointSpreads, Display::Scores})
        EXPECT_TRUE(registry.Has(d)) << WindowName(d);
}

TEST_F(EntryWindows, ScheduleOpenerReadsTheCurrentSeasonAgain) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami);
    Load(games);
    WindowRegistry registry;
    RegisterEntryWindows(registry);
    for (const bool current : {true, false}) {
        state.CurrentSeasonOpen = current;
        state.Games[0][0].HomeTeam = kDallas;  // only in memory
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<frmSchedule*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            opened = true;
            w->reject();
        });
        registry.Open(Display::NflSchedule, ctx, nullptr);
        EXPECT_TRUE(opened);
        // An archived season stays as it is in memory.
        EXPECT_EQ(state.Games[0][0].HomeTeam, current ? kMiami : kDallas) << current;
    }
}

TEST_F(EntryWindows, ScheduleEnteredForAWeekIsSaved) {
    SeasonGrid games{};
    games[3][1] = Game(kDenver, kMiami, 21, 14);  // week 4 already played
    Load(games, "[Gridmoot]\r\nCurrentWeek=3\r\n");
    frmSchedule w(ctx);
    w.show();
    EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), "3");
    Pick(w, 0, kDallas);
    Pick(w, 1, kPhiladelphia);
    Spin(w, "spinUp");  // week 4: the played game shows, and gets new teams
    EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), " 4");
    EXPECT_EQ(Child<QComboBox>(w, "Combo12")->currentData().toInt(), kDenver);
    Pick(w, 3, kDallas);
    Spin(w, "spinDown");
    EXPECT_EQ(Child<QComboBox>(w, "Combo10")->currentData().toInt(), kDallas);  // kept while moving weeks
    Pick(w, 28, kMiami);                                                        // Monday night, away
    Pick(w, 29, kDenver);
    Child<QPushButton>(w, "CmdOK")->click();

    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(prompts.Asked().empty());
    const std::string season = Season();
    ASSERT_EQ(season.size(), static_cast<std::size_t>(kSeasonFileSize));
    const std::string slot0 = Record(season, 3, 0);
    EXPECT_EQ(slot0[0], kPhiladelphia);
    EXPECT_EQ(slot0[1], kDallas);
    EXPECT_EQ(slot0.substr(18, 4), std::string("\x02\x02\x01\x01", 4));  // conferences, divisions
    const std::string monday = Record(season, 3, 14);
    EXPECT_EQ(monday[0], kDenver);
    EXPECT_EQ(monday[1], kMiami);
    EXPECT_EQ(monday.substr(18, 4), std::string("\x01\x01\x04\x06", 4));
    const std::string week4 = Record(season, 4, 1);
    EXPECT_EQ(week4[0], kDallas);
    EXPECT_EQ(week4[1], kDenver);
    EXPECT_EQ(week4[2], 14);  // the old scores stay
    EXPECT_EQ(week4[3], 21);
    EXPECT_EQ(state.CurrentWeek, 3);
}

TEST_F(EntryWindows, ScheduleSpinBeepsAtTheSeasonsEnds) {
    Load(SeasonGrid{}, "[Gridmoot]\r\nCurrentWeek=21\r\n");
    frmSchedule w(ctx);
    Spin(w, "spinUp");
    EXPECT_EQ(w.WeekShown(), 21);
    for (int i = 0; i < 25; ++i) Spin(w, "spinDown");
    EXPECT_EQ(w.WeekShown(), 1);
    EXPECT_EQ(state.CurrentWeek, 1);
}

TEST_F(EntryWindows, SpreadsUnderBothPSEntrysChoices) {
    struct Case {
        const char* option;
        const char* box;       // where the home team's 3.5 is typed
        const char* otherBox;  // stays empty
    };
    for (const Case& c :
         {Case{"Underdog", "txtHome4", "txtAway4"}, Case{"Favorite", "txtAway4", "txtHome4"}}) {
        SCOPED_TRACE(c.option);
        const bool underdog = std::string_view(c.option) == "Underdog";
        SeasonGrid games{};
        games[1][4] = Game(kDenver, kMiami);
        games[1][5] = Game(kDallas, kPhiladelphia);
        games[1][6].HomeSpread = 7.0f;  // an empty slot keeps its spread
        Load(games, std::string("[Options]\r\nPSEntrys=") + c.option + "\r\n[Gridmoot]\r\nCurrentWeek=2\r\n");
        {
            frmSpreads w(ctx);
            w.show();
            EXPECT_EQ(Child<QLabel>(w, "lblFavUnd")->text(), underdog
                                                                 ? " Place Point Spreads Next to Underdog "
                                                                 : " Place Point Spreads Next to Favorite ");
            EXPECT_FALSE(Child<QLineEdit>(w, "txtHome6")->isEnabled());
            EXPECT_FALSE(Child<QLabel>(w, "lblAway6")->isVisible());
            EXPECT_EQ(Child<QLabel>(w, "lblHome4")->text(), "Miami");
            Type(w, c.box, "3.5");
            Type(w, "txtAway5", "1");
            Type(w, "txtHome5", ".");
            EXPECT_EQ(Child<QLineEdit>(w, "txtHome5")->text(), "0.5");
            Child<QPushButton>(w, "cmdOK")->click();
            EXPECT_FALSE(w.isVisible());
        }
        const std::string slot4 = Record(Season(), 2, 4);
        EXPECT_EQ(slot4.substr(6, 4), std::string("\x00\x00\x60\x40", 4));  // HomeSpread 3.5
        EXPECT_EQ(FloatAt(slot4, 10), 0.0f);                                // AwaySpread
        const std::string slot5 = Record(Season(), 2, 5);
        EXPECT_EQ(FloatAt(slot5, 10), underdog ? 1.0f : 0.5f);
        EXPECT_EQ(FloatAt(slot5, 6), underdog ? 0.5f : 1.0f);
        EXPECT_EQ(FloatAt(Record(Season(), 2, 6), 6), 7.0f);

        // Shown again on the same side.
        frmSpreads again(ctx);
        EXPECT_EQ(Child<QLineEdit>(again, c.box)->text(), "3.5");
        EXPECT_EQ(Child<QLineEdit>(again, c.otherBox)->text(), "");
    }
}

TEST_F(EntryWindows, SpreadBoxesRefuseOtherKeysAndKeepHalfPoints) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami);
    Load(games);
    frmSpreads w(ctx);
    for (const auto& [typed, shown] :
         {std::pair{"105", "10"}, std::pair{"7.3", "7."}, std::pair{"10.5", "10.5"}, std::pair{"0", ""},
          std::pair{"a-6x", "6"}}) {
        Type(w, "txtAway0", typed);
        EXPECT_EQ(Child<QLineEdit>(w, "txtAway0")->text().toStdString(), shown) << typed;
    }
}

TEST_F(EntryWindows, ScoresWithATieAndAGameNotYetPlayed) {
    SeasonGrid games{};
    games[6][0] = Game(kDenver, kMiami);
    games[6][1] = Game(kDallas, kPhiladelphia, 10, 7);
    games[6][2] = Game(kMiami, kDallas);
    Load(games, "[Gridmoot]\r\nCurrentWeek=7\r\n");
    frmScores w(ctx);
    w.show();
    EXPECT_EQ(Child<QLineEdit>(w, "txtAway1")->text(), "10");
    EXPECT_EQ(Child<QLineEdit>(w, "txtHome0")->text(), "0");
    Type(w, "txtAway0", "20");
    Type(w, "txtHome0", "20");
    Type(w, "txtAway1", "");  // cleared: 0-0, not yet played
    Type(w, "txtHome1", "");
    Type(w, "txtAway2", "24");
    Type(w, "txtHome2", "175");  // a third digit is refused
    EXPECT_EQ(Child<QLineEdit>(w, "txtHome2")->text(), "17");
    Child<QPushButton>(w, "cmdOK")->click();
    EXPECT_FALSE(w.isVisible());

    const std::string season = Season();
    // HomeScore, AwayScore, WinScore, LoseScore at 2..5; WinTeam, LoseTeam at 14, 15.
    const std::string tie = Record(season, 7, 0);
    EXPECT_EQ(tie.substr(2, 4), std::string("\x14\x14\x14\x14", 4));
    EXPECT_EQ(tie.substr(14, 2), std::string("\0\0", 2));
    const std::string unplayed = Record(season, 7, 1);
    EXPECT_EQ(unplayed.substr(2, 4), std::string(4, '\0'));
    EXPECT_EQ(unplayed.substr(14, 2), std::string("\0\0", 2));
    const std::string awayWin = Record(season, 7, 2);
    EXPECT_EQ(awayWin.substr(2, 4), std::string("\x11\x18\x18\x11", 4));
    EXPECT_EQ(awayWin[14], kMiami);
    EXPECT_EQ(awayWin[15], kDallas);
}

TEST_F(EntryWindows, CancelWithNoLeavesEveryFileUntouched) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami, 3, 0);
    games[0][0].HomeSpread = 2.5f;
    Load(games, "[Options]\r\nPSEntrys=Underdog\r\n");
    const std::string season = Season();
    const std::string ini = Ini();
    const auto cancelWithNo = [&](QDialog& w, const char* title, const char* text) {
        w.show();
        prompts.Clear();
        prompts.Answer(PromptAnswer::Cancel);  // first: stay
        w.reject();
        EXPECT_TRUE(w.isVisible()) << title;
        prompts.Answer(PromptAnswer::No);
        w.close();  // the close box asks the same
        EXPECT_FALSE(w.isVisible()) << title;
        ASSERT_EQ(prompts.Asked().size(), 2u) << title;
        EXPECT_EQ(prompts.Asked()[1].Title.toStdString(), title);
        EXPECT_EQ(prompts.Asked()[1].Text.toStdString(),
                  std::string(text) + "\nWould you like to save these changes?");
        EXPECT_EQ(prompts.Asked()[1].Buttons, PromptButtons::YesNoCancel);
    };
    {
        frmSchedule w(ctx);
        Pick(w, 0, kDallas);
        Spin(w, "spinUp");
        Spin(w, "spinUp");
        cancelWithNo(w, "Cancel NFL Schedule Setup", "The NFL Schedule has been changed.");
        EXPECT_EQ(state.CurrentWeek, 3);  // the last week shown
    }
    state.CurrentWeek = 1;
    {
        frmSpreads w(ctx);
        Type(w, "txtHome0", "6");
        state.Games[0][0].HomeSpread = 9;  // closing reads the season file again
        cancelWithNo(w, "Cancel Point Spreads", "The NFL Point Spreads have been changed.");
        EXPECT_EQ(state.Games[0][0].HomeSpread, 2.5f);
    }
    {
        frmScores w(ctx);
        Type(w, "txtAway0", "31");
        cancelWithNo(w, "Cancel NFL Scores", "The NFL Game Scores have been changed.");
    }
    {
        frmNFLCity w(ctx);
        frmEditCity edit(ctx, const_cast<TeamEditor&>(w.Editor()), kTennessee, &w);
        Type(edit, "txtInput0", "Nashville");
        Child<QPushButton>(edit, "cmdOK")->click();
        cancelWithNo(w, "Cancel NFL Team Editing", "The NFL Locations have been changed.");
    }
    EXPECT_EQ(Season(), season);
    EXPECT_EQ(Ini(), ini);
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Tennessee");
    EXPECT_EQ(state.Games[0][0].AwayScore, 3);
}

TEST_F(EntryWindows, UnchangedWindowsCloseWithoutAsking) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami, 3, 0);
    Load(games);
    frmSchedule schedule(ctx);
    Spin(schedule, "spinUp");
    schedule.reject();
    frmSpreads spreads(ctx);
    spreads.reject();
    frmScores scores(ctx);
    scores.reject();
    frmNFLCity teams(ctx);
    teams.reject();
    EXPECT_TRUE(prompts.Asked().empty());
}

TEST_F(EntryWindows, TeamRenamed) {
    Load(SeasonGrid{}, "[Options]\r\nPSEntrys=Favorite\r\n");
    frmNFLCity w(ctx);
    w.show();
    auto* list = Child<QListWidget>(w, "lstTeam");
    auto* edit = Child<QPushButton>(w, "CmdEdit");
    EXPECT_FALSE(edit->isEnabled());
    QListWidgetItem* item = list->item(kTennessee - 1);
    ASSERT_EQ(item->data(Qt::UserRole).toInt(), kTennessee);
    list->setCurrentItem(item);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(item->text().toStdString(), "Tennessee       Ten     Oilers        Oil");

    // The edit dialog is modal: fill it in once it is up.
    QTimer::singleShot(0, [&] {
        auto* dialog = w.findChild<frmEditCity*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Child<QLineEdit>(*dialog, "txtInput0")->text(), "Tennessee");
        auto* ok = Child<QPushButton>(*dialog, "cmdOK");
        // A name left blank would blank the team everywhere: OK stays off,
        // also when another box is changed afterwards, and Enter does nothing.
        Type(*dialog, "txtInput0", "   ");
        Type(*dialog, "txtInput1", "Titans");
        EXPECT_FALSE(ok->isEnabled());
        Key(Child<QLineEdit>(*dialog, "txtInput1"), Qt::Key_Return, "\r");
        EXPECT_TRUE(dialog->isVisible());
        Type(*dialog, "txtInput0", "   Nashville Music City  ");
        Type(*dialog, "txtInput3", "Tita");
        Type(*dialog, "txtInput2", "");
        EXPECT_FALSE(ok->isEnabled());
        Type(*dialog, "txtInput2", "Nas");
        EXPECT_TRUE(ok->isEnabled());
        Key(Child<QLineEdit>(*dialog, "txtInput2"), Qt::Key_Return, "\r");  // Enter acts as OK
    });
    Key(list, Qt::Key_Return, "\r");  // Enter on a line opens it, as Edit does
    EXPECT_EQ(list->currentItem()->text().toStdString(), "Nashville Mus   Nas     Titans        Tit");
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Tennessee");  // nothing written before OK

    Child<QPushButton>(w, "CmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Ini(),
              "[Options]\r\nPSEntrys=Favorite\r\n"
              "\r\n[Team Location]\r\n12=Nashville Mus\r\n"
              "\r\n[Team Names]\r\n12=Titans\r\n"
              "\r\n[Team City Abr]\r\n12=Nas\r\n"
              "\r\n[Team Name Abr]\r\n12=Tit\r\n");
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Nashville Mus");
    EXPECT_EQ(state.Teams.TeamNameAbbr[kTennessee], "Tit");
    EXPECT_EQ(state.Teams.TeamCity[kTennessee - 1], "Green Bay");
}

TEST_F(EntryWindows, TeamResetAsksThenRemovesTheNames) {
    Load(SeasonGrid{}, "[Team Location]\r\n12=Nashville\r\n[Options]\r\nPSEntrys=Favorite\r\n");
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Nashville");
    frmNFLCity w(ctx);
    w.show();
    prompts.Answer(PromptAnswer::No);
    Child<QPushButton>(w, "CmdReset")->click();
    EXPECT_TRUE(w.isVisible());
    prompts.Answer(PromptAnswer::Yes);
    Child<QPushButton>(w, "CmdReset")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(prompts.Asked().back().Title, "Reset NFL Team Data");
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Tennessee");
    EXPECT_EQ(Ini(), "[Options]\r\nPSEntrys=Favorite\r\n");
}

TEST_F(EntryWindows, AFailedSaveSaysSoAndKeepsTheEdits) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami);
    Load(games);
    frmScores w(ctx);
    w.show();
    Type(w, "txtAway0", "27");
    // A folder where the season file should be: the save fails (even for root).
    std::filesystem::remove(dir / "1997.NFL");
    std::filesystem::create_directory(dir / "1997.NFL");
    Child<QPushButton>(w, "cmdOK")->click();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(prompts.Asked().size(), 1u);
    EXPECT_EQ(prompts.Asked()[0].Title, "Unable To Save");
    EXPECT_TRUE(prompts.Asked()[0].Text.contains("1997.NFL")) << prompts.Asked()[0].Text.toStdString();
    EXPECT_EQ(state.Games[0][0].AwayScore, 0);  // memory still matches the file
    EXPECT_EQ(Child<QLineEdit>(w, "txtAway0")->text(), "27");

    std::filesystem::remove(dir / "1997.NFL");
    Child<QPushButton>(w, "cmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Record(Season(), 1, 0)[3], 27);
}

TEST_F(EntryWindows, ArchivedSeasonIsChangedInMemoryOnly) {
    SeasonGrid games{};
    games[0][0] = Game(kDenver, kMiami);
    Load(games);
    const std::string season = Season();
    state.CurrentSeasonOpen = false;
    frmScores w(ctx);
    Type(w, "txtHome0", "9");
    Child<QPushButton>(w, "cmdOK")->click();
    EXPECT_EQ(state.Games[0][0].HomeScore, 9);
    EXPECT_EQ(state.Games[0][0].WinTeam, kMiami);
    EXPECT_EQ(Season(), season);
}

}  // namespace
}  // namespace gm::ui
