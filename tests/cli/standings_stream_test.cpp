// The standings on standard output are written line by line as they are
// made; what comes out must be the text file's bytes exactly, and the season
// view of a pool full of ties must keep its order.

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "core/output/TextOutput.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm::cli {
namespace {

using test::CliRun;

CliRun Cli(const test::PoolFixture& f, std::vector<std::string> args) {
    return test::CliIn(f.Dir.path(), std::move(args));
}

// Twenty-four members over the fixture's first two weeks, picked by rule so
// that many share a season total but not a week's result or tiebreak.
std::vector<MemberRecord> TiedMembers() {
    std::vector<MemberRecord> members;
    for (int i = 0; i < 24; ++i) {
        MemberRecord m = test::FixtureMember("Member " + std::to_string(i));
        test::Pick(m, 0, 0, i % 2 ? 24 : 20, 1 + i % 3);
        test::Pick(m, 0, 1, i % 3 ? 18 : 12, 1 + (i / 2) % 3);
        test::Pick(m, 0, 14, i % 4 < 2 ? 8 : 9, 1 + (i / 3) % 3);
        m.Tiebreak[0] = static_cast<std::uint8_t>(30 + (i * 7) % 25);
        test::Pick(m, 1, 0, i % 5 < 2 ? 1 : 2, 1 + (i / 4) % 2);
        test::Pick(m, 1, 14, i % 2 ? 11 : 13, 2 - (i / 5) % 2);
        m.Tiebreak[1] = static_cast<std::uint8_t>(20 + (i * 5) % 13);
        members.push_back(m);
    }
    return members;
}

TEST(StandingsOnStandardOutput, AreTheTextFileBytesWithWindows1252Names) {
    test::PoolFixture f;
    auto members = test::FixtureMembers();
    members[2].Name = FitName("Zoë Ångström");  // both outside ASCII, both in Windows-1252
    members[0].Name = FitName("Łukasz");        // not in Windows-1252: written as '?'
    test::WriteFile(f.Dir / "Pool97.dat", EncodePool(members));
    for (const char* view : {"week", "season"}) {
        const std::vector<std::string> args{"report", "standings", "--view", view, "--show-all"};
        const CliRun streamed = Cli(f, args);
        ASSERT_EQ(streamed.Code, 0) << streamed.Err;
        auto toFile = args;
        toFile.push_back("--file");
        ASSERT_EQ(Cli(f, toFile).Code, 0);
        const std::string file = test::ReadFile(f.Dir / "PStnd3.txt");
        EXPECT_EQ(streamed.Out, file) << view;
        EXPECT_NE(file.find("Zo\xEB \xC5ngstr\xF6m"), std::string::npos);
        EXPECT_NE(file.find("?ukasz"), std::string::npos);
    }
}

// Members level on season points keep the one-week order among themselves
// when the standings switch to the season view, as they always have.
TEST(StandingsOnStandardOutput, SeasonViewOfATiedPoolIsUnchanged) {
    test::PoolFixture f("PointSpreads=Yes\r\nTBMethod=Wins\r\nSecondaryTB=Monday\r\n");
    test::WriteFile(f.Dir / "Pool97.dat", EncodePool(TiedMembers()));
    const CliRun r = Cli(f, {"report", "standings", "--end", "2", "--view", "season"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::vector<std::string> expected{
        "               Season Standings   Week 1 To Week 2",
        "Tiebreak Method: Wins",
        "Standings Determined By: Confidence Pts.",
        "Point Spreads: In Use",
        "",
        "Pos  Vadorurizizs         TW   TL   TT   TPts.    W  L  T    Pts.  T/B",
        "",
        "  1 Member 20              3    0   2      8.0    1  0  1     3.0   3",
        "  1 Member 16              3    0   2      8.0    1  0  1     1.5   4",
        "  3 Member 8               2    1   2      7.5    0  1  1     0.5   5",
        "  4 Member 4               2    1   2      6.5    0  1  1     1.0   1",
        "  5 Member 21              2    1   2      6.0    1  0  1     3.0   5",
        "  5 Member 5               2    1   2      6.0    1  0  1     2.5   6",
        "  7 Member 10              2    1   2      5.5    1  0  1     2.0   5",
        "  8 Member 14              1    2   2      5.0    0  1  1     1.0   1",
        "  8 Member 2               1    2   2      5.0    0  1  1     1.0   4",
        "  8 Member 17              1    2   2      5.0    0  1  1     0.5   1",
        " 11 Member 0               3    0   2      4.5    1  0  1     2.0   6",
        " 11 Member 22              1    2   2      4.5    0  1  1     1.0   0",
        " 11 Member 12              2    1   2      4.5    0  1  1     1.0   2",
        " 14 Member 6               2    1   2      4.0    1  0  1     2.5   2",
        " 15 Member 15              1    2   2      3.5    1  0  1     2.5   4",
        " 15 Member 1               2    1   2      3.5    1  0  1     2.0   1",
        " 15 Member 11              1    2   2      3.5    1  0  1     2.0   3",
        " 15 Member 13              1    2   2      3.5    0  1  1     1.0   6",
        " 19 Member 23              0    3   2      2.5    0  1  1     1.0   5",
        " 19 Member 9               1    2   2      2.5    0  1  1     0.5   0",
        " 21 Member 3               0    3   2      2.0    0  1  1     1.0   4",
        " 21 Member 18              1    2   2      2.0    0  1  1     0.5   6",
        " 23 Member 19              0    3   2      1.0    0  1  1     0.5   2",
        " 23 Member 7               0    3   2      1.0    0  1  1     0.5   3",
    };
    EXPECT_EQ(r.Out, TextFileBytes(expected));
}

}  // namespace
}  // namespace gm::cli
