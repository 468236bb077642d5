#include <gtest/gtest.h>

#include <cstdio>

#include "cli/CliRun.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "support/PdfText.h"

namespace gm::cli {
namespace {

using test::CliRun;

CliRun Cli(const test::PoolFixture& f, std::vector<std::string> args) {
    return test::CliIn(f.Dir.path(), std::move(args));
}

// The CLI prints and writes what the windows' models write.
TEST(ReportCommand, StandingsMatchTheWindowModel) {
    test::PoolFixture f("PointSpreads=Yes\r\n");
    test::PoolFixture same("PointSpreads=Yes\r\n");
    PoolStandings model(same.State);
    model.SpinEnd(-1);
    model.ChooseSort("Wins");
    model.SetView(PoolStandings::View::Season);
    model.SetShowAll(true);

    const std::vector<std::string> choices{"report", "standings", "--end", "2", "--sort", "wins", "--view", "season",
                                           "--show-all"};
    CliRun r = Cli(f, choices);
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, TextFileBytes(model.TextFile().Lines));

    auto clip = choices;
    clip.insert(clip.end(), {"--to", "clipboard-text"});
    EXPECT_EQ(Cli(f, clip).Out, model.Clipboard().Text);

    auto file = choices;
    file.push_back("--file");
    r = Cli(f, file);
    EXPECT_EQ(r.Out, "A text file named PStnd 2.txt was created.\n");
    EXPECT_EQ(test::ReadFile(f.Dir / "PStnd 2.txt"), TextFileBytes(model.TextFile().Lines));

    auto web = choices;
    web.insert(web.end(), {"--to", "web"});
    r = Cli(f, web);
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(test::ReadFile(f.Dir / "standing.htm"), WebPageBytes(same.State, model.WebPage()));
}

TEST(ReportCommand, MatrixAndAllPicks) {
    test::PoolFixture f;
    test::PoolFixture same;
    PlayerMatrix matrix(same.State);
    matrix.SetConfidenceRows(true);
    CliRun r = Cli(f, {"report", "matrix", "--confidence"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, TextFileBytes(matrix.TextFile().Lines));

    AllPicksReport picks(same.State);
    picks.Spin(-1);
    picks.ByStanding = true;
    picks.EntirePool = true;
    r = Cli(f, {"report", "allpicks", "--week", "2", "--order", "standing", "--players", "entire", "--out",
                (f.Dir / "out.txt").string()});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(test::ReadFile(f.Dir / "out.txt"), TextFileBytes(picks.TextFile().Lines));
}

TEST(ReportCommand, RefusesBadChoices) {
    test::PoolFixture f;
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"report"}, "name one report"},
        {{"report", "bogus"}, "unknown report"},
        {{"report", "standings", "--end", "22"}, "--end must be a week from 1 to 21"},
        {{"report", "standings", "--sort", "x"}, "--sort must be"},
        {{"report", "matrix", "--to", "fax"}, "--to must be"},
        {{"report", "allpicks", "--to", "clipboard-text"}, "text file, a web page or a printout"},
        {{"report", "ezentry", "--to", "text"}, "report ezentry: The EzEntry NFL Sheet goes to a printout\n"},
        {{"report", "matrix", "--to", "pdf", "--copies", "0"}, "--copies must be from 1 to 200"},
    };
    for (const Case& c : cases) {
        const CliRun r = Cli(f, c.args);
        EXPECT_EQ(r.Code, 2) << c.args.back();
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    }
}

