#include "core/site/SiteSettings.h"

#include <gtest/gtest.h>

#include "core/data/MemberRecord.h"
#include "support/Season2024.h"
#include "support/UtcTime.h"

namespace gm {
namespace {

using namespace std::chrono;

using test::Utc;

TEST(SiteSettings, DeadlinesReadAsEasternDateAndTimeOrNotAtAll) {
    struct Case {
        const char* Text;
        bool Valid;
    } cases[] = {{"2024-09-08 13:00", true}, {"2024-02-29 23:59", true}, {"2023-02-29 12:00", false},
                 {"2024-09-08 24:00", false}, {"2024-9-8 13:00", false},   {"2024-09-08T13:00", false},
                 {"", false},                 {"2024-09-08 13:0x", false}};
    for (const Case& c : cases) {
        const auto when = ParseDeadline(c.Text);
        EXPECT_EQ(when.has_value(), c.Valid) << c.Text;
        if (when) EXPECT_EQ(DeadlineText(*when), c.Text);
    }
}

TEST(SiteSettings, TheDeadlineLocksOnlyItsOwnWeekAndSurvivesTheSettingsFile) {
    test::TempDir dir;
    AppState state(dir.path());
    test::LoadSeason2024(state, 0);
    state.CurrentWeek = 1;
    MemberRecord ann;
    ann.Name = FitName("Ann Smith");
    state.Members.push_back(ann);
    state.MemberCount = 1;

    EXPECT_EQ(ReadSiteSettings(state), SiteSettings{});
    SiteSettings s;
    s.AutoAdvance = true;
    s.DeadlineWeek = 1;
    s.Deadline = ParseDeadline("2024-09-05 19:00");  // before Thursday's game
    ASSERT_TRUE(WriteSiteSettings(state, s).ok());
    ASSERT_EQ(ReadSiteSettings(state), s);

    const SiteTime before = Utc(2024, 9, 5, 22, 59), after = Utc(2024, 9, 5, 23, 0);
    EXPECT_FALSE(SheetLocked(state, OpenSheetAt(state, s, before).Options, 1, before));
    const OpenSheet locked = OpenSheetAt(state, s, after);
    EXPECT_EQ(locked.Week, 1);
    EXPECT_TRUE(SheetLocked(state, locked.Options, 1, after));

    // Once week 1 has played out, auto-advance opens week 2, which the deadline does not touch.
    const SiteTime tuesday = Utc(2024, 9, 10, 16, 0);
    const OpenSheet next = OpenSheetAt(state, s, tuesday);
    EXPECT_EQ(next.Week, 2);
    EXPECT_FALSE(next.Options.Deadline.has_value());
    EXPECT_FALSE(SheetLocked(state, next.Options, 2, tuesday));

    // A deadline of a week that is not in the season is no deadline.
    ASSERT_TRUE(state.Settings.Write("Site", "DeadlineWeek", "40").ok());
    EXPECT_FALSE(ReadSiteSettings(state).Deadline.has_value());
}

TEST(SiteSettings, TheAuditLogGivesWhoSavedAWeekAndWhen) {
    test::TempDir dir;
    AppState state(dir.path());
    test::LoadSeason2024(state, 0);
    MemberRecord m;
    m.Name = FitName("Zoë \"Q\" O'Neil");
    state.Members.push_back(m);
    state.MemberCount = 1;
    SubmitResult r;
    r.Member = 0;
    r.Week = 3;
    r.Changes.push_back({2, 0, 5, 0, 4, 0, 0});
    const std::string log = AuditLine(state, r, "10.0.0.7", Utc(2024, 9, 19, 12, 0)) + "\n" +
                            "garbage line\n" + AuditLine(state, r, "10.0.0.8", Utc(2024, 9, 20, 12, 0)) + " NOT SAVED: disk full\n";
    r.Week = 4;
    const std::string more = log + AuditLine(state, r, "10.0.0.9", Utc(2024, 9, 26, 12, 0)) + "\n";
    // The save that failed is not one.
    const std::vector<AuditSave> saves = ReadAuditSaves(more, 3);
    ASSERT_EQ(saves.size(), 1u) << more;
    EXPECT_EQ(saves[0].Member, "Zoë \"Q\" O'Neil");
    EXPECT_EQ(saves[0].Address, "10.0.0.7");
    EXPECT_EQ(saves[0].Stamp, "2024-09-19T08:00:00-04:00");
    EXPECT_EQ(ReadAuditSaves(more, 4).size(), 1u);
}

}  // namespace
}  // namespace gm
