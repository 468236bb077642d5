#include <QAction>

#include "SiteWindowFixture.h"
#include "ui/shell/MainWindow.h"
#include "ui/site/RegisterSiteWindows.h"

namespace gm::test {
namespace {

// The Pool menu's last item opens the one picks site window of the run,
// modeless; the site outlives the window's closing and ends with the program.
TEST_F(SiteWindowTest, PoolMenuOpensOneModelessWindowAndTheProgramsEndStopsTheSite) {
    ui::WindowRegistry windows;
    ui::RegisterSiteWindows(windows);
    ctx.Windows = &windows;
    auto main = std::make_unique<ui::frmMain>(ctx);
    ASSERT_TRUE(main->Item("PoolItem16")->isSeparator());
    QAction* item = main->Item("PoolItem17");
    EXPECT_EQ(item->text(), "Picks S&ite...");
    ASSERT_TRUE(item->isEnabled());

    item->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    auto* site = main->findChild<ui::frmSite*>("frmSite");
    ASSERT_NE(site, nullptr);
    EXPECT_TRUE(site->isVisible());
    site->SetClock([] { return Utc(2024, 9, 5, 16, 0); });
    site->findChild<QSpinBox*>("spnPort")->setValue(0);
    Start(*site);
    ASSERT_TRUE(site->Running());
    const int port = site->Server()->Port();

    site->close();
    item->trigger();
    EXPECT_EQ(main->findChildren<ui::frmSite*>().size(), 1);
    EXPECT_TRUE(site->isVisible());
    EXPECT_TRUE(site->Running());
    site->close();
    auto reply = Post(port, net::kPicksApiRoute, AwayPick("Anne", 1));
    ASSERT_TRUE(WaitFor([&] { return reply->Done.load(); }));
    EXPECT_EQ(reply->Status, 200);

    main->close();
    main.reset();
    EXPECT_EQ(Answered(Post(port, net::kPicksApiRoute, AwayPick("Anne", 2))), 0);  // nothing listens
}

}  // namespace
}  // namespace gm::test
