#include "window/window_logic.h"

#include <memory>
#include <utility>

#include "engine/target_check.h"
#include "journal/run_history.h"
#include "journal/undo_run.h"
#include "window/reports.h"

namespace zentavo {

namespace {

// Naming this many rows takes a few milliseconds, and looking at their
// targets as many: no thread is worth it.
constexpr size_t kRowsNamedHere = 20000;
constexpr size_t kRowsCheckedHere = 2000;

}  // namespace

WindowLogic::WindowLogic(WindowFrontEnd& front_end, FileSystem& fs, JournalStore journals,
                         const CodePage& page)
    : front_(front_end),
      fs_(fs),
      journals_(std::move(journals)),
      session_(fs_, page),
      job_([this](std::function<void()> task) { front_.Post(std::move(task)); }),
      check_job_([this](std::function<void()> task) { front_.Post(std::move(task)); }) {
    ReadHistory();
}

WindowLogic::~WindowLogic() {
    StopJobs();
}

void WindowLogic::StopJobs() {
    job_.StopAndWait();
    check_job_.StopAndWait();
}

JobProgress WindowLogic::progress() const {
    JobProgress progress;
    progress.done = job_.done();
    progress.cancellable = job_.stoppable();
    progress.cancelling = job_.stop_requested();
    const size_t total = job_.total();
    switch (job_kind_) {
        case Job::Drop:
            // Once the files are found they go into the list in one piece,
            // which cannot be stopped halfway.
            progress.text = progress.cancellable
                                ? Message(TextId::LookingForFiles, {}, int(progress.done))
                                : Message(TextId::AddingFiles, {}, int(total));
            break;
        case Job::SetFilenames:
            progress.text = Message(TextId::SettingNames, {}, int(session_.list().count()));
            break;
        case Job::Rename:
            progress.text = Message(TextId::Renaming, {Value::Count(progress.done)}, int(total));
            progress.total = total;
            progress.marks_rows = true;
            break;
        case Job::Undo:
            progress.text = Message(TextId::Undoing, {}, int(progress.done));
            break;
        case Job::Redo:
            progress.text = Message(TextId::Redoing, {}, int(progress.done));
            break;
    }
    if (progress.total == 0) progress.done = 0;
    return progress;
}

void WindowLogic::RunJob(Job job, std::function<void()> work, std::function<void()> done,
                         bool small) {
    StopCheck();
    job_kind_ = job;
    state_.busy = true;
    state_.undo_enabled = false;
    state_.redo_enabled = false;
    front_.JobStarted();
    front_.StateChanged();
    // Names cannot be left half done; a rename or an undo stops after the
    // move it is making.
    job_.Start(
        std::move(work), [this, done = std::move(done)] { JobFinished(done); },
        job != Job::SetFilenames, small);
}

void WindowLogic::JobFinished(const std::function<void()>& done) {
    state_.busy = false;
    front_.JobEnded();
    if (close_when_done_) {
        front_.Close();
        return;
    }
    done();
    if (job_.running()) return;
    ReadHistory();
    front_.StateChanged();
    if (!queued_drop_.empty()) Drop(std::exchange(queued_drop_, {}), queued_recurse_);
}

bool WindowLogic::Cancel() {
    return job_.RequestStop();
}

bool WindowLogic::Exit() {
    // Work under way stops first: a rename after the move it is making.
    if (!job_.running()) return true;
    close_when_done_ = true;
    Cancel();
    return false;
}

void WindowLogic::StartCheck() {
    StopCheck();
    if (!names_to_check_) return;
    auto problems = std::make_shared<std::vector<TargetProblem>>();
    check_job_.Start(
        [this, problems] {
            *problems =
                CheckTargets(fs_, session_.list(), session_.page(), check_job_.stop_token());
        },
        [this, problems] {
            if (!check_job_.stop_requested()) front_.ShowWarnings(std::move(*problems));
        },
        true, session_.list().count() <= kRowsCheckedHere);
}

void WindowLogic::StopCheck() {
    check_job_.StopAndWait();
}

void WindowLogic::Drop(const std::vector<std::string>& paths, bool recurse) {
    if (job_.running()) {
        queued_drop_.insert(queued_drop_.end(), paths.begin(), paths.end());
        queued_recurse_ = recurse;
        return;
    }
    auto outcome = std::make_shared<std::optional<DropOutcome>>();
    const auto progress = [this](size_t done, size_t total) { job_.Report(done, total); };
    // The list stays as it is until the files are all found: a drop that is
    // cancelled leaves nothing of itself.
    front_.RowsChanging(session_.stale());
    RunJob(
        Job::Drop,
        [this, paths, recurse, outcome, progress] {
            Gathered gathered = session_.GatherDrop(paths, recurse, progress, job_.stop_token());
            job_.Report(gathered.files.size(), gathered.files.size());
            if (!job_.Commit()) return;
            *outcome = session_.AddGathered(std::move(gathered));
        },
        [this, outcome] {
            if (!*outcome) return;
            front_.RowsChanged();
            if ((*outcome)->rows_added) state_.rename_enabled = false;
            state_.set_filenames_enabled = (*outcome)->list_has_rows;
            state_.only_subfolders =
                !(*outcome)->list_has_rows && (*outcome)->subfolders_skipped > 0;
            front_.StateChanged();
            StartCheck();
            if (!(*outcome)->problems.empty())
                front_.Tell(DropProblemsReport((*outcome)->problems));
        });
}

void WindowLogic::SetFilenames(const std::string& pattern) {
    if (job_.running()) return;
    auto all_named = std::make_shared<bool>(false);
    names_to_check_ = false;
    front_.ShowWarnings({});
    RunJob(
        Job::SetFilenames,
        [this, pattern, all_named] { *all_named = session_.SetFilenames(pattern); },
        [this, all_named] {
            front_.NamesChanged();
            state_.rename_enabled = *all_named;
            front_.StateChanged();
            names_to_check_ = true;
            StartCheck();
        },
        session_.list().count() <= kRowsNamedHere);
}

void WindowLogic::Rename() {
    if (job_.running()) return;
    RunRename(true);
}

void WindowLogic::RunRename(bool journaled) {
    // The marks the run sets end what the preview had to say.
    names_to_check_ = false;
    front_.ShowWarnings({});
    auto outcome = std::make_shared<RenameOutcome>();
    size_t pending = 0;
    for (size_t row = 0; row < session_.list().count(); ++row)
        pending += session_.list().mark(row) == RowMark::Pending;
    const auto progress = [this, pending](size_t renamed, size_t) {
        job_.Report(renamed, pending);
    };
    RunJob(
        Job::Rename,
        [this, outcome, progress, journaled] {
            progress(0, 0);
            *outcome =
                session_.Rename(progress, journaled ? &journals_ : nullptr, job_.stop_token());
        },
        [this, outcome] {
            if (outcome->journal_error != 0) {
                // Nothing was renamed: the user decides whether to go on.
                if (front_.Ask(WithoutJournalQuestion(outcome->journal_error, journals_))) {
                    RunRename(false);
                } else {
                    // The rows are as they were: the preview looks at them again.
                    names_to_check_ = true;
                    StartCheck();
                }
                return;
            }
            front_.AddNotes(outcome->notes);
            front_.NamesChanged();
            front_.RunEnded();
            front_.Tell(RenameSummaryReport(*outcome, session_.list(), journals_.folder()));
        });
}

void WindowLogic::ReadHistory() {
    History history;
    if (zentavo::ReadHistory(journals_, history) != 0) history = {};
    state_.undo_entry = history.undo ? Message(TextId::UndoEntry, {}, int(history.undo->files))
                                     : Message(TextId::UndoNothing);
    state_.redo_entry = history.redo ? Message(TextId::RedoEntry, {}, int(history.redo->files))
                                     : Message(TextId::RedoNothing);
    state_.undo_enabled = !job_.running() && history.undo.has_value();
    state_.redo_enabled = !job_.running() && history.redo.has_value();
}

void WindowLogic::RefreshHistory() {
    ReadHistory();
    front_.StateChanged();
}

void WindowLogic::Undo() {
    RunUndo(false);
}

void WindowLogic::Redo() {
    RunUndo(true);
}

void WindowLogic::RunUndo(bool redo) {
    if (job_.running()) return;
    auto outcome = std::make_shared<UndoOutcome>();
    auto error = std::make_shared<int>(0);
    const auto progress = [this](size_t done, size_t total) { job_.Report(done, total); };
    // The files that come back replace the list, if any do.
    front_.RowsChanging(true);
    RunJob(
        redo ? Job::Redo : Job::Undo,
        [this, outcome, error, progress, redo] {
            *error = redo ? session_.Redo(journals_, {}, *outcome, progress, job_.stop_token())
                          : session_.Undo(journals_, {}, *outcome, progress, job_.stop_token());
        },
        [this, outcome, error, redo] {
            if (*error != 0 || outcome->journal_error != 0 || !FoundAnyFile(*outcome)) {
                // Nothing moved and the list is as it was.
                StartCheck();
            } else {
                front_.RowsChanged();
                names_to_check_ = false;
                front_.RunEnded();
                // The files that came back are new rows without new names.
                state_.only_subfolders = false;
                state_.rename_enabled = false;
                state_.set_filenames_enabled = !session_.list().empty();
                front_.StateChanged();
            }
            front_.Tell(UndoReport(redo, *error, *outcome, journals_, fs_.syntax()));
        });
}

void WindowLogic::DeleteRows(std::vector<size_t> rows) {
    if (job_.running() || rows.empty()) return;
    StopCheck();
    front_.RemoveRows(std::move(rows));
    StartCheck();
}

void WindowLogic::OfferUndoOfInterruptedRun() {
    std::vector<RunSummary> runs;
    if (journals_.List(runs) != 0 || runs.empty()) return;
    if (runs.front().state() != RunState::Interrupted) return;
    if (front_.Ask(InterruptedRunQuestion(runs.front()))) Undo();
}

}  // namespace zentavo
