// Every NFL report of `report --list` on a data folder of today's league:
// the real 2024 season through the Super Bowl.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/Season2024.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::CliIn;
using test::CliRun;
using test::ListedReports;

TEST(NflReports2024, EveryNflReportRunsOnTodaysLeague) {
    test::TempDir dir;
    test::Write2024Folder(dir.path(), 22, 18);
    const std::set<std::string> listed = ListedReports(dir.path());

    struct Case {
        std::vector<std::string> Args;
        std::vector<std::string> Shows;  // pieces of the output, in order
    } cases[] = {
        {{"results", "--week", "1"},
         {"NFL  Results  Week 1", "KANSAS CITY 27  20  Baltimore", "Monday Nite Game", "SAN FRANCISCO 32  19  NY Jets +3.5"}},
        // The Super Bowl, on a neutral field with Philadelphia listed at home and given 1.5.
        {{"results", "--week", "22"}, {"NFL  Results  Week 22", "Monday Nite Game", "+1.5 PHILADELPHIA 40  22  Kansas City"}},
        {{"team", "--team", "DET"},
         {"Detroit  Lions", "Week  5    OFF DATE", "Week 18", std::string(52, '-'), "Week 19\r\n", "Week 22"}},
        {{"team", "--team", "32"}, {"Washington  Commanders"}},
        {{"league", "--week", "18"},
         {"NFL Standings: Week 18", "NFC East        W  L  T   PF   PA", "Philadelphia   14  3  0  463  303",
          "NY Giants       3 14  0  273  415", "NFC North", "Detroit        15  2  0  564  342", "NFC South",
          "NFC West", "AFC East", "Buffalo        13  4  0  525  368", "AFC North", "AFC South", "AFC West",
          "Kansas City    15  2  0  385  326"}},
        {{"league", "--week", "22", "--last3"}, {"NFL Standings: Week 22", "Last 3 Weeks"}},
        {{"conference", "--week", "18", "--conference", "afc"},
         {"NFC East        W  L  T   PF   PA    Division   Conference   vs. AFC",
          "AFC West        W  L  T   PF   PA    Division   Conference   vs. NFC"}},
        {{"favund", "--week", "18", "--role", "underdog"}, {"NFL Underdog Standings: Week 18", "AFC West"}},
        {{"whoshot", "--start", "19", "--end", "22"}, {"Between Week 19 and Week 22", "NFC East", "AFC West"}},
        {{"points", "--start", "1", "--end", "18"}, {"Between Week 1 And Week 18", "  1 Detroit", " 32 Cleveland"}},
        {{"matchup", "--week", "1", "--game", "16"}, {"NY Jets at San Francisco"}},
        {{"graph", "--to", "pdf"}, {}},
        {{"analyzer", "--end", "18", "--expanded"}, {"NFC", " North", "  Detroit", "AFC", " West", "  Kansas City"}},
    };
    std::set<std::string> run;
    for (const Case& c : cases) {
        const std::string& name = c.Args[0];
        EXPECT_TRUE(listed.count(name)) << name << " is not in report --list";
        run.insert(name);
        std::vector<std::string> args{"report"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        if (name == "graph") args.insert(args.end(), {"--out", (dir.path() / "graph.pdf").string()});
        const CliRun r = CliIn(dir.path(), args);
        ASSERT_EQ(r.Code, 0) << name << ": " << r.Err;
        std::size_t at = 0;
        for (const std::string& piece : c.Shows) {
            const std::size_t found = r.Out.find(piece, at);
            EXPECT_NE(found, std::string::npos) << name << ": '" << piece << "' after offset " << at << " in\n" << r.Out;
            if (found != std::string::npos) at = found;
        }
    }
    EXPECT_GT(std::filesystem::file_size(dir.path() / "graph.pdf"), 0u);
    for (const char* name : {"results", "team", "league", "conference", "favund", "whoshot", "points", "matchup", "graph",
                             "analyzer"})
        EXPECT_TRUE(run.count(name)) << name;

    // Today's league's limits: 32 teams, 16 games, 22 weeks.
    struct Refused {
        std::vector<std::string> Args;
        std::string Message;
    } refused[] = {
        {{"report", "team", "--team", "33"}, "1 to 32"},
        {{"report", "matchup", "--week", "1", "--game", "17"}, "--game"},
        {{"report", "league", "--week", "23"}, "1 to 22"},
    };
    for (const Refused& c : refused) {
        const CliRun r = CliIn(dir.path(), c.Args);
        EXPECT_EQ(r.Code, 2) << c.Args[1];
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << r.Err;
    }
}

}  // namespace
}  // namespace gm
