// The NFL displays on a full season (the 1996 season shipped in
// share/seasons/1996.NFL, every week scored): what each window does when it
// opens or a control changes, count, order and every line. The league
// standings are the one to watch: a full season must cost well under a
// millisecond.

#include <benchmark/benchmark.h>

#include "BenchFixtures.h"
#include "core/data/AppState.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/ConferenceStandings.h"
#include "core/nfl/FavUndStandings.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/PointsStandings.h"
#include "core/nfl/WhosHot.h"

namespace {

gm::bench::FullSeason& Season() {
    static gm::bench::FullSeason season("nflbench");
    return season;
}

// Counting alone: all 21 weeks, with the division and conference columns.
void BM_CountRecords(benchmark::State& st) {
    const auto& games = Season().state.Games;
    for (auto _ : st) {
        gm::TeamTable table = gm::NewTeamTable();
        gm::BuildConfRecord(table, games, {0, gm::kWeeks - 1});
        gm::SortStandings(table);
        benchmark::DoNotOptimize(table.data());
    }
}

// Opening the league standings (count, order, the six lists) and writing the
// text file's lines.
void BM_LeagueStandings(benchmark::State& st) {
    for (auto _ : st) {
        gm::LeagueStandings league(Season().state);
        auto lines = league.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

// A control change in an open window: against the spread and back.
void BM_LeagueToggleSpread(benchmark::State& st) {
    gm::LeagueStandings league(Season().state);
    bool spread = false;
    for (auto _ : st) {
        spread = !spread;
        league.SetSpread(spread);
        auto lines = league.ListLines(0);
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_ConferenceStandings(benchmark::State& st) {
    for (auto _ : st) {
        gm::ConferenceStandings conf(Season().state);
        auto lines = conf.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_FavUndStandings(benchmark::State& st) {
    for (auto _ : st) {
        gm::FavUndStandings fu(Season().state);
        auto lines = fu.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_WhosHot(benchmark::State& st) {
    for (auto _ : st) {
        gm::WhosHot hot(Season().state);
        for (int i = 0; i < 20; ++i) hot.SpinStart(-1);  // the whole season, as a user winds it back
        auto lines = hot.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_PointsStandings(benchmark::State& st) {
    for (auto _ : st) {
        gm::PointsStandings points(Season().state);
        points.SetAllowed(true);
        auto lines = points.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

}  // namespace

BENCHMARK(BM_CountRecords);
BENCHMARK(BM_LeagueStandings);
BENCHMARK(BM_LeagueToggleSpread);
BENCHMARK(BM_ConferenceStandings);
BENCHMARK(BM_FavUndStandings);
BENCHMARK(BM_WhosHot);
BENCHMARK(BM_PointsStandings);
BENCHMARK_MAIN();
