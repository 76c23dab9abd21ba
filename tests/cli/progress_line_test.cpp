#include "cli/progress_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zentavo {
namespace {

class ProgressLineTest : public ::testing::Test {
protected:
    ProgressLine::Now Clock() {
        return [this] { return ProgressLine::Clock::time_point(elapsed_); };
    }

    std::chrono::milliseconds elapsed_{0};
    std::ostringstream err_;
};

TEST_F(ProgressLineTest, ShowsOnATerminalOnlyOnceTheDelayHasPassed) {
    ProgressLine line(err_, true, Clock());
    line.Clear();
    elapsed_ = ProgressLine::kDelay / 2;
    line.Show("early");
    EXPECT_EQ(err_.str(), "");
    elapsed_ = ProgressLine::kDelay;
    line.Show("1 of 2");
    line.Show("2 of 2");
    line.Clear();
    line.Clear();
    EXPECT_EQ(err_.str(), "\r\x1b[K1 of 2\r\x1b[K2 of 2\r\x1b[K");
}

TEST_F(ProgressLineTest, NeverWritesWhenNotATerminal) {
    ProgressLine line(err_, false, Clock());
    elapsed_ = ProgressLine::kDelay * 10;
    line.Show("1 of 2");
    line.Clear();
    EXPECT_EQ(err_.str(), "");
}

}  // namespace
}  // namespace zentavo
