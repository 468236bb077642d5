// The NFL displays on a full season (the 1996 season shipped in
// share/seasons/1996.NFL, every week scored) and on a full season of today's
// league (the 2024 season read from the public games CSV: 32 teams, 22 weeks
// of up to 16 games; the "...2024" benchmarks): what each window does when it
// opens or a control changes, count, order and every line. The league
// standings are the one to watch: a full season must cost well under a
// millisecond.

#include <benchmark/benchmark.h>

#include "BenchFixtures.h"
#include "core/data/AppState.h"
#include "core/data/SeasonCsv.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/ConferenceStandings.h"
#include "core/nfl/FavUndStandings.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/Analyzer.h"
#include "core/nfl/NflGraph.h"
#include "core/nfl/TeamResults.h"
#include "core/nfl/PointsStandings.h"
#include "core/nfl/WhosHot.h"

namespace {

gm::bench::FullSeason& Season() {
    static gm::bench::FullSeason season("nflbench");
    return season;
}

// The 2024 season of today's league, every game through the Super Bowl scored.
struct TodaySeason {
    gm::bench::TempFolder folder{"nflbench-2024"};
    gm::AppState state{folder.Path()};

    TodaySeason() {
        std::string csv;
        gm::bench::Require(gm::ReadFileBytes(
            std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "tests" / "data" / "nfl-games-2024.csv", csv));
        const gm::SeasonImport season = gm::ImportSeasonCsv(csv, 2024);
        if (!season.Problems.empty()) throw std::runtime_error("benchmark set-up: the 2024 season has problems");
        state.SetLeague(gm::LeagueToday());
        state.Games = season.Games;
        state.CurrentWeek = gm::LeagueToday().Weeks;
    }
};

gm::AppState& Today() {
    static TodaySeason season;
    return season.state;
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

// ---- Today's league: the 2024 season -----------------------------------------

void BM_CountRecords2024(benchmark::State& st) {
    const gm::AppState& state = Today();
    for (auto _ : st) {
        gm::TeamTable table = gm::NewTeamTable(state.League());
        gm::BuildConfRecord(table, state.Games, {0, state.League().Weeks - 1});
        gm::SortStandings(table);
        benchmark::DoNotOptimize(table.data());
    }
}

// The league standings of eight divisions over 22 weeks, and their text file.
void BM_LeagueStandings2024(benchmark::State& st) {
    for (auto _ : st) {
        gm::LeagueStandings league(Today());
        auto lines = league.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_ConferenceStandings2024(benchmark::State& st) {
    for (auto _ : st) {
        gm::ConferenceStandings conf(Today());
        auto lines = conf.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_FavUndStandings2024(benchmark::State& st) {
    for (auto _ : st) {
        gm::FavUndStandings fu(Today());
        auto lines = fu.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_WhosHot2024(benchmark::State& st) {
    for (auto _ : st) {
        gm::WhosHot hot(Today());
        for (int i = 0; i < 21; ++i) hot.SpinStart(-1);  // the whole season
        auto lines = hot.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_PointsStandings2024(benchmark::State& st) {
    for (auto _ : st) {
        gm::PointsStandings points(Today());
        points.SetAllowed(true);
        auto lines = points.TextFile().Lines;
        benchmark::DoNotOptimize(lines.data());
    }
}

// Every team's season page, one after another, as a user would walk the chooser.
void BM_TeamResults2024(benchmark::State& st) {
    gm::TeamResults results(Today());
    for (auto _ : st) {
        for (int team = 1; team <= Today().League().Teams; ++team) {
            results.ChooseTeam(team);
            auto lines = results.OutputLines();
            benchmark::DoNotOptimize(lines.data());
        }
    }
}

void BM_Analyzer2024(benchmark::State& st) {
    for (auto _ : st) {
        gm::Analyzer analyzer(Today());
        analyzer.SetExpanded(true);
        auto lines = analyzer.OutputLines();
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_NflGraph2024(benchmark::State& st) {
    for (auto _ : st) {
        gm::NflGraph graph(Today());
        graph.SetMethod(gm::GraphMethod::Favorites);
        benchmark::DoNotOptimize(graph.Tallies().data());
    }
}

}  // namespace

BENCHMARK(BM_CountRecords2024);
BENCHMARK(BM_LeagueStandings2024);
BENCHMARK(BM_ConferenceStandings2024);
BENCHMARK(BM_FavUndStandings2024);
BENCHMARK(BM_WhosHot2024);
BENCHMARK(BM_PointsStandings2024);
BENCHMARK(BM_TeamResults2024);
BENCHMARK(BM_Analyzer2024);
BENCHMARK(BM_NflGraph2024);
BENCHMARK(BM_CountRecords);
BENCHMARK(BM_LeagueStandings);
BENCHMARK(BM_LeagueToggleSpread);
BENCHMARK(BM_ConferenceStandings);
BENCHMARK(BM_FavUndStandings);
BENCHMARK(BM_WhosHot);
BENCHMARK(BM_PointsStandings);
BENCHMARK_MAIN();
