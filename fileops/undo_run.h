// Taking a rename run back: every file it moved goes back to its name from
// before the run, by the same moves and passes as a rename, never replacing
// anything. An undo writes a journal of its own, so it can be undone too.
#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "core/code_page.h"
#include "fileops/file_system.h"
#include "fileops/journal_store.h"
#include "fileops/progress.h"
#include "fileops/undo_plan.h"

namespace zentavo {

struct UndoOutcome {
    std::string run_id;                 // the run taken back
    std::string undo_id;                // the undo's own journal; empty when it moved nothing
    std::vector<std::string> restored;  // names from before the run that hold their file again
    std::vector<UndoProblem> problems;  // the files that did not come back, and why
    std::vector<std::string> unmoved;   // files of the run it never moved: they kept their names
    int journal_error = 0;              // the undo's journal could not be begun: nothing moved
};

// The run a plain undo takes back: the newest one not undone yet. An undo
// that was cut short is finished rather than taken back: its run is picked
// again. runs are newest first, as JournalStore::List gives them.
std::optional<std::string> RunToUndo(const std::vector<RunSummary>& runs);

// Takes back the run named id, or the one RunToUndo picks when id is empty.
// Returns 0, ENOENT when there is no such run, or the errno value met
// reading its journal; the files' own fates are in outcome.
// page reads the paths of the run. Once stop is requested, no further file
// moves back: the rest fail with ECANCELED, left to the next undo.
int UndoRun(FileSystem& fs, const CodePage& page, JournalStore& journals, const std::string& id,
            UndoOutcome& outcome, const Progress& progress = {}, std::stop_token stop = {});

}  // namespace zentavo
