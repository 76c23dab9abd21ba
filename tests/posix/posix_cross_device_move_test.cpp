// Moves to another file system: a copy that carries everything over and
// appears complete or not at all, and a source that goes only afterwards.
// Most cases act out the file system boundary by failing the rename with
// EXDEV; a real tmpfs is used where mounting is allowed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "posix/posix_file_system.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"

namespace zentavo {
namespace {

using Names = std::vector<std::string>;

constexpr size_t kRichSize = 600 << 10;  // more than one buffer of the copy loop
constexpr mode_t kRichMode = 0741;
constexpr timespec kAccessed = {1000000000, 123456789};
constexpr timespec kModified = {1200000000, 987654321};

void MakeRichFile(const std::string& path) {
    WriteFile(path, PatternBytes(kRichSize));
    ASSERT_EQ(::chmod(path.c_str(), kRichMode), 0);
    ASSERT_EQ(::setxattr(path.c_str(), "user.origin", "camera", 6, 0), 0);
    ASSERT_EQ(::setxattr(path.c_str(), "user.empty", "", 0, 0), 0);
    const timespec times[2] = {kAccessed, kModified};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::string Attribute(const std::string& path, const char* name) {
    std::string value(256, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    if (size < 0) return "<missing>";
    value.resize(static_cast<size_t>(size));
    return value;
}

// Times first: reading the bytes may update the access time.
void ExpectRichFile(const std::string& path) {
    const struct stat st = LstatOf(path);
    EXPECT_EQ(st.st_mode & 07777, kRichMode);
    EXPECT_EQ(st.st_atim.tv_sec, kAccessed.tv_sec);
    EXPECT_EQ(st.st_atim.tv_nsec, kAccessed.tv_nsec);
    EXPECT_EQ(st.st_mtim.tv_sec, kModified.tv_sec);
    EXPECT_EQ(st.st_mtim.tv_nsec, kModified.tv_nsec);
    EXPECT_EQ(Attribute(path, "user.origin"), "camera");
    EXPECT_EQ(Attribute(path, "user.empty"), "");
    EXPECT_EQ(ReadFile(path), PatternBytes(kRichSize));
}

using Setup = std::function<void(FaultyOs&, const TempFolder&)>;

struct Route {
    const char* name;
    Setup setup;
};

void PrintTo(const Route& route, std::ostream* out) {
    *out << route.name;
}

const Route kUnnamedFile{"UnnamedFile", [](FaultyOs&, const TempFolder&) {}};
// The unnamed file is refused: the copy is created under its name.
const Route kExclusiveCreate{
    "ExclusiveCreate", [](FaultyOs& os, const TempFolder& dir) {
        os.Add({.call = OsCall::Open, .path = dir / ".", .nth = 1, .error = EOPNOTSUPP});
    }};
const Route kRoutes[] = {
    kUnnamedFile,
    kExclusiveCreate,
    {"ReadAndWrite",
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::CopyFileRange, .error = EXDEV});
     }},
    {"ShortAndInterruptedWrites",
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::CopyFileRange, .error = EOPNOTSUPP});
         os.Add({.call = OsCall::Write, .limit = 4097});
         os.Add({.call = OsCall::Write, .nth = 3, .error = EINTR});
         os.Add({.call = OsCall::Read, .nth = 1, .error = EINTR});
     }},
    {"CopyRangeInInterruptedChunks",
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::CopyFileRange, .limit = 100000});
         os.Add({.call = OsCall::CopyFileRange, .nth = 2, .error = EINTR});
     }},
};

class PosixCrossDeviceRoute : public testing::TestWithParam<Route> {
protected:
    void SetUp() override {
        MakeRichFile(dir_ / "a");
        os_.Add({.call = OsCall::Rename, .nth = 1, .error = EXDEV});
        GetParam().setup(os_, dir_);
    }

    TempFolder dir_;
    FaultyOs os_;
};

TEST_P(PosixCrossDeviceRoute, CarriesEverythingOverAndRemovesTheSource) {
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), 0);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"b"});
    ExpectRichFile(dir_ / "b");
}

TEST_P(PosixCrossDeviceRoute, TakenTargetFailsWithEexist) {
    WriteFile(dir_ / "b", "theirs");
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EEXIST);
    EXPECT_EQ(ReadFile(dir_ / "b"), "theirs");
    ExpectRichFile(dir_ / "a");
}

