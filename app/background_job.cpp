#include "app/background_job.h"

#include <QThread>

namespace zentavo {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
    StopAndWait();
}

void BackgroundJob::Start(std::function<void()> work, bool stoppable, bool inline_here) {
    running_ = true;
    stop_ = std::stop_source();
    phase_ = stoppable ? Phase::Stoppable : Phase::Committed;
    done_ = 0;
    total_ = 0;
    if (inline_here) {
        work();
        Ended();
        return;
    }
    thread_ = QThread::create(std::move(work));
    const uint64_t started = ++started_;
    connect(thread_, &QThread::finished, this, [this, started] {
        if (started == started_ && thread_) Ended();
    });
    thread_->start();
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
    if (!thread_) return;
    stop_.request_stop();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    running_ = false;
}

void BackgroundJob::Ended() {
    if (thread_) {
        thread_->wait();
        thread_->deleteLater();
        thread_ = nullptr;
    }
    running_ = false;
    emit finished();
}

void BackgroundJob::Report(size_t done, size_t total) {
    done_.store(done, std::memory_order_relaxed);
    total_.store(total, std::memory_order_relaxed);
}

}  // namespace zentavo
