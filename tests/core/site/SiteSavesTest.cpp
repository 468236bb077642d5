#include <gtest/gtest.h>

#include "core/site/SiteSaves.h"

namespace gm {
namespace {

using namespace std::chrono;

TEST(SiteSaves, AuditStampsReadAsInstants) {
    const struct {
        const char* Stamp;
        std::optional<SiteTime> Want;
    } cases[] = {
        {"2024-09-05T20:20:00-04:00", sys_days(2024y / 9 / 6) + hours(0) + minutes(20)},
        {"2024-12-01T13:05:09-05:00", sys_days(2024y / 12 / 1) + hours(18) + minutes(5) + seconds(9)},
        {"2024-09-05T20:20:00+01:30", sys_days(2024y / 9 / 5) + hours(18) + minutes(50)},
        {"2024-02-30T10:00:00-05:00", std::nullopt},  // no such day
        {"2024-09-05 20:20:00-04:00", std::nullopt},
        {"2024-09-05T2x:20:00-04:00", std::nullopt},
        {"2024-09-05T20:20:00", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseAuditStamp(c.Stamp), c.Want) << c.Stamp;
}

// One row a member with the last save of the week asked for, the latest
// first; other weeks, failed saves and lines that are not saves are passed over.
TEST(SiteSaves, OneRowAMemberWithTheLastSaveOfTheWeekLatestFirst) {
    const std::string log =
        "2024-09-05T20:20:00-04:00 member=\"Anne\" address=\"10.0.0.5\" week=1 changes: game 1 -/0->PHI/0\n"
        "2024-09-05T20:25:00-04:00 member=\"Bob \\\"B\\\"\" address=\"10.0.0.6\" week=1 changes: none\n"
        "2024-09-05T21:00:00-04:00 member=\"Cleo\" address=\"10.0.0.7\" week=2 changes: none\n"
        "garbage line\n"
        "2024-09-05T21:10:00-04:00 member=\"Anne\" address=\"10.0.0.9\" week=1 changes: game 1 PHI/0->GB/0\n"
        "2024-09-05T21:15:00-04:00 member=\"Dora\" address=\"10.0.0.8\" week=1 changes: game 2 -/0->KC/0 NOT "
        "SAVED: No space left on device\n";
    const std::vector<SavedSheetRow> rows = WhoSaved(log, 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Member, "Anne");
    EXPECT_EQ(rows[0].When, "Thu 9/5/2024 9:10 PM ET");
    EXPECT_EQ(rows[0].Address, "10.0.0.9");
    EXPECT_EQ(rows[0].Saves, 2);
    EXPECT_EQ(rows[1].Member, "Bob \"B\"");
    EXPECT_EQ(rows[1].Saves, 1);
    EXPECT_TRUE(WhoSaved(log, 3).empty());
    EXPECT_EQ(WhoSavedSummary(2, 12, 1), "2 of 12 members have saved week 1.");
    EXPECT_EQ(WhoSavedSummary(0, 1, 22), "0 of 1 member has saved week 22.");
}

TEST(SiteSaves, QuestionNamesEachMemberAndWeekOnce) {
    const std::string q = SavedElsewhereQuestion({{"Anne", 3}, {"Bob", 3}, {"Anne", 3}, {"Anne", 4}});
    EXPECT_NE(q.find("saved the picks of Anne (week 3), Bob (week 3), Anne (week 4).\n"), std::string::npos) << q;
}

}  // namespace
}  // namespace gm
