#include <gtest/gtest.h>

#include <map>

#include "core/nfl/Analyzer.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "core/output/RecordingSurface.h"
#include "core/output/WebPage.h"

namespace gm {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

struct Wlt {
    int w, l, t;
    int pf = -1, pa = -1;  // -1: not checked
};

struct CategoryCase {
    const char* name;
    Category category;
    std::map<int, Wlt> expected;  // teams not listed are not checked
};

// The fixture season through week 4 (see NflFixture.h) under each filter of
// the one category counter: roles by the spreads (the underdog is the side
// with the larger spread, games without a spread have no favourite), home or
// road credit, games outside the division or conference, and pushes as ties.
TEST(CategoryCounter, EachRoleLocationAndRestriction) {
    const std::vector<CategoryCase> cases{
        {"favourites straight up",
         {Role::Favorite, Venue::Overall, GameFilter::All, false},
         {{Dal, {2, 1, 0, 73, 48}}, {Den, {2, 0, 0, 57, 30}}, {NyG, {1, 1, 0, 52, 27}}, {KC, {0, 1, 0}},
          {Was, {0, 0, 0}}, {Mia, {0, 0, 0}}}},
        {"favourites against the spread, points counted too",
         {Role::Favorite, Venue::Overall, GameFilter::All, true},
         {{Dal, {1, 1, 1, 73, 48}}, {Den, {1, 0, 1, 57, 30}}, {NyG, {1, 1, 0}}, {KC, {0, 1, 0}}}},
        {"underdogs against the spread",
         {Role::Underdog, Venue::Overall, GameFilter::All, true},
         {{NyG, {0, 0, 1}}, {Buf, {0, 1, 1}}, {Was, {0, 1, 0}}, {Den, {1, 0, 0}}, {Ari, {1, 0, 0}},
          {Phi, {0, 1, 0}}, {Mia, {1, 0, 0}}, {Dal, {0, 0, 0}}}},
        {"home underdogs against the spread",
         {Role::Underdog, Venue::Home, GameFilter::All, true},
         {{Buf, {0, 1, 0}}, {Ari, {1, 0, 0}}, {Mia, {1, 0, 0}}, {Den, {0, 0, 0}}, {NyG, {0, 0, 0}}}},
        {"road favourites straight up",
         {Role::Favorite, Venue::Road, GameFilter::All, false},
         {{Den, {1, 0, 0}}, {Dal, {0, 1, 0}}, {NyG, {0, 1, 0}}, {KC, {0, 0, 0}}}},
        {"all games outside the division",
         {Role::Any, Venue::Overall, GameFilter::NonDivision, false},
         {{Den, {2, 0, 0, 57, 30}}, {Buf, {0, 2, 0}}, {Mia, {1, 0, 1, 41, 38}}, {NyG, {0, 1, 0}},
          {Was, {0, 0, 1}}, {Dal, {0, 0, 0}}, {KC, {0, 0, 0}}}},
        {"road games outside the conference against the spread",
         {Role::Any, Venue::Road, GameFilter::NonConference, true},
         {{Mia, {0, 0, 1, 17, 17}}, {NyG, {0, 1, 0, 21, 24}}, {Was, {0, 0, 0}}}},
        {"home games in the division count nowhere outside it",
         {Role::Any, Venue::Home, GameFilter::NonDivision, false},
         {{Dal, {0, 0, 0}}, {Den, {1, 0, 0}}, {Buf, {0, 1, 0}}, {Was, {0, 0, 1}}, {Mia, {1, 0, 0}}}},
    };
    const SeasonGrid season = NflFixtureSeason();
    for (const CategoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        TeamTable table = NewTeamTable();
        BuildCategory(table, season, {0, 3}, c.category);
        for (const auto& [team, e] : c.expected) {
            SCOPED_TRACE(team);
            const TeamRecord& r = table[static_cast<std::size_t>(team)];
            EXPECT_EQ(r.Wins, e.w);
            EXPECT_EQ(r.Losses, e.l);
            EXPECT_EQ(r.Ties, e.t);
            if (e.pf >= 0) {
                EXPECT_EQ(r.PointsFor, e.pf);
                EXPECT_EQ(r.PointsAgainst, e.pa);
            }
        }
    }
}

TEST(CategoryCounter, WinningPercentage) {
    EXPECT_FLOAT_EQ(WinPct(0, 0, 0), 0.0f);
    EXPECT_FLOAT_EQ(WinPct(3, 1, 0), 75.0f);
    EXPECT_FLOAT_EQ(WinPct(1, 0, 1), 75.0f);  // a tie is half a win
    EXPECT_FLOAT_EQ(WinPct(0, 0, 2), 50.0f);
}

// Favourites through week 4, measured against each team's own record.
TEST(Analyzer, ExpandedLinesAgainstTheRegularSeason) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 4);
    Analyzer analyzer(state);
    analyzer.SetRole(Role::Favorite);
    analyzer.SetExpanded(true);
    const Lines lines = analyzer.ListLines();
    ASSERT_EQ(lines.size(), 2u + 6u * 2u + 30u);
    // NFC favourites 3-2 against an NFC record of 4-5-1 (45.0).
    EXPECT_EQ(lines[0], "NFC              3   2 0  60.0   125   75   45.0  +15.0");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " East            3   2 0  60.0   125   75   45.0  +15.0");
    EXPECT_EQ(lines[3], "  Dallas         2   1 0  66.7    73   48   66.7    0.0");
    EXPECT_EQ(lines[4], "  NY Giants      1   1 0  50.0    52   27   33.3  +16.7");
    // No game as a favourite: 0.0 and a change of minus its own record.
    EXPECT_EQ(lines[5], "  Arizona        0   0 0   0.0     0    0  100.0 -100.0");
    EXPECT_EQ(lines[9], " Central         0   0 0   0.0     0    0    0.0    0.0");
    // The AFC follows the last NFC team at once.
    EXPECT_EQ(lines[22].substr(0, 14), "AFC           ");

    analyzer.SetExpanded(false);
    const Lines shrunk = analyzer.ListLines();
    ASSERT_EQ(shrunk.size(), 14u);
    EXPECT_EQ(shrunk[2], lines[2]);
    EXPECT_EQ(shrunk[7], lines[22]);
}

