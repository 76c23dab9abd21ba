// Moves on file systems that reject RENAME_NOREPLACE (FUSE, NFS, sshfs),
// acted out by failing every flagged rename with EINVAL: a hard link and an
// unlink, and where links are refused, a placeholder renamed over.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "posix/posix_file_system.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"

namespace zentavo {
namespace {

using Names = std::vector<std::string>;

class PosixFallbackMove : public testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir_ / "a", "content");
        os_.RefuseRenameFlags();
    }
    void RefuseLinks() { os_.Add({.call = OsCall::Link, .error = EPERM}); }

    TempFolder dir_;
    FaultyOs os_;
};

TEST_F(PosixFallbackMove, LinksAndUnlinksAndRemembersTheFileSystem) {
    WriteFile(dir_ / "c", "second");
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), 0);
    EXPECT_EQ(Move(fs, dir_ / "c", dir_ / "d"), 0);
    EXPECT_EQ(NamesIn(dir_.path()), (Names{"b", "d"}));
    EXPECT_EQ(ReadFile(dir_ / "b"), "content");
    EXPECT_EQ(ReadFile(dir_ / "d"), "second");
    // The flag is tried once, and once on a probe, then never again.
    EXPECT_EQ(os_.count(OsCall::Rename), 2u);
    EXPECT_EQ(os_.count(OsCall::Link), 2u);
}

TEST_F(PosixFallbackMove, TakenTargetFailsWithEexist) {
    WriteFile(dir_ / "b", "theirs");
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EEXIST);
    EXPECT_EQ(ReadFile(dir_ / "a"), "content");
    EXPECT_EQ(ReadFile(dir_ / "b"), "theirs");
}

TEST_F(PosixFallbackMove, FailedUnlinkUndoesTheLink) {
    os_.Add({.call = OsCall::Unlink, .path = dir_ / "a", .error = EACCES});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EACCES);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"a"});
    EXPECT_EQ(LstatOf(dir_ / "a").st_nlink, 1u);
}

TEST_F(PosixFallbackMove, FolderIsNotMovedByAFallback) {
    ::mkdir((dir_ / "folder").c_str(), 0755);
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "folder", dir_ / "b"), EINVAL);
    EXPECT_EQ(os_.count(OsCall::Link), 0u);
    EXPECT_EQ(NamesIn(dir_.path()), (Names{"a", "folder"}));
}

TEST_F(PosixFallbackMove, RefusedLinksMoveOverAPlaceholder) {
    RefuseLinks();
    WriteFile(dir_ / "c", "second");
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), 0);
    EXPECT_EQ(Move(fs, dir_ / "c", dir_ / "d"), 0);
    EXPECT_EQ(NamesIn(dir_.path()), (Names{"b", "d"}));
    EXPECT_EQ(ReadFile(dir_ / "b"), "content");
    EXPECT_EQ(ReadFile(dir_ / "d"), "second");
    EXPECT_EQ(os_.count(OsCall::Link), 1u);
}

TEST_F(PosixFallbackMove, PlaceholderMeetsATakenTarget) {
    RefuseLinks();
    WriteFile(dir_ / "b", "theirs");
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EEXIST);
    EXPECT_EQ(ReadFile(dir_ / "a"), "content");
    EXPECT_EQ(ReadFile(dir_ / "b"), "theirs");
}

TEST_F(PosixFallbackMove, PlaceholderSwappedMeanwhileIsLeftAlone) {
    RefuseLinks();
    // Someone moves the placeholder away and puts a file in its place just
    // before it is checked.
    os_.Add({.call = OsCall::StatAt, .path = dir_ / "b", .nth = 1, .before = [this] {
                 ::rename((dir_ / "b").c_str(), (dir_ / "moved").c_str());
                 WriteFile(dir_ / "b", "theirs");
             }});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EEXIST);
    EXPECT_EQ(ReadFile(dir_ / "a"), "content");
    EXPECT_EQ(ReadFile(dir_ / "b"), "theirs");
    EXPECT_EQ(NamesIn(dir_.path()), (Names{"a", "b", "moved"}));
}

TEST_F(PosixFallbackMove, FailedRenameOverThePlaceholderRemovesIt) {
    RefuseLinks();
    os_.Add({.call = OsCall::Rename, .path = dir_ / "b", .nth = 2, .error = EIO});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EIO);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"a"});
    EXPECT_EQ(ReadFile(dir_ / "a"), "content");
}

