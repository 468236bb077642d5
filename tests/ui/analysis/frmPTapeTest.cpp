// The pool marquee window: its yellow sign, its labels, the week spin and
// the cycle the sign's "finished" signal drives.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QLabel>
#include <QPushButton>

#include "core/pool/fixtures/PoolFixture.h"
#include "ui/analysis/frmPTape.h"
#include "ui/display/ElectronicSign.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

template <typename T>
T* Child(QWidget& w, const char* name) {
    auto* c = w.findChild<T*>(name);
    if (!c) ADD_FAILURE() << "no control " << name;
    return c;
}

QString Label(QWidget& w, const char* name) { return Child<QLabel>(w, name)->text(); }

TEST(frmPTape, SignCycleLabelsAndWeekSpin) {
    test::PoolFixture pool;
    pool.State.CurrentWeek = 1;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    ctx.ScreenColorsOverride = 256;  // the grid stays on
    frmPTape window(ctx);
    ElectronicSign* sign = window.Sign();
    ASSERT_TRUE(sign);
    EXPECT_EQ(sign->LampColor(), QColor(255, 255, 0));
    EXPECT_EQ(sign->Text(), " ");
    EXPECT_EQ(window.windowTitle(), "This Week In The Office Pool");
    EXPECT_EQ(Label(window, "lblWeek"), "1");
    EXPECT_EQ(Label(window, "lblSort"), "Con. Pts");
    EXPECT_EQ(Label(window, "lblTB"), "Mon. Pts");
    EXPECT_EQ(Label(window, "lblPlayed"), "3");
    EXPECT_EQ(Label(window, "lblRank"), "");

    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "Al Adams  Won 3  Lost 0  Tied 0  CPts 6.0  Tb 7 ");
    EXPECT_EQ(sign->Mode(), 3);
    EXPECT_EQ(Label(window, "lblRank"), "1");
    emit sign->finished(sign);  // the pause: a rate on its own, and the lamps go dark
    EXPECT_EQ(sign->Mode(), 0);
    EXPECT_EQ(sign->Rate(), 30);
    EXPECT_TRUE(sign->Pausing());
    EXPECT_EQ(sign->StepInterval(), ElectronicSign::PauseLength(30));
    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "Cathy  Won 2  Lost 1  Tied 0  CPts 5.0  Tb 0 ");
    EXPECT_EQ(Label(window, "lblRank"), "2");

    auto* spin = Child<SpinButton>(window, "SpinButton1");
    emit spin->SpinUp();
    EXPECT_EQ(pool.State.CurrentWeek, 2);
    EXPECT_EQ(Label(window, "lblWeek"), " 2");
    EXPECT_EQ(Label(window, "lblPlayed"), "2");
    emit sign->finished(sign);
    EXPECT_EQ(sign->Text(), "Al Adams  Won 1  Lost 0  Tied 1  CPts 2.5  Tb 4 ");
    EXPECT_EQ(Label(window, "lblRank"), "1");

    auto* grid = Child<QPushButton>(window, "cmdGrid");
    EXPECT_EQ(grid->text(), "Hide &Grid");
    grid->click();
    EXPECT_FALSE(sign->Grid());
    EXPECT_EQ(grid->text(), "Show &Grid");
}

// Twelve members with names of the full 18 characters, each 10-5 in a week
// of 15 games.
void TwelveLongNames(AppState& state) {
    auto& week1 = state.Games[0];
    for (int slot = 0; slot < 15; ++slot)
        week1[static_cast<std::size_t>(slot)] = test::FixtureGame(2 * slot + 1, 2 * slot + 2, 20 + slot, 10);
    state.Members.clear();
    for (int m = 0; m < 12; ++m) {
        MemberRecord member = test::FixtureMember("Maximiliano Barre" + std::string(1, char('A' + m)));
        for (int slot = 0; slot < 15; ++slot) test::Pick(member, 0, slot, 2 * slot + (slot < 10 ? 1 : 2), slot + 1);
        member.Tiebreak[0] = static_cast<std::uint8_t>(10 + m);
        state.Members.push_back(member);
    }
    state.MemberCount = 12;
    state.CurrentWeek = 1;
}

