#include "posix/input_signal.h"

#include <atomic>
#include <csignal>

namespace zentavo {

namespace {

// SIGURG does nothing unless asked for: should its handler be replaced by
// another, no signal would end the process.
constexpr int kInputSignal = SIGURG;

std::atomic<unsigned> signals_counted{0};
static_assert(std::atomic<unsigned>::is_always_lock_free, "counted inside a signal handler");

void CountSignal(int) {
    signals_counted.fetch_add(1, std::memory_order_relaxed);
}

bool CountingInPlace(Os& os) {
    struct sigaction now {};
    if (os.SigAction(kInputSignal, nullptr, &now) != 0) return false;
    if ((now.sa_flags & SA_SIGINFO) != 0) return false;
    if (now.sa_handler == CountSignal) return true;
    if (now.sa_handler != SIG_DFL && now.sa_handler != SIG_IGN) return false;
    struct sigaction counting {};
    counting.sa_handler = CountSignal;
    counting.sa_flags = SA_RESTART;
    sigemptyset(&counting.sa_mask);
    return os.SigAction(kInputSignal, &counting, nullptr) == 0;
}

}  // namespace

bool SignalInputToThisThread(Os& os, int fd) {
    sigset_t blocked;
    if (!CountingInPlace(os) || os.BlockedSignals(blocked) != 0 ||
        sigismember(&blocked, kInputSignal) != 0)
        return false;
    return os.SignalOnInput(fd, kInputSignal) == 0;
}

unsigned InputSignalsCounted() {
    return signals_counted.load(std::memory_order_acquire);
}

}  // namespace zentavo
