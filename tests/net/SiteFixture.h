#pragma once

// A data folder of the 2024 season with members and PINs, the picks site
// serving it on a loopback port with a clock the test moves, and a raw
// connection for requests no well-behaved client sends.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/data/MemberRecord.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/site/EasternTime.h"
#include "net/PinStore.h"
#include "net/SiteServer.h"
#include "support/Season2024.h"
#include "support/TempDir.h"
#include "support/UtcTime.h"

namespace gm::test {

// The state a command reads from a data folder.
inline void LoadFolder(AppState& state) {
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    ASSERT_TRUE(LoadSeason(state, kCurrentSeasonRead).ok());
    ASSERT_TRUE(LoadPool(state).ok());
}

// A connection of our own, for requests no well-behaved client sends.
class RawConnection {
public:
    explicit RawConnection(int port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<std::uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        timeval tv{30, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    }
    ~RawConnection() { ::close(fd_); }
    void Send(std::string_view bytes) { (void)::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    // Everything until the server closes the connection (or 30 s pass).
    std::string ReadAll(bool* closed = nullptr) {
        std::string out;
        char buf[4096];
        for (;;) {
            const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
            if (n <= 0) {
                if (closed) *closed = n == 0 || errno == ECONNRESET;
                return out;
            }
            out.append(buf, static_cast<std::size_t>(n));
        }
    }

private:
    int fd_ = -1;
};

class SiteTest : public ::testing::Test {
protected:
    // Thursday of week 1 at noon Eastern: every game of the week is open.
    static SiteTime ThursdayNoon() { return Utc(2024, 9, 5, 16, 0); }

    void MakeFolder(const std::vector<std::string>& names) {
        Write2024Folder(dir.path(), 0, 1);
        AppState state(dir.path());
        LoadFolder(state);
        std::vector<MemberRecord> records;
        for (const std::string& name : names) {
            MemberRecord m;
            m.Name = FitName(name);
            m.PlayerNumber = static_cast<std::int16_t>(records.size() + 1);
            records.push_back(m);
        }
        ASSERT_TRUE(RebuildPool(state, records).ok());
        net::PinStore store(dir.path());
        for (const std::string& name : names) ASSERT_TRUE(store.Issue(name, pins[name], net::QuickCost()).ok());
    }

    void StartSite(net::PoolAccess* access = nullptr, net::SiteConfig config = {}) {
        pool = std::make_unique<net::FolderPool>(dir.path());
        ASSERT_TRUE(pool->Load().ok());
        config.Port = 0;
        config.Clock = [this] { return SiteTime(std::chrono::seconds(now.load())); };
        server = std::make_unique<net::SiteServer>(dir.path(), access ? *access : *pool, config);
        std::string error;
        ASSERT_TRUE(server->Start(&error)) << error;
    }

    void SetNow(SiteTime t) { now = t.time_since_epoch().count(); }

    httplib::Client Client() const {
        httplib::Client c("127.0.0.1", server->Port());
        c.set_read_timeout(30, 0);
        return c;
    }

    // The 1-based place of AWAY@HOME in week 1.
    int PlaceOf(std::string_view away, std::string_view home) {
        AppState state(dir.path());
        LoadFolder(state);
        const League& league = state.League();
        for (int g = 0; g < league.Slots; ++g) {
            const GameRecord& game = state.Games[0][static_cast<std::size_t>(g)];
            if (game.AwayTeam == league.TeamFromId(away) && game.HomeTeam == league.TeamFromId(home)) return g + 1;
        }
        ADD_FAILURE() << "no game " << away << "@" << home;
        return 0;
    }

    TempDir dir;
    std::map<std::string, std::string> pins;
    std::atomic<long long> now{ThursdayNoon().time_since_epoch().count()};
    std::unique_ptr<net::FolderPool> pool;
    std::unique_ptr<net::SiteServer> server;
};

}  // namespace gm::test