TEST(ReportCommand, PrintoutToPdfAndHomePage) {
    test::PoolFixture f;
    std::filesystem::create_directory(f.Dir / "Webpages");
    CliRun r = Cli(f, {"report", "standings", "--to", "pdf", "--copies", "2"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::string pdf = test::ReadFile(f.Dir / "PStnd3.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // Read back as text: the banner and the standings lines are on the page.
    if (const std::string text = test::PdfText(f.Dir / "PStnd3.pdf"); !text.empty()) {
        EXPECT_NE(text.find("Tallbrook Office Football Pools"), std::string::npos) << text;
        EXPECT_NE(text.find("Cathy"), std::string::npos);
        EXPECT_NE(text.find("Mon. Tiebreaker: Total Points"), std::string::npos);
    }

    ASSERT_EQ(Cli(f, {"report", "matrix", "--to", "web"}).Code, 0);
    r = Cli(f, {"homepage"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("Weekly Player Picks (picks.htm)"), std::string::npos);
    EXPECT_NE(test::ReadFile(f.Dir / "Webpages" / "index.htm").find("<a href=picks.htm>"), std::string::npos);
}

// Every report is listed with a line of its own, and each one's help names
// its own options beside the common ones.
TEST(ReportCommand, ListAndHelpComeFromTheRegistry) {
    test::PoolFixture f;
    CliRun r = Cli(f, {"report", "--list"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    for (const char* name : {"standings ", "matrix ", "allpicks "})
        EXPECT_NE(("\n" + r.Out).find(std::string("\n") + name), std::string::npos) << name << " in\n"
                                                                                    << r.Out;

    r = Cli(f, {"report", "matrix", "--help"});
    ASSERT_EQ(r.Code, 0);
    EXPECT_NE(r.Out.find("--confidence"), std::string::npos);
    EXPECT_NE(r.Out.find("--to text|clipboard-text|web|pdf"), std::string::npos);
    EXPECT_EQ(r.Out.find("--show-all"), std::string::npos) << "another report's option";
}

// An option of another report, or one nobody has, is refused before anything is written.
TEST(ReportCommand, RefusesOptionsThatAreNotTheReports) {
    test::PoolFixture f;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"report", "matrix", "--show-all", "--to", "web"},
             {"report", "standings", "--confidence", "--to", "web"},
             {"report", "standings", "--bogus", "1", "--to", "web"},
             {"report", "standings", "--week", "x1", "--to", "web"},
         }) {
        const CliRun r = Cli(f, args);
        EXPECT_EQ(r.Code, 2) << args[2];
        EXPECT_NE(r.Err.find("unknown option"), std::string::npos) << r.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(f.Dir / "standing.htm"));
    EXPECT_FALSE(std::filesystem::exists(f.Dir / "picks.htm"));
}

// A warning from loading (here: an archived season whose file is missing, by a
// program installed without its shipped seasons) is printed, and the report is
// still written.
TEST(ReportCommand, LoadingWarningsGoToStandardError) {
    test::PoolFixture f;
    test::TempDir bareInstall;
    ASSERT_FALSE(std::filesystem::exists(f.Dir / "1996.NFL"));
    const CliRun r = test::Cli({"--data", f.Dir.path().string(), "report", "league", "--season", "1996"},
                               bareInstall / "bin");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Err.find("warning: The season file"), std::string::npos) << r.Err;
    EXPECT_FALSE(r.Out.empty());
}

// The pool's selections belong to the current season: the pool reports that
// grade them refuse an archived one, as the Pool menu does, and write nothing.
// The Pool StatPak opens there from the menu, and so it is written here too.
TEST(ReportCommand, PoolReportsRefuseAnArchivedSeason) {
    test::PoolFixture f;
    for (const char* report : {"standings", "matrix", "allpicks", "statpak", "poolroom"}) {
        const CliRun r = Cli(f, {"report", report, "--season", "1995", "--to", "web"});
        EXPECT_EQ(r.Code, 2) << report;
        EXPECT_NE(r.Err.find("graded against the current season"), std::string::npos) << r.Err;
        EXPECT_TRUE(r.Out.empty()) << report;
    }
    EXPECT_EQ(Cli(f, {"report", "standings", "--season", "1997"}).Code, 0);
    const CliRun poolStat = Cli(f, {"report", "poolstat", "--season", "1995"});
    EXPECT_EQ(poolStat.Code, 0) << poolStat.Err;
    EXPECT_NE(poolStat.Out.find("Pool Statistics for Week"), std::string::npos) << poolStat.Out;
}

}  // namespace
}  // namespace gm::cli
