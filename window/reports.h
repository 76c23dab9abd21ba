// The messages the window shows when its work ends, composed from what the
// work returned: which box, its caption, its text and its detail.
#pragma once

#include <string_view>
#include <vector>

#include "core/rename_list.h"
#include "engine/file_collection.h"
#include "engine/rename_run.h"
#include "journal/journal_store.h"
#include "journal/undo_run.h"
#include "window/message.h"

namespace zentavo {

// The paths of a drop that could not be read, with their reasons.
Report DropProblemsReport(const std::vector<ReadProblem>& problems);

// The end of a rename run over list: the counts, the first failed rows with
// their reasons, where files were left or saved, and whether its journal in
// journal_folder missed some of it.
Report RenameSummaryReport(const RenameOutcome& outcome, const RenameList& list,
                           std::string_view journal_folder);

// The question before renaming without a journal: journals could not begin
// one (error), or refused their folder as not the user's alone.
Question WithoutJournalQuestion(int error, const JournalStore& journals);

// The end of an undo, or of a redo: error is what reading the journal met
// (ENOENT: nothing to act on, EBUSY: the run is under way elsewhere),
// journals where it was read and where the undo journals itself, syntax how
// the file system that the undo moved in spells its paths.
Report UndoReport(bool redo, int error, const UndoOutcome& outcome, const JournalStore& journals,
                  PathSyntax syntax);

// The offer to undo a run that did not end.
Question InterruptedRunQuestion(const RunSummary& run);

}  // namespace zentavo
