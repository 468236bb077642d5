// Player graphs: a member's weekly series against the pool's averages, the
// boxes, the axis and the picture's file name.

#include <gtest/gtest.h>

#include "core/analysis/PlayerGraph.h"
#include "core/output/RecordingSurface.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

// The first three weeks of a series.
std::vector<double> Head(const PlayerGraphSeries& series) { return {series[0], series[1], series[2]}; }

TEST(PlayerGraph, SeriesAveragesAndBoxesByMethod) {
    struct Case {
        const char* options;
        PlayerGraphMethod method;
        int member;
        std::vector<double> member3, pool3;
        const char* playerAvg;
        const char* poolAvg;
        const char* total;
        int axis;
    };
    // Straight up. Week 1: Al 3-0-0 (6 points), Bob 0-3-0, Cathy 2-1-0 (5).
    // Week 2: Al 1-0-1 (2.5), Bob 0-1-1 (1). Week 3: Al and Cathy picked
    // games not yet played.
    const Case cases[] = {
        {"", PlayerGraphMethod::Wins, 0, {3, 1, 0}, {5.0 / 3, 0.5, 0}, "1.3", "0.9", "4", 15},
        {"", PlayerGraphMethod::ConfidencePoints, 0, {6, 2.5, 0}, {11.0 / 3, 1.75, 0}, "2.8", "2.1", "8.5", 120},
        {"", PlayerGraphMethod::WinPct, 2, {200.0 / 3, 0, 0}, {(100 + 200.0 / 3) / 3, 50, 0}, "33.3", "38.1",
         "66.7", 100},
        // Dee made no selection at all: her series and her average are 0.
        {"", PlayerGraphMethod::WinPct, 3, {0, 0, 0}, {(100 + 200.0 / 3) / 3, 50, 0}, "0.0", "38.1", "0.0", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.method));
        test::PoolFixture f(c.options);
        PlayerGraph g(f.State);
        g.SetMethod(c.method);
        g.SelectMember(c.member);
        const auto member = Head(g.MemberSeries()), pool = Head(g.PoolAverages());
        for (int w = 0; w < 3; ++w) {
            EXPECT_NEAR(member[w], c.member3[w], 1e-4) << w;
            EXPECT_NEAR(pool[w], c.pool3[w], 1e-4) << w;
        }
        for (int w = 3; w < kWeeks; ++w) EXPECT_EQ(g.PoolAverages()[w], 0.0);  // nobody played: no division by zero
        EXPECT_EQ(g.PlayerAverageText(), c.playerAvg);
        EXPECT_EQ(g.PoolAverageText(), c.poolAvg);
        EXPECT_EQ(g.PlayerTotalText(), c.total);
        EXPECT_EQ(g.AxisMaximum(), c.axis);
    }
}

TEST(PlayerGraph, ActiveWeeksCountSelectionsNotResults) {
    test::PoolFixture f;
    PlayerGraph g(f.State);
    g.SelectMember(2);  // Cathy: weeks 1 and 3 (week 3 not played yet)
    EXPECT_EQ(g.ActiveWeeks(), 2);
    g.SetMethod(PlayerGraphMethod::Wins);
    EXPECT_EQ(g.PlayerAverageText(), "1.0");
    g.SelectMember(-1);
    EXPECT_FALSE(g.HasMember());
    EXPECT_EQ(g.ActiveWeeks(), 0);
    EXPECT_EQ(g.PlayerAverageText(), "0.0");
}

TEST(PlayerGraph, AxisGrowsWhenConfidencePointsRunPastTheTop) {
    test::PoolFixture f;
    f.State.Members[0].Confidence[0][0] = 200;  // Al's win on Pittsburgh
    PlayerGraph g(f.State);
    g.SelectMember(0);
    g.SetMethod(PlayerGraphMethod::ConfidencePoints);
    EXPECT_EQ(g.MemberSeries()[0], 203);
    EXPECT_EQ(g.AxisMaximum(), 210);
    EXPECT_EQ(g.TickIntervals(), 12);
}

TEST(PlayerGraph, PictureNameKeepsStoredNamesInsideTheFolder) {
    test::PoolFixture f;
    PlayerGraph g(f.State);
    struct Case {
        std::string name;
        const char* file;
    };
    const Case cases[] = {
        {"Al Adams", "AlAdamsGraph.bmp"},
        {"<b>Bob & Al</b>", "bBobAlbGraph.bmp"},
        {"../../etc/passwd", "etcpasswdGraph.bmp"},
        {"..\\..", "Player1Graph.bmp"},
        {"CON", "Player1Graph.bmp"},
    };
    for (const auto& c : cases) {
        f.State.Members[0].Name = FitName(c.name);
        g.SelectMember(0);
        EXPECT_EQ(g.PictureFileName(), c.file) << c.name;
    }
    g.SelectMember(0);
    EXPECT_EQ(g.PictureConfirmation(),
              "A Windows Bitmap file has been created showing CON's season record against the rest of the pool.");
}

TEST(PlayerGraph, PrintsLandscapeWithTitleAndBoxes) {
    test::PoolFixture f;
    PlayerGraph g(f.State);
    g.SelectMember(0);
    g.SetMethod(PlayerGraphMethod::Wins);
    RecordingSurface page;
    ASSERT_TRUE(g.Print(page, 1));
    EXPECT_EQ(page.Orientation(), 2);
    std::string text;
    for (const auto& op : page.Texts()) text += op.text + "\n";
    EXPECT_NE(text.find("Al Adams\n"), std::string::npos);
    EXPECT_NE(text.find("Player Avg. 1.3"), std::string::npos);
    EXPECT_NE(text.find("Player Tot. 4"), std::string::npos);
    EXPECT_EQ(page.Pages(), 1);
}

}  // namespace
}  // namespace gm
