// Picks as CSV in a season of today's league: sixteen games a week, games
// named by the teams' ids, the Rams ("LA") and the Chargers ("LAC") apart.
#include <gtest/gtest.h>

#include "core/members/PicksCsv.h"
#include "support/Season2024.h"

namespace gm {
namespace {

// Week 1 of 2024: sixteen games in kick-off order, from Baltimore at Kansas
// City on Thursday to the Jets at San Francisco on Monday night (place 16);
// the Rams at Detroit on Sunday night, the Raiders at the Chargers.
constexpr int kWeek = 1;

AppState Fixture() {
    AppState state("/nonexistent");
    test::LoadSeason2024(state);
    auto member = [](std::string_view name, int number) {
        MemberRecord m;
        m.Name = FitName(name);
        m.PlayerNumber = static_cast<std::int16_t>(number);
        return m;
    };
    state.Members = {member("Ann", 1), member("Bob", 2)};
    state.MemberCount = 2;
    return state;
}

int Team(std::string_view id) { return LeagueToday().TeamFromId(id); }

std::string File(std::string_view rows) { return std::string(kPicksCsvHeader) + "\n" + std::string(rows); }

TEST(PicksCsvToday, GamesByPlaceOneToSixteenOrByTheTeamsIds) {
    const AppState state = Fixture();
    ASSERT_EQ(state.Games[0][15].HomeTeam, Team("SF"));
    struct Case {
        const char* Row;
        int Slot;  // where the pick lands
        int Pick;
    };
    const Case cases[] = {
        {"Ann,NYJ@SF,SF,16,40", 15, Team("SF")},
        {"Ann,16,nyj,,", 15, Team("NYJ")},
        {"Ann,LA@DET,LA,,", 14, Team("LA")},     // "LA" is the Rams' id, not the Chargers'
        {"Ann,lv@lac,LAC,,", 10, Team("LAC")},
        {"Ann, bal @ kc ,Chiefs,,", 0, Team("KC")},
        {"Ann,5,31,,", 4, Team("TEN")},  // team numbers run to 32
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Row);
        const PicksImport r = ImportPicksCsv(state, kWeek, File(std::string(c.Row) + "\n"));
        ASSERT_TRUE(r.Problems.empty()) << r.Problems[0].Reason;
        EXPECT_EQ(r.Members[0].Picks[0][static_cast<std::size_t>(c.Slot)], c.Pick);
    }
}

TEST(PicksCsvToday, RowsOutsideTheWeekAreRefused) {
    const AppState state = Fixture();
    const struct {
        const char* Row;
        const char* Reason;
    } cases[] = {
        {"Ann,17,SF,,", "game 17 is not 1 to 16"},
        {"Ann,LAC@DET,LA,,", "week 1 has no game \"LAC@DET\""},
        {"Ann,LA@DET,LAC,,", "does not play in game 15"},
        {"Ann,1,33,,", "no team is called \"33\""},
        {"Ann,X,KC,,", "is neither a number 1 to 16 nor AWAY@HOME"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        const PicksImport r = ImportPicksCsv(state, kWeek, File(std::string(c.Row) + "\n"));
        ASSERT_EQ(r.Problems.size(), 1u);
        EXPECT_NE(r.Problems[0].Reason.find(c.Reason), std::string::npos) << r.Problems[0].Reason;
    }
    // The Super Bowl is week 22 of this league; there is no week 23.
    EXPECT_TRUE(ImportPicksCsv(state, 22, File("Ann,KC@PHI,PHI,,\n")).Problems.empty());
    const PicksImport late = ImportPicksCsv(state, 23, File("Ann,1,PHI,,\n"));
    ASSERT_FALSE(late.Problems.empty());
    EXPECT_EQ(late.Problems[0].Reason, "the week must be 1 to 22");
    std::string out;
    EXPECT_FALSE(ExportPicksCsv(state, 23, out).ok());
}

TEST(PicksCsvToday, ExportNamesGamesAndTeamsByIdAndReadsBack) {
    AppState state = Fixture();
    for (std::size_t g = 0; g < 16; ++g) {
        const GameRecord& game = state.Games[0][g];
        state.Members[0].Picks[0][g] = static_cast<std::uint8_t>(g % 2 ? game.HomeTeam : game.AwayTeam);
        state.Members[0].Confidence[0][g] = static_cast<std::uint8_t>(g + 1);
    }
    state.Members[0].Tiebreak[0] = 44;
    state.Members[1].Picks[21][0] = static_cast<std::uint8_t>(Team("PHI"));
    std::string week1;
    ASSERT_TRUE(ExportPicksCsv(state, 1, week1).ok());
    EXPECT_NE(week1.find("\nAnn,BAL@KC,BAL,1,44\n"), std::string::npos) << week1;
    EXPECT_NE(week1.find("\nAnn,LA@DET,LA,15,44\n"), std::string::npos) << week1;
    EXPECT_NE(week1.find("\nAnn,NYJ@SF,SF,16,44\n"), std::string::npos) << week1;
    EXPECT_NE(week1.find("\nBob,LV@LAC,,,0\n"), std::string::npos) << week1;
    std::string superBowl;
    ASSERT_TRUE(ExportPicksCsv(state, 22, superBowl).ok());
    EXPECT_NE(superBowl.find("\nBob,KC@PHI,PHI,,0\n"), std::string::npos) << superBowl;

    for (const auto& [week, text] : {std::pair{1, week1}, std::pair{22, superBowl}}) {
        const PicksImport back = ImportPicksCsv(state, week, text);
        ASSERT_TRUE(back.Problems.empty()) << back.Problems[0].Reason;
        EXPECT_TRUE(back.Warnings.empty());
        EXPECT_EQ(back.Members, std::vector<MemberRecord>(state.Members.begin(), state.Members.end()));
    }
}

TEST(PicksCsvToday, TeamsNamedByIdOnlyInTodaysLeague) {
    const TeamTables today = TeamTables::Defaults(LeagueToday());
    EXPECT_EQ(TeamsNamed(today, "la", LeagueToday()), std::vector<int>{Team("LA")});
    EXPECT_EQ(TeamsNamed(today, "32", LeagueToday()), std::vector<int>{32});
    EXPECT_TRUE(TeamsNamed(today, "33", LeagueToday()).empty());
    // The 1997 league's numbers end at 30.
    EXPECT_TRUE(TeamsNamed(TeamTables::Defaults(), "31").empty());
}

}  // namespace
}  // namespace gm
