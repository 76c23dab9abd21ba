#include "engine/file_collection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <shared_mutex>
#include <thread>

#include "session/rename_session.h"
#include "tests/engine/fake_file_system.h"
#include "tests/support/list_rows.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

using testing::FakeFileSystem;

// /work/photos: a.jpg, .hidden, *.*, sub/b.jpg, sub/deeper/c.jpg, empty/,
// loop -> /work/photos; /work/only-folders/x/y.txt; link-to-photos ->
// /work/photos/sub
FakeFileSystem SampleTree() {
    FakeFileSystem fs("/work");
    fs.AddFile("/work/photos/a.jpg");
    fs.AddFile("/work/photos/.hidden");
    fs.AddFile("/work/photos/*.*");
    fs.AddFile("/work/photos/sub/b.jpg");
    fs.AddFile("/work/photos/sub/deeper/c.jpg");
    fs.AddFolder("/work/photos/empty");
    fs.AddFolderLink("/work/photos/loop", "/work/photos");
    fs.AddFile("/work/only-folders/x/y.txt");
    fs.AddFolderLink("/work/link-to-photos", "/work/photos/sub");
    return fs;
}

struct DropCase {
    const char* label;
    std::vector<std::string> dropped;
    bool recurse;
    std::vector<std::string> rows;
    size_t problems;
    size_t subfolders_skipped = 0;
};

// What the fake alone can act out; the drops every file system gathers
// alike are the contract suite's (tests/contract).
TEST(CollectionTest, DropsFillTheListInOrder) {
    const DropCase cases[] = {
        {"relative path", {"photos/a.jpg"}, false, {"/work/photos/a.jpg"}, 0},
        {"a file named *.* is a file, not a pattern",
         {"/work/photos"},
         false,
         {"/work/photos/*.*", "/work/photos/.hidden", "/work/photos/a.jpg"},
         0,
         2},
        {"one file through a link and directly",
         {"/work/link-to-photos/b.jpg", "/work/link-to-photos", "/work/photos/sub"},
         false,
         {"/work/photos/sub/b.jpg"},
         0,
         2},
        {"the same file twice, by two spellings",
         {"/work/photos/a.jpg", "/work/./photos//a.jpg", "photos/../photos/a.jpg"},
         false,
         {"/work/photos/a.jpg"},
         0},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.label);
        FakeFileSystem fs = SampleTree();
        RenameSession session(fs, kTestPage);
        const DropOutcome outcome = session.Drop(c.dropped, c.recurse);
        EXPECT_EQ(RowPaths(session.list()), c.rows);
        EXPECT_EQ(outcome.added, c.rows.size());
        EXPECT_EQ(outcome.rows_added, !c.rows.empty());
        EXPECT_EQ(outcome.list_has_rows, !c.rows.empty());
        EXPECT_EQ(outcome.problems.size(), c.problems);
        EXPECT_EQ(outcome.subfolders_skipped, c.subfolders_skipped);
    }
}

// A recursive drop comes out in the list's order, so the list need not sort
// it: a file before the folder its name starts ("a.txt" before "a/x"),
// letter case folded. Only sibling folders that differ in case alone
// interleave, and the list sorts those.
TEST(CollectionTest, WalkGathersFilesInTheListsOrder) {
    FakeFileSystem fs;
    for (const char* path : {"/t/b/c/d", "/t/a/x", "/t/a.txt", "/t/B", "/t/a-b", "/t/Ab", "/t/_",
                             "/t/a/X/y", "/t/a/w"})
        fs.AddFile(path);
    Gathered gathered;
    GatherFiles(fs, "/t", true, gathered);
    std::vector<std::string> found;
    for (size_t i = 0; i < gathered.files.size(); ++i) found.emplace_back(gathered.files[i]);
    EXPECT_EQ(found, (std::vector<std::string>{"/t/_", "/t/a-b", "/t/a.txt", "/t/a/w", "/t/a/x",
                                               "/t/a/X/y", "/t/Ab", "/t/B", "/t/b/c/d"}));

    fs.AddFile("/t/A/z");
    RenameSession session(fs, kTestPage);
    session.Drop({"/t"}, true);
    const std::vector<std::string> rows = RowPaths(session.list());
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), RenameList::PathLess));
}

TEST(CollectionTest, FilesOfOneFolderCostOneResolution) {
    FakeFileSystem fs;
    std::vector<std::string> dropped;
    for (int i = 0; i < 50; ++i) {
        dropped.push_back("/work/d/" + std::to_string(i));
        fs.AddFile(dropped.back());
    }
    RenameSession session(fs, kTestPage);
    EXPECT_EQ(session.Drop(dropped, false).added, dropped.size());
    EXPECT_EQ(fs.resolutions(), 1u);
}

