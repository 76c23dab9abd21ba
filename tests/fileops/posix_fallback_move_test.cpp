// Moves on file systems that reject RENAME_NOREPLACE (FUSE, NFS, sshfs),
// acted out by failing every flagged rename with EINVAL: a hard link and an
// unlink, and where links are refused, a placeholder renamed over.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "fileops/posix_file_system.h"
#include "tests/fileops/faulty_os.h"
#include "tests/fileops/posix_test_support.h"

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

// Another program that opens every new name of the folder the moment it
// appears (inotify), without O_EXCL, and writes at once: whenever it comes,
// its write ends in the target, in a failed row's placeholder, or saved
// beside the target, and the moved file keeps its bytes.
TEST(PosixPlaceholderMeetsAWriter, WriterAtEveryNewNameLosesNoWrite) {
    constexpr int kFiles = 200;
    TempFolder dir;
    for (int i = 0; i < kFiles; ++i) WriteFile(dir / ("a" + std::to_string(i)), "mine");
    FaultyOs os;
    os.RefuseRenameFlags();
    os.Add({.call = OsCall::Link, .error = EPERM});
    PosixFileSystem fs(os);

    const int watch = inotify_init1(IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, dir.path().c_str(), IN_CREATE), 0);
    std::atomic<bool> moving{true};
    std::set<std::string> written;  // by the writer alone until it is joined
    std::thread writer([&] {
        alignas(inotify_event) char events[64 * 1024];
        pollfd ready{watch, POLLIN, 0};
        while (moving || poll(&ready, 1, 200) > 0) {
            if (poll(&ready, 1, 10) <= 0) continue;
            const ssize_t got = read(watch, events, sizeof events);
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                at += ssize_t(sizeof(inotify_event) + event->len);
                const std::string name = event->len > 0 ? event->name : "";
                // The targets only, not what is saved beside them.
                if (name.empty() || name[0] != 'b' || name.find(' ') != std::string::npos)
                    continue;
                const int fd = open((dir / name).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
                if (fd < 0) continue;
                const std::string theirs = "theirs " + name;
                if (write(fd, theirs.data(), theirs.size()) == ssize_t(theirs.size()))
                    written.insert(name);
                close(fd);
            }
        }
    });
    std::vector<MoveResult> results;
    for (int i = 0; i < kFiles; ++i) {
        const std::string n = std::to_string(i);
        results.push_back(fs.MoveNoReplace(dir / ("a" + n), dir / ("b" + n), kTestScratchName));
    }
    moving = false;
    writer.join();
    close(watch);

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
    EXPECT_EQ(written.size(), size_t(kFiles));  // the writer met every move
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