// The complete copy takes its name by a link of the unnamed file or a move of
// the scratch name; someone may have taken the name meanwhile.
TEST_P(PosixCrossDeviceRoute, NameTakenWhileCopyingIsNotReplaced) {
    const auto take_name = [this] { WriteFile(dir_ / "b", "theirs"); };
    os_.Add({.call = OsCall::Link, .path = dir_ / "b", .before = take_name});
    os_.Add({.call = OsCall::Rename, .path = dir_ / "b", .nth = 2, .before = take_name});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EEXIST);
    EXPECT_EQ(ReadFile(dir_ / "b"), "theirs");
    EXPECT_EQ(NamesIn(dir_.path()), (Names{"a", "b"}));
    ExpectRichFile(dir_ / "a");
}

INSTANTIATE_TEST_SUITE_P(Routes, PosixCrossDeviceRoute, testing::ValuesIn(kRoutes),
                         [](const auto& info) { return std::string(info.param.name); });

struct Failure {
    const char* name;
    int error;
    Setup setup;
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

const Failure kFailures[] = {
    {"FullDiskOnCopyRange", ENOSPC,
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::CopyFileRange, .nth = 2, .error = ENOSPC});
         os.Add({.call = OsCall::CopyFileRange, .limit = 100000});
     }},
    {"FullDiskOnWrite", ENOSPC,
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::CopyFileRange, .error = EXDEV});
         os.Add({.call = OsCall::Write, .nth = 2, .error = ENOSPC});
     }},
    {"FullDiskOnAttributes", ENOSPC,
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::Fsetxattr, .nth = 2, .error = ENOSPC});
     }},
    {"ModeFails", EIO,
     [](FaultyOs& os, const TempFolder&) { os.Add({.call = OsCall::Fchmod, .error = EIO}); }},
    {"TimesRefused", EPERM,
     [](FaultyOs& os, const TempFolder&) { os.Add({.call = OsCall::Futimens, .error = EPERM}); }},
    {"FileSyncFails", EIO,
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::Fsync, .nth = 1, .error = EIO});
     }},
    {"FolderSyncFails", EIO,
     [](FaultyOs& os, const TempFolder&) {
         os.Add({.call = OsCall::Fsync, .nth = 2, .error = EIO});
     }},
    {"SourceCannotBeRemoved", EACCES,
     [](FaultyOs& os, const TempFolder& dir) {
         os.Add({.call = OsCall::Unlink, .path = dir / "a", .error = EACCES});
     }},
};

class PosixCrossDeviceFailure : public testing::TestWithParam<std::tuple<Route, Failure>> {};

TEST_P(PosixCrossDeviceFailure, KeepsTheSourceAndLeavesNoCopy) {
    const auto& [route, failure] = GetParam();
    TempFolder dir;
    MakeRichFile(dir / "a");
    FaultyOs os;
    os.Add({.call = OsCall::Rename, .nth = 1, .error = EXDEV});
    route.setup(os, dir);
    failure.setup(os, dir);
    PosixFileSystem fs(os);

    EXPECT_EQ(Move(fs, dir / "a", dir / "b"), failure.error);
    EXPECT_EQ(NamesIn(dir.path()), Names{"a"});
    ExpectRichFile(dir / "a");
}

