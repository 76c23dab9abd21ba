#include "window/background_job.h"

#include <utility>

namespace zentavo {

BackgroundJob::BackgroundJob(std::function<void(std::function<void()>)> post)
    : post_(std::move(post)) {}

BackgroundJob::~BackgroundJob() {
    StopAndWait();
}

void BackgroundJob::Start(std::function<void()> work, std::function<void()> finished,
                          bool stoppable, bool inline_here) {
    running_ = true;
    finished_ = std::move(finished);
    stop_ = std::stop_source();
    phase_ = stoppable ? Phase::Stoppable : Phase::Committed;
    done_ = 0;
    total_ = 0;
    const uint64_t started = ++started_;
    if (inline_here) {
        work();
        Ended(started);
        return;
    }
    thread_ = std::thread([this, work = std::move(work), started] {
        work();
        post_([this, started] { Ended(started); });
    });
}

bool BackgroundJob::RequestStop() {
    Phase stoppable = Phase::Stoppable;
    if (!phase_.compare_exchange_strong(stoppable, Phase::Stopping))
        return phase_.load() == Phase::Stopping;
    stop_.request_stop();
    return true;
}

bool BackgroundJob::Commit() {
    Phase stoppable = Phase::Stoppable;
    return phase_.compare_exchange_strong(stoppable, Phase::Committed) ||
           stoppable == Phase::Committed;
}

void BackgroundJob::StopAndWait() {
    if (!thread_.joinable()) return;
    stop_.request_stop();
    thread_.join();
    // The end the thread posted belongs to a job no longer running.
    ++started_;
    running_ = false;
    finished_ = nullptr;
}

void BackgroundJob::Ended(uint64_t started) {
    if (started != started_) return;
    if (thread_.joinable()) thread_.join();
    running_ = false;
    std::exchange(finished_, nullptr)();
}

void BackgroundJob::Report(size_t done, size_t total) {
    done_.store(done, std::memory_order_relaxed);
    total_.store(total, std::memory_order_relaxed);
}

}  // namespace zentavo
