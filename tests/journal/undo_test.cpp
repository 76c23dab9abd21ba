// Undo over the in-memory file system: random runs, complete or killed after
// any move with any part of their journal lost, must come back to the files
// there were before, and a redo to the files after; Undo and Redo walk the
// history of runs as in an editor. The journals are real files, written
// without syncs to keep the test fast.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "journal/journal_records.h"
#include "journal/journal_store.h"
#include "journal/undo_run.h"
#include "posix/posix_journal_storage.h"
#include "session/rename_session.h"
#include "tests/engine/fake_file_system.h"
#include "tests/posix/faulty_os.h"
#include "tests/posix/posix_test_support.h"
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
    JournalStore store = PosixJournals(os, state / "journal", Retention{5, uint64_t{1} << 30},
                       [&] { return ticking ? now += 2'000'000'000 : now; });
    const std::vector<std::string> folders = {"/a", "/a/s", "/b"};
    // How often the strongest checks ran: the whole tree as it was after a
    // run cut short, and a redo after the undo.
    int killed_and_restored = 0;
    int redone = 0;
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
        ASSERT_EQ(UndoRun(fs, store, id, undo), 0);
        if (killed && one_gone) {
            // Two moves of one file that the journal missed may have swapped
            // names round through the vanished one; such files stay, named
            // as the run left them, and nothing is lost.
            EXPECT_EQ(Contents(fs.nodes()), Contents(before));
            continue;
        }
        EXPECT_EQ(fs.nodes(), before);
        killed_and_restored += killed;
        for (const UndoProblem& problem : undo.problems) {
            // Only a file that was gone before the run may be missed.
            EXPECT_EQ(before.count(problem.original), 0u) << problem.original;
        }
        if (undo.undo_id.empty()) continue;
        // The undo's journal knows every file it moved back by the file's
        // own identity, for a redo to follow it: each is that of a file
        // where one of the undo's moves left it.
        RunRecord undone;
        ASSERT_EQ(store.Read(undo.undo_id, undone), 0);
        std::vector<FileIdentity> moved_back;
        std::string at;
        for (const MoveStep& step : undone.steps)
            if (FileStamp stamp; fs.Stamp(undone.Destination(step, at), stamp) == 0)
                moved_back.push_back(stamp.identity);
        for (const MoveStep& step : undone.steps)
            EXPECT_NE(std::find(moved_back.begin(), moved_back.end(), undone.plan.identity(step.row)),
                      moved_back.end())
                << undone.plan.from(step.row, at);
        UndoOutcome redo;
        ASSERT_EQ(RedoRun(fs, store, id, redo), 0);
        EXPECT_EQ(fs.nodes(), after);
        EXPECT_TRUE(redo.problems.empty());
        ++redone;
    }
    // 479 and 928 with g++ 12; compilers may evaluate the draws of one
    // expression in another order, so the floor leaves room.
    EXPECT_GE(killed_and_restored, 300);
    EXPECT_GE(redone, 600);
}

