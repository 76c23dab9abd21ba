// Undo over the in-memory file system: random runs, complete or killed after
// any move with any part of their journal lost, must come back to the files
// there were before, and an undo of the undo to the files after. The
// journals are real files, written without syncs to keep the test fast.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "fileops/journal_store.h"
#include "fileops/rename_session.h"
#include "fileops/undo_run.h"
#include "tests/fileops/fake_file_system.h"
#include "tests/fileops/faulty_os.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_code_page.h"

namespace zentavo {
namespace {

using testing::FakeFileSystem;
using Nodes = std::map<std::string, std::string>;

class UnsyncedOs : public FaultyOs {
public:
    int Fsync(int) override { return 0; }
};

// Renames the session's list with a journal, killed after kill_after moves
// unless that is SIZE_MAX. Returns the run's id, empty when it kept no
// journal.
std::string JournaledRun(FakeFileSystem& fs, RenameSession& session, JournalStore& store,
                         size_t kill_after) {
    fs.KillAfterMoves(kill_after);
    std::string id;
    try {
        id = session.Rename({}, &store).run_id;
    } catch (const FakeFileSystem::Killed&) {
        std::vector<RunSummary> runs;
        store.List(runs);
        if (!runs.empty() && runs.front().state() == RunState::Interrupted)
            id = runs.front().header.id;
    }
    fs.KillAfterMoves(SIZE_MAX);
    return id;
}

std::vector<std::string> Contents(const Nodes& nodes) {
    std::vector<std::string> contents;
    for (const auto& [path, content] : nodes) contents.push_back(content);
    std::sort(contents.begin(), contents.end());
    return contents;
}

TEST(UndoTest, BringsBackTheFilesBeforeTheRunWhereverItStopped) {
    std::mt19937 random(20261208);
    auto pick = [&](size_t n) { return size_t(random() % n); };
    TempFolder state;
    UnsyncedOs os;
    // Steps reach the file with every move (a clock that races) or only at
    // the end (one that stands still).
    bool ticking = false;
    int64_t now = 0;
    JournalStore store(os, state / "journal", Retention{5, uint64_t{1} << 30},
                       [&] { return ticking ? now += 2'000'000'000 : now; });
    const std::vector<std::string> folders = {"/a", "/a/s", "/b"};
    for (int round = 0; round < 1500; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const size_t names = 2 + pick(6);
        auto random_name = [&] { return "n" + std::to_string(pick(names)); };
        FakeFileSystem fs;
        for (const std::string& folder : folders) fs.AddFolder(folder);
        std::vector<std::string> listed;
        for (size_t i = 1 + pick(12); i > 0; --i) {
            const std::string path = folders[pick(folders.size())] + "/" + random_name();
            if (!fs.Exists(path)) fs.AddFile(path, path);
            listed.push_back(path);
        }
        for (size_t i = pick(3); i > 0; --i) {
            const std::string path = folders[pick(folders.size())] + "/" + random_name();
            if (!fs.Exists(path)) fs.AddFile(path, "unlisted " + path);
        }
        // A listed file gone before the run lets another row's file arrive
        // under its name and move on: one file, two moves.
        const bool one_gone = pick(3) == 0;
        if (one_gone) fs.Remove(listed[pick(listed.size())]);
        if (pick(4) == 0) fs.FailMoveFrom(listed[pick(listed.size())], EACCES);
        RenameSession session(fs, kTestPage);
        RenameList& list = session.list();
        list.InsertNew(listed);
        for (size_t i = 0; i < list.count(); ++i) {
            const size_t kind = pick(10);
            list.SetNewName(i, kind == 0   ? "s/" + random_name()
                               : kind == 1 ? "../" + random_name()
                                           : random_name());
        }
        const Nodes before = fs.nodes();
        const bool killed = pick(2) == 0;
        ticking = pick(2) == 0;
        now = (round + 1) * int64_t{1'000'000'000'000};
        const std::string id =
            JournaledRun(fs, session, store, killed ? pick(2 * listed.size()) : SIZE_MAX);
        const Nodes after = fs.nodes();
        fs.ClearMoveFailures();
        if (id.empty()) {
            EXPECT_EQ(after, before);  // a run that moved nothing keeps no journal
            continue;
        }

        UndoOutcome undo;
        ASSERT_EQ(UndoRun(fs, kTestPage, store, id, undo), 0);
        if (killed && one_gone) {
            // Two moves of one file that the journal missed may have swapped
            // names round through the vanished one; such files stay, named
            // as the run left them, and nothing is lost.
            EXPECT_EQ(Contents(fs.nodes()), Contents(before));
            continue;
        }
        EXPECT_EQ(fs.nodes(), before);
        for (const UndoProblem& problem : undo.problems) {
            // Only a file that was gone before the run may be missed.
            EXPECT_EQ(before.count(problem.original), 0u) << problem.original;
        }
        if (undo.undo_id.empty()) continue;
        UndoOutcome redo;
        ASSERT_EQ(UndoRun(fs, kTestPage, store, undo.undo_id, redo), 0);
        EXPECT_EQ(fs.nodes(), after);
        EXPECT_TRUE(redo.problems.empty());
    }
}

}  // namespace
}  // namespace zentavo
