#include "cli/progress_line.h"

#include <utility>

namespace zentavo {

namespace {

// Back to the line's start, then erase to its end.
constexpr std::string_view kEraseLine = "\r\x1b[K";

}  // namespace

ProgressLine::ProgressLine(std::ostream& err, bool to_terminal, Now now)
    : err_(err), to_terminal_(to_terminal), now_(std::move(now)), start_(now_()) {}

void ProgressLine::Show(std::string_view text) {
    if (!to_terminal_ || now_() - start_ < kDelay) return;
    err_ << kEraseLine << text << std::flush;
    shown_ = true;
}

void ProgressLine::Clear() {
    if (!shown_) return;
    err_ << kEraseLine << std::flush;
    shown_ = false;
}

}  // namespace zentavo
