#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli/Cli.h"
#include "core/output/TextOutput.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/BoxSettings.h"
#include "core/sidepools/DigitalPool.h"
#include "core/sidepools/SideFiles.h"

namespace gm::cli {
namespace {

using test::ReadFile;
using test::WriteFile;

struct CliResult {
    int code;
    std::string out, err;
};

CliResult Cli(const test::PoolFixture& f, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", f.Dir.path().string()});
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
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
    const CliResult r = Cli(f, {"report", "digital", "--week", "2", "--mode", "players", "--high-to-low"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, TextFileBytes(model.TextFile().Lines));

    const CliResult bad = Cli(f, {"report", "digital", "--mode", "everyone"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find("--mode"), std::string::npos) << bad.err;
}

TEST(SidePoolCli, SportsBoxPrintsToPdfOnly) {
    SideFixture f;
    const auto pdf = f.Dir / "box.pdf";
    const CliResult text = Cli(f, {"report", "sportsbox", "--week", "1"});
    EXPECT_EQ(text.code, 2);
    EXPECT_NE(text.err.find("printout"), std::string::npos) << text.err;
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--sheet", "--digits"}}) {
        std::vector<std::string> args{"report", "sportsbox", "--week", "1", "--to", "pdf", "--out", pdf.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliResult r = Cli(f, args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
        std::filesystem::remove(pdf);
    }
    EXPECT_EQ(Cli(f, {"report", "sportsbox", "--digits", "--to", "pdf"}).code, 2);
}

TEST(SidePoolCli, DrawSavesTheWeeksDigitsOnly) {
    SideFixture f;
    SeasonBoxes boxes{};
    boxes[1][5] = {FitName("Boxer"), 9};
    WriteFile(f.Dir / "SportBox.Dat", EncodeBoxes(boxes));

    const CliResult r = Cli(f, {"sportsbox", "draw", "--week", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    const IniFile ini(f.Dir / "Vask97.ini");
    const std::string top = ini.Read("Digits", "Top2", "", 20);
    const std::string left = ini.Read("Digits", "Left2", "", 20);
    EXPECT_TRUE(DigitsComplete(top)) << top;
    EXPECT_TRUE(DigitsComplete(left)) << left;
    EXPECT_NE(r.out.find(top), std::string::npos) << r.out;
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
    for (const auto& c : refusals) EXPECT_EQ(Cli(f, c.args).code, c.code) << c.args.back();

    WriteFile(f.Dir / "SBPlayer.dat", "");
    const CliResult none = Cli(f, {"sportsbox", "draw"});
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.err.find("Insufficient # of Players"), std::string::npos) << none.err;
}

}  // namespace
}  // namespace gm::cli
