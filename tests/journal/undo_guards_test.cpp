// What keeps an undo from moving or removing what is not the run's: a
// stranger under a reused inode, a copy that only looks finished, a file
// under another one's name. Each row also has a twin that must go ahead, so
// a guard that refuses everything fails too.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "engine/scratch_name.h"
#include "journal/journal_store.h"
#include "journal/undo_run.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"
#include "tests/engine/fake_file_system.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

using testing::FakeFileSystem;

constexpr int64_t kSecond = 1'000'000'000;
constexpr int64_t kRunTime = 1000 * kSecond;  // the journal's clock stands still here

JournalStore StoreIn(const TempFolder& state) {
    return PosixJournals(SystemOs(), state / "journal", Retention{}, [] { return kRunTime; });
}

std::string ContentOf(const FakeFileSystem& fs, const std::string& path) {
    const auto found = fs.nodes().find(path);
    return found == fs.nodes().end() ? "(none)" : found->second;
}

// Renames /d/a to new_name with a journal; killed before its first move
// when killed is set. Returns the run's id.
std::string RunOne(FakeFileSystem& fs, JournalStore& store, const std::string& new_name,
                   bool killed) {
    RenameSession session(fs, kTestPage);
    session.list().InsertNew(std::vector<std::string>{"/d/a"});
    session.list().SetNewName(0, new_name);
    fs.KillAfterMoves(killed ? 0 : SIZE_MAX);
    std::string id;
    try {
        id = session.Rename({}, &store).run_id;
    } catch (const FakeFileSystem::Killed&) {
        std::vector<RunSummary> runs;
        store.List(runs);
        id = runs.at(0).header.id;
    }
    fs.KillAfterMoves(SIZE_MAX);
    return id;
}

TEST(UndoGuards, JournalPlansOnlyTheRowsTheRunTries) {
    const struct {
        std::string new_name;
        bool tried;
    } rows[] = {
        {"x", true},
        {std::string("nul\0name", 8), false},
        {std::string(kMaxNewNameLength + 1, 'n'), false},
        {"", false},
        {"y", true},
    };
    TempFolder state;
    JournalStore store = StoreIn(state);
    FakeFileSystem fs;
    RenameSession session(fs, kTestPage);
    std::vector<std::string> paths;
    for (size_t i = 0; i < std::size(rows); ++i) {
        paths.push_back("/d/" + std::to_string(i));
        fs.AddFile(paths.back());
    }
    session.list().InsertNew(paths);
    std::vector<std::string> planned;
    for (size_t i = 0; i < std::size(rows); ++i) {
        session.list().SetNewName(i, rows[i].new_name);
        if (rows[i].tried) planned.push_back(paths[i]);
    }
    const RenameOutcome outcome = session.Rename({}, &store);

    RunRecord run;
    ASSERT_EQ(store.Read(outcome.run_id, run), 0);
    std::vector<std::string> sources;
    std::string source;
    for (size_t i = 0; i < run.plan.count(); ++i) sources.push_back(run.plan.from(i, source));
    EXPECT_EQ(sources, planned);
    EXPECT_EQ(run.end->renamed, planned.size());

    // Its undo plans the way back in the list's order of where the files
    // are now, not the run's order backwards.
    UndoOutcome undo;
    ASSERT_EQ(UndoRun(fs, store, outcome.run_id, undo), 0);
    RunRecord undone;
    ASSERT_EQ(store.Read(undo.undo_id, undone), 0);
    sources.clear();
    for (size_t i = 0; i < undone.plan.count(); ++i) sources.push_back(undone.plan.from(i, source));
    EXPECT_EQ(sources, (std::vector<std::string>{"/d/x", "/d/y"}));
}

