#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "CliRun.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/members/PicksCsv.h"
#include "support/TempDir.h"

namespace gm::cli {
namespace {

using test::Cli;
using test::CliRun;
using gm::test::ReadFile;
using gm::test::TempDir;
using gm::test::WriteFile;

MemberRecord Member(std::string_view name, int number) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = static_cast<std::int16_t>(number);
    return m;
}

// Every week of the season picked at random, as the selections window would
// keep it: a team of the game or none, distinct points 1 to n on the picked
// games, a tiebreak 0 to 99.
void PickEverything(std::vector<MemberRecord>& members, const SeasonGrid& games, unsigned seed) {
    std::mt19937 rng(seed);
    for (MemberRecord& m : members) {
        for (int w = 0; w < kWeeks; ++w) {
            std::vector<int> slots;
            for (int g = 0; g < kSlots; ++g)
                if (games[w][g].HasGame()) slots.push_back(g);
            std::vector<int> points(slots.size());
            for (std::size_t i = 0; i < points.size(); ++i) points[i] = static_cast<int>(i) + 1;
            std::shuffle(points.begin(), points.end(), rng);
            for (std::size_t i = 0; i < slots.size(); ++i) {
                const GameRecord& game = games[w][slots[i]];
                const int choice = static_cast<int>(rng() % 5);  // one in five left open
                if (choice == 0) continue;
                m.Picks[w][slots[i]] = static_cast<std::uint8_t>(choice % 2 ? game.HomeTeam : game.AwayTeam);
                m.Confidence[w][slots[i]] = static_cast<std::uint8_t>(points[i]);
            }
            m.Tiebreak[w] = static_cast<std::uint8_t>(rng() % 100);
        }
    }
}

void WritePool(const std::filesystem::path& folder, const std::vector<MemberRecord>& members) {
    WriteFile(folder / "Pool97.dat", EncodePool(members));
}

TEST(CliPicks, ExportThenImportRebuildsThe1997PoolByteForByte) {
    const auto shared = gm::test::SharedData();
    TempDir a, b;
    for (const TempDir* dir : {&a, &b}) {
        const CliRun r = Cli({"--data", dir->path().string(), "import-season",
                              (shared / "nfl-scores-1995-1997.csv").string(), "--season", "1997"});
        ASSERT_EQ(r.Code, 0) << r.Err;
    }
    AppState state(a.path());
    ASSERT_TRUE(LoadSeason(state, kCurrentSeasonRead).ok());
    // Two members share a name: they travel by player number.
    std::vector<MemberRecord> members = {Member("Ann Smith", 1), Member("Bob", 2), Member("Bob", 5),
                                         Member("Smith, Joe", 7)};
    const std::vector<MemberRecord> blank = members;
    PickEverything(members, state.Games, 1997);
    WritePool(a.path(), members);
    WritePool(b.path(), blank);  // the same members, nothing entered yet
    const std::string pool = ReadFile(a / "Pool97.dat");

    for (int week = 1; week <= kWeeks; ++week) {
        SCOPED_TRACE("week " + std::to_string(week));
        const std::string csv = (a / "picks.csv").string();
        CliRun r = Cli({"--data", a.path().string(), "export-picks", "--week", std::to_string(week), "--out", csv});
        ASSERT_EQ(r.Code, 0) << r.Err;
        // Back into the pool it came from: not a byte changes.
        r = Cli({"--data", a.path().string(), "import-picks", csv, "--week", std::to_string(week)});
        ASSERT_EQ(r.Code, 0) << r.Err;
        ASSERT_EQ(ReadFile(a / "Pool97.dat"), pool);
        // Into the empty pool: week by week it becomes the same file.
        r = Cli({"--data", b.path().string(), "import-picks", csv, "--week", std::to_string(week)});
        ASSERT_EQ(r.Code, 0) << r.Err;
    }
    EXPECT_EQ(ReadFile(b / "Pool97.dat"), pool);

    // Standard output gives the same text as --out.
    const CliRun r = Cli({"--data", a.path().string(), "export-picks", "--week", "21"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, ReadFile(a / "picks.csv"));
}

// A small season: week 1 is Dallas at Arizona and Miami at Buffalo.
struct SmallPool {
    TempDir dir;
    SmallPool() {
        AppState state(dir.path());
        state.Games[0][0].AwayTeam = 8;
        state.Games[0][0].HomeTeam = 1;
        state.Games[0][14].AwayTeam = 16;
        state.Games[0][14].HomeTeam = 4;
        EXPECT_TRUE(SaveSeason(state).ok());
        WritePool(dir.path(), {Member("Ann", 1), Member("Cy", 2)});
    }
    CliRun Import(std::string_view csv, std::vector<std::string> more = {"--week", "1"}) {
        WriteFile(dir / "picks.csv", csv);
        std::vector<std::string> args = {"--data", dir.path().string(), "import-picks", (dir / "picks.csv").string()};
        args.insert(args.end(), more.begin(), more.end());
        return Cli(args);
    }
};

TEST(CliPicks, ImportTakesGoodRowsAndRefusesBadFilesWhole) {
    SmallPool f;
    CliRun r = f.Import("member,game,team,confidence,monday\r\nAnn,1,Dal,2,41\r\nCy,Miami@Buffalo,Buf,1,\r\n");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("Imported 2 row(s) of week 1"), std::string::npos) << r.Out;
    AppState state(f.dir.path());
    ASSERT_TRUE(LoadPool(state).ok());
    EXPECT_EQ(state.Members[0].Picks[0][0], 8);
    EXPECT_EQ(state.Members[0].Tiebreak[0], 41);
    EXPECT_EQ(state.Members[1].Picks[0][14], 4);

    // One bad row among good ones: every bad row named by line, the pool untouched.
    const std::string pool = ReadFile(f.dir / "Pool97.dat");
    r = f.Import("member,game,team,confidence,monday\nAnn,1,Ari,1,\nCy,1,Buf,,\nZed,15,Mia,,\n");
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("picks.csv:3: Buffalo does not play in game 1 (Dallas at Arizona)"), std::string::npos)
        << r.Err;
    EXPECT_NE(r.Err.find("picks.csv:4: no member is named \"Zed\""), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("2 problem(s); nothing was written"), std::string::npos) << r.Err;
    EXPECT_EQ(ReadFile(f.dir / "Pool97.dat"), pool);

