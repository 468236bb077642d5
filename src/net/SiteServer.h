#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/site/EasternTime.h"
#include "net/PinStore.h"

namespace gm::net {

// The site's route for scripts: a sheet as JSON, under the form's rules.
inline constexpr const char* kPicksApiRoute = "/api/picks";

// Where the site reads the pool and saves sheets into it. Work runs one piece
// at a time, so that two members saving at once never lose each other's picks
// and the desktop program's own edits are never interleaved with a save.
class PoolAccess {
public:
    virtual ~PoolAccess() = default;
    // Runs `work` on the pool's state, alone. False when the pool cannot be
    // reached (the site is stopping): `work` has not run.
    virtual bool Run(const std::function<void(AppState&)>& work) = 0;
};

// The pool of a data folder, read once at the start: gridmoot-cli serve and
// the tests. The folder's lock keeps other writers away meanwhile.
class FolderPool : public PoolAccess {
public:
    explicit FolderPool(std::filesystem::path dataFolder);
    // Reads the settings, the season and the pool; a failure says why.
    Status Load();
    bool Run(const std::function<void(AppState&)>& work) override;

private:
    std::mutex mutex_;
    AppState state_;
};

struct SiteConfig {
    std::string Address = "127.0.0.1";
    int Port = 8080;  // 0: any free port
    // Both given: HTTPS with this certificate and private key (PEM files).
    std::filesystem::path CertFile, KeyFile;
    // The time now; the system clock unless a test gives its own.
    std::function<SiteTime()> Clock;
    int Workers = 32;          // connections served at once
    int Waiting = 64;          // accepted connections waiting for a worker
    std::size_t MaxBody = 64 * 1024;
    std::chrono::seconds Timeout{5};       // a read or write that stalls this long ends the connection
    std::chrono::seconds SessionLife{60 * 60};
};

// One sheet saved through the site.
struct SiteSave {
    std::string Member;
    int Week = 0;
    SiteTime At{};
    std::string Address;
};

// The members' picks site: the routes, sign-in with PINs, sessions and CSRF
// tokens, the request limits and TLS, over cpp-httplib. What a sheet may hold
// and what the pages say is the core picks-site model's.
class SiteServer {
public:
    SiteServer(std::filesystem::path dataFolder, PoolAccess& pool, SiteConfig config);
    ~SiteServer();  // stops and waits
    SiteServer(const SiteServer&) = delete;
    SiteServer& operator=(const SiteServer&) = delete;

    // Binds the address and starts serving on threads of its own. False with
    // the reason (address in use, certificate unreadable, ...).
    bool Start(std::string* error);
    bool Running() const;
    int Port() const { return port_; }
    // The address to give members: "http://127.0.0.1:8080/".
    std::string Url() const;

    // Stops taking connections; the requests in hand are answered. Returns at once.
    void Stop();
    // Waits until the last request in hand has been answered (after Stop).
    void Wait();
    // Whether Wait would return at once.
    bool Finished() const { return finished_; }

    // Called on a worker thread after each saved sheet, once it is on disk.
    void OnSaved(std::function<void(const SiteSave&)> callback);

    const std::filesystem::path& AuditFile() const;

    class Impl;

private:
    std::unique_ptr<Impl> impl_;
    int port_ = 0;
    std::thread thread_;
    std::atomic<bool> finished_{true};
};

}  // namespace gm::net
