#include <QRadioButton>

#include "SiteWindowFixture.h"
#include "core/site/SiteSaves.h"
#include "ui/members/frmPicks.h"

namespace gm::test {
namespace {

class PicksWhileSiteRuns : public SiteWindowTest {
protected:
    int Member(const char* name) const { return FindMember(state, name); }
    int PickOnDisk(const char* name, int slot) const {
        AppState onDisk(dir.path());
        Load(onDisk);
        return onDisk.Members[static_cast<std::size_t>(FindMember(onDisk, name))].Picks[0][static_cast<std::size_t>(slot)];
    }
    void SaveThroughSite(ui::frmSite& site, const char* member, int place) {
        auto reply = Post(site.Server()->Port(), net::kPicksApiRoute, AwayPick(member, place));
        ASSERT_TRUE(WaitFor([&] { return reply->Done.load(); }));
        ASSERT_EQ(reply->Status, 200) << reply->Body;
        QCoreApplication::processEvents();  // the window hears of the save
    }
};

// Without edits of its own, the open selections window shows what the site
// saved, and its OK keeps it.
TEST_F(PicksWhileSiteRuns, AnOpenSelectionsWindowShowsTheSitesSave) {
    auto site = OpenWindow();
    Start(*site);
    ASSERT_TRUE(site->Running());
    state.CurrentPlayer = Member("Anne");
    ui::frmPicks picks(ctx);
    picks.show();
    ASSERT_FALSE(picks.findChild<QRadioButton*>("OpAway0")->isChecked());

    SaveThroughSite(*site, "Anne", 1);
    EXPECT_TRUE(WaitFor([&] { return picks.findChild<QRadioButton*>("OpAway0")->isChecked(); }, 2000));
    picks.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_TRUE(prompts.Asked().empty());
    EXPECT_EQ(PickOnDisk("Anne", 0), state.Games[0][0].AwayTeam);
}

// With edits, OK asks before writing the window's copy over a sheet the site
// saved meanwhile; No keeps the site's sheet and the window open.
TEST_F(PicksWhileSiteRuns, OkAsksBeforeWritingOverTheSitesSave) {
    auto site = OpenWindow();
    Start(*site);
    state.CurrentPlayer = Member("Anne");
    ui::frmPicks picks(ctx);
    picks.show();
    picks.findChild<QRadioButton*>("OpHome1")->click();

    SaveThroughSite(*site, "Bob", 1);
    prompts.Answer(ui::PromptAnswer::No);
    picks.findChild<QPushButton*>("cmdOK")->click();
    ASSERT_EQ(prompts.Asked().size(), 1u);
    EXPECT_EQ(prompts.Asked()[0].Title, QString::fromUtf8(kSavedElsewhereTitle.data()));
    EXPECT_NE(prompts.Asked()[0].Text.indexOf("Bob (week 1)"), -1) << prompts.Asked()[0].Text.toStdString();
    EXPECT_TRUE(picks.isVisible());
    EXPECT_EQ(PickOnDisk("Bob", 0), state.Games[0][0].AwayTeam);
    EXPECT_EQ(PickOnDisk("Anne", 1), 0);
}

}  // namespace
}  // namespace gm::test
