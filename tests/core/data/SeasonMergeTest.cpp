#include <gtest/gtest.h>

#include "core/data/SeasonFile.h"
#include "core/data/SeasonMerge.h"
#include "core/data/TodaySeasonFile.h"
#include "support/Season2024.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::TempDir;

bool Has(const std::vector<std::string>& lines, std::string_view text) {
    for (const std::string& l : lines)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

void AddMember(AppState& state, int week, int slot) {
    MemberRecord m;
    m.Picks[static_cast<std::size_t>(week)][static_cast<std::size_t>(slot)] = 1;
    state.Members.push_back(m);
    state.MemberCount = static_cast<int>(state.Members.size());
}

TEST(SeasonMerge, AFolderWithNothingToLoseBecomesTodaysSeason) {
    TempDir dir;
    AppState state(dir.path());  // a first start's folder: an empty 1997 season, no members
    const SeasonImport read = test::Import2024();
    const SeasonImportPlan plan = PlanSeasonImport(state, read, false);
    ASSERT_EQ(plan.What, SeasonImportPlan::Kind::NewSeason) << plan.Refusal;
    EXPECT_EQ(plan.GamesAdded, 285);
    ASSERT_TRUE(ApplySeasonImport(state, plan).ok());
    EXPECT_EQ(state.League().Kind, LeagueKind::Today);
    EXPECT_EQ(state.Teams.TeamName[32], "Commanders");
    EXPECT_EQ(state.SeasonYear, "2024");
    EXPECT_EQ(state.Games, read.Games);

    AppState reread(dir.path());
    ASSERT_TRUE(LoadSeason(reread, kCurrentSeasonRead).ok());
    EXPECT_EQ(reread.League().Kind, LeagueKind::Today);
    EXPECT_EQ(reread.Games, read.Games);
}

TEST(SeasonMerge, AFolderHoldingAnotherPoolIsRefused) {
    TempDir dir;
    AppState withMembers(dir.path());
    for (int i = 0; i < 12; ++i) AddMember(withMembers, 0, 0);
    AppState withGames(dir.path());
    withGames.Games[3][2] = {.HomeTeam = 1, .AwayTeam = 2};
    AppState other(dir.path());
    test::LoadSeason2024(other);
    other.SeasonYear = "2023";
    SeasonImport damaged = test::Import2024();
    damaged.Problems.push_back({7, "unknown team"});
    const SeasonImport old = ImportSeasonCsv(test::ReadFile(test::SharedData() / "nfl-scores-1995-1997.csv"), 1997);

    const struct {
        const AppState& State;
        const SeasonImport& Read;
        std::string Says;
    } cases[] = {
        {withMembers, test::Import2024(), "holds a 1997 pool (12 members)"},
        {withGames, test::Import2024(), "holds a 1997 pool (1 game)"},
        {other, test::Import2024(), "holds the 2023 pool of today's league (285 games)"},
        {withMembers, test::Import2024(),
         "start a new pool folder for the 2024 season: gridmoot-cli --data NEW-FOLDER import-season FILE --season 2024"},
        {AppState(dir.path()), damaged, "1 row of the file could not be placed"},
        {AppState(dir.path()), old, "1997 league"},
    };
    for (const auto& c : cases) {
        AppState state = c.State;
        const SeasonImportPlan plan = PlanSeasonImport(state, c.Read, true);
        EXPECT_FALSE(plan.Allowed()) << c.Says;
        EXPECT_NE(plan.Refusal.find(c.Says), std::string::npos) << plan.Refusal;
        EXPECT_FALSE(ApplySeasonImport(state, plan).ok());
        EXPECT_EQ(state.Games, c.State.Games);
        EXPECT_EQ(state.League().Kind, c.State.League().Kind);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(SeasonMerge, ReimportBringsScoresAndGamesAndKeepsPickedLines) {
    TempDir dir;
    AppState state(dir.path());
    test::LoadSeason2024(state, 10);  // played through week 10
    // Week 12: the folder lacks its last game, and has other lines on its first two;
    // a member has picked the first. Week 11 holds a game the file does not list.
    WeekGames& w12 = state.Games[11];
    w12[12] = {};
    w12[0].AwaySpread = w12[0].HomeSpread = 0;
    w12[1].AwaySpread = w12[1].HomeSpread = 0;
    state.Games[10][15] = {.HomeTeam = 3, .AwayTeam = 4};
    AddMember(state, 11, 0);
    AddMember(state, 11, 12);  // a pick on the slot the missing game left free

    const SeasonImport read = test::Import2024();
    int laterGames = 0;
    for (int w = 10; w < 22; ++w)
        for (const GameRecord& g : read.Games[static_cast<std::size_t>(w)]) laterGames += g.HasGame();

    for (const bool replace : {false, true}) {
        const SeasonImportPlan plan = PlanSeasonImport(state, read, replace);
        ASSERT_EQ(plan.What, SeasonImportPlan::Kind::Update) << plan.Refusal;
        EXPECT_EQ(plan.ScoresAdded, laterGames - 1) << replace;
        EXPECT_EQ(plan.GamesAdded, 1);
        EXPECT_EQ(plan.LinesChanged, replace ? 2 : 1);
        EXPECT_EQ(plan.LinesKept, replace ? 0 : 1);
        EXPECT_EQ(plan.ScoresChanged + plan.KickoffsMoved, 0);
        // The new game takes a free slot nobody has a pick on.
        EXPECT_EQ(plan.Games[11][13], read.Games[11][12]);
        EXPECT_FALSE(plan.Games[11][12].HasGame());
        EXPECT_EQ(plan.Games[11][0].AwaySpread + plan.Games[11][0].HomeSpread == 0, !replace);
        EXPECT_EQ(plan.Games[11][1], read.Games[11][1]);
        EXPECT_EQ(plan.Games[10][15], state.Games[10][15]);
        EXPECT_EQ(plan.Games[21][0], read.Games[21][0]);
        EXPECT_TRUE(Has(plan.Lines, replace ? "changed to" : "kept, not")) << replace;
        EXPECT_TRUE(Has(plan.Lines, "(1 member has picked)"));
        EXPECT_TRUE(Has(plan.Lines, "Week 22: Kansas City at Philadelphia: score 22-40 added"));
        EXPECT_TRUE(Has(plan.Lines, "game added"));
        EXPECT_EQ(plan.Lines.back().find(std::to_string(laterGames - 1) + " scores added, 1 game added"), 0u)
            << plan.Lines.back();
    }

    const SeasonImportPlan plan = PlanSeasonImport(state, read, false);
    ASSERT_TRUE(ApplySeasonImport(state, plan).ok());
    // Imported again, nothing is left to change but the kept line.
    const SeasonImportPlan again = PlanSeasonImport(state, read, false);
    EXPECT_FALSE(again.ChangesAnything());
    EXPECT_EQ(again.LinesKept, 1);

    // A corrected score and a moved kick-off are taken from the file.
    SeasonImport corrected = read;
    corrected.Games[0][0].HomeScore = 28;
    ApplyResult(corrected.Games[0][0]);
    corrected.Games[0][0].KickoffTime = 2015;
    const SeasonImportPlan fix = PlanSeasonImport(state, corrected, false);
    EXPECT_EQ(fix.ScoresChanged, 1);
    EXPECT_EQ(fix.KickoffsMoved, 1);
    EXPECT_TRUE(Has(fix.Lines, "score 20-27 corrected to 20-28"));
    EXPECT_TRUE(Has(fix.Lines, "kick-off moved to Thu 9/5 8:15 PM"));
}

TEST(SeasonMerge, AFailedSaveLeavesTheStateAsItWas) {
    TempDir dir;
    AppState state(dir / "gone");
    const SeasonImportPlan plan = PlanSeasonImport(state, test::Import2024(), false);
    ASSERT_TRUE(plan.Allowed());
    EXPECT_FALSE(ApplySeasonImport(state, plan).ok());
    EXPECT_EQ(state.League().Kind, LeagueKind::Nfl1997);
    EXPECT_EQ(state.Games, SeasonGrid{});
    EXPECT_EQ(state.SeasonYear, "1997");
    EXPECT_EQ(state.Teams.TeamName[3], "Ravens");
}

}  // namespace
}  // namespace gm