// A journal cut or with a bit flipped inside its plan: the files of the rows
// that can still be read come back, the undo says the journal is damaged,
// and the run stays for the next undo. Where no row is left and nothing
// follows, the journal is that of a run killed before its first move, which
// moved nothing: those cuts claim nothing either way.
TEST(UndoTest, ADamagedPlanBringsBackWhatItCanAndKeepsTheRun) {
    TempFolder state;
    UnsyncedOs os;
    int64_t now = 1'000'000'000'000;
    JournalStore store = PosixJournals(os, state / "journal", Retention{}, [&] { return now += 1'000'000'000; });
    constexpr size_t kFiles = 30;
    FakeFileSystem renamed;
    RenameSession session(renamed, kTestPage);
    std::vector<std::string> originals;
    for (size_t i = 0; i < kFiles; ++i) {
        originals.push_back("/d/f" + std::to_string(100 + i));
        renamed.AddFile(originals.back(), originals.back());
    }
    session.list().InsertNew(originals);
    for (size_t i = 0; i < kFiles; ++i) session.list().SetNewName(i, "g" + std::to_string(100 + i));
    const std::string id = session.Rename({}, &store).run_id;
    const std::string path = store.PathOf(id);
    const std::string whole = *ReadFile(path);
    size_t plan_start = 0;
    size_t plan_end = 0;
    for (size_t length = 0; length <= whole.size() && plan_end == 0; ++length) {
        RunRecord run;
        if (!ParseJournal(std::string_view(whole).substr(0, length), run)) continue;
        if (plan_start == 0) plan_start = length;
        if (run.plan_complete()) plan_end = length;
    }
    ASSERT_GT(plan_end, plan_start);

    std::vector<std::pair<std::string, std::string>> damages;
    for (size_t length = plan_start; length < plan_end; ++length)
        damages.emplace_back("cut at " + std::to_string(length), whole.substr(0, length));
    for (size_t at = plan_start; at < plan_end; ++at) {
        std::string flipped = whole;
        flipped[at] = char(flipped[at] ^ (1 << (at % 8)));
        damages.emplace_back("bit flipped at " + std::to_string(at), flipped);
    }
    size_t knowable = 0;
    size_t some_back = 0;
    for (const auto& [name, bytes] : damages) {
        SCOPED_TRACE(name);
        WriteFile(path, bytes);
        FakeFileSystem fs = renamed;
        UndoOutcome outcome;
        ASSERT_EQ(UndoRun(fs, store, id, outcome), 0);
        if (!outcome.undo_id.empty()) unlink(store.PathOf(outcome.undo_id).c_str());
        size_t back = 0;
        for (const std::string& original : originals) back += fs.Exists(original);
        EXPECT_EQ(outcome.restored.size(), back);
        RunRecord read;
        ParseJournal(bytes, read);
        if (read.plan.empty() && !read.damaged) continue;
        ++knowable;
        some_back += back > 0;
        // A cut length field may still leave every row readable.
        EXPECT_EQ(back, read.plan.count());
        EXPECT_EQ(outcome.damaged, back < kFiles);
        RunRecord after;
        ASSERT_EQ(store.Read(id, after), 0);
        EXPECT_EQ(after.undone_ns.has_value(), back == kFiles);
        if (back == kFiles) continue;
        EXPECT_EQ(outcome.readable_rows, read.plan.count());
        std::vector<RunSummary> runs;
        ASSERT_EQ(store.List(runs), 0);
        ASSERT_TRUE(NextInHistory(runs).undo);
        EXPECT_EQ(NextInHistory(runs).undo->run_id, id);
    }
    // Most damage leaves something to tell it by; a cut within the plan
    // mostly leaves rows to bring back.
    EXPECT_GT(knowable, damages.size() * 3 / 4) << knowable << " of " << damages.size();
    EXPECT_GT(some_back, (plan_end - plan_start) / 2) << some_back;
}

// One step of a session with the history: "rename a" renames /d/a to /d/a2
// in a run of its own, "undo" and "redo" are the plain Undo and Redo, and
// "block a" makes every move of whatever stands at /d/a or /d/a2 fail until
// "unblock". After it: what Undo and Redo would take next (runs named by
// their file, "-" for none), then the files there are.
struct HistoryStep {
    std::string action;
    std::string expect;
};

struct HistoryCase {
    std::string name;
    std::vector<HistoryStep> steps;
};

const HistoryCase kHistoryCases[] = {
    {"a second undo steps further back, never re-applies",
     {{"rename a", "undo a, redo -: a2 b"},
      {"rename b", "undo b, redo -: a2 b2"},
      {"undo", "undo a, redo b: a2 b"},
      {"undo", "undo -, redo a: a b"},
      {"undo", "undo -, redo a: a b"}}},
    {"redo brings back the run undone last, then the one before",
     {{"rename a", "undo a, redo -: a2 b"},
      {"rename b", "undo b, redo -: a2 b2"},
      {"undo", "undo a, redo b: a2 b"},
      {"undo", "undo -, redo a: a b"},
      {"redo", "undo a, redo b: a2 b"},
      {"redo", "undo b, redo -: a2 b2"},
      {"redo", "undo b, redo -: a2 b2"}}},
    {"a new rename clears what can be redone",
     {{"rename a", "undo a, redo -: a2 b"},
      {"undo", "undo -, redo a: a b"},
      {"rename b", "undo b, redo -: a b2"},
      {"undo", "undo -, redo b: a b"}}},
    {"undo after a redo takes it back again",
     {{"rename a", "undo a, redo -: a2 b"},
      {"undo", "undo -, redo a: a b"},
      {"redo", "undo a, redo -: a2 b"},
      {"undo", "undo -, redo a: a b"},
      {"redo", "undo a, redo -: a2 b"}}},
    {"an undo that left a file behind is retried",
     {{"rename a", "undo a, redo -: a2 b"},
      {"block a", "undo a, redo -: a2 b"},
      {"undo", "undo a, redo -: a2 b"},
      {"unblock", "undo a, redo -: a2 b"},
      {"undo", "undo -, redo a: a b"}}},
    {"a redo that left a file behind is retried",
     {{"rename a", "undo a, redo -: a2 b"},
      {"undo", "undo -, redo a: a b"},
      {"block a", "undo -, redo a: a b"},
      {"redo", "undo -, redo a: a b"},
      {"unblock", "undo -, redo a: a b"},
      {"redo", "undo a, redo -: a2 b"}}},
};

void PrintTo(const HistoryCase& history_case, std::ostream* out) {
    *out << history_case.name;
}

class HistoryTest : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(HistoryTest, UndoAndRedoWalkTheRunsAsInAnEditor) {
    TempFolder state;
    UnsyncedOs os;
    int64_t now = 1'000'000'000'000;
    JournalStore store = PosixJournals(os, state / "journal", Retention{},
                       [&] { return now += 1'000'000'000; });
    FakeFileSystem fs;
    fs.AddFile("/d/a", "a");
    fs.AddFile("/d/b", "b");
    std::map<std::string, std::string> run_of;  // run id -> its file
    const auto described = [&] {
        History history;
        EXPECT_EQ(ReadHistory(store, history), 0);
        const auto file = [&](const std::optional<HistoryEntry>& entry) {
            return entry ? run_of[entry->run_id] : std::string("-");
        };
        std::string text = "undo " + file(history.undo) + ", redo " + file(history.redo) + ":";
        for (const auto& [path, content] : fs.nodes())
            if (content != "<folder>") text += " " + path.substr(3);
        return text;
    };
    for (const HistoryStep& step : GetParam().steps) {
        SCOPED_TRACE(step.action);
        UndoOutcome outcome;
        if (step.action.starts_with("rename ")) {
            const std::string file = step.action.substr(7);
            RenameSession session(fs, kTestPage);
            session.list().InsertNew({"/d/" + file});
            session.list().SetNewName(0, file + "2");
            run_of[session.Rename({}, &store).run_id] = file;
        } else if (step.action == "undo") {
            const int error = UndoRun(fs, store, "", outcome);
            EXPECT_TRUE(error == 0 || error == ENOENT) << error;
        } else if (step.action == "redo") {
            const int error = RedoRun(fs, store, "", outcome);
            EXPECT_TRUE(error == 0 || error == ENOENT) << error;
        } else if (step.action.starts_with("block ")) {
            const std::string file = "/d/" + step.action.substr(6);
            fs.FailMoveFrom(file, EACCES);
            fs.FailMoveFrom(file + "2", EACCES);
        } else {
            fs.ClearMoveFailures();
        }
        EXPECT_EQ(described(), step.expect);
    }
}

INSTANTIATE_TEST_SUITE_P(Sessions, HistoryTest, ::testing::ValuesIn(kHistoryCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : info.param.name)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(HistoryTest, UndoAndRedoOfAnUndoAreRefused) {
    TempFolder state;
    UnsyncedOs os;
    JournalStore store = PosixJournals(os, state / "journal");
    FakeFileSystem fs;
    fs.AddFile("/d/a", "a");
    RenameSession session(fs, kTestPage);
    session.list().InsertNew({"/d/a"});
    session.list().SetNewName(0, "a2");
    const std::string id = session.Rename({}, &store).run_id;
    UndoOutcome undo;
    ASSERT_EQ(UndoRun(fs, store, id, undo), 0);
    UndoOutcome again;
    EXPECT_EQ(UndoRun(fs, store, undo.undo_id, again), ENOTSUP);
    EXPECT_EQ(RedoRun(fs, store, undo.undo_id, again), ENOTSUP);
    EXPECT_EQ(fs.nodes().count("/d/a"), 1u);
}

}  // namespace
}  // namespace zentavo
