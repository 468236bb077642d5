// The standings tallied from each member's graded weeks (read from the pool
// file a block at a time) must be the standings of the member table: every
// line, rank and count, for each grading rule and range.

#include <gtest/gtest.h>

#include <random>

#include "core/data/PoolScan.h"
#include "core/pool/GradedPool.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

// Members picking either team of each game, a team not in it, or nothing,
// with confidence points and Monday entries; enough to span several blocks.
std::vector<MemberRecord> RandomMembers(const SeasonGrid& games, int count) {
    std::mt19937 rng(7);
    std::vector<MemberRecord> members;
    for (int i = 0; i < count; ++i) {
        MemberRecord m = test::FixtureMember((i % 9 == 0 ? "Zoë " : "Pat ") + std::to_string(i));
        for (int w = 0; w < 3; ++w) {
            for (int s = 0; s < kSlots; ++s) {
                const GameRecord& g = games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
                const int choice = static_cast<int>(rng() % 4);
                const int team = choice == 0 ? g.HomeTeam : choice == 1 ? g.AwayTeam : choice == 2 ? 30 : 0;
                test::Pick(m, w, s, team, static_cast<int>(rng() % 16));
            }
            m.Tiebreak[static_cast<std::size_t>(w)] = static_cast<std::uint8_t>(rng() % 60);
        }
        members.push_back(m);
    }
    return members;
}

TEST(GradedPool, StandingsAreTheMemberTablesForEveryRuleAndRange) {
    for (const std::string options : {"", "PointSpreads=Yes\r\nMondayPts=WinMargin\r\nTBMethod=Wins\r\n",
                                      "PoolSort=WinPct\r\nTBMethod=None\r\nSecondaryTB=None\r\n"}) {
        test::PoolFixture f(options);
        test::WriteFile(f.Dir / "Pool97.dat", EncodePool(RandomMembers(f.State.Games, 700)));
        f.Reload();

        AppState scanned(f.Dir.path());
        test::LoadLikeStartup(scanned, f.Dir.path());
        auto graded = std::make_shared<GradedPool>(scanned);
        ASSERT_TRUE(ScanPool(scanned, [&](std::span<const MemberRecord> block) { graded->Add(block); }).ok());
        ASSERT_EQ(scanned.MemberCount, 700);
        ASSERT_TRUE(scanned.Members.empty());
        ASSERT_EQ(graded->Count(), 700);

        PoolStandings table(f.State);
        PoolStandings fromGraded(scanned, graded);
        for (int end = 1; end <= 4; ++end) {
            for (int start = 1; start <= 4; ++start) {
                for (PoolStandings* s : {&table, &fromGraded}) {
                    while (s->EndWeek() != end) s->SpinEnd(s->EndWeek() < end ? 1 : -1);
                    while (s->StartWeek() != start) s->SpinStart(s->StartWeek() < start ? 1 : -1);
                    s->SetShowAll(true);
                }
                for (const auto view : {PoolStandings::View::OneWeek, PoolStandings::View::Season}) {
                    table.SetView(view);
                    fromGraded.SetView(view);
                    ASSERT_EQ(fromGraded.Lines(), table.Lines()) << options << " weeks " << start << "-" << end;
                    ASSERT_EQ(fromGraded.ActiveNumText(), table.ActiveNumText());
                    ASSERT_EQ(fromGraded.PoolSizeText(), table.PoolSizeText());
                }
            }
        }
    }
}

}  // namespace
}  // namespace gm
