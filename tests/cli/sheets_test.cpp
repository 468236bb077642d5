#include <gtest/gtest.h>

#include <cstdio>

#include "cli/CliRun.h"
#include "core/output/TextOutput.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sheets/PickSheet.h"
#include "support/PdfText.h"

namespace gm::cli {
namespace {

using test::CliRun;

CliRun Cli(const test::PoolFixture& f, std::vector<std::string> args) {
    return test::CliIn(f.Dir.path(), std::move(args));
}

TEST(PickSheetCli, TextIsTheDialogsTextAndFileName) {
    test::PoolFixture f;
    SheetChoices c = SheetChoices::From(f.State);
    c.Week = 2;
    c.Comment = "Due Friday";
    const PickSheet expected(f.State, SheetStyle::Tearoff, c);
    const CliRun r = Cli(f, {"picksheet", "--style", "tearoff", "--week", "2", "--comment", "Due Friday"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, TextFileBytes(expected.TextFile().Lines));

    std::filesystem::create_directory(f.Dir / "TxtFiles");
    const CliRun file = Cli(f, {"report", "picksheet", "--week", "2", "--file"});
    ASSERT_EQ(file.Code, 0) << file.Err;
    EXPECT_TRUE(std::filesystem::exists(f.Dir / "TxtFiles" / "Pksht2.txt"));
}

TEST(PickSheetCli, RefusesWhatTheDialogsRefuse) {
    test::PoolFixture f;
    struct Case {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"picksheet", "--week", "22"}, "--week"},
        {{"picksheet", "--style", "fancy"}, "--style"},
        {{"picksheet", "--style", "compact"}, "printout"},  // compact is printed only
        {{"picksheet", "--names", "--to", "pdf"}, "--names goes with --one-per-player"},
        // The Top Ten standings grade this year's selections: not on another season.
        {{"picksheet", "--style", "topten", "--season", "1995"}, "graded against the current season"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(f, c.args);
        EXPECT_EQ(r.Code, 2) << c.says;
        EXPECT_NE(r.Err.find(c.says), std::string::npos) << r.Err;
    }
    EXPECT_EQ(Cli(f, {"picksheet", "--style", "tearoff", "--season", "1995"}).Code, 0);
    // One per player in a pool without members says so instead of printing nothing.
    test::WriteFile(f.Dir / "Pool97.dat", "");
    const CliRun empty = Cli(f, {"picksheet", "--to", "pdf", "--one-per-player"});
    EXPECT_EQ(empty.Code, 2);
    EXPECT_NE(empty.Err.find("no members"), std::string::npos) << empty.Err;
}

TEST(PickSheetCli, EveryStyleAndTheEzEntrySheetPrintToPdf) {
    test::PoolFixture f;
    struct Case {
        std::vector<std::string> args;
        int pages;
        std::vector<std::string> shows;
    } cases[] = {
        {{"picksheet", "--week", "1", "--copies", "2"}, 2, {"NFL Schedule:", "PITTSBURGH", "(1-0-0)"}},
        // Five sheets, two a page.
        {{"picksheet", "--style", "compact", "--copies", "5"}, 3, {"Player Sheet For"}},
        {{"picksheet", "--style", "tearoff", "--week", "1"}, 1, {"Your Selections", "PIT"}},
        {{"picksheet", "--style", "topten", "--one-per-player", "--names"}, 4, {"Last Weeks Top 4", "Cathy"}},
        {{"picksheet", "--style", "noexcuse", "--week", "2"}, 1, {"NFL Standings", "Division", "Arizona"}},
        {{"report", "ezentry", "--week", "21"}, 1, {"NFL Score Sheet:", "Week 20", "Week 21"}},
    };
    int n = 0;
    for (const auto& c : cases) {
        const auto pdf = f.Dir / ("sheet" + std::to_string(n++) + ".pdf");
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--to", "pdf", "--out", pdf.string()});
        const CliRun r = Cli(f, args);
        ASSERT_EQ(r.Code, 0) << r.Err;
        ASSERT_TRUE(std::filesystem::exists(pdf)) << args[0];
        const std::string text = test::PdfText(pdf);
        if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
        EXPECT_EQ(test::Occurrences(text, "\f"), c.pages) << text;
        for (const auto& s : c.shows) EXPECT_NE(text.find(s), std::string::npos) << s << " in\n" << text;
    }
}

}  // namespace
}  // namespace gm::cli
