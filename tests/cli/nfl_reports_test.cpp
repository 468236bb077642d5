// gridmoot-cli report league|conference|favund|whoshot|points: the same bytes
// as the windows write.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliRun.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "core/output/TextOutput.h"

namespace gm::cli {
namespace {

using test::CliRun;

// A data folder holding the four-week fixture season, at week 4.
struct NflFolder {
    NflFolder() {
        test::WriteFile(dir / "1997.NFL", EncodeSeason(test::NflFixtureSeason()));
        test::WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=4\r\n");
    }
    test::CliRun Cli(std::vector<std::string> args) const { return test::CliIn(dir.path(), std::move(args)); }
    test::TempDir dir;
};

std::string Golden(const std::string& name) {
    return test::ReadFile(std::filesystem::path(GRIDMOOT_FIXTURES) / "core/nfl/golden" / name);
}

TEST(NflReports, WriteTheWindowsBytes) {
    NflFolder f;
    struct Case {
        std::vector<std::string> args;
        const char* text;
        const char* page;
    } cases[] = {
        {{"league", "--week", "4"}, "League4.txt", "league.htm"},
        {{"conference", "--conference", "afc"}, "Conf4.txt", "nflconf.htm"},
        {{"favund", "--role", "favorite", "--conference", "nfc"}, "FavUnd4.txt", "favund.htm"},
        {{"whoshot", "--start", "2", "--end", "2"}, "WhosHot.txt", "whoshot.htm"},
        {{"points", "--start", "1", "--end", "4", "--average"}, "Points.txt", "points.htm"},
    };
    for (const Case& c : cases) {
        auto args = c.args;
        args.insert(args.begin(), "report");
        CliRun r = f.Cli(args);
        ASSERT_EQ(r.Code, 0) << c.args[0] << ": " << r.Err;
        EXPECT_EQ(r.Out, Golden(c.text)) << c.args[0];

        args.insert(args.end(), {"--to", "web"});
        r = f.Cli(args);
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(test::ReadFile(f.dir / c.page), Golden(c.page)) << c.args[0];
    }
}

TEST(NflReports, OptionsReachTheModel) {
    NflFolder f;
    // The week is reached by spinning, so the file carries the spun label.
    CliRun r = f.Cli({"report", "league", "--week", "3", "--scope", "road", "--spread", "--last3", "--file"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "A text file named League 3.txt was created.\n");
    AppState same = test::NflFixtureState(f.dir.path(), 4);
    LeagueStandings league(same);
    league.SpinWeek(-1);
    league.SetScope(Venue::Road);
    league.SetSpread(true);
    league.SetLast3(true);
    EXPECT_EQ(test::ReadFile(f.dir / "League 3.txt"), TextFileBytes(league.TextFile().Lines));

    r = f.Cli({"report", "points", "--end", "4", "--allowed", "--scope", "home"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("  1 NY Giants        3      1\r\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("Defensive Statistics: Home Games"), std::string::npos);

    r = f.Cli({"report", "favund", "--role", "underdog", "--scope", "road", "--last3"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("NFL Underdog Standings: Week 4\r\nLast 3 Games   On Road\r\n"), std::string::npos)
        << r.Out;
}

TEST(NflReports, RefuseWhatTheWindowsCannotShow) {
    NflFolder f;
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"report", "league", "--week", "22"}, "--week must be a week from 1 to 21"},
        {{"report", "league", "--scope", "away"}, "--scope must be"},
        {{"report", "conference", "--conference", "xfl"}, "--conference must be"},
        {{"report", "favund", "--role", "both"}, "--role must be"},
        {{"report", "whoshot", "--start", "0"}, "--start must be a week from 1 to 21"},
        {{"report", "points", "--last3"}, "--last3"},
    };
    for (const Case& c : cases) {
        const CliRun r = f.Cli(c.args);
        EXPECT_EQ(r.Code, 2) << c.args[1];
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    }
    const CliRun list = f.Cli({"report", "--list"});
    for (const char* name : {"league ", "conference ", "favund ", "whoshot ", "points "})
        EXPECT_NE(("\n" + list.Out).find(std::string("\n") + name), std::string::npos) << name;
}

// The real 1997 season, imported as an organiser would: the final standings.
TEST(NflReports, RealSeasonStandingsAfterWeekSeventeen) {
    test::TempDir dir;
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--data", dir.path().string(), "import-season",
                      (test::SharedData() / "nfl-scores-1995-1997.csv").string(), "--season",
                      "1997"},
                     out, err),
              0)
        << err.str();
    std::ostringstream report, reportErr;
    ASSERT_EQ(RunCli({"--data", dir.path().string(), "report", "league", "--week", "17"}, report, reportErr), 0)
        << reportErr.str();
    const std::string text = report.str();
    const char* inOrder[] = {
        "NFC Eastern", "NY Giants      10  5  1  307  265", "Washington      8  7  1  327  289",
        "NFC Central", "Green Bay      13  3  0  422  282",  "AFC Central",
        "Jacksonville   11  5  0  394  318", "Baltimore       6  9  1  326  345", "AFC Western",
        "Kansas City    13  3  0  375  232",
    };
    std::size_t at = 0;
    for (const char* piece : inOrder) {
        const std::size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece << " after offset " << at << " in\n" << text;
        at = found;
    }
}

}  // namespace
}  // namespace gm::cli
