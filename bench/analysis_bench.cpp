// The Pool Analyst and the Pool Experts on a full season for pools of
// growing size: every game of 21 weeks played and picked by every member.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <random>

#include "core/analysis/PoolAnalyst.h"
#include "core/analysis/PoolExperts.h"
#include "core/data/AppState.h"

namespace {

// A season of 15 games a week between shifting pairs of teams, all scored,
// and `members` members who pick a random side with random confidence.
gm::AppState& Pool(int members) {
    static std::map<int, std::unique_ptr<gm::AppState>> pools;
    auto& slot = pools[members];
    if (slot) return *slot;
    slot = std::make_unique<gm::AppState>(std::filesystem::temp_directory_path());
    gm::AppState& state = *slot;
    std::mt19937 random(1997);
    for (int w = 0; w < gm::kWeeks; ++w) {
        for (int s = 0; s < gm::kSlots; ++s) {
            gm::GameRecord& g = state.Games[w][s];
            g.HomeTeam = static_cast<std::uint8_t>(1 + (2 * s + w) % gm::kTeams);
            g.AwayTeam = static_cast<std::uint8_t>(1 + (2 * s + 1 + w) % gm::kTeams);
            g.HomeScore = static_cast<std::uint8_t>(random() % 40);
            g.AwayScore = static_cast<std::uint8_t>(random() % 40);
            g.AwaySpread = static_cast<float>(random() % 14) / 2.0f;
            gm::ApplyResult(g);
        }
    }
    state.Members.resize(static_cast<std::size_t>(members));
    for (auto& m : state.Members)
        for (int w = 0; w < gm::kWeeks; ++w)
            for (int s = 0; s < gm::kSlots; ++s) {
                const gm::GameRecord& g = state.Games[w][s];
                m.Picks[w][s] = random() % 2 ? g.HomeTeam : g.AwayTeam;
                m.Confidence[w][s] = static_cast<std::uint8_t>(1 + random() % 15);
            }
    state.MemberCount = members;
    state.CurrentWeek = gm::kWeeks;
    return state;
}

// Opening the analyst: spread results, every member over 21 weeks, the order.
void BM_PoolAnalystAllTeams(benchmark::State& bench) {
    gm::AppState& state = Pool(static_cast<int>(bench.range(0)));
    state.PointSpreads = "Yes";
    for (auto _ : bench) {
        gm::PoolAnalyst model(state);
        benchmark::DoNotOptimize(model.Rows().data());
    }
    bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}
BENCHMARK(BM_PoolAnalystAllTeams)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// Changing the group: a recount without the spread refresh, and its lines.
void BM_PoolAnalystGroupAndLines(benchmark::State& bench) {
    gm::AppState& state = Pool(static_cast<int>(bench.range(0)));
    gm::PoolAnalyst model(state);
    int group = 0;
    for (auto _ : bench) {
        model.ChooseGroup(group = (group + 1) % gm::PoolAnalyst::kGroupCount);
        benchmark::DoNotOptimize(model.Lines());
    }
    bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}
BENCHMARK(BM_PoolAnalystGroupAndLines)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The experts of week 21 on the records of weeks 1 to 20.
void BM_PoolExpertsWeek21(benchmark::State& bench) {
    gm::AppState& state = Pool(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        gm::PoolExperts model(state);
        benchmark::DoNotOptimize(model.ReportLines());
    }
    bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}
BENCHMARK(BM_PoolExpertsWeek21)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
