// gridmoot-cli report matchup|analyzer|graph.

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "support/PdfText.h"

namespace gm::cli {
namespace {

using test::CliRun;

// A data folder holding the four-week fixture season, at week 4.
struct Folder {
    Folder() {
        test::WriteFile(dir / "1997.NFL", EncodeSeason(test::NflFixtureSeason()));
        test::WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=4\r\n");
    }
    test::CliRun Cli(std::vector<std::string> args) const {
        args.insert(args.begin(), "report");
        return test::CliIn(dir.path(), std::move(args));
    }
    test::TempDir dir;
};

using test::PdfText;

TEST(NflAnalysisReports, MatchupAnalyzerAndGraph) {
    Folder f;
    CliRun r = f.Cli({"matchup", "--week", "4", "--game", "2"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("   Season Record    2  1  0   73   48        0  1  1   20   48 ________\r\n"),
              std::string::npos)
        << r.Out;
    r = f.Cli({"matchup", "--game", "2", "--file"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "A text file named Dal@Was.txt was created.\n");

    r = f.Cli({"analyzer", "--role", "favorites", "--expanded", "--end", "4"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("NFC              3   2 0  60.0   125   75   45.0  +15.0\r\n"), std::string::npos)
        << r.Out;
    EXPECT_NE(r.Out.find("  Dallas         2   1 0  66.7    73   48   66.7    0.0\r\n"), std::string::npos);
    EXPECT_NE(r.Out.find("  Favorite/Underdog: As Favorites\r\n"), std::string::npos);

    const auto pdf = f.dir / "graph.pdf";
    r = f.Cli({"graph", "--method", "favorites", "--location", "road", "--line", "--to", "pdf", "--out", pdf.string()});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("1997 NFL League Data"), std::string::npos) << text;
    EXPECT_NE(text.find("Total Wins 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Total Losses 2"), std::string::npos) << text;
}

TEST(NflAnalysisReports, RefusedOptions) {
    Folder f;
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"matchup", "--week", "4"}, "--game is required"},
        {{"matchup", "--week", "4", "--game", "3"}, "week 4 has no game in place 3"},
        {{"matchup", "--game", "16"}, "--game"},
        {{"graph", "--method", "overall"}, "--method must be"},
        {{"analyzer", "--restrict", "league"}, "--restrict must be"},
        {{"analyzer", "--benchmark", "team"}, "--benchmark must be"},
        {{"analyzer", "--start", "22"}, "--start must be a week from 1 to 21"},
    };
    for (const Case& c : cases) {
        const CliRun r = f.Cli(c.args);
        EXPECT_EQ(r.Code, 2) << c.args[0];
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    }
}

}  // namespace
}  // namespace gm::cli
