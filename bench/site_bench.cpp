// The picks site under the rush before kick-off: forty members of a 40-member
// pool of the 2024 season press Save at once, each over a connection of their
// own, through the real server on a loopback port. One iteration is one such
// rush; the counter is sheets saved (answered 200, on disk) per second.
//
// Kinds of rush: every member's sheet differs from the others and from what
// is saved (each save writes the pool file), every member sends the same
// sheet (as members who all take the favourites), or members send again what
// they saved (nothing to write but the audit line). PINs either at the cost
// the program issues them (Argon2id, libsodium's interactive limits: checking
// one is most of a request) or at the least cost, which leaves the server's
// own work: parsing, the sheet checks, the atomic save and its fsyncs.
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <atomic>
#include <thread>

#include "BenchFixtures.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonCsv.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "net/PinStore.h"
#include "net/SiteServer.h"

namespace {

constexpr int kMembers = 40;

enum class Rush { Differing, Same, Unchanged };

struct Site {
    gm::bench::TempFolder folder{"sitebench"};
    std::vector<std::string> names, pins;
    std::vector<int> slots;  // the week's games
    std::vector<std::string> home, away;
    std::unique_ptr<gm::net::FolderPool> pool;
    std::unique_ptr<gm::net::SiteServer> server;

    explicit Site(gm::net::PinCost cost) {
        std::string csv;
        gm::bench::Require(gm::ReadFileBytes(
            std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "tests" / "data" / "nfl-games-2024.csv", csv));
        const gm::SeasonImport season = gm::ImportSeasonCsv(csv, 2024);
        if (!season.Problems.empty()) throw std::runtime_error("benchmark set-up: the 2024 season has problems");
        gm::AppState state(folder.Path());
        state.SetLeague(gm::LeagueToday());
        state.Games = season.Games;
        state.SeasonYear = "2024";
        state.CurrentSeasonOpen = true;
        state.SeasonFileName = std::string(gm::kTodaySeasonFileName);
        state.CurrentWeek = 1;
        gm::bench::Require(gm::SaveSeason(state));
        gm::bench::Require(gm::WriteCurrentWeek(state));
        std::vector<gm::MemberRecord> records;
        gm::net::PinStore store(folder.Path());
        for (int i = 0; i < kMembers; ++i) {
            names.push_back("Member " + std::to_string(i + 1));
            gm::MemberRecord m;
            m.Name = gm::FitName(names.back());
            m.PlayerNumber = static_cast<std::int16_t>(i + 1);
            records.push_back(m);
            pins.emplace_back();
            gm::bench::Require(store.Issue(names.back(), pins.back(), cost));
        }
        gm::bench::Require(gm::RebuildPool(state, records));
        const gm::League& league = state.League();
        for (int g = 0; g < league.Slots; ++g) {
            const gm::GameRecord& game = state.Games[0][static_cast<std::size_t>(g)];
            if (!game.HasGame()) continue;
            slots.push_back(g);
            home.emplace_back(league.TeamId(game.HomeTeam));
            away.emplace_back(league.TeamId(game.AwayTeam));
        }

        pool = std::make_unique<gm::net::FolderPool>(folder.Path());
        gm::bench::Require(pool->Load());
        gm::net::SiteConfig config;
        config.Port = 0;
        // Thursday of week 1 at noon Eastern: every game open.
        config.Clock = [] {
            using namespace std::chrono;
            return gm::SiteTime(sys_days(year(2024) / month(9) / day(5)) + hours(16));
        };
        server = std::make_unique<gm::net::SiteServer>(folder.Path(), *pool, config);
        std::string error;
        if (!server->Start(&error)) throw std::runtime_error(error);
    }

    // Member i's sheet in round `round`.
    std::string Body(int i, int round, Rush rush) const {
        const int who = rush == Rush::Same ? 0 : i;
        const int turn = rush == Rush::Unchanged ? 0 : round;
        const int games = static_cast<int>(slots.size());
        std::string picks;
        for (int k = 0; k < games; ++k) {
            if (k) picks += ',';
            const bool homePick = (k + who + turn) % 2 == 0;
            picks += "{\"game\":" + std::to_string(slots[static_cast<std::size_t>(k)] + 1) + ",\"team\":\"" +
                     (homePick ? home : away)[static_cast<std::size_t>(k)] +
                     "\",\"confidence\":" + std::to_string((k + who + turn) % games + 1) + "}";
        }
        return "{\"member\":\"" + names[static_cast<std::size_t>(i)] + "\",\"pin\":\"" +
               pins[static_cast<std::size_t>(i)] + "\",\"week\":1,\"picks\":[" + picks +
               "],\"monday\":" + std::to_string((who + turn) % 90) + "}";
    }
};

Site& SiteFor(bool interactive) {
    static Site quick(gm::net::QuickCost());
    if (!interactive) return quick;
    static Site slow(gm::net::InteractiveCost());
    return slow;
}

void BM_FortyMembersSave(benchmark::State& st) {
    const auto rush = static_cast<Rush>(st.range(0));
    Site& site = SiteFor(st.range(1) != 0);
    int round = 0;
    std::int64_t saved = 0;
    for (auto _ : st) {
        ++round;
        std::atomic<int> ok{0};
        std::vector<std::thread> clients;
        for (int i = 0; i < kMembers; ++i) {
            clients.emplace_back([&, i] {
                httplib::Client c("127.0.0.1", site.server->Port());
                c.set_read_timeout(60, 0);
                const auto r = c.Post(gm::net::kPicksApiRoute, site.Body(i, round, rush), "application/json");
                if (r && r->status == 200) ++ok;
            });
        }
        for (std::thread& t : clients) t.join();
        if (ok != kMembers) {
            st.SkipWithError("a sheet was not saved");
            break;
        }
        saved += kMembers;
    }
    st.counters["sheets/s"] = benchmark::Counter(static_cast<double>(saved), benchmark::Counter::kIsRate);
    st.SetLabel(std::string(rush == Rush::Differing ? "differing sheets" : rush == Rush::Same ? "the same sheet" : "unchanged sheets") +
                (st.range(1) ? ", PINs at the program's cost" : ", PINs at the least cost"));
}
BENCHMARK(BM_FortyMembersSave)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