// On the real 1997 regular season (weeks 1 to 17).
struct Analyzer1997 : ::testing::Test {
    Analyzer1997() {
        state.Games = RealSeason1997();
        state.CurrentWeek = 17;
    }
    TempDir dir;
    AppState state{dir.path()};
};

// All games straight up measured against the regular season is the same
// record: every change is 0.0.
TEST_F(Analyzer1997, RegularSeasonAgainstItselfChangesNothing) {
    Analyzer analyzer(state);
    const auto& t = analyzer.CategoryTables();
    for (int i = 1; i <= kTeams; ++i) EXPECT_EQ(t.Teams[static_cast<std::size_t>(i)].Change, 0.0f) << i;
    for (const auto& d : t.Divisions) EXPECT_EQ(d.Change, 0.0f);
    for (const auto& c : t.Conferences) EXPECT_EQ(c.Change, 0.0f);
    // Sorted: most wins first, equal wins by fewest losses.
    for (int i = 1; i < kTeams; ++i) {
        const auto& a = t.Teams[static_cast<std::size_t>(i)];
        const auto& b = t.Teams[static_cast<std::size_t>(i + 1)];
        EXPECT_TRUE(a.Wins > b.Wins || (a.Wins == b.Wins && a.Losses <= b.Losses)) << i;
    }
}

// Against the spread every cover by a favourite is a failure by an underdog.
TEST_F(Analyzer1997, FavouritesSpreadWinsAreUnderdogsSpreadLosses) {
    Analyzer analyzer(state);
    analyzer.SetSpread(true);
    analyzer.SetRole(Role::Favorite);
    const auto fav = analyzer.CategoryTables().Conferences;
    analyzer.SetRole(Role::Underdog);
    const auto dog = analyzer.CategoryTables().Conferences;
    EXPECT_EQ(fav[0].Wins + fav[1].Wins, dog[0].Losses + dog[1].Losses);
    EXPECT_EQ(fav[0].Losses + fav[1].Losses, dog[0].Wins + dog[1].Wins);
    EXPECT_EQ(fav[0].Ties + fav[1].Ties, dog[0].Ties + dog[1].Ties);
    EXPECT_GT(fav[0].Wins + fav[1].Wins, 100);
}

