#include <gtest/gtest.h>

#include "core/nfl/Marquee.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "core/nfl/NflGraph.h"
#include "core/output/RecordingSurface.h"

namespace gm {
namespace {

using namespace test;

struct TallyCase {
    GraphMethod method;
    Venue location;
    std::array<WeekTally, 4> weeks;  // weeks 1 to 4; the rest stay 0
    int wins, losses;
};

// The fixture season (NflFixture.h) week by week under each method and
// location: pushes and games without a spread count nowhere in the spread
// rows, "All" counts each decided game as a win and a loss.
TEST(NflGraph, WeeklyTalliesAndTotals) {
    const std::vector<TallyCase> cases{
        {GraphMethod::Straight, Venue::Home, {{{1, 1}, {2, 1}, {2, 0}, {1, 0}}}, 6, 2},
        {GraphMethod::Straight, Venue::Road, {{{1, 1}, {1, 2}, {0, 2}, {0, 1}}}, 2, 6},
        {GraphMethod::Straight, Venue::Overall, {{{2, 2}, {3, 3}, {2, 2}, {1, 1}}}, 8, 8},
        {GraphMethod::Spread, Venue::Home, {{{0, 1}, {2, 1}, {2, 0}, {0, 0}}}, 4, 2},
        {GraphMethod::Spread, Venue::Road, {{{1, 0}, {1, 2}, {0, 2}, {0, 0}}}, 2, 4},
        {GraphMethod::Spread, Venue::Overall, {{{1, 1}, {3, 3}, {2, 2}, {0, 0}}}, 6, 6},
        {GraphMethod::Favorites, Venue::Home, {{{0, 0}, {1, 1}, {1, 0}, {0, 0}}}, 2, 1},
        {GraphMethod::Favorites, Venue::Road, {{{1, 0}, {0, 1}, {0, 1}, {0, 0}}}, 1, 2},
        {GraphMethod::Favorites, Venue::Overall, {{{1, 0}, {1, 2}, {1, 1}, {0, 0}}}, 3, 3},
        {GraphMethod::Underdogs, Venue::Home, {{{0, 1}, {1, 0}, {1, 0}, {0, 0}}}, 2, 1},
        {GraphMethod::Underdogs, Venue::Road, {{{0, 0}, {1, 1}, {0, 1}, {0, 0}}}, 1, 2},
        {GraphMethod::Underdogs, Venue::Overall, {{{0, 1}, {2, 1}, {1, 1}, {0, 0}}}, 3, 3},
    };
    const SeasonGrid season = NflFixtureSeason();
    for (const TallyCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.method) * 10 + static_cast<int>(c.location));
        const WeekTallies t = TallyWeeks(season, c.method, c.location);
        for (int w = 0; w < kWeeks; ++w)
            EXPECT_EQ(t[static_cast<std::size_t>(w)], w < 4 ? c.weeks[static_cast<std::size_t>(w)] : WeekTally{}) << w;
        EXPECT_EQ(TotalWins(t), c.wins);
        EXPECT_EQ(TotalLosses(t), c.losses);
    }
    EXPECT_EQ(GetRegHome(season), TallyWeeks(season, GraphMethod::Straight, Venue::Home));
    EXPECT_EQ(GetFavOverall(season), TallyWeeks(season, GraphMethod::Favorites, Venue::Overall));
}

// The whole 1997 season: home and road wins straight up are the decided
// games of the league standings; the straight-up "All" series are equal week
// by week; favourites' covers are underdogs' failures.
TEST(NflGraph, RealSeasonCrossChecks) {
    const SeasonGrid season = RealSeason1997();
    TeamTable standings = NewTeamTable();
    BuildRegRecord(standings, season, {0, kWeeks - 1});
    int decided = 0;
    for (int t = 1; t <= kTeams; ++t) decided += standings[static_cast<std::size_t>(t)].Wins;
    EXPECT_GT(decided, 200);
    EXPECT_EQ(TotalWins(GetRegHome(season)) + TotalWins(TallyWeeks(season, GraphMethod::Straight, Venue::Road)), decided);

    for (const WeekTally& w : TallyWeeks(season, GraphMethod::Straight, Venue::Overall))
        EXPECT_EQ(w.GraphWins, w.GraphLosses);
    const WeekTallies fav = GetFavOverall(season);
    const WeekTallies dog = TallyWeeks(season, GraphMethod::Underdogs, Venue::Overall);
    for (int w = 0; w < kWeeks; ++w) {
        EXPECT_EQ(fav[static_cast<std::size_t>(w)].GraphWins, dog[static_cast<std::size_t>(w)].GraphLosses) << w;
        EXPECT_EQ(fav[static_cast<std::size_t>(w)].GraphLosses, dog[static_cast<std::size_t>(w)].GraphWins) << w;
    }
}

