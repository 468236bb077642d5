#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QEventLoop>
#include <QTimer>
#include <set>

#include "ui/display/ElectronicSign.h"
#include "ui/display/LampFont.h"
#include "ui/display/SignSetup.h"

namespace gm::ui {
namespace {

TEST(LampFont, EveryPrintableCharacterHasItsOwnLamps) {
    std::set<std::array<std::uint8_t, kGlyphWidth>> seen;
    for (char32_t c = 33; c <= 126; ++c) {
        const auto& g = LampGlyph(c);
        int lit = 0;
        for (auto column : g) {
            lit += column != 0;
            EXPECT_EQ(column & 0x80, 0) << char(c);  // seven rows only
        }
        EXPECT_GT(lit, 0) << char(c);
        seen.insert(g);
    }
    // 'l' and 'I' and '|' may look alike on real signs; the rest must differ.
    EXPECT_GE(seen.size(), 92u);
    EXPECT_EQ(LampGlyph(U'\u00ff'), LampGlyph(U'?'));
}

// Every character a Windows-1252 name or message can hold lights its own
// lamps or is spelled out: none falls back to '?'.
TEST(LampFont, EveryWindows1252CharacterShows) {
    static constexpr char32_t kHigh[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                                         0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                         0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    std::vector<char32_t> chars(std::begin(kHigh), std::end(kHigh));
    for (char32_t c = 0xA1; c <= 0xFF; ++c) chars.push_back(c);
    const auto& unknown = LampGlyph(U'?');
    for (const char32_t c : chars) {
        const QString one = QString::fromUcs4(&c, 1);
        bool shown = false;
        for (const char32_t d : one.normalized(QString::NormalizationForm_D).toUcs4()) {
            if (QChar::category(d) == QChar::Mark_NonSpacing) continue;
            const std::u32string_view spelled = LampSpelling(d);
            shown = spelled.empty() ? LampGlyph(d) != unknown : true;
            for (const char32_t e : spelled) shown = shown && (e == U'?' || LampGlyph(e) != unknown);
        }
        EXPECT_TRUE(shown) << std::hex << static_cast<unsigned>(c);
    }
}

// An empty message still runs through, so a marquee waiting for its end goes on.
TEST(ElectronicSign, AnEmptyMessageStillFinishes) {
    ElectronicSign sign;
    sign.resize(90, 90);
    int passes = 0;
    QObject::connect(&sign, &ElectronicSign::finished, [&] { ++passes; });
    sign.Text("");
    EXPECT_TRUE(sign.Scrolling());
    for (int i = 0; i < 30 && passes == 0; ++i) sign.Advance();
    EXPECT_EQ(passes, 1);
}

TEST(ElectronicSign, ScrollsTheMessageThroughAndReportsEachPass) {
    ElectronicSign sign;
    sign.resize(90, 9 * 10);  // 9 columns of 10-pixel lamps
    ASSERT_EQ(sign.LampColumns(), 9);
    std::vector<ElectronicSign*> passes;
    QObject::connect(&sign, &ElectronicSign::finished, [&](ElectronicSign* s) { passes.push_back(s); });
    sign.Text("I");
    ASSERT_TRUE(sign.Scrolling());
    // The message enters from the right-hand edge.
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r) EXPECT_FALSE(sign.LampLit(r, c));
    for (int i = 0; i < 9; ++i) sign.Advance();
    // "I" is lit in its middle column from the top character row to the bottom.
    for (int r = 1; r <= 7; ++r) EXPECT_TRUE(sign.LampLit(r, 2)) << r;
    EXPECT_FALSE(sign.LampLit(0, 2));
    EXPECT_FALSE(sign.LampLit(8, 2));
    EXPECT_TRUE(passes.empty());
    for (int i = 0; i < 6; ++i) sign.Advance();  // five columns and a gap
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_EQ(passes[0], &sign);

    // The owner answers with the next message; it starts at the right edge.
    QObject::connect(&sign, &ElectronicSign::finished, &sign, [](ElectronicSign* s) { s->Text("Next"); });
    for (int i = 0; i < 15; ++i) sign.Advance();
    EXPECT_EQ(sign.Text(), "Next");

    sign.StopDisplay();
    EXPECT_FALSE(sign.Scrolling());
    sign.Text("after close");
    EXPECT_FALSE(sign.Scrolling());
}

TEST(ElectronicSign, AMessageSetBeforeLayoutStillEntersFromTheRight) {
    ElectronicSign sign;
    sign.resize(50, 90);  // 5 lamps wide
    sign.Text("I");
    sign.resize(200, 90);  // laid out: 20 lamps wide
    sign.Advance();
    sign.Advance();
    for (int c = 0; c < 20; ++c) EXPECT_FALSE(sign.LampLit(4, c)) << c;
    sign.Advance();
    EXPECT_TRUE(sign.LampLit(4, 19));  // the middle column of "I" at the right edge
}

bool AnyLampLit(const ElectronicSign& sign) {
    for (int r = 0; r < sign.LampRows(); ++r)
        for (int c = 0; c < sign.LampColumns(); ++c)
            if (sign.LampLit(r, c)) return true;
    return false;
}

// A rate on its own (Mode 0) is a pause: the lamps go dark for one step of the
// pause's length, the last message is not replayed, and the end of the pause is
// reported like the end of a message. A rate with a new message (Mode 3) sets
// the scrolling speed instead, whatever its size.
TEST(ElectronicSign, APauseRequestDarkensTheSignForAPause) {
    ElectronicSign sign;
    sign.resize(90, 90);
    int passes = 0;
    QObject::connect(&sign, &ElectronicSign::finished, [&] { ++passes; });
    ShowSignMessage(sign, 0, QString("Al  Won 3"));
    EXPECT_EQ(sign.StepInterval(), ElectronicSign::ScrollInterval(0));
    for (int i = 0; i < 12; ++i) sign.Advance();
    ASSERT_TRUE(AnyLampLit(sign));

    ShowSignMessage(sign, 30);
    EXPECT_TRUE(sign.Pausing());
    EXPECT_TRUE(sign.Scrolling());
    EXPECT_EQ(sign.Rate(), 30);
    EXPECT_FALSE(AnyLampLit(sign));
    EXPECT_EQ(sign.StepInterval(), ElectronicSign::PauseLength(30));
    EXPECT_GT(ElectronicSign::PauseLength(30), ElectronicSign::PauseLength(28));
    EXPECT_LE(ElectronicSign::PauseLength(30), 1500);  // a pause, not a second showing
    sign.Advance();
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(sign.Pausing());

    // Nobody answered: the last message comes round again from the right.
    EXPECT_EQ(sign.Text(), "Al  Won 3");
    EXPECT_EQ(sign.StepInterval(), ElectronicSign::ScrollInterval(30));
    EXPECT_FALSE(AnyLampLit(sign));
    for (int i = 0; i < 12; ++i) sign.Advance();
    EXPECT_TRUE(AnyLampLit(sign));

    // A new message ends a pause at once; a large rate with it only slows it.
    ShowSignMessage(sign, 28);
    ShowSignMessage(sign, 40, QString("Next"));
    EXPECT_FALSE(sign.Pausing());
    EXPECT_EQ(sign.StepInterval(), ElectronicSign::ScrollInterval(40));
    EXPECT_LT(ElectronicSign::ScrollInterval(0), ElectronicSign::ScrollInterval(18));

    // A stopped sign stays stopped through a pause request.
    sign.StopDisplay();
    ShowSignMessage(sign, 30);
    EXPECT_FALSE(sign.Scrolling());
}

TEST(ElectronicSign, TheTimerDrivesIt) {
    ElectronicSign sign;
    sign.resize(60, 36);
    sign.Rate(0);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&sign, &ElectronicSign::finished, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    sign.Text("Hi");
    loop.exec();
    EXPECT_TRUE(finished);
}

TEST(SignSetup, MarqueeOnADeepDisplayHidesTheGrid) {
    QWidget window;
    QWidget* box = new QWidget(&window);
    QPushButton* button = new QPushButton(&window);
    QLabel* label = new QLabel(&window);
    ElectronicSign sign;
    SetupMarqueeSign(sign, box, button, {label}, 1LL << 24);
    EXPECT_EQ(sign.parentWidget(), box);
    EXPECT_EQ(sign.PanelColor(), QColor(0, 0, 128));
    EXPECT_EQ(sign.LampColor(), QColor(0, 255, 255));
    EXPECT_EQ(sign.Rate(), 1);
    EXPECT_EQ(sign.Text(), " ");
    EXPECT_FALSE(sign.Grid());
    EXPECT_EQ(button->text(), "Show &Grid");
    EXPECT_TRUE(label->autoFillBackground());

    ToggleSignGrid(sign, button);
    EXPECT_TRUE(sign.Grid());
    EXPECT_EQ(button->text(), "Hide &Grid");
    ToggleSignGrid(sign, button);
    EXPECT_FALSE(sign.Grid());
    EXPECT_EQ(button->text(), "Show &Grid");
    sign.setParent(nullptr);
}

TEST(SignSetup, OtherSequences) {
    QPushButton button;
    ElectronicSign pool;
    pool.Rate(5);
    SetupPoolMarqueeSign(pool, nullptr, &button, {}, 256);
    EXPECT_EQ(pool.LampColor(), QColor(255, 255, 0));
    EXPECT_EQ(pool.Rate(), 5);  // the pool marquee leaves the rate alone
    EXPECT_TRUE(pool.Grid());   // 256 colours keep the grid
    EXPECT_EQ(button.text(), "Hide &Grid");

    ElectronicSign banner;
    SetupBannerSign(banner, nullptr);
    EXPECT_EQ(banner.LampColor(), QColor(255, 255, 0));
    EXPECT_EQ(banner.Rate(), 3);
    EXPECT_EQ(banner.Text(), "Lumex Electronic Message");

    EXPECT_FALSE(banner.Pausing());  // the rate set before the message does not hold it back
    ShowSignMessage(banner, 2);
    EXPECT_EQ(banner.Mode(), 0);
    EXPECT_EQ(banner.Rate(), 2);
    EXPECT_TRUE(banner.Pausing());
    EXPECT_EQ(banner.Text(), "Lumex Electronic Message");
    ShowSignMessage(banner, 4, QString("Go Pack"));
    EXPECT_EQ(banner.Mode(), 3);
    EXPECT_EQ(banner.Text(), "Go Pack");
}

}  // namespace
}  // namespace gm::ui