// The three benchmarks: all games straight up for the whole league is .500,
// so the league benchmark leaves each team Pct - 50; the conference
// benchmark gives both conference lines 0.0.
TEST_F(Analyzer1997, Benchmarks) {
    Analyzer analyzer(state);
    analyzer.SetBenchmark(Benchmark::LeagueHC);
    const auto& t = analyzer.CategoryTables();
    for (int i = 1; i <= kTeams; ++i)
        EXPECT_FLOAT_EQ(t.Teams[static_cast<std::size_t>(i)].Change, t.Teams[static_cast<std::size_t>(i)].Pct - 50.0f);

    analyzer.SetRole(Role::Favorite);
    analyzer.SetBenchmark(Benchmark::ConferenceHC);
    const auto& c = analyzer.CategoryTables();
    EXPECT_EQ(c.Conferences[0].Change, 0.0f);
    EXPECT_EQ(c.Conferences[1].Change, 0.0f);
    EXPECT_FLOAT_EQ(c.Divisions[4].Change, c.Divisions[4].Pct - c.Conferences[1].Pct);
    const Lines lines = analyzer.ListLines();
    EXPECT_EQ(lines[0].substr(lines[0].size() - 7), "    0.0");
}

// The RS column keeps the last regular-season count while another benchmark
// is chosen, even when the weeks change; choosing it again counts afresh.
TEST_F(Analyzer1997, RegularSeasonColumnKeepsItsLastCount) {
    Analyzer analyzer(state);
    const float before = analyzer.RegularTables().Conferences[0].Pct;
    analyzer.SetBenchmark(Benchmark::LeagueHC);
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(analyzer.SpinEnd(-1));
    EXPECT_EQ(state.CurrentWeek, 7);
    EXPECT_EQ(analyzer.RegularTables().Conferences[0].Pct, before);
    analyzer.SetBenchmark(Benchmark::RegularSeason);
    EXPECT_NE(analyzer.RegularTables().Teams, AnalyzerTables{}.Teams);
    int counted = 0, played = 0;
    for (const auto& c : analyzer.RegularTables().Conferences) counted += c.Wins + c.Losses + c.Ties;
    for (int w = 0; w < 7; ++w)
        for (const GameRecord& g : state.Games[static_cast<std::size_t>(w)]) played += Counts(g) ? 2 : 0;
    EXPECT_EQ(counted, played);
}

TEST(Analyzer, ChangeBoxesAcceptOnlyWholeNumbersFromMinus100To100) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    for (const Case& c : std::vector<Case>{{"+100", 100},
                                           {"-100", -100},
                                           {"0", 0},
                                           {"5", 5},
                                           {"-07", -7},
                                           {"+", std::nullopt},
                                           {"-", std::nullopt},
                                           {"5-", std::nullopt},
                                           {"", std::nullopt},
                                           {"101", std::nullopt},
                                           {"-101", std::nullopt},
                                           {"+0050", std::nullopt},
                                           {"99999999999999999999", std::nullopt},
                                           {"1a", std::nullopt},
                                           {" 5", std::nullopt},
                                           {"+-5", std::nullopt}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseChange(c.text), c.value);
    }
}

// The hits: changes from the first bound to the second inclusive, in team
// number order, then their count; no hits leaves only "0".
TEST(Analyzer, HitsListBounds) {
    AnalyzerTables t;
    for (int i = 1; i <= kTeams; ++i) t.Teams[static_cast<std::size_t>(i)] = {i, 0, 0, 0, 0, 0, 0, 50.0f};
    t.Teams[1].Change = -10.0f;
    t.Teams[2].Change = 10.0f;
    t.Teams[3].Change = -10.1f;
    t.Teams[4].Change = 10.1f;
    t.Teams[5].Change = 0.0f;
    const TeamTables teams = TeamTables::Defaults();
    EXPECT_EQ(Hits(t, teams, -10, 10), (Lines{teams.City(1), teams.City(2), teams.City(5), "3"}));
    EXPECT_EQ(Hits(t, teams, 60, 100), Lines{"0"});
    EXPECT_EQ(Hits(t, teams, 10, -10), Lines{"0"});  // an upside-down range holds nothing
    EXPECT_EQ(Hits(t, teams, 50, 50).back(), "25");
}

