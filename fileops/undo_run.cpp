#include "fileops/undo_run.h"

#include <algorithm>
#include <cerrno>
#include <unordered_set>

#include "core/path_batch.h"
#include "core/rename_list.h"
#include "fileops/journal_writer.h"
#include "fileops/lexical_path.h"
#include "fileops/rename_run.h"
#include "fileops/run_history.h"

namespace zentavo {

namespace {

// A journal holds the paths of the system that wrote it, this one.
std::string NameOf(const std::string& path) {
    const size_t separator = path.find_last_of(Separators(kNativeSyntax));
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

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

// Moves of one segment: no two leave the same name or arrive at the same
// name, so a rename run can make them in whatever order the passes find.
struct Segment {
    std::vector<size_t> moves;  // indexes into the plan's moves
};

std::vector<Segment> Segments(const std::vector<UndoMove>& moves) {
    std::vector<Segment> segments(1);
    std::unordered_set<std::string> froms;
    std::unordered_set<std::string> tos;
    for (size_t i = 0; i < moves.size(); ++i) {
        const std::string from = LexicalKey(moves[i].from, kNativeSyntax);
        const std::string to = LexicalKey(moves[i].to, kNativeSyntax);
        if (froms.count(from) || tos.count(to)) {
            segments.emplace_back();
            froms.clear();
            tos.clear();
        }
        froms.insert(from);
        tos.insert(to);
        segments.back().moves.push_back(i);
    }
    return segments;
}

// Makes the moves segment by segment, each in passes like a rename run.
// error[i] is what became of move i. The moves' targets are handed to the
// runs rather than copied, and are left empty.
void MoveInPasses(FileSystem& fs, const CodePage& page, JournalWriter& writer,
                  std::vector<UndoMove>& moves, std::vector<int>& error,
                  const Progress& progress, std::stop_token stop) {
    error.assign(moves.size(), ECANCELED);
    for (Segment& segment : Segments(moves)) {
        std::sort(segment.moves.begin(), segment.moves.end(), [&](size_t a, size_t b) {
            return RenameList::PathLess(moves[a].from, moves[b].from);
        });
        RenameList list(kNativeSyntax);
        PathBatch froms;
        std::vector<std::string> targets;
        std::vector<uint32_t> plan_rows;
        targets.reserve(segment.moves.size());
        plan_rows.reserve(segment.moves.size());
        for (const size_t i : segment.moves) {
            froms.Add(moves[i].from);
            targets.push_back(std::move(moves[i].to));
            plan_rows.push_back(uint32_t(i));
        }
        list.InsertNew(std::move(froms));
        for (size_t row = 0; row < list.count(); ++row) list.SetNewName(row, NameOf(targets[row]));
        RenameRun run(fs, list, page, progress, writer, writer.run_id(), std::move(plan_rows),
                      &targets);
        run.StopWhen(stop);
        run.Run();
        for (size_t row = 0; row < list.count(); ++row)
            error[segment.moves[row]] = list.mark(row) == RowMark::Renamed ? 0 : list.failure(row);
    }
}

// Returns 0 or the error that kept the undo's journal from being begun.
int MoveBack(FileSystem& fs, const CodePage& page, JournalStore& journals, RunKind kind,
             const RunHeader& run, UndoPlan& plan, UndoOutcome& outcome,
             const Progress& progress, std::stop_token stop) {
    RunHeader header;
    header.kind = kind;
    header.undoes = run.id;
    header.rows = plan.moves.size();
    header.first_folder = FolderOf(plan.moves.front().to);
    JournalWriter writer(journals.clock());
    int error = journals.Create(header, writer);
    if (error == 0) {
        for (const UndoMove& move : plan.moves) writer.Plan({move.from, move.to, move.identity});
        error = writer.SealPlan();
    }
    if (error != 0) {
        writer.Finish(0, 0);
        return error;
    }
    std::vector<int> errors;
    MoveInPasses(fs, page, writer, plan.moves, errors, progress, std::move(stop));
    size_t moved = 0;
    for (const int e : errors) moved += e == 0;
    writer.Finish(moved, plan.moves.size() - moved);
    if (writer.steps() > 0) outcome.undo_id = header.id;

    // A file is back when every move of it went; else its first failure says why.
    std::vector<bool> failed(plan.originals.size(), false);
    for (size_t i = 0; i < plan.moves.size(); ++i) {
        const UndoMove& move = plan.moves[i];
        if (errors[i] == 0 || failed[move.file]) continue;
        failed[move.file] = true;
        outcome.problems.push_back(
            {plan.originals[move.file], move.from, ReasonOf(errors[i]), errors[i]});
    }
    for (size_t file = 0; file < plan.originals.size(); ++file)
        if (!failed[file]) outcome.restored.push_back(std::move(plan.originals[file]));
    journals.Prune(header.id);
    return 0;
}

// Takes back the journal the history names for the rename run (its own, or
// that of its newest undo or redo), holding the run's journal meanwhile.
int TakeBack(FileSystem& fs, const CodePage& page, JournalStore& journals, const std::string& id,
             bool undo, UndoOutcome& outcome, const Progress& progress, std::stop_token stop) {
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
    const auto listed = std::find_if(runs.begin(), runs.end(),
                                     [&](const RunSummary& run) { return run.header.id == chosen; });
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

    UndoPlan plan = PlanUndo(run, fs);
    outcome.readable_rows = run.plan.size();
    outcome.rows = run.header.rows;
    // The plan holds every path the moves need: the record's own copies of
    // them would double what a large run keeps while its files move.
    run.plan = {};
    run.steps = {};
    for (const Leftover& leftover : plan.leftovers)
        fs.RemoveIfSame(leftover.path, leftover.identity);
    outcome.restored = std::move(plan.already_back);
    outcome.problems = std::move(plan.problems);
    outcome.unmoved = std::move(plan.unmoved);
    outcome.damaged = plan.damaged;
    if (!plan.moves.empty()) {
        const RunKind kind = undo ? RunKind::Undo : RunKind::Redo;
        const int error = MoveBack(fs, page, journals, kind, run.header, plan, outcome, progress, stop);
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

int UndoRun(FileSystem& fs, const CodePage& page, JournalStore& journals, const std::string& id,
            UndoOutcome& outcome, const Progress& progress, std::stop_token stop) {
    return TakeBack(fs, page, journals, id, true, outcome, progress, std::move(stop));
}

int RedoRun(FileSystem& fs, const CodePage& page, JournalStore& journals, const std::string& id,
            UndoOutcome& outcome, const Progress& progress, std::stop_token stop) {
    return TakeBack(fs, page, journals, id, false, outcome, progress, std::move(stop));
}

bool FoundAnyFile(const UndoOutcome& outcome) {
    return !outcome.restored.empty() || !outcome.unmoved.empty() ||
           std::any_of(outcome.problems.begin(), outcome.problems.end(), LeftInPlace);
}

}  // namespace zentavo
