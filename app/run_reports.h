// The messages the window shows when its work ends, composed from what the
// work returned: which box, its caption, its text and its detail.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include <QString>

#include "app/message_boxes.h"
#include "core/rename_list.h"
#include "engine/file_collection.h"
#include "engine/rename_run.h"
#include "journal/journal_store.h"
#include "journal/undo_run.h"

namespace zentavo {

struct Report {
    MessageIcon icon = MessageIcon::Information;
    QString caption;
    QString text;
    QString detail;
};

// The paths of a drop that could not be read, with their reasons.
Report DropProblemsReport(const std::vector<ReadProblem>& problems);

// The end of a rename run: the counts, the first failed rows with their
// reasons (failure_reason of a row), where files were left or saved, and
// whether its journal in journal_folder missed some of it.
Report RenameSummaryReport(const RenameOutcome& outcome, const RenameList& list,
                           const std::function<QString(size_t row)>& failure_reason,
                           std::string_view journal_folder);

// The question before renaming without a journal: journals could not begin
// one (error), or refused their folder as not the user's alone.
QString WithoutJournalQuestion(int error, const JournalStore& journals);

// The end of an undo, or of a redo: error is what reading the journal met
// (ENOENT: nothing to act on, EBUSY: the run is under way elsewhere),
// journals where it was read and where the undo journals itself.
Report UndoReport(bool redo, int error, const UndoOutcome& outcome, const JournalStore& journals);

}  // namespace zentavo
