#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/CliRun.h"
#include "core/data/MemberRecord.h"
#include "core/sidepools/SideFiles.h"
#include "support/PdfText.h"
#include "support/Season2024.h"
#include "support/TempDir.h"

// The pick sheets, the EZ Entry sheet and the side games from the command
// line on a data folder of today's league holding the 2024 season.
namespace gm::cli {
namespace {

using test::CliRun;

struct Folder2024 {
    explicit Folder2024(int currentWeek = 1) { test::Write2024Folder(dir.path(), 22, currentWeek); }
    CliRun Cli(std::vector<std::string> args) const { return test::CliIn(dir.path(), std::move(args)); }
    test::TempDir dir;
};

// Every sheet and side-game report that `report --list` names runs on the
// 2024 folder, to the destinations it has, for the season's last week.
TEST(TodaySheetsCli, EverySheetAndSideGameReportRuns) {
    Folder2024 f(22);
    const CliRun list = f.Cli({"report", "--list"});
    ASSERT_EQ(list.Code, 0) << list.Err;
    const std::vector<std::string> ours{"picksheet", "ezentry", "sportsbox", "digital"};
    std::vector<std::string> listed;
    std::istringstream lines(list.Out);
    for (std::string line; std::getline(lines, line);) {
        const std::string name = line.substr(0, line.find(' '));
        if (std::find(ours.begin(), ours.end(), name) != ours.end()) listed.push_back(name);
    }
    ASSERT_EQ(listed.size(), ours.size()) << list.Out;

    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> shows;  // in the text, or in the PDF read back
    } cases[] = {
        {{"report", "picksheet", "--week", "22"}, {"Kansas City", "PHILADELPHIA", "Tiebreak Game: Sun 2/9 6:30 PM"}},
        {{"report", "picksheet", "--style", "tearoff", "--week", "22"}, {"KC", "PHI"}},
        {{"report", "picksheet", "--style", "topten", "--week", "22"}, {"Season Standings"}},
        {{"report", "picksheet", "--style", "compact", "--week", "22", "--to", "pdf"}, {"PHILADELPHIA"}},
        {{"report", "picksheet", "--style", "noexcuse", "--week", "22", "--to", "pdf"}, {"AFC West", "NFC North"}},
        {{"report", "ezentry", "--week", "22", "--to", "pdf"}, {"Week 21", "Week 22", "Philadelphia"}},
        {{"report", "sportsbox", "--week", "22", "--to", "pdf"}, {"Week 22", "Philadelphia : 40", "Kansas City : 22"}},
        {{"report", "sportsbox", "--sheet", "--week", "22", "--to", "pdf"}, {"Week 22", "Home Team: Philadelphia"}},
        {{"report", "digital", "--week", "22"}, {"Washington", "Digital Pool for Week 22"}},
        {{"report", "digital", "--week", "22", "--to", "web"}, {}},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        const bool pdf = std::find(args.begin(), args.end(), "pdf") != args.end();
        const auto out = f.dir.path() / ("out" + std::to_string(n++) + ".pdf");
        if (pdf) args.insert(args.end(), {"--out", out.string()});
        const CliRun r = f.Cli(args);
        ASSERT_EQ(r.Code, 0) << args[1] << ": " << r.Err;
        const std::string text = pdf ? test::PdfText(out) : r.Out;
        if (pdf && text.empty()) GTEST_SKIP() << "pdftotext is not available";
        for (const std::string& s : c.shows) EXPECT_NE(text.find(s), std::string::npos) << s << " in\n" << text;
    }
    EXPECT_TRUE(std::filesystem::exists(f.dir.path() / "Webpages" / "digital.htm") ||
                std::filesystem::exists(f.dir.path() / "digital.htm"));
}

// A week of 16 games printed in every style and read back from the PDF:
// every team of the week is on the page (all 32 play in week 1), the
// tiebreak game is named, and one sheet is one page (Compact: two sheets).
TEST(TodaySheetsCli, SixteenGameWeekPrintsWholeInEveryStyle) {
    Folder2024 f(1);
    const char* styles[] = {"standard", "compact", "tearoff", "topten", "noexcuse"};
    int n = 0;
    for (const char* style : styles) {
        SCOPED_TRACE(style);
        const auto pdf = f.dir.path() / ("week1-" + std::to_string(n++) + ".pdf");
        const CliRun r = f.Cli({"picksheet", "--style", style, "--week", "1", "--group", "homeaway", "--team", "city",
                                "--copies", "2", "--to", "pdf", "--out", pdf.string()});
        ASSERT_EQ(r.Code, 0) << r.Err;
        const std::string text = test::PdfText(pdf);
        if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
        EXPECT_EQ(test::Occurrences(text, "\f"), std::string(style) == "compact" ? 1 : 2) << text;
        EXPECT_EQ(test::Occurrences(text, "Tiebreak Game: Mon 9/9 8:15 PM"), 2) << text;
        for (const char* city : {"Arizona", "Atlanta", "Baltimore", "Buffalo", "Carolina", "Chicago", "Cincinnati",
                                 "Cleveland", "Dallas", "Denver", "Detroit", "Green Bay", "Houston", "Indianapolis",
                                 "Jacksonville", "Kansas City", "Las Vegas", "LA Chargers", "LA Rams", "Miami",
                                 "Minnesota", "New England", "New Orleans", "NY Giants", "NY Jets", "Philadelphia",
                                 "Pittsburgh", "San Francisco", "Seattle", "Tampa Bay", "Tennessee", "Washington"})
            EXPECT_GE(test::Occurrences(text, city), 2) << city << " in\n" << text;
    }
}

// Drawing the Sports Box digits of the Super Bowl week: its game is the
// week's only one, and the box file saved holds all 22 weeks.
TEST(TodaySheetsCli, SportsBoxDrawRunsToTheSuperBowl) {
    Folder2024 f(1);
    test::WriteFile(f.dir.path() / "SBPlayer.dat", EncodeBoxPlayers({{FitName("Ann"), 1}}));
    const CliRun refused = f.Cli({"sportsbox", "draw", "--week", "23"});
    EXPECT_EQ(refused.Code, 2);
    EXPECT_NE(refused.Err.find("--week must be a week from 1 to 22, not '23'"), std::string::npos) << refused.Err;
    EXPECT_FALSE(std::filesystem::exists(f.dir.path() / "SportBox.Dat"));

    const CliRun r = f.Cli({"sportsbox", "draw", "--week", "22"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("Week 22 digits drawn and saved"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("top (home Philadelphia)"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("side (away Kansas City)"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("winner: box "), std::string::npos) << r.Out;
    EXPECT_EQ(std::filesystem::file_size(f.dir.path() / "SportBox.Dat"), 44000u);
}

// The web pages of today's league: each display that has a page writes it
// for week 22 in the page skeleton, and the home page links every one.
TEST(TodaySheetsCli, WebPagesAndTheHomePage) {
    Folder2024 f(22);
    std::filesystem::create_directory(f.dir.path() / "Webpages");
    const std::pair<const char*, const char*> pages[] = {
        {"results", "nfl.htm"},       {"conference", "nflconf.htm"}, {"league", "league.htm"},
        {"favund", "favund.htm"},     {"whoshot", "whoshot.htm"},    {"analyzer", "analyze.htm"},
        {"points", "points.htm"},     {"matrix", "picks.htm"},       {"standings", "standing.htm"},
        {"poolroom", "poolroom.htm"}, {"poolstat", "poolstat.htm"},  {"digital", "digital.htm"},
        {"poolanalyst", "poolpros.htm"},
    };
    for (const auto& [report, file] : pages) {
        const CliRun r = f.Cli({"report", report, "--to", "web"});
        ASSERT_EQ(r.Code, 0) << report << ": " << r.Err;
        const std::string page = test::ReadFile(f.dir.path() / "Webpages" / file);
        EXPECT_EQ(page.substr(0, 8), "<HTML>\r\n") << file;
        EXPECT_TRUE(page.ends_with("</HTML>\r\n")) << file;
    }
    const std::string digital = test::ReadFile(f.dir.path() / "Webpages" / "digital.htm");
    EXPECT_NE(digital.find("Digital Pool for Week 22"), std::string::npos) << digital;
    EXPECT_NE(digital.find("Washington"), std::string::npos) << digital;

    const CliRun home = f.Cli({"homepage"});
    ASSERT_EQ(home.Code, 0) << home.Err;
    const std::string index = test::ReadFile(f.dir.path() / "Webpages" / "index.htm");
    for (const auto& [report, file] : pages)
        EXPECT_NE(index.find(std::string("<a href=") + file + ">"), std::string::npos) << file;
}

}  // namespace
}  // namespace gm::cli
