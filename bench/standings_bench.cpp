// The pool displays on a pool of an ordinary office (1,000 members) and on
// the largest pool the file allows (32,767 members, every game of 21 weeks
// picked), beside the time to read that pool file and checksum its bytes.
// Each display does what its window does when it opens and builds the lines
// its text file writes.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <stdexcept>
#include <string>

#include "BenchFixtures.h"
#include "core/data/SeasonCsv.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/GradedPool.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/PoolRoom.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/PoolStatPak.h"
#include "core/pool/StatPak.h"

// Heap in use and its peak, to weigh each display's memory against the file.
namespace {
std::atomic<long long> g_live{0};
std::atomic<long long> g_peak{0};

void Count(void* p) {
    if (!p) return;
    const long long now = g_live += static_cast<long long>(malloc_usable_size(p));
    long long peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
}
}  // namespace

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    Count(p);
    return p;
}
namespace {
void Release(void* p) noexcept {
    if (p) g_live -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
}  // namespace
void operator delete(void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }

namespace {

using gm::bench::FullPool;
using gm::bench::kLargestPool;
using gm::bench::kOfficePool;

// One pool per size and kind, written and loaded once.
FullPool& Pool(int members, gm::bench::PoolKind kind = gm::bench::PoolKind::Differing) {
    static std::map<std::pair<int, gm::bench::PoolKind>, std::unique_ptr<FullPool>> pools;
    auto& pool = pools[{members, kind}];
    if (!pool) pool = std::make_unique<FullPool>(members, "bench-pool", kind);
    return *pool;
}

// Runs `work` on the pool of st.range(0) members; reports the peak heap it
// adds over the pool file's size.
template <typename Work>
void MeasureAgainstFile(benchmark::State& st, Work work) {
    FullPool& pool = Pool(static_cast<int>(st.range(0)));
    long long peakAbove = 0;
    for (auto _ : st) {
        const long long before = g_live.load();
        g_peak = before;
        work(pool.state);
        peakAbove = std::max(peakAbove, g_peak.load() - before);
    }
    st.counters["x_file"] = static_cast<double>(peakAbove) / static_cast<double>(pool.fileSize);
}

// The lines of a display's text file (its window's list and every writer use the same).
template <typename Model>
std::size_t TextLines(const Model& model) {
    const auto lines = model.TextFile().Lines;
    benchmark::DoNotOptimize(lines.data());
    return lines.size();
}

// The yardstick: read the pool file whole and add up its bytes.
void BM_ReadPoolFileAndChecksum(benchmark::State& st) {
    FullPool& pool = Pool(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        std::string bytes;
        if (!gm::ReadFileBytes(pool.folder.Path() / "Pool97.dat", bytes)) st.SkipWithError("pool file unread");
        std::uint64_t sum = 0;
        for (unsigned char c : bytes) sum += c;
        benchmark::DoNotOptimize(sum);
    }
    st.counters["file_MB"] = static_cast<double>(pool.fileSize) / 1e6;
}

// Reading the pool file into the member table, as start-up does.
void BM_LoadPool(benchmark::State& st) {
    FullPool& pool = Pool(static_cast<int>(st.range(0)));
    gm::AppState state(pool.folder.Path());
    for (auto _ : st) {
        if (!gm::LoadPool(state) || state.MemberCount != st.range(0)) st.SkipWithError("not every member loaded");
    }
}

// Grade every game against the spread, tally the 21-week range and the end
// week with confidence points, percentages, order with both tiebreakers and
// the main key, ranks, the one-week order, then the season view's lines.
void BM_FullStandings(benchmark::State& st) {
    MeasureAgainstFile(st, [&](gm::AppState& state) {
        gm::PoolStandings standings(state);
        standings.SetShowAll(true);
        standings.SetView(gm::PoolStandings::View::Season);
        if (TextLines(standings) != static_cast<std::size_t>(st.range(0)) + 7) st.SkipWithError("members missing");
    });
}

// What `gridmoot-cli report standings --start 1 --end 17 --view season`
// does after loading, in a new folder (the window opens on week 1): open the
// standings, move the end week to 17 a week at a time, the season view, and
// every line of its text. One benchmark per option set and kind of pool, on
// the largest pool.
void StandingsCommand(benchmark::State& st, gm::bench::PoolKind kind, const gm::bench::OptionSet& options) {
    FullPool& pool = Pool(kLargestPool, kind);
    gm::AppState& state = pool.state;
    options.Apply(state);
    long long peakAbove = 0;
    for (auto _ : st) {
        state.CurrentWeek = 1;
        const long long before = g_live.load();
        g_peak = before;
        gm::PoolStandings standings(state);
        while (standings.EndWeek() < 17) standings.SpinEnd(1);
        standings.SetView(gm::PoolStandings::View::Season);
        std::size_t bytes = 0;
        standings.ForEachTextLine([&](std::string_view line) { bytes += line.size(); });
        benchmark::DoNotOptimize(bytes);
        peakAbove = std::max(peakAbove, g_peak.load() - before);
    }
    gm::bench::UseBenchOptions(state);
    st.counters["x_file"] = static_cast<double>(peakAbove) / static_cast<double>(pool.fileSize);
}

// The player matrix on week 21 with the confidence rows: its list and its text file.
void BM_PlayerMatrix(benchmark::State& st) {
    MeasureAgainstFile(st, [&](gm::AppState& state) {
        gm::PlayerMatrix matrix(state);
        matrix.SetShowAll(true);
        matrix.SetConfidenceRows(true);
        auto list = matrix.ListLines();
        benchmark::DoNotOptimize(list.data());
        TextLines(matrix);
    });
}

// The all-picks report on week 21: the entire pool by standing.
void BM_AllPicks(benchmark::State& st) {
    MeasureAgainstFile(st, [&](gm::AppState& state) {
        gm::AllPicksReport report(state);
        report.EntirePool = true;
        report.ByStanding = true;
        TextLines(report);
    });
}

// The Player StatPak opening on week 21: every member's weeks with the
// weekly and season ranks of the whole pool each week.
void BM_PlayerStatPak(benchmark::State& st) {
    MeasureAgainstFile(st, [&](gm::AppState& state) {
        gm::StatPak stats(state);
        auto lines = stats.Lines();
        benchmark::DoNotOptimize(lines.data());
    });
}

// The Pool StatPak opening on week 21: every member's 21 weeks graded
// against the spread and added into the pool's figures, and its lines.
void BM_PoolStatPak(benchmark::State& st) {
    MeasureAgainstFile(st, [&](gm::AppState& state) {
        gm::PoolStatPak pool(state);
        auto lines = pool.Lines();
        benchmark::DoNotOptimize(lines.data());
        if (pool.WeekFigures(gm::kWeeks).Players != st.range(0)) st.SkipWithError("not every member counted");
    });
}

// The Pool Room with every panel filled over the whole season: 21 weekly
// orders with places, the hottest over weeks 1 to 21, both Monday panels.
void BM_PoolRoom(benchmark::State& st) {
    MeasureAgainstFile(st, [&](gm::AppState& state) {
        gm::PoolRoom room(state);
        while (room.SpinStart(-1)) {
        }
        room.FillVictoryDefeat();
        room.FillHottest();
        room.FillMondayRecord();
        room.FillTiebreakAverage();
        TextLines(room);
        if (room.MondayRecord().size() != static_cast<std::size_t>(st.range(0))) st.SkipWithError("members missing");
    });
}


// The standings of the largest pool on a whole season of either league: the
// 1997 league (21 weeks of up to 15 games, the season shipped as 1996.NFL)
// and today's (the 2024 season, 22 weeks of up to 16 games, read from the
// public games CSV). Every member picks every slot of every week; with
// `Repeating` the picks are copies of a few dozen entries, so whole groups
// tie. Standings on week `Weeks`, season view, every text line; once from
// the member table (the window) and once from each member's graded weeks
// (the command line).
struct LeaguePool {
    gm::bench::TempFolder folder;
    gm::AppState state;

