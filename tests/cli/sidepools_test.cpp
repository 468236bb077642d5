#include <gtest/gtest.h>

#include <cstdio>

#include "cli/CliRun.h"
#include "core/output/TextOutput.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "support/PdfText.h"
#include "core/sidepools/BoxSettings.h"
#include "core/sidepools/DigitalPool.h"
#include "core/sidepools/SideFiles.h"

namespace gm::cli {
namespace {

using test::ReadFile;
using test::WriteFile;

using test::CliRun;

CliRun Cli(const test::PoolFixture& f, std::vector<std::string> args) {
    return test::CliIn(f.Dir.path(), std::move(args));
}

// The pool fixture (CurrentWeek 3) with Digital Pool and Sports Box players.
struct SideFixture : test::PoolFixture {
    SideFixture() {
        WriteFile(Dir / "Digital.dat", EncodeDigitPlayers({{FitName("Zed"), 8, 0}, {FitName("Amy"), 13, 0}}));
        WriteFile(Dir / "SBPlayer.dat", EncodeBoxPlayers({{FitName("Boxer"), 9}}));
        Reload();
    }
};

TEST(SidePoolCli, DigitalReportIsTheWindowsText) {
    SideFixture f;
    SideFixture same;
    DigitalPool model(same.State);
    model.Spin(-1);
    model.SetMode(DigitalPool::Mode::Players);
    model.SetSort(true);
    const CliRun r = Cli(f, {"report", "digital", "--week", "2", "--mode", "players", "--high-to-low"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, TextFileBytes(model.TextFile().Lines));

    const CliRun bad = Cli(f, {"report", "digital", "--mode", "everyone"});
    EXPECT_EQ(bad.Code, 2);
    EXPECT_NE(bad.Err.find("--mode"), std::string::npos) << bad.Err;
}

TEST(SidePoolCli, SportsBoxPrintsToPdfOnly) {
    SideFixture f;
    const auto pdf = f.Dir / "box.pdf";
    const CliRun text = Cli(f, {"report", "sportsbox", "--week", "1"});
    EXPECT_EQ(text.Code, 2);
    EXPECT_NE(text.Err.find("printout"), std::string::npos) << text.Err;
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--sheet", "--digits"}}) {
        std::vector<std::string> args{"report", "sportsbox", "--week", "1", "--to", "pdf", "--out", pdf.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun r = Cli(f, args);
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
        std::filesystem::remove(pdf);
    }
    EXPECT_EQ(Cli(f, {"report", "sportsbox", "--digits", "--to", "pdf"}).Code, 2);
}

// The 1997 season as gridmoot-cli imports it: week 1 is Chicago 24 at Green
// Bay 38 on Monday night, week 21 holds only the Super Bowl, in slot 14.
TEST(SidePoolCli, SportsBoxOnAnImportedSeason) {
    const auto shared = test::SharedData();
    SideFixture f;
    const CliRun imported =
        Cli(f, {"import-season", (shared / "nfl-scores-1995-1997.csv").string(), "--season", "1997"});
    ASSERT_EQ(imported.Code, 0) << imported.Err;
    ASSERT_TRUE(IniFile(f.Dir / "Vask97.ini").Write("Digits", "Top1", "8123456789"));
    SeasonBoxes boxes{};
    boxes[0][40] = {FitName("First Place"), 1};
    boxes[0][48] = {FitName("Last Place"), 2};
    WriteFile(f.Dir / "SportBox.Dat", EncodeBoxes(boxes));

    const auto pdf = f.Dir / "box.pdf";
    CliRun r = Cli(f, {"report", "sportsbox", "--week", "1", "--to", "pdf", "--out", pdf.string()});
    ASSERT_EQ(r.Code, 0) << r.Err;
    std::string text = test::PdfText(pdf);
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("Chicago : 24"), std::string::npos) << text;
    // Box 48 is named the winner; box 40 stands only among the owners.
    EXPECT_EQ(test::Occurrences(text, "Last Place"), 2) << text;
    EXPECT_EQ(test::Occurrences(text, "First Place"), 1) << text;
    EXPECT_NE(text.find("Digits repeat"), std::string::npos) << text;

    r = Cli(f, {"report", "sportsbox", "--sheet", "--week", "21", "--to", "pdf", "--out", pdf.string()});
    ASSERT_EQ(r.Code, 0) << r.Err;
    text = test::PdfText(pdf);
    EXPECT_NE(text.find("Home Team: Green Bay"), std::string::npos) << text;
    EXPECT_NE(text.find("Away Team: Denver"), std::string::npos) << text;
}

TEST(SidePoolCli, DrawSavesTheWeeksDigitsOnly) {
    SideFixture f;
    SeasonBoxes boxes{};
    boxes[1][5] = {FitName("Boxer"), 9};
    WriteFile(f.Dir / "SportBox.Dat", EncodeBoxes(boxes));

    const CliRun r = Cli(f, {"sportsbox", "draw", "--week", "2"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const IniFile ini(f.Dir / "Vask97.ini");
    const std::string top = ini.Read("Digits", "Top2", "", 20);
    const std::string left = ini.Read("Digits", "Left2", "", 20);
    EXPECT_TRUE(DigitsComplete(top)) << top;
    EXPECT_TRUE(DigitsComplete(left)) << left;
    EXPECT_NE(r.Out.find(top), std::string::npos) << r.Out;
    EXPECT_EQ(ini.Read("Digits", "Top1", "", 20), "0123456789");
    EXPECT_EQ(DecodeBoxes(ReadFile(f.Dir / "SportBox.Dat")), boxes);  // the boxes stay

    struct Refusal {
        std::vector<std::string> args;
        int code;
    } refusals[] = {
        {{"sportsbox", "draw", "--week", "22"}, 2},
        {{"sportsbox", "draw", "--week", "2x"}, 2},
        {{"sportsbox", "deal"}, 2},
    };
    for (const auto& c : refusals) EXPECT_EQ(Cli(f, c.args).Code, c.code) << c.args.back();

    WriteFile(f.Dir / "SBPlayer.dat", "");
    const CliRun none = Cli(f, {"sportsbox", "draw"});
    EXPECT_EQ(none.Code, 1);
    EXPECT_NE(none.Err.find("Insufficient # of Players"), std::string::npos) << none.Err;
}

}  // namespace
}  // namespace gm::cli