TEST(Analyzer, SignMessageOfAWeek) {
    const SeasonGrid season = NflFixtureSeason();
    const TeamTables teams = TeamTables::Defaults();
    EXPECT_EQ(AnalyzerSignMessage(season[0], teams),
              "  Dallas 24 NY Giants 20 ** Denver 27 Buffalo 10 ** Arizona at Philadelphia ** "
              "Washington 17 Miami 17 ** ");
    EXPECT_EQ(AnalyzerSignMessage(season[9], teams), "NO GAMES SCHEDULED FOR THIS WEEK              ");
}

TEST(Analyzer, WritersCarryTheListAndTheDescriptions) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 4);
    Analyzer analyzer(state);
    analyzer.SetRestriction(GameFilter::NonConference);
    analyzer.SetLocation(Venue::Road);
    analyzer.SetSpread(true);
    analyzer.SetBenchmark(Benchmark::ConferenceHC);
    ASSERT_TRUE(analyzer.SpinStart(+1));

    const TextFileOutput file = analyzer.TextFile();
    EXPECT_EQ(file.FileName, "Analyze.txt");
    EXPECT_EQ(file.ConfirmTitle, "The NFL Analyzer");
    const Lines& l = file.Lines;
    ASSERT_EQ(l.size(), 4u + 14u + 9u);
    EXPECT_EQ(l[0], "                    The NFL Analyzer");
    EXPECT_EQ(l[2], "Team             W   L T  Pct.    PF   PA    RS    %Chg.");
    const Lines tail(l.end() - 9, l.end());
    EXPECT_EQ(tail, (Lines{"", "                    Week 2 To Week 4", "", "  League: Non Conference Games",
                           "  Home/Away: Away Games", "  Favorite/Underdog: All Games", "  PointSpreads: In Use", "",
                           "  Benchmark Used: Conference's Record vs. Handicapping Categories"}));

    EXPECT_EQ(analyzer.Clipboard().Confirmation.Text, "The NFL Benchmark Statistics are now on the clipboard");

    analyzer.SetExpanded(true);
    state.Color = "WB";
    const std::string html = WebPageBytes(state, analyzer.WebPage());
    EXPECT_NE(html.find("<BODY BGCOLOR=#FFFFCC TEXT=BLACK>"), std::string::npos);
    EXPECT_NE(html.find("<FONT COLOR=BLUE>NFC   "), std::string::npos);
    EXPECT_NE(html.find("<FONT COLOR=BLUE> East "), std::string::npos);
    EXPECT_NE(html.find("\r\n  Dallas  "), std::string::npos);
    EXPECT_EQ(html.find("<FONT COLOR=BLUE>  "), std::string::npos);
    EXPECT_EQ(analyzer.WebPage().FileName.empty() ? std::string(StyleOf(WebPageId::Analyzer).FileName)
                                                  : analyzer.WebPage().FileName,
              "analyze.htm");

    RecordingSurface surface;
    ASSERT_TRUE(analyzer.Print(surface, 1).ok());
    const auto texts = surface.Texts();
    ASSERT_GT(texts.size(), 40u);
    EXPECT_EQ(texts[1].text, "The NFL Analyzer");
    EXPECT_EQ(texts[1].font.Name, "Times New Roman");
    EXPECT_EQ(texts[3].text, std::string(kAnalyzerHeading));
    EXPECT_EQ(texts[3].font.Name, "Courier New");
}

TEST(Analyzer, WeekSpinsStopAtTheSeasonEnds) {
    TempDir dir;
    AppState state = NflFixtureState(dir.path(), 21);
    Analyzer analyzer(state);
    EXPECT_FALSE(analyzer.SpinStart(-1));
    EXPECT_FALSE(analyzer.SpinEnd(+1));
    EXPECT_TRUE(analyzer.SpinEnd(-1));
    EXPECT_EQ(state.CurrentWeek, 20);
    EXPECT_EQ(analyzer.EndText(), " 20");
    EXPECT_FALSE(analyzer.SpinMarquee(+1));
    EXPECT_TRUE(analyzer.SpinMarquee(-1));
    EXPECT_EQ(analyzer.MarqueeWeek(), 20);
    EXPECT_EQ(state.CurrentWeek, 20);  // the sign's week is its own
}

}  // namespace
}  // namespace gm
