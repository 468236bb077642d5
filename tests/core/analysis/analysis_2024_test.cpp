// The pool analysis displays on the real 2024 season of today's league: 32
// teams in eight divisions, 22 weeks of up to 16 games. The pool is the
// hand-counted one of core/pool/fixtures/Pool2024Fixture.h; the records here
// were counted by hand from the picks listed there.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/analysis/PlayerAnalyst.h"
#include "core/analysis/PlayerGraph.h"
#include "core/analysis/PoolAnalyst.h"
#include "core/analysis/PoolExperts.h"
#include "core/analysis/PoolMarquee.h"
#include "core/pool/fixtures/Pool2024Fixture.h"
#include "support/TempDir.h"

namespace gm {
namespace {

constexpr int kAlice = 0, kBob = 1, kCarol = 2;

struct Pool2024 {
    test::TempDir Dir;
    AppState State{Dir.path()};
    Pool2024() {
        test::Load2024Pool(State);
        State.CurrentWeek = 22;
    }
    int Team(const char* id) const { return State.League().TeamFromId(id); }
};

struct Record {
    int Wins, Losses, Ties;
    float Points;
    bool operator==(const Record&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Record& r) {
    return os << r.Wins << "-" << r.Losses << "-" << r.Ties << " pts " << r.Points;
}

std::vector<Record> ByMember(const PoolAnalyst& model) {
    std::vector<Record> out(model.Rows().size());
    for (const AnalystRow& r : model.Rows())
        out[static_cast<std::size_t>(r.MemberIndex)] = {r.Wins, r.Losses, r.Ties, r.Points};
    return out;
}

TEST(Analysis2024, PoolAnalystGroupsAreTheEightDivisions) {
    Pool2024 p;
    const League& league = p.State.League();
    ASSERT_EQ(PoolAnalyst::GroupCount(league), 11);
    std::vector<std::string> captions;
    for (int g = 0; g < 11; ++g) captions.emplace_back(PoolAnalyst::GroupCaption(g, league));
    EXPECT_EQ(captions, (std::vector<std::string>{"All Teams", "NFC Teams", "NFC East", "NFC North", "NFC South",
                                                  "NFC West", "AFC Teams", "AFC East", "AFC North", "AFC South",
                                                  "AFC West"}));
    const auto ids = [&](int group) {
        std::vector<std::string> out;
        for (int t : PoolAnalyst::GroupTeams(group, league)) out.emplace_back(league.TeamId(t));
        std::sort(out.begin(), out.end());
        return out;
    };
    EXPECT_EQ(PoolAnalyst::GroupTeams(0, league).size(), 32u);
    EXPECT_EQ(PoolAnalyst::GroupTeams(1, league).size(), 16u);
    EXPECT_EQ(PoolAnalyst::GroupTeams(6, league).size(), 16u);
    EXPECT_EQ(ids(2), (std::vector<std::string>{"DAL", "NYG", "PHI", "WAS"}));
    EXPECT_EQ(ids(3), (std::vector<std::string>{"CHI", "DET", "GB", "MIN"}));
    EXPECT_EQ(ids(4), (std::vector<std::string>{"ATL", "CAR", "NO", "TB"}));
    EXPECT_EQ(ids(5), (std::vector<std::string>{"ARI", "LA", "SEA", "SF"}));
    EXPECT_EQ(ids(7), (std::vector<std::string>{"BUF", "MIA", "NE", "NYJ"}));
    EXPECT_EQ(ids(8), (std::vector<std::string>{"BAL", "CIN", "CLE", "PIT"}));
    EXPECT_EQ(ids(9), (std::vector<std::string>{"HOU", "IND", "JAX", "TEN"}));
    EXPECT_EQ(ids(10), (std::vector<std::string>{"DEN", "KC", "LAC", "LV"}));
    EXPECT_TRUE(PoolAnalyst::GroupTeams(11, league).empty());
    // The 1997 league keeps its nine groups.
    EXPECT_EQ(PoolAnalyst::GroupCount(League1997()), 9);
    EXPECT_EQ(PoolAnalyst::GroupTeams(3, League1997()), PoolAnalyst::GroupTeams(3));
}

// NFC North over weeks 1 to 22, straight up. In games involving it, a game
// between two of its teams counts twice (GB @ DET, MIN @ DET):
//   Alice: LA @ CHI L, SEA @ DET W 10, GB @ DET L x2, MIN @ DET W 4 x2, MIN @ LA W 4.
//   Bob:   SEA @ DET L, MIN @ DET L x2, MIN @ LA L, GB @ PHI L.
//   Carol: GB @ DET W 9 x2.
// When betting on it: Alice DET W 10, GB L, DET W 4; Bob MIN L, MIN L, GB L; Carol DET W 9.
TEST(Analysis2024, PoolAnalystCountsADivisionOfTodaysLeague) {
    Pool2024 p;
    PoolAnalyst model(p.State);
    EXPECT_EQ(model.Week(), 22);
    model.ChooseGroup(3);
    EXPECT_EQ(ByMember(model), (std::vector<Record>{{4, 3, 0, 22.0f}, {0, 5, 0, 0.0f}, {2, 0, 0, 18.0f}}));
    EXPECT_NE(model.CategoryLine().find("Category: In Games Involving NFC North"), std::string::npos);
    // Ordered by points: Alice, Carol, Bob.
    EXPECT_EQ(model.Rows()[0].MemberIndex, kAlice);
    EXPECT_EQ(model.Rows()[1].MemberIndex, kCarol);
    model.SetMode(PoolAnalyst::Mode::WhenBettingOn);
    EXPECT_EQ(ByMember(model), (std::vector<Record>{{2, 1, 0, 14.0f}, {0, 3, 0, 0.0f}, {1, 0, 0, 9.0f}}));
    // One team of the 32: Detroit, in its games (a week-4 Monday night game
    // in slot 15 among them): Alice W, L, W; Bob L, L; Carol W.
    model.SetMode(PoolAnalyst::Mode::InGamesInvolving);
    model.ChooseTeam(p.Team("DET"));
    EXPECT_EQ(ByMember(model), (std::vector<Record>{{2, 1, 0, 14.0f}, {0, 2, 0, 0.0f}, {1, 0, 0, 9.0f}}));
    model.ChooseTeam(p.Team("WAS"));  // team 32
    EXPECT_EQ(model.Team(), p.Team("WAS"));
    EXPECT_FALSE(model.Spin(+1));  // no week 23
    EXPECT_TRUE(model.Spin(-3));   // weeks 1 to 19
    EXPECT_EQ(p.State.CurrentWeek, 19);
}

// The Player Analyst: 32 team lines, 8 division lines; Detroit and the NFC
// North as above for Alice.
TEST(Analysis2024, PlayerAnalystKeepsTeamsAndDivisionsOfTodaysLeague) {
    Pool2024 p;
    const League& league = p.State.League();
    const PlayerRecord r = TallyPlayer(p.State.Games, p.State.Members[kAlice], false, 0, 21, league);
    const auto cell = [](const PlayerCell& c) { return Record{c.Wins, c.Losses, c.Ties, c.Points}; };
    const int det = p.Team("DET");
    const int nfcNorth = league.Division(det);
    EXPECT_EQ(cell(r.TeamInvolving[static_cast<std::size_t>(det)]), (Record{2, 1, 0, 14.0f}));
    EXPECT_EQ(cell(r.TeamBettingOn[static_cast<std::size_t>(det)]), (Record{2, 0, 0, 14.0f}));
    EXPECT_EQ(cell(r.DivisionInvolving[static_cast<std::size_t>(nfcNorth)]), (Record{4, 3, 0, 22.0f}));
    EXPECT_EQ(cell(r.DivisionBettingOn[static_cast<std::size_t>(nfcNorth)]), (Record{2, 1, 0, 14.0f}));
    // Team 32 (Washington): WAS @ DAL W 6 and WAS @ TB W 5, both on Washington.
    const int was = p.Team("WAS");
    EXPECT_EQ(was, 32);
    EXPECT_EQ(cell(r.TeamBettingOn[32]), (Record{2, 0, 0, 11.0f}));
    EXPECT_EQ(cell(r.Category(PlayerCategory::Overall)), (Record{10, 7, 0, 94.0f}));

    PlayerAnalyst model(p.State);
    model.SelectMember(kAlice);
    const auto teams = model.TeamLines(false);
    ASSERT_EQ(teams.size(), 32u);
    const auto divisions = model.DivisionLines(false);
    ASSERT_EQ(divisions.size(), 8u);
    EXPECT_EQ(divisions[static_cast<std::size_t>(nfcNorth - 1)].substr(0, 13), "NFC North    ");
    EXPECT_EQ(divisions[7].substr(0, 13), "AFC West     ");
    EXPECT_EQ(model.AgainstDivisionLines().size(), 8u);
    EXPECT_FALSE(model.SpinEnd(+1));
}

// The experts of the Super Bowl: Alice (KC @ LAC won, KC @ DEN lost) is the
// only member with a win in games of Kansas City or Philadelphia; she took
// Kansas City. The whole pool went 1-1 that week.
TEST(Analysis2024, PoolExpertsOfTheSuperBowl) {
    Pool2024 p;
    PoolExperts model(p.State);
    ASSERT_EQ(model.Games().size(), 16u);
    const ExpertGame& game = model.Games()[0];
    ASSERT_TRUE(game.HasGame);
    EXPECT_EQ(game.Expert, kAlice);
    EXPECT_EQ(game.RecordText, " 1-1");
    EXPECT_EQ(game.Won, "No");
    for (std::size_t s = 1; s < 16; ++s) EXPECT_FALSE(model.Games()[s].HasGame) << s;
    EXPECT_EQ(model.ExpertWLT(), "0 - 1 - 0");
    EXPECT_EQ(model.PoolWLT(), "1 - 1 - 0");
    EXPECT_EQ(model.ReportLines().size(), 4u + 16u + 9u);
    EXPECT_EQ(model.Spin(+1), PoolExperts::SpinResult::AtLimit);
}

// The player graph runs over 22 weeks with a 16-game axis; the pool marquee
// compares the tiebreak entries with week 4's later Monday game.
TEST(Analysis2024, PlayerGraphAndMarqueeOverTwentyTwoWeeks) {
    Pool2024 p;
    PlayerGraph graph(p.State);
    graph.SetMethod(PlayerGraphMethod::Wins);
    graph.SelectMember(kAlice);
    const PlayerGraphSeries wins = graph.MemberSeries();
    ASSERT_EQ(wins.size(), 22u);
    EXPECT_EQ(wins[3], 5);
    EXPECT_EQ(wins[17], 3);
    EXPECT_EQ(wins[18], 2);
    EXPECT_EQ(wins[21], 0);
    EXPECT_EQ(graph.PoolAverages()[21], 0.5);  // Alice 0, Bob 1: two players
    EXPECT_EQ(graph.AxisMaximum(), 16);
    EXPECT_EQ(graph.ActiveWeeks(), 5);

    p.State.CurrentWeek = 4;
    PoolMarquee marquee(p.State);
    int aliceDiff = -1, bobDiff = -1;
    for (const PoolMarqueeRow& row : marquee.Rows()) {
        if (row.MemberIndex == kAlice) aliceDiff = row.TiebreakDiff;
        if (row.MemberIndex == kBob) bobDiff = row.TiebreakDiff;
    }
    EXPECT_EQ(aliceDiff, 11);  // |60 - 71|
    EXPECT_EQ(bobDiff, 28);    // |43 - 71|
    EXPECT_EQ(marquee.PlayedText(), "2");
    EXPECT_FALSE(marquee.Spin(-4));
    EXPECT_TRUE(marquee.Spin(18));
    EXPECT_EQ(marquee.Week(), 22);
    EXPECT_FALSE(marquee.Spin(+1));
}

}  // namespace
}  // namespace gm
