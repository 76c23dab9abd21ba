// Taking a rename run back, and bringing it forward again: every file goes
// back to its name from before the run (or forward to the run's names), by
// the same moves and passes as a rename, never replacing anything. Which run
// a plain Undo or Redo takes is the history's (run_history.h). An undo and a
// redo write journals of their own, each taking back the one before it, so
// that the files' identities are followed through every move.
#pragma once

#include <stop_token>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/progress.h"
#include "journal/journal_store.h"
#include "journal/run_history.h"
#include "journal/undo_plan.h"

namespace zentavo {

struct UndoOutcome {
    std::string run_id;                 // the rename run undone or redone
    std::string undo_id;                // the undo's (redo's) own journal; empty: it moved nothing
    // Undo: names from before the run that hold their file again; redo: the
    // run's names that hold their file again. End to end in one buffer, as
    // the list they become keeps them.
    PathBatch restored;
    std::vector<UndoProblem> problems;  // the files that did not come back, and why
    PathBatch unmoved;                  // files of the run it never moved: they kept their names
    int journal_error = 0;              // the undo's journal could not be begun: nothing moved
    // The journal taken back is damaged: only the files of its first
    // readable_rows rows (of rows) could be looked for.
    bool damaged = false;
    uint64_t readable_rows = 0;
    uint64_t rows = 0;
};

// Whether the undo (or redo) knows where any file of the run is now: back,
// never moved, or left where the run put it. One from a journal damaged
// before its first row knows none, and has nothing to show for the run.
bool FoundAnyFile(const UndoOutcome& outcome);

// Whether a file that did not come back still lies where the journal last
// saw it.
inline bool LeftInPlace(const UndoProblem& problem) {
    return problem.reason == UndoReason::NameTaken || problem.reason == UndoReason::Failed;
}

// Takes back the rename run named id, or the one a plain Undo takes when id
// is empty, and records it undone once every file it moved is back. Returns
// 0, ENOENT when there is no such run (or nothing to undo), ENOTSUP when id
// names an undo or a redo, EBUSY when a living process holds the run's
// journal, or the errno value met reading a journal; the files' own fates
// are in outcome. Once stop is requested,
// no further file moves back: the rest fail with ECANCELED, left to the next
// undo.
int UndoRun(FileSystem& fs, JournalStore& journals, const std::string& id,
            UndoOutcome& outcome, const Progress& progress = {}, std::stop_token stop = {});

// Brings the rename run named id forward again after an undo, or the one a
// plain Redo takes when id is empty, and records it redone once every file
// is forward again. Returns as UndoRun, and EALREADY when the run was never
// undone.
int RedoRun(FileSystem& fs, JournalStore& journals, const std::string& id,
            UndoOutcome& outcome, const Progress& progress = {}, std::stop_token stop = {});

}  // namespace zentavo
