#include "fileops/rename_session.h"

namespace zentavo {

DropOutcome RenameSession::Drop(const std::vector<std::string>& paths, bool recurse,
                                const Progress& progress) {
    if (stale_) {
        stale_ = false;
        list_.RemoveAll();
    }
    // One sorted merge for the whole drop rather than a search and an insert
    // per file; the rows come out as if inserted one by one.
    Gathered gathered;
    for (const std::string& path : paths) GatherFiles(fs_, path, 0, recurse, gathered, progress);

    DropOutcome outcome;
    outcome.added = list_.InsertNew(std::move(gathered.files));
    outcome.rows_added = outcome.added > 0;
    outcome.list_has_rows = !list_.empty();
    outcome.problems = std::move(gathered.problems);
    return outcome;
}

RenameOutcome RenameSession::Rename(const Progress& progress) {
    RenameOutcome outcome = RenameRun(fs_, list_, progress).Run();
    stale_ = true;
    return outcome;
}

}  // namespace zentavo