// Another program saves to the target's name (an open without O_EXCL, as a
// shell's ">" does) while the placeholder holds it, on a file system that
// grants no leases: before the check, the name is theirs; after it, the move
// goes on and their data is saved beside.
TEST(PosixPlaceholderMeetsAWriter, LosesNoDataWithoutALease) {
    const struct {
        const char* label;
        OsCall call;  // the writer comes just before the nth such call on b
        int nth;
        int error;
        std::string at_b;
        std::string saved;  // empty: nothing saved
    } cases[] = {
        {"before the check", OsCall::Fstat, 2, EEXIST, "theirs", ""},
        {"between the check and the rename", OsCall::Rename, 2, 0, "content", "theirs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder dir;
        WriteFile(dir / "a", "content");
        FaultyOs os;
        os.RefuseRenameFlags();
        os.Add({.call = OsCall::Link, .error = EPERM});
        os.Add({.call = OsCall::SetLease, .error = EINVAL});
        os.Add({.call = c.call, .path = dir / "b", .nth = c.nth, .before = [&dir] {
                    std::ofstream(dir / "b", std::ios::app) << "theirs";
                }});
        PosixFileSystem fs(os);

        const MoveResult result = fs.MoveNoReplace(dir / "a", dir / "b", kTestScratchName);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(ReadFile(dir / "b"), c.at_b);
        if (c.saved.empty()) {
            EXPECT_EQ(result.saved_other, "");
            EXPECT_EQ(ReadFile(dir / "a"), "content");
            EXPECT_EQ(NamesIn(dir.path()), (Names{"a", "b"}));
        } else {
            EXPECT_EQ(result.saved_other, dir / "b (saved by zentavo)");
            EXPECT_EQ(ReadFile(result.saved_other), c.saved);
            EXPECT_EQ(NamesIn(dir.path()), (Names{"b", "b (saved by zentavo)"}));
        }
    }
}

// Another process that opens every new name of folder the moment it appears
// (inotify), without O_EXCL, and writes pause_us later, as a program watching
// the folder would; it keeps opening new names meanwhile. It tells of every
// write it made, a name a line, on the pipe written, and stops once stop is
// closed and the folder is quiet.
pid_t StartWatchingWriter(const std::string& folder, int pause_us, int& written, int& stop) {
    const int watch = inotify_init1(IN_CLOEXEC);
    int report[2];
    int stopper[2];
    if (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_CREATE) < 0 ||
        pipe2(report, O_CLOEXEC) != 0 || pipe2(stopper, O_CLOEXEC) != 0)
        return -1;
    const pid_t child = fork();
    if (child != 0) {
        close(watch);
        close(report[1]);
        close(stopper[0]);
        written = report[0];
        stop = stopper[1];
        return child;
    }
    close(report[0]);
    close(stopper[1]);
    using Clock = std::chrono::steady_clock;
    struct Opened {
        int fd;
        std::string name;
        Clock::time_point due;
    };
    std::deque<Opened> opened;
    const auto write_due = [&] {
        while (!opened.empty() && opened.front().due <= Clock::now()) {
            const Opened& file = opened.front();
            const std::string theirs = "theirs " + file.name;
            const bool whole = write(file.fd, theirs.data(), theirs.size()) == ssize_t(theirs.size());
            close(file.fd);
            const std::string line = file.name + "\n";
            if (whole && write(report[1], line.data(), line.size()) != ssize_t(line.size()))
                _exit(1);
            opened.pop_front();
        }
    };
    alignas(inotify_event) char events[64 * 1024];
    pollfd ready[2] = {{watch, POLLIN, 0}, {stopper[0], POLLIN, 0}};
    bool stopping = false;
    while (true) {
        const auto wait = opened.empty() ? std::chrono::nanoseconds(std::chrono::milliseconds(200))
                                         : std::max(opened.front().due - Clock::now(),
                                                    Clock::duration::zero());
        const timespec timeout{time_t(wait.count() / 1'000'000'000),
                               long(wait.count() % 1'000'000'000)};
        const int got_ready = ppoll(ready, 2, stopping || !opened.empty() ? &timeout : nullptr, nullptr);
        write_due();
        if (got_ready == 0 && stopping && opened.empty()) break;
        if (got_ready <= 0) continue;
        if (ready[1].revents != 0) {
            stopping = true;
            ready[1].fd = -1;
        }
        if ((ready[0].revents & POLLIN) == 0) continue;
        const ssize_t got = read(watch, events, sizeof events);
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            const std::string name = event->len > 0 ? event->name : "";
            // The targets only, not what is saved beside them.
            if (name.empty() || name[0] != 'b' || name.find(' ') != std::string::npos) continue;
            const int fd = open((folder + "/" + name).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (fd >= 0)
                opened.push_back({fd, name, Clock::now() + std::chrono::microseconds(pause_us)});
        }
        write_due();
    }
    _exit(0);
}

std::set<std::string> ReadWritten(int fd) {
    std::string all;
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) all.append(buffer, size_t(got));
    std::set<std::string> names;
    for (size_t from = 0, end; (end = all.find('\n', from)) != std::string::npos; from = end + 1)
        names.insert(all.substr(from, end - from));
    return names;
}

// That writer beside moves over placeholders: whenever it comes, its write
// ends in the target, in a failed row's placeholder, or saved beside the
// target, and the moved file keeps its bytes. One that writes at once has
// mostly written before the placeholder is checked; one that writes a moment
// after its open may write after the rename, where only the lease keeps it.
class WriterInAnotherProcess : public testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(PosixPlaceholderMeetsAWriter, WriterInAnotherProcess,
                         testing::Values(0, 200),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == 0 ? std::string("WritesAtOnce")
                                                    : "Writes" + std::to_string(info.param) +
                                                          "MicrosecondsAfterItsOpen";
                         });

TEST_P(WriterInAnotherProcess, LosesNoWrite) {
    constexpr int kFiles = 400;
    TempFolder dir;
    for (int i = 0; i < kFiles; ++i) WriteFile(dir / ("a" + std::to_string(i)), "mine");
    FaultyOs os;
    os.RefuseRenameFlags();
    os.Add({.call = OsCall::Link, .error = EPERM});
    PosixFileSystem fs(os);
    int written_pipe = -1;
    int stop = -1;
    const pid_t writer = StartWatchingWriter(dir.path(), GetParam(), written_pipe, stop);
    ASSERT_GT(writer, 0);

    std::vector<MoveResult> results;
    for (int i = 0; i < kFiles; ++i) {
        const std::string n = std::to_string(i);
        results.push_back(fs.MoveNoReplace(dir / ("a" + n), dir / ("b" + n), kTestScratchName));
    }
    close(stop);
    const std::set<std::string> written = ReadWritten(written_pipe);
    close(written_pipe);
    int status = -1;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    EXPECT_EQ(status, 0);

    int lost = 0;
    int failed = 0;
    int saved = 0;
    for (int i = 0; i < kFiles; ++i) {
        const std::string n = std::to_string(i);
        const MoveResult& result = results[size_t(i)];
        const std::string at_target = ReadFile(dir / ("b" + n)).value_or("");
        const std::string theirs = "theirs b" + n;
        failed += result.error != 0;
        saved += !result.saved_other.empty();
        const bool kept = at_target.find(theirs) != std::string::npos ||
                          (!result.saved_other.empty() &&
                           ReadFile(result.saved_other).value_or("").find(theirs) == 0);
        if (written.count("b" + n) && !kept) ++lost;
        const std::string mine = ReadFile(dir / (result.error == 0 ? "b" + n : "a" + n)).value_or("");
        EXPECT_EQ(mine.substr(0, 4), "mine") << n;
    }
    RecordProperty("rows_failed", failed);
    RecordProperty("writes_saved", saved);
    RecordProperty("writes_lost", lost);
    EXPECT_EQ(written.size(), size_t(kFiles));  // the writer met every move
    // The writer opened a placeholder (rather than the moved file) in these
    // rows: the race the lease is for.
    EXPECT_GE(failed + saved + lost, kFiles / 20) << "the writer came too late to test anything";
    EXPECT_EQ(lost, 0) << failed << " rows left to the writer, " << saved << " writes saved";
}

// FAT in the kernel takes the flag but refuses names holding *?:"<>| with
// EINVAL: such a row fails alone, one probe shows the flag works, and every
// other move keeps using it.
TEST(PosixNameRefused, FailsAloneAndTheFlagStays) {
    TempFolder dir;
    WriteFile(dir / "a", "a");
    WriteFile(dir / "c", "c");
    FaultyOs os;
    os.Add({.call = OsCall::Rename, .path = dir / "bad*", .error = EINVAL});
    os.Add({.call = OsCall::Rename, .path = dir / "bad?", .error = EINVAL});
    PosixFileSystem fs(os);
    // Opens the folder, which the later moves share.
    ASSERT_EQ(Move(fs, dir / "c", dir / "c2"), 0);
    const size_t opens = os.count(OsCall::Open);

    EXPECT_EQ(Move(fs, dir / "a", dir / "bad*"), EINVAL);
    EXPECT_EQ(Move(fs, dir / "a", dir / "bad?"), EINVAL);
    EXPECT_EQ(Move(fs, dir / "c2", dir / "d"), 0);
    EXPECT_EQ(NamesIn(dir.path()), (Names{"a", "d"}));
    EXPECT_EQ(os.count(OsCall::Rename), 5u);
    EXPECT_EQ(os.count(OsCall::Open) - opens, 1u);  // the probe's file
    EXPECT_EQ(os.count(OsCall::Link), 0u);
}

}  // namespace
}  // namespace zentavo
