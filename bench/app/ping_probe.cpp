#include "bench/app/ping_probe.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace zentavo::bench {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.data()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

}  // namespace

PingProbe::PingProbe(uint32_t window, std::chrono::milliseconds interval) {
    thread_ = std::thread([this, window, interval] { Run(window, interval); });
    // Run says whether it could connect before it pings.
    for (int i = 0; i < 200; ++i) {
        {
            std::lock_guard lock(mutex_);
            if (connected_ || stop_) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

PingProbe::~PingProbe() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    thread_.join();
}

void PingProbe::Run(uint32_t window, std::chrono::milliseconds interval) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::lock_guard lock(mutex_);
        stop_ = true;
        xcb_disconnect(connection);
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t protocols = Atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t ping = Atom(connection, "_NET_WM_PING");
    // Answers go to the root window, for whoever listens there (Qt sends
    // them to those who listen for its structure changes).
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    {
        std::lock_guard lock(mutex_);
        connected_ = true;
    }

    const int fd = xcb_get_file_descriptor(connection);
    uint32_t serial = 0;
    while (true) {
        {
            std::lock_guard lock(mutex_);
            if (stop_) break;
            pings_.push_back({Clock::now(), Clock::now(), false});
        }
        ++serial;
        xcb_client_message_event_t message;
        std::memset(&message, 0, sizeof message);
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols;
        message.data.data32[0] = ping;
        message.data.data32[1] = serial;  // the timestamp field: ours to choose
        message.data.data32[2] = window;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection);

        bool answered = false;
        while (!answered) {
            {
                std::lock_guard lock(mutex_);
                if (stop_) break;
            }
            pollfd readable{fd, POLLIN, 0};
            poll(&readable, 1, 20);
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
                if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                    const auto* reply = reinterpret_cast<xcb_client_message_event_t*>(event);
                    if (reply->data.data32[0] == ping && reply->data.data32[1] == serial)
                        answered = true;
                }
                std::free(event);
            }
            if (xcb_connection_has_error(connection)) break;
        }
        if (!answered) break;
        {
            std::lock_guard lock(mutex_);
            pings_.back().answered = Clock::now();
            pings_.back().done = true;
        }
        std::this_thread::sleep_for(interval);
    }
    xcb_disconnect(connection);
}

double PingProbe::LongestGapSeconds(Clock::time_point from, Clock::time_point to) {
    std::lock_guard lock(mutex_);
    double longest = 0;
    for (const Ping& ping : pings_) {
        const Clock::time_point end = ping.done ? ping.answered : to;
        if (end < from || ping.sent > to) continue;
        const auto gap = std::min(end, to) - std::max(ping.sent, from);
        longest = std::max(longest, std::chrono::duration<double>(gap).count());
    }
    return longest;
}

}  // namespace zentavo::bench
