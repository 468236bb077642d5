// gridmoot-cli report poolanalyst and experts: the choices reach the models,
// bad choices and weeks before 4 are refused, and an empty pool is no crash.

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "core/analysis/PoolAnalyst.h"
#include "core/analysis/fixtures/PoolAnalystFixture.h"
#include "core/analysis/PoolExperts.h"
#include "core/output/TextOutput.h"

namespace gm::cli {
namespace {

using test::CliRun;

test::CliRun Report(const gm::test::AnalysisFixture& f, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", f.Dir.path().string(), "report"});
    return test::Cli(args);
}

TEST(PoolAnalystCli, ChoicesReachTheModel) {
    struct Case {
        std::vector<std::string> args;
        int week;
        PoolAnalyst::Mode mode;
        int group, team;
    };
    const Case cases[] = {
        {{"poolanalyst"}, 0, PoolAnalyst::Mode::InGamesInvolving, 0, 0},
        {{"poolanalyst", "--group", "nfc-east", "--week", "2"}, 2, PoolAnalyst::Mode::InGamesInvolving, 2, 0},
        {{"poolanalyst", "--group", "afc-west", "--betting-on"}, 0, PoolAnalyst::Mode::WhenBettingOn, 8, 0},
        {{"poolanalyst", "--team", "dal", "--betting-on"}, 0, PoolAnalyst::Mode::WhenBettingOn, -1, 8},
        {{"poolanalyst", "--team", "9"}, 0, PoolAnalyst::Mode::InGamesInvolving, -1, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        gm::test::AnalysisFixture f, same;
        PoolAnalyst model(same.State);
        if (c.week) model.Spin(c.week - model.Week());
        model.SetMode(c.mode);
        if (c.team)
            model.ChooseTeam(c.team);
        else
            model.ChooseGroup(c.group);
        const test::CliRun r = Report(f, c.args);
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(r.Out, TextFileBytes(model.TextFile().Lines));
    }
}

TEST(PoolAnalystCli, ExpertsOfAWeek) {
    gm::test::AnalysisFixture f(5), same(5);
    PoolExperts model(same.State);
    model.Spin(-1);
    const test::CliRun r = Report(f, {"experts", "--week", "4"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, TextFileBytes(model.ReportLines()));
    EXPECT_NE(r.Out.find("Phi at Dal  Ben"), std::string::npos);
}

TEST(PoolAnalystCli, RefusedChoices) {
    gm::test::AnalysisFixture f;  // current week 3
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"experts"}, "The Pool Experts cannot be considered Experts until the start of the 4th NFL week"},
        {{"experts", "--week", "3"}, "The Pool Experts cannot be considered Experts until the start of the 4th NFL week"},
        {{"experts", "--week", "22"}, "--week must be a week from 1 to 21"},
        {{"poolanalyst", "--group", "nfc-north"}, "--group must be"},
        {{"poolanalyst", "--team", "Toronto"}, "--team must be a team number from 1 to 30"},
        {{"poolanalyst", "--team", "8", "--group", "all"}, "either --group or --team"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const test::CliRun r = Report(f, c.args);
        EXPECT_EQ(r.Code, 2);
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    }
}

TEST(PoolAnalystCli, EmptyPoolWritesEmptyLists) {
    gm::test::AnalysisFixture f(4, "", {});
    test::CliRun r = Report(f, {"poolanalyst", "--to", "web"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    r = Report(f, {"experts", "--to", "web"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(std::filesystem::exists(f.Dir / "Webpages" / "experts.htm"));
    EXPECT_TRUE(std::filesystem::exists(f.Dir / "Webpages" / "poolpros.htm"));
}

}  // namespace
}  // namespace gm::cli
