// The member-by-member analysis displays on a pool of an ordinary office
// (1,000 members) and on the largest pool (32,767), the full season picked
// by every member: the Player Analyst and Player Graph opening on the last
// member (the pool's figures of the graph cover everybody), and the pool
// marquee opening on week 21 with every member's message.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "BenchFixtures.h"
#include "core/analysis/PlayerAnalyst.h"
#include "core/analysis/PlayerGraph.h"
#include "core/analysis/PoolMarquee.h"

namespace {

using gm::bench::FullPool;

FullPool& Pool(int members) {
    static std::map<int, std::unique_ptr<FullPool>> pools;
    auto& pool = pools[members];
    if (!pool) pool = std::make_unique<FullPool>(members, "bench-analysis");
    return *pool;
}

void BM_PlayerAnalyst(benchmark::State& st) {
    FullPool& pool = Pool(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        pool.state.CurrentWeek = gm::kWeeks;
        gm::PlayerAnalyst analyst(pool.state);
        analyst.SelectMember(static_cast<int>(st.range(0)) - 1);
        auto lines = analyst.TextLines();
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_PlayerGraph(benchmark::State& st) {
    FullPool& pool = Pool(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        gm::PlayerGraph graph(pool.state);
        graph.SelectMember(static_cast<int>(st.range(0)) - 1);
        benchmark::DoNotOptimize(graph.MemberSeries());
        benchmark::DoNotOptimize(graph.PoolAverages());
    }
}

void BM_PoolMarquee(benchmark::State& st) {
    FullPool& pool = Pool(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        pool.state.CurrentWeek = gm::kWeeks;
        gm::PoolMarquee marquee(pool.state);
        if (marquee.Messages().size() != static_cast<std::size_t>(st.range(0))) st.SkipWithError("members missing");
        benchmark::DoNotOptimize(marquee.Messages().data());
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(gm::bench::kOfficePool)->Arg(gm::bench::kLargestPool)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_PlayerAnalyst)->Apply(Sizes);
BENCHMARK(BM_PlayerGraph)->Apply(Sizes);
BENCHMARK(BM_PoolMarquee)->Apply(Sizes);

BENCHMARK_MAIN();
