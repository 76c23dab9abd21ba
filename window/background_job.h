// Long work on a thread of its own, so that the window keeps answering while
// it runs: the work tells how far it got and can be asked to stop, and the
// window hears that it ended on its own thread, through its front end.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <thread>

namespace zentavo {

class BackgroundJob {
public:
    // post hands a task to the window's thread (WindowFrontEnd::Post).
    explicit BackgroundJob(std::function<void(std::function<void()>)> post);
    // Stops the work and waits for it.
    ~BackgroundJob();
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Runs work on a new thread, or here and now when inline_here is set
    // (work too small to be worth a thread); finished runs on the window's
    // thread either way, once the work is over. Work that is not stoppable
    // is past its point of no return from the start. One job at a time.
    void Start(std::function<void()> work, std::function<void()> finished, bool stoppable = true,
               bool inline_here = false);
    bool running() const { return running_; }

    // Asks the work to stop, unless it is past its point of no return;
    // returns whether it was asked.
    bool RequestStop();
    bool stoppable() const { return phase_.load() == Phase::Stoppable; }
    bool stop_requested() const { return stop_.stop_requested(); }
    std::stop_token stop_token() const { return stop_.get_token(); }
    // Stops the work, even past its point of no return (it finishes then
    // what it cannot leave half done), and waits for it; finished does not
    // run: whatever the work did is left as it is.
    void StopAndWait();

    // For the work, from its thread. Report tells how far it got (total 0:
    // not known). Commit passes the point of no return: from there on a
    // stop is no longer asked for; false when one came first.
    void Report(size_t done, size_t total);
    bool Commit();
    size_t done() const { return done_.load(std::memory_order_relaxed); }
    size_t total() const { return total_.load(std::memory_order_relaxed); }

private:
    enum class Phase { Stoppable, Committed, Stopping };

    void Ended(uint64_t started);

    std::function<void(std::function<void()>)> post_;
    std::thread thread_;
    std::function<void()> finished_;
    uint64_t started_ = 0;  // tells a thread's end from that of an earlier one
    bool running_ = false;
    std::stop_source stop_;
    std::atomic<Phase> phase_{Phase::Stoppable};
    std::atomic<size_t> done_{0};
    std::atomic<size_t> total_{0};
};

}  // namespace zentavo
