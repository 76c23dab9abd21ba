#include "app/run_reports.h"

#include <cerrno>

#include <QStringList>

#include "app/locale_text.h"
#include "app/window_texts.h"

namespace zentavo {

namespace {

// The paths or rows a message lists before it only counts the rest.
constexpr size_t kListedInMessages = 10;
// An undo lists a file a line, up to a box's worth.
constexpr size_t kUndoLinesListed = 20;

QString Decode(std::string_view bytes) {
    return CurrentLocaleCodec().Decode(bytes);
}

std::string_view FolderPart(std::string_view path) {
    return path.substr(0, path.find_last_of('/'));
}

QString UndoProblemReason(const UndoProblem& problem) {
    const QString at = Decode(problem.at);
    switch (problem.reason) {
        case UndoReason::NameTaken:
            return Texts::NameTakenReason(at);
        case UndoReason::Gone:
            return Texts::GoneReason();
        case UndoReason::Replaced:
            return Texts::ReplacedReason(at);
        case UndoReason::Failed:
            break;
    }
    if (problem.error == ESTALE) {
        const std::string_view from = FolderPart(problem.at);
        const QString folder = Decode(from);
        return Texts::FailedReason(at, from == FolderPart(problem.original)
                                           ? Texts::FolderReplaced(folder)
                                           : Texts::FolderOrTargetReplaced(folder));
    }
    return Texts::FailedReason(at, Texts::SystemReason(problem.error));
}

// Why journals refused the journal, naming the path they would not trust;
// empty when the error is no refusal.
QString Refusal(int error, const JournalStore& journals) {
    if (journals.untrusted_path().empty()) return {};
    const QString path = Decode(journals.untrusted_path());
    switch (error) {
        case ELOOP:
            return Texts::JournalIsLink(path);
        case EPERM:
            return Texts::JournalOfAnotherUser(path);
        default:
            return Texts::JournalOpenToOthers(path);
    }
}

}  // namespace

QString WithoutJournalQuestion(int error, const JournalStore& journals) {
    const QString refusal = Refusal(error, journals);
    if (refusal.isEmpty())
        return Texts::JournalUnwritableQuestion(Decode(journals.folder()),
                                                Texts::SystemReason(error));
    return refusal + "\n\n" + Texts::RenameWithoutUndoQuestion();
}

Report DropProblemsReport(const std::vector<ReadProblem>& problems) {
    QStringList lines;
    for (size_t i = 0; i < problems.size() && i < kListedInMessages; ++i) {
        lines << Texts::PathAndReason(Decode(problems[i].path),
                                      Texts::ReadProblemReason(problems[i].error));
    }
    if (problems.size() > kListedInMessages)
        lines << Texts::AndMore(problems.size() - kListedInMessages);
    return {MessageIcon::Warning, Texts::DropProblemsCaption(),
            Texts::DropProblems() + "\n\n" + lines.join('\n'), {}};
}

Report RenameSummaryReport(const RenameOutcome& outcome, const RenameList& list,
                           const std::function<QString(size_t row)>& failure_reason,
                           std::string_view journal_folder) {
    QString notes;
    if (outcome.journal_write_error != 0) {
        notes += "\n\n" + Texts::JournalIncomplete(Decode(journal_folder),
                                                   Texts::SystemReason(outcome.journal_write_error));
    }
    for (const RowNote& note : outcome.notes) {
        const QString path = Decode(list.path(note.row));
        if (!note.left_at.empty()) notes += "\n\n" + Texts::LeftAtNote(path, Decode(note.left_at));
        if (!note.saved_other.empty())
            notes += "\n\n" + Texts::SavedOtherNote(path, Decode(note.saved_other));
    }
    if (outcome.failed == 0) {
        const MessageIcon icon =
            outcome.journal_write_error != 0 ? MessageIcon::Warning : MessageIcon::Information;
        return {icon, Texts::FinishedCaption(),
                Texts::FinishedSummary(int(outcome.renamed)) + notes,
                Texts::SummaryCounts(outcome.renamed, 0)};
    }
    // The failed rows are this run's: a list is fresh for every run. Those
    // a cancelled run did not try are no failure of theirs.
    QStringList failures;
    size_t failed = 0;
    size_t not_tried = 0;
    for (size_t row = 0; row < list.count(); ++row) {
        if (list.mark(row) != RowMark::Failed) continue;
        if (list.failure(row) == ECANCELED) {
            ++not_tried;
        } else if (failed++ < kListedInMessages) {
            failures << Texts::PathAndReason(Decode(list.path(row)), failure_reason(row));
        }
    }
    QString detail = Texts::SummaryCounts(outcome.renamed, failed);
    if (not_tried > 0) detail += "\n" + Texts::NotTriedCount(not_tried);
    if (failed > 0) {
        detail += "\n\n" + Texts::FirstFailures(int(failures.size())) + "\n" + failures.join('\n');
        if (failed > kListedInMessages) detail += "\n" + Texts::AndMore(failed - kListedInMessages);
    }
    if (not_tried == 0) {
        return {MessageIcon::Warning, Texts::FailedCaption(),
                Texts::FailedSummary(int(outcome.failed)) + notes, detail};
    }
    QString text = Texts::CancelledSummary(outcome.renamed, int(not_tried));
    if (failed > 0) text += "\n\n" + Texts::FailedSummary(int(failed));
    const MessageIcon icon = failed > 0 || outcome.journal_write_error != 0
                                 ? MessageIcon::Warning
                                 : MessageIcon::Information;
    return {icon, Texts::CancelledCaption(), text + notes, detail};
}

Report UndoReport(bool redo, int error, const UndoOutcome& outcome,
                  const JournalStore& journals) {
    const QString caption = redo ? Texts::RedoCaption() : Texts::UndoCaption();
    if (error == ENOENT) {
        return {MessageIcon::Information, caption,
                redo ? Texts::NothingToRedo() : Texts::NothingToUndo(), {}};
    }
    // The undo's own journal meets the same trust as the one it reads.
    const int journal_error = error != 0 ? error : outcome.journal_error;
    if (const QString refusal = Refusal(journal_error, journals);
        journal_error != 0 && !refusal.isEmpty()) {
        return {MessageIcon::Warning, caption, refusal + "\n\n" + Texts::NothingMoved(), {}};
    }
    if (error == EBUSY) {
        return {MessageIcon::Warning, caption, Texts::RunStillRunning(Decode(outcome.run_id)), {}};
    }
    if (error != 0) {
        return {MessageIcon::Warning, caption, Texts::JournalUnreadable(Texts::SystemReason(error)),
                {}};
    }
    if (outcome.journal_error != 0) {
        return {MessageIcon::Warning, caption,
                Texts::UndoJournalUnwritable(Decode(journals.folder()),
                                             Texts::SystemReason(outcome.journal_error)),
                {}};
    }
    // The files a cancelled undo did not try are left for the next one.
    std::vector<const UndoProblem*> missed;
    size_t not_tried = 0;
    for (const UndoProblem& problem : outcome.problems) {
        if (problem.reason == UndoReason::Failed && problem.error == ECANCELED)
            ++not_tried;
        else
            missed.push_back(&problem);
    }
    const size_t back = outcome.restored.size();
    // A damaged journal hides how many files the run moved beyond it.
    const QString damaged = outcome.damaged
                                ? Texts::UndoJournalDamaged(Decode(outcome.run_id),
                                                            outcome.readable_rows, back,
                                                            int(outcome.rows))
                                : QString();
    QString text;
    if (not_tried > 0) {
        text = redo ? Texts::RedoCancelled(back, int(not_tried))
                    : Texts::UndoCancelled(back, int(not_tried));
        if (outcome.damaged) text += "\n\n" + damaged;
    } else if (outcome.damaged) {
        text = damaged;
    } else {
        text = redo ? Texts::RedoDone(int(back)) : Texts::UndoDone(int(back));
    }
    if (!missed.empty()) {
        text += "\n\n" + (redo ? Texts::RedoMissed(int(missed.size()))
                                : Texts::UndoMissed(int(missed.size())));
        for (size_t i = 0; i < missed.size() && i < kUndoLinesListed; ++i) {
            text += "\n" + Texts::UndoMissedLine(Decode(missed[i]->original),
                                                 UndoProblemReason(*missed[i]));
        }
        if (missed.size() > kUndoLinesListed)
            text += "\n" + Texts::UndoMore(int(missed.size() - kUndoLinesListed));
    }
    const bool incomplete = !missed.empty() || outcome.damaged;
    const MessageIcon icon = incomplete ? MessageIcon::Warning : MessageIcon::Information;
    if (not_tried > 0) return {icon, Texts::CancelledCaption(), text, {}};
    if (!incomplete) return {icon, caption, text, {}};
    return {icon, redo ? Texts::RedoIncompleteCaption() : Texts::UndoIncompleteCaption(), text, {}};
}

}  // namespace zentavo
