// The full pool standings for the largest pool the file allows (32,767
// members, every game of 21 weeks picked), beside the time to read that pool
// file and checksum its bytes.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>

#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/pool/PoolRoom.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/PoolStatPak.h"
#include "core/pool/StatPak.h"

// Heap in use and its peak, to weigh the standings' memory against the file.
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

namespace fs = std::filesystem;

constexpr int kMembers = gm::kMaxMembers;

// The pool file and the loaded state, built once.
struct BigPool {
    fs::path folder;
    gm::AppState state;
    std::uintmax_t fileSize = 0;

    BigPool() : folder(MakeFolder()), state(folder) {
        const fs::path season = fs::path(__FILE__).parent_path().parent_path() / "share" / "seasons" / "1996.NFL";
        fs::copy_file(season, folder / "1997.NFL", fs::copy_options::overwrite_existing);
        gm::LoadSeason(state, gm::kCurrentSeasonRead);

        std::mt19937 rng(1996);
        std::vector<gm::MemberRecord> members(kMembers);
        for (int i = 0; i < kMembers; ++i) {
            gm::MemberRecord& m = members[static_cast<std::size_t>(i)];
            m.Name = gm::FitName("Member " + std::to_string(i));
            m.PlayerNumber = static_cast<std::int16_t>(i + 1);
            for (int w = 0; w < gm::kWeeks; ++w) {
                for (int g = 0; g < gm::kSlots; ++g) {
                    const gm::GameRecord& game = state.Games[w][g];
                    // Every game picked; where a week has fewer games, the slot still gets a team.
                    const int home = game.HasGame() ? game.HomeTeam : 1 + static_cast<int>(rng() % 30);
                    const int away = game.HasGame() ? game.AwayTeam : 1 + static_cast<int>(rng() % 30);
                    m.Picks[w][g] = static_cast<std::uint8_t>(rng() & 1 ? home : away);
                    m.Confidence[w][g] = static_cast<std::uint8_t>(1 + rng() % 15);
                }
                m.Tiebreak[w] = static_cast<std::uint8_t>(rng() % 80);
            }
        }
        gm::WriteFileAtomic(folder / "Pool97.dat", gm::EncodePool(members));
        fileSize = fs::file_size(folder / "Pool97.dat");
        gm::LoadPool(state);
        state.PointSpreads = "Yes";
        state.PoolSort = "Confidence";
        state.TBMethod = "Wins";  // both tiebreak sorts and the main sort
        state.SecondaryTB = "Monday";
        state.MondayPts = "TotalPoints";
        state.CurrentWeek = gm::kWeeks;
    }
    ~BigPool() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    static fs::path MakeFolder() {
        const fs::path f = fs::temp_directory_path() / ("gridmoot-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(f);
        return f;
    }
};

BigPool& Pool() {
    static BigPool pool;
    return pool;
}

void BM_ReadPoolFileAndChecksum(benchmark::State& st) {
    BigPool& pool = Pool();
    for (auto _ : st) {
        std::string bytes;
        gm::ReadFileBytes(pool.folder / "Pool97.dat", bytes);
        std::uint64_t sum = 0;
        for (unsigned char c : bytes) sum += c;
        benchmark::DoNotOptimize(sum);
    }
    st.counters["file_MB"] = static_cast<double>(pool.fileSize) / 1e6;
}

void BM_FullStandings(benchmark::State& st) {
    BigPool& pool = Pool();
    long long peakAbove = 0;
    for (auto _ : st) {
        const long long before = g_live.load();
        g_peak = before;
        // Grade against the spread with confidence points, tally, order with
        // tiebreakers, rank, and build every line of the season view.
        gm::PoolStandings standings(pool.state);
        standings.SetShowAll(true);
        standings.SetView(gm::PoolStandings::View::Season);
        auto lines = standings.Lines();
        benchmark::DoNotOptimize(lines.data());
        if (lines.size() != static_cast<std::size_t>(kMembers)) st.SkipWithError("not every member listed");
        peakAbove = std::max(peakAbove, g_peak.load() - before);
    }
    st.counters["standings_MB"] = static_cast<double>(peakAbove) / 1e6;
    st.counters["standings_x_file"] = static_cast<double>(peakAbove) / static_cast<double>(pool.fileSize);
    st.counters["with_pool_x_file"] =
        static_cast<double>(peakAbove + static_cast<long long>(pool.state.Members.capacity() * sizeof(gm::MemberRecord))) /
        static_cast<double>(pool.fileSize);
}

// Peak heap a computation adds, over the pool file's size.
template <typename Work>
void MeasureAgainstFile(benchmark::State& st, Work work) {
    BigPool& pool = Pool();
    long long peakAbove = 0;
    for (auto _ : st) {
        const long long before = g_live.load();
        g_peak = before;
        work(pool.state);
        peakAbove = std::max(peakAbove, g_peak.load() - before);
    }
    st.counters["x_file"] = static_cast<double>(peakAbove) / static_cast<double>(pool.fileSize);
}

// The Pool StatPak opening on week 21: every member's 21 weeks graded
// against the spread and added into the pool's figures, and its lines.
void BM_PoolStatPak(benchmark::State& st) {
    MeasureAgainstFile(st, [&](gm::AppState& state) {
        gm::PoolStatPak pool(state);
        auto lines = pool.Lines();
        benchmark::DoNotOptimize(lines.data());
        if (pool.WeekFigures(gm::kWeeks).Players != kMembers) st.SkipWithError("not every member counted");
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
        auto lines = room.TiebreakLines();
        benchmark::DoNotOptimize(lines.data());
        if (room.MondayRecord().size() != static_cast<std::size_t>(kMembers)) st.SkipWithError("members missing");
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

}  // namespace

BENCHMARK(BM_ReadPoolFileAndChecksum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullStandings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoolStatPak)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoolRoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerStatPak)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
