#include <QDir>

#include "SiteWindowFixture.h"
#include "ui/members/frmPlayer.h"

namespace gm::test {
namespace {

// Pictures of the picks site window while it runs, and of the members window
// with its PIN buttons; only when GRIDMOOT_SCREENSHOTS names a folder.
TEST_F(SiteWindowTest, Screenshots) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    QDir().mkpath(folder);
    auto w = OpenWindow();
    w->show();
    Start(*w);
    ASSERT_TRUE(w->Running());
    for (const char* member : {"Anne", "Bob"}) {
        auto reply = Post(w->Server()->Port(), net::kPicksApiRoute, AwayPick(member, 1));
        ASSERT_EQ(Answered(reply), 200) << reply->Body;
    }
    ASSERT_TRUE(WaitFor([&] { return w->findChild<QTreeWidget*>("lstSaved")->topLevelItemCount() == 2; }));
    QTest::qWait(200);
    EXPECT_TRUE(w->grab().save(folder + "/picksite-running.png"));

    ui::frmPlayer members(ctx);
    members.show();
    QTest::qWait(200);
    EXPECT_TRUE(members.grab().save(folder + "/members-pins.png"));
}

}  // namespace
}  // namespace gm::test
