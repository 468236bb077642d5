// gridmoot-cli report matchup|analyzer|graph.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/NflFixture.h"
#include "support/PdfText.h"

namespace gm::cli {
namespace {

struct CliRun {
    int code;
    std::string out, err;
};

// A data folder holding the four-week fixture season, at week 4.
struct Folder {
    Folder() {
        test::WriteFile(dir / "1997.NFL", EncodeSeason(test::NflFixtureSeason()));
        test::WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=4\r\n");
    }
    CliRun Cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--data", dir.path().string(), "report"});
        std::ostringstream out, err;
        const int code = RunCli(args, out, err);
        return {code, out.str(), err.str()};
    }
    test::TempDir dir;
};

using test::PdfText;

TEST(NflAnalysisReports, MatchupAnalyzerAndGraph) {
    Folder f;
    CliRun r = f.Cli({"matchup", "--week", "4", "--game", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("   Season Record    2  1  0   73   48        0  1  1   20   48 ________\r\n"),
              std::string::npos)
        << r.out;
    r = f.Cli({"matchup", "--game", "2", "--file"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "A text file named Dal@Was.txt was created.\n");

    r = f.Cli({"analyzer", "--role", "favorites", "--expanded", "--end", "4"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("NFC              3   2 0  60.0   125   75   45.0  +15.0\r\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  Dallas         2   1 0  66.7    73   48   66.7    0.0\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("  Favorite/Underdog: As Favorites\r\n"), std::string::npos);

    const auto pdf = f.dir / "graph.pdf";
    r = f.Cli({"graph", "--method", "favorites", "--location", "road", "--line", "--to", "pdf", "--out", pdf.string()});
    ASSERT_EQ(r.code, 0) << r.err;
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
        EXPECT_EQ(r.code, 2) << c.args[0];
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace gm::cli