// A pool of twelve members with the longest names goes round, each line
// followed by its dark pause, in well under a minute. The time is counted from
// the steps the sign takes (each step waits StepInterval()), not from a clock.
TEST(frmPTape, ATwelveMemberPoolGoesRoundInWellUnderAMinute) {
    test::PoolFixture pool;
    TwelveLongNames(pool.State);
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    frmPTape window(ctx);
    window.show();  // laid out: the sign has the width the user sees
    ElectronicSign* sign = window.Sign();
    ASSERT_GE(sign->LampColumns(), 60);
    auto* rank = Child<QLabel>(window, "lblRank");

    std::vector<QString> lines;
    int pauses = 0;
    bool round = false;
    QObject::connect(sign, &ElectronicSign::finished, &window, [&] {
        if (sign->Pausing()) {
            ++pauses;
            EXPECT_EQ(sign->StepInterval(), ElectronicSign::PauseLength(30));
            return;
        }
        if (rank->text() == "1" && !lines.empty()) round = true;
        else lines.push_back(sign->Text());
    });
    emit sign->finished(sign);  // the first member's line starts
    ASSERT_EQ(lines.size(), 1u);
    long long ms = 0;
    for (long steps = 0; !round && steps < 100000; ++steps) {
        if (sign->Pausing()) {
            for (int r = 0; r < sign->LampRows(); ++r)
                for (int c = 0; c < sign->LampColumns(); ++c) ASSERT_FALSE(sign->LampLit(r, c));
        }
        ms += sign->StepInterval();
        sign->Advance();
    }
    ASSERT_TRUE(round);
    EXPECT_EQ(lines.size(), 12u);
    EXPECT_EQ(pauses, 12);
    EXPECT_TRUE(lines.back().startsWith("Maximiliano Barre")) << lines.back().toStdString();
    EXPECT_TRUE(lines.back().contains("Won 10  Lost 5  Tied 0  CPts 55.0")) << lines.back().toStdString();
    RecordProperty("RoundMs", std::to_string(ms));
    EXPECT_LT(ms, 50'000) << "one round of the pool takes " << ms << " ms";
}

// On a deep display the pool marquee is painted black fanning into red: along
// the top edge the fans run from red on the left to black on the right.
TEST(frmPTape, BlackToRedFansBehindTheMarquee) {
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    ctx.ScreenColorsOverride = 1LL << 24;
    frmPTape window(ctx);
    window.show();
    const QImage picture = window.grab().toImage();
    const QColor left = picture.pixelColor(picture.width() / 4, 2);
    const QColor right = picture.pixelColor(picture.width() * 7 / 8, 2);
    EXPECT_GT(left.red(), 150) << left.name().toStdString();
    EXPECT_LT(right.red(), 60) << right.name().toStdString();
    for (const QColor& c : {left, right}) EXPECT_EQ(c.green() + c.blue(), 0) << c.name().toStdString();
}

TEST(frmPTape, EmptyPoolShowsNothingAndDoesNotFail) {
    test::PoolFixture pool;
    pool.State.Members.clear();
    pool.State.MemberCount = 0;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    frmPTape window(ctx);
    ElectronicSign* sign = window.Sign();
    for (int i = 0; i < 4; ++i) emit sign->finished(sign);
    EXPECT_EQ(Label(window, "lblPlayed"), "0");
    EXPECT_EQ(Label(window, "lblRank"), "");
    EXPECT_TRUE(prompts.Asked().empty());
}


// Pictures of the pool marquee running on its own timer, to look at the
// background and the pacing as a user would.
TEST(Screenshots, PoolMarqueeRunning) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    test::PoolFixture pool;
    TwelveLongNames(pool.State);
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    frmPTape window(ctx);
    window.show();
    QElapsedTimer clock;
    clock.start();
    QFile log(folder + "/pool-marquee.log");
    log.open(QIODevice::WriteOnly);
    QObject::connect(window.Sign(), &ElectronicSign::finished, &window, [&] {
        log.write(QString("%1 ms rank %2 %3\n")
                      .arg(clock.elapsed())
                      .arg(window.findChild<QLabel*>("lblRank")->text())
                      .arg(window.Sign()->Pausing() ? "pause" : window.Sign()->Text())
                      .toUtf8());
    });
    for (int frame = 0; frame < 12; ++frame) {
        QTest::qWait(500);
        window.grab().save(QString("%1/pool-marquee-%2.png").arg(folder).arg(frame, 2, 10, QChar('0')));
    }
    QTest::qWait(40000);
}

}  // namespace
}  // namespace gm::ui
