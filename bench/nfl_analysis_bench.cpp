// The NFL Analyzer, the league graph and the matchup table on a full season
// (the 1996 season shipped in share/seasons/1996.NFL, every week scored):
// what the windows recount on every change of an option or a week.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/data/AppState.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/Analyzer.h"
#include "core/nfl/Matchup.h"
#include "core/nfl/NflGraph.h"

namespace {

namespace fs = std::filesystem;

struct FullSeason {
    fs::path folder;
    gm::AppState state;

    FullSeason() : folder(MakeFolder()), state(folder) {
        const fs::path season = fs::path(__FILE__).parent_path().parent_path() / "share" / "seasons" / "1996.NFL";
        fs::copy_file(season, folder / "1997.NFL", fs::copy_options::overwrite_existing);
        gm::LoadSeason(state, gm::kCurrentSeasonRead);
        state.CurrentWeek = gm::kWeeks;
    }
    ~FullSeason() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    static fs::path MakeFolder() {
        const fs::path f = fs::temp_directory_path() / ("gridmoot-analysisbench-" + std::to_string(std::random_device{}()));
        fs::create_directories(f);
        return f;
    }
};

FullSeason& Season() {
    static FullSeason season;
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
