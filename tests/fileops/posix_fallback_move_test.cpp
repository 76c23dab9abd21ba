// Moves on file systems that reject RENAME_NOREPLACE (FUSE, NFS, sshfs),
// acted out by failing every flagged rename with EINVAL: a hard link and an
// unlink, and where links are refused, a placeholder renamed over.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>
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
    os_.Add({.call = OsCall::Lstat, .path = dir_ / "b", .nth = 1, .before = [this] {
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
// shell's ">" does) while the placeholder holds it: before the check, the
// name is theirs; after it, the move goes on and their data is saved beside.
TEST(PosixPlaceholderMeetsAWriter, LosesNoData) {
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

    EXPECT_EQ(Move(fs, dir / "a", dir / "bad*"), EINVAL);
    EXPECT_EQ(Move(fs, dir / "a", dir / "bad?"), EINVAL);
    EXPECT_EQ(Move(fs, dir / "c", dir / "d"), 0);
    EXPECT_EQ(NamesIn(dir.path()), (Names{"a", "d"}));
    EXPECT_EQ(os.count(OsCall::Rename), 4u);
    EXPECT_EQ(os.count(OsCall::Open), 1u);
    EXPECT_EQ(os.count(OsCall::Link), 0u);
}

}  // namespace
}  // namespace zentavo