// Deleted after the run and made anew under the new name, a file may get the
// inode number back: only its birth time, or where none is kept its status
// change after the run's end, tells it from the one the run moved.
TEST(UndoGuards, StrangerUnderAReusedInodeStays) {
    const struct {
        const char* label;
        bool keep_birth;
        bool recreated;
    } cases[] = {
        {"birth time kept, made anew", true, true},
        {"no birth time, made anew", false, true},
        {"birth time kept, the run's own file", true, false},
        {"no birth time, the run's own file", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder state;
        JournalStore store = StoreIn(state);
        FakeFileSystem fs;
        fs.SetClock(kRunTime - 500 * kSecond, c.keep_birth);
        fs.AddFile("/d/a", "ours");
        fs.SetClock(kRunTime, c.keep_birth);
        const std::string id = RunOne(fs, store, "b", false);
        fs.SetClock(kRunTime + 60 * kSecond, c.keep_birth);
        if (c.recreated) fs.Recreate("/d/b", "stranger");

        UndoOutcome undo;
        ASSERT_EQ(UndoRun(fs, store, id, undo), 0);
        if (c.recreated) {
            EXPECT_EQ(ContentOf(fs, "/d/b"), "stranger");
            EXPECT_FALSE(fs.Exists("/d/a"));
            ASSERT_EQ(undo.problems.size(), 1u);
            EXPECT_EQ(undo.problems[0].reason, UndoReason::Replaced);
        } else {
            EXPECT_EQ(ContentOf(fs, "/d/a"), "ours");
            EXPECT_TRUE(undo.problems.empty());
        }
    }
}

// Killed between placing the copy on the other disk and removing the
// source: the copy goes only when it holds the source's bytes, since a file
// someone else made there during the run looks the same otherwise.
TEST(UndoGuards, FinishedCopyOnAnotherDiskGoesOnlyWhenItHoldsTheSameBytes) {
    const struct {
        const char* at_target;
        bool removed;
    } cases[] = {
        {"ours", true},
        {"theirs", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at_target);
        TempFolder state;
        JournalStore store = StoreIn(state);
        FakeFileSystem fs;
        fs.AddFolder("/usb");
        fs.Mount("/usb");
        fs.SetClock(kRunTime - 500 * kSecond);
        fs.AddFile("/d/a", "ours");
        const std::string id = RunOne(fs, store, "../usb/a", true);
        fs.SetClock(kRunTime + kSecond);
        fs.AddFile("/usb/a", c.at_target);

        UndoOutcome undo;
        ASSERT_EQ(UndoRun(fs, store, id, undo), 0);
        EXPECT_EQ(ContentOf(fs, "/d/a"), "ours");
        EXPECT_EQ(fs.Exists("/usb/a"), !c.removed);
    }
}

// A move onto another disk makes a new file, born during the run: the
// step's batch says by when, so the copy is the run's own and comes back,
// while one born after that batch was written would be a stranger's.
TEST(UndoGuards, CopyOnAnotherDiskIsKnownByItsStepsTime) {
    TempFolder state;
    int64_t now = kRunTime;
    JournalStore store = PosixJournals(SystemOs(), state / "journal", Retention{},
                                       [&] { return now += kSecond; });
    FakeFileSystem fs;
    fs.AddFolder("/usb");
    fs.Mount("/usb");
    fs.SetClock(kRunTime - 500 * kSecond);
    fs.AddFile("/d/a", "ours");
    // After the run began (its first look at the clock), before its steps
    // were written.
    fs.SetClock(kRunTime + kSecond + kSecond / 2);
    const std::string id = RunOne(fs, store, "../usb/a", false);
    ASSERT_FALSE(id.empty());

    UndoOutcome undo;
    ASSERT_EQ(UndoRun(fs, store, id, undo), 0);
    EXPECT_TRUE(undo.problems.empty());
    EXPECT_EQ(ContentOf(fs, "/d/a"), "ours");
    EXPECT_FALSE(fs.Exists("/usb/a"));
}

// A change of letter case killed between its two steps leaves the file
// under the row's scratch name; FAT through FUSE numbers the file anew
// there, so only that name finds it.
TEST(UndoGuards, CaseChangeCutShortIsFoundUnderItsScratchName) {
    const struct {
        const char* label;
        bool renumbered;
    } cases[] = {
        {"same inode", false},
        {"renumbered by the rename", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder state;
        JournalStore store = StoreIn(state);
        FakeFileSystem fs;
        fs.AddFile("/d/a", "ours");
        const std::string id = RunOne(fs, store, "A", true);
        const std::string scratch = "/d/" + ScratchName(id, 0);
        if (c.renumbered) {
            fs.Remove("/d/a");
            fs.AddFile(scratch, "ours");
        } else {
            ASSERT_EQ(fs.MoveNoReplace("/d/a", scratch, "").error, 0);
        }

        UndoOutcome undo;
        ASSERT_EQ(UndoRun(fs, store, id, undo), 0);
        EXPECT_TRUE(undo.problems.empty());
        ASSERT_EQ(undo.restored.size(), 1u);
        EXPECT_EQ(undo.restored[0], "/d/a");
        EXPECT_EQ(ContentOf(fs, "/d/a"), "ours");
        EXPECT_FALSE(fs.Exists(scratch));
    }
}

// sshfs and other FUSE mounts without use_ino number a file anew at every
// lookup: the undo knows the files by their size and modification time at
// the names the journal expects, and a file changed there stays.
TEST(UndoGuards, FilesOnAFileSystemThatRenumbersThemComeBack) {
    const struct {
        const char* label;
        bool changed;
    } cases[] = {
        {"untouched since the run", false},
        {"written to since the run", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder dir;
        TempFolder state;
        JournalStore store = PosixJournals(SystemOs(), state / "journal");
        std::vector<std::string> paths;
        for (int i = 0; i < 5; ++i) paths.push_back(dir.AddFile("f" + std::to_string(i), "ours"));
        FaultyOs os;
        os.RenumberEveryLook();
        PosixFileSystem fs(os);
        RenameSession session(fs, kTestPage);
        session.Drop({dir.path()}, false);
        for (size_t row = 0; row < session.list().count(); ++row)
            session.list().SetNewName(row, "x" + std::to_string(row));
        const RenameOutcome outcome = session.Rename({}, &store);
        ASSERT_EQ(outcome.renamed, paths.size());
        if (c.changed) WriteFile(dir / "x0", "changed");

        PosixFileSystem later(os);
        UndoOutcome undo;
        ASSERT_EQ(UndoRun(later, store, outcome.run_id, undo), 0);
        EXPECT_EQ(undo.restored.size(), c.changed ? paths.size() - 1 : paths.size());
        EXPECT_EQ(undo.problems.size(), c.changed ? 1u : 0u);
        EXPECT_EQ(Exists(dir / "x0"), c.changed);
        for (size_t i = c.changed ? 1 : 0; i < paths.size(); ++i)
            EXPECT_EQ(ReadFile(paths[i]), "ours") << paths[i];
    }
}

// A run on such a file system killed after its first move, before the
// journal heard of it, beside an older look-alike of the moved file (same
// size and modification time) under the name another row was to take. Those
// tell a file only at the names its row expects: the look-alike stays.
TEST(UndoGuards, RenumberedFileIsKnownOnlyWhereItsRowExpectsIt) {
    struct Killed {};
    const struct {
        const char* label;
        bool file_deleted;  // after the run, leaving only the look-alike
    } cases[] = {
        {"the file under the name it was given", false},
        {"only the look-alike under another row's new name", true},
    };
    const timespec kSameTimes[2] = {{1000, 0}, {1000, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder dir;
        TempFolder state;
        JournalStore store = PosixJournals(SystemOs(), state / "journal");
        for (const char* name : {"a", "y"}) {
            dir.AddFile(name, name == std::string("a") ? "ours" : "them");
            ASSERT_EQ(utimensat(AT_FDCWD, (dir / name).c_str(), kSameTimes, 0), 0);
        }
        dir.AddFile("b", "other content");
        FaultyOs os;
        os.RenumberEveryLook();
        os.Add({.call = OsCall::Rename, .nth = 2, .before = [] { throw Killed{}; }});
        PosixFileSystem fs(os);
        RenameSession session(fs, kTestPage);
        session.Drop({dir / "a", dir / "b"}, false);
        session.list().SetNewName(0, "x");
        session.list().SetNewName(1, "y");
        EXPECT_THROW(session.Rename({}, &store), Killed);
        ASSERT_EQ(ReadFile(dir / "x"), "ours");
        if (c.file_deleted) {
            ASSERT_EQ(unlink((dir / "x").c_str()), 0);
        }

        PosixFileSystem later(os);
        UndoOutcome undo;
        ASSERT_EQ(UndoRun(later, store, "", undo), 0);
        EXPECT_EQ(ReadFile(dir / "a"), c.file_deleted ? std::nullopt : std::optional<std::string>("ours"));
        EXPECT_EQ(ReadFile(dir / "y"), "them");
        EXPECT_EQ(ReadFile(dir / "b"), "other content");
    }
}

TEST(UndoGuards, RemoveIfSameLeavesAnotherFileAlone) {
    const struct {
        const char* label;
        bool replaced;
        int error;
    } cases[] = {
        {"the same file", false, 0},
        {"another file under the name", true, ESTALE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder dir;
        WriteFile(dir / "a", "ours");
        const struct stat ours = LstatOf(dir / "a");
        if (c.replaced) {
            WriteFile(dir / "other", "theirs");
            ASSERT_EQ(std::rename((dir / "other").c_str(), (dir / "a").c_str()), 0);
        }
        PosixFileSystem fs;
        EXPECT_EQ(fs.RemoveIfSame(dir / "a", {ours.st_dev, ours.st_ino}), c.error);
        EXPECT_EQ(Exists(dir / "a"), c.replaced);
    }
}

}  // namespace
}  // namespace zentavo
