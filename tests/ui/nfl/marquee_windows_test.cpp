// The NFL marquee's painted background and the analyzer's sign controls.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "core/nfl/fixtures/NflFixture.h"
#include "ui/nfl/frmAnalyze.h"
#include "ui/nfl/frmNFLDisp.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct Fixture {
    test::TempDir dir;
    AppState state{test::NflFixtureState(dir.path(), 2)};
    ScriptedPrompter prompts;
    UiContext ctx{state, prompts};
};

// On a deep display the marquee is painted green fanning into navy: along
// the top edge the fans run from navy on the left to green on the right.
TEST(frmNFLDisp, GreenToNavyFansBehindTheMarquee) {
    Fixture f;
    f.ctx.ScreenColorsOverride = 1LL << 24;
    frmNFLDisp window(f.ctx);
    window.show();
    const QImage picture = window.grab().toImage();
    const QColor left = picture.pixelColor(picture.width() / 4, 2);
    const QColor right = picture.pixelColor(picture.width() * 7 / 8, 2);
    EXPECT_LT(left.green(), 90) << left.name().toStdString();
    EXPECT_GT(left.blue(), 35) << left.name().toStdString();
    EXPECT_GT(right.green(), 140) << right.name().toStdString();
    EXPECT_LT(right.blue(), 30) << right.name().toStdString();
    EXPECT_EQ(left.red() + right.red(), 0);
}

// Hiding the marquee hides everything that belongs to it, its week caption too.
TEST(frmAnalyze, HideMarqueeTakesTheMarqueeWeekCaptionAlong) {
    Fixture f;
    frmAnalyze window(f.ctx);
    window.show();
    auto* button = window.findChild<QPushButton*>("cmdMarquee");
    auto* caption = window.findChild<QLabel*>("lblMWeekCaption");
    ASSERT_TRUE(button && caption);
    EXPECT_TRUE(caption->text().startsWith("Marquee"));
    const char* parts[] = {"picDisplay", "cmdGrid", "lblMWeekCaption", "lblMWeek", "MSpin"};
    for (const bool shown : {false, true}) {
        button->click();
        for (const char* name : parts) {
            auto* w = window.findChild<QWidget*>(name);
            ASSERT_TRUE(w) << name;
            EXPECT_EQ(w->isVisible(), shown) << name;
        }
    }
}

}  // namespace
}  // namespace gm::ui
