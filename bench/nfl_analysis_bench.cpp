// The NFL Analyzer, the league graph and the matchup table on a full season
// (the 1996 season shipped in share/seasons/1996.NFL, every week scored):
// what the windows recount on every change of an option or a week.

#include <benchmark/benchmark.h>

#include "BenchFixtures.h"
#include "core/data/AppState.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/Analyzer.h"
#include "core/nfl/Matchup.h"
#include "core/nfl/NflGraph.h"

namespace {

gm::bench::FullSeason& Season() {
    static gm::bench::FullSeason season("analysisbench");
    return season;
}

// The analyzer's full rebuild (benchmark tables, category, groups, changes,
// hits, order) and its expanded list, as one option change costs.
void BM_AnalyzerRebuild(benchmark::State& st) {
    gm::Analyzer analyzer(Season().state);
    analyzer.SetExpanded(true);
    bool spread = false;
    for (auto _ : st) {
        spread = !spread;
        analyzer.SetSpread(spread);
        benchmark::DoNotOptimize(analyzer.ListLines());
    }
}
BENCHMARK(BM_AnalyzerRebuild);

// The graph's 21 weekly tallies, for every method and location.
void BM_GraphTallies(benchmark::State& st) {
    const auto& games = Season().state.Games;
    for (auto _ : st) {
        for (int m = 0; m < 4; ++m)
            for (gm::Venue v : {gm::Venue::Home, gm::Venue::Road, gm::Venue::Overall})
                benchmark::DoNotOptimize(gm::TallyWeeks(games, static_cast<gm::GraphMethod>(m), v));
    }
}
BENCHMARK(BM_GraphTallies);

// The matchup table of the last week: twelve counts over the whole season.
void BM_MatchupTable(benchmark::State& st) {
    const auto& games = Season().state.Games;
    for (auto _ : st) benchmark::DoNotOptimize(gm::BuildMatchupTable(games, gm::kWeeks));
}
BENCHMARK(BM_MatchupTable);

}  // namespace

BENCHMARK_MAIN();
