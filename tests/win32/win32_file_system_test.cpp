// Win32FileSystem on real folders: moves never replace, every name Windows
// holds is moved exactly, a case-only rename shows in the listing, and
// files are known by their identity.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/win32/win32_test_support.h"
#include "win32/win32_file_system.h"
#include "win32/windows_errors.h"
#include "win32/windows_path.h"

namespace zentavo {
namespace {

struct Move {
    std::string from;
    std::string to;
    int error;
};

struct Holding {
    std::string file;  // relative
    std::string content;
};

struct MoveCase {
    const char* what;
    std::vector<std::string> folders;
    std::vector<std::string> files;  // each holds its own name
    std::vector<Move> moves;
    Names listed;  // the folder's entries afterwards
    std::vector<Holding> holding;
};

const std::string kE = "\xC3\xA9";                      // é
const std::string kNihon = "\xE6\x97\xA5\xE6\x9C\xAC";  // 日本
const std::string kLongest(255, 'n');
const std::string kDeep = std::string(150, 'x') + "\\" + std::string(150, 'y');

std::vector<MoveCase> MoveCases() {
    return {
        {"Plain", {}, {"a"}, {{"a", "b", 0}}, {"b"}, {{"b", "a"}}},
        {"OntoAFile", {}, {"a", "b"}, {{"a", "b", EEXIST}}, {"a", "b"}, {{"a", "a"}, {"b", "b"}}},
        {"OntoAFolder", {"d"}, {"a"}, {{"a", "d", EEXIST}}, {"a", "d"}, {{"a", "a"}}},
        {"OntoACaseVariant",
         {},
         {"a", "b"},
         {{"a", "B", EEXIST}},
         {"a", "b"},
         {{"a", "a"}, {"b", "b"}}},
        {"CaseOnly",
         {},
         {"case.txt"},
         {{"case.txt", "CASE.txt", 0}},
         {"CASE.txt"},
         {{"CASE.txt", "case.txt"}}},
        {"CaseOnlyOfOneOfTwo", {}, {"a", "b"}, {{"b", "B", 0}}, {"B", "a"}, {{"B", "b"}}},
        {"OntoItsOwnName", {}, {"a"}, {{"a", "a", 0}}, {"a"}, {{"a", "a"}}},
        {"Chain",
         {},
         {"a", "b"},
         {{"a", "b", EEXIST}, {"b", "c", 0}, {"a", "b", 0}},
         {"b", "c"},
         {{"b", "a"}, {"c", "b"}}},
        {"SwapThroughAThird",
         {},
         {"a", "b"},
         {{"a", "t", 0}, {"b", "a", 0}, {"t", "b", 0}},
         {"a", "b"},
         {{"a", "b"}, {"b", "a"}}},
        {"IntoASubfolder", {"sub"}, {"a"}, {{"a", "sub\\a", 0}}, {"sub"}, {{"sub\\a", "a"}}},
        {"AccentedToJapanese",
         {},
         {"caf" + kE},
         {{"caf" + kE, kNihon + ".txt", 0}},
         {kNihon + ".txt"},
         {{kNihon + ".txt", "caf" + kE}}},
        {"LongerThanMaxPath",
         {kDeep.substr(0, 150), kDeep},
         {kDeep + "\\a"},
         {{kDeep + "\\a", kDeep + "\\" + std::string(100, 'b'), 0}},
         {kDeep.substr(0, 150)},
         {{kDeep + "\\" + std::string(100, 'b'), kDeep + "\\a"}}},
        {"MissingSource", {}, {}, {{"a", "b", ENOENT}}, {}, {}},
        {"NameOf255Units", {}, {"a"}, {{"a", kLongest, 0}}, {kLongest}, {{kLongest, "a"}}},
        {"NameOf256Units", {}, {"a"}, {{"a", kLongest + "n", ENAMETOOLONG}}, {"a"}, {{"a", "a"}}},
    };
}

void PrintTo(const MoveCase& c, std::ostream* out) {
    *out << c.what;
}

class Win32Move : public testing::TestWithParam<MoveCase> {};

TEST_P(Win32Move, EndsWithTheNamesExpected) {
    const MoveCase& c = GetParam();
    Folder dir;
    for (const std::string& folder : c.folders)
        ASSERT_TRUE(CreateDirectoryW(WidePath(dir / folder).c_str(), nullptr));
    for (const std::string& file : c.files) ASSERT_TRUE(WriteFile(dir / file, file));
    Win32FileSystem fs;
    for (const Move& move : c.moves) {
        SCOPED_TRACE(move.from + " -> " + move.to);
        EXPECT_EQ(fs.MoveNoReplace(dir / move.from, dir / move.to, ".scratch").error, move.error);
    }
    EXPECT_EQ(NamesIn(fs, dir.path()), c.listed);
    for (const Holding& holding : c.holding)
        EXPECT_EQ(ReadFile(dir / holding.file), holding.content) << holding.file;
}

INSTANTIATE_TEST_SUITE_P(Cases, Win32Move, testing::ValuesIn(MoveCases()),
                         [](const auto& info) { return std::string(info.param.what); });

// Windows counts a name in UTF-16 units: 255 characters of 日, 765 bytes,
// fit where 256 letters do not. (Wine keeps names in UTF-8 on the host, so
// only the count is checked for the former.)
TEST(Win32NameMax, CountsUtf16Units) {
    Folder dir;
    Win32FileSystem fs;
    size_t longest = 0;
    ASSERT_EQ(fs.NameMax(dir.path(), longest), 0);
    EXPECT_EQ(longest, 255u);
    std::string nichi;
    for (int i = 0; i < 255; ++i) nichi += "\xE6\x97\xA5";
    EXPECT_EQ(fs.NameLength(nichi), longest);
    EXPECT_EQ(fs.NameLength(kLongest + "n"), longest + 1);
    EXPECT_EQ(fs.NameMax(dir / "missing", longest), ENOENT);
}

TEST(Win32Move, KeepsEveryUnitOfAnUnpairedSurrogate) {
    const std::string lone = "\xED\xA0\x80";  // U+D800 alone
    Folder dir;
    if (!WriteFile(dir / "x", "x") ||
        !MoveFileExW(WidePath(dir / "x").c_str(), WidePath(dir / lone).c_str(), 0))
        GTEST_SKIP() << "this system holds no unpaired surrogate in a name (wine maps names "
                        "to UTF-8 on the host)";
    Win32FileSystem fs;
    EXPECT_EQ(NamesIn(fs, dir.path()), Names{lone});
    EXPECT_EQ(fs.MoveNoReplace(dir / lone, dir / (lone + "z"), ".scratch").error, 0);
    EXPECT_EQ(NamesIn(fs, dir.path()), Names{lone + "z"});
}

TEST(Win32Move, AFileOpenWithoutDeleteSharingFailsBusyAndStays) {
    Folder dir;
    ASSERT_TRUE(WriteFile(dir / "a", "a"));
    const HANDLE other = CreateFileW(WidePath(dir / "a").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    Win32FileSystem fs;
    EXPECT_EQ(fs.MoveNoReplace(dir / "a", dir / "b", ".scratch").error, EBUSY);
    CloseHandle(other);
    EXPECT_EQ(NamesIn(fs, dir.path()), Names{"a"});
    EXPECT_EQ(fs.MoveNoReplace(dir / "a", dir / "b", ".scratch").error, 0);
}

TEST(Win32Move, AFolderReplacedBetweenMovesIsStale) {
    Folder dir;
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    ASSERT_TRUE(WriteFile(dir / "d\\a", "a"));
    ASSERT_TRUE(WriteFile(dir / "d\\b", "b"));
    Win32FileSystem fs;
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\a", dir / "d\\a2", ".scratch").error, 0);
    // On Windows the held folder cannot be renamed; wine lets it be.
    if (!MoveFileExW(WidePath(dir / "d").c_str(), WidePath(dir / "moved").c_str(), 0))
        GTEST_SKIP() << "the held folder cannot be renamed here";
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    ASSERT_TRUE(WriteFile(dir / "d\\b", "other"));
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\b", dir / "d\\b2", ".scratch").error, ESTALE);
    EXPECT_EQ(ReadFile(dir / "d\\b"), "other");
    fs.ReleaseFolders();  // a new run takes the folder as it is now
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\b", dir / "d\\b2", ".scratch").error, 0);
}

TEST(Win32Move, AFolderReplacedAfterTheDropReadItIsStale) {
    Folder dir;
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    Win32FileSystem fs;
    FileStamp read;
    ASSERT_EQ(fs.Stamp(dir / "d", read), 0);
    const FolderIdentities listed{{dir / "d", read.identity}};
    ASSERT_TRUE(MoveFileExW(WidePath(dir / "d").c_str(), WidePath(dir / "moved").c_str(), 0));
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    ASSERT_TRUE(WriteFile(dir / "d\\a", "a"));
    fs.ExpectFolders(listed);
    EXPECT_EQ(fs.MoveNoReplace(dir / "d\\a", dir / "d\\b", ".scratch").error, ESTALE);
    EXPECT_EQ(NamesIn(fs, dir / "d"), Names{"a"});
}

TEST(Win32Identity, HardLinksShareItAndTheListingAgrees) {
    Folder dir;
    ASSERT_TRUE(WriteFile(dir / "a", "a"));
    ASSERT_TRUE(WriteFile(dir / "other", "a"));
    ASSERT_TRUE(
        CreateHardLinkW(WidePath(dir / "link").c_str(), WidePath(dir / "a").c_str(), nullptr));
    Win32FileSystem fs;
    FileStamp a, link, other;
    ASSERT_EQ(fs.Stamp(dir / "a", a), 0);
    ASSERT_EQ(fs.Stamp(dir / "link", link), 0);
    ASSERT_EQ(fs.Stamp(dir / "other", other), 0);
    EXPECT_NE(a.identity.inode, 0u);
    EXPECT_FALSE(IsWeak(a.identity));
    EXPECT_EQ(a.identity, link.identity);
    EXPECT_FALSE(a.identity == other.identity);
    EXPECT_GT(a.born_ns, int64_t{1'500'000'000} * 1'000'000'000);  // after 2017
    EXPECT_FALSE(a.empty_file);

    std::vector<FolderEntry> entries;
    ASSERT_EQ(fs.ListFolder(dir.path(), entries), 0);
    size_t checked = 0;
    for (const FolderEntry& entry : entries) {
        if (entry.name.starts_with(".")) continue;
        FileStamp stamp;
        ASSERT_EQ(fs.Stamp(dir / entry.name, stamp), 0);
        EXPECT_EQ(entry.inode, stamp.identity.inode) << entry.name;
        ++checked;
    }
    EXPECT_EQ(checked, 3u);

    EXPECT_EQ(fs.RemoveIfSame(dir / "other", a.identity), ESTALE);
    EXPECT_EQ(fs.RemoveIfSame(dir / "link", a.identity), 0);
    EXPECT_EQ(NamesIn(fs, dir.path()), (Names{"a", "other"}));
}

TEST(Win32Listing, TellsFilesFoldersAndLinksToFolders) {
    Folder dir;
    ASSERT_TRUE(WriteFile(dir / "f", "f"));
    ASSERT_TRUE(CreateDirectoryW(WidePath(dir / "d").c_str(), nullptr));
    // Wine reports success for a symbolic link and makes none.
    const bool links = CreateSymbolicLinkW(WidePath(dir / "l").c_str(), WidePath(dir / "d").c_str(),
                                           SYMBOLIC_LINK_FLAG_DIRECTORY |
                                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
                       GetFileAttributesW(WidePath(dir / "l").c_str()) != INVALID_FILE_ATTRIBUTES;
    Win32FileSystem fs;
    std::vector<FolderEntry> entries;
    ASSERT_EQ(fs.ListFolder(dir.path(), entries), 0);
    size_t checked = 0;
    for (const FolderEntry& entry : entries) {
        const EntryKind expected = entry.name == "f"   ? EntryKind::File
                                   : entry.name == "l" ? EntryKind::FolderLink
                                                       : EntryKind::Folder;
        EntryKind searched = EntryKind::File;
        ASSERT_EQ(fs.Search(dir / entry.name, searched), 0) << entry.name;
        EXPECT_EQ(entry.kind, expected) << entry.name;
        EXPECT_EQ(searched, expected) << entry.name;
        ++checked;
    }
    EXPECT_EQ(checked, links ? 5u : 4u);  // ".", ".." included
    if (!links) GTEST_SKIP() << "no symbolic link could be made here";
}

// A second volume: wine maps a drive letter to another host file system
// (a tmpfs) and names a folder there in ZENTAVO_SECOND_VOLUME.
class Win32CrossVolume : public testing::Test {
protected:
    void SetUp() override {
        const char* second = std::getenv("ZENTAVO_SECOND_VOLUME");
        if (second == nullptr || *second == '\0')
            GTEST_SKIP() << "ZENTAVO_SECOND_VOLUME names no folder on another volume";
        there_ = std::make_unique<Folder>(second);
        Win32FileSystem fs;
        FileStamp here, there;
        ASSERT_EQ(fs.Stamp(here_.path(), here), 0);
        ASSERT_EQ(fs.Stamp(there_->path(), there), 0);
        if (here.identity.device == there.identity.device)
            GTEST_SKIP() << second << " lies on the temporary folder's volume";
    }
    Folder here_;
    std::unique_ptr<Folder> there_;
};

TEST_F(Win32CrossVolume, CopiesThenRemovesTheSource) {
    ASSERT_TRUE(WriteFile(here_ / "a", "content"));
    Win32FileSystem fs;
    const MoveResult moved = fs.MoveNoReplace(here_ / "a", *there_ / "b", ".scratch");
    ASSERT_EQ(moved.error, 0);
    EXPECT_EQ(NamesIn(fs, here_.path()), Names{});
    EXPECT_EQ(NamesIn(fs, there_->path()), Names{"b"});
    EXPECT_EQ(ReadFile(*there_ / "b"), "content");
    FileStamp stamp;
    ASSERT_EQ(fs.Stamp(*there_ / "b", stamp), 0);
    EXPECT_EQ(moved.new_identity, stamp.identity);
}

TEST_F(Win32CrossVolume, NeverReplacesAndLeavesNoCopy) {
    ASSERT_TRUE(WriteFile(here_ / "a", "mine"));
    ASSERT_TRUE(WriteFile(*there_ / "b", "theirs"));
    Win32FileSystem fs;
    EXPECT_EQ(fs.MoveNoReplace(here_ / "a", *there_ / "b", ".scratch").error, EEXIST);
    EXPECT_EQ(ReadFile(here_ / "a"), "mine");
    EXPECT_EQ(NamesIn(fs, there_->path()), Names{"b"});
    EXPECT_EQ(ReadFile(*there_ / "b"), "theirs");
}

}  // namespace
}  // namespace zentavo