INSTANTIATE_TEST_SUITE_P(Failures, PosixCrossDeviceFailure,
                         testing::Combine(testing::Values(kUnnamedFile, kExclusiveCreate),
                                          testing::ValuesIn(kFailures)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

// A target without Unix metadata (FAT) says it cannot hold some: the move
// goes on with the bytes, as mv's does, and carries the rest.
TEST(PosixCrossDeviceMetadata, WhatTheTargetCannotHoldIsLeftOut) {
    const struct {
        OsCall call;
        int error;
    } cases[] = {
        {OsCall::Fchmod, ENOSYS},        {OsCall::Fchmod, EPERM},     {OsCall::Fchmod, EOPNOTSUPP},
        {OsCall::Fsetxattr, EOPNOTSUPP}, {OsCall::Fsetxattr, ENOSYS}, {OsCall::Futimens, ENOSYS},
        {OsCall::Flistxattr, ENOSYS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(strerrorname_np(c.error)) + " on call " +
                     std::to_string(int(c.call)));
        TempFolder dir;
        MakeRichFile(dir / "a");
        FaultyOs os;
        os.Add({.call = OsCall::Rename, .nth = 1, .error = EXDEV});
        os.Add({.call = c.call, .error = c.error});
        PosixFileSystem fs(os);

        EXPECT_EQ(Move(fs, dir / "a", dir / "b"), 0);
        EXPECT_EQ(NamesIn(dir.path()), Names{"b"});
        EXPECT_EQ(ReadFile(dir / "b"), PatternBytes(kRichSize));
        if (c.call != OsCall::Futimens) {
            EXPECT_EQ(LstatOf(dir / "b").st_mtim.tv_nsec, kModified.tv_nsec);
        }
    }
}

// Only the parts of a sparse file that hold data are written.
TEST_P(PosixCrossDeviceRoute, SparseFileStaysSparse) {
    constexpr off_t kSize = off_t{64} << 20;
    constexpr off_t kDataAt = off_t{16} << 20;
    const std::string data = PatternBytes(4096);
    {
        const int fd = ::open((dir_ / "a").c_str(), O_WRONLY | O_TRUNC);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, data.data(), data.size(), kDataAt), ssize_t(data.size()));
        ASSERT_EQ(::ftruncate(fd, kSize), 0);
        ::close(fd);
    }
    if (LstatOf(dir_ / "a").st_blocks * 512 > 1 << 20)
        GTEST_SKIP() << "this file system does not keep holes";
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), 0);
    const struct stat copy = LstatOf(dir_ / "b");
    EXPECT_EQ(copy.st_size, kSize);
    EXPECT_LT(copy.st_blocks * 512, 1 << 20);
    const std::optional<std::string> content = ReadFile(dir_ / "b");
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->substr(size_t(kDataAt), data.size()), data);
    EXPECT_EQ(content->find_first_not_of('\0', size_t(kDataAt) + data.size()), std::string::npos);
}

class PosixCrossDevice : public testing::Test {
protected:
    void SetUp() override { os_.Add({.call = OsCall::Rename, .nth = 1, .error = EXDEV}); }

    TempFolder dir_;
    FaultyOs os_;
};

// Killed in the middle of a copy where the target has no unnamed files: the
// source is whole, and the part copied lies only under the scratch name that
// a record of the run knows.
TEST_F(PosixCrossDevice, KillMidCopyLeavesNothingUnderTheNewName) {
    WriteFile(dir_ / "a", PatternBytes(1 << 20));
    kExclusiveCreate.setup(os_, dir_);
    os_.Add({.call = OsCall::CopyFileRange, .limit = 100000});
    os_.Add({.call = OsCall::CopyFileRange, .nth = 3, .before = [] { ::_exit(0); }});
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PosixFileSystem fs(os_);
        Move(fs, dir_ / "a", dir_ / "b");
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(NamesIn(dir_.path()), (Names{kTestScratchName, "a"}));
    EXPECT_EQ(ReadFile(dir_ / "a"), PatternBytes(1 << 20));
}

TEST_F(PosixCrossDevice, SourceGrowingWhileCopiedIsKept) {
    WriteFile(dir_ / "a", "first part");
    // The second look at the source, once the copy is done.
    os_.Add({.call = OsCall::Fstat, .path = dir_ / "a", .nth = 2, .before = [this] {
                 std::ofstream(dir_ / "a", std::ios::app) << ", second part";
             }});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EIO);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"a"});
    EXPECT_EQ(ReadFile(dir_ / "a"), "first part, second part");
}

// Another program saves a new file under the source's name while the copy is
// made: the copy is ours and complete, the newcomer is theirs.
TEST_F(PosixCrossDevice, SourceReplacedWhileCopyingIsKept) {
    MakeRichFile(dir_ / "a");
    os_.Add({.call = OsCall::Fsync, .nth = 1, .before = [this] {
                 WriteFile(dir_ / "new", "newcomer");
                 ::rename((dir_ / "new").c_str(), (dir_ / "a").c_str());
             }});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), 0);
    EXPECT_EQ(ReadFile(dir_ / "a"), "newcomer");
    ExpectRichFile(dir_ / "b");
}

