#include <gtest/gtest.h>

#include "core/shell/MenuRules.h"
#include "support/TempDir.h"

namespace gm {
namespace {

struct Case {
    Display form;
    int members;
    bool currentSeason;
    int week;
    const char* title;  // nullptr: the window opens
    const char* text;
};

TEST(MenuRules, RefusesOnlyWhatCannotWork) {
    const Case cases[] = {
        {Display::Selections, 0, true, 1, "Insufficient # of Players",
         "You need to have at least one player in pool\nto enter player selections. "},
        {Display::Selections, 0, false, 1, "Insufficient # of Players",
         "You need to have at least one player in pool\nto enter player selections. "},
        {Display::Selections, 2, false, 1, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto enter player selections. "},
        {Display::Selections, 2, true, 1, nullptr, nullptr},
        {Display::PlayerStatPak, 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto use the Player Statpak. "},
        {Display::PlayerAnalyst, 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto use the Player Analyst. "},
        {Display::PlayerGraphs, 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto view Player Graphs. "},
        {Display::PoolRoom, 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto enter the Pool Room. "},
        {Display::PoolAnalyst, 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto use the Pool Analyst. "},
        {Display::PoolExperts, 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto view the Pool Experts. "},
        {Display::PoolExperts, 1, true, 3, "Insufficient Data",
         "The Pool Experts cannot be considered Experts\nuntil the start of the 4th NFL week."},
        {Display::PoolExperts, 1, true, 4, nullptr, nullptr},
        {Display::PlayerStatPak, 1, true, 1, nullptr, nullptr},
        // Displays that grade selections need the season they were made for.
        {Display::PoolExperts, 1, false, 4, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {Display::PlayerStatPak, 1, false, 1, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {Display::PoolStandings, 0, false, 1, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {Display::AllPicks, 3, false, 9, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {Display::TopTenSheet, 3, false, 9, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {Display::StandardSheet, 3, false, 9, nullptr, nullptr},
        // The pool marquee and the Pool StatPak open on an archived season.
        {Display::PoolMarquee, 3, false, 9, nullptr, nullptr},
        {Display::PoolStatPak, 3, false, 9, nullptr, nullptr},
        {Display::PoolStatPak, 0, false, 1, nullptr, nullptr},
        // Windows that work with an empty pool, and with an archived season.
        {Display::PoolStandings, 0, true, 1, nullptr, nullptr},
        {Display::PlayerMatrix, 0, true, 1, nullptr, nullptr},
        {Display::PoolMarquee, 0, true, 1, nullptr, nullptr},
        {Display::PoolStatPak, 0, true, 1, nullptr, nullptr},
        {Display::SportsBox, 0, false, 1, nullptr, nullptr},
        {Display::NflSchedule, 0, false, 1, nullptr, nullptr},
        {Display::LeagueStandings, 0, false, 1, nullptr, nullptr},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        AppState state(dir.path());
        state.MemberCount = c.members;
        state.CurrentSeasonOpen = c.currentSeason;
        state.CurrentWeek = c.week;
        const auto refusal = CheckMenuCommand(state, c.form);
        SCOPED_TRACE(std::string(WindowName(c.form)) + " members=" + std::to_string(c.members) +
                     " week=" + std::to_string(c.week));
        if (!c.title) {
            EXPECT_FALSE(refusal.has_value());
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->Title, c.title);
        EXPECT_EQ(refusal->Text, c.text);
    }
}

}  // namespace
}  // namespace gm
