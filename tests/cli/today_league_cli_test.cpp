// gridmoot-cli on pool folders of today's league: the season import from the
// public games CSV, members, options, and picks by AWAY@HOME.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "core/data/FolderLock.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "support/Season2024.h"
#include "support/TempDir.h"

namespace gm::cli {
namespace {

namespace fs = std::filesystem;
using test::CliIn;
using test::CliRun;
using gm::test::ReadFile;
using gm::test::TempDir;
using gm::test::WriteFile;

constexpr const char* kHeader =
    "season,game_type,week,gameday,weekday,gametime,away_team,away_score,home_team,home_score,location,overtime,"
    "spread_line,total_line,div_game,stadium\n";

// Four games of week 1 of 2024 as the file had them once the week was played.
constexpr const char* kWeek1 =
    "2024,REG,1,2024-09-05,Thursday,20:20,BAL,20,KC,27,Home,0,3,46,0,GEHA Field\n"
    "2024,REG,1,2024-09-06,Friday,20:15,GB,29,PHI,34,Neutral,0,2,49.5,0,Arena Corinthians\n"
    "2024,REG,1,2024-09-08,Sunday,13:00,PIT,18,ATL,10,Home,0,4,43,0,Mercedes-Benz Stadium\n"
    "2024,REG,1,2024-09-08,Sunday,13:00,ARI,28,BUF,34,Home,0,6.5,46,0,New Era Field\n";

// The same week earlier: Atlanta's game not played yet, Buffalo's not listed,
// other lines for Kansas City and Philadelphia.
constexpr const char* kWeek1Before =
    "2024,REG,1,2024-09-05,Thursday,20:20,BAL,20,KC,27,Home,0,2.5,46,0,GEHA Field\n"
    "2024,REG,1,2024-09-06,Friday,20:15,GB,,PHI,,Neutral,0,1,49.5,0,Arena Corinthians\n"
    "2024,REG,1,2024-09-08,Sunday,13:00,PIT,,ATL,,Home,0,4,43,0,Mercedes-Benz Stadium\n";

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

// The folder's season as the program loads it.
AppState Loaded(const fs::path& folder) {
    AppState state(folder);
    ReadSettings(state, 1LL << 24);
    EXPECT_TRUE(LoadSeason(state, kCurrentSeasonRead).ok());
    EXPECT_TRUE(LoadPool(state).ok());
    return state;
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename() != FolderLock::kFileName) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

MemberRecord Member(std::string_view name, int number) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = static_cast<std::int16_t>(number);
    return m;
}

TEST(CliTodaySeason, FoldersWithNothingToLoseBecomeTodaysPoolOthersAreRefused) {
    TempDir dir;
    WriteFile(dir / "week1.csv", std::string(kHeader) + kWeek1);
    SeasonGrid games1997{};
    games1997[0][0].HomeTeam = 1;
    games1997[0][0].AwayTeam = 2;
    struct Case {
        const char* Name;
        std::function<void(const fs::path&)> Prepare;  // nothing made: the folder is new
        bool Taken;
        const char* Said;
    };
    const std::vector<Case> cases = {
        {"a new folder", nullptr, true, "A new pool season: 4 games of the 2024 season"},
        {"an empty folder", [](const fs::path& f) { fs::create_directories(f); }, true, "A new pool season"},
        {"a first start's folder",
         [](const fs::path& f) {
             fs::create_directories(f);
             WriteFile(f / "1997.nfl", "");
             WriteFile(f / "Pool97.dat", "");
             WriteFile(f / "Vask97.ini", "[GridMoot]\nCurrentWeek=9\n");
         },
         true, "A new pool season"},
        {"a 1997 season",
         [&](const fs::path& f) {
             fs::create_directories(f);
             WriteFile(f / "1997.nfl", EncodeSeason(games1997));
         },
         false, "holds a 1997 pool (1 game)"},
        {"1997 members",
         [](const fs::path& f) {
             fs::create_directories(f);
             WriteFile(f / "Pool97.dat", EncodePool(std::vector<MemberRecord>{Member("Ann", 1)}));
         },
         false, "holds a 1997 pool (1 member)"},
        {"another season of today's league",
         [](const fs::path& f) {
             fs::create_directories(f);
             AppState s(f);
             s.SetLeague(LeagueToday());
             s.SeasonYear = "2023";
             s.Games[0][0].HomeTeam = 1;
             s.Games[0][0].AwayTeam = 2;
             ASSERT_TRUE(SaveSeason(s).ok());
         },
         false, "the 2023 pool of today's league"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path folder = dir / ("pool" + std::to_string(++n));
        if (c.Prepare) c.Prepare(folder);
        const std::vector<std::string> before = c.Prepare ? FilesIn(folder) : std::vector<std::string>{};
        const CliRun r = CliIn(folder, {"import-season", (dir / "week1.csv").string(), "--season", "2024"});
        if (c.Taken) {
            ASSERT_EQ(r.Code, 0) << r.Err;
            EXPECT_TRUE(Contains(r.Out, c.Said)) << r.Out;
            const AppState state = Loaded(folder);
            EXPECT_EQ(state.League().Kind, LeagueKind::Today);
            EXPECT_EQ(state.SeasonYear, "2024");
            EXPECT_EQ(state.CurrentWeek, 1);  // a new season starts on its first week
            EXPECT_EQ(state.Games[0][0].HomeTeam, LeagueToday().TeamFromId("KC"));
            EXPECT_EQ(state.Games[0][3].AwayTeam, LeagueToday().TeamFromId("ARI"));
            EXPECT_EQ(state.Games[0][0].KickoffTime, 2020);
        } else {
            EXPECT_EQ(r.Code, 1);
            EXPECT_TRUE(Contains(r.Err, c.Said)) << r.Err;
            // Why, and how to start a pool of this season instead.
            EXPECT_TRUE(Contains(r.Err, "start a new pool folder")) << r.Err;
            EXPECT_TRUE(Contains(r.Err, "import-season FILE --season 2024")) << r.Err;
            EXPECT_EQ(FilesIn(folder), before);
            EXPECT_TRUE(r.Out.empty()) << r.Out;
        }
    }
}

TEST(CliTodaySeason, ReimportTakesNewScoresAndGamesAndKeepsPickedLines) {
    TempDir dir;
    const fs::path pool = dir / "pool";
    WriteFile(dir / "before.csv", std::string(kHeader) + kWeek1Before);
    WriteFile(dir / "after.csv", std::string(kHeader) + kWeek1);
    ASSERT_EQ(CliIn(pool, {"import-season", (dir / "before.csv").string(), "--season", "2024"}).Code, 0);
    ASSERT_EQ(CliIn(pool, {"members", "add", "Ann"}).Code, 0);
    WriteFile(dir / "picks.csv", "member,game,team,confidence,monday\nAnn,BAL@KC,KC,,\n");
    CliRun r = CliIn(pool, {"import-picks", (dir / "picks.csv").string(), "--week", "1"});
    ASSERT_EQ(r.Code, 0) << r.Err;

    r = CliIn(pool, {"import-season", (dir / "after.csv").string(), "--season", "2024"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    for (const char* said : {"Week 1: Green Bay at Philadelphia: score 29-34 added",
                             "Week 1: Pittsburgh at Atlanta: score 18-10 added",
                             "Week 1: Arizona at Buffalo: game added (Sun 9/8 1:00 PM)",
                             "Week 1: Green Bay at Philadelphia: line Philadelphia by 1 changed to Philadelphia by 2",
                             "Week 1: Baltimore at Kansas City: line Kansas City by 2.5 kept, not Kansas City by 3 (1 member has picked)",
                             "2 scores added, 1 game added, 1 line changed, 1 line kept because members have picked."})
        EXPECT_TRUE(Contains(r.Out, said)) << said << "\n" << r.Out;
    AppState state = Loaded(pool);
    EXPECT_EQ(state.Games[0][2].HomeScore, 10);
    EXPECT_EQ(state.Games[0][0].AwaySpread, 2.5f);  // Kansas City's line as Ann picked it
    EXPECT_EQ(state.Games[0][1].AwaySpread, 2.0f);
    EXPECT_EQ(state.Members[0].Picks[0][0], LeagueToday().TeamFromId("KC"));

    // Nothing new: nothing written.
    const std::string season = ReadFile(pool / "Season.gms");
    r = CliIn(pool, {"import-season", (dir / "after.csv").string(), "--season", "2024"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Out, "1 line kept because members have picked.")) << r.Out;
    EXPECT_EQ(ReadFile(pool / "Season.gms"), season);

    // --lines takes the line the members picked against too.
    r = CliIn(pool, {"import-season", (dir / "after.csv").string(), "--season", "2024", "--lines"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Out, "line Kansas City by 2.5 changed to Kansas City by 3 (1 member has picked)")) << r.Out;
    EXPECT_EQ(Loaded(pool).Games[0][0].AwaySpread, 3.0f);
}

TEST(CliTodaySeason, AWrongRowOrABusyFolderWritesNothing) {
    TempDir dir;
    const fs::path pool = dir / "pool";
    WriteFile(dir / "bad.csv", std::string(kHeader) + kWeek1 +
                                   "2024,REG,1,2024-09-08,Sunday,13:00,XYZ,1,CHI,2,Home,0,4,43,0,Soldier Field\n"
                                   "2024,REG,25,2024-09-08,Sunday,13:00,TEN,1,CHI,2,Home,0,4,43,0,Soldier Field\n");
    CliRun r = CliIn(pool, {"import-season", (dir / "bad.csv").string(), "--season", "2024"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_TRUE(Contains(r.Err, "bad.csv:6:")) << r.Err;
    EXPECT_TRUE(Contains(r.Err, "bad.csv:7:")) << r.Err;
    EXPECT_TRUE(Contains(r.Err, "no season file was written")) << r.Err;
    EXPECT_FALSE(fs::exists(pool));

    // While Gridmoot has the folder open.
    fs::create_directories(pool);
    WriteFile(dir / "week1.csv", std::string(kHeader) + kWeek1);
    FolderLock held;
    ASSERT_EQ(held.Take(pool), FolderLock::Outcome::Taken);
    const std::vector<std::string> before = FilesIn(pool);
    r = CliIn(pool, {"import-season", (dir / "week1.csv").string(), "--season", "2024"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_TRUE(Contains(r.Err, "is open in Gridmoot")) << r.Err;
    EXPECT_EQ(FilesIn(pool), before);

    // A season year the 1995-97 file does not hold is refused as before.
    r = CliIn(dir.path(), {"import-season", (gm::test::SharedData() / "nfl-scores-1995-1997.csv").string(), "--season",
                           "2024"});
    EXPECT_EQ(r.Code, 2);
    EXPECT_TRUE(Contains(r.Err, "--season must be 1995, 1996 or 1997")) << r.Err;
}

// The real 2024 season from its CSV into a new folder, then the reports on it.
TEST(CliTodaySeason, The2024SeasonEndToEnd) {
    TempDir dir;
    const fs::path pool = dir / "pool2024";
    CliRun r = CliIn(pool, {"import-season", (gm::test::SharedData() / "nfl-games-2024.csv").string(), "--season",
                            "2024"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Out, "A new pool season: 285 games of the 2024 season")) << r.Out;
    AppState state = Loaded(pool);
    const SeasonImport read = gm::test::Import2024();
    EXPECT_EQ(state.Games, read.Games);

    // The week after the regular season, and the Super Bowl, by the league's own weeks.
    r = CliIn(pool, {"report", "results", "--week", "22"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Out, "NFL  Results  Week 22")) << r.Out;
    EXPECT_TRUE(Contains(r.Out, "PHILADELPHIA 40  22  Kansas City")) << r.Out;
    // The week the organiser was on, 22, is kept though settings are read
    // before the season tells the league.
    WriteFile(pool / "Vask97.ini", "[GridMoot]\nCurrentWeek=22\n");
    r = CliIn(pool, {"report", "results"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Out, "NFL  Results  Week 22")) << r.Out;
    r = CliIn(pool, {"report", "results", "--week", "23"});
    EXPECT_EQ(r.Code, 2);
    EXPECT_TRUE(Contains(r.Err, "--week must be a week from 1 to 22, not '23'")) << r.Err;

    // The 1997 league keeps its 21 weeks.
    TempDir old;
    ASSERT_EQ(CliIn(old.path(), {"import-season", (gm::test::SharedData() / "nfl-scores-1995-1997.csv").string()}).Code, 0);
    r = CliIn(old.path(), {"report", "results", "--week", "22"});
    EXPECT_EQ(r.Code, 2);
    EXPECT_TRUE(Contains(r.Err, "--week must be a week from 1 to 21, not '22'")) << r.Err;
}

}  // namespace
}  // namespace gm::cli
