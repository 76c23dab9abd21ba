// Asks a window again and again whether it answers, as a window manager does
// before it calls a program "not responding": a _NET_WM_PING client message
// over a connection of its own to the X server, answered by the program's
// event loop. Keeps when each ping went out and when its answer came.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace zentavo::bench {

class PingProbe {
public:
    using Clock = std::chrono::steady_clock;

    // Pings window (an X window id) on the display of $DISPLAY, one ping
    // every interval after the last answer, until destroyed.
    PingProbe(uint32_t window, std::chrono::milliseconds interval);
    ~PingProbe();
    PingProbe(const PingProbe&) = delete;
    PingProbe& operator=(const PingProbe&) = delete;

    bool connected() const { return connected_; }
    // The longest time in [from, to] that the window left a ping unanswered:
    // a ping still unanswered counts until to.
    double LongestGapSeconds(Clock::time_point from, Clock::time_point to);

private:
    struct Ping {
        Clock::time_point sent;
        Clock::time_point answered;  // sent when not answered yet
        bool done = false;
    };
    void Run(uint32_t window, std::chrono::milliseconds interval);

    std::mutex mutex_;
    std::vector<Ping> pings_;
    bool connected_ = false;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace zentavo::bench
