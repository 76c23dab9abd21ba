// The rename list together with the rule that ties drops to rename runs: once
// a run has ended, the next drop starts a fresh list.
#pragma once

#include <shared_mutex>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "core/rename_list.h"
#include "engine/file_collection.h"
#include "engine/file_system.h"
#include "engine/progress.h"
#include "engine/rename_run.h"
#include "journal/journal_store.h"
#include "journal/undo_run.h"

namespace zentavo {

struct DropOutcome {
    size_t added = 0;
    bool list_has_rows = false;  // "Set Filenames" can be used
    bool rows_added = false;     // the new rows have no names: "Rename" must wait
    std::vector<ReadProblem> problems;
    size_t subfolders_skipped = 0;  // passed over for want of recursion
};

class RenameSession {
public:
    // page reads the listed paths and the pattern; the list spells its paths
    // as fs does.
    RenameSession(FileSystem& fs, const CodePage& page)
        : fs_(fs), page_(page), list_(fs.syntax()) {}

    const CodePage& page() const { return page_; }

    RenameList& list() { return list_; }
    const RenameList& list() const { return list_; }
    bool stale() const { return stale_; }

    // Held exclusively while the session changes the rows or their names (a
    // drop, naming, an undo), so that another thread may read them meanwhile:
    // a reader takes it shared, and should only try, since a change may last
    // long.
    std::shared_mutex& list_writing() const { return list_writing_; }

    // Adds the files of the dropped paths, in the order given; each folder's
    // own files always, those of its subfolders when recurse is set. After a
    // rename run the list is emptied first.
    DropOutcome Drop(const std::vector<std::string>& paths, bool recurse,
                     const Progress& progress = {});

    // The same in two steps, for a caller that lets others read the list
    // while the disk is searched: GatherDrop reads the disk and leaves the
    // session alone; AddGathered changes the list. A drop stopped while it
    // gathers is only good to be thrown away.
    Gathered GatherDrop(const std::vector<std::string>& paths, bool recurse,
                        const Progress& progress = {}, std::stop_token stop = {}) const;
    DropOutcome AddGathered(Gathered gathered);

    // Gives every row its new name by pattern; false when a name came out
    // empty (see the core's SetFilenames).
    bool SetFilenames(std::string_view pattern);

    // Renames the Pending rows and ends the list's run: the next drop starts
    // afresh. With journals, the run writes its journal there first, and
    // renames nothing when it cannot. Once stop is requested, the run makes
    // no further move (see RenameRun::StopWhen).
    RenameOutcome Rename(const Progress& progress = {}, JournalStore* journals = nullptr,
                         std::stop_token stop = {});

    // Takes back a run (id, or the one a plain undo picks when empty) and
    // makes every file of the run a fresh list of Pending rows, under the
    // name it has now; an undo that found no file of the run (FoundAnyFile)
    // leaves the list as it was. Once stop is requested, no further file moves back.
    int Undo(JournalStore& journals, const std::string& id, UndoOutcome& outcome,
             const Progress& progress = {}, std::stop_token stop = {});
    // Brings a run forward again (id, or the one a plain redo picks when
    // empty) and makes every file of the run a fresh list likewise.
    int Redo(JournalStore& journals, const std::string& id, UndoOutcome& outcome,
             const Progress& progress = {}, std::stop_token stop = {});

private:
    int WritePlan(const MoveList& moves, JournalWriter& writer);
    void ListRestored(const UndoOutcome& outcome);

    FileSystem& fs_;
    CodePage page_;
    RenameList list_;
    FolderIdentities listed_folders_;  // of the rows' folders, as the drops read them
    mutable std::shared_mutex list_writing_;
    bool stale_ = false;
};

}  // namespace zentavo
