#include <gtest/gtest.h>

#include "core/shell/MenuRules.h"
#include "support/TempDir.h"

namespace gm {
namespace {

struct Case {
    const char* form;
    int members;
    bool currentSeason;
    int week;
    const char* title;  // nullptr: the window opens
    const char* text;
};

TEST(MenuRules, RefusesOnlyWhatCannotWork) {
    const Case cases[] = {
        {"frmPicks", 0, true, 1, "Insufficient # of Players",
         "You need to have at least one player in pool\nto enter player selections. "},
        {"frmPicks", 0, false, 1, "Insufficient # of Players",
         "You need to have at least one player in pool\nto enter player selections. "},
        {"frmPicks", 2, false, 1, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto enter player selections. "},
        {"frmPicks", 2, true, 1, nullptr, nullptr},
        {"frmStats", 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto use the Player Statpak. "},
        {"frmPAnalyze", 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto use the Player Analyst. "},
        {"frmPGraph", 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto view Player Graphs. "},
        {"frmPoolRoom", 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto enter the Pool Room. "},
        {"frmOddEnd", 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto use the Pool Analyst. "},
        {"frmExpert", 0, true, 5, "Insufficient # of Players",
         "You need to have at least one player in pool\nto view the Pool Experts. "},
        {"frmExpert", 1, true, 3, "Insufficient Data",
         "The Pool Experts cannot be considered Experts\nuntil the start of the 4th NFL week."},
        {"frmExpert", 1, true, 4, nullptr, nullptr},
        {"frmStats", 1, true, 1, nullptr, nullptr},
        // Displays that grade selections need the season they were made for.
        {"frmExpert", 1, false, 4, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {"frmStats", 1, false, 1, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {"frmPoolStn", 0, false, 1, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {"frmMatrix", 3, false, 9, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {"frmTopTen", 3, false, 9, "Incorrect NFL Season",
         "You need to have the 1997 NFL season opened\nto view the pool displays. "},
        {"frmStandard", 3, false, 9, nullptr, nullptr},
        // The pool marquee and the Pool StatPak open on an archived season.
        {"frmPTape", 3, false, 9, nullptr, nullptr},
        {"frmPoolStat", 3, false, 9, nullptr, nullptr},
        {"frmPoolStat", 0, false, 1, nullptr, nullptr},
        // Windows that work with an empty pool, and with an archived season.
        {"frmPoolStn", 0, true, 1, nullptr, nullptr},
        {"frmPMatrix", 0, true, 1, nullptr, nullptr},
        {"frmPTape", 0, true, 1, nullptr, nullptr},
        {"frmPoolStat", 0, true, 1, nullptr, nullptr},
        {"frmOffBar", 0, false, 1, nullptr, nullptr},
        {"frmSchedule", 0, false, 1, nullptr, nullptr},
        {"frmLeague", 0, false, 1, nullptr, nullptr},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        AppState state(dir.path());
        state.MemberCount = c.members;
        state.CurrentSeasonOpen = c.currentSeason;
        state.CurrentWeek = c.week;
        const auto refusal = CheckMenuCommand(state, c.form);
        SCOPED_TRACE(std::string(c.form) + " members=" + std::to_string(c.members) +
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
