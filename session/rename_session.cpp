#include "session/rename_session.h"

#include <mutex>
#include <unordered_map>

#include "core/rename_pattern.h"
#include "engine/lexical_path.h"

namespace zentavo {

DropOutcome RenameSession::Drop(const std::vector<std::string>& paths, bool recurse,
                                const Progress& progress) {
    return AddGathered(GatherDrop(paths, recurse, progress));
}

Gathered RenameSession::GatherDrop(const std::vector<std::string>& paths, bool recurse,
                                   const Progress& progress, std::stop_token stop) const {
    Gathered gathered;
    for (const std::string& path : paths) GatherFiles(fs_, path, recurse, gathered, progress, stop);
    return gathered;
}

DropOutcome RenameSession::AddGathered(Gathered gathered) {
    std::unique_lock writing(list_writing_);
    if (stale_) {
        stale_ = false;
        list_.RemoveAll();
        listed_folders_.clear();
    }
    listed_folders_.merge(gathered.folders);
    // One sorted merge for the whole drop rather than a search and an insert
    // per file; the rows come out as if inserted one by one.
    DropOutcome outcome;
    outcome.added = list_.InsertNew(std::move(gathered.files));
    outcome.rows_added = outcome.added > 0;
    outcome.list_has_rows = !list_.empty();
    outcome.problems = std::move(gathered.problems);
    outcome.subfolders_skipped = gathered.subfolders_skipped;
    return outcome;
}

bool RenameSession::SetFilenames(std::string_view pattern) {
    std::unique_lock writing(list_writing_);
    return zentavo::SetFilenames(list_, pattern, page_);
}

RenameOutcome RenameSession::Rename(const Progress& progress, JournalStore* journals,
                                    std::stop_token stop) {
    RunHeader header;
    header.kind = RunKind::Rename;
    for (size_t row = 0; row < list_.count(); ++row) {
        if (!RunWillTry(list_, row)) continue;
        if (header.rows++ == 0) header.first_folder = FolderOf(list_.path(row), list_.syntax());
    }
    if (journals == nullptr || header.rows == 0) {
        fs_.ExpectFolders(listed_folders_);
        RenameRun run(fs_, list_, page_, progress);
        run.StopWhen(stop);
        RenameOutcome outcome = run.Run();
        stale_ = true;
        return outcome;
    }
    RenameOutcome outcome;
    JournalWriter writer(journals->clock());
    MoveList moves = MovesOf(list_, page_);
    outcome.journal_error = journals->Create(header, writer);
    if (outcome.journal_error == 0) outcome.journal_error = WritePlan(moves, writer);
    if (outcome.journal_error != 0) {
        writer.Finish(0, 0);
        return outcome;
    }
    fs_.ExpectFolders(listed_folders_);
    RenameRun run(fs_, list_, moves, progress, writer, header.id);
    run.StopWhen(std::move(stop));
    outcome = run.Run();
    outcome.journal_write_error = writer.Finish(outcome.renamed, outcome.failed);
    if (writer.steps() > 0) outcome.run_id = header.id;
    journals->Prune(header.id);
    stale_ = true;
    return outcome;
}

// The identity of every planned file: the inode its listing gave, on the
// device of its folder (one look per folder), or a look at the file itself
// where the listing gave none.
int RenameSession::WritePlan(const MoveList& moves, JournalWriter& writer) {
    std::unordered_map<std::string, uint64_t> devices;
    std::string folder;
    uint64_t device = 0;
    std::string path;
    std::string target;
    for (size_t i = 0; i < moves.count(); ++i) {
        moves.from(i, path);
        const uint64_t inode = list_.inode(moves.origin(i));
        FileIdentity identity;
        if (inode != 0) {
            const std::string_view this_folder = std::string_view(path).substr(
                0, path.find_last_of(Separators(list_.syntax())) + 1);
            if (this_folder != folder) {
                folder = this_folder;
                const auto [slot, added] = devices.try_emplace(folder, 0);
                if (FileStamp stamp; added && fs_.Stamp(folder, stamp) == 0)
                    slot->second = stamp.identity.device;
                device = slot->second;
            }
            identity = {device, inode};
        } else if (FileStamp stamp; fs_.Stamp(path, stamp) == 0) {
            identity = stamp.identity;
        }
        writer.Plan(path, moves.to(i, target), identity);
    }
    return writer.SealPlan();
}

int RenameSession::Undo(JournalStore& journals, const std::string& id, UndoOutcome& outcome,
                        const Progress& progress, std::stop_token stop) {
    if (const int error = UndoRun(fs_, journals, id, outcome, progress, std::move(stop));
        error != 0)
        return error;
    ListRestored(outcome);
    return 0;
}

int RenameSession::Redo(JournalStore& journals, const std::string& id, UndoOutcome& outcome,
                        const Progress& progress, std::stop_token stop) {
    if (const int error = RedoRun(fs_, journals, id, outcome, progress, std::move(stop));
        error != 0)
        return error;
    ListRestored(outcome);
    return 0;
}

void RenameSession::ListRestored(const UndoOutcome& outcome) {
    if (outcome.journal_error != 0 || !FoundAnyFile(outcome)) return;
    // Every file of the run, under the name it has now: back, never moved,
    // or left where the run (or the undo) put it. The old rows go first, so
    // that the list is never held twice.
    std::unique_lock writing(list_writing_);
    list_.RemoveAll();
    listed_folders_.clear();
    PathBatch rows = outcome.restored;
    size_t bytes = 0;
    for (size_t i = 0; i < outcome.unmoved.size(); ++i) bytes += outcome.unmoved[i].size();
    rows.ReserveMore(outcome.unmoved.size() + outcome.problems.size(), bytes);
    for (size_t i = 0; i < outcome.unmoved.size(); ++i) rows.Add(outcome.unmoved[i]);
    for (const UndoProblem& problem : outcome.problems)
        if (LeftInPlace(problem)) rows.Add(problem.at);
    list_.InsertNew(std::move(rows));
    stale_ = false;
}

}  // namespace zentavo
