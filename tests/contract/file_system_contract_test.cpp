// What every FileSystem must do alike, the in-memory fake included: moves
// that never replace, case-only changes as the listing shows them, moves to
// another volume, identity, and listings.
#include <algorithm>
#include <cerrno>
#include <ostream>
#include <string>
#include <vector>

#include "tests/contract/contract_backend.h"

namespace zentavo {
namespace {

constexpr char kScratch[] = ".zentavo-contract.tmp";

struct Move {
    std::string from;
    std::string to;
    int error;
};

struct Holding {
    std::string file;
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
const std::string kDeep = std::string(150, 'x') + "/" + std::string(150, 'y');

const MoveCase kMoveCases[] = {
    {"plain", {}, {"a"}, {{"a", "b", 0}}, {"b"}, {{"b", "a"}}},
    {"onto a file", {}, {"a", "b"}, {{"a", "b", EEXIST}}, {"a", "b"}, {{"a", "a"}, {"b", "b"}}},
    {"onto a folder", {"d"}, {"a"}, {{"a", "d", EEXIST}}, {"a", "d"}, {{"a", "a"}}},
    {"case only",
     {},
     {"case.txt"},
     {{"case.txt", "CASE.txt", 0}},
     {"CASE.txt"},
     {{"CASE.txt", "case.txt"}}},
    {"case only, of one of two", {}, {"a", "b"}, {{"b", "B", 0}}, {"B", "a"}, {{"B", "b"}}},
    {"onto its own name", {}, {"a"}, {{"a", "a", 0}}, {"a"}, {{"a", "a"}}},
    {"a chain",
     {},
     {"a", "b"},
     {{"a", "b", EEXIST}, {"b", "c", 0}, {"a", "b", 0}},
     {"b", "c"},
     {{"b", "a"}, {"c", "b"}}},
    {"a swap through a third",
     {},
     {"a", "b"},
     {{"a", "t", 0}, {"b", "a", 0}, {"t", "b", 0}},
     {"a", "b"},
     {{"a", "b"}, {"b", "a"}}},
    {"into a subfolder", {"sub"}, {"a"}, {{"a", "sub/a", 0}}, {"sub"}, {{"sub/a", "a"}}},
    {"into a missing folder", {}, {"a"}, {{"a", "none/a", ENOENT}}, {"a"}, {{"a", "a"}}},
    {"accented to Japanese",
     {},
     {"caf" + kE},
     {{"caf" + kE, kNihon + ".txt", 0}},
     {kNihon + ".txt"},
     {{kNihon + ".txt", "caf" + kE}}},
    {"a path longer than 260",
     {kDeep.substr(0, 150), kDeep},
     {kDeep + "/a"},
     {{kDeep + "/a", kDeep + "/" + std::string(100, 'b'), 0}},
     {kDeep.substr(0, 150)},
     {{kDeep + "/" + std::string(100, 'b'), kDeep + "/a"}}},
    {"a missing source", {}, {}, {{"a", "b", ENOENT}}, {}, {}},
    {"a name as long as the folder takes",
     {},
     {"a"},
     {{"a", kLongest, 0}},
     {kLongest},
     {{kLongest, "a"}}},
    {"a name one longer", {}, {"a"}, {{"a", kLongest + "n", ENAMETOOLONG}}, {"a"}, {{"a", "a"}}},
};

TEST_P(FileSystemContract, MovesNeverReplace) {
    for (const MoveCase& c : kMoveCases) {
        SCOPED_TRACE(c.what);
        const std::string dir = backend_->FreshFolder();
        for (const std::string& folder : c.folders) backend_->MakeFolder(Path(dir, folder));
        for (const std::string& file : c.files) backend_->MakeFile(Path(dir, file), file);
        for (const Move& move : c.moves) {
            SCOPED_TRACE(move.from + " -> " + move.to);
            EXPECT_EQ(backend_->fs()
                          .MoveNoReplace(Path(dir, move.from), Path(dir, move.to), kScratch)
                          .error,
                      move.error);
        }
        EXPECT_EQ(backend_->NamesIn(dir), c.listed);
        for (const Holding& holding : c.holding)
            EXPECT_EQ(backend_->Content(Path(dir, holding.file)), holding.content) << holding.file;
    }
}

// Where case is ignored, another spelling of a taken name is taken.
TEST_P(FileSystemContract, ACaseVariantIsTakenOnlyWhereCaseIsIgnored) {
    const std::string dir = backend_->FreshFolder();
    backend_->MakeFile(Path(dir, "a"), "a");
    backend_->MakeFile(Path(dir, "b"), "b");
    const int error = backend_->fs().MoveNoReplace(Path(dir, "a"), Path(dir, "B"), kScratch).error;
    if (backend_->ignores_case()) {
        EXPECT_EQ(error, EEXIST);
        EXPECT_EQ(backend_->NamesIn(dir), (Names{"a", "b"}));
        EXPECT_EQ(backend_->Content(Path(dir, "a")), "a");
    } else {
        EXPECT_EQ(error, 0);
        EXPECT_EQ(backend_->NamesIn(dir), (Names{"B", "b"}));
    }
    EXPECT_EQ(backend_->Content(Path(dir, "b")), "b");
}

// What the check before a run holds a new name to: 255 bytes on POSIX, 255
// UTF-16 units on Windows, each counted by NameLength.
TEST_P(FileSystemContract, TellsTheLongestNameAFolderTakes) {
    const std::string dir = backend_->FreshFolder();
    size_t longest = 0;
    ASSERT_EQ(backend_->fs().NameMax(dir, longest), 0);
    EXPECT_EQ(longest, 255u);
    EXPECT_EQ(backend_->fs().NameMax(Path(dir, "missing"), longest), ENOENT);
}

class CrossVolume {
public:
    explicit CrossVolume(ContractBackend& backend) : here(backend.FreshFolder()) {
        there = backend.FolderOnAnotherVolume(why_not);
    }
    std::string here;
    std::string there;
    std::string why_not;
};

TEST_P(FileSystemContract, AMoveToAnotherVolumeCopiesThenRemovesTheSource) {
    const CrossVolume volumes(*backend_);
    if (volumes.there.empty()) GTEST_SKIP() << volumes.why_not;
    backend_->MakeFile(Path(volumes.here, "a"), "content");
    FileSystem& fs = backend_->fs();
    const MoveResult moved =
        fs.MoveNoReplace(Path(volumes.here, "a"), Path(volumes.there, "b"), kScratch);
    ASSERT_EQ(moved.error, 0);
    EXPECT_EQ(backend_->NamesIn(volumes.here), Names{});
    EXPECT_EQ(backend_->NamesIn(volumes.there), Names{"b"});
    EXPECT_EQ(backend_->Content(Path(volumes.there, "b")), "content");
    FileStamp stamp;
    ASSERT_EQ(fs.Stamp(Path(volumes.there, "b"), stamp), 0);
    EXPECT_EQ(moved.new_identity, stamp.identity);
}

TEST_P(FileSystemContract, AMoveToAnotherVolumeNeverReplacesAndLeavesNoCopy) {
    const CrossVolume volumes(*backend_);
    if (volumes.there.empty()) GTEST_SKIP() << volumes.why_not;
    backend_->MakeFile(Path(volumes.here, "a"), "mine");
    backend_->MakeFile(Path(volumes.there, "b"), "theirs");
    EXPECT_EQ(backend_->fs()
                  .MoveNoReplace(Path(volumes.here, "a"), Path(volumes.there, "b"), kScratch)
                  .error,
              EEXIST);
    EXPECT_EQ(backend_->Content(Path(volumes.here, "a")), "mine");
    EXPECT_EQ(backend_->NamesIn(volumes.there), Names{"b"});
    EXPECT_EQ(backend_->Content(Path(volumes.there, "b")), "theirs");
}

// Identity is what finds a file again whatever its name: a move in one
// volume keeps it, hard links share it, another file differs.
TEST_P(FileSystemContract, IdentityFollowsTheFileNotTheName) {
    const std::string dir = backend_->FreshFolder();
    FileSystem& fs = backend_->fs();
    backend_->MakeFile(Path(dir, "a"), "a");
    backend_->MakeFile(Path(dir, "other"), "a");
    FileStamp a, moved, other;
    ASSERT_EQ(fs.Stamp(Path(dir, "a"), a), 0);
    ASSERT_EQ(fs.MoveNoReplace(Path(dir, "a"), Path(dir, "b"), kScratch).error, 0);
    ASSERT_EQ(fs.Stamp(Path(dir, "b"), moved), 0);
    ASSERT_EQ(fs.Stamp(Path(dir, "other"), other), 0);
    EXPECT_NE(a.identity.inode, 0u);
    EXPECT_FALSE(IsWeak(a.identity));
    EXPECT_EQ(moved.identity, a.identity);
    EXPECT_FALSE(other.identity == a.identity);
    EXPECT_EQ(fs.Stamp(Path(dir, "a"), a), ENOENT);

    EXPECT_NE(fs.RemoveIfSame(Path(dir, "other"), moved.identity), 0);
    if (!backend_->MakeHardLink(Path(dir, "link"), Path(dir, "b")))
        GTEST_SKIP() << "no hard link can be made here";
    FileStamp link;
    ASSERT_EQ(fs.Stamp(Path(dir, "link"), link), 0);
    EXPECT_EQ(link.identity, moved.identity);
    EXPECT_EQ(fs.RemoveIfSame(Path(dir, "link"), moved.identity), 0);
    EXPECT_EQ(backend_->NamesIn(dir), (Names{"b", "other"}));
}

// The listing tells each entry's kind as a search of its path does, and a
// file's number as its identity has it.
TEST_P(FileSystemContract, ListsEveryEntryWithItsKind) {
    const std::string dir = backend_->FreshFolder();
    FileSystem& fs = backend_->fs();
    backend_->MakeFile(Path(dir, "f"), "f");
    backend_->MakeFile(Path(dir, ".hidden"), "");
    backend_->MakeFolder(Path(dir, "d"));
    const bool links = backend_->MakeFolderLink(Path(dir, "l"), Path(dir, "d"));
    std::vector<FolderEntry> entries;
    ASSERT_EQ(fs.ListFolder(dir, entries), 0);
    Names listed;
    size_t files = 0;
    for (const FolderEntry& entry : entries) {
        SCOPED_TRACE(entry.name);
        listed.push_back(entry.name);
        const EntryKind expected = entry.name == "l" ? EntryKind::FolderLink
                                   : entry.name == "f" || entry.name == ".hidden"
                                       ? EntryKind::File
                                       : EntryKind::Folder;
        EXPECT_EQ(entry.kind, expected);
        EntryKind searched = EntryKind::File;
        ASSERT_EQ(fs.Search(Path(dir, entry.name), searched), 0);
        EXPECT_EQ(searched, expected);
        if (entry.kind == EntryKind::File) {
            FileStamp stamp;
            ASSERT_EQ(fs.Stamp(Path(dir, entry.name), stamp), 0);
            EXPECT_EQ(entry.inode, stamp.identity.inode);
            ++files;
        }
    }
    EXPECT_EQ(files, 2u);
    std::sort(listed.begin(), listed.end());
    Names expected = {".", "..", ".hidden", "d", "f"};
    if (links) expected.push_back("l");
    EXPECT_EQ(listed, expected);

    EntryKind kind = EntryKind::File;
    EXPECT_EQ(fs.Search(Path(dir, "missing"), kind), ENOENT);
    EXPECT_EQ(fs.ListFolder(Path(dir, "missing"), entries), ENOENT);
    EXPECT_NE(fs.ListFolder(Path(dir, "f"), entries), 0);
}

}  // namespace
}  // namespace zentavo
