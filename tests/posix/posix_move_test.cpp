// PosixFileSystem::MoveNoReplace on one file system, what the contract suite
// (tests/contract) does not ask of every file system: the system calls a
// move costs, targets only POSIX has (links), names only POSIX holds, and
// system errors.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "posix/posix_file_system.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"

namespace zentavo {
namespace {

using Names = std::vector<std::string>;

TEST(PosixMove, RenamesWithASingleSystemCall) {
    TempFolder dir;
    WriteFile(dir / "a", "content");
    FaultyOs os;
    PosixFileSystem fs(os);

    EXPECT_EQ(Move(fs, dir / "a", dir / "b"), 0);
    EXPECT_EQ(ReadFile(dir / "b"), "content");
    EXPECT_EQ(NamesIn(dir.path()), Names{"b"});
    EXPECT_EQ(os.count(OsCall::Rename), 1u);
    EXPECT_EQ(os.count(OsCall::Lstat), 0u);
}

struct TakenTarget {
    const char* what;
    std::function<void(const TempFolder&)> make;  // puts something at dir/b
};

class PosixMoveTargetTaken : public testing::TestWithParam<TakenTarget> {};

TEST_P(PosixMoveTargetTaken, FailsWithEexistAndTouchesNeither) {
    TempFolder dir;
    WriteFile(dir / "a", "mine");
    GetParam().make(dir);
    const struct stat before = LstatOf(dir / "b");
    PosixFileSystem fs;

    EXPECT_EQ(Move(fs, dir / "a", dir / "b"), EEXIST);
    EXPECT_EQ(ReadFile(dir / "a"), "mine");
    const struct stat after = LstatOf(dir / "b");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(NamesIn(dir.path()), (Names{"a", "b"}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, PosixMoveTargetTaken,
                         testing::Values(TakenTarget{"DanglingLink",
                                                     [](const TempFolder& dir) {
                                                         ::symlink("nowhere", (dir / "b").c_str());
                                                     }},
                                         TakenTarget{"LinkToTheSource",
                                                     [](const TempFolder& dir) {
                                                         ::symlink("a", (dir / "b").c_str());
                                                     }}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(PosixMove, OntoItsOwnNameSucceedsUntouched) {
    TempFolder dir;
    WriteFile(dir / "a", "content");
    const struct stat before = LstatOf(dir / "a");
    FaultyOs os;
    PosixFileSystem fs(os);

    EXPECT_EQ(Move(fs, dir / "a", dir / "a"), 0);
    const struct stat after = LstatOf(dir / "a");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_ctim.tv_sec, before.st_ctim.tv_sec);
    EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
    EXPECT_EQ(os.count(OsCall::Rename), 0u);

    EXPECT_EQ(Move(fs, dir / "gone", dir / "gone"), ENOENT);
}

class PosixMoveNames : public testing::TestWithParam<std::string> {};

TEST_P(PosixMoveNames, MovesToAndFromTheNameByteForByte) {
    TempFolder dir;
    const std::string name = GetParam();
    WriteFile(dir / "plain", "content");
    PosixFileSystem fs;

    ASSERT_EQ(Move(fs, dir / "plain", dir / name), 0);
    EXPECT_EQ(NamesIn(dir.path()), Names{name});
    EXPECT_EQ(ReadFile(dir / name), "content");
    ASSERT_EQ(Move(fs, dir / name, dir / "back"), 0);
    EXPECT_EQ(NamesIn(dir.path()), Names{"back"});
}

INSTANTIATE_TEST_SUITE_P(Unusual, PosixMoveNames,
                         testing::Values(std::string("caf\xe9\xff\xfe.txt"), "line\nbreak",
                                         "tab\there", "-rf", "back\\slash", "*", "*.*"));

// Root ignores permission bits, so the folder is made immutable instead.
TEST(PosixMove, ReadOnlyFolderKeepsTheFile) {
    TempFolder dir;
    ::mkdir((dir / "locked").c_str(), 0755);
    WriteFile(dir / "locked/a", "content");
    if (::geteuid() == 0) {
        if (const int error = SetImmutable(dir / "locked", true); error != 0)
            GTEST_SKIP() << "chattr +i is not available here: " << std::strerror(error);
    } else {
        ::chmod((dir / "locked").c_str(), 0555);
    }
    PosixFileSystem fs;

    const int error = Move(fs, dir / "locked/a", dir / "locked/b");
    const Names names = NamesIn(dir / "locked");
    if (::geteuid() == 0) SetImmutable(dir / "locked", false);
    ::chmod((dir / "locked").c_str(), 0755);

    EXPECT_TRUE(error == EPERM || error == EACCES) << std::strerror(error);
    EXPECT_EQ(names, Names{"a"});
    EXPECT_EQ(ReadFile(dir / "locked/a"), "content");
}

class PosixMoveSystemError : public testing::TestWithParam<int> {};

// The folders a move opens on its way to the file's, the root included.
size_t FoldersAbove(const std::string& path) {
    return size_t(std::count(path.begin(), path.end(), '/'));
}

TEST_P(PosixMoveSystemError, IsReportedAndNoFallbackRuns) {
    TempFolder dir;
    WriteFile(dir / "a", "content");
    FaultyOs os;
    os.Add({.call = OsCall::Rename, .error = GetParam()});
    PosixFileSystem fs(os);

    EXPECT_EQ(Move(fs, dir / "a", dir / "b"), GetParam());
    EXPECT_EQ(os.count(OsCall::Link), 0u);
    EXPECT_EQ(os.count(OsCall::Open), FoldersAbove(dir / "a"));  // no placeholder
    EXPECT_EQ(NamesIn(dir.path()), Names{"a"});
}

INSTANTIATE_TEST_SUITE_P(Errors, PosixMoveSystemError,
                         testing::Values(EACCES, EROFS, ENOSPC, EPERM, ENOENT, EBUSY),
                         [](const auto& info) { return std::string(strerrorname_np(info.param)); });

}  // namespace
}  // namespace zentavo
