#include <gtest/gtest.h>

#include "core/data/League.h"
#include "core/data/Teams.h"

namespace gm {
namespace {

TEST(League, TodaysTeamsFillEightDivisionsOfFourWithOneIdEach) {
    const League& league = LeagueToday();
    std::array<int, kMaxDivisions + 1> perDivision{};
    for (int team = 1; team <= league.Teams; ++team) {
        const int division = league.Division(team);
        ASSERT_GE(division, 1);
        ASSERT_LE(division, league.Divisions);
        ++perDivision[static_cast<std::size_t>(division)];
        EXPECT_EQ(league.Conference(team), division <= 4 ? kConferenceNFC : kConferenceAFC) << team;
        EXPECT_EQ(league.TeamFromId(league.TeamId(team)), team);
    }
    for (int d = 1; d <= league.Divisions; ++d) EXPECT_EQ(perDivision[static_cast<std::size_t>(d)], 4) << d;
    EXPECT_EQ(league.TeamFromId("la"), league.TeamFromId("LA"));
    EXPECT_NE(league.TeamFromId("LA"), league.TeamFromId("LAC"));
    EXPECT_EQ(league.TeamFromId("XYZ"), 0);
    EXPECT_EQ(league.Conference(33), 0);
    EXPECT_EQ(League1997().TeamFromId("Buf"), 0);  // the 1997 league matches names, not ids
}

TEST(League, TiebreakGameIsTheLastByKickoff) {
    WeekGames week{};
    const auto put = [&](int slot, std::uint32_t date, std::uint16_t time) {
        week[static_cast<std::size_t>(slot)] = GameRecord{.HomeTeam = 1, .AwayTeam = 2};
        week[static_cast<std::size_t>(slot)].KickoffDate = date;
        week[static_cast<std::size_t>(slot)].KickoffTime = time;
    };
    EXPECT_EQ(LeagueToday().TiebreakSlot(week), -1);
    EXPECT_EQ(League1997().TiebreakSlot(week), kMondaySlot);
    put(0, 20240909, 2015);  // Monday
    put(1, 20240908, 1300);
    put(2, 20240909, 2000);  // an earlier Monday game in a later slot
    EXPECT_EQ(LeagueToday().TiebreakSlot(week), 0);
    put(3, 20240909, 2015);  // two at one time: the later slot
    EXPECT_EQ(LeagueToday().TiebreakSlot(week), 3);
}

TEST(League, KickoffLabel) {
    GameRecord g;
    EXPECT_EQ(KickoffLabel(g), "");
    g.KickoffDate = 20240905;
    g.KickoffTime = 2020;
    EXPECT_EQ(KickoffLabel(g), "Thu 9/5 8:20 PM");
    g.KickoffDate = 20250209;
    g.KickoffTime = 1230;
    EXPECT_EQ(KickoffLabel(g), "Sun 2/9 12:30 PM");
    g.KickoffTime = 930;
    EXPECT_EQ(KickoffLabel(g), "Sun 2/9 9:30 AM");
}

}  // namespace
}  // namespace gm
