// gridmoot-cli report results|team: the bytes the two windows write.

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "core/nfl/NflResults.h"
#include "core/nfl/TeamResults.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"

namespace gm::cli {
namespace {

using test::CliRun;

// A data folder holding the fixture season at week 4, and the same season in
// memory for the window models the output is compared with.
struct ResultsFolder {
    ResultsFolder() {
        test::WriteFile(dir / "1997.NFL", EncodeSeason(test::NflFixtureSeason()));
        test::WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=4\r\n");
    }
    test::CliRun Cli(std::vector<std::string> args) const {
        args.insert(args.begin(), "report");
        return test::CliIn(dir.path(), std::move(args));
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

    test::CliRun r = f.Cli({"results", "--week", "2"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, TextFileBytes(window.TextFile().Lines));

    r = f.Cli({"results", "--week", "2", "--file"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "A text file named NFLWk 2.txt was created.\n");
    EXPECT_EQ(test::ReadFile(f.dir / "NFLWk 2.txt"), TextFileBytes(window.TextFile().Lines));

    r = f.Cli({"results", "--week", "2", "--to", "web"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(test::ReadFile(f.dir / "nfl.htm"), WebPageBytes(f.state, window.WebPage()));

    // The current week when no week is given.
    r = f.Cli({"results"});
    EXPECT_NE(r.Out.find("NFL  Results  Week 4"), std::string::npos) << r.Out;
}

TEST(ResultsReports, TeamByNumberAbbreviationOrCity) {
    ResultsFolder f;
    f.state.ResultsTeam = test::Dal - 1;
    TeamResults window(f.state);
    for (const char* team : {"8", "dal", "Dallas"}) {
        test::CliRun r = f.Cli({"team", "--team", team});
        ASSERT_EQ(r.Code, 0) << team << ": " << r.Err;
        EXPECT_EQ(r.Out, TextFileBytes(window.TextFile().Lines)) << team;
    }
    window.SetShowSpread(false);
    test::CliRun r = f.Cli({"team", "--team", "Dal", "--no-spread", "--to", "web"});
    ASSERT_EQ(r.Code, 0) << r.Err;
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
        const test::CliRun r = f.Cli(args);
        EXPECT_EQ(r.Code, 2) << args.back();
        EXPECT_NE(r.Err.find(message), std::string::npos) << r.Err;
        EXPECT_TRUE(r.Out.empty()) << r.Out;
    }
}

}  // namespace
}  // namespace gm::cli
