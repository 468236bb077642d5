#include <gtest/gtest.h>

#include "core/data/PoolFile.h"
#include "core/shell/SeasonImportView.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::TempDir;

constexpr std::string_view kHeader =
    "season,game_type,week,gameday,weekday,gametime,away_team,away_score,home_team,home_score,location,overtime,"
    "spread_line,total_line,div_game,stadium\n";

std::string Csv(std::initializer_list<std::string_view> rows) {
    std::string text(kHeader);
    for (std::string_view r : rows) (text += r) += '\n';
    return text;
}

constexpr std::string_view kBalKc = "2024,REG,1,2024-09-05,Thursday,20:20,BAL,20,KC,27,Home,0,3,46,0,Arrowhead";
constexpr std::string_view kGbPhi = "2024,REG,1,2024-09-06,Friday,20:15,GB,29,PHI,34,Neutral,0,1.5,49,0,Neo";
constexpr std::string_view kNextYear = "2025,REG,1,2025-09-04,Thursday,20:20,DAL,,PHI,,Home,,7,47,1,Lincoln";

TEST(SeasonImportView, OffersTheFoldersYearElseTheNewestInTheFile) {
    EXPECT_EQ(NewestSeasonInCsv(Csv({kBalKc, kNextYear, kGbPhi})), 2025);
    EXPECT_EQ(NewestSeasonInCsv("\xEF\xBB\xBF" + Csv({kBalKc})), 2024);
    EXPECT_EQ(NewestSeasonInCsv("Season,Week,Date\n1997,1,x\n"), 0);  // another format

    TempDir dir;
    AppState state(dir.path());
    EXPECT_EQ(OfferedImportSeason(state, Csv({kBalKc, kNextYear})), 2025);
    EXPECT_EQ(OfferedImportSeason(state, "no csv"), LeagueToday().Year);
    state.SetLeague(LeagueToday());
    state.SeasonYear = "2024";
    EXPECT_EQ(OfferedImportSeason(state, Csv({kBalKc, kNextYear})), 2024);
}

TEST(SeasonImportView, ProblemsAreListedByLineAndNothingCanBeSaved) {
    TempDir dir;
    AppState state(dir.path());
    SeasonImportPlan plan;
    const std::string text =
        Csv({kBalKc, "2024,REG,1,2024-09-08,Sunday,13:00,XYZ,10,NYG,3,Home,0,1,40,0,Met", kGbPhi});
    const ImportView view = PlanImportView(state, text, "games.csv", 2024, false, plan);
    EXPECT_FALSE(view.CanSave);
    ASSERT_GE(view.Read.size(), 3u);
    EXPECT_EQ(view.Read[0], "Read 2 games in 1 week of the 2024 season from games.csv.");
    EXPECT_EQ(view.Read[1], "1 problem found; nothing is imported until the file is put right:");
    EXPECT_TRUE(view.Read[2].starts_with("Line 3: ")) << view.Read[2];
    EXPECT_NE(view.Read[2].find("XYZ"), std::string::npos) << view.Read[2];
    EXPECT_FALSE(plan.Allowed());
}

TEST(SeasonImportView, NewFolderTakesTheSeasonAFolderOfAnotherLeagueRefuses) {
    TempDir dir;
    AppState fresh(dir / "fresh");
    SeasonImportPlan plan;
    const std::string text = Csv({kBalKc, kGbPhi, kNextYear});
    ImportView view = PlanImportView(fresh, text, "g.csv", 2024, false, plan);
    EXPECT_TRUE(view.CanSave);
    EXPECT_EQ(plan.What, SeasonImportPlan::Kind::NewSeason);
    EXPECT_EQ(view.Read, (std::vector<std::string>{"Read 2 games in 1 week of the 2024 season from g.csv."}));
    EXPECT_FALSE(view.Changes.empty());
    EXPECT_NE(ImportSavedText(plan).find("2024 season is in this pool folder"), std::string::npos);

    // A 1997 pool with a member: refused, with the reason in the changes box.
    AppState pool(dir / "pool");
    MemberRecord m;
    m.Name = FitName("Pat");
    pool.Members = {m};
    pool.MemberCount = 1;
    view = PlanImportView(pool, text, "g.csv", 2024, false, plan);
    EXPECT_FALSE(view.CanSave);
    ASSERT_EQ(view.Changes.size(), 1u);
    EXPECT_EQ(view.Changes[0], plan.Refusal);
    EXPECT_NE(plan.Refusal.find("1997 pool"), std::string::npos) << plan.Refusal;

    // A year the file does not hold.
    view = PlanImportView(fresh, text, "g.csv", 2019, false, plan);
    EXPECT_FALSE(view.CanSave);
    EXPECT_NE(view.Changes[0].find("no games of the 2019 season"), std::string::npos);
}

}  // namespace
}  // namespace gm
