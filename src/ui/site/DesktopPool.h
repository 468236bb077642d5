#pragma once

#include <QObject>
#include <atomic>
#include <filesystem>
#include <functional>

#include "core/data/AppState.h"
#include "net/SiteServer.h"

namespace gm::ui {

// The desktop program's pool for the picks site: every request's work runs
// on the GUI thread against the program's own state, between the organiser's
// own edits, so that the two never interleave. A worker thread posts the work
// and waits for it.
//
// Stopping: a worker may be waiting for the GUI thread while the GUI thread
// waits for the workers to end. SetStopping(true) before stopping the server
// makes Run refuse new work at once and makes waiting workers give up on work
// the GUI thread has not begun, so the server's Wait always ends.
class DesktopPool final : public QObject, public net::PoolAccess {
    Q_OBJECT
public:
    // `state` is the program's state; the site serves the pool of `folder`
    // only while the state holds that folder's current season.
    DesktopPool(AppState& state, std::filesystem::path folder, QObject* parent = nullptr);

    bool Run(const std::function<void(AppState&)>& work) override;

    void SetStopping(bool stopping) { stopping_ = stopping; }
    bool Stopping() const { return stopping_; }

    // Runs on the GUI thread when a request finds the program on another pool
    // folder, or showing an archived season: the site cannot serve it.
    void OnPoolGone(std::function<void()> gone) { gone_ = std::move(gone); }

private:
    bool RunHere(const std::function<void(AppState&)>& work);

    AppState& state_;
    std::filesystem::path folder_;
    std::atomic<bool> stopping_{false};
    std::function<void()> gone_;
};

}  // namespace gm::ui