TEST_F(PosixCrossDevice, SymbolicLinkKeepsItsTextAndTimes) {
    const std::string text = "../no such\nplace";
    ASSERT_EQ(::symlink(text.c_str(), (dir_ / "a").c_str()), 0);
    const timespec times[2] = {kAccessed, kModified};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir_ / "a").c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), 0);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"b"});
    EXPECT_EQ(LinkText(dir_ / "b"), text);
    EXPECT_EQ(LstatOf(dir_ / "b").st_mtim.tv_nsec, kModified.tv_nsec);
}

TEST_F(PosixCrossDevice, SymbolicLinkMeetsATakenTarget) {
    ASSERT_EQ(::symlink("x", (dir_ / "a").c_str()), 0);
    WriteFile(dir_ / "b", "theirs");
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EEXIST);
    EXPECT_EQ(LinkText(dir_ / "a"), "x");
    EXPECT_EQ(ReadFile(dir_ / "b"), "theirs");
}

TEST_F(PosixCrossDevice, SymbolicLinkWhoseTimesFailIsNotCopied) {
    ASSERT_EQ(::symlink("x", (dir_ / "a").c_str()), 0);
    os_.Add({.call = OsCall::Utimensat, .error = EPERM});
    PosixFileSystem fs(os_);

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "b"), EPERM);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"a"});
}

TEST_F(PosixCrossDevice, OtherKindsAreNotCopied) {
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
    ASSERT_EQ(::mkdir((dir_ / "folder").c_str(), 0755), 0);
    PosixFileSystem fs(os_);

    for (const char* name : {"fifo", "folder"}) {
        SCOPED_TRACE(name);
        os_.Add({.call = OsCall::Rename, .path = dir_ / name, .nth = 1, .error = EXDEV});
        EXPECT_EQ(Move(fs, dir_ / name, dir_ / "b"), EXDEV);
    }
    EXPECT_EQ(NamesIn(dir_.path()), (Names{"fifo", "folder"}));
}

// The copy loop must stop at the file size limit like at a full disk.
TEST_F(PosixCrossDevice, FileSizeLimitKeepsTheSource) {
    WriteFile(dir_ / "a", PatternBytes(2 << 20));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit = {1 << 20, 1 << 20};
        ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        PosixFileSystem fs(os_);
        ::_exit(Move(fs, dir_ / "a", dir_ / "b"));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), EFBIG);
    EXPECT_EQ(NamesIn(dir_.path()), Names{"a"});
    EXPECT_EQ(ReadFile(dir_ / "a"), PatternBytes(2 << 20));
}

class PosixOtherFileSystem : public testing::Test {
protected:
    void SetUp() override {
        ::mkdir((dir_ / "mnt").c_str(), 0755);
        mount_.emplace(dir_ / "mnt", "size=1M");
        if (!mount_->mounted()) GTEST_SKIP() << mount_->why_not();
    }
    void TearDown() override { mount_.reset(); }

    TempFolder dir_;
    std::optional<ScratchMount> mount_;
};

TEST_F(PosixOtherFileSystem, MoveCarriesEverythingOver) {
    MakeRichFile(dir_ / "a");
    PosixFileSystem fs;

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "mnt/b"), 0);
    EXPECT_FALSE(Exists(dir_ / "a"));
    ExpectRichFile(dir_ / "mnt/b");
}

TEST_F(PosixOtherFileSystem, SparseFileLargerThanTheTargetFits) {
    constexpr off_t kSize = off_t{256} << 20;
    {
        const int fd = ::open((dir_ / "a").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, "data", 4, kSize / 2), 4);
        ASSERT_EQ(::ftruncate(fd, kSize), 0);
        ::close(fd);
    }
    PosixFileSystem fs;

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "mnt/b"), 0);
    EXPECT_FALSE(Exists(dir_ / "a"));
    EXPECT_EQ(LstatOf(dir_ / "mnt/b").st_size, kSize);
}

TEST_F(PosixOtherFileSystem, FullDiskKeepsTheSourceAndLeavesNoCopy) {
    WriteFile(dir_ / "a", PatternBytes(2 << 20));
    PosixFileSystem fs;

    EXPECT_EQ(Move(fs, dir_ / "a", dir_ / "mnt/b"), ENOSPC);
    EXPECT_EQ(NamesIn(dir_ / "mnt"), Names{});
    EXPECT_EQ(ReadFile(dir_ / "a"), PatternBytes(2 << 20));
}

}  // namespace
}  // namespace zentavo
