// A whole drop and rename run on real folders: the paths the window and the
// command line take.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "core/rename_pattern.h"
#include "journal/journal_store.h"
#include "journal/undo_run.h"
#include "posix/posix_file_system.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"
#include "tests/support/list_rows.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

using Names = std::vector<std::string>;

TEST(SessionOnDisk, LinksBackToAnAncestorNeverLoop) {
    TempFolder dir;
    ASSERT_EQ(mkdir((dir / "top").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dir / "top/sub").c_str(), 0755), 0);
    WriteFile(dir / "top/a", "a");
    WriteFile(dir / "top/sub/b", "b");
    ASSERT_EQ(symlink("..", (dir / "top/sub/up").c_str()), 0);
    ASSERT_EQ(symlink("top", (dir / "link").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", (dir / "top/dangling").c_str()), 0);
    PosixFileSystem fs;

    RenameSession session(fs, kTestPage);
    session.Drop({dir / "top"}, true);
    EXPECT_EQ(RowPaths(session.list()),
              (Names{dir / "top/a", dir / "top/dangling", dir / "top/sub/b"}));

    // A dropped link to a folder lists the folder under its real path, and a
    // dropped link to a file is itself.
    ASSERT_EQ(symlink("top/a", (dir / "file-link").c_str()), 0);
    RenameSession through_link(fs, kTestPage);
    through_link.Drop(
        {dir / "link", dir / "link/sub/up/dangling", dir / "top/sub/up/a", dir / "file-link"},
        false);
    EXPECT_EQ(RowPaths(through_link.list()),
              (Names{dir / "file-link", dir / "top/a", dir / "top/dangling"}));
}

TEST(SessionOnDisk, RunRenamesChainsAndNeverReplaces) {
    TempFolder dir;
    for (const char* name : {"a", "b", "c", "d", "x", "y"}) WriteFile(dir / name, name);
    WriteFile(dir / "taken", "taken");
    PosixFileSystem fs;
    RenameSession session(fs, kTestPage);
    session.Drop({dir / "a", dir / "b", dir / "c", dir / "d", dir / "x", dir / "y"}, false);
    // a -> b -> z is a chain; c <-> d a cycle; x and y want one name; the
    // unlisted "taken" stays.
    const char* names[] = {"b", "z", "d", "c", "same", "same"};
    for (size_t i = 0; i < 6; ++i) session.list().SetNewName(i, names[i]);

    const RenameOutcome outcome = session.Rename();
    EXPECT_EQ(RowMarks(session.list()), "RRFFRF");
    EXPECT_EQ(outcome.failed, 3u);
    EXPECT_EQ(ReadFile(dir / "b"), "a");
    EXPECT_EQ(ReadFile(dir / "z"), "b");
    EXPECT_EQ(ReadFile(dir / "c"), "c");
    EXPECT_EQ(ReadFile(dir / "d"), "d");
    EXPECT_EQ(ReadFile(dir / "same"), "x");
    EXPECT_EQ(ReadFile(dir / "y"), "y");
    EXPECT_EQ(ReadFile(dir / "taken"), "taken");
    EXPECT_EQ(session.list().failure(2), EEXIST);
}

TEST(SessionOnDisk, FileDeletedAfterTheDropFailsAlone) {
    TempFolder dir;
    WriteFile(dir / "gone", "1");
    WriteFile(dir / "kept", "2");
    PosixFileSystem fs;
    RenameSession session(fs, kTestPage);
    session.Drop({dir.path()}, false);
    ASSERT_TRUE(SetFilenames(session.list(), "new-%n", kTestPage));
    ASSERT_EQ(unlink((dir / "gone").c_str()), 0);

    const RenameOutcome outcome = session.Rename();
    EXPECT_EQ(RowMarks(session.list()), "FR");
    EXPECT_EQ(session.list().failure(0), ENOENT);
    EXPECT_EQ(outcome.failed, 1u);
    EXPECT_EQ(NamesIn(dir.path()), Names{"new-kept"});
}

TEST(SessionOnDisk, ImmutableFolderKeepsItsFiles) {
    TempFolder dir;
    ASSERT_EQ(mkdir((dir / "locked").c_str(), 0755), 0);
    WriteFile(dir / "locked/f", "f");
    WriteFile(dir / "free", "g");
    PosixFileSystem fs;
    RenameSession session(fs, kTestPage);
    session.Drop({dir.path()}, true);
    ASSERT_TRUE(SetFilenames(session.list(), "%t.renamed", kTestPage));
    // Root ignores permission bits; the immutable flag binds root too.
    if (const int error = SetImmutable(dir / "locked", true); error != 0)
        GTEST_SKIP() << "cannot make a folder immutable here: " << std::strerror(error);

    const RenameOutcome outcome = session.Rename();
    SetImmutable(dir / "locked", false);
    EXPECT_EQ(RowPaths(session.list()), (Names{dir / "free", dir / "locked/f"}));
    EXPECT_EQ(RowMarks(session.list()), "RF");
    EXPECT_EQ(session.list().failure(1), EPERM);
    EXPECT_EQ(outcome.failed, 1u);
    EXPECT_EQ(NamesIn(dir / "locked"), Names{"f"});
}

// The process dies in the middle of a run, before its moves reach the
// journal: the undo brings back every name there was, and nothing beside.
TEST(SessionOnDisk, UndoAfterAKillBringsBackEveryNameAndNoOther) {
    struct Killed {};
    const struct {
        const char* label;
        bool renames_replace;  // the file system takes no RENAME_NOREPLACE
        bool links;
        bool b_is_a_link_to_a;
        OsCall call;  // the process dies just before the nth such call on path
        const char* path;
        int nth;
    } cases[] = {
        {"between the link and the unlink", true, true, false, OsCall::Unlink, "a", 1},
        {"between the placeholder and the rename over it", true, false, false, OsCall::Rename, "n1",
         2},
        {"one of two hard links moved", false, true, true, OsCall::Rename, "b", 1},
        {"both hard links moved", false, true, true, OsCall::Rename, "c", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder dir;
        TempFolder state;
        WriteFile(dir / "a", "a");
        if (c.b_is_a_link_to_a) {
            ASSERT_EQ(::link((dir / "a").c_str(), (dir / "b").c_str()), 0);
        } else {
            WriteFile(dir / "b", "b");
        }
        WriteFile(dir / "c", "c");
        const Names before = NamesIn(dir.path());
        FaultyOs os;
        if (c.renames_replace) os.RefuseRenameFlags();
        if (!c.links) os.Add({.call = OsCall::Link, .error = EPERM});
        os.Add(
            {.call = c.call, .path = dir / c.path, .nth = c.nth, .before = [] { throw Killed{}; }});
        PosixFileSystem fs(os);
        JournalStore store = PosixJournals(SystemOs(), state / "journal");
        RenameSession session(fs, kTestPage);
        session.Drop({dir.path()}, false);
        ASSERT_TRUE(SetFilenames(session.list(), "n%g", kTestPage));
        EXPECT_THROW(session.Rename({}, &store), Killed);

        PosixFileSystem after_the_kill;
        UndoOutcome undo;
        ASSERT_EQ(UndoRun(after_the_kill, store, "", undo), 0);
        EXPECT_EQ(NamesIn(dir.path()), before);
        EXPECT_EQ(ReadFile(dir / "c"), "c");
        EXPECT_TRUE(undo.problems.empty());
    }
}

// A dropped folder (or a target's subfolder) is replaced by a link to a
// folder nobody dropped, or by that folder itself, after the drop read it:
// nothing moves outside what was dropped, and no move lands where the
// journal's paths no longer lead.
TEST(SessionOnDisk, MovesStayInTheFoldersThatWereDropped) {
    enum class Swap { BeforeTheRun, AfterTheFirstMove };
    enum class By { Link, Folder };
    enum class Watch {
        Signalled,  // the watch's input signals the run's thread
        Read,       // the thread cannot be signalled: the watch is read before every move
        Blocked,    // the thread blocks the signal: likewise
        None,       // the system gives no inotify
    };
    const struct {
        const char* label;
        const char* prefix;   // of every new name
        const char* swapped;  // the folder replaced by "outside" or a link to it
        By by;
        Swap when;
        size_t renamed;
        Watch watch = Watch::Signalled;
        bool by_another_thread = false;  // as another program would
    } cases[] = {
        {"dropped folder, link, before the run", "x", "d", By::Link, Swap::BeforeTheRun, 0},
        {"dropped folder, link, between two moves", "x", "d", By::Link, Swap::AfterTheFirstMove,
         1},
        {"target's subfolder, link, between two moves", "sub/x", "d/sub", By::Link,
         Swap::AfterTheFirstMove, 1},
        {"dropped folder, another folder, before the run", "x", "d", By::Folder,
         Swap::BeforeTheRun, 0},
        {"dropped folder, another folder, between two moves", "x", "d", By::Folder,
         Swap::AfterTheFirstMove, 1},
        {"dropped folder, another folder, between two moves, without inotify", "x", "d",
         By::Folder, Swap::AfterTheFirstMove, 1, Watch::None},
        {"dropped folder, link, between two moves, the watch read at every move", "x", "d",
         By::Link, Swap::AfterTheFirstMove, 1, Watch::Read},
        {"dropped folder, link, between two moves, the signal blocked", "x", "d", By::Link,
         Swap::AfterTheFirstMove, 1, Watch::Blocked},
        {"dropped folder, link, between two moves, by another thread", "x", "d", By::Link,
         Swap::AfterTheFirstMove, 1, Watch::Signalled, true},
        {"target's subfolder, another folder, between two moves, by another thread", "sub/x",
         "d/sub", By::Folder, Swap::AfterTheFirstMove, 1, Watch::Signalled, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder dir;
        dir.AddFolder("d/sub");
        Names names;
        for (int i = 0; i < 10; ++i) {
            names.push_back("f0" + std::to_string(i));
            dir.AddFile("d/" + names.back(), "dropped");
            dir.AddFile("outside/" + names.back(), "outside");
        }
        const std::string swapped = dir / c.swapped;
        const std::string outside = c.by == By::Link ? dir / "outside" : swapped;
        const auto swap = [&] {
            ASSERT_EQ(::rename(swapped.c_str(), (swapped + ".real").c_str()), 0);
            if (c.by == By::Link) {
                ASSERT_EQ(symlink((dir / "outside").c_str(), swapped.c_str()), 0);
            } else {
                ASSERT_EQ(::rename((dir / "outside").c_str(), swapped.c_str()), 0);
            }
        };
        FaultyOs os;
        if (c.watch == Watch::None) os.Add({.call = OsCall::InotifyInit, .error = EMFILE});
        if (c.watch == Watch::Read) os.Add({.call = OsCall::SignalOnInput, .error = EPERM});
        PosixFileSystem fs(os);
        RenameSession session(fs, kTestPage);
        session.Drop({dir / "d"}, false);
        ASSERT_EQ(session.list().count(), names.size());
        for (size_t row = 0; row < names.size(); ++row)
            session.list().SetNewName(row, c.prefix + names[row]);
        if (c.when == Swap::BeforeTheRun) swap();

        sigset_t urgent;
        sigemptyset(&urgent);
        sigaddset(&urgent, SIGURG);
        if (c.watch == Watch::Blocked) pthread_sigmask(SIG_BLOCK, &urgent, nullptr);
        bool swapped_once = false;
        const RenameOutcome outcome = session.Rename([&](size_t renamed, size_t) {
            if (c.when != Swap::AfterTheFirstMove || renamed != 1 || swapped_once) return;
            swapped_once = true;
            if (c.by_another_thread) {
                std::thread(swap).join();
            } else {
                swap();
            }
        });
        pthread_sigmask(SIG_UNBLOCK, &urgent, nullptr);
        EXPECT_EQ(outcome.renamed, c.renamed);
        for (size_t row = 0; row < names.size(); ++row) {
            if (session.list().mark(row) != RowMark::Failed) continue;
            EXPECT_EQ(session.list().failure(row), ESTALE) << row;
        }
        EXPECT_EQ(NamesIn(outside), names);
        for (const std::string& name : names)
            EXPECT_EQ(ReadFile(outside + "/" + name), "outside");
    }
}

// Before each move the run knows, without asking the system, that no
// folder it holds has moved: nothing has signalled since.
TEST(SessionOnDisk, AQuietRunNeverReadsItsWatch) {
    TempFolder dir;
    for (int i = 0; i < 10; ++i) dir.AddFile("d/sub/f" + std::to_string(i), "dropped");
    FaultyOs os;
    PosixFileSystem fs(os);
    RenameSession session(fs, kTestPage);
    session.Drop({dir / "d"}, true);
    ASSERT_TRUE(SetFilenames(session.list(), "new-%n", kTestPage));

    EXPECT_EQ(session.Rename().renamed, size_t{10});
    EXPECT_EQ(os.count(OsCall::SignalOnInput), 1u);
    EXPECT_EQ(os.count(OsCall::Read), 0u);
}

// More folders than a run holds open at once: a folder let go to make room
// and replaced meanwhile is caught when its next move opens it again.
TEST(SessionOnDisk, FolderReplacedWhileLetGoIsCaughtWhenOpenedAgain) {
    constexpr int kFolders = 300;
    TempFolder dir;
    for (int i = 0; i < kFolders; ++i)
        dir.AddFile("d/s" + std::to_string(1000 + i) + "/f", "dropped");
    // s1000/a must wait for s1000/b to move away: its second try comes after
    // every other folder has been through.
    dir.AddFile("d/s1000/a", "dropped");
    dir.AddFile("stranger/a", "stranger's");
    PosixFileSystem fs;
    RenameSession session(fs, kTestPage);
    session.Drop({dir / "d"}, true);
    ASSERT_EQ(session.list().count(), size_t{kFolders + 1});
    for (size_t row = 0; row < session.list().count(); ++row) {
        const std::string_view path = session.list().path(row);
        const std::string name(path.substr(path.rfind('/') + 1));
        session.list().SetNewName(row, name == "a" ? "f" : name == "f" ? "g" : name);
    }
    const std::string replaced = dir / "d/s1000";
    bool swapped_once = false;
    const RenameOutcome outcome = session.Rename([&](size_t renamed, size_t) {
        if (renamed != size_t{kFolders} || swapped_once) return;
        swapped_once = true;
        ASSERT_EQ(::rename(replaced.c_str(), (replaced + ".real").c_str()), 0);
        ASSERT_EQ(::rename((dir / "stranger").c_str(), replaced.c_str()), 0);
    });
    EXPECT_EQ(outcome.renamed, size_t{kFolders});
    ASSERT_EQ(session.list().path(0), replaced + "/a");
    EXPECT_EQ(session.list().failure(0), ESTALE);
    EXPECT_EQ(NamesIn(replaced), Names{"a"});
    EXPECT_EQ(ReadFile(replaced + "/a"), "stranger's");
}

TEST(SessionOnDisk, NamesAreBytes) {
    TempFolder dir;
    const std::string odd[] = {"caf\xe9.txt", "tab\there",   "new\nline",
                               "-dash",       "back\\slash", "*.*"};
    for (const std::string& name : odd) WriteFile(dir / name, name);
    PosixFileSystem fs;
    RenameSession session(fs, kTestPage);
    session.Drop({dir.path()}, false);
    ASSERT_EQ(session.list().count(), std::size(odd));
    ASSERT_TRUE(SetFilenames(session.list(), "%n.\xff", kTestPage));

    EXPECT_EQ(session.Rename().failed, 0u);
    for (const std::string& name : odd) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadFile(dir / (name + ".\xff")), name);
    }
}

}  // namespace
}  // namespace zentavo
