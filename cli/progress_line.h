// A line on standard error that tells how far a long drop or rename run has
// got. It is for a person at a terminal: nothing is written unless the stream
// is one, and nothing before a run has lasted long enough to be noticed.
#pragma once

#include <chrono>
#include <functional>
#include <ostream>
#include <string_view>

namespace zentavo {

class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    static constexpr std::chrono::milliseconds kDelay{1000};

    // The delay counts from construction.
    ProgressLine(std::ostream& err, bool to_terminal, Now now = Clock::now);

    // Replaces the line's text, once the delay has passed.
    void Show(std::string_view text);

    // Erases the line, if one is shown, so that what follows starts on a
    // clean line.
    void Clear();

private:
    std::ostream& err_;
    bool to_terminal_;
    Now now_;
    Clock::time_point start_;
    bool shown_ = false;
};

}  // namespace zentavo
