#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>

#include "Fixture.h"
#include "ui/display/ElectronicSign.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/frmSplash.h"

namespace gm::ui {
namespace {

TEST(About, SignRunsItsMessagesAndTheGridButtonFlips) {
    test::ShellFixture f(1LL << 24);
    frmAbout about(*f.ctx);
    ElectronicSign* sign = about.Sign();
    ASSERT_NE(sign, nullptr);
    EXPECT_EQ(sign->PanelColor(), QColor(0, 0, 128));
    EXPECT_FALSE(sign->Grid());  // deep display: grid off
    auto* grid = about.findChild<QPushButton*>("cmdGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->text(), "Show &Grid");
    grid->click();
    EXPECT_TRUE(sign->Grid());
    EXPECT_EQ(grid->text(), "Hide &Grid");

    const QString first = sign->Text();
    EXPECT_FALSE(first.trimmed().isEmpty());
    for (int i = 0; i < 2000 && sign->Text() == first; ++i) sign->Advance();
    EXPECT_NE(sign->Text(), first);  // the next line follows each pass
}

TEST(Splash, AKeyOrAClickEndsItAtOnce) {
    frmSplash splash;
    int done = 0;
    QObject::connect(&splash, &frmSplash::Done, [&] { ++done; });
    splash.Start();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&splash, &key);
    QApplication::sendEvent(&splash, &key);
    EXPECT_EQ(done, 1);
}

TEST(QuickTour, OpensTheAvailableWindowsUntilCancelled) {
    test::ShellFixture f;
    f.Stand(Display::Members);
    f.Stand(Display::PoolStandings);
    f.Stand(Display::NflMarquee);
    frmMain w(*f.ctx);
    f.prompts.Answer(PromptAnswer::Ok);
    f.prompts.Answer(PromptAnswer::Cancel);
    w.Item("HelpItem10")->trigger();
    ASSERT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "The Gridmoot Quick Tour");
    EXPECT_EQ(f.opened["frmPlayer"], 1);
    EXPECT_EQ(f.opened["frmPoolStn"], 0);
    EXPECT_EQ(f.opened["frmNFLDisp"], 0);
}

}  // namespace
}  // namespace gm::ui
