#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QPixmap>

#include "Fixture.h"
#include "ui/display/ElectronicSign.h"
#include "ui/shell/frmAbout.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/frmOptions.h"
#include "ui/shell/frmSplash.h"

namespace gm::ui {
namespace {

// Writes pictures of the windows for a person to look at; runs only when
// GRIDMOOT_SCREENSHOTS names a folder.
TEST(Screenshots, MainWindowSchemesAndDialogs) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    QDir().mkpath(folder);
    for (int scheme : {1, 2, 3, 7, 8, 9, 10, 11, 12}) {
        test::ShellFixture f;
        f.state->ColorScheme = scheme;
        frmMain w(*f.ctx);
        w.resize(900, 620);
        w.show();
        for (int i = 0; i < 60; ++i) w.Sign()->Advance();
        EXPECT_TRUE(w.grab().save(folder + QString("/main-scheme%1.png").arg(scheme)));
    }
    test::ShellFixture f;
    frmOptions options(*f.ctx);
    options.show();
    EXPECT_TRUE(options.grab().save(folder + "/options.png"));
    frmAbout about(*f.ctx);
    about.show();
    for (int i = 0; i < 40; ++i) about.Sign()->Advance();
    EXPECT_TRUE(about.grab().save(folder + "/about.png"));
    frmSplash splash;
    splash.Start();
    QEventLoop wait;
    QTimer::singleShot(800, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_TRUE(splash.grab().save(folder + "/splash.png"));
}

}  // namespace
}  // namespace gm::ui
