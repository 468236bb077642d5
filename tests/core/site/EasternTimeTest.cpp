#include <gtest/gtest.h>

#include "core/site/EasternTime.h"
#include "support/UtcTime.h"

namespace gm {
namespace {

using namespace std::chrono;

using test::Utc;

// Eastern wall-clock times around both changes of the clocks, and their instants.
TEST(EasternTime, KickoffsMapToTheirInstantAcrossDaylightSavingChanges) {
    struct Case {
        EasternClock Eastern;
        SiteTime Expected;
    } cases[] = {
        {{20240905, 2020}, Utc(2024, 9, 6, 0, 20)},    // Thursday opener, daylight time
        {{20241103, 100}, Utc(2024, 11, 3, 5, 0)},     // 1:00 the day clocks fall back: first time, EDT
        {{20241103, 159}, Utc(2024, 11, 3, 5, 59)},
        {{20241103, 200}, Utc(2024, 11, 3, 7, 0)},     // standard time again
        {{20241103, 1300}, Utc(2024, 11, 3, 18, 0)},   // Sunday 1 PM after the change
        {{20241027, 1300}, Utc(2024, 10, 27, 17, 0)},  // Sunday 1 PM the week before
        {{20250309, 159}, Utc(2025, 3, 9, 6, 59)},     // last minute of standard time
        {{20250309, 230}, Utc(2025, 3, 9, 7, 30)},     // skipped hour counts as standard time
        {{20250309, 300}, Utc(2025, 3, 9, 7, 0)},      // 3:00 EDT
        {{20250112, 1630}, Utc(2025, 1, 12, 21, 30)},  // January play-off game
        {{20250209, 1830}, Utc(2025, 2, 9, 23, 30)},   // Super Bowl
        {{20231105, 1300}, Utc(2023, 11, 5, 18, 0)},   // another year's first Sunday of November
        {{20230312, 1300}, Utc(2023, 3, 12, 17, 0)},   // another year's second Sunday of March
    };
    for (const Case& c : cases) {
        const std::optional<SiteTime> got = EasternToUtc(c.Eastern);
        ASSERT_TRUE(got.has_value()) << c.Eastern.Date << " " << c.Eastern.Time;
        EXPECT_EQ(*got, c.Expected) << c.Eastern.Date << " " << c.Eastern.Time;
        if (!(c.Eastern.Date == 20250309 && c.Eastern.Time == 230)) {
            EXPECT_EQ(UtcToEastern(*got), c.Eastern) << c.Eastern.Date << " " << c.Eastern.Time;
        }
    }
}

TEST(EasternTime, ImpossibleDatesAndTimesHaveNoInstant) {
    for (EasternClock bad : {EasternClock{20241301, 1300}, EasternClock{20240230, 1300}, EasternClock{20240905, 2400},
                             EasternClock{20240905, 1260}, EasternClock{0, 0}})
        EXPECT_FALSE(EasternToUtc(bad).has_value()) << bad.Date << " " << bad.Time;
}

TEST(EasternTime, StampsCarryTheOffsetInForce) {
    EXPECT_EQ(EasternStamp(Utc(2024, 9, 6, 0, 20)), "2024-09-05T20:20:00-04:00");
    EXPECT_EQ(EasternStamp(Utc(2024, 12, 1, 18, 0)), "2024-12-01T13:00:00-05:00");
    EXPECT_EQ(EasternLabel(Utc(2024, 9, 6, 0, 20)), "Thu 9/5/2024 8:20 PM ET");
    EXPECT_EQ(EasternLabel(Utc(2024, 12, 1, 5, 5)), "Sun 12/1/2024 12:05 AM ET");
}

}  // namespace
}  // namespace gm
