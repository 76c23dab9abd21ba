// What PosixFileSystem finds: the kind of a path, the entries of a folder,
// and the absolute form of a path.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "engine/file_collection.h"
#include "posix/posix_file_system.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"

namespace zentavo {
namespace {

using Kinds = std::map<std::string, EntryKind>;

// One entry of every kind, each named after what it is.
const Kinds kEveryKind = {
    {".", EntryKind::Folder},           {"..", EntryKind::Folder},
    {"file", EntryKind::File},          {"folder", EntryKind::Folder},
    {"link_to_file", EntryKind::File},  {"link_to_folder", EntryKind::FolderLink},
    {"dangling_link", EntryKind::File}, {"fifo", EntryKind::File},
    {".hidden", EntryKind::File},       {"*.*", EntryKind::File},
};

void MakeEveryKind(const TempFolder& dir) {
    WriteFile(dir / "file", "");
    WriteFile(dir / ".hidden", "");
    WriteFile(dir / "*.*", "");
    ASSERT_EQ(::mkdir((dir / "folder").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("file", (dir / "link_to_file").c_str()), 0);
    ASSERT_EQ(::symlink("folder", (dir / "link_to_folder").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", (dir / "dangling_link").c_str()), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
}

Kinds AsMap(const std::vector<FolderEntry>& entries) {
    Kinds kinds;
    for (const FolderEntry& entry : entries) kinds[entry.name] = entry.kind;
    return kinds;
}

TEST(PosixSearch, TellsEveryKind) {
    TempFolder dir;
    MakeEveryKind(dir);
    PosixFileSystem fs;

    for (const auto& [name, expected] : kEveryKind) {
        SCOPED_TRACE(name);
        EntryKind kind = EntryKind::Folder;
        ASSERT_EQ(fs.Search(dir / name, kind), 0);
        EXPECT_EQ(kind, expected);
    }
    EntryKind kind = EntryKind::File;
    EXPECT_EQ(fs.Search(dir / "missing", kind), ENOENT);
    EXPECT_EQ(fs.Search(dir / "file/below", kind), ENOTDIR);
}

TEST(PosixListFolder, StatsOnlyTheLinks) {
    TempFolder dir;
    MakeEveryKind(dir);
    FaultyOs os;
    PosixFileSystem fs(os);
    std::vector<FolderEntry> entries = {{"left over", EntryKind::File}};

    ASSERT_EQ(fs.ListFolder(dir.path(), entries), 0);
    EXPECT_EQ(AsMap(entries), kEveryKind);
    EXPECT_EQ(entries.size(), kEveryKind.size());
    EXPECT_EQ(os.count(OsCall::StatAt), 3u);
}

TEST(PosixListFolder, WorksOutKindsTheListingLeavesOut) {
    TempFolder dir;
    MakeEveryKind(dir);
    FaultyOs os;
    os.HideEntryTypes();
    PosixFileSystem fs(os);
    std::vector<FolderEntry> entries;

    ASSERT_EQ(fs.ListFolder(dir.path(), entries), 0);
    EXPECT_EQ(AsMap(entries), kEveryKind);
}

TEST(PosixListFolder, ReadsAFolderInManyPieces) {
    TempFolder dir;
    for (int i = 0; i < 300; ++i) WriteFile(dir / ("file-" + std::to_string(i)), "");
    FaultyOs os;
    os.Add({.call = OsCall::ReadFolder, .limit = 256});
    PosixFileSystem fs(os);
    std::vector<FolderEntry> entries;

    ASSERT_EQ(fs.ListFolder(dir.path(), entries), 0);
    EXPECT_EQ(entries.size(), 302u);
    EXPECT_EQ(AsMap(entries).size(), 302u);
    EXPECT_GT(os.count(OsCall::ReadFolder), 30u);
}

TEST(PosixListFolder, ReportsWhyAFolderCannotBeRead) {
    TempFolder dir;
    WriteFile(dir / "file", "");
    ::mkdir((dir / "folder").c_str(), 0755);
    FaultyOs os;
    os.Add({.call = OsCall::Open, .path = dir / "folder", .error = EACCES});
    os.Add({.call = OsCall::ReadFolder, .nth = 1, .error = EIO});
    PosixFileSystem fs(os);
    std::vector<FolderEntry> entries;

    EXPECT_EQ(fs.ListFolder(dir / "missing", entries), ENOENT);
    EXPECT_EQ(fs.ListFolder(dir / "file", entries), ENOTDIR);
    EXPECT_EQ(fs.ListFolder(dir / "folder", entries), EACCES);
    EXPECT_EQ(fs.ListFolder(dir.path(), entries), EIO);
}

// Root reads any folder, so the listing runs in a child that gives up root.
TEST(PosixListFolder, UnreadableFolderFailsWithEacces) {
    constexpr int kCannotGiveUpRoot = 255;
    TempFolder dir;
    ::mkdir((dir / "closed").c_str(), 0);
    ::chmod(dir.path().c_str(), 0755);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(kCannotGiveUpRoot);
        PosixFileSystem fs;
        std::vector<FolderEntry> entries;
        ::_exit(fs.ListFolder(dir / "closed", entries));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod((dir / "closed").c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kCannotGiveUpRoot) GTEST_SKIP() << "cannot switch to user nobody";
    EXPECT_EQ(WEXITSTATUS(status), EACCES);
}

std::string CurrentFolder() {
    std::vector<char> buffer(4096);
    return ::getcwd(buffer.data(), buffer.size());
}

TEST(PosixAbsolutePath, IsMadeLexically) {
    const std::string cwd = CurrentFolder();
    const std::string base = cwd == "/" ? "" : cwd;
    TempFolder dir;
    ::symlink("/", (dir / "link").c_str());
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {"a/b", base + "/a/b"}, {"./a//b/../c/", base + "/a/c"},      {"/x//y/./z/..", "/x/y"},
        {"/..", "/"},           {dir / "link/../name", dir / "name"},
    };
    PosixFileSystem fs;

    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path);
        std::string absolute;
        EXPECT_EQ(fs.AbsolutePath(path, absolute), 0);
        EXPECT_EQ(absolute, expected);
    }
    std::string absolute;
    EXPECT_EQ(fs.AbsolutePath("", absolute), ENOENT);  // names nothing, not the current folder
}

// Without a current folder a relative path names nothing, and the drop
// says why.
TEST(PosixAbsolutePath, CopesWithTheCurrentFolder) {
    FaultyOs os;
    os.Add({.call = OsCall::Getcwd, .nth = 1, .error = ERANGE});
    os.Add({.call = OsCall::Getcwd, .nth = 3, .error = EACCES});
    os.Add({.call = OsCall::Getcwd, .nth = 4, .error = EACCES});
    PosixFileSystem fs(os);
    std::string absolute;

    EXPECT_EQ(fs.AbsolutePath("a", absolute), 0);
    EXPECT_EQ(absolute, CurrentFolder() + "/a");
    EXPECT_EQ(fs.AbsolutePath("a", absolute), EACCES);
    EXPECT_EQ(fs.AbsolutePath("/a", absolute), 0);
    EXPECT_EQ(absolute, "/a");

    Gathered gathered;
    GatherFiles(fs, "a", false, gathered);
    ASSERT_EQ(gathered.problems.size(), 1u);
    EXPECT_EQ(gathered.problems[0].error, EACCES);
}

}  // namespace
}  // namespace zentavo
