#include "journal/run_history.h"

#include <algorithm>

#include "journal/journal_store.h"

namespace zentavo {

namespace {

const RunSummary* Find(const std::vector<RunSummary>& runs, const std::string& id) {
    const auto found = std::find_if(runs.begin(), runs.end(),
                                    [&](const RunSummary& run) { return run.header.id == id; });
    return found == runs.end() ? nullptr : &*found;
}

HistoryEntry EntryOf(const RunSummary& run) {
    return {run.header.id, run.renamed()};
}

}  // namespace

std::string RenameRunOf(const std::vector<RunSummary>& runs, const std::string& id) {
    const RunSummary* run = Find(runs, id);
    // Each step leads to an older run, so a chain longer than the list is a
    // loop of forged ids.
    for (size_t hops = 0; run && hops <= runs.size(); ++hops) {
        if (run->header.kind == RunKind::Rename) return run->header.id;
        run = Find(runs, run->header.undoes);
    }
    return {};
}

std::optional<std::string> RunToTakeBack(const std::vector<RunSummary>& runs,
                                         const std::string& rename_id, bool undo) {
    for (const RunSummary& run : runs) {
        const bool forward = run.header.kind != RunKind::Undo;
        if (forward == undo && RenameRunOf(runs, run.header.id) == rename_id)
            return run.header.id;
    }
    return std::nullopt;
}

History NextInHistory(const std::vector<RunSummary>& runs) {
    History history;
    std::optional<int64_t> newest_start;
    for (const RunSummary& run : runs) {
        if (run.header.kind != RunKind::Rename) continue;
        if (!newest_start) newest_start = run.header.started_ns;
        if (run.running) continue;
        if (!run.undone_ns) {
            if (!history.undo) history.undo = EntryOf(run);
            continue;
        }
        // Undone before the newest rename run began: that run cleared it.
        if (*run.undone_ns < *newest_start) continue;
        const RunSummary* best = history.redo ? Find(runs, history.redo->run_id) : nullptr;
        if (!best || *run.undone_ns > *best->undone_ns) history.redo = EntryOf(run);
    }
    return history;
}

int ReadHistory(JournalStore& journals, History& history) {
    std::vector<RunSummary> runs;
    history = History{};
    if (const int error = journals.List(runs); error != 0) return error;
    history = NextInHistory(runs);
    return 0;
}

}  // namespace zentavo