    LeaguePool(bool today, gm::bench::PoolKind kind) : folder("league-pool"), state(folder.Path()) {
        const gm::League& league = today ? gm::LeagueToday() : gm::League1997();
        if (today) {
            std::string csv;
            gm::bench::Require(gm::ReadFileBytes(
                std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "tests" / "data" / "nfl-games-2024.csv", csv));
            const gm::SeasonImport season = gm::ImportSeasonCsv(csv, 2024);
            if (!season.Problems.empty()) throw std::runtime_error("benchmark set-up: the 2024 season has problems");
            state.SetLeague(league);
            state.Games = season.Games;
        } else {
            gm::bench::PutSeason(folder.Path());
            gm::bench::Require(gm::LoadSeason(state, gm::kCurrentSeasonRead));
        }
        state.Members = Members(league, kind);
        state.MemberCount = static_cast<int>(state.Members.size());
        gm::bench::UseBenchOptions(state);
        state.CurrentWeek = league.Weeks;
    }

    // As gm::bench::MakeMembers, over the league's weeks and slots.
    std::vector<gm::MemberRecord> Members(const gm::League& league, gm::bench::PoolKind kind) const {
        std::mt19937 rng(2024);
        const auto fill = [&](gm::MemberRecord& m) {
            for (int w = 0; w < league.Weeks; ++w) {
                for (int g = 0; g < league.Slots; ++g) {
                    const gm::GameRecord& game = state.Games[w][g];
                    const int home = game.HasGame() ? game.HomeTeam : 1 + static_cast<int>(rng() % league.Teams);
                    const int away = game.HasGame() ? game.AwayTeam : 1 + static_cast<int>(rng() % league.Teams);
                    m.Picks[w][g] = static_cast<std::uint8_t>(rng() & 1 ? home : away);
                    m.Confidence[w][g] = static_cast<std::uint8_t>(1 + rng() % league.Slots);
                }
                m.Tiebreak[w] = static_cast<std::uint8_t>(rng() % 80);
            }
        };
        std::vector<gm::MemberRecord> entries(gm::bench::kRepeatingEntries);
        if (kind == gm::bench::PoolKind::Repeating)
            for (gm::MemberRecord& e : entries) fill(e);
        std::vector<gm::MemberRecord> members(static_cast<std::size_t>(kLargestPool));
        for (int i = 0; i < kLargestPool; ++i) {
            gm::MemberRecord& m = members[static_cast<std::size_t>(i)];
            if (kind == gm::bench::PoolKind::Repeating) {
                const gm::MemberRecord& e = entries[rng() % entries.size()];
                m.Picks = e.Picks;
                m.Confidence = e.Confidence;
                m.Tiebreak = e.Tiebreak;
                for (int w = 0; w < league.Weeks; ++w)
                    if (rng() & 1) m.Tiebreak[w] = static_cast<std::uint8_t>(rng() % 80);
            } else {
                fill(m);
            }
            m.Name = gm::FitName("Member " + std::to_string(i));
            m.PlayerNumber = static_cast<std::int16_t>(i + 1);
        }
        return members;
    }
};

LeaguePool& PoolOf(bool today, gm::bench::PoolKind kind) {
    static std::map<std::pair<bool, gm::bench::PoolKind>, std::unique_ptr<LeaguePool>> pools;
    auto& pool = pools[{today, kind}];
    if (!pool) pool = std::make_unique<LeaguePool>(today, kind);
    return *pool;
}

void LeagueStandings(benchmark::State& st, bool today, gm::bench::PoolKind kind, bool graded) {
    LeaguePool& pool = PoolOf(today, kind);
    gm::AppState& state = pool.state;
    const int weeks = state.League().Weeks;
    for (auto _ : st) {
        state.CurrentWeek = weeks;
        std::shared_ptr<gm::GradedPool> table;
        if (graded) {
            table = std::make_shared<gm::GradedPool>(state);
            table->Reserve(state.Members.size());
            table->Add(state.Members);
        }
        auto standings = graded ? std::make_unique<gm::PoolStandings>(state, table)
                                : std::make_unique<gm::PoolStandings>(state);
        if (standings->EndWeek() != weeks) st.SkipWithError("not on the last week");
        standings->SetShowAll(true);
        standings->SetView(gm::PoolStandings::View::Season);
        std::size_t lines = 0;
        standings->ForEachTextLine([&](std::string_view line) { lines += !line.empty(); });
        benchmark::DoNotOptimize(lines);
    }
    st.counters["weeks"] = weeks;
    st.counters["slots"] = state.League().Slots;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(kOfficePool)->Arg(kLargestPool)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_ReadPoolFileAndChecksum)->Apply(Sizes);
BENCHMARK(BM_LoadPool)->Apply(Sizes);
BENCHMARK(BM_FullStandings)->Apply(Sizes);
BENCHMARK(BM_PlayerMatrix)->Apply(Sizes);
BENCHMARK(BM_AllPicks)->Apply(Sizes);
BENCHMARK(BM_PlayerStatPak)->Apply(Sizes);
BENCHMARK(BM_PoolStatPak)->Apply(Sizes);
BENCHMARK(BM_PoolRoom)->Apply(Sizes);

int main(int argc, char** argv) {
    using gm::bench::PoolKind;
    for (const PoolKind kind : {PoolKind::Differing, PoolKind::Repeating}) {
        for (const gm::bench::OptionSet& options : gm::bench::AllOptionSets()) {
            const std::string name = std::string("BM_StandingsCommand/") +
                                     (kind == PoolKind::Repeating ? "repeating/" : "differing/") + options.Label();
            benchmark::RegisterBenchmark(name.c_str(), StandingsCommand, kind, options)->Unit(benchmark::kMillisecond);
        }
    }
    for (const bool today : {false, true}) {
        for (const PoolKind kind : {PoolKind::Differing, PoolKind::Repeating}) {
            for (const bool graded : {false, true}) {
                const std::string name = std::string("BM_LeagueStandings/") + (today ? "today-22wk" : "1997-21wk") +
                                         (kind == PoolKind::Repeating ? "/repeating" : "/differing") +
                                         (graded ? "/graded" : "/table");
                benchmark::RegisterBenchmark(name.c_str(), LeagueStandings, today, kind, graded)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
