// Every pool and pool-analysis report of `report --list` on a data folder of
// today's league: the real 2024 season through the Super Bowl and the
// hand-counted pool of core/pool/fixtures/Pool2024Fixture.h.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "core/pool/fixtures/Pool2024Fixture.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::CliIn;
using test::CliRun;
using test::ListedReports;

TEST(PoolReports2024, EveryPoolAndAnalysisReportRunsThroughWeekTwentyTwo) {
    test::TempDir dir;
    test::Write2024PoolFolder(dir.path());
    const std::set<std::string> listed = ListedReports(dir.path());

    struct Case {
        std::vector<std::string> Args;
        std::vector<std::string> Shows;  // pieces of the output, in order
    } cases[] = {
        {{"standings", "--end", "22", "--view", "season"},
         {"Season Standings   Week 1 To Week 22", "  1 Alice                 10    7   0     94.0",
          "  2 Bob ", "  3 Carol"}},
        {{"standings", "--start", "19", "--end", "22"}, {"Player Standings:   Week 19 To 22", "Bob ", "Alice "}},
        {{"matrix", "--week", "4"}, {"Player Selections For Week 4", "Alice", "Bob"}},
        {{"allpicks", "--week", "22"}, {"Player Selections   Week 22", "Alice", "Bob"}},
        {{"statpak", "--member", "Alice", "--week", "22"}, {"Season Statistics for Alice", "18)", "22)"}},
        {{"poolstat", "--week", "22"}, {"Pool Statistics for Week 22", "22)"}},
        {{"poolroom", "--week", "22", "--start", "19", "--end", "22"},
         {"Week 18:", "POST SEASON", "Week 22: Bob", "Between Week  19 And Week 22",
          "Alice                        2   2  0    9.0   6.0"}},  // the start week spun: a sign blank
        {{"poolanalyst", "--week", "22", "--group", "nfc-north"},
         {"Category: In Games Involving NFC North", "Alice                4    3   0   57.1    22.0"}},
        {{"poolanalyst", "--week", "22", "--team", "32", "--betting-on"}, {"Washington", "Alice"}},
        {{"experts", "--week", "22"}, {"THE POOL EXPERTS", "Alice", "0 - 1 - 0"}},
        {{"playeranalyst", "--member", "Alice", "--start", "1", "--end", "22"},
         {"Week 1 To Week 22", "Washington", "NFC North", "AFC West"}},
        {{"playergraph", "--member", "Alice", "--to", "pdf"}, {}},
    };
    std::set<std::string> run;
    for (const Case& c : cases) {
        const std::string& name = c.Args[0];
        EXPECT_TRUE(listed.count(name)) << name << " is not in report --list";
        run.insert(name);
        std::vector<std::string> args{"report"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const CliRun r = CliIn(dir.path(), args);
        ASSERT_EQ(r.Code, 0) << name << ": " << r.Err;
        std::size_t at = 0;
        for (const std::string& piece : c.Shows) {
            const std::size_t found = r.Out.find(piece, at);
            EXPECT_NE(found, std::string::npos) << name << ": '" << piece << "' after offset " << at << " in\n" << r.Out;
            if (found != std::string::npos) at = found;
        }
    }
    // The pool and analysis reports, all of them run above.
    for (const char* name : {"standings", "matrix", "allpicks", "statpak", "poolstat", "poolroom", "poolanalyst",
                             "experts", "playeranalyst", "playergraph"})
        EXPECT_TRUE(run.count(name) && listed.count(name)) << name;
}

// The 1997 divisions are not groups of today's league, and week 23 is no week.
TEST(PoolReports2024, RefusesGroupsAndWeeksTheLeagueHasNot) {
    test::TempDir dir;
    test::Write2024PoolFolder(dir.path());
    CliRun r = CliIn(dir.path(), {"report", "poolanalyst", "--group", "nfc-central"});
    EXPECT_EQ(r.Code, 2);
    EXPECT_NE(r.Err.find("nfc-central is a 1997 division; today's divisions are East, North, South and West"),
              std::string::npos)
        << r.Err;
    r = CliIn(dir.path(), {"report", "standings", "--end", "23"});
    EXPECT_EQ(r.Code, 2);
    EXPECT_NE(r.Err.find("from 1 to 22"), std::string::npos) << r.Err;
}

}  // namespace
}  // namespace gm
