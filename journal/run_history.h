// The history that Undo and Redo walk, as editors and file managers have it.
//
// Its steps are the rename runs. Undo takes back the newest rename run that
// stands; pressed again, the one before it. Redo re-applies the run undone
// last, then the one undone before it. A new rename run clears what can be
// redone. Undos and redos move along the history and are never steps of it:
// no Undo takes back an undo.
//
// A run counts as undone only once every file it moved is back, and as
// redone only once every one is forward again: an undo or a redo that was
// cut short, or left files where they were, leaves the run in its place for
// the next Undo or Redo to retry. A run whose journal a living process holds
// (the run itself still going, or an undo or redo of it under way) is
// offered in neither direction.
//
// A front end reads the history when it needs it (ReadHistory), shows what
// each direction would act on ("Undo Rename of 1,204 Files" from
// history.undo->files), and acts with UndoRun or RedoRun (undo_run.h) with
// an empty id, which take the same runs ReadHistory names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal.h"

namespace zentavo {

class JournalStore;

struct HistoryEntry {
    std::string run_id;  // always a rename run
    uint64_t files = 0;  // the files it renamed; of a run cut short, those it recorded
};

struct History {
    std::optional<HistoryEntry> undo;  // what Undo takes back next
    std::optional<HistoryEntry> redo;  // what Redo re-applies next
};

// runs newest first, as JournalStore::List gives them.
History NextInHistory(const std::vector<RunSummary>& runs);

// Returns 0 or the errno value met listing the journals; a missing journal
// folder is an empty history.
int ReadHistory(JournalStore& journals, History& history);

// The rename run that the run id belongs to: itself for a rename run, else
// the run its undos and redos lead back to. Empty when that is not listed.
std::string RenameRunOf(const std::vector<RunSummary>& runs, const std::string& id);

// The run whose moves an undo of the rename run rename_id takes back (the
// run itself, or its newest redo), or a redo takes back (its newest undo;
// none when it was never undone).
std::optional<std::string> RunToTakeBack(const std::vector<RunSummary>& runs,
                                         const std::string& rename_id, bool undo);

}  // namespace zentavo
