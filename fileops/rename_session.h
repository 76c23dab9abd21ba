// The rename list together with the rule that ties drops to rename runs: once
// a run has ended, the next drop starts a fresh list.
#pragma once

#include <string>
#include <vector>

#include "core/rename_list.h"
#include "fileops/file_collection.h"
#include "fileops/file_system.h"
#include "fileops/journal_store.h"
#include "fileops/progress.h"
#include "fileops/rename_run.h"
#include "fileops/undo_run.h"

namespace zentavo {

struct DropOutcome {
    size_t added = 0;
    bool list_has_rows = false;  // "Set Filenames" can be used
    bool rows_added = false;     // the new rows have no names: "Rename" must wait
    std::vector<ReadProblem> problems;
};

class RenameSession {
public:
    // page reads the listed paths and the pattern.
    RenameSession(FileSystem& fs, const CodePage& page, PathSyntax syntax = kNativeSyntax)
        : fs_(fs), page_(page), list_(syntax) {}

    const CodePage& page() const { return page_; }

    RenameList& list() { return list_; }
    const RenameList& list() const { return list_; }
    bool stale() const { return stale_; }

    // Adds the files of the dropped paths, in the order given; each folder's
    // own files always, those of its subfolders when recurse is set. After a
    // rename run the list is emptied first.
    DropOutcome Drop(const std::vector<std::string>& paths, bool recurse,
                     const Progress& progress = {});

    // Renames the Pending rows and ends the list's run: the next drop starts
    // afresh. With journals, the run writes its journal there first, and
    // renames nothing when it cannot.
    RenameOutcome Rename(const Progress& progress = {}, JournalStore* journals = nullptr);

    // Takes back a run (id, or the one a plain undo picks when empty) and
    // makes the files it brought back a fresh list of Pending rows.
    int Undo(JournalStore& journals, const std::string& id, UndoOutcome& outcome,
             const Progress& progress = {});

private:
    int WritePlan(std::vector<uint32_t>& plan_rows, JournalWriter& writer);

    FileSystem& fs_;
    CodePage page_;
    RenameList list_;
    bool stale_ = false;
};

}  // namespace zentavo
