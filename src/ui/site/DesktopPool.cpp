#include "ui/site/DesktopPool.h"

#include <QThread>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace gm::ui {

namespace {

// One piece of work handed to the GUI thread. Once the GUI thread has begun
// it, the worker waits for the end; until then the worker may withdraw it.
struct Job {
    enum class Stage { Posted, Running, Done, Refused, Withdrawn };
    std::mutex Mutex;
    std::condition_variable Changed;
    Stage At = Stage::Posted;
};

// How often a waiting worker looks whether the site is stopping.
constexpr std::chrono::milliseconds kStopCheck{20};

}  // namespace

DesktopPool::DesktopPool(AppState& state, std::filesystem::path folder, QObject* parent)
    : QObject(parent), state_(state), folder_(std::move(folder)) {}

bool DesktopPool::RunHere(const std::function<void(AppState&)>& work) {
    if (stopping_) return false;
    std::error_code ec;
    if (!state_.CurrentSeasonOpen || !std::filesystem::equivalent(state_.DataFolder, folder_, ec)) {
        if (gone_) QTimer::singleShot(0, this, gone_);
        return false;
    }
    work(state_);
    return true;
}

bool DesktopPool::Run(const std::function<void(AppState&)>& work) {
    if (stopping_) return false;
    if (QThread::currentThread() == thread()) return RunHere(work);

    auto job = std::make_shared<Job>();
    // `work` lives on this worker's stack until Run returns: the GUI thread
    // touches it only between Posted and the end, while the worker waits.
    const auto* task = &work;
    QMetaObject::invokeMethod(
        this,
        [this, job, task] {
            {
                std::lock_guard<std::mutex> lock(job->Mutex);
                if (job->At != Job::Stage::Posted) return;  // withdrawn
                job->At = Job::Stage::Running;
            }
            const bool ran = RunHere(*task);
            {
                std::lock_guard<std::mutex> lock(job->Mutex);
                job->At = ran ? Job::Stage::Done : Job::Stage::Refused;
            }
            job->Changed.notify_all();
        },
        Qt::QueuedConnection);

    std::unique_lock<std::mutex> lock(job->Mutex);
    for (;;) {
        if (job->Changed.wait_for(lock, kStopCheck,
                                  [&] { return job->At == Job::Stage::Done || job->At == Job::Stage::Refused; }))
            return job->At == Job::Stage::Done;
        if (stopping_ && job->At == Job::Stage::Posted) {
            job->At = Job::Stage::Withdrawn;
            return false;
        }
    }
}

}  // namespace gm::ui
