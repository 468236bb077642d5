#include <gtest/gtest.h>

#include <cstring>

#include "cli/CliRun.h"
#include "core/data/MemberRecord.h"
#include "core/data/SeasonFile.h"
#include "support/TempDir.h"

namespace gm::cli {
namespace {

using test::Cli;
using test::CliRun;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(CliSeason, ImportExportImportIsByteForByte) {
    const auto shared = test::SharedData();
    TempDir a, b;
    const std::string csv = (shared / "nfl-scores-1995-1997.csv").string();
    CliRun r = Cli({"--data", a.path().string(), "import-season", csv, "--season", "1997"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    ASSERT_EQ(std::filesystem::file_size(a / "1997.nfl"), 7245u);

    r = Cli({"--data", a.path().string(), "export-season"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    WriteFile(b / "season.csv", r.Out);
    r = Cli({"--data", b.path().string(), "import-season", (b / "season.csv").string()});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(ReadFile(b / "1997.nfl"), ReadFile(a / "1997.nfl"));

    for (const char* season : {"1995", "1996"}) {
        r = Cli({"--data", a.path().string(), "import-season", csv, "--season", season});
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(std::filesystem::file_size(a / (std::string(season) + ".NFL")), 7245u);
    }
}

TEST(CliSeason, ShippedArchivedSeasonsMatchTheResults) {
    const auto shared = test::SharedData();
    TempDir dir;
    for (const char* season : {"1995", "1996"}) {
        const CliRun r = Cli({"--data", dir.path().string(), "import-season",
                           (shared / "nfl-scores-1995-1997.csv").string(), "--season", season});
        ASSERT_EQ(r.Code, 0) << r.Err;
        const std::string name = std::string(season) + ".NFL";
        EXPECT_EQ(ReadFile(dir / name), ReadFile(std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "share/seasons" / name))
            << name << " is stale: run tools/make-archived-seasons.sh";
    }
}

TEST(CliSeason, ArchivedSeasonIsCopiedIntoAFolderThatLacksIt) {
    const std::filesystem::path shipped = std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "share/seasons";
    // An installed program: its prefix's share folder, never the sources.
    TempDir prefix, data;
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "share/gridmoot/seasons");
    std::filesystem::copy_file(shipped / "1996.NFL", prefix / "share/gridmoot/seasons/1996.NFL");
    WriteFile(data / "1995.NFL", "the organiser's own");

    const CliRun r =
        Cli({"--data", data.path().string(), "export-season", "--season", "1996"}, prefix / "bin");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(ReadFile(data / "1996.NFL"), ReadFile(shipped / "1996.NFL"));
    EXPECT_EQ(r.Out, Cli({"--data", data.path().string(), "export-season", "--season", "1996"}).Out);
    EXPECT_EQ(ReadFile(data / "1995.NFL"), "the organiser's own");
    EXPECT_TRUE(r.Err.empty()) << r.Err;

    // The current season is never filled in from elsewhere.
    const CliRun current = Cli({"--data", data.path().string(), "export-season"});
    EXPECT_EQ(current.Code, 1);
    EXPECT_FALSE(std::filesystem::exists(data / "1997.nfl"));
}

TEST(CliSeason, BadInputWritesNothing) {
    TempDir dir;
    WriteFile(dir / "1997.nfl", "previous");
    WriteFile(dir / "bad.csv",
              "schedule_date,schedule_season,schedule_week,schedule_playoff,team_home,score_home,score_away,"
              "team_away,team_favorite_id,spread_favorite\n"
              "9/7/1997,1997,2,FALSE,Miami Dolphins,1,0,Buffalo Bills,MIA,-3,\n"
              "9/7/1997,1997,2,FALSE,Gotham Knights,1,0,Miami Dolphins,PICK,0\n");
    const CliRun r = Cli({"--data", dir.path().string(), "import-season", (dir / "bad.csv").string()});
    EXPECT_NE(r.Code, 0);
    EXPECT_NE(r.Err.find("bad.csv:3: unknown team \"Gotham Knights\""), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("no season file was written"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "1997.nfl"), "previous");

    const std::vector<std::vector<std::string>> refused = {
        {"--data", dir.path().string(), "import-season", (dir / "missing.csv").string()},
        {"--data", dir.path().string(), "import-season", (dir / "bad.csv").string(), "--season", "1998"},
        {"--data", dir.path().string(), "import-season"},
        {"--data", dir.path().string(), "export-season", "--week", "3"},
        {"--data", (dir / "nowhere").string(), "export-pool"},
        {"--data", dir.path().string(), "frobnicate"},
        {},
    };
    for (const auto& args : refused) {
        const CliRun bad = Cli(args);
        EXPECT_NE(bad.Code, 0) << (args.size() > 2 ? args[2] : "");
        EXPECT_FALSE(bad.Err.empty());
    }
    EXPECT_EQ(ReadFile(dir / "1997.nfl"), "previous");
}

TEST(CliHelp, EveryCommandExplainsItself) {
    for (const char* command : {"import-season", "export-season", "export-pool"}) {
        const CliRun r = Cli({command, "--help"});
        EXPECT_EQ(r.Code, 0) << command;
        EXPECT_NE(r.Out.find(std::string("gridmoot-cli [--data DIR] ") + command), std::string::npos) << command;
    }
    const CliRun general = Cli({"--help"});
    EXPECT_EQ(general.Code, 0);
    EXPECT_NE(general.Out.find("export-pool"), std::string::npos);
}

// The version the build declares: "project(Gridmoot VERSION x.y" in CMakeLists.txt.
std::string ProjectVersion() {
    const std::string cmake = ReadFile(std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "CMakeLists.txt");
    const std::string key = "project(Gridmoot VERSION ";
    const auto at = cmake.find(key);
    if (at == std::string::npos) return "?";
    const auto from = at + key.size();
    return cmake.substr(from, cmake.find_first_of(" )", from) - from);
}

// --version names the program and the project's version, wherever --data puts
// the data folder, and the general help lists it.
TEST(CliHelp, VersionNamesTheProgramAndItsVersion) {
    TempDir dir;
    const std::string missing = (dir / "no-such-folder").string();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"}, {"--data", missing, "--version"}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.Code, 0);
        EXPECT_EQ(r.Out, "gridmoot-cli (Gridmoot) " + ProjectVersion() + "\n");
        EXPECT_TRUE(r.Err.empty()) << r.Err;
    }
    EXPECT_NE(Cli({"--help"}).Out.find("\n  --version "), std::string::npos);
}

TEST(CliPool, ExportListsExactlyTheEntries) {
    TempDir dir;
    // Two records made by hand at the documented offsets.
    std::string bytes(2 * 746, '\0');
    auto put = [&](int record, int offset, unsigned char value) { bytes[record * 746 + offset] = static_cast<char>(value); };
    std::memcpy(bytes.data(), "Ann, \"the\" Boss   ", 18);
    std::memcpy(bytes.data() + 746, "Bob               ", 18);
    put(0, 18 + 2 + 22 * 4, 17);   // week 3, slot 4: team 17
    put(0, 370 + 2 + 22 * 4, 12);  // its confidence
    put(0, 18 + 0 + 22 * 14, 30);  // week 1, Monday night: team 30
    put(0, 722, 0x2A);             // player number 42
    put(0, 724 + 2, 45);           // week 3 tiebreak
    put(1, 722, 0x01);
    put(1, 723, 0x01);             // player number 257
    WriteFile(dir / "POOL97.DAT", bytes);

    const CliRun r = Cli({"--data", dir.path().string(), "export-pool"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out,
              "record,name,player_number,entry,week,slot,value\n"
              "1,\"Ann, \"\"the\"\" Boss\",42,member,,,\n"
              "1,\"Ann, \"\"the\"\" Boss\",42,pick,1,14,30\n"
              "1,\"Ann, \"\"the\"\" Boss\",42,pick,3,4,17\n"
              "1,\"Ann, \"\"the\"\" Boss\",42,confidence,3,4,12\n"
              "1,\"Ann, \"\"the\"\" Boss\",42,tiebreak,3,,45\n"
              "2,Bob,257,member,,,\n");
}

}  // namespace
}  // namespace gm::cli

namespace gm::cli {
namespace {

// make-sample writes a folder every report can read; without --data it goes
// beside the user's own folder and never into it.
TEST(CliSample, MakesTheSampleWhereAskedAndNeverIntoTheUsersPool) {
    test::TempDir dir;
    const auto folder = dir / "new" / "sample";
    test::CliRun r = test::Cli({"--data", folder.string(), "make-sample"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find(folder.string()), std::string::npos) << r.Out;
    r = test::CliIn(folder, {"report", "standings", "--start", "1", "--end", "8", "--view", "season"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("Sandra Kim"), std::string::npos) << r.Out;

    const auto user = dir / "xdg" / "gridmoot";
    std::filesystem::create_directories(user);
    test::WriteFile(user / "Pool97.dat", "the user's pool");
    const char* before = std::getenv("XDG_DATA_HOME");
    const std::string saved = before ? before : "";
    setenv("XDG_DATA_HOME", (dir / "xdg").c_str(), 1);
    r = test::Cli({"make-sample"});
    if (before) setenv("XDG_DATA_HOME", saved.c_str(), 1); else unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(std::filesystem::exists(dir / "xdg" / "gridmoot-sample" / "Sample.txt"));
    EXPECT_EQ(test::ReadFile(user / "Pool97.dat"), "the user's pool");

    // A folder with someone's pool in it is refused and kept.
    r = test::CliIn(user, {"make-sample"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("not empty"), std::string::npos) << r.Err;
    EXPECT_EQ(test::ReadFile(user / "Pool97.dat"), "the user's pool");
}

}  // namespace
}  // namespace gm::cli