    // Sixty bad rows: the first fifty, then how many more.
    std::string many = "member,game,team,confidence,monday\n";
    for (int i = 0; i < 60; ++i) many += "Nobody,1,Dal,,\n";
    r = f.Import(many);
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("picks.csv:51: "), std::string::npos);
    EXPECT_EQ(r.Err.find("picks.csv:52: "), std::string::npos);
    EXPECT_NE(r.Err.find("... and 10 more\n"), std::string::npos) << r.Err;
    EXPECT_EQ(ReadFile(f.dir / "Pool97.dat"), pool);
}

// Duplicate and out-of-range points are kept by the selections window when
// its question is answered No: the import takes them with a warning, and
// --strict refuses them.
TEST(CliPicks, DuplicateAndOutOfRangePointsAreWarningsThatStrictRefuses) {
    SmallPool f;
    CliRun r = f.Import("member,game,team,confidence,monday\nAnn,1,Dal,2,\nAnn,15,Buf,2,\nCy,1,Ari,7,\n");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Err.find("picks.csv:3: warning: confidence 2 is also on game 1 (line 2)"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("picks.csv:4: warning: confidence 7 is outside 1 to 2"), std::string::npos) << r.Err;
    EXPECT_NE(r.Out.find("with 2 warning(s)"), std::string::npos) << r.Out;
    AppState state(f.dir.path());
    ASSERT_TRUE(LoadPool(state).ok());
    EXPECT_EQ(state.Members[0].Confidence[0][0], 2);
    EXPECT_EQ(state.Members[0].Confidence[0][14], 2);
    EXPECT_EQ(state.Members[1].Confidence[0][0], 7);

    const std::string pool = ReadFile(f.dir / "Pool97.dat");
    r = f.Import("member,game,team,confidence,monday\nCy,1,Ari,1,\nCy,15,Mia,1,\n", {"--week", "1", "--strict"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("picks.csv:3: confidence 1 is also on game 1 (line 2)"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("1 problem(s) (warnings count with --strict); nothing was written"), std::string::npos)
        << r.Err;
    EXPECT_EQ(ReadFile(f.dir / "Pool97.dat"), pool);
    // A clean file passes --strict.
    r = f.Import("member,game,team,confidence,monday\nCy,1,Ari,1,\nCy,15,Mia,2,\n", {"--week", "1", "--strict"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
}

// Whatever a pool file holds, export-picks then import-picks leaves it byte for byte.
TEST(CliPicks, ExportThenImportLeavesAwkwardPoolFilesAsTheyWere) {
    using Change = std::function<void(std::vector<MemberRecord>&)>;
    const std::pair<std::string_view, Change> cases[] = {
        {"kept duplicates and points outside the range",
         [](auto& m) {
             m[0].Picks[0][0] = 8, m[0].Confidence[0][0] = 2;
             m[0].Picks[0][14] = 4, m[0].Confidence[0][14] = 2;
             m[1].Picks[0][0] = 1, m[1].Confidence[0][0] = 77;
         }},
        {"blank picks, points without a pick, empty Monday entries",
         [](auto& m) { m[1].Confidence[0][14] = 1; }},
        {"a pick of a team no longer in its game, damaged bytes",
         [](auto& m) {
             m[0].Picks[0][0] = 11, m[0].Confidence[0][0] = 1;
             m[1].Picks[0][14] = 250, m[1].Confidence[0][14] = 255, m[1].Tiebreak[0] = 200;
         }},
        {"members told apart only by their place in the file",
         [](auto& m) {
             m[1] = m[0];
             m[1].Tiebreak[0] = 9;
         }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        SmallPool f;
        std::vector<MemberRecord> members = {Member("Ann", 1), Member("Cy", 2)};
        change(members);
        // Eight bytes of an incomplete record at the end stay too.
        WriteFile(f.dir / "Pool97.dat", EncodePool(members) + std::string(8, '\x7f'));
        const std::string pool = ReadFile(f.dir / "Pool97.dat");
        const std::string csv = (f.dir / "out.csv").string();
        CliRun r = Cli({"--data", f.dir.path().string(), "export-picks", "--week", "1", "--out", csv});
        ASSERT_EQ(r.Code, 0) << r.Err;
        r = Cli({"--data", f.dir.path().string(), "import-picks", csv, "--week", "1"});
        ASSERT_EQ(r.Code, 0) << r.Err << ReadFile(f.dir / "out.csv");
        EXPECT_EQ(ReadFile(f.dir / "Pool97.dat"), pool) << ReadFile(f.dir / "out.csv");
    }
}

// While the desktop program has the folder open, nothing that writes its data
// files runs: the program's next save would overwrite what was written.
TEST(CliPicks, WritersWaitForTheDesktopProgramReportsDoNot) {
    SmallPool f;
    const auto shared = test::SharedData();
    FolderLock program;
    ASSERT_EQ(program.Take(f.dir.path()), FolderLock::Outcome::Taken);
    const std::string pool = ReadFile(f.dir / "Pool97.dat");
    const std::string season = ReadFile(FindFile(f.dir.path(), "1997.NFL"));
    const std::vector<std::vector<std::string>> writers = {
        {"import-picks", (f.dir / "picks.csv").string(), "--week", "1"},
        {"import-season", (shared / "nfl-scores-1995-1997.csv").string()},
    };
    WriteFile(f.dir / "picks.csv", "member,game,team,confidence,monday\nAnn,1,Dal,2,41\n");
    for (const auto& args : writers) {
        const CliRun r = test::CliIn(f.dir.path(), args);
        EXPECT_EQ(r.Code, 1) << args[0] << ": " << r.Err;
        EXPECT_NE(r.Err.find("is open in Gridmoot"), std::string::npos) << r.Err;
        EXPECT_NE(r.Err.find("Nothing was written"), std::string::npos) << r.Err;
    }
    EXPECT_EQ(ReadFile(f.dir / "Pool97.dat"), pool);
    EXPECT_EQ(ReadFile(FindFile(f.dir.path(), "1997.NFL")), season);
    EXPECT_EQ(test::CliIn(f.dir.path(), {"export-picks", "--week", "1"}).Code, 0);

    program.Release();
    EXPECT_EQ(test::CliIn(f.dir.path(), writers[0]).Code, 0);
}

TEST(CliPicks, BadCommandLinesAreRefused) {
    SmallPool f;
    const std::string pool = ReadFile(f.dir / "Pool97.dat");
    const std::string good = "member,game,team,confidence,monday\nAnn,1,Dal,,\n";
    struct Case {
        std::vector<std::string> more;
        int code;
        std::string_view said;
    };
    const Case cases[] = {
        {{}, 2, "give the week with --week N"},
        {{"--week", "0"}, 2, "--week must be a number from 1 to 21, not '0'"},
        {{"--week", "22"}, 2, "not '22'"},
        {{"--week", "3x"}, 2, "not '3x'"},
        {{"--week", "2"}, 1, "week 2 has no games in the season file"},
        {{"--week", "1", "--bogus"}, 2, "--bogus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        const CliRun r = f.Import(good, c.more);
        EXPECT_EQ(r.Code, c.code);
        EXPECT_NE(r.Err.find(c.said), std::string::npos) << r.Err;
        EXPECT_EQ(ReadFile(f.dir / "Pool97.dat"), pool);
    }
    const CliRun missing =
        Cli({"--data", f.dir.path().string(), "import-picks", (f.dir / "none.csv").string(), "--week", "1"});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_NE(missing.Err.find("\"none.csv\""), std::string::npos) << missing.Err;

    // A folder without a pool: said so, and nothing created.
    TempDir empty;
    for (const char* command : {"import-picks", "export-picks"}) {
        std::vector<std::string> args = {"--data", empty.path().string(), command, "--week", "1"};
        if (command == std::string("import-picks")) args.push_back((f.dir / "picks.csv").string());
        const CliRun r = Cli(args);
        EXPECT_EQ(r.Code, 1);
        EXPECT_NE(r.Err.find("No such file or directory"), std::string::npos) << r.Err;
        EXPECT_TRUE(std::filesystem::is_empty(empty.path()));
    }

    const CliRun help = Cli({"import-picks", "--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_NE(help.Out.find(std::string(kPicksCsvHeader)), std::string::npos);
    EXPECT_NE(help.Out.find("leave those selections as they"), std::string::npos);
}

}  // namespace
}  // namespace gm::cli