TEST(NflGraph, ModelOpensOnStraightUpAllAndPrintsItsChart) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path());
    NflGraph graph(state);
    EXPECT_EQ(graph.ChartTitle(), "1997 NFL League Data");
    EXPECT_EQ(graph.Wins(), 8);
    EXPECT_EQ(graph.AxisMaximum(), 5);
    graph.SetMethod(GraphMethod::Favorites);
    graph.SetLocation(Venue::Road);
    EXPECT_EQ(graph.Losses(), 2);
    EXPECT_EQ(graph.SeriesCaption(), "Favorites  On Road");

    RecordingSurface surface;
    ASSERT_TRUE(graph.Print(surface, 1).ok());
    int bars = 0;
    std::string totals;
    for (const auto& op : surface.Ops()) {
        if (op.kind == RecordingSurface::Op::Kind::Line && op.box) ++bars;
        if (op.kind == RecordingSurface::Op::Kind::Text && op.text.rfind("Total Wins", 0) == 0) totals = op.text;
    }
    EXPECT_EQ(bars, 3);  // one bar per week with a value
    EXPECT_EQ(totals, "Total Wins 1   (filled)        Total Losses 2   (open)");
    EXPECT_EQ(surface.Pages(), 1);
    EXPECT_EQ(surface.Orientation(), 2);
}

// ---- The marquee ----------------------------------------------------------

std::vector<SignStep> Notify(NflMarquee& marquee, int notifications) {
    std::vector<SignStep> steps;
    for (int i = 0; i < notifications; ++i) steps.push_back(marquee.Finished());
    return steps;
}

TEST(NflMarquee, CyclesThroughTheWeekWithPausesAndLabels) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 2);
    NflMarquee marquee(state);
    struct Expect {
        std::optional<std::string> message;
        int rate;
        std::string favorite, spread;
    };
    const std::vector<Expect> expected{
        {"NY Giants 31 Washington 3", 18, "NY Giants", "7"},
        {std::nullopt, 28, "NY Giants", "7"},
        {"Denver 20 Kansas City 13", 18, "Kansas City", "2.5"},
        {std::nullopt, 28, "Kansas City", "2.5"},
        {"Arizona 21 Dallas 14", 18, "Dallas", "6.5"},
        {std::nullopt, 28, "Dallas", "6.5"},
        {"  ", 18, "Pik 'em", "0"},  // the end of the week: a blank pause
        {std::nullopt, 28, "Pik 'em", "0"},
        {"NY Giants 31 Washington 3", 18, "NY Giants", "7"},  // and round again
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const SignStep step = marquee.Finished();
        EXPECT_EQ(step.Message, expected[i].message);
        EXPECT_EQ(step.Rate, expected[i].rate);
        EXPECT_EQ(marquee.Favorite(), expected[i].favorite);
        EXPECT_EQ(marquee.Spread(), expected[i].spread);
    }
}

TEST(NflMarquee, GamesNotPlayedAndGamesWithoutASpread) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 1);
    NflMarquee marquee(state);
    const auto steps = Notify(marquee, 7);
    EXPECT_EQ(steps[4].Message, "Arizona at Philadelphia");  // entered 0-0: not played
    EXPECT_EQ(steps[6].Message, "Washington 17 Miami 17");    // a tie: home team first
    EXPECT_EQ(marquee.Favorite(), "Pik 'em");
    EXPECT_EQ(marquee.Spread(), "0");
}

// A week without games says so once; at every later turn of the cycle the
// sign shows the blank pause instead, with the labels left empty. Spinning
// to another empty week says it again.
TEST(NflMarquee, EmptyWeekSaysSoOnceThenPauses) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 10);
    NflMarquee marquee(state);
    const auto steps = Notify(marquee, 8);
    const std::optional<std::string> expected[] = {std::string(kNoGamesMessage), std::nullopt, "  ", std::nullopt,
                                                   "  ", std::nullopt, "  ", std::nullopt};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].Message, expected[i]) << i;
        EXPECT_EQ(steps[i].Rate, i % 2 ? 28 : 18) << i;
    }
    EXPECT_EQ(marquee.Favorite(), "");
    EXPECT_EQ(marquee.Spread(), "");

    ASSERT_TRUE(marquee.Spin(+1));  // week 11: also empty in the fixture
    ASSERT_TRUE(marquee.Spin(-1));
    EXPECT_EQ(marquee.Finished().Message, std::string(kNoGamesMessage));
    EXPECT_EQ(marquee.Finished().Message, std::nullopt);
    EXPECT_EQ(marquee.Finished().Message, "  ");
}

TEST(NflMarquee, WeekSpinStartsTheNewWeekAtItsFirstGame) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 2);
    NflMarquee marquee(state);
    marquee.Finished();  // the Giants' game of week 2
    ASSERT_TRUE(marquee.Spin(+1));
    EXPECT_EQ(state.CurrentWeek, 3);
    EXPECT_EQ(marquee.WeekText(), " 3");
    EXPECT_FALSE(marquee.Finished().Message);  // the pause still comes first
    EXPECT_EQ(marquee.Finished().Message, "Dallas 35 Philadelphia 7");

    state.CurrentWeek = 1;
    NflMarquee first(state);
    EXPECT_FALSE(first.Spin(-1));
    EXPECT_EQ(state.CurrentWeek, 1);
}

}  // namespace
}  // namespace gm
