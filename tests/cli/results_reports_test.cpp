// gridmoot-cli report results|team: the bytes the two windows write.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/NflFixture.h"
#include "core/nfl/NflResults.h"
#include "core/nfl/TeamResults.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"

namespace gm::cli {
namespace {

struct ResultsRun {
    int code;
    std::string out, err;
};

// A data folder holding the fixture season at week 4, and the same season in
// memory for the window models the output is compared with.
struct ResultsFolder {
    ResultsFolder() {
        test::WriteFile(dir / "1997.NFL", EncodeSeason(test::NflFixtureSeason()));
        test::WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=4\r\n");
    }
    ResultsRun Cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--data", dir.path().string(), "report"});
        std::ostringstream out, err;
        const int code = RunCli(args, out, err);
        return {code, out.str(), err.str()};
    }
    test::TempDir dir;
    test::TempDir other;
    AppState state = test::NflFixtureState(other.path());
};

TEST(ResultsReports, WeeklyResultsAsTheWindowWritesThem) {
    ResultsFolder f;
    NflResults window(f.state);
    ASSERT_TRUE(window.Spin(-1));
    ASSERT_TRUE(window.Spin(-1));  // week 2, reached by the spin control: " 2"

    ResultsRun r = f.Cli({"results", "--week", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, TextFileBytes(window.TextFile().Lines));

    r = f.Cli({"results", "--week", "2", "--file"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "A text file named NFLWk 2.txt was created.\n");
    EXPECT_EQ(test::ReadFile(f.dir / "NFLWk 2.txt"), TextFileBytes(window.TextFile().Lines));

    r = f.Cli({"results", "--week", "2", "--to", "web"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::ReadFile(f.dir / "nfl.htm"), WebPageBytes(f.state, window.WebPage()));

    // The current week when no week is given.
    r = f.Cli({"results"});
    EXPECT_NE(r.out.find("NFL  Results  Week 4"), std::string::npos) << r.out;
}

TEST(ResultsReports, TeamByNumberAbbreviationOrCity) {
    ResultsFolder f;
    f.state.ResultsTeam = test::Dal - 1;
    TeamResults window(f.state);
    for (const char* team : {"8", "dal", "Dallas"}) {
        ResultsRun r = f.Cli({"team", "--team", team});
        ASSERT_EQ(r.code, 0) << team << ": " << r.err;
        EXPECT_EQ(r.out, TextFileBytes(window.TextFile().Lines)) << team;
    }
    window.SetShowSpread(false);
    ResultsRun r = f.Cli({"team", "--team", "Dal", "--no-spread", "--to", "web"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::ReadFile(f.dir / "Dal.htm"), WebPageBytes(f.state, window.WebPage()));
}

TEST(ResultsReports, RefusesAMissingOrUnknownTeamAndABadWeek) {
    ResultsFolder f;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"team"}, "--team is required"},
        {{"team", "--team", "31"}, "not '31'"},
        {{"team", "--team", "Gotham"}, "not 'Gotham'"},
        {{"results", "--week", "22"}, "--week must be a week from 1 to 21"},
    };
    for (const auto& [args, message] : cases) {
        const ResultsRun r = f.Cli(args);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

}  // namespace
}  // namespace gm::cli
