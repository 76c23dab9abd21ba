#include "journal/undo_run.h"

#include <algorithm>
#include <cerrno>

#include "engine/lexical_path.h"
#include "engine/path_index.h"
#include "engine/path_keys.h"
#include "engine/rename_run.h"
#include "journal/journal_writer.h"
#include "journal/run_history.h"

namespace zentavo {

namespace {

UndoReason ReasonOf(int error) {
    switch (error) {
        case EEXIST:
            return UndoReason::NameTaken;
        case ENOENT:
            return UndoReason::Gone;
        default:
            return UndoReason::Failed;
    }
}

// Where each segment of the moves ends: within one, no two moves leave the
// same name or arrive at the same name, so a rename run can make them in
// whatever order the passes find.
std::vector<size_t> SegmentEnds(const MoveList& moves, PathSyntax syntax) {
    std::vector<size_t> ends;
    PathKeys keys(syntax);
    std::string path;
    PathIndex froms(moves.count(), [&](uint32_t i) { return keys(moves.from(i, path)); });
    PathIndex tos(moves.count(), [&](uint32_t i) { return keys(moves.to(i, path)); });
    std::string from_path;
    std::string to_path;
    for (size_t i = 0; i < moves.count(); ++i) {
        const std::string_view from = keys(moves.from(i, from_path));
        const std::string_view to = keys(moves.to(i, to_path));
        if (froms.Find(from) != PathIndex::kNone || tos.Find(to) != PathIndex::kNone) {
            ends.push_back(i);
            froms.ForgetBelow(uint32_t(i));
            tos.ForgetBelow(uint32_t(i));
        }
        froms.Put(from, uint32_t(i));
        tos.Put(to, uint32_t(i));
    }
    ends.push_back(moves.count());
    return ends;
}

// Returns 0 or the error that kept the undo's journal from being begun.
// Each segment is made in passes like a rename run, its moves in the list's
// order of their sources; the journal's plan holds them in that order.
int MoveBack(FileSystem& fs, JournalStore& journals, RunKind kind, const RunHeader& run,
             UndoPlan& plan, UndoOutcome& outcome, const Progress& progress, std::stop_token stop) {
    MoveList& moves = plan.moves;
    RunHeader header;
    header.kind = kind;
    header.undoes = run.id;
    header.rows = moves.count();
    std::string from;
    std::string to;
    header.first_folder = FolderOf(moves.to(0, to), fs.syntax());
    const std::vector<size_t> ends = SegmentEnds(moves, fs.syntax());
    for (size_t segment = 0, first = 0; segment < ends.size(); first = ends[segment++])
        moves.SortByFrom(first, ends[segment]);
    JournalWriter writer(journals.clock());
    int error = journals.Create(header, writer);
    if (error == 0) {
        for (size_t i = 0; i < moves.count(); ++i)
            writer.Plan(moves.from(i, from), moves.to(i, to), moves.identity(i));
        error = writer.SealPlan();
    }
    if (error != 0) {
        writer.Finish(0, 0);
        return error;
    }
    for (size_t segment = 0, first = 0; segment < ends.size(); first = ends[segment++]) {
        RenameRun segment_run(fs, moves, first, ends[segment], progress, writer, header.id);
        segment_run.StopWhen(stop);
        segment_run.Run();
    }
    size_t moved = 0;
    for (size_t i = 0; i < moves.count(); ++i) moved += moves.mark(i) == RowMark::Renamed;
    writer.Finish(moved, moves.count() - moved);
    if (writer.steps() > 0) outcome.undo_id = header.id;

    // A file is back when every move of it went; else its first failure says why.
    std::vector<bool> failed(plan.originals.size(), false);
    for (size_t i = 0; i < moves.count(); ++i) {
        const uint32_t file = moves.origin(i);
        if (moves.mark(i) == RowMark::Renamed || failed[file]) continue;
        failed[file] = true;
        const int why = moves.failure(i);
        outcome.problems.push_back(
            {std::string(moves.text(plan.originals[file])), moves.from(i, from),
             ReasonOf(why), why});
    }
    // Only the paths are read from here on.
    moves.ForgetMoves();
    size_t back = 0;
    size_t bytes = 0;
    for (size_t file = 0; file < plan.originals.size(); ++file) {
        if (failed[file]) continue;
        ++back;
        bytes += plan.originals[file].size;
    }
    outcome.restored.ReserveMore(back, bytes);
    for (size_t file = 0; file < plan.originals.size(); ++file)
        if (!failed[file]) outcome.restored.Add(moves.text(plan.originals[file]));
    journals.Prune(header.id);
    return 0;
}

// Takes back the journal the history names for the rename run (its own, or
// that of its newest undo or redo), holding the run's journal meanwhile.
int TakeBack(FileSystem& fs, JournalStore& journals, const std::string& id, bool undo,
             UndoOutcome& outcome, const Progress& progress, std::stop_token stop) {
    outcome = UndoOutcome{};
    std::vector<RunSummary> runs;
    if (const int error = journals.List(runs); error != 0) return error;
    std::string chosen = id;
    if (chosen.empty()) {
        const History history = NextInHistory(runs);
        const std::optional<HistoryEntry>& next = undo ? history.undo : history.redo;
        if (!next) return ENOENT;
        chosen = next->run_id;
    }
    const auto listed = std::find_if(
        runs.begin(), runs.end(), [&](const RunSummary& run) { return run.header.id == chosen; });
    if (listed == runs.end()) return ENOENT;
    if (listed->header.kind != RunKind::Rename) return ENOTSUP;
    outcome.run_id = chosen;
    const std::optional<std::string> source = RunToTakeBack(runs, chosen, undo);
    if (!source) return EALREADY;

    HeldRun held;
    if (const int error = journals.Hold(chosen, held); error != 0) return error;
    RunRecord other;
    if (*source != chosen) {
        if (const int error = journals.Read(*source, other); error != 0) return error;
    }
    RunRecord& run = *source == chosen ? held.run : other;

    outcome.readable_rows = run.plan.count();
    outcome.rows = run.header.rows;
    // The plan takes the record's paths over: the record's steps and notes
    // would only add to what a large run keeps while its files move (and
    // given {}, a vector would keep its block).
    UndoPlan plan = PlanUndo(run, fs);
    run.steps = std::vector<MoveStep>();
    run.notes = std::vector<StepNote>();
    run.batches = std::vector<StepBatch>();
    for (const Leftover& leftover : plan.leftovers)
        fs.RemoveIfSame(leftover.path, leftover.identity);
    outcome.restored = std::move(plan.already_back);
    outcome.problems = std::move(plan.problems);
    outcome.unmoved = std::move(plan.unmoved);
    outcome.damaged = plan.damaged;
    if (!plan.moves.empty()) {
        const RunKind kind = undo ? RunKind::Undo : RunKind::Redo;
        const int error = MoveBack(fs, journals, kind, run.header, plan, outcome, progress, stop);
        if (error != 0) {
            outcome.journal_error = error;
            return 0;
        }
    }
    // A file left where it was, one the journal lost, or a cancel keeps the
    // run where it stands in the history, for the next undo to finish.
    if (outcome.problems.empty() && !outcome.damaged && !stop.stop_requested())
        journals.Mark(held, undo, journals.clock()());
    return 0;
}

}  // namespace

int UndoRun(FileSystem& fs, JournalStore& journals, const std::string& id, UndoOutcome& outcome,
            const Progress& progress, std::stop_token stop) {
    return TakeBack(fs, journals, id, true, outcome, progress, std::move(stop));
}

int RedoRun(FileSystem& fs, JournalStore& journals, const std::string& id, UndoOutcome& outcome,
            const Progress& progress, std::stop_token stop) {
    return TakeBack(fs, journals, id, false, outcome, progress, std::move(stop));
}

bool FoundAnyFile(const UndoOutcome& outcome) {
    return !outcome.restored.empty() || !outcome.unmoved.empty() ||
           std::any_of(outcome.problems.begin(), outcome.problems.end(), LeftInPlace);
}

}  // namespace zentavo
