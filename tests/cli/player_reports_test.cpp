// gridmoot-cli report playeranalyst and playergraph: the member and the
// choices reach the models, and a member who is not in the pool is refused.

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "core/analysis/PlayerAnalyst.h"
#include "core/output/TextOutput.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "support/PdfText.h"

namespace gm::cli {
namespace {

using test::CliRun;

struct Pool : test::PoolFixture {
    test::CliRun Cli(std::vector<std::string> args) const {
        args.insert(args.begin(), "report");
        return test::CliIn(Dir.path(), std::move(args));
    }
};

TEST(PlayerReports, AnalystTextIsTheWindowsText) {
    Pool f;
    Pool same;
    PlayerAnalyst analyst(same.State);
    analyst.SelectMember(2);
    ASSERT_TRUE(analyst.SpinEnd(-1));
    ASSERT_TRUE(analyst.SpinStart(+1));
    const CliRun r = f.Cli({"playeranalyst", "--member", "cathy", "--start", "2", "--end", "2"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, TextFileBytes(analyst.TextFile().Lines));
    EXPECT_NE(r.Out.find("Cathy's Personalized Handicapping Record"), std::string::npos);
}

TEST(PlayerReports, UnknownOrMissingMemberIsRefused) {
    Pool f;
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"playeranalyst", "--member", "Nobody"}, "no member is named Nobody"},
        {{"playergraph", "--member", "Nobody", "--to", "pdf"}, "no member is named Nobody"},
        {{"playeranalyst"}, "--member NAME|NUMBER is required"},
        {{"playergraph", "--member", "Al Adams", "--method", "bogus", "--to", "pdf"}, "--method"},
        {{"playergraph", "--member", "Al Adams"}, "Player Graphs"},  // a printout only
    };
    for (const auto& c : cases) {
        const CliRun r = f.Cli(c.args);
        EXPECT_EQ(r.Code, 2) << c.args[0];
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    }
}

TEST(PlayerReports, PrintoutsToPdf) {
    Pool f;
    const auto analystPdf = f.Dir / "analyst.pdf";
    CliRun r = f.Cli({"playeranalyst", "--member", "Al Adams", "--to", "pdf", "--out", analystPdf.string(),
                      "--copies", "3"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const auto graphPdf = f.Dir / "graph.pdf";
    r = f.Cli({"playergraph", "--member", "Cathy", "--method", "wins", "--line", "--to", "pdf", "--out",
               graphPdf.string()});
    ASSERT_EQ(r.Code, 0) << r.Err;
    ASSERT_EQ(test::ReadFile(graphPdf).substr(0, 5), "%PDF-");

    const std::string analyst = test::PdfText(analystPdf), graph = test::PdfText(graphPdf);
    if (analyst.empty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(analyst.find("Al Adams's Personalized Handicapping Record"), std::string::npos) << analyst;
    EXPECT_EQ(std::count(analyst.begin(), analyst.end(), '\f'), 1);  // one copy whatever the count
    EXPECT_NE(graph.find("Cathy"), std::string::npos) << graph;
    EXPECT_NE(graph.find("Player Tot. 2"), std::string::npos) << graph;
}

}  // namespace
}  // namespace gm::cli
