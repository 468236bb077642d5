// The weekly results and the team results on a full season (the 1996 season
// shipped in share/seasons/1996.NFL): what each window does when it opens or
// its control changes, and the lines every writer prints.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/data/AppState.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/NflResults.h"
#include "core/nfl/TeamResults.h"
#include "core/output/RecordingSurface.h"

namespace {

// The season read in place from the shipped file; nothing is written.
gm::AppState& Season() {
    static gm::AppState state = [] {
        gm::AppState s(std::filesystem::path(__FILE__).parent_path().parent_path() / "share" / "seasons");
        if (!gm::LoadSeason(s, "1996.NFL")) throw std::runtime_error("1996.NFL could not be read");
        s.CurrentWeek = 1;
        return s;
    }();
    return state;
}

// Every week in turn, as the spin control steps through the season, with the
// results text of each.
void BM_WeeklyResultsAllWeeks(benchmark::State& st) {
    gm::AppState& state = Season();
    for (auto _ : st) {
        state.CurrentWeek = 1;
        gm::NflResults results(state);
        std::size_t lines = results.ResultsLines().size();
        while (results.Spin(+1)) lines += results.ResultsLines().size();
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_WeeklyResultsAllWeeks);

// Every team in turn, as the team chooser goes down the list, with the lines
// of the list and of the writers.
void BM_TeamResultsAllTeams(benchmark::State& st) {
    gm::AppState& state = Season();
    for (auto _ : st) {
        gm::TeamResults team(state);
        std::size_t lines = 0;
        for (int t = 1; t <= gm::kTeams; ++t) {
            team.ChooseTeam(t);
            lines += team.ListLines().size() + team.OutputLines().size();
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_TeamResultsAllTeams);

// One printed copy of each display on the recording surface.
void BM_PrintBoth(benchmark::State& st) {
    gm::AppState& state = Season();
    state.CurrentWeek = 17;
    const gm::NflResults results(state);
    const gm::TeamResults team(state);
    for (auto _ : st) {
        gm::RecordingSurface page;
        benchmark::DoNotOptimize(results.Print(page, 1));
        benchmark::DoNotOptimize(team.Print(page, 1));
        benchmark::DoNotOptimize(page.Ops().size());
    }
}
BENCHMARK(BM_PrintBoth);

}  // namespace

BENCHMARK_MAIN();