TEST(CollectionTest, UnreadableFolderIsReportedAndSkipped) {
    FakeFileSystem fs = SampleTree();
    fs.FailListing("/work/photos/sub", EACCES);
    RenameSession session(fs, kTestPage);
    const DropOutcome outcome = session.Drop({"/work/photos"}, true);
    EXPECT_EQ(outcome.added, 3u);
    ASSERT_EQ(outcome.problems.size(), 1u);
    EXPECT_EQ(outcome.problems[0].path, "/work/photos/sub");
    EXPECT_EQ(outcome.problems[0].error, EACCES);
}

TEST(CollectionTest, DroppingAgainAddsNothingAndCaseVariantsAreOtherFiles) {
    FakeFileSystem fs;
    fs.AddFile("/work/IMG.jpg");
    fs.AddFile("/work/img.jpg");
    RenameSession session(fs, kTestPage);
    EXPECT_EQ(session.Drop({"/work/IMG.jpg"}, false).added, 1u);
    const DropOutcome again = session.Drop({"/work/IMG.jpg"}, false);
    EXPECT_EQ(again.added, 0u);
    EXPECT_FALSE(again.rows_added);
    EXPECT_TRUE(again.list_has_rows);
    // On POSIX both spellings are files of their own, and both are listed.
    EXPECT_EQ(session.Drop({"/work/img.jpg"}, false).added, 1u);
    EXPECT_EQ(session.list().count(), 2u);
}

TEST(CollectionTest, DropAfterARunStartsAFreshList) {
    FakeFileSystem fs;
    fs.AddFile("/work/a");
    fs.AddFile("/work/b");
    RenameSession session(fs, kTestPage);
    session.Drop({"/work/a"}, false);
    session.list().SetNewName(0, "a2");
    session.Rename();
    EXPECT_TRUE(session.stale());
    EXPECT_EQ(session.list().mark(0), RowMark::Renamed);

    const DropOutcome outcome = session.Drop({"/work/b"}, false);
    EXPECT_FALSE(session.stale());
    EXPECT_EQ(RowPaths(session.list()), std::vector<std::string>{"/work/b"});
    EXPECT_EQ(outcome.added, 1u);

    // A drop after a run that finds nothing still empties the list.
    session.Rename();
    const DropOutcome nothing = session.Drop({"/work/nope"}, false);
    EXPECT_TRUE(session.list().empty());
    EXPECT_FALSE(nothing.list_has_rows);
    EXPECT_FALSE(nothing.rows_added);
}

// Another thread reads the rows while drops and naming change them, as the
// window's list does: what it reads under the session's lock is a whole
// list. A ThreadSanitizer build tells of a change made without the lock.
TEST(CollectionTest, ReadersUnderTheListLockSeeWholeLists) {
    constexpr int kDrops = 30;
    constexpr size_t kFilesPerDrop = 40;
    FakeFileSystem fs;
    char path[32];
    for (int drop = 0; drop < kDrops; ++drop)
        for (size_t file = 0; file < kFilesPerDrop; ++file) {
            std::snprintf(path, sizeof path, "/work/%02d/%02zu", drop, file);
            fs.AddFile(path);
        }
    RenameSession session(fs, kTestPage);

    std::atomic<bool> reading{false}, changing{true};
    int whole_reads = 0;
    std::thread reader([&] {
        // Until a read after the last change.
        bool last = false;
        do {
            last = !changing;
            std::shared_lock lock(session.list_writing(), std::try_to_lock);
            if (!lock.owns_lock()) continue;
            reading = true;
            const RenameList& list = session.list();
            EXPECT_EQ(list.count() % kFilesPerDrop, 0u);
            for (size_t row = 0; row < list.count(); ++row) {
                if (row > 0) {
                    EXPECT_LT(list.path(row - 1), list.path(row));
                }
                EXPECT_TRUE(list.new_name(row).empty() || list.new_name(row).size() == 4);
            }
            ++whole_reads;
        } while (!last);
    });
    while (!reading) std::this_thread::yield();
    for (int drop = 0; drop < kDrops; ++drop) {
        std::snprintf(path, sizeof path, "/work/%02d", drop);
        session.Drop({path}, false);
        EXPECT_TRUE(session.SetFilenames("%4c"));
    }
    changing = false;
    reader.join();
    std::printf("%d whole reads beside %d drops\n", whole_reads, kDrops);
    EXPECT_GE(whole_reads, 2);
    EXPECT_EQ(session.list().count(), kDrops * kFilesPerDrop);
}

}  // namespace
}  // namespace zentavo
